#include "graph/GraphAnnotationSet.h"

#include "framework/core/DeviceContext.h"
#include "graph/AxisScale.h"
#include "graph/Restore.h"
#include "graph/ViewFontSelection.h"

#include <algorithm>
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
        m_Title.Draw(pDC);
        m_Lines.DrawAll(pDC);
        m_FirstLabels.DrawAll(pDC);
        m_SecondLabels.DrawAll(pDC);
        m_ThirdLabels.DrawAll(pDC);
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
            end = std::max(end, label->GetPosition().x + pDC->GetTextExtent(*label).cx);
    return end;
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
        texts.push_back({*label, *m_TextsRight - label->GetPosition().x});
    // The font selected stays until Draw puts back the one before the view font.
    CAxisScale::FitFontToWidths(pDC, texts);
}
