#include "shell/filtereditor/FilterEditGrid.h"

#include "filters/FilterDesignCheck.h"
#include "graph/Convert.h"
#include "graph/MorvaneUtilities.h"
#include "shell/dialogs/DialogDataExchange.h"
#include "shell/filtereditor/DeleteFilterDlg.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>
#include <optional>
#include <string>

namespace
{
const char* const kEnterOrderNotNegative = "Please enter an output order of 0 or more.";

// The message for an output order or a name's number that the grid could not count on from.
std::string AboveMaxFilterNumber(const char* what)
{
    return std::string("Please enter ") + what + " at most " + std::to_string(kMaxFilterNumber) +
           ".";
}
} // namespace

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

QSize CFilterEditGrid::sizeHint() const
{
    // Columns share the width equally, so each is as wide as the widest heading needs.
    const QFontMetrics headings = horizontalHeader()->fontMetrics();
    int widest = 0;
    for (const std::string& heading : Info().m_Headings)
        widest = std::max(widest, headings.horizontalAdvance(QString::fromStdString(heading)));
    const int column = widest + 2 * headings.averageCharWidth() + 8;
    const int frame = 2 * frameWidth();
    return {column * std::max(columnCount(), 1) + frame + verticalScrollBar()->sizeHint().width(),
            HeadingHeight() + kRowsShown * verticalHeader()->defaultSectionSize() + frame};
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

std::string CFilterEditGrid::RefusalOf(int nCol, std::string& text) const
{
    switch (GetCellValueKind(nCol))
    {
    case ECellValue::Number:
        if (const std::optional<double> value = DialogData::ParseDouble(text))
        {
            // The files and the device data keep six decimals of it.
            const std::string problem =
                WrittenValueProblem(Info().m_Headings[std::size_t(nCol)], *value);
            return problem.empty() ? problem : "Please enter another number: " + problem;
        }
        return DialogData::kEnterNumber;
    case ECellValue::Integer:
        if (const std::optional<long> n = DialogData::ParseLong(text))
        {
            // A row of a negative order is no filter, and unlike a row of 0 or none no key
            // press gives it an order: its filter would leave the lists unseen.
            if (*n < 0)
                return kEnterOrderNotNegative;
            return *n > kMaxFilterNumber ? AboveMaxFilterNumber("an output order of")
                                         : std::string();
        }
        return DialogData::kEnterInteger;
    case ECellValue::Mode:
        if (const std::optional<bool> bYes = DialogData::ParseYesNo(text))
        {
            text = BoolToYesNo(*bYes);
            return {};
        }
        return DialogData::kEnterYesOrNo;
    case ECellValue::Text:
        break;
    }
    // The grid names its new rows on from the largest number of a name.
    if (nCol == 0 && ReadLabelNumber(text) > kMaxFilterNumber)
        return AboveMaxFilterNumber("a name whose number is");
    return {};
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
