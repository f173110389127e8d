#include "graph/GraphAnnotationSet.h"

#include "framework/core/DeviceContext.h"
#include "graph/AxisScale.h"
#include "graph/CanvasReach.h"
#include "graph/Restore.h"
#include "graph/ViewFontSelection.h"

#include <algorithm>
#include <cmath>
#include <vector>

bool CGraphAnnotationSet::Draw(CDC* pDC)
{
    CTextAlignRestorer align(pDC, TA_BOTTOM);
    CFont font;
    m_ViewFont.CreateFont(pDC, &font);
    CFontRestorer fontRestorer(pDC, &font);
    if (pDC)
    {
        if (m_TextsRight)
            FitToRight(pDC);
        const auto drawLabel = [this, pDC](const CGraphLabel& label)
        {
            const CPoint at = Scaled(label.GetPosition());
            pDC->TextOut(at.x, at.y, label);
        };
        drawLabel(m_Title);
        for (int i = 0; i < m_Lines.GetSize(); ++i)
        {
            CSimpleLine line = *m_Lines.GetAt(i);
            for (CPoint& point : line.m_Points)
                point = Scaled(point);
            line.Draw(pDC);
        }
        for (const CGraphLabelArray* array : {&m_FirstLabels, &m_SecondLabels, &m_ThirdLabels})
            for (int i = 0; i < array->GetSize(); ++i)
                drawLabel(*array->GetAt(i));
    }
    fontRestorer.Restore();
    align.Restore();
    return true;
}

int CGraphAnnotationSet::TextsEnd(CDC* pDC)
{
    int end = 0;
    if (!pDC)
        return end;
    const CViewFontSelection font(pDC, m_ViewFont);
    for (const CGraphLabel* label : Labels())
        if (!label->empty())
            end = std::max(end, Scaled(label->GetPosition()).x + pDC->GetTextExtent(*label).cx);
    return end;
}

bool CGraphAnnotationSet::SetScale(CDC* pDC, double dScale, int nBaseY, int nTop)
{
    m_dScale = m_dRowScale = std::isfinite(dScale) && dScale > 1.0 ? dScale : 1.0;
    m_nBaseY = nBaseY;
    // The rows the texts stand on, and the least step between two of them.
    std::vector<int> rows;
    for (const CGraphLabel* label : Labels())
        rows.push_back(label->GetPosition().y);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (!pDC || rows.empty() || rows.back() <= nBaseY)
        return true;
    int step = rows.back() - rows.front();
    for (std::size_t i = 1; i < rows.size(); ++i)
        step = std::min(step, rows[i] - rows[i - 1]);
    const int height = m_ViewFont.HeightOn(pDC);
    const double fit = (nTop - height - nBaseY * m_dScale) / double(rows.back() - nBaseY);
    const double least = step > 0 ? double(height) / step : m_dScale;
    m_dRowScale = std::max(std::min(m_dScale, fit), std::min(least, m_dScale));
    return m_dRowScale <= fit;
}

CPoint CGraphAnnotationSet::Scaled(const CPoint& point) const
{
    return {CanvasPosition(std::round(point.x * m_dScale)),
            CanvasPosition(
                std::round(m_nBaseY * m_dScale + (double(point.y) - m_nBaseY) * m_dRowScale))};
}

std::vector<const CGraphLabel*> CGraphAnnotationSet::Labels() const
{
    std::vector<const CGraphLabel*> labels = {&m_Title};
    for (const CGraphLabelArray* array : {&m_FirstLabels, &m_SecondLabels, &m_ThirdLabels})
        for (int i = 0; i < array->GetSize(); ++i)
            labels.push_back(array->GetAt(i));
    return labels;
}

void CGraphAnnotationSet::FitToRight(CDC* pDC) const
{
    std::vector<CAxisScale::CFittedText> texts;
    for (const CGraphLabel* label : Labels())
        texts.push_back({*label, *m_TextsRight - Scaled(label->GetPosition()).x});
    // The font selected stays until Draw puts back the one before the view font; it is
    // made no smaller than the font's least size.
    CAxisScale::FitFontToWidths(pDC, texts,
                                CViewFont::LeastHeight(pDC, m_ViewFont.GetLeastPoints()));
}
