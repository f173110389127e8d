#include "shell/views/SpeakerViewParts.h"

#include "document/MorvaneDoc.h"
#include "framework/core/DeviceContext.h"
#include "graph/BasicGraph.h"
#include "graph/Curve.h"
#include "graph/GraphStrips.h"
#include "graph/HorizontalScale.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "graph/VerticalBar.h"

#include <algorithm>
#include <vector>

namespace
{
// Marker lines are 12 canvas units wide and black; the label box is the same for all.
constexpr int kMarkerLineWidth = 12;
constexpr CRect kMarkerBox{0, 20, 40, 0};
// The line of the marker labels (their tops) and, with the usual font, their distances
// from the left end of the strip under the plot and from the right end of the canvas.
constexpr int kMarkerLine = 120;
constexpr int kLowFromLeft = 323;
constexpr int kFirstFromRight = 1121;
constexpr int kSecondFromRight = 537;
// The least space between a marker label and the title, and the height of a line of the
// strip under the plot (the frequency axis's title spacing), with the usual font.
constexpr int kTitleGap = 45;
constexpr int kLineHeight = 100;

// A marker of the document: its label's string id, its frequency in Hz, the anchor its
// label takes (0 to 2) and its line.
struct CMarker
{
    unsigned nLabel;
    int nFrequency;
    int nAnchor;
    int nDashed;
    int nPlacement;
    int nDash;
    int nGap;
};

// The label of the higher of the high limit and half the sampling frequency stays on the
// right.
std::vector<CMarker> Markers(const CMorvaneDoc& doc)
{
    const int nHalfFs = doc.m_nSamplingFrequency / 2;
    const int nHigh = doc.m_nHigherFrequencyLimit;
    const bool bHalfFsBelowHigh = nHalfFs < nHigh;
    return {
        {162, doc.m_nLowerFrequencyLimit, 0, 0, 3, 4, 1},
        {163, nHigh, bHalfFsBelowHigh ? 2 : 1, 0, 1, 4, 1},
        {164, nHalfFs, bHalfFsBelowHigh ? 1 : 2, 1, 2, 40, 20},
    };
}

std::string MarkerText(const CMarker& marker)
{
    return CVerticalBar::Text(CResourceString(marker.nLabel), marker.nFrequency);
}

// The values by linear index; none for a matrix never assigned (no result yet), which
// the matrix layer would otherwise report as a reference to an uninitialized variable.
std::vector<double> RealValues(const mwMatrix& m)
{
    if (!m.IsInitialized())
        return {};
    std::vector<double> values(std::size_t(std::max(m.NumberOfElements(), 0)));
    if (!values.empty())
        m.CopyRealTo(values.data());
    return values;
}
} // namespace

bool SetSpeakerCurve(CCurve* pCurve, const mwMatrix& x, const mwMatrix& y,
                     const CSpeakerCurveStyle& style, CDoubleRect* pWindow)
{
    if (!pCurve)
        return false;
    const std::vector<double> xs = RealValues(x);
    const std::vector<double> ys = RealValues(y);
    const long n = ys.size() < xs.size() ? 0 : long(xs.size());
    pCurve->Create(n, kSpeakerCurveLineWidth, PS_SOLID, style.color, style.nKind, style.nTag, 1, 0,
                   true, true, style.pName);
    if (n == 0)
        return false;
    pCurve->SetDataWindow(pWindow);
    for (long i = 0; i < n; ++i)
        pCurve->m_pDblPt[i] = {xs[std::size_t(i)], ys[std::size_t(i)]};
    pCurve->m_PointsAreValidMode.TurnOn();
    pCurve->ComputeExtent();
    pCurve->ClipPoints();
    return true;
}

void PlaceMarkerLabels(const CGraphStrips& strips, int nWidth, CPoint (&anchors)[3])
{
    const int y = strips.Scaled(kMarkerLine);
    anchors[0] = {strips.nLeftWidth + strips.Scaled(kLowFromLeft), y};
    anchors[1] = {nWidth - strips.Scaled(kFirstFromRight), y};
    anchors[2] = {nWidth - strips.Scaled(kSecondFromRight), y};
}

void MakeRoomForMarkers(CDC* pDC, const CMorvaneDoc& doc, const std::string& title, int nWidth,
                        CGraphStrips* pStrips)
{
    CPoint anchors[3];
    PlaceMarkerLabels(*pStrips, nWidth, anchors);
    const int titleLeft = GetCenteredTextX(pDC, title, pStrips->nLeftWidth, nWidth);
    const int titleRight = titleLeft + pDC->GetTextExtent(title).cx;
    const int gap = pStrips->Scaled(kTitleGap);
    bool bFits = true;
    for (const CMarker& marker : Markers(doc))
    {
        const int left = anchors[marker.nAnchor].x;
        const int right = left + pDC->GetTextExtent(MarkerText(marker)).cx;
        bFits = bFits && (right + gap <= titleLeft || left >= titleRight + gap);
    }
    if (!bFits)
        pStrips->nBottomHeight += pStrips->Scaled(kLineHeight);
}

bool DrawFrequencyMarkers(const CMorvaneDoc& doc, CBasicGraph& graph, const CCurve& grid,
                          const CFrequencyMarkers& markers, CDC* pDC)
{
    CPoint anchors[3];
    PlaceMarkerLabels(graph.GetStrips(), graph.GetWidth(), anchors);
    CVerticalBar* bars[3] = {markers.pLow, markers.pHigh, markers.pHalfFs};
    bool bDrawn = true;
    int i = 0;
    for (const CMarker& m : Markers(doc))
    {
        CVerticalBar* pBar = bars[i++];
        const int x = grid.DataXToLogicalX(SafeLog10(m.nFrequency));
        pBar->Init(&graph.m_PlotRegion, x, CResourceString(m.nLabel), m.nFrequency,
                   &anchors[m.nAnchor], m.nDashed, kMarkerLineWidth, 0, &kMarkerBox, m.nPlacement,
                   m.nDash, m.nGap);
        bDrawn = pBar->Draw(pDC) && bDrawn;
    }
    return bDrawn;
}
