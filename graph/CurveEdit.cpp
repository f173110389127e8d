#include "graph/CurveEdit.h"

#include "graph/Assert.h"
#include "graph/Curve.h"

#include <algorithm>
#include <vector>

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
