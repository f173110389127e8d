#include "graph/HorizontalScaleDRC.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/MorvaneUtilities.h"
#include "graph/Restore.h"

#include <algorithm>

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
    const int y = m_LineArea.m_Rect.bottom - TitleSpacing();
    std::vector<CTextPlace> places;
    for (std::size_t i = 0; i < m_Titles.size() && i < m_TitlePositions.size(); ++i)
    {
        const int x = m_Layout.ToCanvas(m_TitlePositions[i], m_LineArea.m_Rect.left);
        places.push_back({i, x, pDC->GetTextExtent(m_Titles[i]).cx});
    }
    SpreadApart(places, pDC->GetTextExtent(" ").cx);
    for (const CTextPlace& place : places)
        pDC->TextOut(place.left, y, m_Titles[place.index]);
}

void CHorizontalScaleDRC::SpreadApart(std::vector<CTextPlace>& places, int gap) const
{
    std::stable_sort(places.begin(), places.end(),
                     [](const CTextPlace& a, const CTextPlace& b) { return a.left < b.left; });
    // The left end is the lower limit's grid line, where its title starts as the axis's
    // value does; the right end is clear of the strip's frame line.
    const int lo = std::min(m_LabelArea.m_Rect.left, m_LabelArea.m_Rect.right);
    const int hi = std::max(m_LabelArea.m_Rect.left, m_LabelArea.m_Rect.right) -
                   std::max(m_LabelArea.m_nPenWidth, 0);
    // Rightward from the strip's left end, each clear of the one before; then leftward
    // from its right end, each clear of the one after. Texts wider together than the
    // strip keep their order and overlap at its left end.
    int from = lo;
    for (CTextPlace& place : places)
    {
        place.left = std::max(place.left, from);
        from = place.left + place.width + gap;
    }
    int to = hi;
    for (auto it = places.rbegin(); it != places.rend(); ++it)
    {
        it->left = std::max(std::min(it->left, to - it->width), lo);
        to = it->left - gap;
    }
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
    DrawSpanLabels(pDC, m_LineArea.m_Rect.bottom - 2 * TitleSpacing());

    color.Restore();
    align.Restore();
    penRestorer.Restore();
    brushRestorer.Restore();
    return true;
}

void CHorizontalScaleDRC::DrawSpanTick(CDC* pDC, int x, int y0) const
{
    const CPoint tick[2] = {{x, y0}, {x, y0 - TitleSpacing()}};
    pDC->Polyline(tick, 2);
}

void CHorizontalScaleDRC::DrawSpanLine(CDC* pDC, int x1, int x2, int y)
{
    const CPoint line[2] = {{x1, y}, {x2, y}};
    pDC->Polyline(line, 2);
}

void CHorizontalScaleDRC::DrawLeftArrow(CDC* pDC, const CScaleSpan& span, int x, int y) const
{
    const int half = Scaled(span.m_nArrowHeight) / 2;
    const int length = Scaled(span.m_nArrowLength);
    const CPoint arrow[3] = {{x + length, y + half}, {x, y}, {x + length, y - half}};
    pDC->Polygon(arrow, 3);
}

void CHorizontalScaleDRC::DrawRightArrow(CDC* pDC, const CScaleSpan& span, int x, int y) const
{
    const int half = Scaled(span.m_nArrowHeight) / 2;
    const int length = Scaled(span.m_nArrowLength);
    const CPoint arrow[3] = {{x - length, y + half}, {x - length, y - half}, {x, y}};
    pDC->Polygon(arrow, 3);
}

void CHorizontalScaleDRC::CenterTextInSpan(int nTextWidth, int x1, int x2, int* l, int* r)
{
    // In double: the ends may lie a whole int range apart.
    const double room = double(x2) - x1 - nTextWidth;
    if (room > 0.0)
    {
        *l = TruncToInt(room / 2.0 + x1);
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
    const CScaleSpan* spans[2] = {&m_Span1, &m_Span2};
    // Wide enough apart that an arrow at a span's end stays off a text beside it.
    const int gap = std::max(pDC->GetTextExtent(" ").cx, Scaled(m_Span1.m_nArrowLength));
    const int frame = std::max(m_LabelArea.m_nPenWidth, 0);
    const int hi = std::max(m_LabelArea.m_Rect.left, m_LabelArea.m_Rect.right) - frame;
    // A text centred in its span when it fits there with the arrows; else beside the span,
    // after its end where the strip leaves room, or before its start.
    std::vector<CTextPlace> places;
    int height = 0;
    for (std::size_t i = 0; i < 2; ++i)
    {
        const int x1 = std::min(spans[i]->m_StartPoint.x, spans[i]->m_EndPoint.x);
        const int x2 = std::max(spans[i]->m_StartPoint.x, spans[i]->m_EndPoint.x);
        const CSize extent = pDC->GetTextExtent(spans[i]->m_strText);
        height = std::max(height, int(extent.cy));
        int l = x1, r = x2;
        if (x2 - x1 >= extent.cx + 2 * gap)
            CenterTextInSpan(extent.cx, x1, x2, &l, &r);
        else
            l = hi - x2 >= extent.cx + gap ? x2 + gap : x1 - gap - int(extent.cx);
        places.push_back({i, l, int(extent.cx)});
    }
    SpreadApart(places, gap);
    std::sort(places.begin(), places.end(),
              [](const CTextPlace& a, const CTextPlace& b) { return a.index < b.index; });
    // Ticks at start and end of both spans, but where a text had to be moved over one (a
    // short span on a small window): the text is read, the tick would run through it.
    const auto covered = [&](int x)
    {
        return std::any_of(places.begin(), places.end(), [&](const CTextPlace& place)
                           { return x >= place.left && x <= place.left + place.width; });
    };
    for (const CScaleSpan* span : spans)
        for (const int x : {span->m_StartPoint.x, span->m_EndPoint.x})
            if (!covered(x))
                DrawSpanTick(pDC, x, y0);
    const int ly = y0 - height / 2;
    for (std::size_t i = 0; i < 2; ++i)
    {
        const CScaleSpan& span = *spans[i];
        const int x1 = std::min(span.m_StartPoint.x, span.m_EndPoint.x);
        const int x2 = std::max(span.m_StartPoint.x, span.m_EndPoint.x);
        // The dimension line runs from end to end but for the texts on it, each with room
        // around it; its arrows stand at the ends of what is left.
        std::vector<std::pair<int, int>> pieces = {{x1, x2}};
        for (const CTextPlace& place : places)
            pieces = CutOut(pieces, place.left - gap / 2, place.left + place.width + gap / 2);
        for (const auto& [a, b] : pieces)
            DrawSpanLine(pDC, a, b, ly);
        if (!pieces.empty())
        {
            DrawLeftArrow(pDC, span, pieces.front().first, ly);
            DrawRightArrow(pDC, span, pieces.back().second, ly);
        }
        pDC->TextOut(places[i].left, y0, span.m_strText);
    }
}

std::vector<std::pair<int, int>>
CHorizontalScaleDRC::CutOut(const std::vector<std::pair<int, int>>& pieces, int from, int to)
{
    std::vector<std::pair<int, int>> left;
    for (const auto& [a, b] : pieces)
    {
        if (from > a)
            left.push_back({a, std::min(b, from)});
        if (to < b)
            left.push_back({std::max(a, to), b});
    }
    return left;
}
