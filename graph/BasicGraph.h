// The logical drawing surface of a graph view: 4000 canvas units across, a height that
// follows the drawing surface's aspect ratio, origin at the bottom left and y upward. It
// sets up the device context's mapping at every repaint, lays out its five regions (left,
// right, top and bottom strips and the plot area) and converts client pixels into canvas
// units and into values of the data window the view gives it. A view whose texts need
// wider strips on a small window measures them on every draw (SetStripMeasure).
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoubleRect.h"
#include "graph/GraphRegion.h"
#include "graph/GraphStrips.h"

#include <functional>

class CDC;
class CWnd;

class CBasicGraph
{
public:
    // Canvas units across, whatever the window.
    static constexpr int kCanvasWidth = 4000;

    CBasicGraph();
    virtual ~CBasicGraph() = default;

    // Maps the device context to canvas units for the window's client area (a raster
    // display) or the whole page (any other device) and lays the regions out again. A
    // surface without area keeps the previous height. Always TRUE.
    virtual bool Draw(CWnd* pWnd, CDC* pDC);
    // Right, top, left and bottom strip, then the plot area.
    bool DrawRegions(CDC* pDC);

    // Client pixels to canvas units, in place, with the surface of the last Draw; before
    // the first Draw (or on a surface without area) the point becomes the canvas origin.
    void DeviceToLogical(CPoint* pPoint) const;
    // The data value under a client pixel, clamped to the plot area; *pPoint receives the
    // clamped canvas point. 0.0, with a failed check, without a data window.
    double PixelToDataX(int x, int y, CPoint* pPoint) const
    {
        return PixelToData(x, y, pPoint, false);
    }
    double PixelToDataY(int x, int y, CPoint* pPoint) const
    {
        return PixelToData(x, y, pPoint, true);
    }

    // The strips the view's texts need, measured on the device context of each draw once
    // it is mapped; the regions are laid out for them. None: the usual border all round.
    void SetStripMeasure(std::function<CGraphStrips(CDC*)> measure)
    {
        m_StripMeasure = std::move(measure);
    }
    // The strips of the last draw.
    const CGraphStrips& GetStrips() const { return m_Strips; }
    bool HasStripMeasure() const { return bool(m_StripMeasure); }

    // The data window is the view's; FALSE for null (the previous one stays).
    bool SetClipRect(const CDoubleRect* pClipRect);
    CDoubleRect GetClipRect() const;

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    int GetBorder() const { return m_nBorder; }
    int GetDeviceWidth() const { return m_nDeviceWidth; }
    int GetDeviceHeight() const { return m_nDeviceHeight; }
    CSize GetWindowExtent() const { return m_WindowExtent; }
    CPoint GetPlotOrigin() const { return m_PlotOrigin; }

    int m_nRegionPenWidth = 8;
    CGraphRegion m_LeftRegion;
    CGraphRegion m_RightRegion;
    CGraphRegion m_TopRegion;
    CGraphRegion m_BottomRegion;
    CGraphRegion m_PlotRegion;

protected:
    // The canvas rectangles of the five regions and the plot origin for the current
    // width, height and border.
    virtual void LayoutRegions();
    bool PrepareDevice(CWnd* pWnd, CDC* pDC);
    double PixelToData(int x, int y, CPoint* pPoint, bool bY) const;

    int m_nBorder = CGraphStrips::kBorder;
    const CDoubleRect* m_pClipRect = nullptr;
    CSize m_WindowExtent;
    int m_nWidth = kCanvasWidth;
    int m_nHeight = 3000;
    int m_nDeviceWidth = 0;
    int m_nDeviceHeight = 0;
    CPoint m_PlotOrigin;

private:
    std::function<CGraphStrips(CDC*)> m_StripMeasure;
    CGraphStrips m_Strips;
};
