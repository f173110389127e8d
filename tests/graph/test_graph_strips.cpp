// A graph view's font keeps a readable size on a small window, and the strips round the
// plot grow with it; the printed page and larger windows keep the usual layout.
#include "framework/core/RecordingDC.h"
#include "framework/core/Window.h"
#include "graph/AxisScale.h"
#include "graph/BasicGraph.h"
#include "graph/GraphStrips.h"
#include "graph/HorizontalScale.h"
#include "graph/VerticalScale.h"
#include "graph/ViewFont.h"

#include <gtest/gtest.h>

namespace
{
// A recording display (or printer) of the given pixels per inch, mapped by a graph for a
// client area of the given width and 3/4 as high.
struct CMappedDC
{
    CMappedDC(int width, int dpi, int technology) : client(width, width * 3 / 4)
    {
        dc.SetDeviceCaps(TECHNOLOGY, technology);
        dc.SetDeviceCaps(LOGPIXELSY, dpi);
        dc.SetDeviceCaps(HORZRES, width);
        dc.SetDeviceCaps(VERTRES, width * 3 / 4);
        graph.Draw(&client, &dc);
    }
    CFixedWindow client;
    CRecordingDC dc;
    CBasicGraph graph;
};
} // namespace

TEST(ViewFont, KeepsTheLeastSizeOnASmallDisplayOnly)
{
    const struct
    {
        int width, dpi, technology, leastPoints;
        int expected; // canvas units
    } cases[] = {
        // 312 pixels across: 90 units would be 7 pixels; 7 points are 9.33 pixels, drawn
        // as 10, which are 128.2 units.
        {312, 96, DT_RASDISPLAY, 7, 129}, {312, 144, DT_RASDISPLAY, 7, 180}, // 14 pixels
        {1000, 96, DT_RASDISPLAY, 7, 90}, // 90 units are 22.5 pixels already
        {312, 96, DT_RASPRINTER, 7, 90},  // a page keeps its layout
        {312, 96, DT_RASDISPLAY, 0, 90},  // a view without a least size
    };
    for (const auto& c : cases)
    {
        CMappedDC mapped(c.width, c.dpi, c.technology);
        CViewFont viewFont;
        viewFont.SetSize(90);
        viewFont.SetLeastPoints(c.leastPoints);
        CFont font;
        ASSERT_TRUE(viewFont.CreateFont(&mapped.dc, &font));
        EXPECT_EQ(-c.expected, font.GetHeight()) << c.width << " " << c.dpi;
        EXPECT_DOUBLE_EQ(c.expected / 90.0, viewFont.ScaleOn(&mapped.dc)) << c.width;
    }
}

TEST(AxisScale, AFontFittedToItsWidthStopsAtTheLeastHeight)
{
    CRecordingDC dc;
    dc.SetCharWidth(50); // "-1620": 250 units whatever the font, for a width of 200
    CFont font;
    font.CreateFont(-90, 400, false, "Times New Roman", FF_ROMAN);
    dc.SelectObject(font);
    const CFont before = CAxisScale::FitFontToWidth(&dc, {"-1620"}, 200, 80);
    EXPECT_EQ(-80, dc.GetCurrentFont().GetHeight());
    EXPECT_EQ("Times New Roman", dc.GetCurrentFont().GetFaceName());
    dc.SelectObject(before);
    // Without a least it goes on down.
    CAxisScale::FitFontToWidth(&dc, {"-1620"}, 200);
    EXPECT_GT(dc.GetCurrentFont().GetHeight(), -72);
    // A font already below the least is not made larger.
    dc.SelectObject(before);
    CAxisScale::FitFontToWidth(&dc, {"-1620"}, 200, 120);
    EXPECT_EQ(-90, dc.GetCurrentFont().GetHeight());
}

TEST(Canvas, TheMeasuredStripsLayTheRegionsOutAndThePointerFollowsThem)
{
    CBasicGraph graph;
    graph.SetStripMeasure(
        [](CDC*)
        {
            CGraphStrips strips;
            strips.dTextScale = 1.5;
            strips.nBorder = 330;
            strips.nLeftWidth = 400;
            strips.nBottomHeight = 430;
            return strips;
        });
    CFixedWindow client(800, 600); // 5 units a pixel, 4000 by 3000
    CRecordingDC dc;
    graph.Draw(&client, &dc);
    EXPECT_EQ((CRect{0, 3000, 400, 0}), graph.m_LeftRegion.m_Rect);
    EXPECT_EQ((CRect{400, 430, 4000, 0}), graph.m_BottomRegion.m_Rect);
    EXPECT_EQ((CRect{400, 3000, 4000, 430}), graph.m_PlotRegion.m_Rect);
    EXPECT_EQ((CPoint{400, 430}), graph.GetPlotOrigin());
    EXPECT_EQ(330, graph.GetBorder());
    EXPECT_DOUBLE_EQ(1.5, graph.GetStrips().dTextScale);
    // The pixels at the plot's lower left corner are the data window's lower limits.
    const CDoubleRect window{20.0, 1.0, -30.0, 4.0};
    graph.SetClipRect(&window);
    CPoint at;
    EXPECT_DOUBLE_EQ(1.0, graph.PixelToDataX(80, 514, &at));
    EXPECT_DOUBLE_EQ(-30.0, graph.PixelToDataY(80, 514, &at));
    EXPECT_DOUBLE_EQ(4.0, graph.PixelToDataX(800, 0, &at));
    EXPECT_DOUBLE_EQ(20.0, graph.PixelToDataY(800, 0, &at));
}

TEST(GraphStrips, GrowWithTheFontAndForLabelsTooWideAtTheLeastFont)
{
    const struct
    {
        int width, technology;
        double bottom, top, step;
        int border, left;
    } cases[] = {
        // 312 pixels: a font of 129 units, 65 a character; "-30" with the label offset
        // of 20 grown to 29, the frame line and 10 to spare fits the border of 315.
        {312, DT_RASDISPLAY, -30.0, 20.0, 10.0, 315, 315},
        // "-3600" needs 5 * 65 + 29 + 8 + 10.
        {312, DT_RASDISPLAY, -3600.0, 3600.0, 600.0, 315, 372},
        // 1600 pixels: the usual font; at the least font of 25 units "-3600" needs 103.
        {1600, DT_RASDISPLAY, -3600.0, 3600.0, 600.0, 220, 220},
        // The printed page keeps the usual layout: its labels are fitted to the strip.
        {312, DT_RASPRINTER, -3600.0, 3600.0, 600.0, 220, 220},
    };
    for (const auto& c : cases)
    {
        CMappedDC mapped(c.width, 96, c.technology);
        mapped.dc.SetCharWidthPerHeight(0.5);
        CViewFont viewFont;
        viewFont.SetSize(90);
        viewFont.SetLeastPoints(7);
        const CDoubleRect window{c.top, 1.0, c.bottom, 4.0};
        const std::string titles[1] = {"db"};
        CVerticalScale vertical;
        vertical.Init(mapped.graph.m_LeftRegion, mapped.graph.m_PlotRegion, 1, titles, window,
                      c.step, c.step, 20, 60, false, 0, 1, 0);
        CHorizontalScale horizontal;
        horizontal.Init(mapped.graph.m_BottomRegion, mapped.graph.m_PlotRegion, 1, titles, window,
                        1.0, 1.0, 20, 100, true, 4, 0, 0, 8, nullptr);
        const CGraphStrips strips =
            MeasureGraphStrips(&mapped.dc, viewFont, vertical, horizontal, window);
        EXPECT_EQ(c.border, strips.nBorder) << c.width << " " << c.top;
        EXPECT_EQ(c.border, strips.nBottomHeight) << c.width << " " << c.top;
        EXPECT_EQ(c.left, strips.nLeftWidth) << c.width << " " << c.top;
    }
}
