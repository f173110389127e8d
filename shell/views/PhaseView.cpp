// The phase view's data, its reaction to the document's update hints, automatic scaling,
// drawing and mouse.
#include "shell/views/PhaseView.h"

#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"

#include <cfloat>
#include <cmath>

namespace
{
constexpr CSpeakerCurveStyle kPhaseStyle{RGB(0, 0, 255), 1, 1, "Phase Curve"};
// The degree scale's step before the first data window is known.
constexpr double kInitialScaleStep = 50.0;
} // namespace

CPhaseView::CPhaseView(CMorvaneDoc& doc, QWidget* pParent) : CSpeakerView(doc, pParent) {}

CPhaseView::~CPhaseView()
{
    if (m_Doc.m_pPhaseView == this)
        m_Doc.m_pPhaseView = nullptr;
}

void CPhaseView::OnInitialUpdate()
{
    m_Doc.m_pPhaseView = this;
    // The settings hold the range in Hz and degrees.
    InitializeView(m_Doc.App().Settings().m_PhaseRange,
                   {&m_PhaseCurve, &m_ModifiedCurve, &m_PriorModifiedCurve},
                   {&kPhaseStyle, &kModifiedCurveStyle, &kPriorModifiedCurveStyle},
                   {213, 135, 214});
    InitVerticalScale(kInitialScaleStep);
    InitVerticalScale(GetScaleStep());
    InitHorizontalScale();
    for (CMode* pMode : {&m_PhaseCurveMode, &m_ModifiedCurveMode, &m_PriorModifiedCurveMode})
        pMode->TurnOff();
}

void CPhaseView::OnUpdate(IDocumentView*, int nHint)
{
    m_Pointer.ResetModes();
    RunUpdate([this, nHint]() { ApplyHint(nHint); });
}

void CPhaseView::ApplyHint(int nHint)
{
    switch (nHint)
    {
    case kHintRawPhaseChanged:
        OnRawPhaseReplaced();
        break;
    case kHintCurvesChanged:
        OnModifiedResult(m_Doc.m_ModifiedPhase);
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
        OnModifiedRebuilt(m_Doc.m_ModifiedPhase);
        m_PriorModifiedCurve.Hide();
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
    // In double: the height of a window can lie beyond the int range (1e12 degrees).
    double dStep = std::trunc(m_DataWindow.top - m_DataWindow.bottom) / 10.0;
    RoundUpToMultiple(10, &dStep);
    // A window without height (or upside down) would give a scale without steps; one
    // higher than the largest double is stepped by its scale (a multiple of 10 that keeps
    // its lines apart).
    return dStep < 10.0 || !std::isfinite(dStep) ? 10.0 : dStep;
}

bool CPhaseView::AutoScale()
{
    // Unlike the response view, without limits.
    if (m_Doc.m_PhaseAutomaticScaling.IsOn())
        FitRangeToCurves(DBL_MAX, -DBL_MAX);
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

void CPhaseView::DrawGraph(CDC* pDC)
{
    m_BasicGraph.DrawRegions(pDC);
    DrawVerticalScale(pDC);
    DrawHorizontalScale(pDC);
    if (m_PhaseCurveMode.IsOn())
    {
        DrawCurve(&m_PhaseCurve, pDC);
        DrawMarkersOn(m_PhaseCurve, pDC);
    }
    // The new result is drawn over the prior one.
    if (m_PriorModifiedCurveMode.IsOn())
        DrawCurve(&m_PriorModifiedCurve, pDC);
    if (m_ModifiedCurveMode.IsOn())
        DrawCurve(&m_ModifiedCurve, pDC);
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
