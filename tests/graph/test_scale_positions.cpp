// Where the scales put what they draw when the canvas positions of a window do not fit in
// canvas units: a window too narrow for a finite scale (1e-310 to 2e-310 dB, whose upper
// limit stood at INT_MAX and overflowed the label's arithmetic), and values far off the
// plot (the compression plot's titles and ranges beyond its window). Every value inside the
// window keeps its place, and every position a scale adds to stays in the int range.
#include "framework/core/RecordingDC.h"
#include "framework/core/Window.h"
#include "graph/BasicGraph.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/HorizontalScale.h"
#include "graph/HorizontalScaleDRC.h"
#include "graph/HorizontalScaleSpecialLimits.h"
#include "graph/SquareGraph.h"
#include "graph/VerticalScale.h"
#include "graph/VerticalScaleSpecialLimits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <map>
#include <memory>
#include <optional>

namespace
{
using Op = CRecordingDC::Op;
constexpr int kReach = CAxisLayout::kCanvasReach;

// Windows narrower than the doubles' spacing lets a scale tell apart, down to none with a
// finite scale.
struct CNarrowWindow
{
    double lower, upper;
};
constexpr CNarrowWindow kNarrowWindows[] = {
    {1e-310, 2e-310},             // the window of the report: no finite scale
    {-5e-324, 5e-324},            // two steps of the smallest double
    {0.0, 1e-300},                // a finite scale of 2.78e303 units per dB
    {1e-300, 1e-300 + 1e-310},    // a finite scale, the limits apart by a ten-billionth
    {-1000.0, -1000.0 + 1.2e-13}, // one double's step at the pages' largest level
};

// Lays the canvas out for a client area in pixels, in the views' font of 90 units.
class NarrowWindowTest : public ::testing::Test
{
protected:
    void Layout(CBasicGraph& graph, int width, int height)
    {
        client.SetClientSize(width, height);
        graph.Draw(&client, &dc);
        font.CreateFont(-90, 400, false, "Times New Roman", FF_ROMAN);
        dc.SelectObject(font);
    }
    // Everything drawn lies on the canvas.
    void ExpectOnCanvas(const CBasicGraph& graph, const std::string& name) const
    {
        for (const auto& call : dc.Calls())
            for (const CPoint& p : call.points)
            {
                EXPECT_TRUE(p.x >= 0 && p.x <= graph.GetWidth()) << name << ": x " << p.x;
                EXPECT_TRUE(p.y >= 0 && p.y <= graph.GetHeight()) << name << ": y " << p.y;
            }
    }

    CFixedWindow client{800, 600};
    CRecordingDC dc;
    CFont font;
    const std::string db[1] = {"db"};
    const std::string hz[1] = {"Frequency Hz"};
};

std::string Name(const CNarrowWindow& w, int height)
{
    return FormatC("%.17g to %.17g on a canvas %d high", w.lower, w.upper, height);
}

// The canvas y of v on an axis from lower at bottom to upper at top, in long double.
long double LineAt(long double v, const CNarrowWindow& w, int bottom, int top)
{
    return bottom + (v - w.lower) / ((long double)w.upper - w.lower) * (top - bottom);
}
} // namespace

// A position beyond the canvas is held where it stays off it on its own side, and a value
// that is no number stands at the axis's start. A window too narrow for a finite scale
// places its values at their share of the window.
TEST(AxisLayout, PositionsAreHeldOffTheCanvasOnTheirSide)
{
    const CAxisLayout finite = CAxisScale::ComputeLayout(0.0, 1.0, 1.0, 1.0, 3780, false);
    const CAxisLayout narrow = CAxisScale::ComputeLayout(1e-310, 2e-310, 1.0, 1.0, 3780, false);
    ASSERT_TRUE(std::isinf(narrow.scale));
    const struct
    {
        const CAxisLayout& layout;
        double v;
        int expected;
    } cases[] = {
        {finite, 0.5, 220 + 1890},    {finite, 1e300, kReach},      {finite, -1e300, -kReach},
        {finite, DBL_MAX, kReach},    {finite, -DBL_MAX, -kReach},  {finite, INFINITY, kReach},
        {finite, -INFINITY, -kReach}, {finite, NAN, 220},           {finite, 1e6, kReach},
        {narrow, 1e-310, 220},        {narrow, 2e-310, 220 + 3780}, {narrow, 0.0, 220 - 3780},
        {narrow, 1.0, kReach},        {narrow, -1.0, -kReach},      {narrow, NAN, 220},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.layout.ToCanvas(c.v, 220)) << c.v;
    EXPECT_NEAR(220 + 1890, narrow.ToCanvas(1.5e-310, 220), 1);
    // Any position plus or minus the reach again is still an int.
    EXPECT_LE(kReach, INT_MAX / 2);
}

// Labels hang centred on their lines. On a plot clear of the strip's ends no label has to
// move to stay inside the strip: each limit of the window stands at its own line, on a
// low and a tall canvas. The lower limit stood at the canvas's 0 (0 times an infinite
// scale is no number) and the upper one overflowed.
TEST_F(NarrowWindowTest, VerticalAxesLabelEachLimitAtItsLine)
{
    for (const int height : {600, 1800})
        for (const CNarrowWindow& w : kNarrowWindows)
            for (const bool bSpecialLimits : {false, true})
            {
                const std::string name =
                    Name(w, height) + (bSpecialLimits ? ", special limits" : "");
                CBasicGraph graph;
                Layout(graph, 800, height);
                CGraphRegion plot = graph.m_PlotRegion;
                plot.m_Rect.top -= 500;
                plot.m_Rect.bottom += 500;
                const CRect& area = plot.m_Rect;
                const CDoubleRect window{w.upper, 3.0, w.lower, 4.0};
                std::unique_ptr<CVerticalScale> scale =
                    bSpecialLimits ? std::make_unique<CVerticalScaleSpecialLimits>()
                                   : std::make_unique<CVerticalScale>();
                ASSERT_TRUE(scale->Init(graph.m_LeftRegion, plot, 1, db, window, 5.0, 10.0, 20, 60,
                                        false, 1, 0, 0));
                dc.ClearCalls();
                ASSERT_TRUE(scale->Draw(&dc, &window));
                std::vector<CRecordingDC::Call> labels;
                for (const auto& call : dc.CallsOf(Op::TextOut))
                    if (call.text != "db")
                        labels.push_back(call);
                // Both axes label both limits, each with room at its line, and any step
                // between them (special limits show the lower one with three decimals).
                ASSERT_GE(labels.size(), 2u) << name;
                for (std::size_t i = 0; i < labels.size(); ++i)
                {
                    const auto& label = labels[i];
                    const std::optional<double> shown = ParseWholeDouble(label.text);
                    ASSERT_TRUE(shown) << name << ": " << label.text;
                    // The limits' texts show them within a tenth of the window.
                    const bool bLower = i == 0, bUpper = !bLower && i + 1 == labels.size();
                    const long double line = bLower   ? area.bottom
                                             : bUpper ? area.top
                                                      : LineAt(*shown, w, area.bottom, area.top);
                    if (!bSpecialLimits)
                    {
                        EXPECT_LE(std::fabs(LineAt(*shown, w, area.bottom, area.top) - line),
                                  (area.top - area.bottom) / 10.0L)
                            << name << ": " << label.text;
                    }
                    const int h = std::abs(label.font.GetHeight());
                    EXPECT_LE(std::fabs(label.points[0].y - h / 2.0L - line), h / 2.0L)
                        << name << ": \"" << label.text << "\" at " << label.points[0].y;
                }
                ExpectOnCanvas(graph, name);
            }
}

// The frequency and linear axes of narrow windows: every text a value of the window, and
// everything on the canvas.
TEST_F(NarrowWindowTest, HorizontalAxesDrawOnTheCanvas)
{
    for (const int height : {600, 1800})
        for (const CNarrowWindow& w : kNarrowWindows)
            for (const int kind : {0, 1, 2})
            {
                const bool bLogarithmic = kind == 1;
                const std::string name = Name(w, height) + (kind == 0      ? ""
                                                            : bLogarithmic ? ", log"
                                                                           : ", special");
                CBasicGraph graph;
                Layout(graph, 800, height);
                const CDoubleRect window{1.0, w.lower, 0.0, w.upper};
                std::unique_ptr<CHorizontalScale> scale =
                    kind == 2 ? std::make_unique<CHorizontalScaleSpecialLimits>()
                              : std::make_unique<CHorizontalScale>();
                ASSERT_TRUE(scale->Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, hz, window,
                                        1.0, 1.0, 20, 100, bLogarithmic, 4, 0, 0, 8, nullptr));
                dc.ClearCalls();
                ASSERT_TRUE(scale->Draw(&dc, window));
                for (const auto& call : dc.CallsOf(Op::TextOut))
                {
                    if (call.text == hz[0])
                        continue;
                    const std::optional<double> shown = ParseWholeDouble(call.text);
                    ASSERT_TRUE(shown) << name << ": " << call.text;
                    const double v = bLogarithmic ? std::log10(*shown) : *shown;
                    // The special lower limit is shown with three decimals.
                    const double within = kind == 2 ? 5e-4 : (w.upper - w.lower) / 10.0;
                    EXPECT_GE(v, w.lower - within) << name << ": " << call.text;
                    EXPECT_LE(v, w.upper + within) << name << ": " << call.text;
                }
                ExpectOnCanvas(graph, name);
            }
}

// The compression plot's ranges and titles at data positions far beyond its window: the
// positions are held, so that the range reaching off the plot on the left keeps its text
// on its own side of the range beside it, and titles and texts stay in the strip. A range
// whose start lay at INT_MIN overflowed its width and put its text right of its end.
TEST_F(NarrowWindowTest, CompressionRangesFarOffThePlotKeepTheirTextsOnTheirSide)
{
    CSquareGraph graph;
    Layout(graph, 800, 600);
    dc.SetCharWidth(30);
    CHorizontalScaleDRC scale;
    const std::string titles[2] = {"In", "Out"};
    const CDoubleRect window{0.0, -89.625, -89.625, 0.0};
    ASSERT_TRUE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 2, titles, window, 10, 10, 20,
                           50, false, 2, 0, 0, 8, nullptr));
    const CRect& strip = graph.m_BottomRegion.m_Rect;
    const CRect& plot = graph.m_PlotRegion.m_Rect;
    const int x40 = int(std::trunc(49.625 * (plot.right - plot.left) / 89.625 + plot.left));
    for (const double far : {1e300, DBL_MAX, double(INFINITY)})
    {
        const std::string name = FormatC("%g", far);
        scale.SetEntry(-far, 0);
        scale.SetEntry(far, 1);
        scale.m_Span1.m_Start.x = -far;
        scale.m_Span1.m_End.x = -40.0;
        scale.m_Span1.m_strText = "OFFSET1";
        scale.m_Span2.m_Start.x = -40.0;
        scale.m_Span2.m_End.x = far;
        scale.m_Span2.m_strText = "OFFSET2";
        dc.ClearCalls();
        ASSERT_TRUE(scale.Draw(&dc, window));
        EXPECT_EQ(-kReach, scale.m_Span1.m_StartPoint.x) << name;
        EXPECT_EQ(x40, scale.m_Span1.m_EndPoint.x) << name;
        EXPECT_EQ(kReach, scale.m_Span2.m_EndPoint.x) << name;
        std::map<std::string, CRecordingDC::Call> texts;
        for (const auto& call : dc.CallsOf(Op::TextOut))
        {
            texts[call.text] = call;
            const int width = int(call.text.size()) * 30;
            EXPECT_GE(call.points[0].x, strip.left) << name << ": " << call.text;
            EXPECT_LE(call.points[0].x + width, strip.right) << name << ": " << call.text;
        }
        ASSERT_EQ(1u, texts.count("OFFSET1")) << name;
        ASSERT_EQ(1u, texts.count("OFFSET2")) << name;
        EXPECT_LE(texts["OFFSET1"].points[0].x + 7 * 30, x40) << name;
        EXPECT_GE(texts["OFFSET2"].points[0].x, x40) << name;
        EXPECT_LT(texts["In"].points[0].x, texts["Out"].points[0].x) << name;
    }
}

// On a window too narrow for a finite scale the ranges' ends and the titles stand at their
// share of the plot: they stood at 0 and INT_MAX.
TEST_F(NarrowWindowTest, CompressionRangesOfANarrowWindowStandInThePlot)
{
    CSquareGraph graph;
    Layout(graph, 800, 600);
    CHorizontalScaleDRC scale;
    const std::string titles[1] = {"In"};
    const CDoubleRect window{2e-310, 1e-310, 1e-310, 2e-310};
    ASSERT_TRUE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles, window, 10, 10, 20,
                           50, false, 2, 0, 0, 8, nullptr));
    scale.SetEntry(1.5e-310, 0);
    scale.m_Span1.m_Start.x = 1e-310;
    scale.m_Span1.m_End.x = 1.5e-310;
    scale.m_Span2.m_Start.x = 1.5e-310;
    scale.m_Span2.m_End.x = 2e-310;
    dc.ClearCalls();
    ASSERT_TRUE(scale.Draw(&dc, window));
    const CRect& plot = graph.m_PlotRegion.m_Rect;
    const int middle = (plot.left + plot.right) / 2;
    EXPECT_EQ(plot.left, scale.m_Span1.m_StartPoint.x);
    EXPECT_NEAR(middle, scale.m_Span1.m_EndPoint.x, 1);
    EXPECT_NEAR(middle, scale.m_Span2.m_StartPoint.x, 1);
    EXPECT_EQ(plot.right, scale.m_Span2.m_EndPoint.x);
    for (const auto& call : dc.CallsOf(Op::TextOut))
        if (call.text == "In")
        {
            EXPECT_NEAR(middle, call.points[0].x, 1);
        }
    ExpectOnCanvas(graph, "1e-310 to 2e-310");
}

// The text of a range as wide as the int range is centred in it: its width was computed
// in int.
TEST(CompressionRange, ATextIsCentredInARangeOfTheWholeIntRange)
{
    int l = 0, r = 0;
    CHorizontalScaleDRC::CenterTextInSpan(70, INT_MIN, INT_MAX, &l, &r);
    EXPECT_EQ(-35, l);
    EXPECT_EQ(35, r);
    CHorizontalScaleDRC::CenterTextInSpan(70, 1000, 1050, &l, &r);
    EXPECT_EQ(1000, l);
    EXPECT_EQ(1050, r);
}
