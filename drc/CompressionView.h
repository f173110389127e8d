// What a compression manager needs of its view: replace one of its curves and redraw it
// as the "Turn off Display Coordinates Only" command does. The Qt view implements it;
// tests record the calls.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoublePoint.h"

#include <string>
#include <vector>

struct CCompressionCurve
{
    int nIndex = 0; // which of the view's curves is replaced, from 0
    std::vector<CDoublePoint> points;
    COLORREF color = 0;
    int nWidth = 1;
    int nPenStyle = 0;
    int nKind = 0; // CCurve kind and tag attributes
    int nTag = 0;
    std::string label;
};

class ICompressionView
{
public:
    virtual ~ICompressionView() = default;
    virtual void ReplaceCurve(const CCompressionCurve& curve) = 0;
    // Resets the curve editor's modes and repaints at once.
    virtual void TurnOffDisplayCoordinatesOnly() = 0;
};
