// The filter views' curves: loading the document's per-filter lists at the update hints,
// the automatic value range and the coordinate readout. Drawing and printing are in
// FilterCurveViewDraw.cpp.
#include "shell/views/FilterCurveView.h"

#include "document/MorvaneDoc.h"
#include "filters/MatrixPtrArray.h"
#include "graph/AutoScaleRange.h"
#include "graph/MorvaneUtilities.h"
#include "matrix/mwexcept.h"
#include "shell/NamedColorTable.h"

#include <algorithm>
#include <cfloat>
#include <string>

namespace
{
constexpr int kLineWidth = 2;        // device pixels
constexpr int kFilterKind = 7;       // curve kind of a filter curve
constexpr double kEmptyRange = 15.0; // +/- range of an empty view with automatic scaling

// The values by linear index; none for a matrix never assigned.
std::vector<double> ValuesOf(const mwMatrix& m)
{
    const int n = m.IsInitialized() ? m.NumberOfElements() : 0;
    std::vector<double> values(std::size_t(std::max(n, 0)));
    if (!values.empty())
        m.CopyRealTo(values.data());
    return values;
}
} // namespace

COLORREF PaletteIndexColor(int n)
{
    static const CNamedColorList table = BuildNamedColorTable();
    return table[std::size_t(std::max(n, 0)) % table.size()]->GetColor();
}

CFilterCurveView::CFilterCurveView(CMorvaneDoc& doc, const CViewTraits& traits, QWidget* pParent)
    : CPrintableCanvas(pParent), m_Doc(doc),
      m_ToolTipTimer([this]() { OnTimer(CToolTipTimer::kId); }), m_Traits(traits)
{
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    m_BasicGraph.SetStripMeasure(
        [this](CDC* pDC) {
            return MeasureGraphStrips(pDC, m_ViewFont, m_VerticalScale, m_HorizontalScale,
                                      m_DataWindow);
        });
}

CFilterCurveView::~CFilterCurveView()
{
    DeleteCurves();
}

void CFilterCurveView::DeleteCurves()
{
    m_CurveEdit.m_pCurveBeingFollowed = nullptr;
    for (CCurve* pCurve : m_Curves)
        delete pCurve;
    m_Curves.clear();
}

void CFilterCurveView::InitializeView(const CDoubleRect& range)
{
    m_nCurveState = 1;
    // The settings hold the range in Hz.
    m_DataWindow = {range.top, SafeLog10(range.left), range.bottom, SafeLog10(range.right)};
    m_nFontSize = 90;
    m_ViewFont.SetSize(m_nFontSize);
    m_ViewFont.SetLeastPoints(CViewFont::kReadablePoints);
    m_BasicGraph.SetClipRect(&m_DataWindow);
    InitVerticalScale();
    InitHorizontalScale();
    m_CurveEdit.Initialize(&m_BasicGraph, &m_Curves, &m_CoordDisplay, this);
    m_CoordDisplay.m_strTitle = "Filter";
    m_CoordDisplay.m_strXUnit = "Hz";
    m_CoordDisplay.m_strYUnit = m_Traits.pValueUnit;
    m_CurveEdit.m_pCurveBeingFollowed = nullptr;
    ResetModes();
    m_dPickDistance = 50.0;
}

void CFilterCurveView::ResetModes()
{
    // Picked: a curve is followed; armed: the next click picks one; tooltips off: the
    // crosshair follows the pointer.
    m_CurveEdit.m_FollowingMode.TurnOff();
    m_CurveEdit.m_ReadyToFollowMode.TurnOn();
    m_CurveEdit.m_TooltipsOffMode.TurnOff();
    m_CurveEdit.m_CrosshairOnlyMode.TurnOff();
    m_CurveEdit.m_WindowMovedMode.TurnOff();
    m_CurveEdit.m_ClearCoordinatesMode.TurnOff();
}

bool CFilterCurveView::RebuildFilterCurves()
{
    DeleteCurves();
    m_nCurveState = 1;
    if (AutoScalingMode().IsOn())
    {
        m_DataWindow.top = kEmptyRange;
        m_DataWindow.bottom = -kEmptyRange;
    }
    m_BasicGraph.SetClipRect(&m_DataWindow);
    InitVerticalScale();
    return true;
}

void CFilterCurveView::HandleHint(int nHint)
{
    ResetModes();
    switch (nHint)
    {
    case kHintCalculationStarts:
    case kHintRebuildFilterCurves:
        RebuildFilterCurves();
        break;
    case kHintRestartFilterViews:
    case kHintCalculationResults:
    case kHintDeviceRestartFilters:
    case kHintDrawFilters:
        RebuildFilterCurves();
        LoadList(nHint);
        break;
    default:
        break;
    }
    Invalidate(true);
}

void CFilterCurveView::LoadList(int nHint)
{
    std::vector<std::string>& names = m_Doc.m_DrawnLabels;
    const std::vector<unsigned>& states = m_Doc.m_DrawnActiveFlags;
    // The document's lists live only while the hint is handled: the curves copy them.
    try
    {
        const CMatrixPtrArray& list = ResponseList(nHint);
        if (nHint == kHintRestartFilterViews && !names.empty())
        {
            names.clear();
            m_Doc.m_DrawnActiveFlags.clear();
        }
        for (int i = 0; i < list.GetSize(); ++i)
        {
            const std::size_t n = std::size_t(i);
            if (nHint == kHintRestartFilterViews)
                names.push_back(std::to_string(i + 301));
            else if (nHint == kHintDeviceRestartFilters)
                names.push_back(std::to_string(i + 201));
            // A list shorter than the responses leaves the name empty and the filter
            // drawn in colour rather than reading past its end.
            const std::string name = n < names.size() ? names[n] : std::string();
            const bool bColored = nHint != kHintDrawFilters || n >= states.size() || states[n];
            AddFilterCurve(m_Doc.m_LogFrequencies, list.GetAt(i), PaletteIndexColor(i), name,
                           bColored);
        }
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
    }
    m_nCurveState = 2;
    AutoScale();
}

bool CFilterCurveView::AddFilterCurve(const mwMatrix& x, const mwMatrix& y, COLORREF color,
                                      const std::string& name, bool bColored)
{
    auto* pCurve = new CCurve;
    m_Curves.push_back(pCurve);
    const std::vector<double> xs = ValuesOf(x);
    const std::vector<double> ys = ValuesOf(y);
    // A response shorter than the frequencies gives the points both have.
    const long n = long(std::min(xs.size(), ys.size()));
    pCurve->Create(n, kLineWidth, PS_SOLID, color, kFilterKind, 0, 1, 0, true, true, name);
    pCurve->m_ActiveMode.SetState(bColored ? 1 : 0);
    pCurve->SetDataWindow(&m_DataWindow);
    for (long i = 0; i < n; ++i)
        pCurve->m_pDblPt[i] = {xs[std::size_t(i)], ys[std::size_t(i)]};
    pCurve->m_PointsAreValidMode.TurnOn();
    pCurve->SetAreaFromRect(m_BasicGraph.m_PlotRegion.m_Rect, &m_DataWindow);
    pCurve->ComputeExtent();
    pCurve->ClipPoints();
    return true;
}

bool CFilterCurveView::AutoScale()
{
    if (AutoScalingMode().IsOn())
    {
        const CDoubleRect extent = m_CurveEdit.GetCurvesExtent();
        const bool bCap = m_Traits.bCapAutoRange;
        const CAutoScaleRange range =
            FitAutoScaleRange(extent.top, extent.bottom, m_Traits.dAutoMargin,
                              m_Traits.nAutoMultiple, bCap ? m_Doc.m_dFilterScalingUpper : DBL_MAX,
                              bCap ? m_Doc.m_dFilterScalingLower : -DBL_MAX);
        m_DataWindow.top = range.top;
        m_DataWindow.bottom = range.bottom;
    }
    InitVerticalScale();
    if (m_Traits.bRescaleFrequencyAxis)
        InitHorizontalScale();
    return true;
}

CCurve* CFilterCurveView::FindCurve(const std::string& name) const
{
    const auto it = std::find_if(m_Curves.begin(), m_Curves.end(),
                                 [&](const CCurve* pCurve) { return pCurve->GetName() == name; });
    return it == m_Curves.end() ? nullptr : *it;
}

bool CFilterCurveView::EraseCurve(CCurve* pCurve)
{
    const auto it = std::find(m_Curves.begin(), m_Curves.end(), pCurve);
    if (it == m_Curves.end())
        return false;
    if (m_CurveEdit.m_pCurveBeingFollowed == pCurve)
    {
        // The readout must not follow a deleted curve.
        m_CurveEdit.m_pCurveBeingFollowed = nullptr;
        m_CurveEdit.m_FollowingMode.TurnOff();
        m_CurveEdit.m_TooltipsOffMode.TurnOff();
        m_CurveEdit.m_ReadyToFollowMode.TurnOn();
        m_CurveEdit.m_ClearCoordinatesMode.TurnOn();
    }
    m_Curves.erase(it);
    delete pCurve;
    return true;
}

CCurve* CFilterCurveView::HitCurve(CPoint pixel) const
{
    CCurve* pCurve = m_CurveEdit.FindNearestCurve(pixel.x, pixel.y);
    if (!pCurve)
        return nullptr;
    CPoint canvas = pixel;
    m_BasicGraph.DeviceToLogical(&canvas);
    return pCurve->DistanceTo(canvas.x, canvas.y) <= m_dPickDistance ? pCurve : nullptr;
}

bool CFilterCurveView::PlaceOnFollowedCurve(CPoint pixel)
{
    CCurve* pCurve = m_CurveEdit.m_pCurveBeingFollowed;
    if (!pCurve)
        return false;
    CPoint clamped;
    const double x = m_BasicGraph.PixelToDataX(pixel.x, pixel.y, &clamped);
    const double y = pCurve->YAtX(x);
    m_CoordDisplay.m_DataPoint = {x, y};
    m_CoordDisplay.m_CrosshairPoint = pCurve->DataToLogical({x, y});
    return true;
}

void CFilterCurveView::PickOrFreeze(CPoint pixel)
{
    CCurveEdit& edit = m_CurveEdit;
    if (edit.m_ReadyToFollowMode.IsOn())
    {
        edit.m_FollowingMode.TurnOn();
        edit.m_ReadyToFollowMode.TurnOff();
        edit.m_TooltipsOffMode.TurnOn();
        edit.m_pCurveBeingFollowed = edit.FindNearestCurve(pixel.x, pixel.y);
        if (!edit.m_pCurveBeingFollowed)
            return;
        if (m_CoordDisplay.IsActive())
            m_CoordDisplay.SetTracking();
        else
            m_CoordDisplay.SetStarting();
        PlaceOnFollowedCurve(pixel);
        edit.m_CrosshairOnlyMode.TurnOn();
        m_CoordDisplay.m_strTitle = edit.m_pCurveBeingFollowed->GetName();
        RepaintNow(false);
    }
    else if (edit.m_TooltipsOffMode.IsOn())
    {
        edit.m_TooltipsOffMode.TurnOff();
        edit.m_ReadyToFollowMode.TurnOn();
        m_CoordDisplay.SetFrozen();
    }
}

void CFilterCurveView::FollowPointer(CPoint pixel)
{
    m_LastMousePoint = pixel;
    if (m_CurveEdit.m_TooltipsOffMode.IsOff() || IsFrameResizing())
        return;
    if (!PlaceOnFollowedCurve(pixel))
        return;
    m_CoordDisplay.SetTracking();
    m_CurveEdit.m_CrosshairOnlyMode.TurnOn();
    RepaintNow(false);
}

void CFilterCurveView::ResetCoordinates()
{
    m_CurveEdit.m_ClearCoordinatesMode.TurnOn();
    m_CurveEdit.m_FollowingMode.TurnOff();
    m_CurveEdit.m_ReadyToFollowMode.TurnOn();
    m_CurveEdit.m_TooltipsOffMode.TurnOff();
    m_CurveEdit.m_CrosshairOnlyMode.TurnOff();
    RepaintNow(true);
}

std::string CFilterCurveView::GetToolTipText(CPoint pixel) const
{
    constexpr std::size_t kMaxTipLength = 79;
    if (m_Curves.empty() || m_CurveEdit.m_TooltipsOffMode.IsOn())
        return {};
    const CCurve* pCurve = HitCurve(pixel);
    if (!pCurve)
        return {};
    m_ToolTipTimer.Start(pixel);
    return pCurve->GetName().substr(0, kMaxTipLength);
}

void CFilterCurveView::OnTimer(unsigned nId)
{
    m_ToolTipTimer.OnTimer(nId, m_LastMousePoint, m_CurveEdit.m_ToolTip.get());
}

void CFilterCurveView::OnTurnOffDisplayCoordinates()
{
    ResetCoordinates();
}

void CFilterCurveView::RepaintNow(bool bErase)
{
    Invalidate(bErase);
    if (isVisible())
        repaint();
}

void CFilterCurveView::OnLButtonDown(CPoint pixel)
{
    if (m_Curves.empty())
        return;
    m_LastMousePoint = pixel;
    PickOrFreeze(pixel);
}

void CFilterCurveView::OnMouseMove(CPoint pixel)
{
    FollowPointer(pixel);
}

void CFilterCurveView::OnRButtonDown(CPoint)
{
    ResetCoordinates();
}

void CFilterCurveView::resizeEvent(QResizeEvent* pEvent)
{
    m_CurveEdit.m_WindowMovedMode.TurnOn();
    m_CurveEdit.m_CrosshairOnlyMode.TurnOff();
    if (m_CoordDisplay.IsActive())
        m_CoordDisplay.ForgetDrawn();
    CPrintableCanvas::resizeEvent(pEvent);
}
