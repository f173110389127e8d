// The response view's drawing (screen, printer and preview alike) and its printing.
#include "document/MorvaneDoc.h"
#include "framework/ui/PainterDC.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "graph/Restore.h"
#include "shell/views/MorvaneView.h"

#include <optional>

bool CMorvaneView::InitVerticalScale()
{
    const std::string titles[4] = {CResourceString(130)};
    return m_VerticalScale.Init(m_BasicGraph.m_LeftRegion, m_BasicGraph.m_PlotRegion, 1, titles,
                                m_DataWindow, 5.0, 10.0, 20, 60, false, 0, 1, 0);
}

bool CMorvaneView::InitHorizontalScale()
{
    const std::string titles[1] = {CResourceString(131)};
    return m_HorizontalScale.Init(m_BasicGraph.m_BottomRegion, m_BasicGraph.m_PlotRegion, 1, titles,
                                  m_DataWindow, 1.0, 1.0, 20, 100, true, 4, 0, 0, 8, nullptr);
}

bool CMorvaneView::DrawVerticalScale(CDC* pDC)
{
    m_VerticalScale.SetRects(m_BasicGraph.m_LeftRegion, m_BasicGraph.m_PlotRegion);
    return m_VerticalScale.Draw(pDC, &m_DataWindow);
}

bool CMorvaneView::DrawHorizontalScale(CDC* pDC)
{
    m_HorizontalScale.SetRects(m_BasicGraph.m_BottomRegion, m_BasicGraph.m_PlotRegion);
    return m_HorizontalScale.Draw(pDC, m_DataWindow);
}

bool CMorvaneView::DrawCurve(CCurve* pCurve, CDC* pDC)
{
    const CRect& plot = m_BasicGraph.m_PlotRegion.m_Rect;
    pCurve->Layout(plot.left, plot.bottom, plot.right, plot.top, &m_DataWindow);
    return pCurve->Draw(pDC);
}

bool CMorvaneView::DrawFrequencyMarkers(CDC* pDC)
{
    return ::DrawFrequencyMarkers(m_Doc, m_BasicGraph, m_RawCurve,
                                  {&m_LowFreqBar, &m_HighFreqBar, &m_HalfFsBar, m_LabelPositions},
                                  pDC);
}

void CMorvaneView::OnDraw(CDC* pDC)
{
    m_BasicGraph.Draw(this, pDC);
    // Without the view's font the texts are drawn in the one selected.
    CFont font;
    std::optional<CFontRestorer> fontRestorer;
    if (m_ViewFont.CreateFont(pDC, &font))
        fontRestorer.emplace(pDC, &font);

    // The readout box: top right corner of the plot area.
    const CRect& plot = m_BasicGraph.m_PlotRegion.m_Rect;
    const int nBorder = m_BasicGraph.GetBorder();
    m_CoordDisplay.m_TextRect = {plot.right - 2 * nBorder, plot.top - 1, plot.right - 1,
                                 plot.top - 1 - int(1.3 * nBorder)};

    CNewCurveMode& newCurve = m_CurveEdit.m_NewCurveMode;
    if (newCurve.m_DrawPendingMode.IsOn())
    {
        // A click added a master point: only the master points are drawn.
        newCurve.DrawMasterPoints(pDC);
        newCurve.m_DrawPendingMode.TurnOff();
    }
    else
    {
        // The pointer moved: only the readout and the path being drawn.
        const bool bReadoutOnly = m_Pointer.BeginPaint(pDC);
        if (!bReadoutOnly)
        {
            DrawGraph(pDC);
            if (newCurve.IsOn() && GetNewCurveMasterPointCount() > 1)
                newCurve.DrawMasterPoints(pDC);
        }
        m_Pointer.EndPaint(pDC, !bReadoutOnly);
    }
    if (fontRestorer)
        fontRestorer->Restore();
    font.DeleteObject();
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

bool CMorvaneView::OnUpdateFilePrint() const
{
    return !m_Doc.GetCalculationRunning() && m_NoCurvesMode.IsOff();
}

bool CMorvaneView::PrintTo(QPrinter& printer)
{
    return PrintViewTo(printer, [this](CDC* pDC) { OnDraw(pDC); });
}

void CMorvaneView::OnFilePrint()
{
    if (!OnUpdateFilePrint())
        return;
    PrintViewWithDialog(this, [this](CDC* pDC) { OnDraw(pDC); });
    Invalidate(true);
}

void CMorvaneView::OnFilePrintPreview()
{
    if (!OnUpdateFilePrintPreview())
        return;
    PreviewView(this, [this](CDC* pDC) { OnDraw(pDC); });
    Invalidate(true);
}
