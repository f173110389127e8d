#include "QtTestApp.h"
#include "framework/core/Window.h"
#include "framework/ui/PainterDC.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace
{
constexpr QRgb kWhite = 0xFFFFFFFF;

// An 800 x 600 retained image mapped to the canvas: 5 canvas units per pixel, device
// y = 600 - canvas y / 5.
class PainterTest : public ::testing::Test
{
protected:
    PainterTest() : image(800, 600, QImage::Format_RGB32), client(800, 600)
    {
        TestApp();
        image.fill(Qt::white);
        painter.begin(&image);
        dc = std::make_unique<CPainterDC>(&painter);
        graph.Draw(&client, dc.get());
    }
    ~PainterTest() override
    {
        dc.reset();
        painter.end();
    }
    QImage Snapshot()
    {
        painter.end();
        QImage copy = image.copy();
        painter.begin(&image);
        dc = std::make_unique<CPainterDC>(&painter);
        graph.Draw(&client, dc.get());
        return copy;
    }
    // The bounding box of non-white pixels.
    static QRect Ink(const QImage& img)
    {
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != kWhite)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    QImage image;
    QPainter painter;
    CFixedWindow client;
    std::unique_ptr<CPainterDC> dc;
    CBasicGraph graph;
};
} // namespace

TEST_F(PainterTest, DeviceCapsOfARasterImage)
{
    EXPECT_EQ(DT_RASDISPLAY, dc->GetDeviceCaps(TECHNOLOGY));
    EXPECT_EQ(800, dc->GetDeviceCaps(HORZRES));
    EXPECT_EQ(600, dc->GetDeviceCaps(VERTRES));
    EXPECT_EQ(QPointF(44, 278), dc->ToDevice(220, 1610));
}

TEST_F(PainterTest, CurveLandsOnTheExpectedPixels)
{
    CDoubleRect window{10.0, 0.0, -10.0, 10.0};
    CCurve curve;
    curve.Create(3, 2, PS_SOLID, RGB(255, 0, 0), 1, 0, 1, 0, true, true, "Raw");
    curve.m_pDblPt[0] = {1.0, 0.0};
    curve.m_pDblPt[1] = {5.0, 0.0};
    curve.m_pDblPt[2] = {9.0, 5.0};
    curve.Layout(220, 220, 4000, 3000, &window);
    ASSERT_TRUE(curve.Draw(dc.get()));
    const QImage img = Snapshot();
    // y = 0 lies at canvas 1610, pixel row 278; x = 1..5 at canvas 598..2110, pixels 120..422.
    for (int x = 125; x <= 415; x += 10)
        EXPECT_EQ(qRgb(255, 0, 0), img.pixel(x, 278) | 0xFF000000) << x;
    EXPECT_EQ(kWhite, img.pixel(300, 270));
    EXPECT_EQ(kWhite, img.pixel(300, 286));
    // The rising piece ends at (9, 5): canvas (3622, 2305), pixel (724, 139).
    EXPECT_NE(kWhite, img.pixel(724, 139));
    EXPECT_EQ(kWhite, img.pixel(760, 139));
}

TEST_F(PainterTest, ThinPensAreOnePixelAndWideDashedPensDrawSolid)
{
    dc->SelectObject(CPen(PS_SOLID, 1, 0));
    const CPoint thin[2] = {{500, 1000}, {3500, 1000}};
    dc->Polyline(thin, 2);
    dc->SelectObject(CPen(PS_DASH, 25, RGB(0, 0, 255)));
    const CPoint wide[2] = {{500, 2000}, {3500, 2000}};
    dc->Polyline(wide, 2);
    const QImage img = Snapshot();
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(400, 400));
    EXPECT_EQ(kWhite, img.pixel(400, 399));
    EXPECT_EQ(kWhite, img.pixel(400, 401));
    int blue = 0;
    for (int x = 110; x < 690; ++x)
        blue += img.pixel(x, 200) == qRgb(0, 0, 255);
    EXPECT_EQ(580, blue); // no gaps
    int rows = 0;
    for (int y = 190; y < 210; ++y)
        rows += img.pixel(400, y) == qRgb(0, 0, 255);
    EXPECT_EQ(5, rows); // 25 canvas units = 5 pixels
}

// Grid lines of one pen come out equally wide wherever they fall: 1.2 and 2.4 pixels are
// drawn as 1 and 2 whole pixels, so a thin line never looks like a decade line beside it.
TEST_F(PainterTest, PenWidthsAreWholePixelsWhereverTheLineFalls)
{
    const struct
    {
        int width, pixels, y;
    } pens[] = {{6, 1, 2500}, {12, 2, 1500}, {13, 3, 500}};
    for (const auto& pen : pens)
    {
        dc->SelectObject(CPen(PS_SOLID, pen.width, 0));
        for (int x = 300; x < 3800; x += 137)
        {
            const CPoint line[2] = {{x, pen.y + 200}, {x, pen.y - 200}};
            dc->Polyline(line, 2);
        }
    }
    const QImage img = Snapshot();
    for (const auto& pen : pens)
    {
        const int row = 600 - pen.y / 5;
        int run = 0, lines = 0;
        for (int x = 0; x <= img.width(); ++x)
        {
            if (x < img.width() && img.pixel(x, row) != kWhite)
            {
                ++run;
                continue;
            }
            if (run > 0)
            {
                EXPECT_EQ(pen.pixels, run) << "pen " << pen.width << " ending at pixel " << x;
                ++lines;
            }
            run = 0;
        }
        EXPECT_EQ(26, lines) << pen.width;
    }
}

// A curve of many more points than pixels (here 20000 canvas points over 700 pixels) is
// drawn from the points that reach another pixel. Against the same curve stroked point by
// point, only pixels at the stroke's edge may differ (the path between two kept points
// runs a fraction of a pixel away): few, and each next to ink in both images.
TEST_F(PainterTest, DenseCurveDrawsThePixelsOfEveryPoint)
{
    std::vector<CPoint> points;
    for (int i = 0; i < 20000; ++i)
    {
        const double x = 300 + i * 0.175;
        points.push_back({int(x), int(1500 + 900 * std::sin(x / 97.0) + 300 * std::sin(x / 7.0))});
    }
    auto inkNear = [](const QImage& img, int x, int y)
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (img.valid(x + dx, y + dy) && img.pixel(x + dx, y + dy) != kWhite)
                    return true;
        return false;
    };
    for (const int width : {1, 12, 13})
    {
        image.fill(Qt::white);
        dc->SelectObject(CPen(PS_SOLID, width, 0));
        dc->Polyline(points.data(), int(points.size()));
        const QImage drawn = Snapshot();

        // The same pen and mapping on the painter, every point.
        dc->SelectObject(CPen(PS_SOLID, width, 0));
        dc->Polyline(points.data(), 2);
        image.fill(Qt::white);
        QPolygon every;
        for (const CPoint& p : points)
            every.append(QPoint(p.x, p.y));
        painter.drawPolyline(every);
        const QImage expected = Snapshot();

        int ink = 0, differing = 0, away = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
            {
                ink += expected.pixel(x, y) != kWhite;
                if (drawn.pixel(x, y) == expected.pixel(x, y))
                    continue;
                ++differing;
                away += !inkNear(drawn, x, y) || !inkNear(expected, x, y);
            }
        EXPECT_GT(ink, 10000) << "pen width " << width;
        EXPECT_LT(differing, ink / 50) << "pen width " << width;
        EXPECT_EQ(away, 0) << "pen width " << width;
    }
}

// A frame that reaches the right and top edges of the canvas stays inside the window: the
// readout box of a view ends one unit left of the canvas's right edge.
TEST_F(PainterTest, RectangleFrameStaysInsideTheWindowEdge)
{
    dc->SelectObject(CPen(PS_SOLID, 1, 0));
    ASSERT_TRUE(dc->Rectangle(3560, 3000, 3999, 2714));
    const QImage img = Snapshot();
    // Canvas x 3560 to 3999 is device 712 to 799.8, y 3000 to 2714 is rows 0 to 57.2.
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(799, 30) | 0xFF000000);
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(712, 30) | 0xFF000000);
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(750, 0) | 0xFF000000);
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(750, 56) | 0xFF000000);
    EXPECT_EQ(kWhite, img.pixel(750, 58));
    EXPECT_EQ(kWhite, img.pixel(750, 30));
}

TEST_F(PainterTest, SecondCrosshairDrawErasesTheFirst)
{
    const QImage before = Snapshot();
    dc->SetROP2(R2_NOT);
    const CPoint across[2] = {{1940, 1500}, {2060, 1500}};
    const CPoint up[2] = {{2000, 1440}, {2000, 1560}};
    for (int pass = 0; pass < 2; ++pass)
    {
        dc->Polyline(across, 2);
        dc->Polyline(up, 2);
        const QImage now = Snapshot();
        if (pass == 0)
            EXPECT_NE(before, now);
        else
            EXPECT_EQ(before, now);
        dc->SetROP2(R2_NOT);
    }

    // The coordinate display moving its crosshair leaves nothing at the old place.
    CCoordDisplay display;
    display.m_TextRect = {3560, 2999, 3999, 2713};
    display.SetStarting();
    display.m_CrosshairPoint = {1000, 1000};
    display.Draw(dc.get());
    const QImage first = Snapshot();
    EXPECT_EQ(qRgb(0, 0, 0), first.pixel(210, 400)); // the centre is inverted twice
    display.m_CrosshairPoint = {2000, 2000};
    display.Draw(dc.get());
    const QImage second = Snapshot();
    EXPECT_EQ(before.copy(150, 350, 100, 100), second.copy(150, 350, 100, 100));
    EXPECT_EQ(qRgb(0, 0, 0), second.pixel(410, 200));
}

TEST_F(PainterTest, TextIsUprightAtItsAnchor)
{
    CFont font;
    font.CreateFont(-200, 400, false, "DejaVu Sans", FF_SWISS);
    dc->SelectObject(font);
    dc->SetTextAlign(TA_LEFT | TA_TOP);
    dc->TextOut(1000, 2000, "T");
    const CSize extent = dc->GetTextExtent("T");
    QImage img = Snapshot();
    const QRect ink = Ink(img);
    ASSERT_FALSE(ink.isEmpty());
    // Left and top at the anchor (pixel 200, 200): the glyph hangs below it.
    EXPECT_GE(ink.top(), 200);
    EXPECT_LE(ink.top(), 215);
    EXPECT_GE(ink.left(), 195);
    EXPECT_LE(ink.left(), 215);
    // A T: its top row is much wider than its bottom row.
    auto rowWidth = [&](int y)
    {
        int n = 0;
        for (int x = ink.left(); x <= ink.right(); ++x)
            n += img.pixel(x, y) != kWhite;
        return n;
    };
    EXPECT_GT(rowWidth(ink.top() + 1), 3 * rowWidth(ink.bottom() - 1));

    // Extents in canvas units: five units per pixel.
    EXPECT_NEAR(ink.width() * 5, extent.cx, 40);
    EXPECT_GE(extent.cy, 200);

    // Bottom and right alignment put the glyph above and left of the anchor.
    painter.fillRect(image.rect(), Qt::white);
    dc->SelectObject(font);
    dc->SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc->TextOut(2000, 1000, "T");
    img = Snapshot();
    const QRect ink2 = Ink(img);
    EXPECT_LE(ink2.bottom(), 400);
    EXPECT_LE(ink2.right(), 400);
    EXPECT_GE(ink2.right(), 385);
}

TEST_F(PainterTest, PixelsReadBackThroughTheMapping)
{
    dc->FillSolidRect({0, 3000, 4000, 0}, RGB(0, 128, 0));
    EXPECT_EQ(RGB(0, 128, 0), dc->GetPixel(2000, 1500));
    EXPECT_EQ(CDC::CLR_INVALID, dc->GetPixel(-100, 1500));
}

// On a surface wider than the canvas (4100 pixels for 4000 units), a point held to the int
// range (a curve's value far above its window) lies beyond it in pixels: the polyline is
// drawn, and the conversion stays defined (the sanitizer build checks it).
// On a surface of more pixels than canvas units, a point at an end of the int range lies
// beyond the int range in pixels. The polyline (10, 10), (INT_MAX, INT_MAX), (INT_MIN,
// INT_MIN) runs along the canvas's diagonal y = x, out and back through the canvas: the one
// line drawn is that diagonal, from the bottom left corner to the top of the surface.
TEST(WideSurface, PointsAtTheEndsOfTheIntRangeAreDrawnWhereTheyLie)
{
    TestApp();
    QImage image(4100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CPainterDC dc(&painter);
    CFixedWindow client(4100, 40);
    CBasicGraph graph;
    graph.Draw(&client, &dc);
    ASSERT_GT(dc.ToDevice(4000, 0).x() - dc.ToDevice(0, 0).x(), 4000.0);
    dc.SelectObject(CPen(PS_SOLID, 1, 0));
    const CPoint points[3] = {{10, 10}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}};
    EXPECT_TRUE(dc.Polyline(points, 3));
    painter.end();
    // The whole surface, and its left end (where the line is) eight times as large.
    image.save(QString(MORVANE_TEST_OUTPUT_DIR) + "/wide_surface_diagonal.png");
    image.copy(0, 0, 80, 40)
        .scaled(640, 320)
        .save(QString(MORVANE_TEST_OUTPUT_DIR) + "/wide_surface_diagonal_left_end.png");

    // The diagonal in pixels, and the column where it leaves the top of the surface.
    const QPointF a = dc.ToDevice(0, 0), b = dc.ToDevice(1000, 1000);
    const double slope = (b.y() - a.y()) / (b.x() - a.x());
    const auto rowAt = [&](double x) { return a.y() + (x - a.x()) * slope; };
    const double exit = a.x() - a.y() / slope;
    int inked = 0, stray = 0;
    for (int x = 0; x < image.width(); ++x)
    {
        bool bInk = false;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != kWhite)
            {
                bInk = true;
                // A pixel's centre lies within a pixel of the line.
                if (std::fabs(y + 0.5 - rowAt(x + 0.5)) > 1.5)
                    ++stray;
            }
        // Every column the diagonal crosses inside the surface holds it.
        if (x >= a.x() + 1 && x + 1 <= exit - 1)
        {
            EXPECT_TRUE(bInk) << "column " << x;
        }
        inked += bInk;
    }
    EXPECT_EQ(0, stray);
    EXPECT_GE(inked, int(exit - a.x()) - 2);
    EXPECT_LE(inked, int(exit - a.x()) + 2);
}

TEST(PrinterDC, PagedDevicesArePrinters)
{
    TestApp();
    const QString path = QString(MORVANE_TEST_OUTPUT_DIR) + "/printer_caps.pdf";
    QPdfWriter writer(path);
    writer.setResolution(300);
    QPainter painter(&writer);
    CPainterDC dc(&painter);
    EXPECT_EQ(DT_RASPRINTER, dc.GetDeviceCaps(TECHNOLOGY));
    // The page in pixels of 1/96 inch, as a display would show it.
    const int width = int(std::lround(writer.width() * 96.0 / 300.0));
    const int height = int(std::lround(writer.height() * 96.0 / 300.0));
    EXPECT_EQ(width, dc.GetDeviceCaps(HORZRES));
    EXPECT_EQ(height, dc.GetDeviceCaps(VERTRES));
    EXPECT_EQ(96, dc.GetDeviceCaps(LOGPIXELSX));
    CBasicGraph graph;
    graph.Draw(nullptr, &dc);
    EXPECT_EQ(width, graph.GetDeviceWidth());
    EXPECT_EQ(int(4000 / (double(width) / height)), graph.GetHeight());
    // The canvas fills the page: its far corner maps to the page's.
    EXPECT_NEAR(dc.ToDevice(4000, 0).x() * 300.0 / 96.0, writer.width(), 300.0 / 96.0);
    EXPECT_TRUE(graph.DrawRegions(&dc));
    painter.end();
}
