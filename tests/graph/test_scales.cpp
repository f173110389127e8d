#include "AssertionCapture.h"
#include "TrueAxisLabels.h"
#include "framework/core/RecordingDC.h"
#include "framework/core/Window.h"
#include "graph/BasicGraph.h"
#include "graph/CFormat.h"
#include "graph/Curve.h"
#include "graph/HorizontalScale.h"
#include "graph/HorizontalScaleDRC.h"
#include "graph/HorizontalScaleSpecialLimits.h"
#include "graph/SquareGraph.h"
#include "graph/VerticalScale.h"
#include "graph/VerticalScaleSpecialLimits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace
{
using Op = CRecordingDC::Op;

// A canvas laid out for 800 x 600 pixels: plot area (220, 3000, 4000, 220).
class ScaleTest : public ::testing::Test
{
protected:
    ScaleTest() : client(800, 600) { graph.Draw(&client, &dc); }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (const auto& call : dc.CallsOf(Op::TextOut))
            out.push_back(call.text);
        return out;
    }
    // x of every vertical line (horizontal scale) or y of every horizontal one.
    std::vector<int> LineXs() const
    {
        std::vector<int> out;
        for (const auto& call : dc.CallsOf(Op::Polyline))
            out.push_back(call.points[0].x);
        return out;
    }

    // The views' font, 90 canvas units high.
    void SelectViewFont()
    {
        font.CreateFont(-90, 400, false, "Times New Roman", FF_ROMAN);
        dc.SelectObject(font);
    }

    // Draws a vertical scale of the window, with special limits or without, on the canvas.
    void DrawVertical(const CBasicGraph& canvas, const CDoubleRect& window, double lineStep,
                      double labelStep, bool bSpecialLimits)
    {
        const std::string db[1] = {"db"};
        CVerticalScaleSpecialLimits special;
        CVerticalScale plain;
        CVerticalScale& scale = bSpecialLimits ? special : plain;
        ASSERT_TRUE(scale.Init(canvas.m_LeftRegion, canvas.m_PlotRegion, 1, db, window, lineStep,
                               labelStep, 20, 60, false, 1, 0, 0));
        dc.ClearCalls();
        ASSERT_TRUE(scale.Draw(&dc, &window));
    }
    // The vertical labels of the last draw on the canvas stand at their own lines, and
    // none is missing that would have room there.
    void ExpectLabelsAtTheirLines(const CBasicGraph& canvas, const CDoubleRect& window,
                                  double labelStep, bool bSpecialLimits, const std::string& name)
    {
        ExpectAxisLabelsAtTheirLines(dc.Calls(), canvas, window,
                                     {labelStep, 1.0, false, bSpecialLimits}, true, name);
    }

    CFixedWindow client;
    CRecordingDC dc;
    CBasicGraph graph;
    CFont font;
    const std::string titles[1] = {"Frequency Hz"};
};

int CanvasX(double v, double xmin, double xmax)
{
    return int(std::trunc((v - xmin) * (3780.0 / (xmax - xmin)) + 220));
}
} // namespace

TEST_F(ScaleTest, LogFrequencyAxisFrom20HzTo20kHz)
{
    CHorizontalScale scale;
    const CDoubleRect window{12.0, std::log10(20.0), -30.0, std::log10(20000.0)};
    ASSERT_TRUE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles, window, 1.0, 1.0,
                           20, 100, true, 4, 0, 0, 8, nullptr));
    EXPECT_EQ(8u, scale.GetMultipliers().size());
    dc.ClearCalls();
    ASSERT_TRUE(scale.Draw(&dc, window));

    // The decade of 10 Hz begins left of the axis: it has neither line nor label there,
    // which would stand in the strip beside the plot. The upper limit, clear of "10000" on
    // this device of 10 units a character, is labelled at the plot's right edge.
    EXPECT_EQ((std::vector<std::string>{"20", "100", "1000", "10000", "20000", "Frequency Hz"}),
              Texts());
    const auto texts = dc.CallsOf(Op::TextOut);
    ASSERT_EQ(6u, texts.size());
    // The first label at the plot's left edge, clear of the frame line there (8 units wide).
    EXPECT_EQ((CPoint{228, 200}), texts[0].points[0]);
    EXPECT_EQ(unsigned(TA_LEFT | TA_TOP), texts[0].textAlign);
    EXPECT_EQ(CanvasX(2.0, window.left, window.right), texts[1].points[0].x);
    EXPECT_EQ((CPoint{4000 - 8 - 50, 200}), texts[4].points[0]);
    EXPECT_EQ(120, texts[5].points[0].y); // title below the plot

    // Decade lines at 100, 1000 and 10000 Hz (twice the pen width), each followed by its
    // thin lines, as far as they lie in the window: 20 to 90 Hz of the decade of 10 Hz,
    // whose own line would stand in the label strip left of the plot, then 200 to 900 Hz,
    // 2000 to 9000 Hz and 20000 Hz on the window's right edge.
    const auto lines = dc.CallsOf(Op::Polyline);
    std::vector<std::pair<int, int>> drawn; // canvas x and pen width
    for (const auto& line : lines)
    {
        EXPECT_EQ(3000, line.points[0].y);
        EXPECT_EQ(220, line.points[1].y);
        drawn.push_back({line.points[0].x, line.pen.GetWidth()});
    }
    std::vector<std::pair<int, int>> expected;
    for (int decade = 1; decade <= 4; ++decade)
    {
        if (decade > 1)
            expected.push_back({CanvasX(decade, window.left, window.right), 8});
        for (int m = 2; m <= 9 && (decade < 4 || m == 2); ++m)
            expected.push_back(
                {CanvasX(std::log10(std::pow(10.0, decade) * m), window.left, window.right), 4});
    }
    EXPECT_EQ(expected, drawn);
    for (const auto& line : lines)
        EXPECT_GE(line.points[0].x, 220) << "a line beside the plot";
    EXPECT_EQ(unsigned(TA_LEFT | TA_BASELINE), dc.GetTextAlign());
    EXPECT_EQ(0, dc.GetCurrentPen().GetWidth());
}

// The response view's curves and its frequency axis share one mapping: 20 Hz and 20 kHz
// fall on the plot's left and right edges (the right one is the canvas's right edge), and
// a curve point at a whole decade lies on that decade's grid line.
TEST_F(ScaleTest, CurvesAndFrequencyAxisAgreeOverTheWholePlot)
{
    const CDoubleRect window{12.0, std::log10(20.0), -30.0, std::log10(20000.0)};
    CHorizontalScale scale;
    ASSERT_TRUE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles, window, 1.0, 1.0,
                           20, 100, true, 4, 0, 0, 8, nullptr));
    dc.ClearCalls();
    ASSERT_TRUE(scale.Draw(&dc, window));
    const auto lines = dc.CallsOf(Op::Polyline);
    ASSERT_EQ(28u, lines.size());

    CCurve curve;
    curve.Create(2, 2, PS_SOLID, 0, 1, 1, 1, 0, true, true, "Raw Curve");
    curve.m_pDblPt[0] = {window.left, 0.0};
    curve.m_pDblPt[1] = {window.right, 0.0};
    const CRect& plot = graph.m_PlotRegion.m_Rect;
    ASSERT_TRUE(curve.Layout(plot.left, plot.bottom, plot.right, plot.top, &window));
    EXPECT_EQ(220, curve.DataXToLogicalX(std::log10(20.0)));
    EXPECT_EQ(graph.GetWidth(), curve.DataXToLogicalX(std::log10(20000.0)));
    EXPECT_EQ(4000, plot.right);
    const struct
    {
        double hz;
        std::size_t line;
    } decades[] = {{100.0, 8}, {1000.0, 17}, {10000.0, 26}, {20000.0, 27}};
    for (const auto& d : decades)
        EXPECT_EQ(curve.DataXToLogicalX(std::log10(d.hz)), lines[d.line].points[0].x) << d.hz;
    EXPECT_EQ(
        (std::vector<int>{1100, 2360, 3620}),
        (std::vector<int>{lines[8].points[0].x, lines[17].points[0].x, lines[26].points[0].x}));
}

// The lower limit is labelled at the plot's left edge; when it is also a step, the step's
// label would be written over it a second time and is left out.
TEST_F(ScaleTest, LinearAxisLabelsTheLowerLimitOnce)
{
    CHorizontalScale scale;
    const CDoubleRect window{1, 0.0, 0, 100.0};
    ASSERT_TRUE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles, window, 10, 10, 20,
                           100, false, 1, 0, 0, 8, nullptr));
    dc.ClearCalls();
    scale.Draw(&dc, window);
    EXPECT_EQ((std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90",
                                        "100", "Frequency Hz"}),
              Texts());
    EXPECT_EQ(11u, LineXs().size());
    EXPECT_EQ(11, scale.GetLineCount());
}

TEST_F(ScaleTest, VerticalAxisFromMinus30To12dB)
{
    SelectViewFont();
    CVerticalScale scale;
    const std::string db[1] = {"db"};
    const CDoubleRect window{12.0, 1.0, -30.0, 4.0};
    ASSERT_TRUE(scale.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, db, window, 5.0, 10.0, 20, 60,
                           false, 1, 0, 0));
    dc.ClearCalls();
    ASSERT_TRUE(scale.Draw(&dc, &window));
    // The upper limit, 12 dB, is the plot's top edge: its label, centred there, would
    // stand half off the view, and moved under the strip's frame line it would stand more
    // than half its height off its line. It is left out.
    EXPECT_EQ((std::vector<std::string>{"-30", "-20", "-10", "0", "10", "db"}), Texts());
    const auto texts = dc.CallsOf(Op::TextOut);
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(200, texts[i].points[0].x); // right ends line up
        // Centred on the grid line: the text, 90 units high, hangs from 45 above it.
        EXPECT_EQ(unsigned(TA_RIGHT | TA_TOP), texts[i].textAlign);
        EXPECT_EQ(int(std::trunc(i * 10 * (2780.0 / 42.0) + 220)) + 45, texts[i].points[0].y);
    }
    EXPECT_EQ(unsigned(TA_LEFT | TA_TOP), texts[5].textAlign);
    EXPECT_EQ(160, texts[5].points[0].y);
    // Nine dashed grid lines from -30 to +10 dB, each cut into 69 dashes.
    EXPECT_EQ(9, scale.GetLineCount());
    const auto dashes = dc.CallsOf(Op::Polyline);
    ASSERT_EQ(9u * 69u, dashes.size());
    EXPECT_EQ((CPoint{220, 220}), dashes[0].points[0]);
    EXPECT_EQ(int(std::trunc(40 * (2780.0 / 42.0) + 220)), dashes[8 * 69].points[0].y);
}

// The labels fit their strip: centred on their lines, and a font too wide for the strip
// made smaller for the labels alone. The top value, on the strip's top edge, has no room
// at its line and is left out.
TEST_F(ScaleTest, VerticalLabelsFitTheirStrip)
{
    SelectViewFont();
    CVerticalScale scale;
    const std::string deg[1] = {"Deg"};
    const CDoubleRect window{-1080.0, 1.0, -1620.0, 4.0};
    ASSERT_TRUE(scale.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, deg, window, 60.0, 60.0, 20,
                           60, false, 1, 0, 0));
    dc.SetCharWidth(50); // "-1620": 250 units, wider than the 200 units left of the plot
    dc.ClearCalls();
    ASSERT_TRUE(scale.Draw(&dc, &window));
    const auto texts = dc.CallsOf(Op::TextOut);
    ASSERT_EQ(10u, texts.size());
    EXPECT_EQ("-1620", texts.front().text);
    EXPECT_EQ("-1140", texts[8].text);
    const int height = graph.GetHeight();
    // This device measures 50 units a character whatever the font: the font shrinks at
    // least to 90 * 200 / 250 units.
    const int h = std::abs(texts.front().font.GetHeight());
    EXPECT_LE(h, 72);
    EXPECT_GT(h, 0);
    for (std::size_t i = 0; i + 1 < texts.size(); ++i)
    {
        const auto& t = texts[i];
        EXPECT_EQ(-h, t.font.GetHeight()) << t.text;
        EXPECT_LE(t.points[0].y, height - 8) << t.text;
        EXPECT_GE(t.points[0].y - h, 8) << t.text;
        // Each straddles its line.
        const int line = int(std::trunc(i * 60 * (2780.0 / 540.0) + 220));
        EXPECT_EQ(line + h / 2, t.points[0].y) << t.text;
    }
    // The title and whatever is drawn next have the view's font again.
    EXPECT_EQ(-90, texts.back().font.GetHeight());
    EXPECT_EQ(-90, dc.GetCurrentFont().GetHeight());
}

TEST_F(ScaleTest, TheLabelOfTheUpperFrequencyEndsAtTheStripsEnd)
{
    CHorizontalScale scale;
    const CDoubleRect window{10.0, 1.0, -10.0, 4.0}; // 10 Hz to 10 kHz
    ASSERT_TRUE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles, window, 1.0, 1.0,
                           20, 100, true, 4, 0, 0, 8, nullptr));
    dc.ClearCalls();
    ASSERT_TRUE(scale.Draw(&dc, window));
    const auto texts = dc.CallsOf(Op::TextOut);
    // 10 Hz, the lower limit, is labelled once.
    EXPECT_EQ((std::vector<std::string>{"10", "100", "1000", "10000", "Frequency Hz"}), Texts());
    ASSERT_GE(texts.size(), 5u);
    // 10 units a character, clear of the strip's frame line (8 units wide).
    EXPECT_EQ(4000 - 8 - 5 * 10, texts[3].points[0].x);
    EXPECT_EQ(CanvasX(3.0, 1.0, 4.0), texts[2].points[0].x);
}

// Where labels would run into each other, the labels of the window's limits and of a
// special lower limit stay where they have room at their lines, and the stepped labels
// they would cover are left out; stepped labels too close to read apart go to a coarser
// multiple of the label step. A limit at the strip's top, with no room at its line, is
// left out, and the step under it keeps its label. No label crosses the strip's frame
// line.
TEST_F(ScaleTest, LimitLabelsStayAndTheStepsTheyWouldCoverGo)
{
    SelectViewFont();
    const struct
    {
        const char* name;
        int nClientHeight; // pixels, 800 across
        CDoubleRect window;
        double labelStep;
        bool bSpecialLimits;
        std::vector<std::string> texts;
    } cases[] = {
        // A small filter view: the top label, moved in under the frame line, would lie
        // over "20" 130 units below it, and beside that line.
        {"filter view", 200, {30.0, 0, -30.0, 1}, 10.0, false,
         {"-30", "-20", "-10", "0", "10", "20", "db"}},
        // Two hundred steps 14 units apart: every hundred is labelled.
        {"wide range", 600, {1000.0, 0, -1000.0, 1}, 10.0, false,
         {"-1000", "-900", "-800", "-700", "-600", "-500", "-400", "-300", "-200", "-100", "0",
          "100", "200", "300", "400", "500", "600", "700", "800", "900", "db"}},
        // The special lower limit lies 49 units under the first step.
        {"special limit", 600, {0.0, 0, -85.5, 1}, 6.0, true,
         {"-85.500", "-78", "-72", "-66", "-60", "-54", "-48", "-42", "-36", "-30", "-24",
          "-18", "-12", "-6", "db"}},
        // A lower limit between steps is labelled at its line, and the step 70 units above
        // it gives way.
        {"limit between steps", 600, {38.0, 0, -21.5, 1}, 10.0, false,
         {"-21.5", "-10", "0", "10", "20", "30", "db"}},
    };
    for (const auto& c : cases)
    {
        CFixedWindow small(800, c.nClientHeight);
        CBasicGraph canvas;
        canvas.Draw(&small, &dc);
        ASSERT_NO_FATAL_FAILURE(
            DrawVertical(canvas, c.window, c.labelStep, c.labelStep, c.bSpecialLimits));
        EXPECT_EQ(c.texts, Texts()) << c.name;
        const auto calls = dc.CallsOf(Op::TextOut);
        for (std::size_t i = 0; i + 1 < calls.size(); ++i)
        {
            EXPECT_LE(calls[i].points[0].y, canvas.GetHeight() - 8) << c.name << calls[i].text;
            EXPECT_GE(calls[i].points[0].y - 90, 8) << c.name << calls[i].text;
            if (i > 0)
            {
                EXPECT_GE(calls[i].points[0].y - 90 - calls[i - 1].points[0].y, 22)
                    << c.name << calls[i].text;
            }
        }
        ExpectLabelsAtTheirLines(canvas, c.window, c.labelStep, c.bSpecialLimits, c.name);
    }
}

// Where stepped labels exist, an axis keeps one or more of them: the finest multiple of the
// label step that leaves one clear of the limit labels, or where none does, the one nearest
// the middle. Labels i here stand 20 units apart and 30 high: next ones overlap, and every
// other one lies 10 units from the next but one, closer than the gap of 15.
TEST(ChooseLabels, AnAxisWithStepsKeepsOneOfThem)
{
    const struct
    {
        const char* name;
        std::vector<double> values;
        std::vector<bool> limits;
        std::vector<std::string> kept;
    } cases[] = {
        // Steps 2 and 4 of 10 lie too close, and none is a multiple of 5 steps.
        {"10 to 40", {10, 20, 30, 40}, {}, {"20"}},
        {"60 to 90", {60, 70, 80, 90}, {}, {"70"}},
        {"-40 to -10", {-40, -30, -20, -10}, {}, {"-30"}},
        // A multiple of 5 steps leaves 50 alone: finer than the middle's 60. 80, clear of
        // it, is kept as well.
        {"50 to 80", {50, 60, 70, 80}, {}, {"50", "80"}},
        // 20, the one step on a multiple of 2, lies near the limit label 0: 30 is the one
        // clear of it.
        {"beside a limit", {0, 10, 20, 30}, {true, false, false, false}, {"0", "30"}},
        // A step between two limit labels near both: the limits stay, no text overlaps.
        {"between limits", {0, 5, 10}, {true, false, true}, {"0", "10"}},
        // Labels apart keep every step.
        {"apart", {0, 10, 20}, {}, {"0", "10", "20"}},
    };
    for (const auto& c : cases)
    {
        std::vector<CAxisLabel> labels;
        for (std::size_t i = 0; i < c.values.size(); ++i)
        {
            const int spacing = c.name == std::string("apart") ? 60 : 20;
            const int low = int(i) * spacing;
            const bool bLimit = i < c.limits.size() && c.limits[i];
            labels.push_back({c.values[i], FormatC("%.0f", c.values[i]), bLimit, {0, low + 30},
                              low, low + 30});
        }
        if (c.name == std::string("between limits"))
            labels[2].nLow = 50, labels[2].nHigh = 80; // 20 clear of the lower limit
        std::vector<std::string> kept;
        for (const CAxisLabel& label : CAxisScale::ChooseLabels(labels, 10.0, 15))
            kept.push_back(label.text);
        EXPECT_EQ(c.kept, kept) << c.name;
    }
}

// Steps beyond the range of the integers are still counted as multiples: of ten labels a
// step of 1 apart at 2e19 (4096 apart, the doubles' spacing there) too close to keep every
// one or every other one, those on multiples of 5 steps stay, and the eighth, clear of
// them, with them.
TEST(ChooseLabels, StepsBeyondTheIntegersAreMultiples)
{
    std::vector<CAxisLabel> labels;
    for (int k = 0; k < 10; ++k)
    {
        const double v = 2e19 + 4096.0 * k;
        labels.push_back({v, CAxisScale::StepText(v), false, {0, 20 * k + 30}, 20 * k, 20 * k + 30});
    }
    std::vector<double> kept;
    for (const CAxisLabel& label : CAxisScale::ChooseLabels(labels, 1.0, 15))
        kept.push_back(label.value);
    EXPECT_EQ((std::vector<double>{2e19, 2e19 + 5 * 4096.0, 2e19 + 8 * 4096.0}), kept);
}

// A label's text is true to its value: a limit with three decimals, or as many more as
// keep it within the tolerance, a step as the whole number it is; beyond 1e15 and below the
// decimals, in significant digits.
TEST(AxisTexts, ShowTheirValuesWithinTheTolerance)
{
    const struct
    {
        double value, tolerance;
        const char* limit;
        const char* step;
    } cases[] = {
        {0.0125, 0.00126, "0.013", "0.013"},
        {-0.0001, 0.001, "0", "-0.0001"},
        {1099.9999999999998, 10.0, "1100", "1100"},
        {1e-6, 1e-7, "0.000001", "1e-06"},
        {1.000000001, 1e-10, "1.000000001", "1.000000001"},
        {1e-300, 1e-301, "1e-300", "1e-300"},
        {-1e20, 1e4, "-1e+20", "-1e+20"},
        {-9.200000000000001e307, 2e303, "-9.2e+307", "-9.2e+307"},
        {1e308, 2e307, "1e+308", "1e+308"},
        {-30.0, 1.0, "-30", "-30"},
        {-0.0, 1.0, "0", "0"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.limit, CAxisScale::LimitText(c.value, c.tolerance)) << c.value;
        EXPECT_EQ(c.step, CAxisScale::StepText(c.value, c.tolerance)) << c.value;
    }
}

// Through the vertical scale: a window with no limit on a step, in a view 60 or 80 pixels
// high, shows a value label besides its title, each at its own line, and its labels keep
// apart.
TEST_F(ScaleTest, ALowViewKeepsAValueLabel)
{
    SelectViewFont();
    const CDoubleRect windows[] = {
        {45.0, 0, 5.0, 1}, {95.0, 0, 55.0, 1}, {-5.0, 0, -45.0, 1}};
    for (const int nClientHeight : {60, 80})
        for (const CDoubleRect& window : windows)
        {
            const std::string name = std::to_string(nClientHeight) + " px, " +
                                     std::to_string(window.bottom) + " to " +
                                     std::to_string(window.top);
            CFixedWindow small(800, nClientHeight);
            CBasicGraph canvas;
            canvas.Draw(&small, &dc);
            ASSERT_NO_FATAL_FAILURE(DrawVertical(canvas, window, 5.0, 10.0, false));
            auto calls = dc.CallsOf(Op::TextOut);
            ASSERT_FALSE(calls.empty()) << name;
            EXPECT_EQ("db", calls.back().text) << name;
            calls.pop_back();
            if (calls.empty())
            {
                ADD_FAILURE() << name << ": no value label";
                continue;
            }
            ExpectLabelsAtTheirLines(canvas, window, 10.0, false, name);
            // Texts hang from their anchors: none reaches into the next one up.
            std::sort(calls.begin(), calls.end(), [](const auto& a, const auto& b)
                      { return a.points[0].y < b.points[0].y; });
            for (std::size_t i = 1; i < calls.size(); ++i)
                EXPECT_LE(calls[i - 1].points[0].y,
                          calls[i].points[0].y - std::abs(calls[i].font.GetHeight()))
                    << name << calls[i].text;
        }
}

// Every value label of a vertical axis stands at its own grid line, its centre no more
// than half its height off it and clearly nearer it than the next line, at any size of
// the view; a label that cannot stand so is left out, and the one it would have crowded
// stays. The response view's window of 40 to 100 dB (lines every 5 dB, labels every 10)
// drew "100" under the strip's frame line 11 pixels off its line in a view of an 800 by
// 600 main window, where the lines stand 20 pixels apart, and left out "90" under it. The
// compression plots' output axes: on their square canvas the plot can stand lower than
// the strip's top, leaving room above the upper limit.
TEST_F(ScaleTest, EveryValueLabelStandsAtItsOwnLine)
{
    SelectViewFont();
    const struct
    {
        const char* name;
        CDoubleRect window;
        double lineStep, labelStep;
        bool bSpecialLimits;
    } axes[] = {
        {"response 40 to 100 dB", {100.0, 0, 40.0, 1}, 5.0, 10.0, false},
        {"response -30 to 20 dB", {20.0, 0, -30.0, 1}, 5.0, 10.0, false},
        {"phase -50 to 80 degrees", {80.0, 0, -50.0, 1}, 20.0, 20.0, false},
        {"phase -185 to 95 degrees", {95.0, 0, -185.0, 1}, 30.0, 30.0, false},
        {"loudness -5.25 to 15.75 dB", {15.75, 0, -5.25, 1}, 5.0, 10.0, false},
        {"filter -24 to 39 dB", {39.0, 0, -24.0, 1}, 5.0, 10.0, false},
        {"wide -1000 to 1000 dB", {1000.0, 0, -1000.0, 1}, 5.0, 10.0, false},
        {"compression -89.625 to 0 dB", {0.0, -89.625, -89.625, 0.0}, 5.0, 10.0, true},
        {"compression -96 to 0 dB", {0.0, -96.0, -96.0, 0.0}, 25.0, 25.0, true},
    };
    // Client areas of a view: alone on the screen, in a main window of 800 by 600 and
    // 1366 by 768 (the response view over the filter view), and small ones.
    const struct
    {
        int width, height;
    } sizes[] = {{800, 600},  {1024, 768}, {1366, 768}, {2560, 1400}, {800, 250},
                 {1366, 330}, {2560, 640}, {640, 150},  {400, 100},   {800, 80}};
    for (const auto& a : axes)
        for (const auto& size : sizes)
            for (const int nLeftStrip : {0, 2000})
            {
                if (nLeftStrip > 0 && !a.bSpecialLimits)
                    continue;
                const std::string name = FormatC("%s, %dx%d, left strip %d", a.name, size.width,
                                                 size.height, nLeftStrip);
                CFixedWindow client(size.width, size.height);
                CBasicGraph basic;
                CSquareGraph square;
                square.SetLeftStripWidth(nLeftStrip);
                CBasicGraph& canvas = a.bSpecialLimits ? square : basic;
                canvas.Draw(&client, &dc);
                ASSERT_NO_FATAL_FAILURE(
                    DrawVertical(canvas, a.window, a.lineStep, a.labelStep, a.bSpecialLimits));
                EXPECT_FALSE(DrawnAxes(dc.Calls(), canvas.m_PlotRegion.m_Rect).vertical.empty())
                    << name;
                ExpectLabelsAtTheirLines(canvas, a.window, a.labelStep, a.bSpecialLimits, name);
            }
}

// The same for the horizontal axes, with texts as wide as a real font's: a label starts at
// its grid line (the lower limit's clear of the frame line), the upper limit's ends at
// the plot's right edge. A decade whose text would run off the strip's end is left out
// rather than moved over the lines before it ("10000" on a window to 12 kHz), and the 0 dB
// end of a compression plot's input axis is labelled.
TEST_F(ScaleTest, EveryHorizontalLabelStandsAtItsOwnLine)
{
    SelectViewFont();
    dc.SetCharWidthPerHeight(0.5);
    const struct
    {
        const char* name;
        CDoubleRect window;
        double step;
        bool bLogarithmic, bSpecialLimits;
        std::vector<std::string> texts; // at 800 by 600
    } axes[] = {
        {"10 Hz to 24 kHz", {1, 1.0, 0, std::log10(24000.0)}, 1.0, true, false,
         {"10", "100", "1000", "10000"}},
        {"20 Hz to 20 kHz", {1, std::log10(20.0), 0, std::log10(20000.0)}, 1.0, true, false,
         {"20", "100", "1000", "10000"}},
        {"10 Hz to 12 kHz", {1, 1.0, 0, std::log10(12000.0)}, 1.0, true, false,
         {"10", "100", "1000", "12000"}},
        {"10 Hz to 50 kHz", {1, 1.0, 0, std::log10(50000.0)}, 1.0, true, false,
         {"10", "100", "1000", "10000", "50000"}},
        {"1000 to 1100 Hz", {1, 3.0, 0, std::log10(1100.0)}, 1.0, true, false, {"1000", "1100"}},
        {"compression -89.625 to 0 dB", {0, -89.625, -89.625, 0}, 10.0, false, true,
         {"-89.625", "-70", "-60", "-50", "-40", "-30", "-20", "-10", "0"}},
        {"compression -96 to 0 dB", {0, -96.0, -96.0, 0}, 25.0, false, true,
         {"-96", "-50", "-25", "0"}},
    };
    const struct
    {
        int width, height;
    } sizes[] = {{800, 600}, {1366, 768}, {2560, 1400}, {800, 250}, {400, 300}, {200, 150}};
    for (const auto& a : axes)
        for (const auto& size : sizes)
        {
            const std::string name = FormatC("%s, %dx%d", a.name, size.width, size.height);
            CFixedWindow client(size.width, size.height);
            CBasicGraph basic;
            CSquareGraph square;
            CBasicGraph& canvas = a.bSpecialLimits ? square : basic;
            canvas.Draw(&client, &dc);
            CHorizontalScaleSpecialLimits special;
            CHorizontalScale plain;
            CHorizontalScale& scale = a.bSpecialLimits ? special : plain;
            ASSERT_TRUE(scale.Init(canvas.m_BottomRegion, canvas.m_PlotRegion, 1, titles, a.window,
                                   a.step, a.step, 20, 100, a.bLogarithmic, 4, 0, 0, 8, nullptr));
            dc.ClearCalls();
            ASSERT_TRUE(scale.Draw(&dc, a.window));
            const CDrawnAxes drawn = DrawnAxes(dc.Calls(), canvas.m_PlotRegion.m_Rect);
            if (size.width == 800 && size.height == 600)
            {
                std::vector<std::string> texts;
                for (const auto& call : drawn.horizontal)
                    texts.push_back(call.text);
                EXPECT_EQ(a.texts, texts) << name;
            }
            ExpectAxisLabelsAtTheirLines(dc.Calls(), canvas, a.window,
                                         {1.0, a.step, a.bLogarithmic, a.bSpecialLimits, 10, 0.5},
                                         false, name);
        }
}

// Any window a view can hold is labelled with true values, or not at all: on a window of
// -1e308 to 1e308 a double beyond the int range turned into an int showed "-2147483640".
// Every text reads back as a value of the window at the place where it stands, and all
// that is drawn stays on the canvas.
TEST_F(ScaleTest, EveryWindowIsLabelledWithTrueValues)
{
    SelectViewFont();
    const std::string db[1] = {"db"};
    // The least number of value labels the vertical axis shows: as many steps as keep
    // apart, a narrow window's lower limit (its upper one, the strip's top, has no room at
    // its line).
    const struct
    {
        double lower, upper;
        std::size_t least;
    } windows[] = {
        {-1e308, 1e308, 15},      {-DBL_MAX, DBL_MAX, 15}, {-1e12, 1e12, 15},
        {1e9, 1e9 + 1, 1},        {0.1, 0.1 + 1e-12, 1},   {0.0, 1e-300, 1},
        {1e300, 1e300 + 1e290, 15}, {-1e20, -1e20 + 1e5, 2}, {-30.0, 12.0, 5},
        // Empty windows are widened above their lower limit, or below the largest double.
        {1e300, 1e300, 1},        {DBL_MAX, DBL_MAX, 1},
    };
    const CRect& plot = graph.m_PlotRegion.m_Rect;
    const auto numbers = [&](unsigned textAlign)
    {
        std::vector<CRecordingDC::Call> out;
        for (const auto& call : dc.CallsOf(Op::TextOut))
            if (call.textAlign == textAlign && call.text != "db" && call.text != "Frequency Hz")
                out.push_back(call);
        return out;
    };
    const auto expectOnCanvas = [&](const std::string& name)
    {
        for (const auto& call : dc.Calls())
            for (const CPoint& p : call.points)
            {
                EXPECT_TRUE(p.x >= 0 && p.x <= graph.GetWidth()) << name << ": x " << p.x;
                EXPECT_TRUE(p.y >= 0 && p.y <= graph.GetHeight()) << name << ": y " << p.y;
            }
    };
    for (const auto& w : windows)
    {
        const std::string name = FormatC("%g to %g", w.lower, w.upper);
        const CDoubleRect window{w.upper, w.lower, w.lower, w.upper};
        // The window as drawn: an empty one reaches to the next double.
        double lower = w.lower, upper = w.upper;
        if (lower == upper && std::isfinite(std::nextafter(upper, INFINITY)))
            upper = std::nextafter(upper, INFINITY);
        else if (lower == upper)
            lower = std::nextafter(lower, 0.0);

        CVerticalScale vertical;
        ASSERT_TRUE(vertical.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, db, window, 5.0,
                                  10.0, 20, 60, false, 1, 0, 0));
        dc.ClearCalls();
        ASSERT_TRUE(vertical.Draw(&dc, &window));
        const auto values = numbers(TA_RIGHT | TA_TOP);
        // The labels of a window of two steps or more reach over it, from its lowest quarter
        // to its highest.
        EXPECT_GE(values.size(), w.least) << name;
        const auto reach = [&](const std::vector<CRecordingDC::Call>& labels, int from, int to,
                               bool bVertical)
        {
            int low = INT_MAX, high = INT_MIN;
            for (const auto& call : labels)
            {
                const int at = bVertical ? call.points[0].y : call.points[0].x;
                low = std::min(low, at);
                high = std::max(high, at);
            }
            EXPECT_LT(low, from + (to - from) / 4) << name;
            EXPECT_GT(high, to - (to - from) / 4) << name;
        };
        if (w.upper - w.lower >= 20.0)
            reach(values, plot.bottom, plot.top, true);
        ExpectTrueLabels(values, {lower, upper, plot.bottom, plot.top, true, false, 10},
                         "vertical " + name);
        expectOnCanvas("vertical " + name);

        for (const bool bLogarithmic : {false, true})
        {
            const std::string axis = (bLogarithmic ? "logarithmic " : "linear ") + name;
            CHorizontalScale horizontal;
            ASSERT_TRUE(horizontal.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles,
                                        window, 1.0, 1.0, 20, 100, bLogarithmic, 4, 0, 0, 8,
                                        nullptr));
            dc.ClearCalls();
            ASSERT_TRUE(horizontal.Draw(&dc, window));
            const auto labels = numbers(TA_LEFT | TA_TOP);
            if (!bLogarithmic && w.upper - w.lower >= 20.0)
                reach(labels, plot.left, plot.right, false);
            // 10 to the 1e9 is no double: such a window has no value to show.
            if (!bLogarithmic || std::fabs(w.upper) < 300.0)
            {
                EXPECT_FALSE(labels.empty()) << axis;
            }
            ExpectTrueLabels(labels,
                             {lower, upper, plot.left, plot.right, false, bLogarithmic, 10},
                             axis);
            expectOnCanvas(axis);
        }
    }
}

// Grid lines closer than 40 canvas units would run together into a dark band: on a window
// of 2000 dB a line every 50 dB (ten steps of 5 dB) is drawn, 69 units apart.
TEST_F(ScaleTest, GridLinesOfAWideWindowKeepApart)
{
    CVerticalScale scale;
    const std::string db[1] = {"db"};
    const CDoubleRect window{1000.0, 0, -1000.0, 1};
    scale.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, db, window, 5, 10, 20, 60, false, 1, 0,
               0);
    dc.ClearCalls();
    ASSERT_TRUE(scale.Draw(&dc, &window));
    std::vector<int> ys;
    for (const auto& dash : dc.CallsOf(Op::Polyline))
        if (ys.empty() || ys.back() != dash.points[0].y)
            ys.push_back(dash.points[0].y);
    ASSERT_EQ(41u, ys.size());
    EXPECT_EQ(220, ys.front());
    for (std::size_t i = 1; i < ys.size(); ++i)
        EXPECT_GE(ys[i] - ys[i - 1], 69) << i;
}

// The special lower limit of the compression plot's input axis is no longer written into
// the first step: "-80" is left out, the steps above it stay, up to the upper limit, 0 dB,
// whose label ends at the plot's right edge.
TEST_F(ScaleTest, TheSpecialLowerLimitOfAHorizontalScaleLeavesOutTheStepItWouldCover)
{
    CHorizontalScaleSpecialLimits scale;
    const CDoubleRect window{0, -89.625, -90, 0};
    ASSERT_TRUE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles, window, 10, 10, 20,
                           100, false, 1, 0, 0, 8, nullptr));
    dc.SetCharWidth(60); // "-89.625": 420 units, past "-80" 406 units to its right
    dc.ClearCalls();
    ASSERT_TRUE(scale.Draw(&dc, window));
    EXPECT_EQ((std::vector<std::string>{"-89.625", "-70", "-60", "-50", "-40", "-30", "-20", "-10",
                                        "0", "Frequency Hz"}),
              Texts());
    EXPECT_EQ(228, dc.CallsOf(Op::TextOut)[0].points[0].x);
    EXPECT_EQ(4000 - 8 - 60, dc.CallsOf(Op::TextOut)[8].points[0].x);
}

// A window narrower than two label steps would show one label or none: it is labelled at
// its limits as well, the ones between steps with up to three decimals, where they have
// room at their lines, and a vertical axis steps it finer, so that it holds two steps
// below its upper limit (0.25 to 0.75 dB showed "0.25" alone, without a grid line). The
// upper limit of a vertical axis is the strip's top: centred there it would stand half
// off the view, and it is left out; that of a horizontal one ends at the plot's right
// edge.
TEST_F(ScaleTest, ANarrowWindowIsLabelledAtItsLimits)
{
    SelectViewFont();
    const std::string db[1] = {"db"};
    const struct
    {
        double lower, upper;
        std::vector<std::string> texts;
    } cases[] = {
        {0.25, 0.75, {"0.25", "0.4", "0.6", "db"}},
        {-1.0, 1.0, {"-1", "0", "db"}},
        {-0.5, 0.5, {"-0.5", "0", "db"}},
        // The step at 0 lies 22 units over the lower limit, which shows as 0 too.
        {-0.0001, 0.0125, {"0", "0.01", "db"}},
    };
    for (const auto& c : cases)
    {
        CVerticalScale scale;
        const CDoubleRect window{c.upper, 3.0, c.lower, 3.1};
        scale.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, db, window, 5, 10, 20, 60, false, 1,
                   0, 0);
        dc.ClearCalls();
        scale.Draw(&dc, &window);
        EXPECT_EQ(c.texts, Texts()) << c.lower;
        ExpectLabelsAtTheirLines(graph, window, 10.0, false, std::to_string(c.lower));
    }

    CHorizontalScale frequencies;
    const CDoubleRect band{1.0, 3.0, 0.0, std::log10(1100.0)}; // 1000 to 1100 Hz
    frequencies.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles, band, 1.0, 1.0, 20, 100,
                     true, 4, 0, 0, 8, nullptr);
    dc.ClearCalls();
    frequencies.Draw(&dc, band);
    EXPECT_EQ((std::vector<std::string>{"1000", "1100", "Frequency Hz"}), Texts());
    EXPECT_EQ(4000 - 8 - 4 * 10, dc.CallsOf(Op::TextOut)[1].points[0].x);
}

TEST_F(ScaleTest, VerticalAxisStartsAtTheNextWholeStep)
{
    SelectViewFont();
    CVerticalScale scale;
    const std::string db[1] = {"db"};
    const CDoubleRect window{7.6, 0, -2.4, 1};
    scale.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, db, window, 5, 5, 20, 60, false, 1, 0, 0);
    dc.ClearCalls();
    scale.Draw(&dc, &window);
    // 10 dB lies above the axis: no label, which would stand off the view. The lower
    // limit, between steps, is labelled at the plot's bottom edge.
    EXPECT_EQ((std::vector<std::string>{"-2.4", "0", "5", "db"}), Texts());
    for (const auto& call : dc.CallsOf(Op::TextOut))
        EXPECT_LE(call.points[0].y, 3000) << call.text;
}

TEST_F(ScaleTest, SpecialLimitsLabelTheLowerLimitItself)
{
    CVerticalScaleSpecialLimits scale;
    const std::string db[1] = {"dB"};
    const CDoubleRect window{0.0, -48.0, -48.0, 0.0};
    scale.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, db, window, 6, 6, 20, 60, false, 1, 0, 0);
    dc.ClearCalls();
    scale.Draw(&dc, &window);
    EXPECT_EQ((std::vector<std::string>{"-48", "-42", "-36", "-30", "-24", "-18", "-12", "-6", "0",
                                        "dB"}),
              Texts());
    EXPECT_EQ(220, dc.CallsOf(Op::TextOut)[0].points[0].y);
    EXPECT_EQ(8, scale.GetLabelCount());
    EXPECT_EQ(9, scale.GetLineCount());
    // Lines from -42 to 0: the step past the upper limit would lie above the plot, where
    // the compression views, whose plot can be smaller than the canvas, leave room.
    const auto dashes = dc.CallsOf(Op::Polyline);
    EXPECT_EQ(int(std::trunc(6 * (2780.0 / 48.0) + 220)), dashes.front().points[0].y);
    EXPECT_EQ(dashes.back().points[0].y, 3000);
}

TEST_F(ScaleTest, SpecialLimitFormats)
{
    const struct
    {
        double lower;
        const char* text;
    } cases[] = {{-89.625, "-89.625"}, {0.125, "0.125"}, {2.5, "2.500"}, {0.0, "0"}, {-48, "-48"}};
    for (const auto& c : cases)
    {
        CHorizontalScaleSpecialLimits scale;
        const CDoubleRect window{0, c.lower, 0, c.lower + 90};
        scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles, window, 12, 12, 20, 100,
                   false, 1, 0, 0, 8, nullptr);
        dc.ClearCalls();
        scale.Draw(&dc, window);
        EXPECT_EQ(c.text, Texts().at(0));
    }
}

TEST_F(ScaleTest, DegenerateWindowsAndStepsAreWidened)
{
    CHorizontalScale scale;
    const CDoubleRect equal{1, 2.0, 0, 2.0};
    scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, titles, equal, 0.0, 0.25, 20, 100,
               false, 1, 0, 0, 8, nullptr);
    dc.ClearCalls();
    EXPECT_TRUE(scale.Draw(&dc, equal));
    EXPECT_TRUE(std::isfinite(scale.GetScale()));
    EXPECT_EQ(3780.0, scale.GetScale()); // one unit across the plot
    EXPECT_EQ(2, scale.GetLineCount());
    for (const auto& call : dc.Calls())
        for (const CPoint& p : call.points)
            EXPECT_LE(std::abs(p.x), 4000);

    CVerticalScale vertical;
    const std::string db[1] = {"db"};
    const CDoubleRect reversed{-5.0, 0, 5.0, 1};
    vertical.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, db, reversed, -3, 0, 20, 60, false, 1,
                  0, 0);
    EXPECT_TRUE(vertical.Draw(&dc, &reversed));
    EXPECT_EQ(2780.0, vertical.GetScale());
}

TEST_F(ScaleTest, RefusalsLeaveTheScaleAsItWas)
{
    AssertionCapture capture;
    CHorizontalScale scale;
    const CDoubleRect window{1, 0, 0, 10};
    EXPECT_FALSE(scale.Draw(&dc, window));
    EXPECT_FALSE(scale.DrawMinorTicks(&dc, 1.0));
    EXPECT_FALSE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, nullptr, window, 1, 1, 20,
                            100, false, 1, 0, 0, 8, nullptr));
    EXPECT_FALSE(scale.IsInitialized());
    CVerticalScale vertical;
    EXPECT_FALSE(vertical.Draw(&dc, &window));
    EXPECT_EQ(4u, capture.reports().size());
    for (const auto& r : capture.reports())
        EXPECT_EQ("FALSE", r.expression);
    EXPECT_TRUE(dc.CallsOf(Op::TextOut).empty());
}

TEST_F(ScaleTest, CompressionScaleReportsAFailedBaseInit)
{
    AssertionCapture capture;
    CHorizontalScaleDRC scale;
    const CDoubleRect window{0, -90, -90, 0};
    EXPECT_FALSE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 2, nullptr, window, 10, 10,
                            20, 100, false, 1, 0, 0, 8, nullptr));
    EXPECT_FALSE(scale.SetEntry(1.0, 0));
    const std::string two[2] = {"In", "Out"};
    ASSERT_TRUE(scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 2, two, window, 10, 10, 20,
                           100, false, 1, 0, 0, 8, nullptr));
    EXPECT_TRUE(scale.SetEntry(-45.0, 1));
    EXPECT_FALSE(scale.SetEntry(1.0, 2)); // index equal to the title count
    EXPECT_FALSE(scale.SetEntry(1.0, -1));
    EXPECT_EQ(-45.0, scale.GetEntry(1));
}

TEST_F(ScaleTest, CompressionScaleDrawsTitlesAtDataPositionsAndSpans)
{
    CHorizontalScaleDRC scale;
    const std::string two[2] = {"In", "Out"};
    const CDoubleRect window{0, -90, -90, 0};
    scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, 2, two, window, 10, 10, 20, 50, false, 2,
               0, 0, 8, nullptr);
    scale.SetEntry(-90.0, 0);
    scale.SetEntry(-45.0, 1);
    scale.m_Span1.m_Start.x = -90;
    scale.m_Span1.m_End.x = -45;
    scale.m_Span1.m_strText = "OFFSET1";
    scale.m_Span1.m_LineColor = scale.m_Span1.m_TextColor = 0xFF0000;
    scale.m_Span2.m_Start.x = -45;
    scale.m_Span2.m_End.x = -44; // narrower than its text
    scale.m_Span2.m_strText = "OFFSET2";
    dc.ClearCalls();
    ASSERT_TRUE(scale.Draw(&dc, window));

    const auto texts = dc.CallsOf(Op::TextOut);
    const int x45 = int(std::trunc(45 * 42.0 + 220));
    auto find = [&](const std::string& t)
    {
        for (const auto& c : texts)
            if (c.text == t)
                return c;
        ADD_FAILURE() << t;
        return texts.front();
    };
    EXPECT_EQ((CPoint{220, 170}), find("In").points[0]);
    EXPECT_EQ((CPoint{x45, 170}), find("Out").points[0]);
    EXPECT_EQ(220, scale.m_Span1.m_StartPoint.x);
    EXPECT_EQ(x45, scale.m_Span1.m_EndPoint.x);
    // Span 2 is narrower than its text: the text stands after the span's end, an arrow's
    // length (80) beyond it.
    const int x44 = int(std::trunc(46 * 42.0 + 220));
    EXPECT_EQ((CPoint{x44 + 80, 120}), find("OFFSET2").points[0]);
    const auto span1 = find("OFFSET1");
    EXPECT_EQ(0xFF0000u, span1.textColor);
    EXPECT_EQ(unsigned(TA_LEFT | TA_TOP), span1.textAlign);
    const int w = 7 * 10; // recording DC: 10 units per character
    EXPECT_EQ(int(std::trunc((x45 - 220 - w) / 2.0 + 220)), span1.points[0].x);

    const auto arrows = dc.CallsOf(Op::Polygon);
    ASSERT_EQ(4u, arrows.size());
    EXPECT_EQ((CPoint{220, 120}), arrows[0].points[1]);
    EXPECT_EQ((CPoint{300, 140}), arrows[0].points[0]);
    EXPECT_EQ((CPoint{x45, 120}), arrows[1].points[2]);
    EXPECT_EQ(0xFF0000u, arrows[0].brush.GetColor());
    // Everything the spans changed is back.
    EXPECT_EQ(0u, dc.GetTextColor());
    EXPECT_EQ(0xFFFFFFu, dc.GetCurrentBrush().GetColor());
    EXPECT_EQ(0, dc.GetCurrentPen().GetWidth());
}
