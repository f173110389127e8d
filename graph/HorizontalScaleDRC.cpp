#include "graph/HorizontalScaleDRC.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/MorvaneUtilities.h"
#include "graph/Restore.h"

bool CHorizontalScaleDRC::Init(CGraphRegion labelArea, CGraphRegion lineArea, int nTitles,
                               const std::string* pTitles, CDoubleRect window, double lineStep,
                               double labelStep, int nLabelOffset, int nTitleSpacing,
                               bool bLogarithmic, int nPenWidth, int nPenStyle, COLORREF textColor,
                               int nMultipliers, const double* pMultipliers)
{
    if (!CHorizontalScale::Init(labelArea, lineArea, nTitles, pTitles, window, lineStep, labelStep,
                                nLabelOffset, nTitleSpacing, bLogarithmic, nPenWidth, nPenStyle,
                                textColor, nMultipliers, pMultipliers))
        return false;
    m_TitlePositions.assign(m_Titles.size(), 0.0);
    return true;
}

bool CHorizontalScaleDRC::SetEntry(double x, int nIndex)
{
    if (nIndex < 0 || std::size_t(nIndex) >= m_TitlePositions.size())
        return false;
    m_TitlePositions[std::size_t(nIndex)] = x;
    return true;
}

double CHorizontalScaleDRC::GetEntry(int nIndex) const
{
    if (nIndex < 0 || std::size_t(nIndex) >= m_TitlePositions.size())
        return 0.0;
    return m_TitlePositions[std::size_t(nIndex)];
}

bool CHorizontalScaleDRC::Draw(CDC* pDC, CDoubleRect window)
{
    if (!m_bInitialized || !pDC)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    DrawAxis(pDC, window, true);
    return DrawSpans(pDC);
}

void CHorizontalScaleDRC::DrawTitles(CDC* pDC)
{
    const int y = m_LineArea.m_Rect.bottom - m_nTitleSpacing;
    for (std::size_t i = 0; i < m_Titles.size() && i < m_TitlePositions.size(); ++i)
        pDC->TextOut(m_Layout.ToCanvas(m_TitlePositions[i], m_LineArea.m_Rect.left), y,
                     m_Titles[i]);
}

bool CHorizontalScaleDRC::DrawSpans(CDC* pDC)
{
    if (!MORVANE_CHECK(pDC))
        return false;
    CColorRestorer color(pDC, m_Span1.m_TextColor);
    CTextAlignRestorer align(pDC, TA_LEFT | TA_TOP);
    CPen pen(m_nPenStyle, m_nPenWidth, m_Span1.m_LineColor);
    CPenRestorer penRestorer(pDC, &pen);
    const CBrush brush(0xFF0000);
    CBrushRestorer brushRestorer(pDC, &brush);

    const int left = m_LineArea.m_Rect.left;
    for (CScaleSpan* span : {&m_Span1, &m_Span2})
    {
        span->m_StartPoint.x = m_Layout.ToCanvas(span->m_Start.x, left);
        span->m_EndPoint.x = m_Layout.ToCanvas(span->m_End.x, left);
    }
    const int y0 = TruncToInt(m_LineArea.m_Rect.bottom - 2.0 * m_nTitleSpacing);
    for (const CScaleSpan* span : {&m_Span1, &m_Span2})
    {
        DrawSpanTick(pDC, span->m_StartPoint.x, y0);
        DrawSpanTick(pDC, span->m_EndPoint.x, y0);
    }
    DrawSpanLabels(pDC, y0);

    color.Restore();
    align.Restore();
    penRestorer.Restore();
    brushRestorer.Restore();
    return true;
}

void CHorizontalScaleDRC::DrawSpanTick(CDC* pDC, int x, int y0) const
{
    const CPoint tick[2] = {{x, y0}, {x, y0 - m_nTitleSpacing}};
    pDC->Polyline(tick, 2);
}

void CHorizontalScaleDRC::DrawSpanLine(CDC* pDC, int x1, int x2, int y)
{
    const CPoint line[2] = {{x1, y}, {x2, y}};
    pDC->Polyline(line, 2);
}

void CHorizontalScaleDRC::DrawLeftArrow(CDC* pDC, const CScaleSpan& span, int x, int y)
{
    const int half = span.m_nArrowHeight / 2;
    const CPoint arrow[3] = {
        {x + span.m_nArrowLength, y + half}, {x, y}, {x + span.m_nArrowLength, y - half}};
    pDC->Polygon(arrow, 3);
}

void CHorizontalScaleDRC::DrawRightArrow(CDC* pDC, const CScaleSpan& span, int x, int y)
{
    const int half = span.m_nArrowHeight / 2;
    const CPoint arrow[3] = {
        {x - span.m_nArrowLength, y + half}, {x - span.m_nArrowLength, y - half}, {x, y}};
    pDC->Polygon(arrow, 3);
}

void CHorizontalScaleDRC::CenterTextInSpan(int nTextWidth, int x1, int x2, int* l, int* r)
{
    if (x2 - x1 > nTextWidth)
    {
        *l = TruncToInt((x2 - x1 - nTextWidth) / 2.0 + x1);
        *r = *l + nTextWidth;
    }
    else
    {
        *l = x1;
        *r = x2;
    }
}

void CHorizontalScaleDRC::DrawSpanLabels(CDC* pDC, int y0)
{
    for (const CScaleSpan* span : {&m_Span1, &m_Span2})
    {
        const int x1 = span->m_StartPoint.x, x2 = span->m_EndPoint.x;
        const CSize extent = pDC->GetTextExtent(span->m_strText);
        const int ly = y0 - extent.cy / 2;
        int l = x1, r = x2;
        CenterTextInSpan(extent.cx, x1, x2, &l, &r);
        DrawSpanLine(pDC, x1, l, ly);
        DrawLeftArrow(pDC, *span, x1, ly);
        DrawSpanLine(pDC, r, x2, ly);
        DrawRightArrow(pDC, *span, x2, ly);
        pDC->TextOut(l, y0, span->m_strText);
    }
}
