#include "graph/GraphLabel.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"

bool CGraphLabel::Draw(CDC* pDC) const
{
    if (!MORVANE_CHECK(pDC))
        return false;
    return pDC->TextOut(m_Position.x, m_Position.y, *this);
}
