// The automatic vertical range of the graph views: margin, rounding outward, the limits,
// and curves lying wholly beyond a limit (a measurement at a real sound pressure level).
#include "graph/AutoScaleRange.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace
{
struct RangeCase
{
    const char* what;
    double extentTop, extentBottom, margin;
    int multiple;
    double upperLimit, lowerLimit;
    double top, bottom;
};

constexpr RangeCase kCases[] = {
    // The response view: 5 dB margin, tens, limits 30 and -80 dB.
    {"curve between -2 and 7 dB", 7, -2, 5, 10, 30, -80, 20, -10},
    {"curve reaching -95 dB stops at -80", 7, -95, 5, 10, 30, -80, 20, -80},
    {"curve reaching 40 dB is cut at 30", 40, -2, 5, 10, 30, -80, 30, -10},
    {"measurement at 66 to 91 dB", 91, 66, 5, 10, 30, -80, 100, 60},
    {"curve crossing the cap from below", 91, 25, 5, 10, 30, -80, 30, 20},
    {"curve wholly below the lower limit", -90, -120, 5, 10, 30, -80, -80, -130},
    {"no curve: extent 0", 0, 0, 5, 10, 30, -80, 10, -10},
    // The filter view: 2 dB margin, fives, limits 30 and -80 dB.
    {"filters -3.6 to 4.2 dB", 4.2, -3.6, 2, 5, 30, -80, 10, -10},
    {"filters -3.1 to 4.2 dB", 4.2, -3.1, 2, 5, 30, -80, 10, -5},
    {"filters +40 and -100 dB", 40, -100, 2, 5, 30, -80, 30, -80},
    {"filters wholly above the cap", 48, 36, 2, 5, 30, -80, 50, 30},
    // The phase view: no limits.
    {"phase -170 to 175 degrees", 175, -170, 5, 10, DBL_MAX, -DBL_MAX, 180, -180},
    {"phase at -1080 to -1620 degrees", -1080, -1620, 5, 10, DBL_MAX, -DBL_MAX, -1070, -1630},
    // A flat curve on a multiple with no margin still gets a height.
    {"flat curve without margin", 80, 80, 0, 10, DBL_MAX, -DBL_MAX, 90, 80},
    // Beyond the int range the range is still rounded to the curve's extent, not held at
    // 2147483650 below the curve's top.
    {"phase at 1e12 degrees", 1e12 + 3, -1e12 - 3, 5, 10, DBL_MAX, -DBL_MAX, 1e12 + 10,
     -1e12 - 10},
};
} // namespace

TEST(AutoScaleRange, FitsTheCurvesWithinTheLimitsUnlessTheyLieBeyondThem)
{
    for (const RangeCase& c : kCases)
    {
        const CAutoScaleRange range = FitAutoScaleRange(c.extentTop, c.extentBottom, c.margin,
                                                        c.multiple, c.upperLimit, c.lowerLimit);
        EXPECT_DOUBLE_EQ(range.top, c.top) << c.what;
        EXPECT_DOUBLE_EQ(range.bottom, c.bottom) << c.what;
        EXPECT_GT(range.top, range.bottom) << c.what;
    }
}
