// A straight line between two points (canvas units) with its own solid pen.
#pragma once

#include "framework/core/GdiTypes.h"

class CDC;

class CSimpleLine
{
public:
    virtual ~CSimpleLine() = default;
    // Selects the line's pen through a restorer, draws, and puts the previous pen back;
    // TRUE when the polyline was drawn.
    bool Draw(CDC* pDC) const;

    CPoint m_Points[2] = {{0, 0}, {10, 0}};
    int m_nPenWidth = 1;
    COLORREF m_Color = 0;
};
