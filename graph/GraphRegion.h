// One rectangle of a graph canvas with its drawing settings: the strips around the plot
// and the plot area itself. Rectangles are in canvas units with top the larger y.
#pragma once

#include "framework/core/GdiTypes.h"

class CDC;

class CGraphRegion
{
public:
    CGraphRegion() = default;
    explicit CGraphRegion(const CRect& rect) : m_Rect(rect) {}

    // Draws the rectangle when the region is visible: filled solid with the fill colour
    // when the fill flag is set, else outlined with the pen and filled with the current
    // brush; with the pen flag set a pen of the region's own is used meanwhile. Returns the
    // visible flag.
    bool Draw(CDC* pDC) const;

    CRect m_Rect{0, 1, 1, 0};
    bool m_bVisible = true;
    bool m_bFill = false;
    bool m_bPen = false;
    int m_nPenWidth = 1;
    int m_nPenStyle = PS_SOLID;
    COLORREF m_PenColor = 0;
    COLORREF m_FillColor = 0xFFFFFF;
};
