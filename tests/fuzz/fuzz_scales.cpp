// The axis scales of every view drawn over any window, steps and size that reach them: the
// vertical and horizontal scales (linear and logarithmic) on the canvas of the speaker
// views, and the special-limits and compression-plot scales on the square canvas of the
// compression views, with the compression plot's titles and ranges at any data position.
// The canvas is laid out for a client area or a printed page of up to 32767 pixels each way
// (the most X11 gives a window), its strips and font measured as the views measure them.
// Undefined behaviour halts the run; every point drawn must stay within the reach a scale
// holds its canvas positions to, plus what a text, gap or arrow adds to one.
// The input (ReadSetup): flags, client or page size, dots per inch, the data window, the
// two steps, label offset, title spacing and pen width, the compression plot's two title
// positions and its two ranges' ends, then the titles and the ranges' texts.
#include "FuzzCanvas.h"
#include "FuzzSupport.h"
#include "framework/core/RecordingDC.h"
#include "framework/core/Window.h"
#include "graph/BasicGraph.h"
#include "graph/GraphStrips.h"
#include "graph/HorizontalScale.h"
#include "graph/HorizontalScaleDRC.h"
#include "graph/HorizontalScaleSpecialLimits.h"
#include "graph/SquareGraph.h"
#include "graph/VerticalScale.h"
#include "graph/VerticalScaleSpecialLimits.h"
#include "graph/ViewFont.h"
#include "graph/ViewFontSelection.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
constexpr int kLargestPixels = 32767;
// The speaker views' frames are no smaller than 267 x 100 pixels (CMDIChildFrame): their
// client areas, about this.
constexpr int kLeastViewWidth = 250;
constexpr int kLeastViewHeight = 60;

// flags: bit 0 the compression views' square canvas, bit 1 a printed page, bit 2 a
// logarithmic horizontal axis.
struct CScaleSetup
{
    bool bSquare = false;
    bool bPrinter = false;
    bool bLogarithmic = false;
    int nWidth = 1, nHeight = 1; // pixels of the client area or page
    int nDpi = 96;
    CDoubleRect window;
    double lineStep = 0.0;
    double labelStep = 0.0;
    int nLabelOffset = 0;
    int nTitleSpacing = 0;
    int nPenWidth = 0;
    double titlePositions[2] = {};
    double spanEnds[4] = {};
    std::string titles[2];
    std::string spanTexts[2];
};

CScaleSetup ReadSetup(CFuzzInput& input)
{
    CScaleSetup s;
    const auto flags = input.Take<std::uint8_t>();
    s.bSquare = flags & 1;
    s.bPrinter = flags & 2;
    s.bLogarithmic = flags & 4;
    s.nWidth = input.InRange(1, kLargestPixels);
    s.nHeight = input.InRange(1, kLargestPixels);
    s.nDpi = input.InRange(48, 600);
    // {ymax, xmin, ymin, xmax}
    s.window.top = input.Double();
    s.window.left = input.Double();
    s.window.bottom = input.Double();
    s.window.right = input.Double();
    s.lineStep = input.Double();
    s.labelStep = input.Double();
    // The views' offsets and spacings are tens of canvas units, their pens a few.
    s.nLabelOffset = input.Take<std::uint8_t>();
    s.nTitleSpacing = input.Take<std::uint8_t>();
    s.nPenWidth = input.Take<std::uint8_t>() % 17;
    for (double& x : s.titlePositions)
        x = input.Double();
    for (double& x : s.spanEnds)
        x = input.Double();
    for (std::string& text : s.titles)
        text = input.Text();
    for (std::string& text : s.spanTexts)
        text = input.Text();
    return s;
}

void InitVertical(CVerticalScale& scale, const CBasicGraph& graph, const CScaleSetup& s)
{
    scale.Init(graph.m_LeftRegion, graph.m_PlotRegion, 1, s.titles, s.window, s.lineStep,
               s.labelStep, s.nLabelOffset, s.nTitleSpacing, false, s.nPenWidth, 0, 0);
}

void InitHorizontal(CHorizontalScale& scale, const CBasicGraph& graph, const CScaleSetup& s,
                    int nTitles)
{
    scale.Init(graph.m_BottomRegion, graph.m_PlotRegion, nTitles, s.titles, s.window, s.lineStep,
               s.labelStep, s.nLabelOffset, s.nTitleSpacing, s.bLogarithmic, s.nPenWidth, 0, 0, 8,
               nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SilenceFuzzReports();
    CFuzzInput input(data, size);
    const CScaleSetup s = ReadSetup(input);

    CRecordingDC dc;
    SetUpFuzzDevice(dc, s.nDpi, s.bPrinter, s.nWidth, s.nHeight);
    CViewFont font;
    font.SetSize(s.bSquare ? 80 : 90);
    font.SetLeastPoints(CViewFont::kReadablePoints);

    if (!s.bSquare)
    {
        CFixedWindow client(s.bPrinter ? s.nWidth : std::max(s.nWidth, kLeastViewWidth),
                            s.bPrinter ? s.nHeight : std::max(s.nHeight, kLeastViewHeight));
        // The speaker views: strips measured for their font and labels on every draw.
        CBasicGraph graph;
        CVerticalScale vertical;
        CHorizontalScale horizontal;
        InitVertical(vertical, graph, s);
        InitHorizontal(horizontal, graph, s, 1);
        graph.SetStripMeasure(
            [&](CDC* pDC)
            { return MeasureGraphStrips(pDC, font, vertical, horizontal, s.window); });
        graph.Draw(&client, &dc);
        const CViewFontSelection selection(&dc, font);
        vertical.SetRects(graph.m_LeftRegion, graph.m_PlotRegion);
        horizontal.SetRects(graph.m_BottomRegion, graph.m_PlotRegion);
        CheckedDraw(dc, [&] { vertical.Draw(&dc, &s.window); });
        CheckedDraw(dc, [&] { horizontal.Draw(&dc, s.window); });
        return 0;
    }

    // The compression views: the special-limits scales and the compression plot's, whose
    // titles and ranges stand at data positions the view sets.
    // A compression window of any size, its font fitted as the views fit theirs.
    CFixedWindow client(s.nWidth, s.nHeight);
    CSquareGraph graph;
    graph.Draw(&client, &dc);
    FitCompressionFont(dc, font, graph);
    const double dTextScale = font.ScaleOn(&dc);
    const int nLeastHeight = CViewFont::LeastHeight(&dc, font.GetLeastPoints());
    const CViewFontSelection selection(&dc, font);
    CVerticalScaleSpecialLimits vertical;
    CHorizontalScaleSpecialLimits horizontal;
    CHorizontalScaleDRC drc;
    InitVertical(vertical, graph, s);
    InitHorizontal(horizontal, graph, s, 1);
    InitHorizontal(drc, graph, s, 2);
    for (CAxisScale* scale :
         {static_cast<CAxisScale*>(&vertical), static_cast<CAxisScale*>(&horizontal),
          static_cast<CAxisScale*>(&drc)})
        scale->SetTextScale(dTextScale, nLeastHeight);
    for (int i = 0; i < 2; ++i)
        drc.SetEntry(s.titlePositions[i], i);
    drc.m_Span1.m_Start.x = s.spanEnds[0];
    drc.m_Span1.m_End.x = s.spanEnds[1];
    drc.m_Span2.m_Start.x = s.spanEnds[2];
    drc.m_Span2.m_End.x = s.spanEnds[3];
    drc.m_Span1.m_strText = s.spanTexts[0];
    drc.m_Span2.m_strText = s.spanTexts[1];
    CheckedDraw(dc, [&] { vertical.Draw(&dc, &s.window); });
    CheckedDraw(dc, [&] { horizontal.Draw(&dc, s.window); });
    CheckedDraw(dc, [&] { drc.Draw(&dc, s.window); });
    return 0;
}
