#include "drc/ui/CompressionGraphView.h"

#include "graph/CurveLine.h"
#include "graph/ResourceString.h"

#include <optional>

namespace
{
constexpr int kFontSize = 80; // canvas units
constexpr unsigned kOutputTitleId = 268;
constexpr unsigned kReadoutTitleId = 267;
constexpr unsigned kDbUnitId = 136;
constexpr int kPanelGap = 40; // canvas units between a panel's texts and the axis's values
} // namespace

CCompressionGraphView::CCompressionGraphView(int nBorder, QWidget* pParent)
    : CPrintableCanvas(pParent), m_Graph(nBorder),
      m_Pointer({this, &m_CurveEdit, &m_CoordDisplay, &m_Graph, &m_CurveArray})
{
    setCursor(Qt::CrossCursor);
}

void CCompressionGraphView::InitializeGraph(double dLimit, double dLineStep, double dLabelStep)
{
    m_DataWindow = {0.0, dLimit, dLimit, 0.0};
    m_ViewFont.SetSize(kFontSize);
    m_Graph.SetClipRect(&m_DataWindow);
    const std::string titles[1] = {CResourceString(kOutputTitleId)};
    m_VerticalScale.Init(m_Graph.m_LeftRegion, m_Graph.m_PlotRegion, 1, titles, m_DataWindow,
                         dLineStep, dLabelStep, 20, 60, false, 0, 1, 0);
}

void CCompressionGraphView::InitializeReadout()
{
    m_CurveEdit.Initialize(&m_Graph, &m_CurveArray, &m_CoordDisplay, this);
    m_CoordDisplay.m_strTitle = CResourceString(kReadoutTitleId);
    m_CoordDisplay.m_strXUnit = CResourceString(kDbUnitId);
    m_CoordDisplay.m_strYUnit = CResourceString(kDbUnitId);
    m_CoordDisplay.m_bXLogarithmic = 0;
    m_CurveEdit.m_pCurveBeingFollowed = nullptr;
    m_Pointer.ResetModes();
}

void CCompressionGraphView::SetCurvePoints(CCurve& curve, const std::vector<CDoublePoint>& points,
                                           int nWidth, int nPenStyle, COLORREF color, int nKind,
                                           int nTag, const std::string& name)
{
    // The readout must not follow a curve whose points go away.
    if (m_CurveEdit.m_pCurveBeingFollowed == &curve)
        m_CurveEdit.m_ClearCoordinatesMode.TurnOn();
    curve.Create(long(points.size()), nWidth, nPenStyle, color, nKind, nTag, 1, 0, true, true,
                 name);
    curve.SetDataWindow(&m_DataWindow);
    for (std::size_t i = 0; i < points.size(); ++i)
        curve.m_pDblPt[i] = points[i];
    curve.m_PointsAreValidMode.TurnOn();
    curve.SetAreaFromRect(m_Graph.m_PlotRegion.m_Rect, &m_DataWindow);
    curve.ComputeExtent();
    curve.ClipPoints();
}

void CCompressionGraphView::SetLineCurve(CCurveLine& line, const std::vector<CDoublePoint>& points,
                                         COLORREF color, const std::string& name)
{
    SetCurvePoints(line, points, 2, PS_SOLID, color, 0, 1, name);
}

void CCompressionGraphView::PlaceDialog(QWidget* pDialog)
{
    if (pDialog == m_pPlacedDialog || !isVisible())
        return;
    pDialog->move(mapToGlobal(QPoint(12, 12)));
    m_pPlacedDialog = pDialog;
}

void CCompressionGraphView::OnDraw(CDC* pDC)
{
    m_Pointer.Paint(pDC, m_ViewFont,
                    [this](CDC* pDC)
                    {
                        m_Graph.DrawRegions(pDC);
                        m_VerticalScale.SetRects(m_Graph.m_LeftRegion, m_Graph.m_PlotRegion);
                        m_VerticalScale.Draw(pDC, &m_DataWindow);
                        // The legend or text panel has the strip left of the output
                        // axis's values: its texts are drawn within it.
                        m_Annotation.m_TextsRight = m_VerticalScale.GetLabelsLeft() - kPanelGap;
                        DrawScalesAndLegend(pDC);
                        const CRect& plot = m_Graph.m_PlotRegion.m_Rect;
                        for (CCurve* pCurve : m_CurveArray)
                        {
                            pCurve->Layout(plot.left, plot.bottom, plot.right, plot.top,
                                           &m_DataWindow);
                            pCurve->Draw(pDC);
                        }
                    });
}

std::optional<CCommandState> CCompressionGraphView::GetCommandState(int id)
{
    if (id == ID_TURN_OFF_DISPLAY_COORDINATES)
        return CCommandState{true, false};
    return CPrintableCanvas::GetCommandState(id);
}

void CCompressionGraphView::OnCommand(int id)
{
    if (id == ID_TURN_OFF_DISPLAY_COORDINATES)
        TurnOffDisplayCoordinatesOnly();
    else
        CPrintableCanvas::OnCommand(id);
}

void CCompressionGraphView::OnLButtonDown(CPoint pixel)
{
    if (m_CurveArray.empty())
        return;
    m_Pointer.RememberPointer(pixel);
    m_Pointer.OnLButtonDown(pixel);
}

void CCompressionGraphView::OnMouseMove(CPoint pixel)
{
    if (m_CurveArray.empty())
        return;
    m_Pointer.OnMouseMove(pixel);
}

void CCompressionGraphView::OnRButtonDown(CPoint)
{
    m_Pointer.ClearReadout();
}

void CCompressionGraphView::resizeEvent(QResizeEvent* pEvent)
{
    m_Pointer.OnWindowPosChanging();
    CPrintableCanvas::resizeEvent(pEvent);
}
