// The straight line through two points in data units, with slope and intercept. Lines
// steeper than 89.9 degrees are treated as vertical: their intercept is the first x.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoublePoint.h"

class CLineSegment
{
public:
    // FALSE, leaving the segment as it was, when the two points are equal.
    bool Set(const CDoublePoint& first, const CDoublePoint& second);

    bool IsVertical() const;
    bool IsNotVertical() const { return !IsVertical(); }
    // slope * x + intercept; 0.0 for a vertical line (a failed check).
    double YAtX(double x) const;
    // The intercept (its x) for a vertical line, else (y - intercept) / slope; for a
    // horizontal line, which has no such x, the first point's x (a failed check).
    double XAtY(double y) const;
    // Ends included, whichever x is larger.
    bool IsWithinXRange(double x) const;
    // 0.0 within the range, else the distance in x to the nearer end.
    double DistanceOutsideXRange(double x) const;
    double GetSlope() const;
    double GetIntercept() const;

private:
    bool m_bInitialized = false;
    bool m_bVertical = false;
    double m_dSlope = 0.0;
    double m_dIntercept = 0.0;
    CDoublePoint m_First;
    CDoublePoint m_Second;
};

// The line dy * x - dx * y + c = 0 through two points: dx = x2 - x1, dy = y2 - y1,
// c = dx * y1 - dy * x1. Always true.
bool LineEquationFromPoints(const CDoublePoint* p1, const CDoublePoint* p2, double* dx, double* dy,
                            double* c);
// The same for canvas points, the differences taken as doubles.
bool LineEquationFromPoints(const CPoint* p1, const CPoint* p2, double* dx, double* dy, double* c);
