#include "framework/core/RecordingDC.h"
#include "graph/CoordDisplay.h"

#include <gtest/gtest.h>

namespace
{
using Op = CRecordingDC::Op;

// The crosshair centres drawn (each crosshair is two inverted polylines).
std::vector<CPoint> Crosshairs(const CRecordingDC& dc)
{
    std::vector<CPoint> out;
    const auto lines = dc.CallsOf(Op::Polyline);
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
    {
        EXPECT_EQ(R2_NOT, lines[i].rop2);
        out.push_back({lines[i + 1].points[0].x, lines[i].points[0].y});
    }
    return out;
}

CCoordDisplay Display()
{
    CCoordDisplay d;
    d.m_strTitle = "Response";
    d.m_strXUnit = "Hz";
    d.m_strYUnit = "db";
    d.m_TextRect = {3560, 2999, 3999, 2713};
    return d;
}
} // namespace

TEST(CoordDisplay, ShowsValuesWithUnits)
{
    CCoordDisplay d = Display();
    d.m_DataPoint = {3.0, -3.0};
    EXPECT_EQ("1000.0Hz", d.XText());
    EXPECT_EQ("-3.0db", d.YText());
    d.m_bYLogarithmic = 2; // only exactly 1 means logarithmic
    EXPECT_EQ("-3.0db", d.YText());
}

TEST(CoordDisplay, OffDrawsNothing)
{
    CCoordDisplay d = Display();
    CRecordingDC dc;
    EXPECT_FALSE(d.Draw(&dc));
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(CoordDisplay, TrackingMovesOneCrosshair)
{
    CCoordDisplay d = Display();
    CRecordingDC dc;
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    d.SetStarting();
    d.m_CrosshairPoint = {1000, 1500};
    ASSERT_TRUE(d.Draw(&dc));
    EXPECT_EQ(CCoordDisplay::kTracking, d.GetState());
    EXPECT_EQ((std::vector<CPoint>{{1000, 1500}}), Crosshairs(dc));
    const auto texts = dc.CallsOf(Op::TextOut);
    ASSERT_EQ(3u, texts.size());
    EXPECT_EQ((CPoint{3564, 2995}), texts[0].points[0]); // 4 units inside the frame
    EXPECT_EQ(0xFFFFFFu, dc.CallsOf(Op::Rectangle)[0].brush.GetColor());
    EXPECT_EQ(unsigned(TA_BOTTOM), dc.GetTextAlign());
    EXPECT_EQ(R2_COPYPEN, dc.GetROP2());

    // The same point again: erase and redraw in place, one crosshair stays.
    dc.ClearCalls();
    d.Draw(&dc);
    EXPECT_EQ((std::vector<CPoint>{{1000, 1500}, {1000, 1500}}), Crosshairs(dc));
    dc.ClearCalls();
    d.m_CrosshairPoint = {1200, 1400};
    d.Draw(&dc);
    EXPECT_EQ((std::vector<CPoint>{{1000, 1500}, {1200, 1400}}), Crosshairs(dc));
    EXPECT_EQ((CPoint{1200, 1400}), d.GetRememberedPoint());

    // Frozen: nothing new drawn.
    d.SetFrozen();
    dc.ClearCalls();
    d.Draw(&dc);
    EXPECT_TRUE(dc.Calls().empty());
}

// The text keeps off the frame; a title longer than the box is wide, or three lines
// higher than it, widen it to the left and lengthen it downward.
TEST(CoordDisplay, TheBoxHoldsItsTextWithRoomAllRound)
{
    CCoordDisplay d = Display();
    CRecordingDC dc;
    CFont font;
    font.CreateFont(-90, 400, false, "Times New Roman", FF_ROMAN);
    dc.SelectObject(font);
    dc.SetCharWidth(40);
    d.m_strTitle = "Modified Response Curve"; // 23 characters: 920 units
    d.m_DataPoint = {3.0, 85.0};
    d.SetStarting();
    ASSERT_TRUE(d.Draw(&dc));
    const auto frames = dc.CallsOf(Op::Rectangle);
    ASSERT_EQ(1u, frames.size());
    const CRect box{frames[0].points[0].x, frames[0].points[0].y, frames[0].points[1].x,
                    frames[0].points[1].y};
    EXPECT_EQ(3999, box.right); // the corner at the plot's corner stays
    EXPECT_EQ(2999, box.top);
    const int pad = 4 + 90 / 5;
    EXPECT_EQ(3999 - 920 - 2 * pad, box.left);
    EXPECT_EQ(2999 - 3 * 90 - 2 * pad, box.bottom);
    const auto texts = dc.CallsOf(Op::TextOut);
    ASSERT_EQ(3u, texts.size());
    EXPECT_EQ("Modified Response Curve", texts[0].text);
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const CPoint& p = texts[i].points[0]; // top left of the line
        const int width = int(texts[i].text.size()) * 40;
        EXPECT_GE(p.x - box.left, pad) << i;
        EXPECT_GE(box.right - (p.x + width), pad) << i;
        EXPECT_GE(box.top - p.y, pad) << i;
        EXPECT_GE((p.y - 90) - box.bottom, pad) << i;
    }
    // A short title leaves the box as placed; a readout-only paint still covers the box
    // the long title left on the screen.
    d.m_strTitle = "Raw";
    EXPECT_EQ(d.m_TextRect.left, d.TextBox(&dc).left);
    dc.ClearCalls();
    d.Draw(&dc);
    ASSERT_EQ(1u, dc.CallsOf(Op::Rectangle).size());
    EXPECT_EQ(box.left, dc.CallsOf(Op::Rectangle)[0].points[0].x);
    // After a full repaint the box is as small as its text again.
    d.SetRepainted();
    dc.ClearCalls();
    d.Draw(&dc);
    EXPECT_EQ(d.m_TextRect.left, dc.CallsOf(Op::Rectangle)[0].points[0].x);
}

TEST(CoordDisplay, AfterARepaintNothingIsErased)
{
    CCoordDisplay d = Display();
    CRecordingDC dc;
    d.SetStarting();
    d.m_CrosshairPoint = {1000, 1500};
    d.Draw(&dc);
    d.SetFrozen();
    d.SetRepainted();
    d.m_CrosshairPoint = {2000, 1000};
    dc.ClearCalls();
    d.Draw(&dc);
    EXPECT_EQ((std::vector<CPoint>{{2000, 1000}}), Crosshairs(dc));
    EXPECT_EQ(CCoordDisplay::kTracking, d.GetState());
    EXPECT_EQ(CCoordDisplay::kCrosshairShown, d.GetDrawn());
}

TEST(CoordDisplay, WindowMoveForgetsTheCrosshair)
{
    CCoordDisplay d = Display();
    d.ForgetDrawn();
    d.SetStarting();
    d.SetTracking();
    EXPECT_EQ(CCoordDisplay::kOff, d.GetState()); // both ignored while nothing is drawn
    d.SetFrozen();
    CRecordingDC dc;
    d.m_CrosshairPoint = {500, 500};
    d.Draw(&dc);
    EXPECT_EQ((std::vector<CPoint>{{500, 500}}), Crosshairs(dc));
    EXPECT_EQ(CCoordDisplay::kCrosshairShown, d.GetDrawn());
}
