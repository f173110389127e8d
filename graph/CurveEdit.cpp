#include "graph/CurveEdit.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"

#include <algorithm>
#include <cfloat>
#include <vector>

CCurveEdit::~CCurveEdit() = default;

bool CCurveEdit::Initialize(CBasicGraph* pBasicGraph, std::vector<CCurve*>* pCurveArray,
                            CCoordDisplay* pCoord, CWnd* pView)
{
    // Every pointer is checked, so that each one missing is reported.
    const bool graphOk = MORVANE_CHECK(pBasicGraph);
    const bool curvesOk = MORVANE_CHECK(pCurveArray);
    const bool coordOk = MORVANE_CHECK(pCoord);
    MORVANE_CHECK(pView);
    if (!graphOk || !curvesOk || !coordOk)
        return false;
    this->pBasicGraph = pBasicGraph;
    this->pCurveArray = pCurveArray;
    this->pCoord = pCoord;
    this->pView = pView;
    if (pView)
    {
        m_ToolTip = pView->CreateToolTip();
        if (m_ToolTip)
        {
            CWnd* view = pView;
            m_ToolTip->AddControl(view, [view](CPoint p) { return view->GetToolTipText(p); });
            m_ToolTip->Activate(true);
        }
    }
    m_InitializedMode.TurnOn();
    IToolTip* tip = m_ToolTip.get();
    m_TooltipsOffMode.SetWindow(
        [tip](unsigned, unsigned wParam, long)
        {
            if (tip)
                tip->Activate(wParam != 0);
        });
    return true;
}

CPoint CCurveEdit::ToCanvas(CPoint pixel) const
{
    if (pBasicGraph)
        pBasicGraph->DeviceToLogical(&pixel);
    return pixel;
}

CCurve* CCurveEdit::FindNearestCurve(int x, int y) const
{
    if (!MORVANE_CHECK(pCurveArray) || pCurveArray->empty())
        return nullptr;
    const CPoint p = ToCanvas({x, y});
    CCurve* best = nullptr;
    double bestDistance = DBL_MAX;
    for (CCurve* curve : *pCurveArray)
    {
        const double d = curve && curve->IsVisible() ? curve->DistanceTo(p.x, p.y) : DBL_MAX;
        if (!best || d < bestDistance)
        {
            best = curve;
            bestDistance = d;
        }
    }
    return best;
}

bool CCurveEdit::UpdateFollowPoint(CCoordDisplay* pDisplay)
{
    if (!MORVANE_CHECK(m_pCurveBeingFollowed) || !MORVANE_CHECK(pDisplay))
        return false;
    if (pDisplay->IsActive())
        pDisplay->m_CrosshairPoint = m_pCurveBeingFollowed->DataToLogical(pDisplay->m_DataPoint);
    return true;
}

bool CCurveEdit::BeginNewCurve(long nCapacity, int nLineWidth, int nPenStyle, COLORREF color,
                               int nCreateValue1, int nCreateValue2)
{
    if (!MORVANE_CHECK(nCapacity >= 1))
        return false;
    m_nState = kDrawing;
    m_pTemporaryCurve = std::make_unique<CCurve>();
    m_pTemporaryCurve->Create(nCapacity, nLineWidth, nPenStyle, color, 0, 0, nCreateValue1,
                              nCreateValue2, true, true, "Curve");
    m_pTemporaryCurve->m_PointsAreValidMode.TurnOn();
    m_nPointsDrawn = 0;
    m_bDone = false;
    m_pCurveBeingEdited = nullptr;
    return true;
}

bool CCurveEdit::StorePoint(CPoint pixel)
{
    m_pTemporaryCurve->GetLogicalPointSlots()[m_nPointsDrawn++] = ToCanvas(pixel);
    return true;
}

bool CCurveEdit::OnLButtonDown(CPoint pixel)
{
    if (m_nState != kDrawing || m_nPointsDrawn != 0 || m_bDone || !m_pTemporaryCurve)
        return false;
    m_LastPixel = pixel;
    StorePoint(pixel);
    m_pCurveBeingEdited = FindNearestCurve(pixel.x, pixel.y);
    return true;
}

bool CCurveEdit::OnMouseMove(CPoint pixel)
{
    if (m_nState != kDrawing || m_nPointsDrawn < 1 || m_bDone || !m_pTemporaryCurve)
        return false;
    if (pixel == m_LastPixel)
        return false;
    m_LastPixel = pixel;
    // A full section keeps its first points and loses the later positions.
    if (m_nPointsDrawn + 1 >= m_pTemporaryCurve->GetSlotCount())
        return true;
    return StorePoint(pixel);
}

bool CCurveEdit::OnLButtonUp(CPoint pixel, const CRect* pPlotArea, const CDoubleRect* pWindow)
{
    if (m_nState != kDrawing || m_nPointsDrawn < 1 || m_bDone || !m_pTemporaryCurve)
        return false;
    if (m_nPointsDrawn + 1 < m_pTemporaryCurve->GetSlotCount())
        StorePoint(pixel);
    const long m = m_nPointsDrawn;
    m_pTemporaryCurve->ShortenTo(m);
    m_bDone = true;
    MergeTemporaryCurve(m, pPlotArea, pWindow);
    return true;
}

bool CCurveEdit::MergeTemporaryCurve(long m, const CRect* pPlotArea, const CDoubleRect* pWindow)
{
    if (!MORVANE_CHECK(m_pTemporaryCurve) || !MORVANE_CHECK(m_pCurveBeingEdited))
        return false;
    if (!MORVANE_CHECK(pPlotArea) || !MORVANE_CHECK(pWindow))
        return false;
    CCurve& section = *m_pTemporaryCurve;
    CPoint* pts = section.GetLogicalPointSlots();
    if (pts[0].x > pts[m - 1].x)
        ReversePoints(pts, m);
    section.SetAreaFromRect(*pPlotArea, pWindow);
    section.ComputeScales();
    for (long i = 0; i < m; ++i)
        section.m_pDblPt[i] = section.LogicalToData(pts[i].x, pts[i].y);
    return MergeSection(&section, m_pCurveBeingEdited);
}

bool CCurveEdit::MergeSection(const CCurve* pSection, CCurve* pEdited)
{
    if (!MORVANE_CHECK(pSection) || !MORVANE_CHECK(pEdited))
        return false;
    const long m = pSection->GetTotalPoints();
    const long n = pEdited->GetTotalPoints();
    if (m < 1 || n < 1)
        return false;
    const CDoublePoint* s = pSection->m_pDblPt.get();
    CDoublePoint* c = pEdited->m_pDblPt.get();
    long first = 0, last = m - 1;
    if (s[0].x < c[0].x)
    {
        c[0].y = s[0].y;
        first = 1;
    }
    if (s[m - 1].x > c[n - 1].x)
    {
        c[n - 1].y = s[m - 1].y;
        last = m - 2;
    }
    if (first > last)
        return true;
    // The range is found by x alone: the curve's nearest points to the section's ends may
    // lie outside its span, and a side without points must not widen the range.
    long a = 0;
    while (a < n && c[a].x < s[first].x)
        ++a;
    long b = n - 1;
    while (b >= 0 && c[b].x > s[last].x)
        --b;
    for (long i = a; i <= b; ++i)
        c[i].y = pSection->DataYAtX(c[i].x);
    return true;
}

bool CCurveEdit::DrawTemporaryCurve(CDC* pDC)
{
    if (m_nState != kDrawing || m_nPointsDrawn < 2 || !m_pTemporaryCurve)
        return false;
    return m_pTemporaryCurve->DrawFirstPoints(pDC, m_nPointsDrawn);
}

bool CCurveEdit::EndNewCurve()
{
    m_nState = kNormal;
    m_pTemporaryCurve.reset();
    m_nPointsDrawn = 0;
    m_bDone = false;
    m_pCurveBeingEdited = nullptr;
    return true;
}

bool CCurveEdit::ReversePoints(CPoint* pPt, long nLength)
{
    if (!MORVANE_CHECK(pPt) || !MORVANE_CHECK(nLength > 0))
        return false;
    std::reverse(pPt, pPt + nLength);
    return true;
}

bool CCurveEdit::IsPlotCornerBlack(CDC* pDC) const
{
    if (!MORVANE_CHECK(pDC) || pDC->GetDeviceCaps(TECHNOLOGY) != DT_RASDISPLAY)
        return false;
    if (!pBasicGraph)
        return true;
    const CRect& plot = pBasicGraph->m_PlotRegion.m_Rect;
    const COLORREF corner = pDC->GetPixel(plot.left, plot.bottom);
    return corner == 0 || corner == CDC::CLR_INVALID;
}

CDoubleRect CCurveEdit::GetCurvesExtent() const
{
    double xmin = DBL_MAX, ymin = DBL_MAX, xmax = -DBL_MAX, ymax = -DBL_MAX;
    if (pCurveArray)
        for (CCurve* curve : *pCurveArray)
        {
            if (!curve || curve->m_PointsAreValidMode.IsOff())
                continue;
            const CDoubleRect e = curve->GetExtent();
            xmin = std::min(xmin, e.left);
            ymin = std::min(ymin, e.bottom);
            xmax = std::max(xmax, e.right);
            ymax = std::max(ymax, e.top);
        }
    const auto orZero = [](double v) { return v == DBL_MAX || v == -DBL_MAX ? 0.0 : v; };
    return {orZero(ymax), orZero(xmin), orZero(ymin), orZero(xmax)};
}

bool CCurveEdit::HaveSameX(const CCurve* pA, const CCurve* pB)
{
    if (!MORVANE_CHECK(pA && pB))
        return false;
    if (pA->GetTotalPoints() != pB->GetTotalPoints())
        return false;
    for (long i = 0; i < pA->GetTotalPoints(); ++i)
        if (pA->m_pDblPt[i].x != pB->m_pDblPt[i].x)
            return false;
    return true;
}

bool CCurveEdit::CopyCurve(const CCurve* pSource, CCurve* pDest, COLORREF color, int nKind,
                           int nTag, const std::string& strName)
{
    if (!MORVANE_CHECK(pSource && pDest))
        return false;
    // Taken first: source and destination may be the same curve.
    const long n = pSource->GetTotalPoints();
    const std::vector<CDoublePoint> points(pSource->m_pDblPt.get(), pSource->m_pDblPt.get() + n);
    std::vector<CDoublePoint> masters;
    for (int i = 0; i < pSource->GetMasterPointCount(); ++i)
        masters.push_back(pSource->GetMasterPoint(i));
    const CDoubleRect window = pSource->GetDataWindow();
    const int masterState = pSource->m_MasterPointMode.GetState();

    pDest->Create(n, pSource->GetLineWidth(), PS_SOLID, color, nKind, nTag, 1, 0, true, true,
                  strName);
    pDest->SetDataWindow(&window);
    std::copy(points.begin(), points.end(), pDest->m_pDblPt.get());
    pDest->m_MasterPointMode.SetState(masterState);
    pDest->DeleteMasterPoints();
    for (const CDoublePoint& p : masters)
        pDest->AddMasterPoint(p);
    pDest->m_MasterPointMode.SetState(masterState);
    pDest->m_PointsAreValidMode.TurnOn();
    pDest->ComputeExtent();
    pDest->ClipPoints();
    return true;
}

bool CCurveEdit::CopyMasterPoints(const CCurve* pSource, CCurve* pDest)
{
    if (!MORVANE_CHECK(pSource && pDest))
        return false;
    if (pSource == pDest)
        return pSource->GetMasterPointCount() > 0;
    pDest->DeleteMasterPoints();
    if (pSource->GetMasterPointCount() == 0)
        return false;
    for (int i = 0; i < pSource->GetMasterPointCount(); ++i)
        pDest->AddMasterPoint(pSource->GetMasterPoint(i));
    return true;
}

bool CCurveEdit::ResampleCurve(const CCurve* pGrid, const CCurve* pSource, CCurve* pDest,
                               const std::string& strName)
{
    if (!MORVANE_CHECK(pGrid && pSource && pDest))
        return false;
    if (!MORVANE_CHECK(pSource != pDest))
        return false;
    CopyCurve(pGrid, pDest, pSource->GetColor(), pSource->GetKind(), pSource->GetTag(), strName);
    CopyMasterPoints(pSource, pDest);
    for (long i = 0; i < pDest->GetTotalPoints(); ++i)
        pDest->m_pDblPt[i].y = pSource->DataYAtX(pDest->m_pDblPt[i].x);
    pDest->ClipPoints();
    return true;
}
