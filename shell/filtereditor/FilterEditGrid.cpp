#include "shell/filtereditor/FilterEditGrid.h"

#include "graph/MorvaneUtilities.h"
#include "shell/dialogs/DialogDataExchange.h"
#include "shell/filtereditor/DeleteFilterDlg.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

CFilterEditGrid::CFilterEditGrid(unsigned uID, int kind, QWidget* parent)
    : QTableWidget(2, 0, parent), CFilterGridRows(uID, kind),
      m_CellEdit(new GridCellEdit(viewport()))
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnCount(Info().m_nColumnCount);
    m_CellEdit->m_OnFinish = [this](bool bCommit)
    {
        if (bCommit)
            EndCellEdit();
        setFocus();
    };
    // Leaving a cell commits the edit to the cell it was opened on.
    connect(this, &QTableWidget::currentCellChanged, this, [this] { EndCellEdit(); });
}

std::string CFilterEditGrid::GetTextMatrix(int nRow, int nCol) const
{
    const QTableWidgetItem* cell = item(nRow, nCol);
    return cell ? cell->text().toStdString() : std::string();
}

void CFilterEditGrid::SetTextMatrix(int nRow, int nCol, const std::string& text)
{
    if (nRow < 0 || nRow >= rowCount() || nCol < 0 || nCol >= columnCount())
        return;
    QTableWidgetItem* cell = item(nRow, nCol);
    if (!cell)
    {
        cell = new QTableWidgetItem;
        setItem(nRow, nCol, cell);
    }
    cell->setText(QString::fromStdString(text));
}

void CFilterEditGrid::AddItem(const std::string& text, int nIndex)
{
    insertRow(nIndex);
    SetTextMatrix(nIndex, 0, text);
}

void CFilterEditGrid::RemoveItem(int nIndex)
{
    removeRow(nIndex);
}

void CFilterEditGrid::LayoutColumns(int nCount)
{
    setColumnCount(nCount);
    const int width = nCount > 0 ? viewport()->width() / nCount : 0;
    for (int c = 0; c < nCount && width > 0; ++c)
        setColumnWidth(c, width);
}

QSize CFilterEditGrid::sizeHint() const
{
    // Columns share the width equally, so each is as wide as the widest heading needs.
    int widest = 0;
    for (const std::string& heading : Info().m_Headings)
        widest = std::max(widest, fontMetrics().horizontalAdvance(QString::fromStdString(heading)));
    const int column = widest + 2 * fontMetrics().averageCharWidth() + 8;
    const int frame = 2 * frameWidth();
    return {column * std::max(columnCount(), 1) + frame + verticalScrollBar()->sizeHint().width(),
            kRowsShown * verticalHeader()->defaultSectionSize() + frame};
}

void CFilterEditGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    LayoutColumns(columnCount());
}

void CFilterEditGrid::OnKeyPressGrid(int c)
{
    const int nRow = currentRow();
    const int nCol = currentColumn();
    if (nRow < 1 || nCol < 0)
        return;
    EndCellEdit();
    if (c == '\r')
    {
        m_CellEdit->setText(QString::fromStdString(GetTextMatrix(nRow, nCol)));
        m_CellEdit->selectAll();
    }
    else
        // A typed character starts the cell's new text, as in a spreadsheet.
        m_CellEdit->setText(QString(QChar(c)));
    m_nEditRow = nRow;
    m_nEditCol = nCol;
    m_CellEdit->setGeometry(visualRect(model()->index(nRow, nCol)));
    m_CellEdit->show();
    m_CellEdit->setFocus();
    if (PrepareRowForEdit(nRow, nCol) && m_OnOrderAssigned)
        m_OnOrderAssigned();
    if (m_OnEdited)
        m_OnEdited();
}

std::string CFilterEditGrid::RefusalOf(int nCol, const std::string& text) const
{
    switch (GetCellValueKind(nCol))
    {
    case ECellValue::Number:
        return DialogData::ParseDouble(text) ? std::string() : DialogData::kEnterNumber;
    case ECellValue::Integer:
        return DialogData::ParseLong(text) ? std::string() : DialogData::kEnterInteger;
    case ECellValue::Text:
        break;
    }
    return {};
}

bool CFilterEditGrid::CommitCellEdit()
{
    if (!m_CellEdit->isVisible())
        return false;
    const std::string text = m_CellEdit->text().toStdString();
    m_CellEdit->clear();
    m_CellEdit->hide();
    if (m_nEditRow < 0 || m_nEditRow >= rowCount())
        return false;
    // A number cell keeps its value unless the text reads as one (an unchanged cell, an
    // empty one left empty included).
    const std::string refusal = RefusalOf(m_nEditCol, text);
    if (!refusal.empty() && text != GetTextMatrix(m_nEditRow, m_nEditCol))
    {
        ShowMessage(refusal);
        return false;
    }
    SetTextMatrix(m_nEditRow, m_nEditCol, text);
    SeeOutputOrder(m_nEditRow);
    return true;
}

void CFilterEditGrid::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    {
        OnKeyPressGrid('\r');
        return;
    }
    if (text.size() == 1 && text[0].isPrint())
    {
        OnKeyPressGrid(text[0].unicode());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CFilterEditGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    OnKeyPressGrid('\r');
}

void CFilterEditGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        OnRButtonDown();
    QTableWidget::mousePressEvent(event);
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

void CFilterEditGrid::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    EndCellEdit();
}
