// A value axis can be read at every size a view takes and over every window the pages
// accept: drawn as the views draw it (the view's font of 90 canvas units, kept at 7 points
// at least, and the strips measured for it) on client areas from 800 to 3840 pixels
// across and 40 to 400 high and on narrow ones, plain and with special limits. The font
// grew with the width only, so that on a wide, low view no label fitted at its line
// (none at 2560 by 120), a window of fewer steps than two showed one label or none
// (80..90 dB, 0.25..0.75 dB), and on a narrow low view a label was moved by the frame
// line's width to stand nearer the next line than its own.
#include "framework/core/RecordingDC.h"
#include "framework/core/Window.h"
#include "graph/BasicGraph.h"
#include "graph/CFormat.h"
#include "graph/GraphStrips.h"
#include "graph/HorizontalScale.h"
#include "graph/VerticalScale.h"
#include "graph/VerticalScaleSpecialLimits.h"
#include "graph/ViewFont.h"
#include "graph/ViewFontSelection.h"
#include "tests/graph/ReadableValueAxis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>

namespace
{
struct CValueWindow
{
    double lower, upper;
};
// Windows the border pages and the automatic scaling give: a measurement of 45 to 91 dB
// scaled, the narrow ones of the report, the loudness view's 15 dB, phases, wide ranges
// and a window of a billionth of a dB.
constexpr CValueWindow kWindows[] = {
    {40.0, 100.0}, {80.0, 90.0}, {0.25, 0.75},    {-15.0, 0.0},      {85.0, 85.000000001},
    {-30.0, 20.0}, {83.3, 97.1}, {-180.0, 180.0}, {-1000.0, 1000.0}, {-100000.0, 100000.0},
    {0.0, 1.0},    {-0.5, 0.5},  {2.0, 3.0},      {1e9, 1e9 + 1.0},
};

// The client areas: wide and low, the usual ones, and narrow ones down to 90 by 40.
std::vector<CSize> Sizes()
{
    std::vector<CSize> sizes;
    for (const int width : {800, 1358, 1920, 2560, 3840})
        for (const int height : {40, 60, 90, 120, 150, 200, 250, 300, 390, 400})
            sizes.push_back({width, height});
    for (const int width : {90, 120, 160, 200, 260})
        sizes.push_back({width, 40});
    for (const CSize size : {CSize{320, 240}, CSize{400, 300}, CSize{260, 180}, CSize{640, 250}})
        sizes.push_back(size);
    return sizes;
}

// A view's canvas with its strips measured for its font, as the response view lays it out.
class ValueAxisTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        font.SetSize(90);
        font.SetLeastPoints(CViewFont::kReadablePoints);
        dc.SetCharWidthPerHeight(0.5);
    }
    // Draws the axis over the window on a client area of that size; returns the least
    // font height of the paint in canvas units.
    int Draw(CVerticalScale& vertical, const CSize& size, const CDoubleRect& window)
    {
        CBasicGraph graph;
        graph.SetStripMeasure(
            [&](CDC* pDC) { return MeasureGraphStrips(pDC, font, vertical, horizontal, window); });
        client.SetClientSize(size.cx, size.cy);
        dc.ClearCalls();
        graph.Draw(&client, &dc);
        const CViewFontSelection selection(&dc, font);
        const std::string titles[1] = {"db"};
        EXPECT_TRUE(vertical.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, titles, window, 5.0,
                                  10.0, 20, 60, false, 0, 1, 0));
        EXPECT_TRUE(vertical.Draw(&dc, &window));
        plot = graph.m_PlotRegion.m_Rect;
        return CViewFont::LeastHeight(&dc, CViewFont::kReadablePoints);
    }

    CViewFont font;
    CFixedWindow client{800, 600};
    CRecordingDC dc;
    CHorizontalScale horizontal;
    CRect plot;
};
} // namespace

TEST_F(ValueAxisTest, EveryWindowIsReadableAtEverySize)
{
    for (const bool bSpecialLimits : {false, true})
        for (const CValueWindow& w : kWindows)
            for (const CSize& size : Sizes())
            {
                const std::string name =
                    FormatC("%.10g to %.10g at %dx%d%s", w.lower, w.upper, int(size.cx),
                            int(size.cy), bSpecialLimits ? ", special limits" : "");
                std::unique_ptr<CVerticalScale> vertical =
                    bSpecialLimits ? std::make_unique<CVerticalScaleSpecialLimits>()
                                   : std::make_unique<CVerticalScale>();
                const CDoubleRect window{w.upper, 1.0, w.lower, 4.0};
                const int least = Draw(*vertical, size, window);
                ExpectReadableValueAxis(dc.Calls(), plot, window, int(size.cy), least, name);
            }
}

// A window that holds its steps keeps them: the response view's 10 dB labels on 40 to
// 100 dB, the 5 dB lines between them.
TEST_F(ValueAxisTest, AWindowOfEnoughStepsKeepsTheSetUpsSteps)
{
    const CDoubleRect window{100.0, 1.0, 40.0, 4.0};
    CVerticalScale vertical;
    Draw(vertical, {1366, 768}, window);
    const CDrawnAxes axes = DrawnAxes(dc.Calls(), plot);
    std::vector<std::string> texts;
    for (const CRecordingDC::Call& label : axes.vertical)
        texts.push_back(label.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"40", "50", "60", "70", "80", "90"}));
    EXPECT_EQ(axes.rows.size(), 13u); // 45 .. 95 every 5 dB and the plot's edges
}

// A window of fewer than two steps is stepped by the coarsest of 1, 2 and 5 times a power
// of ten that gives it two below its upper limit, its lines with it.
TEST(AxisLayout, AWindowOfFewStepsIsSteppedFiner)
{
    const struct
    {
        double lower, upper, lineStep, labelStep;
    } cases[] = {
        {80.0, 90.0, 5.0, 5.0}, {40.0, 100.0, 5.0, 10.0}, {0.25, 0.75, 0.2, 0.2},
        {-15.0, 0.0, 5.0, 5.0}, {0.0, 1.0, 0.5, 0.5},     {80.0, 95.0, 5.0, 10.0},
        {-0.5, 0.5, 0.5, 0.5},
    };
    for (const auto& c : cases)
    {
        const CAxisLayout l =
            CAxisScale::ComputeLayout(c.lower, c.upper, 5.0, 10.0, 1000, false, 2);
        EXPECT_DOUBLE_EQ(l.labelStep, c.labelStep) << c.lower << " to " << c.upper;
        EXPECT_DOUBLE_EQ(l.lineStep, c.lineStep) << c.lower << " to " << c.upper;
        // Without a least, the set-up's steps.
        EXPECT_DOUBLE_EQ(
            CAxisScale::ComputeLayout(c.lower, c.upper, 5.0, 10.0, 1000, false).labelStep, 10.0);
    }
}

TEST(AxisLabels, AFractionOfAStepShowsItsDecimals)
{
    const struct
    {
        double value, tolerance;
        const char* text;
    } cases[] = {
        {85.5, 0.05, "85.5"},
        {0.4, 0.02, "0.4"},
        {0.6000000000000001, 0.02, "0.6"},
        {85.0000000002, 1e-11, "85.0000000002"},
        {-12.5, 0.05, "-12.5"},
        {100.00000000000001, 0.0, "100"},
        {90.0, 0.5, "90"},
        {-5.0, 0.1, "-5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CAxisScale::StepText(c.value, c.tolerance), c.text) << c.value;
}

namespace
{
struct CPlacing : CAxisScale
{
    using CAxisScale::PlaceAtLine;
};
} // namespace

// On a low plot the lines stand closer than the strip's frame line is wide: the move the
// frame allows took a label halfway to the next line or further ("40" 35.5 pixels off its
// line, another 67.5 away). No move may; one short of halfway still stands.
TEST(AxisLabels, NoMoveTakesALabelHalfwayToAnotherLine)
{
    const std::vector<double> lines = {0.0, 10.0, 20.0};
    const struct
    {
        double from; // the strip's low end inside its frame
        bool bPlaced;
    } cases[] = {{6.0, true}, {12.0, true}, {13.0, false}, {16.0, false}};
    for (const auto& c : cases)
    {
        // A label 4 units high centred on the line at 10, a frame line 8 wide.
        const std::optional<double> placed =
            CPlacing::PlaceAtLine(8.0, 4, 10.0, c.from, 100.0, 8, lines);
        EXPECT_EQ(placed.has_value(), c.bPlaced) << c.from;
        if (placed)
        {
            const double centre = *placed + 2.0;
            EXPECT_LT(std::fabs(centre - 10.0), std::fabs(centre - 20.0)) << c.from;
        }
    }
}
