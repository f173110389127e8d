#include "shell/filtereditor/FilterEditGrid.h"

#include "shell/filtereditor/DeleteFilterDlg.h"

#include <algorithm>

CFilterEditGrid::CFilterEditGrid(unsigned uID, int kind, QWidget* parent)
    : CTableGridOf<CFilterGridRows>(parent, uID, kind)
{
    setRowCount(2);
    setColumnCount(Info().m_nColumnCount);
}

void CFilterEditGrid::LayoutColumns(int nCount)
{
    setColumnCount(nCount);
    const int width = nCount > 0 ? viewport()->width() / nCount : 0;
    SetColumnWidths(std::vector<int>(std::size_t(std::max(nCount, 0)), width));
}

void CFilterEditGrid::OnKeyPressGrid(int c)
{
    const int nRow = currentRow();
    const int nCol = currentColumn();
    if (!OpenCellEditor(c))
        return;
    if (PrepareRowForEdit(nRow, nCol) && m_OnOrderAssigned)
        m_OnOrderAssigned();
    if (m_OnEdited)
        m_OnEdited();
}

bool CFilterEditGrid::CommitCellEdit()
{
    const int nRow = EditRow();
    if (!CTableGridOf<CFilterGridRows>::CommitCellEdit())
        return false;
    SeeOutputOrder(nRow);
    return true;
}

void CFilterEditGrid::OnRButtonDown()
{
    const int nRow = currentRow();
    if (nRow < 1 || nRow >= rowCount() || IsNewFilterRow(nRow))
        return;
    if (m_OnDeleteRequest)
        m_OnDeleteRequest(GetName(nRow));
}

bool CFilterEditGrid::ConfirmDeletion(const std::string& name)
{
    if (m_AskDeletion)
        return m_AskDeletion(name);
    CDeleteFilterDlg dialog(name, this);
    return dialog.exec() != QDialog::Rejected;
}
