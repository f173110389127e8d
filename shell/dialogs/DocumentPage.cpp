#include "shell/dialogs/DocumentPage.h"

#include "graph/Assert.h"

bool CDocumentPage::SetDocument(CMorvaneDoc* pDoc)
{
    if (!pDoc)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    m_pDoc = pDoc;
    return true;
}
