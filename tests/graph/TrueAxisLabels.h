// Whether the value labels an axis drew are true to the window it was drawn for: each text
// reads back as a number, that number lies in the window, and it lies where the label
// stands. Positions are computed in long double, whose range holds the span of any
// window of doubles (from -1e308 to 1e308 too).
#pragma once

#include "framework/core/RecordingDC.h"
#include "graph/Convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

struct CTrueAxis
{
    long double lower; // the window, in data units
    long double upper;
    int from; // canvas coordinates of lower and upper along the axis
    int to;
    bool bVertical;    // labels hang from their anchors; else they start at them
    bool bLogarithmic; // a label shows 10 to the data value
    int nCharWidth;    // canvas units a character of the recording device
};

// Limit labels are within a tenth of the window of their values; a label at an end of
// the axis may be moved in by its own size.
inline void ExpectTrueLabels(const std::vector<CRecordingDC::Call>& labels, const CTrueAxis& axis,
                             const std::string& name)
{
    const long double span = axis.upper - axis.lower;
    const long double length = std::fabs(static_cast<long double>(axis.to - axis.from));
    for (const CRecordingDC::Call& label : labels)
    {
        const std::optional<double> shown = ParseWholeDouble(label.text);
        if (!shown || (axis.bLogarithmic && *shown <= 0.0))
        {
            ADD_FAILURE() << name << ": \"" << label.text << "\" is no value of the axis";
            continue;
        }
        const long double v = axis.bLogarithmic ? std::log10(static_cast<long double>(*shown))
                                                : static_cast<long double>(*shown);
        EXPECT_GE(v, axis.lower - span / 10) << name << ": " << label.text << " below the window";
        EXPECT_LE(v, axis.upper + span / 10) << name << ": " << label.text << " above the window";
        const long double at = axis.from + (v - axis.lower) / span * (axis.to - axis.from);
        const int size = axis.bVertical ? std::abs(label.font.GetHeight())
                                        : int(label.text.size()) * axis.nCharWidth;
        const int anchor = axis.bVertical ? label.points[0].y : label.points[0].x;
        const long double low = axis.bVertical ? anchor - size : anchor;
        const long double slack = size + length / 10;
        EXPECT_GE(at, low - slack) << name << ": " << label.text << " stands at " << anchor;
        EXPECT_LE(at, low + size + slack) << name << ": " << label.text << " stands at " << anchor;
    }
}
