// A master point grid without a screen: the grid's rows over a plain table of texts, for
// headless runs and tests. It counts the notifications it gives its page.
#pragma once

#include "document/MasterPtGridRows.h"
#include "graph/GridCells.h"

#include <string>
#include <vector>

class CMemoryMasterPointGrid : public CPlainGrid<CMasterPtGridRows>
{
public:
    explicit CMemoryMasterPointGrid(bool bReadOnly = false, unsigned uID = 1)
        : CPlainGrid<CMasterPtGridRows>(uID, bReadOnly)
    {
        Initialize();
    }

    bool NotifyParent() override
    {
        ++m_nNotifications;
        return true;
    }
    void NotifyPointDeleted(int nRow) override { m_DeletedRows.push_back(nRow); }

    std::string Cell(int nRow, int nColumn) const { return GetTextMatrix(nRow, nColumn); }
    int GetNotifyCount() const { return m_nNotifications; }

    std::vector<int> m_DeletedRows;

private:
    int m_nNotifications = 0;
};
