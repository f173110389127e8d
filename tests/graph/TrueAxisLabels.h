// Whether the value labels an axis drew are true to the window it was drawn for and can be
// read against their own lines: each text reads back as a number of the window, and it
// stands at the line of that number, by no more than half its size along the axis off
// it, and twice as near it as any other line across the plot, so that it cannot be read
// against the next one. And whether a label the axis could show is missing: one left out
// must have no room at its line or come too close to a label drawn. Positions are
// computed in long double, whose range holds the span of any window of doubles (from
// -1e308 to 1e308 too).
#pragma once

#include "framework/core/RecordingDC.h"
#include "graph/AxisScale.h"
#include "graph/BasicGraph.h"
#include "graph/Convert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <utility>
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
    // Canvas places along the axis of the lines drawn across the plot, its edges included;
    // none: the labels are not checked against other lines.
    std::vector<int> lines = {};
    // The label strip along the axis and the width of its frame line: a label may always
    // be moved clear of that line, and must stay inside it.
    int stripLow = 0;
    int stripHigh = 0;
    int nFrame = 8;
    // Canvas units a character per unit of the font's height (the recording device's
    // SetCharWidthPerHeight); 0: nCharWidth.
    double dCharWidthPerHeight = 0.0;
};

// A label the axis could show: a step or a limit of its window, with the text it would
// have.
struct CAxisCandidate
{
    long double value;
    std::string text;
};

namespace TrueAxisDetail
{
inline int TextHeight(const CRecordingDC::Call& label)
{
    return std::abs(label.font.GetHeight());
}

inline int TextWidth(const std::string& text, int nHeight, const CTrueAxis& axis)
{
    const int perChar = axis.dCharWidthPerHeight > 0.0 && nHeight > 0
                            ? int(axis.dCharWidthPerHeight * nHeight + 0.5)
                            : axis.nCharWidth;
    return int(text.size()) * perChar;
}

// The size of a text along the axis.
inline int Size(const std::string& text, int nHeight, const CTrueAxis& axis)
{
    return axis.bVertical ? nHeight : TextWidth(text, nHeight, axis);
}

// The canvas place of data value v along the axis.
inline long double PlaceOf(long double v, const CTrueAxis& axis)
{
    return axis.from + (v - axis.lower) / (axis.upper - axis.lower) * (axis.to - axis.from);
}

// How far the number a text shows may lie from the value it labels: half a unit of its
// last digit; without an exponent no more than half a thousandth, as limits are shown to
// three decimals or more and steps are whole.
inline long double Rounding(const std::string& text)
{
    const std::size_t e = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : int(mantissa.size() - point - 1);
    if (e == std::string::npos)
        return 0.5L * std::pow(10.0L, -std::max(decimals, 3));
    return 0.5L * std::pow(10.0L, std::atoi(text.c_str() + e + 1) - decimals);
}

// The data value a label's text shows, along the axis (its log on a logarithmic one).
inline std::optional<long double> ValueOf(const std::string& text, const CTrueAxis& axis)
{
    const std::optional<double> shown = ParseWholeDouble(text);
    if (!shown || (axis.bLogarithmic && *shown <= 0.0))
        return std::nullopt;
    return axis.bLogarithmic ? std::log10(static_cast<long double>(*shown))
                             : static_cast<long double>(*shown);
}

// The canvas units a label's place may lie off the place of the number its text shows.
inline long double RoundingOnCanvas(const std::string& text, const CTrueAxis& axis)
{
    const long double shown = static_cast<long double>(*ParseWholeDouble(text));
    const long double rounding =
        axis.bLogarithmic ? Rounding(text) / (std::fabs(shown) * std::log(10.0L)) : Rounding(text);
    return rounding / std::fabs(axis.upper - axis.lower) * std::abs(axis.to - axis.from);
}

// The label's stretch along the axis, low and high end.
inline std::pair<int, int> Stretch(const CRecordingDC::Call& label, const CTrueAxis& axis)
{
    const int size = Size(label.text, TextHeight(label), axis);
    return axis.bVertical ? std::pair{label.points[0].y - size, label.points[0].y}
                          : std::pair{label.points[0].x, label.points[0].x + size};
}

// How far the label's point of reading lies from a place: its centre on a vertical axis,
// the nearer of its ends on a horizontal one, where a label starts at its line (the last
// one ends at it).
inline long double ReadingOff(std::pair<int, int> stretch, long double at, bool bVertical)
{
    if (bVertical)
        return std::fabs((stretch.first + stretch.second) / 2.0L - at);
    return std::min(std::fabs(stretch.first - at), std::fabs(stretch.second - at));
}

// Whether a line across the plot is drawn within slack of a place; true without lines.
inline bool HasLineAt(long double place, long double slack, const CTrueAxis& axis)
{
    return axis.lines.empty() ||
           std::any_of(axis.lines.begin(), axis.lines.end(),
                       [&](int line) { return std::fabs(line - place) <= slack; });
}

// The distance from a place to the nearest line across the plot but the one at own (a
// unit off it counts as it); infinite without lines.
inline long double NearestOtherLine(long double place, long double own, const CTrueAxis& axis)
{
    long double nearest = std::numeric_limits<long double>::infinity();
    for (const int line : axis.lines)
        if (std::fabs(line - own) > 1.0L)
            nearest = std::min(nearest, std::fabs(line - place));
    return nearest;
}
} // namespace TrueAxisDetail

// Every label is a value of the window, within a tenth of it for a limit's text, and stands
// at its own line, drawn at its place: no more than half its size along the axis off it,
// and twice as near it as any other line drawn; or off it by no more than the width of the
// strip's frame line (its line being the plot's edge, where that frame is drawn).
inline void ExpectTrueLabels(const std::vector<CRecordingDC::Call>& labels, const CTrueAxis& axis,
                             const std::string& name)
{
    using namespace TrueAxisDetail;
    const long double span = axis.upper - axis.lower;
    for (const CRecordingDC::Call& label : labels)
    {
        const std::optional<long double> v = ValueOf(label.text, axis);
        if (!v)
        {
            ADD_FAILURE() << name << ": \"" << label.text << "\" is no value of the axis";
            continue;
        }
        EXPECT_GE(*v, axis.lower - span / 10) << name << ": " << label.text << " below the window";
        EXPECT_LE(*v, axis.upper + span / 10) << name << ": " << label.text << " above the window";
        const long double at = PlaceOf(*v, axis);
        const std::pair<int, int> stretch = Stretch(label, axis);
        const int size = stretch.second - stretch.first;
        const long double off = ReadingOff(stretch, at, axis.bVertical);
        const long double slack = RoundingOnCanvas(label.text, axis) + 1.0L;
        EXPECT_TRUE(HasLineAt(at, slack, axis))
            << name << ": \"" << label.text << "\" has no line at " << at;
        EXPECT_LE(off, std::max<long double>(size / 2.0L, axis.nFrame) + slack)
            << name << ": \"" << label.text << "\" stands " << off << " off its line at " << at
            << ", its size " << size;
        const long double other = NearestOtherLine(
            axis.bVertical ? (stretch.first + stretch.second) / 2.0L
                           : (std::fabs(stretch.first - at) <= std::fabs(stretch.second - at)
                                  ? stretch.first
                                  : stretch.second),
            at, axis);
        EXPECT_LE(off, std::max<long double>(other / 2.0L, axis.nFrame) + slack)
            << name << ": \"" << label.text << "\" stands " << off << " off its line at " << at
            << ", another line " << other << " off it";
    }
}

// Every candidate that is not drawn has a reason: it has no line drawn at its place, or at
// its line it would stand off the strip or need a move of more than half its size (or more
// than a quarter of the way to the next line), or, where it could stand, it would come
// nearer a label drawn than nGap. The labels' texts tell which candidates are drawn;
// nHeight is the labels' text height.
inline void ExpectNoLabelMissing(const std::vector<CRecordingDC::Call>& labels,
                                 const std::vector<CAxisCandidate>& candidates,
                                 const CTrueAxis& axis, int nHeight, int nGap,
                                 const std::string& name)
{
    using namespace TrueAxisDetail;
    const long double low = std::min(axis.stripLow, axis.stripHigh) + axis.nFrame;
    const long double high = std::max(axis.stripLow, axis.stripHigh) - axis.nFrame;
    for (const CAxisCandidate& candidate : candidates)
    {
        const auto drawn = std::find_if(labels.begin(), labels.end(),
                                        [&](const CRecordingDC::Call& label)
                                        { return label.text == candidate.text; });
        if (drawn != labels.end())
            continue;
        const int size = Size(candidate.text, nHeight, axis);
        const long double at = PlaceOf(candidate.value, axis);
        if (!HasLineAt(at, 1.0L, axis))
            continue; // a step whose line is left out on a wide window
        const bool bUpperEnd = !axis.bVertical && std::fabs(candidate.value - axis.upper) <=
                                                      (axis.upper - axis.lower) * 1e-9L;
        const long double wanted = axis.bVertical ? at - size / 2.0L : bUpperEnd ? at - size : at;
        if (high - size < low)
            continue; // no room in the strip at all
        const long double placed = std::clamp(wanted, low, high - size);
        const long double move = std::fabs(placed - wanted);
        const long double allowed = std::max<long double>(
            axis.nFrame, std::min(size / 2.0L, NearestOtherLine(at, at, axis) / 4.0L));
        if (move > allowed - 1.0L)
            continue; // it would stand off its line
        const bool bCrowded =
            std::any_of(labels.begin(), labels.end(),
                        [&](const CRecordingDC::Call& label)
                        {
                            const std::pair<int, int> other = Stretch(label, axis);
                            return std::max<long double>(placed, other.first) -
                                       std::min<long double>(placed + size, other.second) <
                                   nGap + 2.0L;
                        });
        EXPECT_TRUE(bCrowded) << name << ": \"" << candidate.text
                              << "\" is missing, though it would stand at its line at " << at
                              << " clear of the labels drawn";
    }
}

// The candidates of a linear axis of whole steps: its limits, with the texts the scales
// give them, and the multiples of the label step in the window from the lower limit
// rounded to a whole number (with special limits from a step above it, the lower limit
// being shown by its own text).
inline std::vector<CAxisCandidate> LinearCandidates(double lower, double upper, double labelStep,
                                                    bool bSpecialLimits = false)
{
    std::vector<CAxisCandidate> candidates;
    const double tolerance = (upper - lower) / 10.0;
    candidates.push_back({lower, bSpecialLimits ? DoubleToShortString(lower)
                                                : CAxisScale::LimitText(lower, tolerance)});
    candidates.push_back({upper, CAxisScale::LimitText(upper, tolerance)});
    // A window of more steps than a canvas can show apart is stepped by longer steps.
    if (!((upper - lower) / labelStep <= 1000.0))
        return candidates;
    const double start = std::round(bSpecialLimits ? lower + labelStep : lower);
    for (double k = std::ceil(start / labelStep); k * labelStep <= upper; ++k)
        if (k * labelStep >= lower)
            candidates.push_back({k * labelStep, CAxisScale::StepText(k * labelStep)});
    return candidates;
}

// The candidates of a logarithmic frequency axis: its decades (labels of 10 to whole data
// values) in the window.
inline std::vector<CAxisCandidate> DecadeCandidates(double lower, double upper)
{
    std::vector<CAxisCandidate> candidates;
    if (!(upper - lower <= 1000.0))
        return candidates;
    for (double d = std::ceil(lower); d <= upper; ++d)
        candidates.push_back({d, CAxisScale::StepText(std::pow(10.0, d))});
    return candidates;
}

// What a recording holds of the axes of a graph with that plot area: the value labels of
// its vertical axis (numbers right-aligned on the one column nearest left of the plot),
// those of its horizontal one (numbers starting on the one row nearest under the plot),
// and the canvas places of the grid lines across the plot: the rows of its dashed
// horizontal lines and the columns of its vertical ones, each with the plot's edges.
struct CDrawnAxes
{
    std::vector<CRecordingDC::Call> vertical;
    std::vector<CRecordingDC::Call> horizontal;
    std::vector<int> rows;
    std::vector<int> columns;
};

inline CDrawnAxes DrawnAxes(const std::vector<CRecordingDC::Call>& calls, const CRect& plot)
{
    CDrawnAxes axes;
    std::optional<int> column, row;
    for (const CRecordingDC::Call& call : calls)
    {
        if (call.op != CRecordingDC::Op::TextOut || !ParseWholeDouble(call.text))
            continue;
        const CPoint at = call.points[0];
        if (call.textAlign == (TA_RIGHT | TA_TOP) && at.x < plot.left)
            column = std::max(column.value_or(at.x), at.x);
        if (call.textAlign == (TA_LEFT | TA_TOP) && at.y < plot.bottom)
            row = std::max(row.value_or(at.y), at.y);
    }
    axes.rows = {plot.bottom, plot.top};
    axes.columns = {plot.left, plot.right};
    for (const CRecordingDC::Call& call : calls)
    {
        if (call.op == CRecordingDC::Op::TextOut && ParseWholeDouble(call.text))
        {
            const CPoint at = call.points[0];
            if (call.textAlign == (TA_RIGHT | TA_TOP) && at.x == column)
                axes.vertical.push_back(call);
            else if (call.textAlign == (TA_LEFT | TA_TOP) && at.y == row)
                axes.horizontal.push_back(call);
        }
        if (call.op != CRecordingDC::Op::Polyline || call.points.size() != 2)
            continue;
        const CPoint a = call.points[0], b = call.points[1];
        // A dashed grid line starts with a dash at the plot's left edge; a vertical one
        // runs from the plot's top to its bottom.
        if (a.y == b.y && a.x == plot.left && a.y > plot.bottom && a.y < plot.top)
            axes.rows.push_back(a.y);
        if (a.x == b.x && a.y == plot.top && b.y == plot.bottom)
            axes.columns.push_back(a.x);
    }
    for (std::vector<int>* lines : {&axes.rows, &axes.columns})
    {
        std::sort(lines->begin(), lines->end());
        lines->erase(std::unique(lines->begin(), lines->end()), lines->end());
    }
    return axes;
}

// The font height of the labels (all of an axis share one), or 0 for none.
inline int LabelHeight(const std::vector<CRecordingDC::Call>& labels)
{
    return labels.empty() ? 0 : std::abs(labels.front().font.GetHeight());
}

// The value labels of the vertical or the horizontal axis of a paint of a graph, or of
// both (CDrawnAxes), stand at their own lines, and none is missing that would have room
// there: the vertical axis labelled every verticalStep (the compression plots' with
// special limits), the horizontal one every horizontalStep, or every decade on a
// logarithmic axis. Texts measure nCharWidth units a character, or dCharWidthPerHeight of
// their height.
struct CGraphAxes
{
    double verticalStep;
    double horizontalStep;
    bool bLogarithmic;
    bool bSpecialLimits;
    int nCharWidth = 10;
    double dCharWidthPerHeight = 0.0;
};

inline void ExpectAxisLabelsAtTheirLines(const std::vector<CRecordingDC::Call>& calls,
                                         const CBasicGraph& graph, const CDoubleRect& window,
                                         const CGraphAxes& steps, bool bVertical,
                                         const std::string& name)
{
    const CRect& plot = graph.m_PlotRegion.m_Rect;
    const CGraphRegion& strip = bVertical ? graph.m_LeftRegion : graph.m_BottomRegion;
    const CDrawnAxes axes = DrawnAxes(calls, plot);
    const double lower = bVertical ? window.bottom : window.left;
    const double upper = bVertical ? window.top : window.right;
    const bool bLogarithmic = !bVertical && steps.bLogarithmic;
    CTrueAxis axis{lower,
                   upper,
                   bVertical ? plot.bottom : plot.left,
                   bVertical ? plot.top : plot.right,
                   bVertical,
                   bLogarithmic,
                   steps.nCharWidth,
                   bVertical ? axes.rows : axes.columns,
                   bVertical ? strip.m_Rect.bottom : strip.m_Rect.left,
                   bVertical ? strip.m_Rect.top : strip.m_Rect.right,
                   strip.m_nPenWidth};
    axis.dCharWidthPerHeight = steps.dCharWidthPerHeight;
    const std::vector<CRecordingDC::Call>& labels = bVertical ? axes.vertical : axes.horizontal;
    const std::string axisName = (bVertical ? "vertical, " : "horizontal, ") + name;
    ExpectTrueLabels(labels, axis, axisName);
    // Labels one above the other keep a quarter of their height apart, side by side half.
    const int height = LabelHeight(labels);
    ExpectNoLabelMissing(labels,
                         bLogarithmic ? DecadeCandidates(lower, upper)
                                      : LinearCandidates(lower, upper,
                                                         bVertical ? steps.verticalStep
                                                                   : steps.horizontalStep,
                                                         steps.bSpecialLimits),
                         axis, height, bVertical ? height / 4 : height / 2, axisName);
}

inline void ExpectAxesAtTheirLines(const std::vector<CRecordingDC::Call>& calls,
                                   const CBasicGraph& graph, const CDoubleRect& window,
                                   const CGraphAxes& steps, const std::string& name)
{
    const CDrawnAxes axes = DrawnAxes(calls, graph.m_PlotRegion.m_Rect);
    EXPECT_FALSE(axes.vertical.empty()) << name << ": no value label on the vertical axis";
    for (const bool bVertical : {true, false})
        ExpectAxisLabelsAtTheirLines(calls, graph, window, steps, bVertical, name);
}
