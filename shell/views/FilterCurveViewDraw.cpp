// The filter views' drawing (screen, printer and preview alike) and their printing.
#include "document/MorvaneDoc.h"
#include "graph/ResourceString.h"
#include "graph/ViewFontSelection.h"
#include "graph/ui/GraphPointer.h"
#include "shell/views/FilterCurveView.h"
#include "shell/views/SpeakerViewParts.h"

namespace
{
// Axis values of both views: label offset 20, title spacing 60, linear, pen 0 solid black.
constexpr int kLabelOffset = 20;
constexpr int kTitleSpacing = 60;

} // namespace

bool CFilterCurveView::InitVerticalScale()
{
    const std::string titles[1] = {m_Traits.pValueUnit};
    return m_VerticalScale.Init(m_BasicGraph.m_LeftRegion, m_BasicGraph.m_PlotRegion, 1, titles,
                                m_DataWindow, m_Traits.dGridStep, m_Traits.dLabelStep, kLabelOffset,
                                kTitleSpacing, false, 0, 1, 0);
}

bool CFilterCurveView::InitHorizontalScale()
{
    // Grid lines and labels every decade, labelled in Hz.
    const std::string titles[1] = {CResourceString(131)};
    return m_HorizontalScale.Init(m_BasicGraph.m_BottomRegion, m_BasicGraph.m_PlotRegion, 1, titles,
                                  m_DataWindow, 1.0, 1.0, 20, 100, true, 4, 0, 0, 8, nullptr);
}

void CFilterCurveView::OnDraw(CDC* pDC)
{
    m_BasicGraph.Draw(this, pDC);
    const CViewFontSelection font(pDC, m_ViewFont);

    PlaceReadoutBox(m_CoordDisplay, m_BasicGraph);

    CCurveEdit& edit = m_CurveEdit;
    if (edit.m_ClearCoordinatesMode.IsOn())
    {
        m_CoordDisplay.SetOff();
        edit.m_ClearCoordinatesMode.TurnOff();
        edit.m_pCurveBeingFollowed = nullptr;
        edit.m_FollowingMode.TurnOff();
        edit.m_CrosshairOnlyMode.TurnOff();
        edit.m_ReadyToFollowMode.TurnOn();
        edit.m_TooltipsOffMode.TurnOff();
    }
    const bool bRaster = pDC->GetDeviceCaps(TECHNOLOGY) == DT_RASDISPLAY;
    // The quick path needs the plot on the screen to draw the readout over.
    if (edit.m_CrosshairOnlyMode.IsOn() && bRaster && !edit.IsPlotCornerBlack(pDC))
        edit.m_CrosshairOnlyMode.TurnOff();

    if (edit.m_CrosshairOnlyMode.IsOff() || edit.m_WindowMovedMode.IsOn())
    {
        m_BasicGraph.DrawRegions(pDC);
        m_VerticalScale.SetRects(m_BasicGraph.m_LeftRegion, m_BasicGraph.m_PlotRegion);
        m_VerticalScale.Draw(pDC, &m_DataWindow);
        m_HorizontalScale.SetRects(m_BasicGraph.m_BottomRegion, m_BasicGraph.m_PlotRegion);
        m_HorizontalScale.Draw(pDC, m_DataWindow);
        const CRect& plot = m_BasicGraph.m_PlotRegion.m_Rect;
        if (m_nCurveState != 1)
            for (CCurve* pCurve : m_Curves)
            {
                pCurve->Layout(plot.left, plot.bottom, plot.right, plot.top, &m_DataWindow);
                pCurve->Draw(pDC);
            }
        // A full paint left no crosshair on the screen to erase.
        if (edit.m_CrosshairOnlyMode.IsOff() && edit.m_WindowMovedMode.IsOff() &&
            m_CoordDisplay.IsActive())
        {
            m_CoordDisplay.SetTracking();
            m_CoordDisplay.SetRepainted();
        }
        if (edit.m_FollowingMode.IsOn() && edit.m_pCurveBeingFollowed &&
            (edit.m_WindowMovedMode.IsOn() || !bRaster))
            edit.UpdateFollowPoint(&m_CoordDisplay);
    }
    if (m_CoordDisplay.GetState() != CCoordDisplay::kOff)
        m_CoordDisplay.Draw(pDC);
    edit.m_CrosshairOnlyMode.TurnOff();
    edit.m_WindowMovedMode.TurnOff();
}

bool CFilterCurveView::OnUpdateFilePrint() const
{
    return !m_Doc.GetCalculationRunning() && m_nCurveState != 1;
}
