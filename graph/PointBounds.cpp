#include "graph/PointBounds.h"

#include <cmath>

namespace PointBounds
{
namespace
{
// A curve resampled on a logarithmic grid may put its end points an ulp or two beyond
// log10 of the measured ends; a hundred-millionth of a decade is far below any frequency
// difference the files tell apart.
constexpr double kLogSlack = 1e-8;
} // namespace

bool IsFrequency(double hz)
{
    return hz >= kMinHz && hz <= kMaxHz;
}

bool IsLevel(double db)
{
    return std::fabs(db) <= kMaxDb;
}

bool IsLogFrequency(double log10Hz)
{
    static const double lowest = std::log10(kMinHz) - kLogSlack;
    static const double highest = std::log10(kMaxHz) + kLogSlack;
    return log10Hz >= lowest && log10Hz <= highest;
}

bool IsCurvePoint(const CDoublePoint& p)
{
    return IsLogFrequency(p.x) && IsLevel(p.y);
}

bool IsPoint(const CDoublePoint& p)
{
    return IsFrequency(p.x) && IsLevel(p.y);
}
} // namespace PointBounds
