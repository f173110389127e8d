// The response view's mouse: the coordinate readout, the master points of a new desired
// curve, the free-hand replacement of a section of a curve, and the curve-name tooltips.
#include "document/MorvaneDoc.h"
#include "graph/MatrixUtilities.h"
#include "shell/views/MorvaneView.h"

void CMorvaneView::OnLButtonDown(CPoint point)
{
    if (m_NoCurvesMode.IsOn())
        return;
    CNewCurveMode& newCurve = m_CurveEdit.m_NewCurveMode;
    if (newCurve.IsOn())
    {
        CCurve* pCurve = newCurve.GetCurve();
        if (!pCurve)
            return;
        // The canvas may have changed since the curve was laid out (a resize).
        pCurve->LayoutInRect(GetPlotArea(), &m_DataWindow);
        CPoint canvas = point;
        m_BasicGraph.DeviceToLogical(&canvas);
        // Master points may lie outside the plot area: no clamping.
        pCurve->AddMasterPoint(pCurve->LogicalToData(canvas.x, canvas.y));
        if (pCurve->GetMasterPointCount() > 1)
        {
            newCurve.m_DrawPendingMode.TurnOn();
            m_Pointer.RepaintNow(false);
        }
        return;
    }
    if (m_CurveEdit.OnLButtonDown(point))
        return;
    m_Pointer.OnLButtonDown(point);
}

void CMorvaneView::OnMouseMove(CPoint point)
{
    m_Pointer.RememberPointer(point);
    if (m_CurveEdit.OnMouseMove(point))
    {
        m_CurveEdit.m_CrosshairOnlyMode.TurnOn();
        m_Pointer.RepaintNow(false);
        return;
    }
    m_Pointer.OnMouseMove(point);
}

void CMorvaneView::OnLButtonUp(CPoint point)
{
    const CRect plot = GetPlotArea();
    if (!m_CurveEdit.OnLButtonUp(point, &plot, &m_DataWindow))
        return;
    if (m_CurveEdit.IsNewCurveComplete())
        if (const CCurve* pEdited = m_CurveEdit.GetCurveBeingEdited())
            ReturnEditedCurve(*pEdited);
    m_CurveEdit.EndNewCurve();
    m_Doc.m_ReplaceSectionMode.TurnOff();
    // The path drawn over the graph goes with the old curve.
    m_Pointer.RepaintNow(true);
}

void CMorvaneView::ReturnEditedCurve(const CCurve& curve)
{
    switch (curve.GetKind())
    {
    case 1:
        // The raw phase stays; the complex response follows the edited magnitudes.
        m_Doc.ComputeCurvePoint(curve, m_Doc.m_RawResponse);
        CurveValuesToMatrix(&curve, &m_Doc.m_RawMagnitudeDb);
        m_Doc.m_RawFile.MarkNewContent();
        break;
    case 2:
    case 3:
    case 4:
    {
        mwMatrix* const targets[] = {&m_Doc.m_DesiredResponse, &m_Doc.m_LowerTolerance,
                                     &m_Doc.m_UpperTolerance};
        CurveValuesToMatrix(&curve, targets[curve.GetKind() - 2]);
        m_Doc.m_DesiredCurveFile.MarkNewContent();
        break;
    }
    default:
        // The modified responses are results: only the view's curve changes.
        break;
    }
}
