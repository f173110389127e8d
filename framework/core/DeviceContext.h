// The device context the graph code draws through: a display-free stand-in for a
// Windows-style DC. The base class keeps the drawing state (selected pen, brush and font,
// text alignment and colour, background mode, raster operation, mapping mode with its
// window and viewport) and converts between device and logical units; implementations
// supply the primitives and read the state when they draw.
#pragma once

#include "framework/core/GdiTypes.h"

#include <string>
#include <utility>

class CDC
{
public:
    virtual ~CDC() = default;

    // Selection returns the object that was selected before (stock objects at the start:
    // a black solid pen of width 0, a white solid brush, an unnamed font of height 0).
    CPen SelectObject(const CPen& pen) { return std::exchange(m_Pen, pen); }
    CBrush SelectObject(const CBrush& brush) { return std::exchange(m_Brush, brush); }
    CFont SelectObject(const CFont& font) { return std::exchange(m_Font, font); }
    const CPen& GetCurrentPen() const { return m_Pen; }
    const CBrush& GetCurrentBrush() const { return m_Brush; }
    const CFont& GetCurrentFont() const { return m_Font; }

    // Each setter returns the previous value.
    unsigned SetTextAlign(unsigned flags) { return std::exchange(m_nTextAlign, flags); }
    unsigned GetTextAlign() const { return m_nTextAlign; }
    COLORREF SetTextColor(COLORREF color) { return std::exchange(m_TextColor, color); }
    COLORREF GetTextColor() const { return m_TextColor; }
    int SetBkMode(int mode) { return std::exchange(m_nBkMode, mode); }
    int GetBkMode() const { return m_nBkMode; }
    int SetROP2(int rop) { return std::exchange(m_nROP2, rop); }
    int GetROP2() const { return m_nROP2; }

    // Mapping: device = (logical - window origin) * viewport extent / window extent
    // + viewport origin; MM_TEXT maps one to one, MM_ISOTROPIC keeps the units square by
    // using the smaller of the two scales on both axes (signs kept).
    int SetMapMode(int mode) { return std::exchange(m_nMapMode, mode); }
    int GetMapMode() const { return m_nMapMode; }
    CSize SetWindowExt(CSize ext) { return std::exchange(m_WindowExt, ext); }
    CPoint SetWindowOrg(CPoint org) { return std::exchange(m_WindowOrg, org); }
    CSize SetViewportExt(CSize ext) { return std::exchange(m_ViewportExt, ext); }
    CPoint SetViewportOrg(CPoint org) { return std::exchange(m_ViewportOrg, org); }
    CSize GetWindowExt() const { return m_WindowExt; }
    CSize GetViewportExt() const { return m_ViewportExt; }
    CPoint GetWindowOrg() const { return m_WindowOrg; }
    CPoint GetViewportOrg() const { return m_ViewportOrg; }
    // In place; results are rounded to the nearest unit and kept inside the int range.
    void DPtoLP(CPoint* points, int count = 1) const { Map(points, count, true); }
    void LPtoDP(CPoint* points, int count = 1) const { Map(points, count, false); }

    // Primitives, in logical units. Each returns true when it drew.
    virtual bool Polyline(const CPoint* points, int count) = 0;
    virtual bool Polygon(const CPoint* points, int count) = 0;
    // Outlined with the current pen and filled with the current brush.
    virtual bool Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void FillSolidRect(const CRect& rect, COLORREF color) = 0;
    virtual bool MoveTo(int x, int y) = 0;
    virtual bool LineTo(int x, int y) = 0;
    virtual bool TextOut(int x, int y, const std::string& text) = 0;
    // Width and height of the text in the current font, in logical units.
    virtual CSize GetTextExtent(const std::string& text) const = 0;
    virtual int GetDeviceCaps(int index) const = 0;
    // The colour of a device pixel at a logical point; CLR_INVALID when it cannot be read.
    virtual COLORREF GetPixel(int x, int y) const = 0;
    virtual void RemoveClipRegion() = 0;

    static constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

protected:
    // Device units per logical unit on each axis under the current mapping (signs kept;
    // never 0).
    void Scales(double& sx, double& sy) const;

private:
    void Map(CPoint* points, int count, bool toLogical) const;

    CPen m_Pen{PS_SOLID, 0, 0};
    CBrush m_Brush{0xFFFFFF};
    CFont m_Font;
    unsigned m_nTextAlign = TA_LEFT | TA_TOP;
    COLORREF m_TextColor = 0;
    int m_nBkMode = OPAQUE;
    int m_nROP2 = R2_COPYPEN;
    int m_nMapMode = MM_TEXT;
    CSize m_WindowExt{1, 1};
    CSize m_ViewportExt{1, 1};
    CPoint m_WindowOrg;
    CPoint m_ViewportOrg;
};
