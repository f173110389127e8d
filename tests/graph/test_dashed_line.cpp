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

// A line never draws more dashes than the device pixels it spans: where its gaps would span
// less than one pixel, each such segment is drawn as one line. A printed page of 1 by 32514
// pixels maps the canvas's 4000 units across onto one pixel, and so the half sampling
// frequency marker's 1.3e8 units high onto 32514 pixels: it drew 2.2 million dashes.
TEST(WideDashedLine, DrawsNoMoreDashesThanItSpansPixels)
{
    constexpr int kPage = 32514;
    constexpr int kCanvasHigh = 4000 * kPage;
    struct Case
    {
        const char* what;
        int nMapMode;
        CSize window, viewport;
        std::vector<CPoint> points;
        int nDash, nGap;
        unsigned nDrawn;
    };
    const Case cases[] = {
        {"one unit a pixel", MM_TEXT, {1, 1}, {1, 1}, {{220, 500}, {4000, 500}}, 40, 15, 69},
        {"a grid line at 10 units a pixel: gaps of 1.5 pixels",
         MM_ISOTROPIC,
         {4000, 3000},
         {400, -300},
         {{220, 500}, {4000, 500}},
         40,
         15,
         69},
        {"a grid line at 20 units a pixel: gaps of 0.75 pixels",
         MM_ISOTROPIC,
         {4000, 3000},
         {200, -150},
         {{220, 500}, {4000, 500}},
         40,
         15,
         1},
        {"the marker on a page of 1 by 32514 pixels",
         MM_ISOTROPIC,
         {4000, kCanvasHigh},
         {1, -kPage},
         {{0, kCanvasHigh - 10}, {0, 10}},
         40,
         20,
         1},
        {"a slanted line at 25 units a pixel",
         MM_ANISOTROPIC,
         {4000, 4000},
         {160, 160},
         {{0, 0}, {3000, 4000}},
         4,
         1,
         1},
        {"a polyline: a gap of 2 pixels across, 0.5 down",
         MM_ANISOTROPIC,
         {4000, 4000},
         {400, 100},
         {{0, 0}, {1100, 0}, {1100, 1100}},
         40,
         20,
         20},
        {"gaps of 0 join at any scale", MM_TEXT, {1, 1}, {1, 1}, {{0, 0}, {100, 0}}, 10, 0, 1},
    };
    for (const Case& c : cases)
    {
        CWideDashedLine line(c.points.data(), unsigned(c.points.size()), 3, c.nDash, c.nGap, 0);
        CRecordingDC dc;
        dc.SetMapMode(c.nMapMode);
        dc.SetWindowExt(c.window);
        dc.SetViewportExt(c.viewport);
        ASSERT_TRUE(line.Draw(&dc)) << c.what;
        const std::vector<CRecordingDC::Call> calls = dc.CallsOf(CRecordingDC::Op::Polyline);
        EXPECT_EQ(calls.size(), c.nDrawn) << c.what;
        // The pixels the line spans, end to end, bound what it draws.
        std::vector<CPoint> device = c.points;
        dc.LPtoDP(device.data(), int(device.size()));
        double pixels = 0.0;
        for (std::size_t i = 0; i + 1 < device.size(); ++i)
            pixels += CWideDashedLine::SegmentLength(device[i], device[i + 1]);
        EXPECT_LE(double(calls.size()), pixels + double(device.size())) << c.what;
        // Drawn as one line, a segment runs from its first point to its second.
        if (calls.size() == 1)
        {
            EXPECT_EQ(calls[0].points, (std::vector<CPoint>{c.points[0], c.points[1]})) << c.what;
        }
        for (const CRecordingDC::Call& call : calls)
            EXPECT_EQ(call.pen.GetWidth(), 3) << c.what;
    }
}
