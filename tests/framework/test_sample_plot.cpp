// Renders a complete speaker-response plot, drawn the way the response view draws it, to
// sample_response_plot.png in the build folder so that a person can look at it.
#include "QtTestApp.h"
#include "framework/core/Window.h"
#include "framework/ui/PainterDC.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/HorizontalScale.h"
#include "graph/VerticalBar.h"
#include "graph/VerticalScale.h"
#include "graph/ViewFont.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <cmath>

namespace
{
constexpr int kPoints = 241;

// A measured-looking response in dB at frequency f: a second-order roll-off at 70 Hz, a
// presence bump near 2.5 kHz, a treble roll-off above 14 kHz and some ripple.
double RawResponse(double f)
{
    const double r = f / 70.0;
    const double highPass = 10.0 * std::log10(std::pow(r, 4) / (1 + std::pow(r, 4)));
    const double lf = std::log10(f);
    const double bump = 5.0 * std::exp(-std::pow((lf - std::log10(2500.0)) / 0.15, 2));
    const double treble = -10.0 * std::log10(1 + std::pow(f / 14000.0, 4));
    return highPass + bump + treble + 1.5 * std::sin(lf * 9.0) - 2.0;
}

void MakeCurve(CCurve& curve, COLORREF color, int kind, const std::string& name,
               const CDoubleRect& window)
{
    curve.Create(kPoints, 2, PS_SOLID, color, kind, 1, 1, 0, true, true, name);
    curve.SetDataWindow(&window);
}

// What the response view draws on a repaint, in its order.
void DrawResponsePlot(CWnd* pWnd, CDC* pDC)
{
    const CDoubleRect window{12.0, std::log10(20.0), -30.0, std::log10(20000.0)};
    CBasicGraph graph;
    graph.SetClipRect(&window);
    graph.Draw(pWnd, pDC);
    CViewFont viewFont;
    viewFont.SetSize(90);
    CFont font;
    viewFont.CreateFont(pDC, &font);
    const CFont oldFont = pDC->SelectObject(font);

    CCurve raw, desired, upper, lower;
    MakeCurve(raw, RGB(0, 0, 255), 1, "Raw Curve", window);
    MakeCurve(desired, RGB(0, 0, 0), 2, "Desired Response Curve", window);
    MakeCurve(upper, RGB(255, 0, 255), 4, "Upper Bound Curve", window);
    MakeCurve(lower, RGB(255, 0, 255), 3, "Lower Bound Curve", window);
    for (int i = 0; i < kPoints; ++i)
    {
        const double x = std::log10(20.0) + 3.0 * i / (kPoints - 1);
        raw.m_pDblPt[i] = {x, RawResponse(std::pow(10.0, x))};
        desired.m_pDblPt[i] = upper.m_pDblPt[i] = lower.m_pDblPt[i] = {x, 0.0};
    }
    raw.m_PointsAreValidMode.TurnOn();
    desired.m_PointsAreValidMode.TurnOn();
    for (const auto& [f, db] :
         {std::pair{20.0, -6.0}, {90.0, 0.0}, {12000.0, 0.0}, {20000.0, -4.0}})
        desired.AddMasterPoint(std::log10(f), db);
    desired.FromMasterPoints();
    for (int i = 0; i < kPoints; ++i)
    {
        upper.m_pDblPt[i].y = desired.m_pDblPt[i].y + 3.0;
        lower.m_pDblPt[i].y = desired.m_pDblPt[i].y - 3.0;
    }
    upper.m_PointsAreValidMode.TurnOn();
    lower.m_PointsAreValidMode.TurnOn();

    graph.DrawRegions(pDC);
    const std::string db[4] = {"db"};
    CVerticalScale vertical;
    vertical.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, db, window, 5.0, 10.0, 20, 60, false,
                  0, 1, 0);
    vertical.Draw(pDC, &window);
    const std::string hz[1] = {"Frequency Hz"};
    CHorizontalScale horizontal;
    horizontal.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, hz, window, 1.0, 1.0, 20, 100,
                    true, 4, 0, 0, 8, nullptr);
    horizontal.Draw(pDC, window);

    const CRect& plot = graph.m_PlotRegion.m_Rect;
    raw.Layout(plot.left, plot.bottom, plot.right, plot.top, &window);
    raw.Draw(pDC);
    const CRect box{0, 20, 40, 0};
    const struct
    {
        const char* label;
        double frequency;
        CPoint anchor;
        int dashed, placement, dash, gap;
    } markers[] = {{"LF", 60, {543, 120}, 0, 3, 4, 1},
                   {"HF", 12000, {2879, 120}, 0, 1, 4, 1},
                   {"1/2 Fs", 19000, {3463, 120}, 1, 2, 40, 20}};
    for (const auto& m : markers)
    {
        CVerticalBar bar;
        bar.Init(&graph.m_PlotRegion, raw.DataXToLogicalX(std::log10(m.frequency)), m.label,
                 m.frequency, &m.anchor, m.dashed, 12, 0, &box, m.placement, m.dash, m.gap);
        bar.Draw(pDC);
    }
    for (CCurve* curve : {&desired, &upper, &lower})
    {
        curve->Layout(plot.left, plot.bottom, plot.right, plot.top, &window);
        curve->Draw(pDC);
    }

    CCoordDisplay readout;
    readout.m_strTitle = "Response";
    readout.m_strXUnit = "Hz";
    readout.m_strYUnit = "db";
    const int border = graph.GetBorder();
    readout.m_TextRect = {plot.right - 2 * border, plot.top - 1, plot.right - 1,
                          plot.top - 1 - int(1.3 * border)};
    readout.m_DataPoint = {std::log10(2500.0), raw.DataYAtX(std::log10(2500.0))};
    readout.m_CrosshairPoint = raw.DataToLogical(readout.m_DataPoint);
    readout.SetStarting();
    readout.Draw(pDC);
    pDC->SelectObject(oldFont);
}
} // namespace

namespace
{
// Pixels that are not white.
long Ink(const QImage& image)
{
    long n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) | 0xFF000000) != 0xFFFFFFFF;
    return n;
}

// The bounding box of the pure white pixels: the page the preview shows on its grey
// background.
QRect WhiteArea(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000) == 0xFFFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

// The print preview shows the page as it is printed: the plot drawn on the preview's
// printer and shown at the preview's zoom carries as much ink as the same plot drawn
// straight onto an image of that size. Pen widths taken in the wrong units (pixels of the
// printer shown as pixels of the screen) turned the frames and grid lines into bars.
TEST(SamplePlot, ThePrintPreviewPageLooksLikeThePrintedPage)
{
    TestApp();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [](QPrinter* pPrinter)
                     {
                         QPainter painter(pPrinter);
                         CPainterDC dc(&painter);
                         DrawResponsePlot(nullptr, &dc);
                     });
    preview.resize(1400, 1100);
    preview.show();
    preview.fitInView();
    preview.updatePreview();
    QCoreApplication::processEvents();
    const QImage shot = preview.grab().toImage();
    const QRect page = WhiteArea(shot);
    ASSERT_GT(page.width(), 600);
    const QImage previewPage = shot.copy(page);

    QImage printed(page.size(), QImage::Format_RGB32);
    printed.fill(Qt::white);
    {
        QPainter painter(&printed);
        CPainterDC dc(&painter, DT_RASPRINTER);
        DrawResponsePlot(nullptr, &dc);
    }
    ASSERT_TRUE(previewPage.save(QString(MORVANE_TEST_OUTPUT_DIR) + "/print_preview_page.png"));
    ASSERT_TRUE(printed.save(QString(MORVANE_TEST_OUTPUT_DIR) + "/printed_page.png"));
    const double ratio = double(Ink(previewPage)) / double(Ink(printed));
    EXPECT_GT(ratio, 0.6);
    EXPECT_LT(ratio, 1.6);
}

TEST(SamplePlot, SpeakerResponseRendersToPng)
{
    TestApp();
    QImage image(1200, 800, QImage::Format_RGB32);
    image.fill(Qt::white);
    CFixedWindow client(image.width(), image.height());
    {
        QPainter painter(&image);
        CPainterDC dc(&painter);
        DrawResponsePlot(&client, &dc);
    }
    const QString path = QString(MORVANE_TEST_OUTPUT_DIR) + "/sample_response_plot.png";
    ASSERT_TRUE(image.save(path));

    // Every curve colour made it onto the plot.
    int blue = 0, magenta = 0, black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
        {
            const QRgb p = image.pixel(x, y) | 0xFF000000;
            blue += p == qRgb(0, 0, 255);
            magenta += p == qRgb(255, 0, 255);
            black += p == qRgb(0, 0, 0);
        }
    EXPECT_GT(blue, 1000);
    EXPECT_GT(magenta, 2000);
    EXPECT_GT(black, 5000);
}

// The texts placed nearest the right edge fit the canvas in the view font: the rightmost
// marker label from its anchor to the canvas edge, and the readout lines within their
// 440-unit box. A serif face much wider than the one the layout was made for (the display
// then falls back to another family) would run them off the window.
TEST(SamplePlot, RightmostTextsFitTheCanvas)
{
    TestApp();
    QImage image(1200, 800, QImage::Format_RGB32);
    CFixedWindow client(image.width(), image.height());
    QPainter painter(&image);
    CPainterDC dc(&painter);
    CBasicGraph graph;
    graph.Draw(&client, &dc);
    CViewFont viewFont;
    viewFont.SetSize(90);
    CFont font;
    ASSERT_TRUE(viewFont.CreateFont(&dc, &font));
    const CFont oldFont = dc.SelectObject(font);
    EXPECT_LE(3463 + dc.GetTextExtent("1/2 Fs 24000").cx, graph.GetWidth());
    const int box = 2 * graph.GetBorder() - 1 - 4;
    for (const char* line : {"Response", "20000.0Hz", "-30.0db"})
        EXPECT_LE(dc.GetTextExtent(line).cx, box) << line;
    dc.SelectObject(oldFont);
}

namespace
{
// The painter's device context, noting the rectangle of every text it draws (canvas units,
// y up) as its alignment places it.
class CTextBoxDC : public CPainterDC
{
public:
    using CPainterDC::CPainterDC;
    bool TextOut(int x, int y, const std::string& text) override
    {
        const CSize size = GetTextExtent(text);
        const unsigned align = GetTextAlign();
        int left = x;
        if ((align & TA_CENTER) == TA_CENTER)
            left -= size.cx / 2;
        else if (align & TA_RIGHT)
            left -= size.cx;
        const int top = (align & TA_BOTTOM) ? y + size.cy : y;
        boxes.push_back({text, CRect{left, top, left + size.cx, top - size.cy}});
        return CPainterDC::TextOut(x, y, text);
    }
    struct CBox
    {
        std::string text;
        CRect rect;
    };
    std::vector<CBox> boxes;
};
} // namespace

// The axis labels of a phase view running to -1620 degrees, and the frequency labels up
// to the window's end, fit the canvas at every window size: no minus sign or last digit
// is cut off. The top value, the strip's top, has no room at its line and is left out;
// the step under it is labelled where the steps keep apart.
TEST(SamplePlot, AxisLabelsFitTheCanvasAtAnySize)
{
    TestApp();
    for (const QSize size : {QSize(267, 100), QSize(400, 300), QSize(800, 600), QSize(1024, 350),
                             QSize(1600, 1000), QSize(1600, 250)})
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        CFixedWindow client(size.width(), size.height());
        QPainter painter(&image);
        CTextBoxDC dc(&painter);
        const CDoubleRect window{-1080.0, 1.0, -1620.0, 4.0};
        CBasicGraph graph;
        graph.SetClipRect(&window);
        graph.Draw(&client, &dc);
        CViewFont viewFont;
        viewFont.SetSize(90);
        CFont font;
        viewFont.CreateFont(&dc, &font);
        dc.SelectObject(font);
        const std::string deg[1] = {"Deg"};
        CVerticalScale vertical;
        vertical.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, deg, window, 60.0, 60.0, 20, 60,
                      false, 0, 1, 0);
        vertical.Draw(&dc, &window);
        const std::string hz[1] = {"Frequency Hz"};
        CHorizontalScale horizontal;
        horizontal.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, hz, window, 1.0, 1.0, 20, 100,
                        true, 4, 0, 0, 8, nullptr);
        horizontal.Draw(&dc, window);
        bool bTop = false, bUnderTop = false;
        for (const CTextBoxDC::CBox& box : dc.boxes)
        {
            EXPECT_GE(box.rect.left, 0) << box.text << " " << size.width();
            EXPECT_LE(box.rect.right, graph.GetWidth()) << box.text << " " << size.width();
            EXPECT_GE(box.rect.bottom, 0) << box.text << " " << size.height();
            EXPECT_LE(box.rect.top, graph.GetHeight()) << box.text << " " << size.height();
            bTop = bTop || box.text == "-1080";
            bUnderTop = bUnderTop || box.text == "-1140";
        }
        EXPECT_FALSE(bTop) << size.width();
        // A low view labels every fifth step only.
        if (size.height() >= 300)
        {
            EXPECT_TRUE(bUnderTop) << size.width();
        }
        if (size == QSize(800, 600))
            image.save(QString(MORVANE_TEST_OUTPUT_DIR) + "/phase_axis_labels.png");
    }
}
