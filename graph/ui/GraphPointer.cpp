#include "graph/ui/GraphPointer.h"

#include "framework/core/DeviceContext.h"
#include "framework/ui/CanvasWidget.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "graph/CurveLine.h"
#include "graph/ViewFont.h"
#include "graph/ViewFontSelection.h"

#include <algorithm>

void PlaceReadoutBox(CCoordDisplay& display, const CBasicGraph& graph)
{
    const CRect& plot = graph.m_PlotRegion.m_Rect;
    const int nBorder = graph.GetBorder();
    display.m_TextRect = {plot.right - 2 * nBorder, plot.top - 1, plot.right - 1,
                          plot.top - 1 - int(1.3 * nBorder)};
}

CGraphPointer::CGraphPointer(const CParts& parts)
    : m_Parts(parts), m_ToolTipTimer([this]() { OnTimer(kToolTipTimerId); })
{
}

CCurve* CGraphPointer::NearestCurve(CPoint pixel, double* pDistance) const
{
    CCurve* pCurve = m_Parts.pEdit->FindNearestCurve(pixel.x, pixel.y);
    // A curve without points (never given one) can be neither read nor named.
    if (!pCurve || pCurve->GetTotalPoints() < 1 || pCurve->GetClippedCount() < 1)
        return nullptr;
    if (pDistance)
    {
        CPoint canvas = pixel;
        m_Parts.pGraph->DeviceToLogical(&canvas);
        *pDistance = pCurve->DistanceTo(canvas.x, canvas.y);
    }
    return pCurve;
}

void CGraphPointer::FollowTo(CPoint pixel)
{
    CCurve* pCurve = m_Parts.pEdit->m_pCurveBeingFollowed;
    CCoordDisplay& coord = *m_Parts.pCoord;
    if (dynamic_cast<CCurveLine*>(pCurve))
    {
        // A straight line (vertical ones included) takes the point of the line under the
        // pointer, which stays inside the plot area.
        CPoint canvas = pixel;
        m_Parts.pGraph->DeviceToLogical(&canvas);
        const CRect& plot = m_Parts.pGraph->m_PlotRegion.m_Rect;
        canvas.x = std::clamp(canvas.x, plot.left, plot.right);
        canvas.y = std::clamp(canvas.y, plot.bottom, plot.top);
        CDoublePoint data;
        pCurve->PointUnder(&data, &canvas);
        coord.m_DataPoint = data;
        coord.m_CrosshairPoint = canvas;
        return;
    }
    CPoint canvas;
    const double x = m_Parts.pGraph->PixelToDataX(pixel.x, pixel.y, &canvas);
    coord.m_DataPoint = {x, pCurve->YAtX(x)};
    coord.m_CrosshairPoint = pCurve->DataToLogical(coord.m_DataPoint);
}

bool CGraphPointer::OnLButtonDown(CPoint pixel)
{
    CCurveEdit& edit = *m_Parts.pEdit;
    CCoordDisplay& coord = *m_Parts.pCoord;
    if (edit.m_ReadyToFollowMode.IsOn())
    {
        CCurve* pCurve = NearestCurve(pixel, nullptr);
        if (!pCurve)
            return false;
        edit.m_FollowingMode.TurnOn();
        edit.m_ReadyToFollowMode.TurnOff();
        edit.m_TooltipsOffMode.TurnOn();
        edit.m_pCurveBeingFollowed = pCurve;
        if (coord.IsActive())
            coord.SetTracking();
        else
            coord.SetStarting();
        FollowTo(pixel);
        edit.m_CrosshairOnlyMode.TurnOn();
        coord.m_strTitle = pCurve->GetName();
        RepaintNow(false);
        return true;
    }
    if (edit.m_TooltipsOffMode.IsOn())
    {
        // The crosshair and the values stay until the next click, a clearing or an update.
        edit.m_TooltipsOffMode.TurnOff();
        edit.m_ReadyToFollowMode.TurnOn();
        coord.SetFrozen();
        return true;
    }
    return false;
}

bool CGraphPointer::OnMouseMove(CPoint pixel)
{
    m_LastMousePoint = pixel;
    CCurveEdit& edit = *m_Parts.pEdit;
    if (edit.m_TooltipsOffMode.IsOff() || !edit.m_pCurveBeingFollowed)
        return false;
    if (m_ResizePending && m_ResizePending())
        return false;
    FollowTo(pixel);
    m_Parts.pCoord->SetTracking();
    edit.m_CrosshairOnlyMode.TurnOn();
    RepaintNow(false);
    return true;
}

void CGraphPointer::ClearReadout()
{
    CCurveEdit& edit = *m_Parts.pEdit;
    edit.m_ClearCoordinatesMode.TurnOn();
    edit.m_FollowingMode.TurnOff();
    edit.m_ReadyToFollowMode.TurnOn();
    edit.m_TooltipsOffMode.TurnOff();
    edit.m_CrosshairOnlyMode.TurnOff();
    RepaintNow(true);
}

void CGraphPointer::OnWindowPosChanging()
{
    CCurveEdit& edit = *m_Parts.pEdit;
    edit.m_WindowMovedMode.TurnOn();
    edit.m_CrosshairOnlyMode.TurnOff();
    if (m_Parts.pCoord->IsActive())
        m_Parts.pCoord->ForgetDrawn();
}

void CGraphPointer::ResetModes()
{
    CCurveEdit& edit = *m_Parts.pEdit;
    edit.m_FollowingMode.TurnOff();
    edit.m_ReadyToFollowMode.TurnOn();
    edit.m_TooltipsOffMode.TurnOff();
    edit.m_CrosshairOnlyMode.TurnOff();
    edit.m_WindowMovedMode.TurnOff();
    edit.m_ClearCoordinatesMode.TurnOff();
}

std::string CGraphPointer::ToolTipText() const
{
    if (m_Parts.pCurves->empty())
        return {};
    double dDistance = 0.0;
    const CCurve* pCurve = NearestCurve(m_LastMousePoint, &dDistance);
    // The nearest search falls back on a hidden curve when none is shown: no name then.
    if (!pCurve || !pCurve->IsVisible() || dDistance > kToolTipDistance)
        return {};
    m_ToolTipTimer.Start(m_LastMousePoint);
    // The tip holds at most 79 characters.
    return pCurve->GetName().substr(0, 79);
}

void CGraphPointer::OnTimer(unsigned nId)
{
    m_ToolTipTimer.OnTimer(nId, m_LastMousePoint, m_Parts.pEdit->m_ToolTip.get());
}

bool CGraphPointer::BeginPaint(CDC* pDC)
{
    CCurveEdit& edit = *m_Parts.pEdit;
    if (edit.m_ClearCoordinatesMode.IsOn())
    {
        m_Parts.pCoord->SetOff();
        edit.m_ClearCoordinatesMode.TurnOff();
        edit.m_pCurveBeingFollowed = nullptr;
        edit.m_CrosshairOnlyMode.TurnOff();
        edit.m_ReadyToFollowMode.TurnOn();
        edit.m_TooltipsOffMode.TurnOff();
        edit.m_FollowingMode.TurnOff();
    }
    // Only a screen that still shows the graph (its plot corner is black) can take a
    // readout-only paint; a printer page always gets the whole graph.
    if (edit.m_CrosshairOnlyMode.IsOn() && !edit.IsPlotCornerBlack(pDC))
        edit.m_CrosshairOnlyMode.TurnOff();
    return edit.m_CrosshairOnlyMode.IsOn() && edit.m_WindowMovedMode.IsOff();
}

void CGraphPointer::EndPaint(CDC* pDC, bool bFullPaint)
{
    CCurveEdit& edit = *m_Parts.pEdit;
    CCoordDisplay& coord = *m_Parts.pCoord;
    if (bFullPaint && edit.m_FollowingMode.IsOn() && edit.m_pCurveBeingFollowed)
    {
        if (edit.m_CrosshairOnlyMode.IsOff() && edit.m_WindowMovedMode.IsOff() && coord.IsActive())
        {
            coord.SetTracking();
            coord.SetRepainted();
        }
        // The canvas may have changed (a resize, a printer page, the screen after one):
        // the crosshair goes back onto the curve at the shown values.
        edit.UpdateFollowPoint(&coord);
    }
    if (coord.GetState() != CCoordDisplay::kOff)
        coord.Draw(pDC);
    if (edit.GetState() == CCurveEdit::kDrawing)
        edit.DrawTemporaryCurve(pDC);
    edit.m_CrosshairOnlyMode.TurnOff();
    edit.m_WindowMovedMode.TurnOff();
}

void CGraphPointer::Paint(CDC* pDC, CViewFont& viewFont, const std::function<void(CDC*)>& drawGraph)
{
    m_Parts.pGraph->Draw(m_Parts.pView, pDC);
    const CViewFontSelection font(pDC, viewFont);
    PlaceReadoutBox(*m_Parts.pCoord, *m_Parts.pGraph);
    // After a pointer movement only the readout.
    const bool bReadoutOnly = BeginPaint(pDC);
    if (!bReadoutOnly)
        drawGraph(pDC);
    EndPaint(pDC, !bReadoutOnly);
}

void CGraphPointer::RepaintNow(bool bErase)
{
    CCanvasWidget* pView = m_Parts.pView;
    pView->Invalidate(bErase);
    if (pView->isVisible())
        pView->repaint();
}
