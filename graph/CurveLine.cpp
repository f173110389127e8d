#include "graph/CurveLine.h"

#include "graph/Assert.h"
#include "graph/CanvasReach.h"
#include "graph/LineSegment.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

double CCurveLine::DistanceTo(int x, int y) const
{
    const CPoint* pts = GetLogicalPoints();
    double best = DBL_MAX;
    for (long i = 0; i + 1 < ClippedCount(); ++i)
    {
        double dx, dy, c;
        LineEquationFromPoints(&pts[i], &pts[i + 1], &dx, &dy, &c);
        const double length = std::sqrt(dx * dx + dy * dy);
        if (length == 0.0)
            continue;
        best = std::min(best, std::fabs(y * dx - x * dy - c) / length);
    }
    return best;
}

bool CCurveLine::PointUnder(CDoublePoint* pOut, CPoint* pPointer) const
{
    if (!MORVANE_CHECK(pOut && pPointer))
        return false;
    const CPoint* pts = GetLogicalPoints();
    if (ClippedCount() >= 2 && pts[0] != pts[1])
    {
        double dx, dy, c;
        LineEquationFromPoints(&pts[0], &pts[1], &dx, &dy, &c);
        if (std::fabs(dx) < 0.001 && std::fabs(dy) > 0.001)
            pPointer->x = CanvasPosition((pPointer->y * dx - c) / dy);
        else
            pPointer->y = CanvasPosition((pPointer->x * dy + c) / dx);
    }
    *pOut = LogicalToData(pPointer->x, pPointer->y);
    return true;
}
