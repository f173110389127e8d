// The phase view's data, its reaction to the document's update hints, automatic scaling,
// drawing, printing and mouse.
#include "shell/views/PhaseView.h"

#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "graph/Restore.h"
#include "matrix/mwexcept.h"

#include <QResizeEvent>

#include <optional>

namespace
{
constexpr CSpeakerCurveStyle kPhaseStyle{RGB(0, 0, 255), 1, 1, "Phase Curve"};
// The degree scale's step before the first data window is known.
constexpr double kInitialScaleStep = 50.0;
} // namespace

CPhaseView::CPhaseView(CMorvaneDoc& doc, QWidget* pParent)
    : CCanvasWidget(pParent), m_Doc(doc),
      m_Pointer({this, &m_CurveEdit, &m_CoordDisplay, &m_BasicGraph, &m_CurveArray})
{
    setCursor(Qt::CrossCursor);
    m_NoCurvesMode.TurnOn();
}

CPhaseView::~CPhaseView()
{
    if (m_Doc.m_pPhaseView == this)
        m_Doc.m_pPhaseView = nullptr;
}

void CPhaseView::OnInitialUpdate()
{
    m_Doc.m_pPhaseView = this;
    m_nModifiedCount = 0;
    m_CurveArray = {&m_PhaseCurve, &m_ModifiedCurve, &m_PriorModifiedCurve};

    // The settings hold the range in Hz and degrees.
    const CDoubleRect& range = m_Doc.App().Settings().m_PhaseRange;
    m_DataWindow = {range.top, SafeLog10(range.left), range.bottom, SafeLog10(range.right)};

    m_nFontSize = 90;
    m_ViewFont.SetSize(m_nFontSize);
    InitVerticalScale(kInitialScaleStep);
    InitVerticalScale(GetScaleStep());
    InitHorizontalScale();
    m_BasicGraph.SetClipRect(&m_DataWindow);
    const CSpeakerCurveStyle* const styles[] = {&kPhaseStyle, &kModifiedCurveStyle,
                                                &kPriorModifiedCurveStyle};
    const CRect& plot = m_BasicGraph.m_PlotRegion.m_Rect;
    for (std::size_t i = 0; i < m_CurveArray.size(); ++i)
    {
        const CSpeakerCurveStyle& style = *styles[i];
        m_CurveArray[i]->Create(0, kSpeakerCurveLineWidth, PS_SOLID, style.color, style.nKind,
                                style.nTag, 1, 0, true, true, style.pName);
        m_CurveArray[i]->SetArea(plot.left, plot.bottom, plot.right, plot.top, &m_DataWindow);
    }

    m_CurveEdit.Initialize(&m_BasicGraph, &m_CurveArray, &m_CoordDisplay, this);
    m_CoordDisplay.m_strTitle = CResourceString(213);
    m_CoordDisplay.m_strXUnit = CResourceString(135);
    m_CoordDisplay.m_strYUnit = CResourceString(214);

    m_Pointer.ResetModes();
    m_NoCurvesMode.TurnOn();
    for (CMode* pMode : {&m_PhaseCurveMode, &m_ModifiedCurveMode, &m_PriorModifiedCurveMode})
        pMode->TurnOff();
}

void CPhaseView::OnUpdate(IDocumentView*, int nHint)
{
    m_Pointer.ResetModes();
    // A matrix-layer error ends the hint's work with its message; the repaint still
    // happens.
    try
    {
        ApplyHint(nHint);
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
    }
    Invalidate(true);
}

void CPhaseView::ApplyHint(int nHint)
{
    switch (nHint)
    {
    case kHintRawPhaseChanged:
        OnRawPhaseReplaced();
        break;
    case kHintCurvesChanged:
        OnModifiedResponse();
        break;
    case kHintCalculationStarts:
        m_nModifiedCount = 0;
        HideModifiedCurves();
        break;
    case kHintNewDesiredCurveStarted:
        HideModifiedCurves();
        break;
    case kHintFiltersDrawnOrRestart:
    case kHintDeviceRestartResponse:
        OnModifiedResponseRebuilt();
        break;
    case kHintSettingsApplied:
        AutoScale();
        break;
    default:
        break;
    }
}

void CPhaseView::HideModifiedCurves()
{
    m_ModifiedCurveMode.TurnOff();
    m_PriorModifiedCurveMode.TurnOff();
    m_ModifiedCurve.Hide();
    m_PriorModifiedCurve.Hide();
}

void CPhaseView::OnRawPhaseReplaced()
{
    SetCurveFromMatrices(&m_PhaseCurve, m_Doc.m_RawPhase, kPhaseStyle);
    m_PhaseCurveMode.TurnOn();
    m_NoCurvesMode.TurnOff();
    HideModifiedCurves();
    AutoScale();
    m_CurveEdit.m_ClearCoordinatesMode.TurnOn();
}

void CPhaseView::OnModifiedResponse()
{
    ++m_nModifiedCount;
    // From the second result of a calculation on, the one before it is the prior curve.
    const bool bPrior = m_nModifiedCount > 1;
    if (bPrior)
        CCurveEdit::CopyCurve(&m_ModifiedCurve, &m_PriorModifiedCurve,
                              kPriorModifiedCurveStyle.color, kPriorModifiedCurveStyle.nKind,
                              kPriorModifiedCurveStyle.nTag, kPriorModifiedCurveStyle.pName);
    SetCurveFromMatrices(&m_ModifiedCurve, m_Doc.m_ModifiedPhase, kModifiedCurveStyle);
    m_ModifiedCurveMode.TurnOn();
    m_PriorModifiedCurveMode.SetState(bPrior ? 1 : 0);
    AutoScale();
}

void CPhaseView::OnModifiedResponseRebuilt()
{
    SetCurveFromMatrices(&m_ModifiedCurve, m_Doc.m_ModifiedPhase, kModifiedCurveStyle);
    m_ModifiedCurveMode.TurnOn();
    m_PriorModifiedCurveMode.TurnOff();
    m_PriorModifiedCurve.Hide();
    AutoScale();
}

bool CPhaseView::SetCurveFromMatrices(CCurve* pCurve, const mwMatrix& y,
                                      const CSpeakerCurveStyle& style)
{
    return SetSpeakerCurve(pCurve, m_Doc.m_LogFrequencies, y, style, &m_DataWindow);
}

CCurve* CPhaseView::GetCurve(ECurve which)
{
    switch (which)
    {
    case kPhaseCurve:
        return &m_PhaseCurve;
    case kModifiedCurve:
        return &m_ModifiedCurve;
    }
    return nullptr;
}

double CPhaseView::GetScaleStep() const
{
    double dStep = double(int(m_DataWindow.top - m_DataWindow.bottom)) / 10.0;
    RoundUpToMultiple(10, &dStep);
    // A window without height (or upside down) would give a scale without steps.
    return dStep < 10.0 ? 10.0 : dStep;
}

bool CPhaseView::AutoScale()
{
    if (m_Doc.m_PhaseAutomaticScaling.IsOn())
    {
        const CDoubleRect extent = m_CurveEdit.GetCurvesExtent();
        double dTop = extent.top + 5.0;
        double dBottom = extent.bottom - 5.0;
        RoundUpToMultiple(10, &dTop);
        RoundDownToMultiple(10, &dBottom);
        m_DataWindow.top = dTop;
        m_DataWindow.bottom = dBottom;
    }
    InitVerticalScale(GetScaleStep());
    InitHorizontalScale();
    return true;
}

bool CPhaseView::InitVerticalScale(double dStep)
{
    const std::string titles[4] = {CResourceString(214)};
    return m_VerticalScale.Init(m_BasicGraph.m_LeftRegion, m_BasicGraph.m_PlotRegion, 1, titles,
                                m_DataWindow, dStep, dStep, 20, 60, false, 0, 1, 0);
}

bool CPhaseView::InitHorizontalScale()
{
    const std::string titles[1] = {CResourceString(131)};
    return m_HorizontalScale.Init(m_BasicGraph.m_BottomRegion, m_BasicGraph.m_PlotRegion, 1, titles,
                                  m_DataWindow, 1.0, 1.0, 20, 100, true, 4, 0, 0, 8, nullptr);
}

bool CPhaseView::DrawCurve(CCurve* pCurve, CDC* pDC)
{
    const CRect& plot = m_BasicGraph.m_PlotRegion.m_Rect;
    pCurve->Layout(plot.left, plot.bottom, plot.right, plot.top, &m_DataWindow);
    return pCurve->Draw(pDC);
}

void CPhaseView::DrawGraph(CDC* pDC)
{
    m_BasicGraph.DrawRegions(pDC);
    m_VerticalScale.SetRects(m_BasicGraph.m_LeftRegion, m_BasicGraph.m_PlotRegion);
    m_VerticalScale.Draw(pDC, &m_DataWindow);
    m_HorizontalScale.SetRects(m_BasicGraph.m_BottomRegion, m_BasicGraph.m_PlotRegion);
    m_HorizontalScale.Draw(pDC, m_DataWindow);
    if (m_PhaseCurveMode.IsOn())
    {
        DrawCurve(&m_PhaseCurve, pDC);
        DrawFrequencyMarkers(m_Doc, m_BasicGraph, m_PhaseCurve,
                             {&m_LowFreqBar, &m_HighFreqBar, &m_HalfFsBar, m_LabelPositions}, pDC);
    }
    // The new result is drawn over the prior one.
    if (m_PriorModifiedCurveMode.IsOn())
        DrawCurve(&m_PriorModifiedCurve, pDC);
    if (m_ModifiedCurveMode.IsOn())
        DrawCurve(&m_ModifiedCurve, pDC);
}

void CPhaseView::OnDraw(CDC* pDC)
{
    m_BasicGraph.Draw(this, pDC);
    CFont font;
    std::optional<CFontRestorer> fontRestorer;
    if (m_ViewFont.CreateFont(pDC, &font))
        fontRestorer.emplace(pDC, &font);

    // The readout box: top right corner of the plot area.
    const CRect& plot = m_BasicGraph.m_PlotRegion.m_Rect;
    const int nBorder = m_BasicGraph.GetBorder();
    m_CoordDisplay.m_TextRect = {plot.right - 2 * nBorder, plot.top - 1, plot.right - 1,
                                 plot.top - 1 - int(1.3 * nBorder)};

    const bool bReadoutOnly = m_Pointer.BeginPaint(pDC);
    if (!bReadoutOnly)
        DrawGraph(pDC);
    m_Pointer.EndPaint(pDC, !bReadoutOnly);
    if (fontRestorer)
        fontRestorer->Restore();
    font.DeleteObject();
}

bool CPhaseView::OnUpdateFilePrint() const
{
    return !m_Doc.GetCalculationRunning() && m_NoCurvesMode.IsOff();
}

bool CPhaseView::PrintTo(QPrinter& printer)
{
    return PrintViewTo(printer, [this](CDC* pDC) { OnDraw(pDC); });
}

void CPhaseView::OnFilePrint()
{
    if (!OnUpdateFilePrint())
        return;
    PrintViewWithDialog(this, [this](CDC* pDC) { OnDraw(pDC); });
    Invalidate(true);
}

void CPhaseView::OnFilePrintPreview()
{
    if (!OnUpdateFilePrintPreview())
        return;
    PreviewView(this, [this](CDC* pDC) { OnDraw(pDC); });
    Invalidate(true);
}

void CPhaseView::OnLButtonDown(CPoint point)
{
    if (m_NoCurvesMode.IsOn())
        return;
    m_Pointer.OnLButtonDown(point);
}

void CPhaseView::OnMouseMove(CPoint point)
{
    m_Pointer.OnMouseMove(point);
}

void CPhaseView::OnRButtonDown(CPoint)
{
    m_Pointer.ClearReadout();
}

void CPhaseView::resizeEvent(QResizeEvent* pEvent)
{
    OnWindowPosChanging();
    CCanvasWidget::resizeEvent(pEvent);
}
