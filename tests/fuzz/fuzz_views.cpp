// Whole views painted over any window, size and data: the scales, curves, master points,
// frequency markers, readout and annotation of the speaker response and phase views, of the
// filter and loudness views (linear values over log frequency) and of the compression plots
// (square canvas, special-limits scales, legend lines and texts), each put together from the
// display-free parts the views draw with, as the views put them together. Undefined
// behaviour halts the run; every point drawn must stay within the reach the canvas positions
// are held to, plus what a text, gap or marker adds to one, and a frequency marker draws its
// line and boxes only inside the plot's width.
// The input (ReadSetup): flags, client or page size, dots per inch, the data window, the
// three marker frequencies, the readout's data point, the annotation's origin, the number of
// master points, then points (x, y) to the end: the master points first, the curve's after.
#include "FuzzCanvas.h"
#include "FuzzSupport.h"
#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "framework/core/RecordingDC.h"
#include "framework/core/Window.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/CurveLine.h"
#include "graph/GraphAnnotationSet.h"
#include "graph/GraphStrips.h"
#include "graph/HorizontalScale.h"
#include "graph/HorizontalScaleSpecialLimits.h"
#include "graph/SquareGraph.h"
#include "graph/VerticalBar.h"
#include "graph/VerticalScale.h"
#include "graph/VerticalScaleSpecialLimits.h"
#include "graph/ViewFont.h"
#include "graph/ViewFontSelection.h"
#include "shell/views/SpeakerViewParts.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
constexpr int kLargestPixels = 32767;
constexpr int kLeastViewWidth = 250; // the speaker views' least client area, about
constexpr int kLeastViewHeight = 60;
constexpr std::size_t kMostPoints = 512;

// flags: bits 0-1 the view (0 response, 1 phase, 2 filter or loudness, 3 compression),
// bit 2 a printed page.
enum EView
{
    kResponse,
    kPhase,
    kFilter,
    kCompression
};

struct CViewSetup
{
    EView view = kResponse;
    bool bPrinter = false;
    int nWidth = 1, nHeight = 1;
    int nDpi = 96;
    CDoubleRect window;      // {ymax, xmin, ymin, xmax}; x in log10 Hz but for the compression plot
    int frequencies[3] = {}; // low and high limit, sampling frequency
    CDoublePoint readout;
    CPoint annotationOrigin;
    std::vector<CDoublePoint> masterPoints;
    std::vector<CDoublePoint> points;
};

CViewSetup ReadSetup(CFuzzInput& input)
{
    CViewSetup s;
    const auto flags = input.Take<std::uint8_t>();
    s.view = EView(flags & 3);
    s.bPrinter = flags & 4;
    s.nWidth = input.InRange(1, kLargestPixels);
    s.nHeight = input.InRange(1, kLargestPixels);
    s.nDpi = input.InRange(48, 600);
    s.window.top = input.Double();
    s.window.left = input.Double();
    s.window.bottom = input.Double();
    s.window.right = input.Double();
    for (int& f : s.frequencies)
        f = input.Take<std::int32_t>();
    s.readout = {input.Double(), input.Double()};
    s.annotationOrigin = {input.Take<std::int16_t>(), input.Take<std::int16_t>()};
    const std::size_t nMasters = input.Take<std::uint8_t>() % 9;
    while (input.Left() > 0 && s.masterPoints.size() + s.points.size() < kMostPoints)
    {
        const CDoublePoint p{input.Double(), input.Double()};
        (s.masterPoints.size() < nMasters ? s.masterPoints : s.points).push_back(p);
    }
    return s;
}

// The scales of a view as the views set theirs up: value lines and labels every so many
// units, label offset 20 and title spacing 60; under the plot, lines and labels every step,
// logarithmic (by the decade, in Hz) or linear, title spacing 100.
struct CScaleSteps
{
    std::string valueTitle, acrossTitle;
    double valueLines, valueLabels, across;
    bool bLogarithmic;
};
void InitScales(CVerticalScale& vertical, CHorizontalScale& horizontal, const CBasicGraph& graph,
                const CDoubleRect& window, const CScaleSteps& steps)
{
    const std::string value[1] = {steps.valueTitle};
    const std::string across[1] = {steps.acrossTitle};
    vertical.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, value, window, steps.valueLines,
                  steps.valueLabels, 20, 60, false, 0, 1, 0);
    horizontal.Init(graph.m_BottomRegion, graph.m_PlotRegion, 1, across, window, steps.across,
                    steps.across, 20, 100, steps.bLogarithmic, steps.bLogarithmic ? 4 : 0, 0, 0, 8,
                    nullptr);
}

// A curve of the points in the window, laid out on the plot as the views lay theirs out.
void SetCurve(CCurve& curve, const std::vector<CDoublePoint>& points, const CDoubleRect& window)
{
    curve.Create(long(points.size()), 2, PS_SOLID, RGB(0, 0, 255), 1, 0, 1, 0, true, true, "Curve");
    curve.SetDataWindow(&window);
    std::copy(points.begin(), points.end(), curve.m_pDblPt.get());
    curve.m_PointsAreValidMode.TurnOn();
    for (const CDoublePoint& p : points)
        curve.AddMasterPoint(p);
}

void DrawCurves(CRecordingDC& dc, const CBasicGraph& graph, const CViewSetup& s, CCurve& curve)
{
    const CRect& plot = graph.m_PlotRegion.m_Rect;
    SetCurve(curve, s.points, s.window);
    CheckedDraw(dc,
                [&]
                {
                    curve.Layout(plot.left, plot.bottom, plot.right, plot.top, &s.window);
                    curve.Draw(&dc);
                });
    CCurve masters;
    SetCurve(masters, s.masterPoints, s.window);
    masters.SetAreaFromRect(plot, &s.window);
    if (masters.GetMasterPointCount() > 1)
        CheckedDraw(dc, [&] { masters.DrawMasterPoints(&dc); });
}

// The readout where the views put it, its crosshair on the curve's point.
void DrawReadout(CRecordingDC& dc, const CBasicGraph& graph, const CCurve& curve,
                 const CDoublePoint& point)
{
    CCoordDisplay display;
    const CRect& plot = graph.m_PlotRegion.m_Rect;
    const int nBorder = graph.GetBorder();
    display.m_TextRect = {plot.right - 2 * nBorder, plot.top - 1, plot.right - 1,
                          plot.top - 1 - int(1.3 * nBorder)};
    display.m_strTitle = "Curve";
    display.m_DataPoint = point;
    display.m_CrosshairPoint = curve.DataToLogical(point);
    display.SetStarting();
    CheckedDraw(dc, [&] { display.Draw(&dc); });
}

// The markers draw their line and boxes only inside the plot's width.
void CheckMarkersInPlot(const CRecordingDC& dc, const CRect& plot)
{
    for (const CRecordingDC::Call& call : dc.Calls())
        if (call.op == CRecordingDC::Op::Polyline || call.op == CRecordingDC::Op::FillSolidRect)
            for (const CPoint& p : call.points)
                if (p.x < plot.left || p.x > plot.right)
                    std::abort();
}

void PaintGraphView(CRecordingDC& dc, const CViewSetup& s)
{
    CFixedWindow client(s.bPrinter ? s.nWidth : std::max(s.nWidth, kLeastViewWidth),
                        s.bPrinter ? s.nHeight : std::max(s.nHeight, kLeastViewHeight));
    CHeadlessAppServices app;
    CMorvaneDoc doc(app);
    doc.m_nLowerFrequencyLimit = s.frequencies[0];
    doc.m_nHigherFrequencyLimit = s.frequencies[1];
    doc.m_nSamplingFrequency = s.frequencies[2];
    const bool bSpeaker = s.view != kFilter;

    CViewFont font;
    font.SetSize(90);
    font.SetLeastPoints(CViewFont::kReadablePoints);
    CBasicGraph graph;
    CVerticalScale vertical;
    CHorizontalScale horizontal;
    const std::string frequency = "Frequency Hz";
    InitScales(vertical, horizontal, graph, s.window, {"db", frequency, 5.0, 10.0, 1.0, true});
    graph.SetStripMeasure(
        [&](CDC* pDC)
        {
            CGraphStrips strips = MeasureGraphStrips(pDC, font, vertical, horizontal, s.window);
            if (bSpeaker)
            {
                const CViewFontSelection selection(pDC, font);
                MakeRoomForMarkers(pDC, doc, frequency, graph.GetWidth(), &strips);
            }
            return strips;
        });
    graph.SetClipRect(&s.window);
    graph.Draw(&client, &dc);
    const CViewFontSelection selection(&dc, font);
    CheckedDraw(dc, [&] { graph.DrawRegions(&dc); });
    vertical.SetRects(graph.m_LeftRegion, graph.m_PlotRegion);
    horizontal.SetRects(graph.m_BottomRegion, graph.m_PlotRegion);
    CheckedDraw(dc, [&] { vertical.Draw(&dc, &s.window); });
    CheckedDraw(dc, [&] { horizontal.Draw(&dc, s.window); });
    CCurve curve;
    DrawCurves(dc, graph, s, curve);
    if (bSpeaker)
    {
        CVerticalBar low, high, halfFs;
        CheckedDraw(dc,
                    [&] {
                        DrawFrequencyMarkers(doc, graph, curve, {&low, &high, &halfFs}, &dc);
                    });
        // Drawn again through the view's mapping, as the view draws them: a dashed line draws
        // as many dashes as the device pixels it spans allow.
        CRecordingDC markers;
        markers.SetMapMode(dc.GetMapMode());
        markers.SetWindowExt(dc.GetWindowExt());
        markers.SetWindowOrg(dc.GetWindowOrg());
        markers.SetViewportExt(dc.GetViewportExt());
        markers.SetViewportOrg(dc.GetViewportOrg());
        for (const CVerticalBar* bar : {&low, &high, &halfFs})
            bar->Draw(&markers);
        CheckMarkersInPlot(markers, graph.m_PlotRegion.m_Rect);
    }
    DrawReadout(dc, graph, curve, s.readout);
}

// The compression plots, their font fitted to the canvas as the views fit theirs.
void PaintCompressionView(CRecordingDC& dc, const CViewSetup& s)
{
    CFixedWindow client(s.nWidth, s.nHeight);
    CSquareGraph graph;
    graph.Draw(&client, &dc);
    CViewFont font;
    font.SetSize(80);
    FitCompressionFont(dc, font, graph);
    const double dTextScale = font.ScaleOn(&dc);
    const int nLeastHeight = CViewFont::LeastHeight(&dc, font.GetLeastPoints());

    // The legend of the views: a title, a line and a text per curve, and values, placed from
    // an origin in the strip left of the plot.
    CGraphAnnotationSet annotation;
    annotation.m_ViewFont.SetSize(80);
    const CPoint o = s.annotationOrigin;
    annotation.m_Title.SetText("Compression").SetPosition(o.x, o.y + 560);
    for (int row = 0; row < 3; ++row)
    {
        CSimpleLine line;
        line.m_Points[0] = {o.x + 20, o.y + 400 - 120 * row};
        line.m_Points[1] = {o.x + 120, o.y + 400 - 120 * row};
        annotation.m_Lines.Add(line);
        CGraphLabel label("Threshold");
        label.SetPosition(o.x + 140, o.y + 380 - 120 * row);
        annotation.m_FirstLabels.Add(label);
    }
    CheckedDraw(
        dc,
        [&] { annotation.SetScale(&dc, dTextScale, CGraphStrips::kBorder, graph.GetHeight()); });

    const CViewFontSelection selection(&dc, font);
    CVerticalScaleSpecialLimits vertical;
    CHorizontalScaleSpecialLimits horizontal;
    InitScales(vertical, horizontal, graph, s.window,
               {"Output db", "Input db", 10.0, 10.0, 10.0, false});
    vertical.SetTextScale(dTextScale, nLeastHeight);
    horizontal.SetTextScale(dTextScale, nLeastHeight);
    CheckedDraw(dc, [&] { graph.DrawRegions(&dc); });
    CheckedDraw(dc, [&] { vertical.Draw(&dc, &s.window); });
    annotation.m_TextsRight = vertical.GetLabelsLeft() - graph.GetStrips().Scaled(40);
    CheckedDraw(dc, [&] { horizontal.Draw(&dc, s.window); });
    CheckedDraw(dc, [&] { annotation.Draw(&dc); });
    CCurveLine line;
    DrawCurves(dc, graph, s, line);
    DrawReadout(dc, graph, line, s.readout);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SilenceFuzzReports();
    CFuzzInput input(data, size);
    const CViewSetup s = ReadSetup(input);
    CRecordingDC dc;
    SetUpFuzzDevice(dc, s.nDpi, s.bPrinter, s.nWidth, s.nHeight);
    if (s.view == kCompression)
        PaintCompressionView(dc, s);
    else
        PaintGraphView(dc, s);
    return 0;
}
