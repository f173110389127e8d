#include "graph/HorizontalScaleSpecialLimits.h"

#include "graph/Assert.h"

bool CHorizontalScaleSpecialLimits::Draw(CDC* pDC, CDoubleRect window)
{
    if (!m_bInitialized || !pDC)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    return DrawAxis(pDC, window, true);
}
