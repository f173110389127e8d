// The data window of a plot and the extent of curves, in the order ymax, xmin, ymin, xmax.
#pragma once

#include "graph/DoublePoint.h"

struct CDoubleRect
{
    double top = 0.0;    // ymax
    double left = 0.0;   // xmin
    double bottom = 0.0; // ymin
    double right = 0.0;  // xmax

    // xmin <= x <= xmax and y >= ymin; ymax does not limit: a point above the window's top
    // counts as inside.
    bool Contains(const CDoublePoint& p) const
    {
        return left <= p.x && p.x <= right && p.y >= bottom;
    }
    friend bool operator==(const CDoubleRect&, const CDoubleRect&) = default;
};
