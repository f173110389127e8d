#include "drc/ui/CompressionGraphView.h"

#include "framework/ui/ScreenPlace.h"
#include "framework/ui/TextBoundsDC.h"
#include "graph/Convert.h"
#include "graph/CurveLine.h"
#include "graph/ResourceString.h"
#include "graph/ViewFontSelection.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace
{
constexpr int kFontSize = 80; // canvas units
constexpr unsigned kOutputTitleId = 268;
constexpr unsigned kReadoutTitleId = 267;
constexpr unsigned kDbUnitId = 136;
constexpr int kPanelGap = 40;    // canvas units between a panel's texts and the axis's values
constexpr int kLabelOffset = 20; // canvas units between the output axis's values and the plot
// Canvas units the left strip is made wider than its texts measure: a display rounds the
// fonts to whole pixels, so that a text can come out a little wider than measured.
constexpr int kRoundingAllowance = 10;
} // namespace

CCompressionGraphView::CCompressionGraphView(int nBorder, QWidget* pParent)
    : CPrintableCanvas(pParent), m_Graph(nBorder),
      m_Pointer({this, &m_CurveEdit, &m_CoordDisplay, &m_Graph, &m_CurveArray}),
      m_nUsualBorder(nBorder)
{
    setCursor(Qt::CrossCursor);
    m_Graph.SetStripMeasure([this](CDC* pDC) { return MeasureStrips(pDC); });
}

CGraphStrips CCompressionGraphView::MeasureStrips(CDC* pDC)
{
    // A window too small to hold the texts at a readable size gets them a point smaller
    // at a time until they fit: small texts are still better than texts over each other
    // or off the view.
    CGraphStrips strips;
    for (int nPoints = CViewFont::kReadablePoints; nPoints >= 0; --nPoints)
    {
        m_ViewFont.SetLeastPoints(nPoints);
        m_Annotation.m_ViewFont.SetLeastPoints(nPoints);
        bool bFits = false;
        strips = MeasureStripsAtLeastSize(pDC, bFits);
        if (bFits)
            break;
    }
    return strips;
}

CGraphStrips CCompressionGraphView::MeasureStripsAtLeastSize(CDC* pDC, bool& bFits)
{
    CGraphStrips strips;
    strips.dTextScale = std::max(m_ViewFont.ScaleOn(pDC), m_Annotation.m_ViewFont.ScaleOn(pDC));
    strips.nLeastFontHeight = CViewFont::LeastHeight(pDC, m_ViewFont.GetLeastPoints());
    strips.nBorder = strips.nBottomHeight = strips.Scaled(m_nUsualBorder);
    // The annotation stands on the strip under the plot, clear of the canvas's top.
    const bool bAnnotationFits = m_Annotation.SetScale(
        pDC, strips.dTextScale, m_nUsualBorder, m_Graph.GetHeight() - kRoundingAllowance);
    m_VerticalScale.SetTextScale(strips.dTextScale, strips.nLeastFontHeight);
    InputScale().SetTextScale(strips.dTextScale, strips.nLeastFontHeight);
    strips.nLeftWidth = LeftStripWidth(pDC, strips);
    // The square plot stands on the strip under it, at least twice as high as that strip
    // (CSquareGraph), and leaves the rest of the width to the strip left of it.
    const int nPlot = std::min(m_Graph.GetHeight(), 2 * strips.nBorder);
    bFits = bAnnotationFits && 2 * strips.nBorder <= m_Graph.GetHeight() &&
            strips.nLeftWidth <= m_Graph.GetWidth() - nPlot;
    return strips;
}

int CCompressionGraphView::LeftStripWidth(CDC* pDC, const CGraphStrips& strips)
{
    RefreshTexts();
    const int panelEnd = m_Annotation.TextsEnd(pDC);
    const CViewFontSelection font(pDC, m_ViewFont);
    // The output axis's widest value is its lowest, the window's lower limit.
    const int values = pDC->GetTextExtent(DoubleToShortString(m_DataWindow.bottom)).cx;
    const int title = pDC->GetTextExtent(CResourceString(kOutputTitleId)).cx;
    const int frame = std::max(m_Graph.m_LeftRegion.m_nPenWidth, 0);
    return std::max(panelEnd + strips.Scaled(kPanelGap) + strips.Scaled(kLabelOffset) + values,
                    title + 2 * frame) +
           kRoundingAllowance;
}

void CCompressionGraphView::InitializeGraph(double dLimit, double dLineStep, double dLabelStep)
{
    m_DataWindow = {0.0, dLimit, dLimit, 0.0};
    m_ViewFont.SetSize(kFontSize);
    m_Graph.SetClipRect(&m_DataWindow);
    const std::string titles[1] = {CResourceString(kOutputTitleId)};
    m_VerticalScale.Init(m_Graph.m_LeftRegion, m_Graph.m_PlotRegion, 1, titles, m_DataWindow,
                         dLineStep, dLabelStep, kLabelOffset, 60, false, 0, 1, 0);
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

void CCompressionGraphView::PlaceDialog(CControlDialog* pDialog)
{
    if (pDialog == m_pPlacedDialog)
        return;
    if (const std::optional<QPoint> kept = pDialog->KeptPlace())
        pDialog->MoveTo(*kept);
    else if (isVisible())
    {
        // The view takes its size from the window's layouts, which may still have to follow
        // what the window just changed (the toolbar a design window hides, the window
        // maximized): the texts are where they will be once they have.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        pDialog->MoveToFirstPlace(FirstDialogPlace(FrameSize(*pDialog)));
    }
    else
        return;
    m_pPlacedDialog = pDialog;
}

QRect CCompressionGraphView::PlotPixels()
{
    // The layout follows the view's size and texts: drawn once more if the last paint was
    // at another size.
    if (m_Graph.GetDeviceWidth() != width() || m_Graph.GetDeviceHeight() != height())
        Redraw(false);
    const CRect& plot = m_Graph.m_PlotRegion.m_Rect;
    const double sx = double(width()) / std::max(m_Graph.GetWidth(), 1);
    const double sy = double(height()) / std::max(m_Graph.GetHeight(), 1);
    return QRect(
        QPoint(int(std::ceil(plot.left * sx)),
               int(std::ceil((m_Graph.GetHeight() - plot.top) * sy))),
        QPoint(int(plot.right * sx) - 1, int((m_Graph.GetHeight() - plot.bottom) * sy) - 1));
}

std::vector<QRect> CCompressionGraphView::TextsToKeepClear()
{
    // The view's texts where a paint at its present size puts them.
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    CTextBoundsDC dc(&painter, DT_RASDISPLAY);
    OnDraw(&dc);
    std::vector<QRect> texts;
    for (const CPlacedText& text : dc.texts)
        if (const QRect pixels = text.rect.toAlignedRect(); pixels.width() > 0)
            texts.push_back(pixels.translated(mapToGlobal(QPoint(0, 0))));
    // The rest of the window: its menus, toolbars, status bar and title.
    const QRect main = window()->frameGeometry();
    const QRect view(mapToGlobal(QPoint(0, 0)), size());
    texts.push_back(QRect(main.topLeft(), QPoint(main.right(), view.top() - 1)));
    texts.push_back(QRect(QPoint(main.left(), view.bottom() + 1), main.bottomRight()));
    texts.push_back(QRect(QPoint(main.left(), view.top()), QPoint(view.left() - 1, view.bottom())));
    texts.push_back(
        QRect(QPoint(view.right() + 1, view.top()), QPoint(main.right(), view.bottom())));
    return texts;
}

QPoint CCompressionGraphView::FirstDialogPlace(const QSize& frame)
{
    constexpr int kMargin = 8; // pixels between the dialog and the plot's frame lines
    const std::vector<QRect> texts = TextsToKeepClear();
    const QRect inside = PlotPixels().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QPoint corner = mapToGlobal(inside.topLeft());
    const QRect area = AvailableArea(*this);
    std::vector<QPoint> places;
    if (inside.width() >= frame.width() && inside.height() >= frame.height())
        places.push_back(corner);
    // Beside the window (its frame), as near to its top or left edge as the screen allows.
    const QRect main = window()->frameGeometry();
    const auto within = [](int at, int first, int last)
    { return std::max(first, std::min(at, last)); };
    const auto alongY = [&](int x)
    { return QPoint(x, within(main.top(), area.top(), area.bottom() + 1 - frame.height())); };
    const auto alongX = [&](int y)
    { return QPoint(within(main.left(), area.left(), area.right() + 1 - frame.width()), y); };
    places.push_back(alongY(main.right() + 1));
    places.push_back(alongY(main.left() - frame.width()));
    places.push_back(alongX(main.bottom() + 1));
    places.push_back(alongX(main.top() - frame.height()));
    return LeastCoveringPlace(frame, places, texts, area, corner);
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
                        m_Annotation.m_TextsRight =
                            m_VerticalScale.GetLabelsLeft() - m_Graph.GetStrips().Scaled(kPanelGap);
                        CHorizontalScale& input = InputScale();
                        input.SetRects(m_Graph.m_BottomRegion, m_Graph.m_PlotRegion);
                        input.Draw(pDC, m_DataWindow);
                        m_Annotation.Draw(pDC);
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
