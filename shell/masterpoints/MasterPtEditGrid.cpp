#include "shell/masterpoints/MasterPtEditGrid.h"

#include "graph/PointBounds.h"
#include "graph/ResourceString.h"
#include "shell/dialogs/DialogDataExchange.h"
#include "shell/dialogs/QuestionDlg.h"

namespace
{
constexpr int kColumns = 3;
constexpr unsigned kDeletePointText = 223; // "Delete Point "
} // namespace

CMasterPtEditGrid::CMasterPtEditGrid(unsigned uID, bool bReadOnly, QWidget* parent)
    : CTableGridOf<CMasterPtGridRows>(parent, uID, bReadOnly)
{
    setObjectName(QString("MasterPointGrid%1").arg(uID));
    Initialize();
}

void CMasterPtEditGrid::LayoutColumns(int nCount)
{
    setColumnCount(nCount);
    const int fifth = viewport()->width() / 5;
    if (nCount == kColumns)
        SetColumnWidths({fifth, 2 * fifth, 2 * fifth});
}

void CMasterPtEditGrid::OnKeyPressGrid(int c)
{
    const int nRow = currentRow();
    if (!OpenCellEditor(c))
        return;
    PrepareRowForEdit(nRow);
    NotifyParent();
}

bool CMasterPtEditGrid::CommitCellEdit()
{
    if (!CTableGridOf<CMasterPtGridRows>::CommitCellEdit())
        return false;
    NotifyParent();
    return true;
}

std::string CMasterPtEditGrid::RefusalOf(int nCol, std::string& text) const
{
    // Column 0 holds the point number the grid gives.
    if (nCol == 0)
        return {};
    const std::optional<double> value = DialogData::ParseDouble(text);
    if (!value)
        return DialogData::kEnterNumber;
    // A cell takes what a point may hold (PointBounds).
    if (nCol == 1)
        return PointBounds::IsFrequency(*value)
                   ? std::string()
                   : DialogData::RealRangeMessage(PointBounds::kMinHz, PointBounds::kMaxHz);
    return PointBounds::IsLevel(*value)
               ? std::string()
               : DialogData::RealRangeMessage(-PointBounds::kMaxDb, PointBounds::kMaxDb);
}

void CMasterPtEditGrid::OnRButtonDown()
{
    DeleteRowAsked(currentRow());
}

bool CMasterPtEditGrid::ConfirmDeletion(const std::string& point)
{
    if (m_AskDeletion)
        return m_AskDeletion(point);
    CQuestionDlg dialog("Confirm Master Point Deletion",
                        CResourceString(kDeletePointText) + point + "?", this);
    return dialog.exec() == QDialog::Accepted;
}

bool CMasterPtEditGrid::NotifyParent()
{
    if (m_OnPointsChanged)
        m_OnPointsChanged();
    return true;
}

void CMasterPtEditGrid::NotifyPointDeleted(int nRow)
{
    if (m_OnPointDeleted)
        m_OnPointDeleted(nRow);
}
