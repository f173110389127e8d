#include "loudness/ui/LoudnessView.h"

#include "loudness/LoudnessManager.h"
#include "loudness/LoudnessStrings.h"

#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kLineWidth = 2; // device pixels
constexpr int kCurveKind = 7; // the kind of a filter curve
constexpr double kEmptyRange = 15.0;
constexpr COLORREF kPaletteFlag = 0x01000000u;
} // namespace

CLoudnessView::CLoudnessView(CLoudnessDoc& doc, QWidget* pParent)
    : CPrintableCanvas(pParent), m_Doc(doc), m_Modes(m_CurveEdit.m_DeleteFiltersMode),
      m_Pointer({this, &m_CurveEdit, &m_CoordDisplay, &m_Graph, &m_Curves})
{
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    m_NoCurvesMode.TurnOn();
    m_DataRect = {kEmptyRange, 1.0, -kEmptyRange, std::log10(24000.0)};
    m_Graph.SetStripMeasure(
        [this](CDC* pDC) {
            return MeasureGraphStrips(pDC, m_ViewFont, m_VerticalScale, m_HorizontalScale,
                                      m_DataRect);
        });
}

CLoudnessView::~CLoudnessView()
{
    CLoudnessManager& manager = m_Doc.GetManager();
    if (manager.GetView() == this)
        manager.SetView(nullptr);
    m_Doc.RemoveView(this);
    DeleteCurves();
}

void CLoudnessView::OnInitialUpdate()
{
    m_NoCurvesMode.TurnOn();
    DeleteCurves();
    m_DataRect = {kEmptyRange, 1.0, -kEmptyRange, std::log10(24000.0)};
    m_ViewFont.SetSize(90);
    m_ViewFont.SetLeastPoints(CViewFont::kReadablePoints);
    m_Graph.SetClipRect(&m_DataRect);
    InitScales();
    m_CurveEdit.Initialize(&m_Graph, &m_Curves, &m_CoordDisplay, this);
    m_CoordDisplay.m_strTitle = LoudnessString(IDS_LOUDNESS_FILTER_HEADING);
    m_CoordDisplay.m_strXUnit = LoudnessString(135);
    m_CoordDisplay.m_strYUnit = LoudnessString(136);
    m_Pointer.ResetModes();
    m_Modes.TurnAllOff();
    if (!m_bConnected)
    {
        m_Doc.AddView(this);
        m_Doc.GetManager().SetView(this);
        m_bConnected = true;
    }
    // The filters made before this window was opened, on this window's axis.
    m_Doc.GetManager().RecalculateAll();
    Invalidate(true);
}

void CLoudnessView::InitScales()
{
    const std::string dB[1] = {LoudnessString(130)};
    m_VerticalScale.Init(m_Graph.m_LeftRegion, m_Graph.m_PlotRegion, 1, dB, m_DataRect, 5.0, 10.0,
                         20, 60, false, 0, 1, 0);
    const std::string hz[1] = {LoudnessString(131)};
    m_HorizontalScale.Init(m_Graph.m_BottomRegion, m_Graph.m_PlotRegion, 1, hz, m_DataRect, 1.0,
                           1.0, 20, 100, true, 4, 0, 0, 8, nullptr);
}

void CLoudnessView::DeleteCurves()
{
    m_CurveEdit.m_pCurveBeingFollowed = nullptr;
    for (CCurve* pCurve : m_Curves)
        delete pCurve;
    m_Curves.clear();
}

void CLoudnessView::OnUpdate(int nHint)
{
    m_Pointer.ResetModes();
    if (nHint == CLoudnessDoc::kHintRefresh)
    {
        DeleteCurves();
        m_NoCurvesMode.TurnOn();
        if (m_Doc.m_AutoScaleMode.IsOn())
        {
            m_DataRect.top = kEmptyRange;
            m_DataRect.bottom = -kEmptyRange;
        }
        m_Graph.SetClipRect(&m_DataRect);
        InitScales();
    }
    else if (nHint == CLoudnessDoc::kHintNewResponse)
        FitToCurves();
    Invalidate(true);
}

void CLoudnessView::FitToCurves()
{
    if (m_Doc.m_AutoScaleMode.IsOff() || m_Curves.empty())
        return;
    const CDoubleRect extent = m_CurveEdit.GetCurvesExtent();
    const CLoudnessRange range =
        FitLoudnessRange(extent.top, extent.bottom, m_Doc.m_dMaxDb, m_Doc.m_dMinDb);
    m_DataRect.top = range.top;
    m_DataRect.bottom = range.bottom;
    m_Graph.SetClipRect(&m_DataRect);
    InitScales();
    // The curves take the new range at once (clipping and the readout's search).
    const CRect& plot = m_Graph.m_PlotRegion.m_Rect;
    for (CCurve* pCurve : m_Curves)
        pCurve->Layout(plot.left, plot.bottom, plot.right, plot.top, &m_DataRect);
}

void CLoudnessView::AddLoudnessCurve(std::span<const double> x, std::span<const double> y,
                                     COLORREF color, const std::string& name)
{
    if ((color & 0xFF000000u) == kPaletteFlag)
        color = m_PaletteColor ? m_PaletteColor(int(color & 0xFFFFu)) : RGB(0, 0, 0);
    auto* pCurve = new CCurve;
    m_Curves.push_back(pCurve);
    const long n = long(std::min(x.size(), y.size()));
    pCurve->Create(n, kLineWidth, PS_SOLID, color, kCurveKind, 0, 1, 0, true, true, name);
    pCurve->SetDataWindow(&m_DataRect);
    for (long i = 0; i < n; ++i)
        pCurve->m_pDblPt[i] = {x[std::size_t(i)], y[std::size_t(i)]};
    const CRect& plot = m_Graph.m_PlotRegion.m_Rect;
    pCurve->Layout(plot.left, plot.bottom, plot.right, plot.top, &m_DataRect);
    m_NoCurvesMode.TurnOff();
}

bool CLoudnessView::DeleteCurve(const std::string& name)
{
    const auto it = std::find_if(m_Curves.begin(), m_Curves.end(),
                                 [&](const CCurve* pCurve) { return pCurve->GetName() == name; });
    if (it == m_Curves.end())
        return false;
    // The readout lets go first: it must never hold a curve that is gone.
    m_CurveEdit.m_pCurveBeingFollowed = nullptr;
    m_Pointer.ResetModes();
    m_CoordDisplay.SetOff();
    CCurve* pCurve = *it;
    m_Curves.erase(it);
    delete pCurve;
    // With the last curve gone the graphical modes and printing have nothing to work on.
    if (m_Curves.empty())
    {
        m_NoCurvesMode.TurnOn();
        m_Modes.TurnAllOff();
        setCursor(ModeCursor());
    }
    Invalidate(true);
    return true;
}

CCurve* CLoudnessView::HitCurve(CPoint pixel) const
{
    CCurve* pCurve = m_CurveEdit.FindNearestCurve(pixel.x, pixel.y);
    if (!pCurve || !pCurve->IsVisible() || pCurve->GetClippedCount() < 1)
        return nullptr;
    CPoint canvas = pixel;
    m_Graph.DeviceToLogical(&canvas);
    return pCurve->DistanceTo(canvas.x, canvas.y) <= kHitDistance ? pCurve : nullptr;
}

Qt::CursorShape CLoudnessView::ModeCursor() const
{
    switch (m_Modes.Active())
    {
    case CLoudnessViewModes::EPick::Delete:
        return Qt::ForbiddenCursor;
    case CLoudnessViewModes::EPick::Edit:
        return Qt::PointingHandCursor;
    case CLoudnessViewModes::EPick::AddToDataFile:
        return Qt::DragCopyCursor;
    case CLoudnessViewModes::EPick::Readout:
        break;
    }
    return Qt::CrossCursor;
}

std::optional<CCommandState> CLoudnessView::GetCommandState(int id)
{
    if (CLoudnessViewModes::IsModeCommand(id))
        return m_Modes.GetState(id, m_NoCurvesMode.IsOff());
    if (id == ID_TURN_OFF_DISPLAY_COORDINATES)
        return CCommandState{true, false};
    return CPrintableCanvas::GetCommandState(id);
}

void CLoudnessView::OnCommand(int id)
{
    if (CLoudnessViewModes::IsModeCommand(id))
    {
        if (m_Modes.Toggle(id))
            m_Pointer.ClearReadout();
        setCursor(ModeCursor());
    }
    else if (id == ID_TURN_OFF_DISPLAY_COORDINATES)
        m_Pointer.ClearReadout();
    else
        CPrintableCanvas::OnCommand(id);
}

void CLoudnessView::OnLButtonDown(CPoint pixel)
{
    if (m_Curves.empty())
        return;
    m_Pointer.RememberPointer(pixel);
    if (m_Modes.Active() == CLoudnessViewModes::EPick::Readout)
    {
        m_Pointer.OnLButtonDown(pixel);
        return;
    }
    const CCurve* pHit = HitCurve(pixel);
    if (!pHit)
        return;
    PickCurve(pHit->GetName());
}

void CLoudnessView::PickCurve(const std::string& name)
{
    // The manager may open a modal sheet that adds curves: only the name is kept.
    CLoudnessManager& manager = m_Doc.GetManager();
    switch (m_Modes.OnHit())
    {
    case CLoudnessViewModes::EPick::Delete:
        DeleteCurve(name);
        manager.RemoveLoudnessFilter(name);
        Repaint();
        break;
    case CLoudnessViewModes::EPick::Edit:
        setCursor(ModeCursor());
        manager.EditLoudnessFilterByName(name);
        break;
    case CLoudnessViewModes::EPick::AddToDataFile:
        setCursor(ModeCursor());
        manager.AddToDataFileByName(name);
        break;
    case CLoudnessViewModes::EPick::Readout:
        break;
    }
}

void CLoudnessView::OnMouseMove(CPoint pixel)
{
    setCursor(ModeCursor());
    m_Pointer.OnMouseMove(pixel);
}

void CLoudnessView::OnRButtonDown(CPoint)
{
    m_Pointer.ClearReadout();
}

void CLoudnessView::resizeEvent(QResizeEvent* pEvent)
{
    m_Pointer.OnWindowPosChanging();
    CPrintableCanvas::resizeEvent(pEvent);
}

void CLoudnessView::Repaint()
{
    Invalidate(true);
    if (isVisible())
        repaint();
}

void CLoudnessView::OnDraw(CDC* pDC)
{
    m_Pointer.Paint(pDC, m_ViewFont, [this](CDC* pDC) { DrawGraph(pDC); });
}

void CLoudnessView::DrawGraph(CDC* pDC)
{
    m_Graph.DrawRegions(pDC);
    m_VerticalScale.SetRects(m_Graph.m_LeftRegion, m_Graph.m_PlotRegion);
    m_VerticalScale.Draw(pDC, &m_DataRect);
    m_HorizontalScale.SetRects(m_Graph.m_BottomRegion, m_Graph.m_PlotRegion);
    m_HorizontalScale.Draw(pDC, m_DataRect);
    if (m_NoCurvesMode.IsOn())
        return;
    const CRect& plot = m_Graph.m_PlotRegion.m_Rect;
    for (CCurve* pCurve : m_Curves)
    {
        pCurve->Layout(plot.left, plot.bottom, plot.right, plot.top, &m_DataRect);
        pCurve->Draw(pDC);
    }
}
