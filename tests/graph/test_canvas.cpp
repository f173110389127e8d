#include "AssertionCapture.h"
#include "framework/core/RecordingDC.h"
#include "framework/core/Window.h"
#include "graph/BasicGraph.h"
#include "graph/SquareGraph.h"

#include <gtest/gtest.h>

namespace
{
struct HeightCase
{
    int width, height, expected;
};

class CanvasHeight : public ::testing::TestWithParam<HeightCase>
{
};
} // namespace

TEST_P(CanvasHeight, FollowsTheClientAspect)
{
    const HeightCase c = GetParam();
    CBasicGraph graph;
    CFixedWindow window(c.width, c.height);
    CRecordingDC dc;
    EXPECT_TRUE(graph.Draw(&window, &dc));
    EXPECT_EQ(c.expected, graph.GetHeight());
    EXPECT_EQ((CSize{4000, c.expected}), graph.GetWindowExtent());
    EXPECT_EQ(MM_ISOTROPIC, dc.GetMapMode());
    EXPECT_EQ((CPoint{0, c.height}), dc.GetViewportOrg());
    EXPECT_EQ((CSize{c.width, -c.height}), dc.GetViewportExt());
    EXPECT_EQ(TRANSPARENT, dc.GetBkMode());
    // Regions of the canvas laid out for that height.
    EXPECT_EQ((CRect{220, c.expected, 4000, 220}), graph.m_PlotRegion.m_Rect);
    EXPECT_EQ((CRect{0, c.expected, 220, 0}), graph.m_LeftRegion.m_Rect);
    EXPECT_EQ((CRect{220, 220, 4000, 0}), graph.m_BottomRegion.m_Rect);
    EXPECT_EQ((CRect{3780, c.expected, 4000, 0}), graph.m_RightRegion.m_Rect);
    EXPECT_EQ((CRect{0, c.expected, 4000, c.expected - 220}), graph.m_TopRegion.m_Rect);
}

INSTANTIATE_TEST_SUITE_P(ClientSizes, CanvasHeight,
                         ::testing::Values(HeightCase{800, 600, 3000}, HeightCase{1000, 400, 1600},
                                           HeightCase{900, 700, 3111}));

TEST(Canvas, PrinterTakesThePageAndDropsTheClipRegion)
{
    CBasicGraph graph;
    CRecordingDC dc;
    dc.SetDeviceCaps(TECHNOLOGY, DT_RASPRINTER);
    dc.SetDeviceCaps(HORZRES, 3300);
    dc.SetDeviceCaps(VERTRES, 2550);
    graph.Draw(nullptr, &dc);
    EXPECT_EQ(3090, graph.GetHeight()); // 4000 / (3300 / 2550) = 3090.9
    EXPECT_EQ(1u, dc.CallsOf(CRecordingDC::Op::RemoveClipRegion).size());
    EXPECT_EQ((CPoint{0, 2550}), dc.GetViewportOrg());
}

TEST(Canvas, MinimisedWindowKeepsTheHeightAndConversionsStayFinite)
{
    CBasicGraph graph;
    CDoubleRect window{12.0, 1.0, -30.0, 4.0};
    graph.SetClipRect(&window);
    CPoint p{100, 100};
    graph.DeviceToLogical(&p); // before any layout
    EXPECT_EQ((CPoint{0, 0}), p);

    CFixedWindow client(0, 0);
    CRecordingDC dc;
    graph.Draw(&client, &dc);
    EXPECT_EQ(3000, graph.GetHeight());
    CPoint q;
    const double x = graph.PixelToDataX(10, 10, &q);
    EXPECT_EQ(1.0, x); // clamped onto the plot's left edge
    EXPECT_EQ(220, q.x);
    const double y = graph.PixelToDataY(10, 10, &q);
    EXPECT_EQ(-30.0, y);
}

TEST(Canvas, PixelConversionsClampToThePlotArea)
{
    CBasicGraph graph;
    CFixedWindow client(800, 600);
    CRecordingDC dc;
    graph.Draw(&client, &dc);
    CDoubleRect window{12.0, 1.0, -30.0, 4.0}; // ymax, xmin, ymin, xmax
    ASSERT_TRUE(graph.SetClipRect(&window));
    CPoint p;
    EXPECT_EQ(1.0, graph.PixelToDataX(0, 300, &p));
    EXPECT_EQ((CPoint{220, 1500}), p);
    EXPECT_EQ(4.0, graph.PixelToDataX(900, 300, &p));
    EXPECT_EQ(4000, p.x);
    EXPECT_EQ(-30.0, graph.PixelToDataY(400, 599, &p));
    EXPECT_EQ(220, p.y);
    EXPECT_EQ(2000, p.x); // x is left as converted
    EXPECT_EQ(12.0, graph.PixelToDataY(400, -50, &p));
    EXPECT_EQ(3000, p.y);
    // The middle of the plot area.
    EXPECT_DOUBLE_EQ(1.0 + 3.0 * (2110 - 220) / 3780.0, graph.PixelToDataX(422, 300, &p));
}

TEST(Canvas, RefusesMissingDataWindow)
{
    AssertionCapture capture;
    CBasicGraph graph;
    CPoint p{7, 7};
    EXPECT_EQ(0.0, graph.PixelToDataX(10, 10, &p));
    EXPECT_TRUE(capture.reported("m_pClipRect"));
    EXPECT_EQ((CPoint{7, 7}), p);
    CDoubleRect window{1, 0, 0, 1};
    graph.SetClipRect(&window);
    EXPECT_FALSE(graph.SetClipRect(nullptr));
    EXPECT_TRUE(capture.reported("pClipRect"));
    EXPECT_EQ(window, graph.GetClipRect());
}

TEST(Canvas, DrawsOnlyTheVisibleRegionsInOrder)
{
    CBasicGraph graph;
    CFixedWindow client(800, 600);
    CRecordingDC dc;
    graph.Draw(&client, &dc);
    EXPECT_TRUE(graph.DrawRegions(&dc));
    const auto rects = dc.CallsOf(CRecordingDC::Op::Rectangle);
    ASSERT_EQ(3u, rects.size()); // right and top strips are hidden
    EXPECT_EQ((CPoint{0, 3000}), rects[0].points[0]);
    EXPECT_EQ((CPoint{220, 220}), rects[1].points[0]);
    EXPECT_EQ((CPoint{220, 3000}), rects[2].points[0]);
    for (const auto& call : rects)
        EXPECT_EQ(8, call.pen.GetWidth());
    // The stock pen is back afterwards.
    EXPECT_EQ(0, dc.GetCurrentPen().GetWidth());
}

TEST(Canvas, SquareVariantPutsASquarePlotAtTheRight)
{
    CSquareGraph graph;
    CFixedWindow client(800, 600);
    CRecordingDC dc;
    graph.Draw(&client, &dc);
    EXPECT_EQ((CRect{1000, 3000, 4000, 220}), graph.m_PlotRegion.m_Rect);
    EXPECT_EQ((CRect{0, 3000, 1000, 0}), graph.m_LeftRegion.m_Rect);
    EXPECT_EQ((CRect{1000, 220, 4000, 0}), graph.m_BottomRegion.m_Rect);
    EXPECT_EQ((CPoint{1000, 220}), graph.GetPlotOrigin());

    // A taller strip under the plot.
    CSquareGraph tall(320);
    tall.Draw(&client, &dc);
    EXPECT_EQ((CRect{1000, 3000, 4000, 320}), tall.m_PlotRegion.m_Rect);
    EXPECT_EQ((CRect{1000, 320, 4000, 0}), tall.m_BottomRegion.m_Rect);
    EXPECT_EQ(320, tall.GetBorder());
}

// A canvas nearly as high as wide leaves the left strip too narrow for the legend: the
// strip asked for is given, and the plot is smaller, standing on the strip under it.
TEST(Canvas, SquareVariantGivesTheLeftStripTheWidthItNeeds)
{
    CSquareGraph graph;
    CFixedWindow client(800, 730); // 4000 by 3650 canvas units
    CRecordingDC dc;
    graph.SetStripMeasure(
        [](CDC*)
        {
            CGraphStrips strips;
            strips.nLeftWidth = 1200;
            return strips;
        });
    graph.Draw(&client, &dc);
    EXPECT_EQ((CRect{1200, 2800, 4000, 220}), graph.m_PlotRegion.m_Rect);
    EXPECT_EQ((CRect{0, 3650, 1200, 0}), graph.m_LeftRegion.m_Rect);
    EXPECT_EQ((CRect{1200, 220, 4000, 0}), graph.m_BottomRegion.m_Rect);
    EXPECT_EQ((CPoint{1200, 220}), graph.GetPlotOrigin());
    // Where the square plot leaves more, the strip is what it leaves.
    CFixedWindow wide(1600, 800);
    graph.Draw(&wide, &dc);
    EXPECT_EQ((CRect{2000, 2000, 4000, 220}), graph.m_PlotRegion.m_Rect);
    // However wide a strip is asked for, the plot keeps a height above the strip under it.
    graph.SetStripMeasure(
        [](CDC*)
        {
            CGraphStrips strips;
            strips.nLeftWidth = 4000;
            return strips;
        });
    graph.Draw(&client, &dc);
    EXPECT_EQ((CRect{3560, 440, 4000, 220}), graph.m_PlotRegion.m_Rect);
}
