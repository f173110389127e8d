#include "graph/VerticalScaleSpecialLimits.h"

#include "graph/Assert.h"

bool CVerticalScaleSpecialLimits::Draw(CDC* pDC, const CDoubleRect* pWindow)
{
    if (!m_bInitialized || !pDC || !pWindow)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    return DrawAxis(pDC, *pWindow, true);
}
