#include "graph/NewCurveMode.h"

#include "graph/Assert.h"
#include "graph/Curve.h"

bool CNewCurveMode::Begin(CCurve* pCurve)
{
    if (!pCurve)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    m_pCurve = pCurve;
    TurnOn();
    m_pCurve->DeleteMasterPoints();
    m_pCurve->m_MasterPointMode.TurnOn();
    m_DrawPendingMode.TurnOff();
    return true;
}

bool CNewCurveMode::TurnOff()
{
    m_pCurve = nullptr;
    CMode::TurnOff();
    m_DrawPendingMode.TurnOff();
    return true;
}

bool CNewCurveMode::BuildCurve()
{
    if (IsOff() || !m_pCurve)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    return m_pCurve->FromMasterPoints();
}

bool CNewCurveMode::DrawMasterPoints(CDC* pDC)
{
    if (IsOff() || !m_pCurve || m_pCurve->GetMasterPointCount() <= 1)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    return m_pCurve->DrawMasterPoints(pDC);
}
