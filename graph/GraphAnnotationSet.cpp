#include "graph/GraphAnnotationSet.h"

#include "framework/core/DeviceContext.h"
#include "graph/AxisScale.h"
#include "graph/Restore.h"

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

void CGraphAnnotationSet::FitToRight(CDC* pDC) const
{
    std::vector<CAxisScale::CFittedText> texts;
    const auto add = [&](const CGraphLabel& label) {
        texts.push_back({label, *m_TextsRight - label.GetPosition().x});
    };
    add(m_Title);
    for (const CGraphLabelArray* labels : {&m_FirstLabels, &m_SecondLabels, &m_ThirdLabels})
        for (int i = 0; i < labels->GetSize(); ++i)
            add(*labels->GetAt(i));
    // The font selected stays until Draw puts back the one before the view font.
    CAxisScale::FitFontToWidths(pDC, texts);
}
