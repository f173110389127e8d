// Whether the value axis of a paint can be read at the size it was painted: every label
// shows a value of the window and stands nearer its own line than any other across the
// plot, none covers another, none is lower than the least readable font, and a view of
// 120 pixels and more shows one label, one of 250 pixels and more two, with a grid line
// between the plot's edges. The labels and lines are found in the recording as the
// axis-label checks find them (TrueAxisLabels.h).
#pragma once

#include "tests/graph/TrueAxisLabels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// What a view of that many device pixels high must show at least.
inline std::size_t LeastValueLabels(int nDeviceHeight)
{
    return nDeviceHeight >= 250 ? 2u : nDeviceHeight >= 120 ? 1u : 0u;
}

// plot: the plot area of the paint; window: its data window (the value axis from bottom to
// top); nLeastHeight: the least font height in canvas units.
inline void ExpectReadableValueAxis(const std::vector<CRecordingDC::Call>& calls, const CRect& plot,
                                    const CDoubleRect& window, int nDeviceHeight, int nLeastHeight,
                                    const std::string& name)
{
    using namespace TrueAxisDetail;
    const CDrawnAxes axes = DrawnAxes(calls, plot);
    CTrueAxis axis{window.bottom, window.top, plot.bottom, plot.top, true, false, 10, axes.rows};
    const std::size_t least = LeastValueLabels(nDeviceHeight);
    EXPECT_GE(axes.vertical.size(), least) << name << ": too few value labels";
    if (least >= 2)
    {
        EXPECT_GT(axes.rows.size(), 2u) << name << ": no grid line across the plot";
    }
    int lastHigh = 0;
    for (std::size_t i = 0; i < axes.vertical.size(); ++i)
    {
        const CRecordingDC::Call& label = axes.vertical[i];
        const std::string what = name + ": \"" + label.text + "\"";
        EXPECT_GE(TextHeight(label), nLeastHeight) << what << " is lower than readable";
        const std::optional<long double> v = ValueOf(label.text, axis);
        ASSERT_TRUE(v.has_value()) << what << " is no value";
        const long double span = axis.upper - axis.lower;
        EXPECT_TRUE(*v >= axis.lower - span / 10 && *v <= axis.upper + span / 10)
            << what << " is no value of the window";
        const long double at = PlaceOf(*v, axis);
        const long double slack = RoundingOnCanvas(label.text, axis) + 1.0L;
        EXPECT_TRUE(HasLineAt(at, slack, axis)) << what << " has no line at " << at;
        // Its centre is nearer its own line than any other line across the plot.
        const std::pair<int, int> stretch = Stretch(label, axis);
        const long double centre = (stretch.first + stretch.second) / 2.0L;
        const long double off = std::fabs(centre - at);
        const long double other = NearestOtherLine(centre, at, axis);
        EXPECT_LT(off, other + slack) << what << " stands " << off << " off its line at " << at
                                      << ", another line " << other << " off it";
        // The labels are drawn from the lowest up; none covers the one below it.
        if (i > 0)
        {
            EXPECT_GE(stretch.first, lastHigh) << what << " covers the label below it";
        }
        lastHigh = stretch.second;
    }
}
