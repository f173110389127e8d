#include "AssertionCapture.h"
#include "framework/core/RecordingDC.h"
#include "graph/WideDashedLine.h"

#include <gtest/gtest.h>

TEST(WideDashedLine, HorizontalGridLineOfTheVerticalScale)
{
    const CPoint pts[2] = {{220, 500}, {4000, 500}};
    CWideDashedLine line;
    ASSERT_TRUE(line.Set(pts, 2, 3, 40, 15, RGB(1, 2, 3)));
    ASSERT_EQ(69u, line.GetDashCount());
    const auto& ends = line.GetDashEnds();
    EXPECT_EQ((CPoint{220, 500}), ends[0]);
    EXPECT_EQ((CPoint{260, 500}), ends[1]);
    EXPECT_EQ((CPoint{275, 500}), ends[2]);
    EXPECT_EQ((CPoint{315, 500}), ends[3]);
    EXPECT_EQ((CPoint{3960, 500}), ends[136]);
    EXPECT_EQ((CPoint{4000, 500}), ends[137]);

    CRecordingDC dc;
    EXPECT_TRUE(line.Draw(&dc));
    const auto calls = dc.CallsOf(CRecordingDC::Op::Polyline);
    ASSERT_EQ(69u, calls.size());
    EXPECT_EQ(3, calls[0].pen.GetWidth());
    EXPECT_EQ(PS_SOLID, calls[0].pen.GetStyle());
    EXPECT_EQ(RGB(1, 2, 3), calls[0].pen.GetColor());
    EXPECT_EQ(0, dc.GetCurrentPen().GetWidth());
}

TEST(WideDashedLine, SegmentEndsCapTheLastDash)
{
    struct Case
    {
        CPoint a, b;
        std::vector<CPoint> ends;
    };
    const Case cases[] = {
        {{0, 0}, {120, 0}, {{0, 0}, {40, 0}, {55, 0}, {95, 0}, {110, 0}, {120, 0}}},
        {{0, 0}, {110, 0}, {{0, 0}, {40, 0}, {55, 0}, {95, 0}}},
        // Downward: from the first point down, ending at the second point at the latest.
        {{10, 120}, {10, 0}, {{10, 120}, {10, 80}, {10, 65}, {10, 25}, {10, 10}, {10, 0}}},
        // Right to left: the first dash ends dash-length units left of the first point.
        {{100, 5}, {0, 5}, {{100, 5}, {60, 5}, {45, 5}, {5, 5}}},
        // Slanted 3-4-5: 50 units long.
        {{0, 0}, {30, 40}, {{0, 0}, {24, 32}}},
    };
    for (const Case& c : cases)
    {
        const CPoint pts[2] = {c.a, c.b};
        CWideDashedLine line(pts, 2, 1, 40, 15, 0);
        EXPECT_EQ(c.ends, line.GetDashEnds()) << c.a.x << "," << c.a.y;
    }
}

TEST(WideDashedLine, PolylineDashesEachSegmentFromItsStart)
{
    const CPoint pts[3] = {{0, 0}, {60, 0}, {60, 60}};
    CWideDashedLine line(pts, 3, 1, 40, 15, 0);
    EXPECT_EQ(2u, line.GetSegmentCount());
    EXPECT_EQ((std::vector<unsigned>{2, 2}), line.GetDashesPerSegment());
    EXPECT_EQ((CPoint{60, 0}), line.GetDashEnds()[4]);
}

TEST(WideDashedLine, RefusesBadInputAndKeepsItsGeometry)
{
    AssertionCapture capture;
    const CPoint pts[2] = {{0, 0}, {120, 0}};
    CWideDashedLine line(pts, 2, 1, 40, 15, 0);
    EXPECT_FALSE(line.Set(nullptr, 2, 1, 40, 15, 0));
    EXPECT_FALSE(line.Set(pts, 0, 1, 40, 15, 0));
    EXPECT_FALSE(line.Set(pts, 2, 1, 0, 15, 0));
    EXPECT_FALSE(line.Set(pts, 2, 1, 10, -10, 0)); // would never advance
    EXPECT_EQ(4u, capture.reports().size());
    EXPECT_EQ(3u, line.GetDashCount());

    const CPoint one[1] = {{5, 5}};
    CWideDashedLine single(one, 1, 1, 4, 1, 0);
    CRecordingDC dc;
    single.Draw(&dc);
    EXPECT_EQ(0u, single.GetSegmentCount());
    EXPECT_TRUE(dc.CallsOf(CRecordingDC::Op::Polyline).empty());
}
