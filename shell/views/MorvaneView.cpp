// The response view's data, its reaction to the document's update hints and automatic
// scaling. Drawing and printing are in MorvaneViewDraw.cpp.
#include "shell/views/MorvaneView.h"

#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "graph/MorvaneUtilities.h"
#include "matrix/mwexcept.h"

#include <cmath>
#include <vector>

namespace
{
constexpr COLORREF kFreehandColor = RGB(0, 255, 0);

using CCurveStyle = CMorvaneView::CCurveStyle;
constexpr CCurveStyle kRawStyle{RGB(0, 0, 255), 1, 1, "Raw Curve"};
constexpr CCurveStyle kDesiredStyle{RGB(0, 0, 0), 2, 1, "Desired Response Curve"};
constexpr CCurveStyle kLowerStyle{RGB(255, 0, 255), 3, 1, "Lower Bound Curve"};
constexpr CCurveStyle kUpperStyle{RGB(255, 0, 255), 4, 1, "Upper Bound Curve"};
constexpr CCurveStyle kPriorStyle = kPriorModifiedCurveStyle;
constexpr CCurveStyle kModifiedStyle = kModifiedCurveStyle;

constexpr int kLineWidth = kSpeakerCurveLineWidth;
} // namespace

CMorvaneView::CMorvaneView(CMorvaneDoc& doc, QWidget* pParent) : CSpeakerView(doc, pParent) {}

CMorvaneView::~CMorvaneView()
{
    if (m_Doc.m_pResponseView == this)
        m_Doc.m_pResponseView = nullptr;
}

void CMorvaneView::OnInitialUpdate()
{
    m_Doc.m_pResponseView = this;
    // The settings hold the range in Hz and dB.
    InitializeView(
        m_Doc.App().Settings().m_SpeakerRange,
        {&m_RawCurve, &m_DesiredCurve, &m_UpperBoundCurve, &m_LowerBoundCurve, &m_ModifiedCurve,
         &m_PriorModifiedCurve},
        {&kRawStyle, &kDesiredStyle, &kUpperStyle, &kLowerStyle, &kModifiedStyle, &kPriorStyle},
        {134, 135, 136});
    InitVerticalScale();
    InitHorizontalScale();
    ResetEditor();
    for (CMode* pMode : {&m_RawCurveMode, &m_DesiredCurveMode, &m_UpperBoundCurveMode,
                         &m_LowerBoundCurveMode, &m_ModifiedCurveMode, &m_PriorModifiedCurveMode})
        pMode->TurnOff();
}

void CMorvaneView::ResetEditor()
{
    m_Pointer.ResetModes();
    m_CurveEdit.m_NewCurveMode.TurnOff();
}

void CMorvaneView::OnUpdate(IDocumentView*, int nHint)
{
    ResetEditor();
    RunUpdate([this, nHint]() { ApplyHint(nHint); });
}

void CMorvaneView::ApplyHint(int nHint)
{
    switch (nHint)
    {
    case kHintRawResponseReplaced:
        OnRawResponseReplaced();
        break;
    case kHintCurvesChanged:
        OnModifiedResult(m_Doc.m_ModifiedResponse);
        break;
    case kHintCalculationStarts:
        m_nModifiedCount = 0;
        m_ModifiedCurveMode.TurnOff();
        m_PriorModifiedCurveMode.TurnOff();
        break;
    case kHintNewDesiredCurveStarted:
        OnNewDesiredCurveStarted();
        break;
    case kHintNewDesiredCurveBuilt:
        OnNewDesiredCurveBuilt();
        break;
    case kHintDesiredCurvesRead:
        OnDesiredCurvesRead();
        break;
    case kHintFiltersDrawnOrRestart:
    case kHintDeviceRestartResponse:
        OnModifiedRebuilt(m_Doc.m_ModifiedResponse);
        break;
    default:
        break;
    }
}

void CMorvaneView::HideDerivedCurves()
{
    for (CMode* pMode : {&m_DesiredCurveMode, &m_UpperBoundCurveMode, &m_LowerBoundCurveMode,
                         &m_PriorModifiedCurveMode, &m_ModifiedCurveMode})
        pMode->TurnOff();
    for (CCurve* pCurve : {&m_DesiredCurve, &m_UpperBoundCurve, &m_LowerBoundCurve,
                           &m_ModifiedCurve, &m_PriorModifiedCurve})
        pCurve->Hide();
}

void CMorvaneView::OnRawResponseReplaced()
{
    SetCurveFromStyle(&m_RawCurve, m_Doc.m_RawMagnitudeDb, kRawStyle);
    m_RawCurveMode.TurnOn();
    m_NoCurvesMode.TurnOff();
    HideDerivedCurves();
    m_bDesiredCurvesShown = false;
    AutoScale();
    m_CurveEdit.m_ClearCoordinatesMode.TurnOn();
}

void CMorvaneView::OnNewDesiredCurveStarted()
{
    SetEditCurveFromMatrices(&m_DesiredCurve, m_Doc.m_LogFrequencies, m_Doc.m_RawMagnitudeDb,
                             kDesiredStyle.color, kDesiredStyle.nKind, kDesiredStyle.nTag, false);
    m_CurveEdit.m_NewCurveMode.Begin(&m_DesiredCurve);
    HideDerivedCurves();
    m_NoCurvesMode.TurnOff();
    m_bDesiredCurvesShown = false;
}

void CMorvaneView::OnNewDesiredCurveBuilt()
{
    m_DesiredCurveMode.TurnOn();
    m_DesiredCurve.Show();
    // Built, the curve is the desired response: the readout and the tooltips name it so
    // (while its master points were clicked it was the unnamed curve being edited).
    m_DesiredCurve.SetName(kDesiredStyle.pName);
    const struct
    {
        CCurve* pCurve;
        CMode* pMode;
        const CCurveStyle& style;
        double dTolerance;
    } bounds[] = {
        {&m_UpperBoundCurve, &m_UpperBoundCurveMode, kUpperStyle, m_Doc.m_dUpperToleranceDb},
        {&m_LowerBoundCurve, &m_LowerBoundCurveMode, kLowerStyle, m_Doc.m_dLowerToleranceDb},
    };
    for (const auto& bound : bounds)
    {
        CCurveEdit::CopyCurve(&m_DesiredCurve, bound.pCurve, bound.style.color, bound.style.nKind,
                              bound.style.nTag, bound.style.pName);
        bound.pCurve->OffsetY(bound.dTolerance);
        bound.pMode->TurnOn();
    }
    OnDesiredCurvesRead();
}

void CMorvaneView::OnDesiredCurvesRead()
{
    for (CMode* pMode : {&m_DesiredCurveMode, &m_UpperBoundCurveMode, &m_LowerBoundCurveMode})
        pMode->TurnOn();
    // A new raw response hid them.
    for (CCurve* pCurve : {&m_DesiredCurve, &m_UpperBoundCurve, &m_LowerBoundCurve})
        pCurve->Show();
    m_NoCurvesMode.TurnOff();
    m_ModifiedCurveMode.TurnOff();
    m_PriorModifiedCurveMode.TurnOff();
    m_bDesiredCurvesShown = true;
    AutoScale();
}

bool CMorvaneView::SetCurveFromMatrices(CCurve* pCurve, mwMatrix x, mwMatrix y, COLORREF color,
                                        int nKind, int nTag, const std::string& name)
{
    return SetSpeakerCurve(pCurve, x, y, {color, nKind, nTag, name.c_str()}, &m_DataWindow);
}

bool CMorvaneView::SetEditCurveFromMatrices(CCurve* pCurve, mwMatrix x, mwMatrix y, COLORREF color,
                                            int nKind, int nTag, bool bVisible)
{
    if (!SetCurveFromMatrices(pCurve, x, y, color, nKind, nTag, "Curve"))
        return false;
    if (!bVisible)
        pCurve->Hide();
    return pCurve->LayoutInRect(GetPlotArea(), &m_DataWindow);
}

bool CMorvaneView::SetCurveFromStyle(CCurve* pCurve, const mwMatrix& y, const CCurveStyle& style)
{
    return SetCurveFromMatrices(pCurve, m_Doc.m_LogFrequencies, y, style.color, style.nKind,
                                style.nTag, style.pName);
}

bool CMorvaneView::SetRawGridCurve(CCurve* pCurve, CMode& mode, const CCurveStyle& style)
{
    const bool bSet = SetCurveFromStyle(pCurve, m_Doc.m_RawMagnitudeDb, style);
    mode.TurnOn();
    return bSet;
}

bool CMorvaneView::SetDesiredResponseCurve()
{
    return SetRawGridCurve(&m_DesiredCurve, m_DesiredCurveMode, kDesiredStyle);
}

bool CMorvaneView::SetUpperBoundCurve()
{
    return SetRawGridCurve(&m_UpperBoundCurve, m_UpperBoundCurveMode, kUpperStyle);
}

bool CMorvaneView::SetLowerBoundCurve()
{
    return SetRawGridCurve(&m_LowerBoundCurve, m_LowerBoundCurveMode, kLowerStyle);
}

CCurve* CMorvaneView::ResetCurveOnRawGrid(ECurve which)
{
    switch (which)
    {
    case kDesiredCurve:
        SetDesiredResponseCurve();
        break;
    case kUpperBound:
        SetUpperBoundCurve();
        break;
    case kLowerBound:
        SetLowerBoundCurve();
        break;
    default:
        return nullptr;
    }
    CCurve* pCurve = GetCurve(which);
    pCurve->Show();
    return pCurve;
}

CCurve* CMorvaneView::GetCurve(ECurve which)
{
    switch (which)
    {
    case kRawCurve:
        return &m_RawCurve;
    case kDesiredCurve:
        return &m_DesiredCurve;
    case kUpperBound:
        return &m_UpperBoundCurve;
    case kLowerBound:
        return &m_LowerBoundCurve;
    case kModifiedCurve:
        return &m_ModifiedCurve;
    }
    return nullptr;
}

bool CMorvaneView::IsNewCurveModeOn() const
{
    return m_CurveEdit.m_NewCurveMode.IsOn() != 0;
}

int CMorvaneView::GetNewCurveMasterPointCount() const
{
    const CCurve* pCurve = m_CurveEdit.m_NewCurveMode.GetCurve();
    return pCurve ? pCurve->GetMasterPointCount() : 0;
}

bool CMorvaneView::BuildNewCurve()
{
    return m_CurveEdit.m_NewCurveMode.BuildCurve();
}

void CMorvaneView::EndNewCurveMode()
{
    m_CurveEdit.m_NewCurveMode.TurnOff();
}

void CMorvaneView::StartReplaceCurveSection()
{
    m_CurveEdit.BeginNewCurve(5 * m_RawCurve.GetTotalPoints(), kLineWidth, PS_SOLID, kFreehandColor,
                              kRawStyle.nKind, 0);
}

bool CMorvaneView::AutoScale()
{
    if (m_Doc.m_SpeakerAutomaticScaling.IsOn())
        FitRangeToCurves(m_Doc.m_dSpeakerScalingUpper, m_Doc.m_dSpeakerScalingLower);
    InitVerticalScale();
    InitHorizontalScale();
    return true;
}
