#include "graph/GraphAnnotationSet.h"

#include "framework/core/DeviceContext.h"
#include "graph/Restore.h"

bool CGraphAnnotationSet::Draw(CDC* pDC)
{
    CTextAlignRestorer align(pDC, TA_BOTTOM);
    CFont font;
    m_ViewFont.CreateFont(pDC, &font);
    CFontRestorer fontRestorer(pDC, &font);
    if (pDC)
    {
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
