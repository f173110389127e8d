#include "graph/SimpleLine.h"

#include "graph/Assert.h"
#include "graph/Restore.h"

bool CSimpleLine::Draw(CDC* pDC) const
{
    if (!MORVANE_CHECK(pDC))
        return false;
    CPen pen(PS_SOLID, m_nPenWidth, m_Color);
    CPenRestorer restorer(pDC, &pen);
    const bool drawn = pDC->Polyline(m_Points, 2);
    restorer.Restore();
    return drawn;
}
