// The device context over a QPainter: the drawing primitives of CDC on a Qt paint device
// (a retained image of a view, a printer or a PDF writer), with the mapping the base class
// keeps turned into the painter's transform.
//
// Pens: widths are logical units and scale with the mapping; a width of 1 or less is a
// one-pixel pen, and a pen wider than one pixel always draws solid whatever its style (the
// graph code cuts wide dashes itself). Text is drawn upright at the mapped anchor, in the
// selected font scaled to the mapping, aligned by the text-alignment flags; extents come
// back in logical units. The inverting raster operation works on raster images only,
// where drawing the same lines twice restores the pixels.
//
// A printer's page is drawn as a display of 96 pixels per inch would show it: its device
// pixels (HORZRES, VERTRES, the mapping, pen widths and font heights) are pixels of 1/96
// inch, each as many printer dots wide as the resolution asks, and its pens scale with
// the page. A printed page, its print preview at any zoom and a PDF file thus all look
// like the window: a one-pixel grid line stays thin, a frame as wide as on the screen.
#pragma once

#include "framework/core/DeviceContext.h"

#include <QFont>
#include <QPointF>
#include <QPolygon>
#include <QRectF>
#include <QTransform>

class QPainter;
class QPaintDevice;

class CPainterDC : public CDC
{
public:
    // The painter must be active on its device and outlive this object. The technology
    // (DT_RASDISPLAY or DT_RASPRINTER) defaults to a printer for paged devices (QPrinter,
    // QPdfWriter) and to a raster display otherwise.
    explicit CPainterDC(QPainter* pPainter, int nTechnology = 0);

    bool Polyline(const CPoint* points, int count) override;
    bool Polygon(const CPoint* points, int count) override;
    bool Rectangle(int left, int top, int right, int bottom) override;
    void FillSolidRect(const CRect& rect, COLORREF color) override;
    bool MoveTo(int x, int y) override;
    bool LineTo(int x, int y) override;
    bool TextOut(int x, int y, const std::string& text) override;
    CSize GetTextExtent(const std::string& text) const override;
    int GetDeviceCaps(int index) const override;
    COLORREF GetPixel(int x, int y) const override;
    void RemoveClipRegion() override;

    // Device pixels of a logical point under the current mapping (not rounded); on a
    // printer, pixels of 1/96 inch.
    QPointF ToDevice(int x, int y) const;
    // The device pixels that TextOut of the text at (x, y) covers: its advance across, from
    // the font's ascent above the baseline to its descent below.
    QRectF TextRect(int x, int y, const std::string& text) const;

private:
    // Logical units to device pixels (of 1/96 inch on a printer).
    QTransform Transform() const;
    // Device pixels to the paint device's own units: printer dots per pixel of 1/96 inch
    // on a printer, nothing on a display.
    QTransform PageTransform() const;
    // Logical units per device pixel (the isotropic scale).
    double UnitsPerPixel() const;
    // Prepares pen, brush, transform and composition for lines and shapes given in
    // logical units, or in device pixels when bDevicePixels.
    void ApplyPen(bool bFill, bool bDevicePixels = false);
    // The polyline's points without those that fall on the device pixel of the point kept
    // before them (the last point always stays): they add nothing to a line drawn without
    // antialiasing, and a curve of 10000 or a million points on a window a thousand pixels
    // wide would otherwise be stroked point by point.
    QPolygon VisiblePolyline(const CPoint* points, int count) const;
    QFont DeviceFont() const;

    QPainter* m_pPainter;
    QPaintDevice* m_pDevice;
    int m_nTechnology;
    bool m_bPaged = false;
    // Paint device units per device pixel: 1 on a display, dots per 1/96 inch on a
    // printer.
    double m_dDotsPerPixel = 1.0;
    CPoint m_Current;
};
