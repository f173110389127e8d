#include "shell/views/SpeakerView.h"

#include "document/MorvaneDoc.h"
#include "graph/AutoScaleRange.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "graph/ViewFontSelection.h"
#include "graph/ui/GraphPointer.h"
#include "matrix/mwexcept.h"
#include "shell/views/SpeakerViewParts.h"

#include <QResizeEvent>

#include <algorithm>

CSpeakerView::CSpeakerView(CMorvaneDoc& doc, QWidget* pParent)
    : CPrintableCanvas(pParent), m_Doc(doc),
      m_Pointer({this, &m_CurveEdit, &m_CoordDisplay, &m_BasicGraph, &m_CurveArray})
{
    setCursor(Qt::CrossCursor);
    m_NoCurvesMode.TurnOn();
    m_BasicGraph.SetStripMeasure([this](CDC* pDC) { return MeasureStrips(pDC); });
}

CGraphStrips CSpeakerView::MeasureStrips(CDC* pDC)
{
    CGraphStrips strips =
        MeasureGraphStrips(pDC, m_ViewFont, m_VerticalScale, m_HorizontalScale, m_DataWindow);
    const CViewFontSelection font(pDC, m_ViewFont);
    MakeRoomForMarkers(pDC, m_Doc, CResourceString(131), m_BasicGraph.GetWidth(), &strips);
    return strips;
}

void CSpeakerView::InitializeView(const CDoubleRect& rangeHz, const std::vector<CCurve*>& curves,
                                  const std::vector<const CSpeakerCurveStyle*>& styles,
                                  const unsigned (&readoutTexts)[3])
{
    m_nModifiedCount = 0;
    m_CurveArray = curves;
    m_DataWindow = {rangeHz.top, SafeLog10(rangeHz.left), rangeHz.bottom, SafeLog10(rangeHz.right)};
    m_nFontSize = 90;
    m_ViewFont.SetSize(m_nFontSize);
    m_ViewFont.SetLeastPoints(CViewFont::kReadablePoints);
    m_BasicGraph.SetClipRect(&m_DataWindow);
    // Every curve has its name, colour and kind from the start: the document copies
    // curves it reads into the view's curves with the attributes these hold.
    const CRect& plot = m_BasicGraph.m_PlotRegion.m_Rect;
    for (std::size_t i = 0; i < m_CurveArray.size() && i < styles.size(); ++i)
    {
        const CSpeakerCurveStyle& style = *styles[i];
        m_CurveArray[i]->Create(0, kSpeakerCurveLineWidth, PS_SOLID, style.color, style.nKind,
                                style.nTag, 1, 0, true, true, style.pName);
        m_CurveArray[i]->SetArea(plot.left, plot.bottom, plot.right, plot.top, &m_DataWindow);
    }
    m_CurveEdit.Initialize(&m_BasicGraph, &m_CurveArray, &m_CoordDisplay, this);
    m_CoordDisplay.m_strTitle = CResourceString(readoutTexts[0]);
    m_CoordDisplay.m_strXUnit = CResourceString(readoutTexts[1]);
    m_CoordDisplay.m_strYUnit = CResourceString(readoutTexts[2]);
    m_Pointer.ResetModes();
    m_NoCurvesMode.TurnOn();
}

void CSpeakerView::RunUpdate(const std::function<void()>& work)
{
    try
    {
        work();
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
    }
    Invalidate(true);
}

void CSpeakerView::FitRangeToCurves(double dUpperLimit, double dLowerLimit)
{
    const CDoubleRect extent = m_CurveEdit.GetCurvesExtent();
    const CAutoScaleRange range =
        FitAutoScaleRange(extent.top, extent.bottom, 5.0, 10, dUpperLimit, dLowerLimit);
    m_DataWindow.top = range.top;
    m_DataWindow.bottom = range.bottom;
}

void CSpeakerView::OnModifiedResult(const mwMatrix& y)
{
    ++m_nModifiedCount;
    // From the second result on, the result before becomes the prior curve. The first
    // result of a calculation leaves the prior curve as it was and still turns its mode
    // on: a prior curve that an earlier calculation left shown is drawn again, one that a
    // new response hid stays hidden.
    if (m_nModifiedCount > 1)
        m_PriorModifiedCurveMode.TurnOn();
    if (m_PriorModifiedCurveMode.IsOn())
        CCurveEdit::CopyCurve(&m_ModifiedCurve, &m_PriorModifiedCurve,
                              kPriorModifiedCurveStyle.color, kPriorModifiedCurveStyle.nKind,
                              kPriorModifiedCurveStyle.nTag, kPriorModifiedCurveStyle.pName);
    SetSpeakerCurve(&m_ModifiedCurve, m_Doc.m_LogFrequencies, y, kModifiedCurveStyle,
                    &m_DataWindow);
    m_ModifiedCurveMode.TurnOn();
    m_PriorModifiedCurveMode.TurnOn();
    AutoScale();
}

void CSpeakerView::OnModifiedRebuilt(const mwMatrix& y)
{
    SetSpeakerCurve(&m_ModifiedCurve, m_Doc.m_LogFrequencies, y, kModifiedCurveStyle,
                    &m_DataWindow);
    m_ModifiedCurveMode.TurnOn();
    m_PriorModifiedCurveMode.TurnOff();
    AutoScale();
}

bool CSpeakerView::InitHorizontalScale()
{
    const std::string titles[1] = {CResourceString(131)};
    return m_HorizontalScale.Init(m_BasicGraph.m_BottomRegion, m_BasicGraph.m_PlotRegion, 1, titles,
                                  m_DataWindow, 1.0, 1.0, 20, 100, true, 4, 0, 0, 8, nullptr);
}

bool CSpeakerView::DrawVerticalScale(CDC* pDC)
{
    m_VerticalScale.SetRects(m_BasicGraph.m_LeftRegion, m_BasicGraph.m_PlotRegion);
    return m_VerticalScale.Draw(pDC, &m_DataWindow);
}

bool CSpeakerView::DrawHorizontalScale(CDC* pDC)
{
    m_HorizontalScale.SetRects(m_BasicGraph.m_BottomRegion, m_BasicGraph.m_PlotRegion);
    return m_HorizontalScale.Draw(pDC, m_DataWindow);
}

bool CSpeakerView::DrawCurve(CCurve* pCurve, CDC* pDC)
{
    const CRect& plot = m_BasicGraph.m_PlotRegion.m_Rect;
    pCurve->Layout(plot.left, plot.bottom, plot.right, plot.top, &m_DataWindow);
    return pCurve->Draw(pDC);
}

bool CSpeakerView::DrawMarkersOn(const CCurve& grid, CDC* pDC)
{
    return DrawFrequencyMarkers(m_Doc, m_BasicGraph, grid,
                                {&m_LowFreqBar, &m_HighFreqBar, &m_HalfFsBar}, pDC);
}

void CSpeakerView::OnDraw(CDC* pDC)
{
    m_BasicGraph.Draw(this, pDC);
    const CViewFontSelection font(pDC, m_ViewFont);

    PlaceReadoutBox(m_CoordDisplay, m_BasicGraph);

    if (!DrawInstead(pDC))
    {
        // After a pointer movement only the readout and the path being drawn.
        const bool bReadoutOnly = m_Pointer.BeginPaint(pDC);
        if (!bReadoutOnly)
        {
            DrawGraph(pDC);
            DrawOverGraph(pDC);
        }
        m_Pointer.EndPaint(pDC, !bReadoutOnly);
    }
}

bool CSpeakerView::OnUpdateFilePrint() const
{
    return !m_Doc.GetCalculationRunning() && m_NoCurvesMode.IsOff();
}

void CSpeakerView::OnRButtonDown(CPoint)
{
    m_Pointer.ClearReadout();
}

void CSpeakerView::resizeEvent(QResizeEvent* pEvent)
{
    OnWindowPosChanging();
    CPrintableCanvas::resizeEvent(pEvent);
}
