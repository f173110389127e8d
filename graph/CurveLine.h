// The curve of the compression plots: a few straight pieces. The pointer's distance is
// measured to the infinite lines through consecutive canvas points, and the pointer is put
// onto the line through the first two. Everything else is that of CCurve.
#pragma once

#include "graph/Curve.h"

class CCurveLine : public CCurve
{
public:
    // Smallest distance to the lines through consecutive canvas points; pairs of equal
    // points define no line and are skipped. DBL_MAX when there is no line.
    double DistanceTo(int x, int y) const override;
    // Onto the line through canvas points 0 and 1: horizontally for a vertical line,
    // else vertically. Without such a line (fewer than two points, or two equal ones) the
    // pointer stays.
    bool PointUnder(CDoublePoint* pOut, CPoint* pPointer) const override;
};
