// The response view's drawing (screen, printer and preview alike) and its printing.
#include "document/MorvaneDoc.h"
#include "framework/ui/PainterDC.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "graph/Restore.h"
#include "shell/views/MorvaneView.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>
#include <optional>

namespace
{
// Marker lines are 12 canvas units wide and black; the label box is the same for all.
constexpr int kMarkerLineWidth = 12;
constexpr CRect kMarkerBox{0, 20, 40, 0};

// The default printer, in landscape as the application sets it up.
std::unique_ptr<QPrinter> MakeLandscapePrinter()
{
    auto pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pPrinter->setPageOrientation(QPageLayout::Landscape);
    return pPrinter;
}
} // namespace

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
    const int nHalfFs = m_Doc.m_nSamplingFrequency / 2;
    const int nHigh = m_Doc.m_nHigherFrequencyLimit;
    // The label of the higher frequency stays on the right.
    const bool bHalfFsBelowHigh = nHalfFs < nHigh;
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
    } markers[] = {
        {&m_LowFreqBar, 162, m_Doc.m_nLowerFrequencyLimit, &m_LabelPositions[0], 0, 3, 4, 1},
        {&m_HighFreqBar, 163, nHigh, &m_LabelPositions[bHalfFsBelowHigh ? 2 : 1], 0, 1, 4, 1},
        {&m_HalfFsBar, 164, nHalfFs, &m_LabelPositions[bHalfFsBelowHigh ? 1 : 2], 1, 2, 40, 20},
    };
    bool bDrawn = true;
    for (const auto& m : markers)
    {
        const int x = m_RawCurve.DataXToLogicalX(SafeLog10(m.nFrequency));
        m.pBar->Init(&m_BasicGraph.m_PlotRegion, x, CResourceString(m.nLabel), m.nFrequency,
                     m.pAnchor, m.nDashed, kMarkerLineWidth, 0, &kMarkerBox, m.nPlacement, m.nDash,
                     m.nGap);
        bDrawn = m.pBar->Draw(pDC) && bDrawn;
    }
    return bDrawn;
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
    else if (m_CurveEdit.m_CrosshairOnlyMode.IsOn() && m_CurveEdit.m_WindowMovedMode.IsOff())
    {
        // The pointer moved: only the readout and the path being drawn.
        DrawReadout(pDC);
    }
    else
    {
        DrawGraph(pDC);
        if (newCurve.IsOn() && GetNewCurveMasterPointCount() > 1)
            newCurve.DrawMasterPoints(pDC);
        DrawReadout(pDC);
    }
    m_CurveEdit.m_CrosshairOnlyMode.TurnOff();
    m_CurveEdit.m_WindowMovedMode.TurnOff();
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

void CMorvaneView::DrawReadout(CDC* pDC)
{
    if (m_CurveEdit.m_ClearCoordinatesMode.IsOn())
    {
        // A new raw response or a right click ends the readout.
        m_CoordDisplay.SetOff();
        m_CurveEdit.m_ClearCoordinatesMode.TurnOff();
        m_CurveEdit.m_pCurveBeingFollowed = nullptr;
    }
    if (m_CoordDisplay.GetState() != CCoordDisplay::kOff)
        m_CoordDisplay.Draw(pDC);
    if (m_CurveEdit.GetState() == CCurveEdit::kDrawing)
        m_CurveEdit.DrawTemporaryCurve(pDC);
}

bool CMorvaneView::OnUpdateFilePrint() const
{
    return !m_Doc.GetCalculationRunning() && m_NoCurvesMode.IsOff();
}

bool CMorvaneView::PrintTo(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    CPainterDC dc(&painter, DT_RASPRINTER);
    OnDraw(&dc);
    painter.end();
    return true;
}

void CMorvaneView::OnFilePrint()
{
    if (!OnUpdateFilePrint())
        return;
    const std::unique_ptr<QPrinter> pPrinter = MakeLandscapePrinter();
    QPrintDialog dialog(pPrinter.get(), this);
    if (dialog.exec() == QDialog::Accepted)
        PrintTo(*pPrinter);
    Invalidate(true);
}

void CMorvaneView::OnFilePrintPreview()
{
    if (!OnUpdateFilePrintPreview())
        return;
    const std::unique_ptr<QPrinter> pPrinter = MakeLandscapePrinter();
    QPrintPreviewDialog dialog(pPrinter.get(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* pPage) { PrintTo(*pPage); });
    dialog.exec();
    Invalidate(true);
}
