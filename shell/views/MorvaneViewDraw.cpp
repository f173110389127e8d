// The response view's drawing (screen, printer and preview alike).
#include "document/MorvaneDoc.h"
#include "graph/ResourceString.h"
#include "shell/views/MorvaneView.h"

bool CMorvaneView::InitVerticalScale()
{
    const std::string titles[4] = {CResourceString(130)};
    return m_VerticalScale.Init(m_BasicGraph.m_LeftRegion, m_BasicGraph.m_PlotRegion, 1, titles,
                                m_DataWindow, 5.0, 10.0, 20, 60, false, 0, 1, 0);
}

bool CMorvaneView::DrawFrequencyMarkers(CDC* pDC)
{
    return DrawMarkersOn(m_RawCurve, pDC);
}

bool CMorvaneView::DrawInstead(CDC* pDC)
{
    CNewCurveMode& newCurve = m_CurveEdit.m_NewCurveMode;
    if (newCurve.m_DrawPendingMode.IsOff())
        return false;
    newCurve.DrawMasterPoints(pDC);
    newCurve.m_DrawPendingMode.TurnOff();
    return true;
}

void CMorvaneView::DrawOverGraph(CDC* pDC)
{
    if (m_CurveEdit.m_NewCurveMode.IsOn() && GetNewCurveMasterPointCount() > 1)
        m_CurveEdit.m_NewCurveMode.DrawMasterPoints(pDC);
}

void CMorvaneView::DrawGraph(CDC* pDC)
{
    m_BasicGraph.DrawRegions(pDC);
    DrawVerticalScale(pDC);
    DrawHorizontalScale(pDC);
    if (m_RawCurveMode.IsOn())
    {
        DrawCurve(&m_RawCurve, pDC);
        DrawFrequencyMarkers(pDC);
    }
    // Later curves are drawn over earlier ones.
    const struct
    {
        CCurve* pCurve;
        const CMode* pMode;
    } curves[] = {{&m_DesiredCurve, &m_DesiredCurveMode},
                  {&m_UpperBoundCurve, &m_UpperBoundCurveMode},
                  {&m_LowerBoundCurve, &m_LowerBoundCurveMode},
                  {&m_PriorModifiedCurve, &m_PriorModifiedCurveMode},
                  {&m_ModifiedCurve, &m_ModifiedCurveMode}};
    for (const auto& c : curves)
        if (c.pMode->IsOn())
            DrawCurve(c.pCurve, pDC);
}
