#include "graph/Restore.h"

#include "graph/Assert.h"

CRestorerBase::CRestorerBase(CDC* pDC) : m_pDC(pDC)
{
    MORVANE_CHECK(pDC);
}

CRestorerBase::~CRestorerBase()
{
    MORVANE_CHECK(m_bWasRestored);
}

bool CRestorerBase::MarkRestored()
{
    m_bWasRestored = true;
    return true;
}

void CRestorerBase::ReportNull(const char* name)
{
    ReportAssertion(name, __FILE__, __LINE__);
}

bool CPenRestorer::Restore()
{
    const bool wasRestored = m_bWasRestored;
    CStateRestorer::Restore();
    if (m_pPen && !wasRestored)
        m_pPen->DeleteObject();
    return true;
}
