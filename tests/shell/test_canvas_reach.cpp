// The speaker views over windows whose positions lie far off the canvas: a narrow
// frequency window (1000 to 1000.002 Hz, accepted by the Speaker Border page, put the LF
// and HF markers at the int range's end, and "x - w / 2" of the marker boxes overflowed;
// at 1000 to 1000.0001 Hz two black bars ran across the whole view, the value strip
// included), the widest value window and one of no finite scale, at several sizes. Every
// position drawn stays within the canvas reach, and the markers draw their lines and boxes
// only inside the plot.
#include "shell/views/MorvaneView.h"
#include "shell/views/PhaseView.h"

#include "graph/BasicGraph.h"
#include "graph/CFormat.h"
#include "graph/CanvasReach.h"
#include "tests/shell/SpeakerViewFixture.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <string>

namespace
{
constexpr int kMarkerLineWidth = 12; // canvas units, the markers' lines

struct CWindow
{
    double lowDb, highDb, lowHz, highHz;
};
constexpr CWindow kWindows[] = {
    {40.0, 100.0, 20.0, 20000.0},       // the usual
    {40.0, 100.0, 1000.0, 1000.002},    // the markers at the int range's end
    {80.0, 90.0, 1000.0, 1000.0001},    // the bars across the view
    {-1e308, 1e308, 10.0, 24000.0},     // the widest value window
    {1e-310, 2e-310, 1000.0, 1000.002}, // no finite value scale
    {40.0, 100.0, 1e-300, 1e300},       // the widest frequency window
};
constexpr struct
{
    int width, height;
} kSizes[] = {{800, 600}, {1358, 390}, {250, 60}, {3840, 2160}};

std::string Name(const CWindow& w, int width, int height)
{
    return FormatC("%g..%g dB, %.10g..%.10g Hz at %dx%d", w.lowDb, w.highDb, w.lowHz, w.highHz,
                   width, height);
}

// Every point of the paint within the reach, give or take the canvas's own size (a text
// or a box beside a held position); the markers' lines and boxes inside the plot's width.
void ExpectInReach(const CRecordingDC& dc, const CBasicGraph& graph, const std::string& name)
{
    const long long bound = (long long)kCanvasReach + graph.GetWidth() + graph.GetHeight();
    const CRect& plot = graph.m_PlotRegion.m_Rect;
    for (const CRecordingDC::Call& call : dc.Calls())
    {
        for (const CPoint& p : call.points)
            ASSERT_TRUE(std::llabs(p.x) <= bound && std::llabs(p.y) <= bound)
                << name << ": " << p.x << ", " << p.y;
        const bool bMarker =
            (call.op == CRecordingDC::Op::Polyline && call.pen.GetWidth() == kMarkerLineWidth) ||
            call.op == CRecordingDC::Op::FillSolidRect;
        for (const CPoint& p : call.points)
        {
            if (bMarker)
            {
                EXPECT_TRUE(p.x >= plot.left && p.x <= plot.right) << name << ": " << p.x;
            }
        }
    }
}

// No column of the label strip left of the plot, inside its frame, is black from top to
// bottom (a marker's bar across it).
void ExpectNoBarAcrossTheStrip(const QImage& image, const CBasicGraph& graph,
                               const std::string& name)
{
    const int stripRight = CanvasToPixel(graph, {graph.m_PlotRegion.m_Rect.left, 0}).x - 6;
    const int frame = CanvasToPixel(graph, {graph.m_nRegionPenWidth, 0}).x + 2;
    for (int x = frame; x < stripRight; ++x)
    {
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            black += qGray(image.pixel(x, y)) < 64;
        EXPECT_LT(black, image.height() * 3 / 4) << name << ": column " << x;
    }
}
} // namespace

class ResponseReachTest : public SpeakerViewTest<CMorvaneView>
{
};

TEST_F(ResponseReachTest, EveryPositionStaysInReachAndTheMarkersInThePlot)
{
    ASSERT_TRUE(Open("spk.raw", RawText({{1000.0, 6.0}}, 200)));
    for (const auto& size : kSizes)
        for (const CWindow& w : kWindows)
        {
            view->resize(size.width, size.height);
            PaintWithRange(0, w.lowDb, w.highDb, w.lowHz, w.highHz);
            ExpectInReach(*dc, view->GetGraph(), Name(w, size.width, size.height));
        }
}

TEST_F(ResponseReachTest, ANarrowFrequencyWindowShowsNoBarsAcrossTheLabels)
{
    ASSERT_TRUE(Open("spk.raw", RawText({{1000.0, 6.0}}, 200)));
    const struct
    {
        int width, height;
        const char* file;
    } shots[] = {{800, 600, "reach_response_1000_to_1000.0001_hz.png"},
                 {1358, 390, "reach_response_1000_to_1000.0001_hz_low.png"}};
    for (const auto& shot : shots)
    {
        view->resize(shot.width, shot.height);
        PaintWithRange(0, 80.0, 90.0, 1000.0, 1000.0001);
        // The markers' texts are still told under the plot.
        EXPECT_TRUE(HasText("LF 20"));
        EXPECT_TRUE(HasText("HF 20000"));
        view->Redraw(true);
        const QImage& image = view->RetainedImage();
        EXPECT_TRUE(image.save(QString(MORVANE_TEST_OUTPUT_DIR) + "/" + shot.file));
        ExpectNoBarAcrossTheStrip(image, view->GetGraph(), shot.file);
    }
}

class PhaseReachTest : public SpeakerViewTest<CPhaseView>
{
};

TEST_F(PhaseReachTest, EveryPositionStaysInReachAndTheMarkersInThePlot)
{
    SetDocumentCurve(&CMorvaneDoc::m_RawPhase, std::vector<double>(200, 30.0),
                     kHintRawPhaseChanged);
    for (const auto& size : kSizes)
        for (const CWindow& w : kWindows)
        {
            view->resize(size.width, size.height);
            PaintWithRange(1, w.lowDb, w.highDb, w.lowHz, w.highHz);
            ExpectInReach(*dc, view->GetGraph(), Name(w, size.width, size.height));
        }
}
