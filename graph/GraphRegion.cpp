#include "graph/GraphRegion.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"

bool CGraphRegion::Draw(CDC* pDC) const
{
    if (!MORVANE_CHECK(pDC))
        return false;
    if (!m_bVisible)
        return false;
    CPen pen;
    CPen oldPen;
    if (m_bPen)
    {
        pen.CreatePen(m_nPenStyle, m_nPenWidth, m_PenColor);
        oldPen = pDC->SelectObject(pen);
    }
    if (m_bFill)
        pDC->FillSolidRect(m_Rect, m_FillColor);
    else
        pDC->Rectangle(m_Rect.left, m_Rect.top, m_Rect.right, m_Rect.bottom);
    if (m_bPen)
    {
        pDC->SelectObject(oldPen);
        pen.DeleteObject();
    }
    return true;
}
