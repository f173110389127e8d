#include "AssertionCapture.h"
#include "framework/core/RecordingDC.h"
#include "graph/GraphAnnotationSet.h"
#include "graph/Restore.h"
#include "graph/VerticalBar.h"
#include "graph/ViewFont.h"

#include <gtest/gtest.h>

namespace
{
using Op = CRecordingDC::Op;
const CGraphRegion kPlot(CRect{220, 3000, 4000, 220});
const CRect kBox{0, 20, 40, 0};
} // namespace

TEST(VerticalBar, BoxPlacementsOfTheResponseViewMarkers)
{
    const struct
    {
        int placement;
        int left, right;
    } cases[] = {{3, 1000, 1040}, {1, 960, 1000}, {2, 980, 1020}, {0, 980, 1020}};
    for (const auto& c : cases)
    {
        CVerticalBar bar;
        const CPoint text{543, 120};
        ASSERT_TRUE(bar.Init(&kPlot, 1000, "LF", 20.0, &text, 0, 12, 0, &kBox, c.placement, 4, 1));
        EXPECT_EQ((CRect{c.left, 3000, c.right, 2980}), bar.GetTopBox());
        EXPECT_EQ((CRect{c.left, 240, c.right, 220}), bar.GetBottomBox());
    }
}

TEST(VerticalBar, DrawsLineBoxesAndRoundedValue)
{
    CVerticalBar bar;
    const CPoint text{2879, 120};
    bar.Init(&kPlot, 3000, "HF", 1000.6, &text, 0, 12, RGB(0, 0, 255), &kBox, 1, 4, 1);
    EXPECT_EQ("HF 1001", bar.GetText());
    CRecordingDC dc;
    ASSERT_TRUE(bar.Draw(&dc));
    const auto lines = dc.CallsOf(Op::Polyline);
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ((std::vector<CPoint>{{3000, 3000}, {3000, 220}}), lines[0].points);
    EXPECT_EQ(12, lines[0].pen.GetWidth());
    EXPECT_EQ(2u, dc.CallsOf(Op::FillSolidRect).size());
    const auto texts = dc.CallsOf(Op::TextOut);
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ((CPoint{2879, 120}), texts[0].points[0]);
    EXPECT_EQ(unsigned(TA_LEFT | TA_TOP), dc.GetTextAlign());
    EXPECT_EQ(0, dc.GetCurrentPen().GetWidth());
}

// A marker beyond the plot's width (a frequency outside the window, its position held to
// the canvas reach) draws only its text: a line and boxes there would cross the label
// strips. At the plot's edges the line is drawn and the boxes end at the edge.
TEST(VerticalBar, OnlyAMarkerWithinThePlotDrawsItsLineAndBoxes)
{
    const struct
    {
        int x, placement, dashed;
        std::size_t lines;
        int boxLeft, boxRight;
    } cases[] = {
        {1 << 29, 1, 0, 0, 0, 0},    {-(1 << 29), 3, 0, 0, 0, 0},  {219, 2, 1, 0, 0, 0},
        {4001, 2, 0, 0, 0, 0},       {220, 1, 0, 1, 220, 220},     {220, 2, 0, 1, 220, 240},
        {4000, 3, 0, 1, 4000, 4000}, {4000, 2, 1, 47, 3980, 4000}, {2000, 2, 0, 1, 1980, 2020},
    };
    for (const auto& c : cases)
    {
        CVerticalBar bar;
        const CPoint text{543, 120};
        ASSERT_TRUE(
            bar.Init(&kPlot, c.x, "LF", 20.0, &text, c.dashed, 12, 0, &kBox, c.placement, 40, 20));
        CRecordingDC dc;
        ASSERT_TRUE(bar.Draw(&dc));
        EXPECT_EQ(c.lines, dc.CallsOf(Op::Polyline).size()) << c.x;
        const auto boxes = dc.CallsOf(Op::FillSolidRect);
        ASSERT_EQ(c.lines ? 2u : 0u, boxes.size()) << c.x;
        for (const auto& box : boxes)
        {
            EXPECT_EQ(c.boxLeft, box.points[0].x) << c.x;
            EXPECT_EQ(c.boxRight, box.points[1].x) << c.x;
        }
        EXPECT_EQ(1u, dc.CallsOf(Op::TextOut).size()) << c.x;
    }
}

TEST(VerticalBar, DashedHalfSamplingRateMarker)
{
    CVerticalBar bar;
    const CPoint text{3463, 120};
    bar.Init(&kPlot, 3500, "1/2 Fs", 24000, &text, 1, 12, 0, &kBox, 2, 40, 20);
    CRecordingDC dc;
    bar.Draw(&dc);
    // 2780 units at a period of 60: 47 dashes, drawn downward from the plot's top.
    const auto dashes = dc.CallsOf(Op::Polyline);
    ASSERT_EQ(47u, dashes.size());
    EXPECT_EQ((std::vector<CPoint>{{3500, 3000}, {3500, 2960}}), dashes[0].points);
}

TEST(VerticalBar, RefusesBadDashedValueAndDrawingBeforeInit)
{
    AssertionCapture capture;
    CVerticalBar bar;
    const CPoint text;
    EXPECT_FALSE(bar.Init(&kPlot, 100, "LF", 1, &text, 2, 1, 0, &kBox, 1, 4, 1));
    CRecordingDC dc;
    EXPECT_FALSE(bar.Draw(&dc));
    EXPECT_FALSE(bar.SetTextPosition(&text));
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_EQ(3u, capture.reports().size());
}

TEST(ViewFont, SerifFaceOfTheViewSize)
{
    CViewFont viewFont;
    EXPECT_EQ(10, viewFont.GetSize());
    viewFont.SetSize(90);
    CFont font;
    CRecordingDC dc;
    ASSERT_TRUE(viewFont.CreateFont(&dc, &font));
    EXPECT_EQ(-90, font.GetHeight());
    EXPECT_EQ(400, font.GetWeight());
    EXPECT_EQ(FF_ROMAN, font.GetPitchAndFamily());
    EXPECT_EQ("Times New Roman", font.GetFaceName());
    EXPECT_EQ(7, viewFont.GetLogFont().outPrecision);
}

TEST(Restorers, PutTheStateBackInAnyOrder)
{
    CRecordingDC dc;
    const CPen stockPen = dc.GetCurrentPen();
    const CBrush stockBrush = dc.GetCurrentBrush();
    CColorRestorer color(&dc, RGB(255, 0, 0));
    CTextAlignRestorer align(&dc, TA_RIGHT | TA_BOTTOM);
    CPen pen(PS_SOLID, 5, RGB(0, 255, 0));
    CPenRestorer penRestorer(&dc, &pen);
    const CBrush blue(RGB(0, 0, 255));
    CBrushRestorer brush(&dc, &blue);
    EXPECT_EQ(RGB(255, 0, 0), dc.GetTextColor());
    EXPECT_EQ(pen, dc.GetCurrentPen());
    EXPECT_TRUE(color.Restore());
    EXPECT_TRUE(align.Restore());
    EXPECT_TRUE(penRestorer.Restore());
    EXPECT_TRUE(brush.Restore());
    EXPECT_EQ(0u, dc.GetTextColor());
    EXPECT_EQ(unsigned(TA_LEFT | TA_TOP), dc.GetTextAlign());
    EXPECT_EQ(stockPen, dc.GetCurrentPen());
    EXPECT_EQ(stockBrush, dc.GetCurrentBrush());
    EXPECT_FALSE(pen.IsCreated()); // the pen handed over was deleted
}

TEST(Restorers, ForgottenRestoreIsReportedAndKeepsTheChange)
{
    AssertionCapture capture;
    CRecordingDC dc;
    {
        CFont font;
        font.CreateFont(-90, 400, false, "Times New Roman");
        CFontRestorer restorer(&dc, &font);
    }
    EXPECT_TRUE(capture.reported("m_bWasRestored"));
    EXPECT_EQ(-90, dc.GetCurrentFont().GetHeight());

    capture.clear();
    {
        CBrushRestorer brush(&dc, nullptr);
        CColorRestorer color(nullptr, 5);
        brush.Restore();
        color.Restore();
    }
    EXPECT_TRUE(capture.reported("pBrush"));
    EXPECT_TRUE(capture.reported("pDC"));
    EXPECT_FALSE(capture.reported("m_bWasRestored"));
    EXPECT_EQ(0xFFFFFFu, dc.GetCurrentBrush().GetColor());
}

TEST(Annotations, EmptySetLeavesTheDeviceContextAsBefore)
{
    CRecordingDC dc;
    CGraphAnnotationSet set;
    EXPECT_TRUE(set.Draw(&dc));
    EXPECT_EQ(unsigned(TA_LEFT | TA_TOP), dc.GetTextAlign());
    EXPECT_FALSE(dc.GetCurrentFont().IsCreated());
    for (const auto& call : dc.Calls())
        EXPECT_TRUE(call.text.empty());
}

TEST(Annotations, DrawsInOrderWithTheViewFontAndBottomAlignment)
{
    CRecordingDC dc;
    CGraphAnnotationSet set;
    set.m_ViewFont.SetSize(80);
    set.m_Title.SetText("Compression");
    set.m_Title.SetPosition(100, 2900);
    CGraphLabel label("Threshold");
    label.SetPosition(100, 2800);
    set.m_FirstLabels.Add(label);
    label.SetText("changed afterwards"); // the array holds its own copy
    set.m_SecondLabels.Add(label);
    set.m_ThirdLabels.Add(CGraphLabel("-20.0"));
    CSimpleLine line;
    line.m_nPenWidth = 3;
    line.m_Color = 0x0000FF;
    set.m_Lines.Add(line);
    set.m_FirstLabels.GetAt(0)->SetText("Threshold 1");

    ASSERT_TRUE(set.Draw(&dc));
    std::vector<std::string> texts;
    for (const auto& call : dc.Calls())
    {
        if (call.op == Op::TextOut)
        {
            texts.push_back(call.text);
            EXPECT_EQ(unsigned(TA_BOTTOM), call.textAlign);
            EXPECT_EQ(-80, call.font.GetHeight());
        }
        else if (call.op == Op::Polyline)
        {
            texts.push_back("line");
            EXPECT_EQ(3, call.pen.GetWidth());
            EXPECT_EQ(0x0000FFu, call.pen.GetColor());
            EXPECT_EQ((std::vector<CPoint>{{0, 0}, {10, 0}}), call.points);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"Compression", "line", "Threshold 1", "changed afterwards",
                                        "-20.0"}),
              texts);
    EXPECT_EQ(0, dc.GetCurrentPen().GetWidth());
    EXPECT_EQ(unsigned(TA_LEFT | TA_TOP), dc.GetTextAlign());
    EXPECT_EQ(nullptr, set.m_FirstLabels.GetAt(1));
}
