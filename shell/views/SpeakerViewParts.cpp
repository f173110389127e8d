#include "shell/views/SpeakerViewParts.h"

#include "document/MorvaneDoc.h"
#include "graph/BasicGraph.h"
#include "graph/Curve.h"
#include "graph/HorizontalScale.h"
#include "graph/ResourceString.h"
#include "graph/VerticalBar.h"

#include <algorithm>
#include <vector>

namespace
{
// Marker lines are 12 canvas units wide and black; the label box is the same for all.
constexpr int kMarkerLineWidth = 12;
constexpr CRect kMarkerBox{0, 20, 40, 0};

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

bool DrawFrequencyMarkers(const CMorvaneDoc& doc, CBasicGraph& graph, const CCurve& grid,
                          const CFrequencyMarkers& markers, CDC* pDC)
{
    const int nHalfFs = doc.m_nSamplingFrequency / 2;
    const int nHigh = doc.m_nHigherFrequencyLimit;
    const bool bHalfFsBelowHigh = nHalfFs < nHigh;
    const CPoint* anchors = markers.pLabelPositions;
    const struct
    {
        CVerticalBar* pBar;
        unsigned nLabel;
        int nFrequency; // Hz
        const CPoint* pAnchor;
        int nDashed;
        int nPlacement;
        int nDash;
        int nGap;
    } bars[] = {
        {markers.pLow, 162, doc.m_nLowerFrequencyLimit, &anchors[0], 0, 3, 4, 1},
        {markers.pHigh, 163, nHigh, &anchors[bHalfFsBelowHigh ? 2 : 1], 0, 1, 4, 1},
        {markers.pHalfFs, 164, nHalfFs, &anchors[bHalfFsBelowHigh ? 1 : 2], 1, 2, 40, 20},
    };
    bool bDrawn = true;
    for (const auto& m : bars)
    {
        const int x = grid.DataXToLogicalX(SafeLog10(m.nFrequency));
        m.pBar->Init(&graph.m_PlotRegion, x, CResourceString(m.nLabel), m.nFrequency, m.pAnchor,
                     m.nDashed, kMarkerLineWidth, 0, &kMarkerBox, m.nPlacement, m.nDash, m.nGap);
        bDrawn = m.pBar->Draw(pDC) && bDrawn;
    }
    return bDrawn;
}
