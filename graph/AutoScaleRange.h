// The vertical range that automatic scaling gives a graph view: the extent of its curves
// widened by a margin, rounded outward to a multiple, and held within the view's limits.
// The limits cut only curves that cross them: when the curves lie wholly above the upper
// limit or wholly below the lower one (a measurement at 66 to 91 dB against a cap of
// 30 dB), the limits would leave a range whose top is not above its bottom, and the
// range is fitted to the curves instead.
#pragma once

struct CAutoScaleRange
{
    double top;
    double bottom;
};

// extentTop, extentBottom: the curves' highest and lowest value; margin: added above and
// below (dB or degrees); multiple: the rounding step (> 0); upperLimit, lowerLimit: the
// view's limits (use the largest and smallest double for a view without limits).
// The top is always above the bottom.
CAutoScaleRange FitAutoScaleRange(double extentTop, double extentBottom, double margin,
                                  int multiple, double upperLimit, double lowerLimit);
