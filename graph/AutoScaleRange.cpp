#include "graph/AutoScaleRange.h"

#include "graph/MorvaneUtilities.h"

#include <algorithm>

CAutoScaleRange FitAutoScaleRange(double extentTop, double extentBottom, double margin,
                                  int multiple, double upperLimit, double lowerLimit)
{
    double top = extentTop + margin;
    double bottom = extentBottom - margin;
    RoundUpToMultiple(multiple, &top);
    RoundDownToMultiple(multiple, &bottom);
    const CAutoScaleRange limited{std::min(top, upperLimit), std::max(bottom, lowerLimit)};
    if (limited.top > limited.bottom)
        return limited;
    // Curves on one value with no margin would leave no height at all.
    return {top > bottom ? top : bottom + multiple, bottom};
}
