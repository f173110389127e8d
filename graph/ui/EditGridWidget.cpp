#include "graph/ui/EditGridWidget.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

CEditGridWidget::CEditGridWidget(QWidget* parent)
    : QTableWidget(parent), m_CellEdit(new GridCellEdit(viewport()))
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    m_CellEdit->m_OnFinish = [this](bool bCommit)
    {
        if (bCommit)
            FinishCellEdit();
        else
            DiscardEditor();
        setFocus();
    };
    // Leaving a cell commits the edit to the cell it was opened on.
    connect(this, &QTableWidget::currentCellChanged, this, [this] { FinishCellEdit(); });
}

std::string CEditGridWidget::CellText(int nRow, int nCol) const
{
    const QTableWidgetItem* cell = item(nRow, nCol);
    return cell ? cell->text().toStdString() : std::string();
}

void CEditGridWidget::SetCellText(int nRow, int nCol, const std::string& text)
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

void CEditGridWidget::InsertRowWithText(const std::string& text, int nIndex)
{
    insertRow(nIndex);
    SetCellText(nIndex, 0, text);
}

void CEditGridWidget::SetColumnWidths(const std::vector<int>& widths)
{
    for (int c = 0; c < int(widths.size()) && c < columnCount(); ++c)
        if (widths[std::size_t(c)] > 0)
            setColumnWidth(c, widths[std::size_t(c)]);
}

void CEditGridWidget::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    RelayoutColumns();
}

bool CEditGridWidget::OpenCellEditor(int c)
{
    const int nRow = currentRow();
    const int nCol = currentColumn();
    if (nRow < 1 || nCol < 0)
        return false;
    FinishCellEdit();
    if (c == '\r')
    {
        m_CellEdit->setText(QString::fromStdString(CellText(nRow, nCol)));
        m_CellEdit->selectAll();
    }
    else
        // A typed character starts the cell's new text, as in a spreadsheet.
        m_CellEdit->setText(QString(QChar(c)));
    m_EditCell = QPersistentModelIndex(model()->index(nRow, nCol));
    m_CellEdit->setGeometry(visualRect(model()->index(nRow, nCol)));
    m_CellEdit->show();
    m_CellEdit->setFocus();
    return true;
}

bool CEditGridWidget::CommitEditorText()
{
    if (!m_CellEdit->isVisible())
        return false;
    const std::string text = m_CellEdit->text().toStdString();
    const QPersistentModelIndex cell = m_EditCell;
    DiscardEditor();
    if (!cell.isValid())
        return false;
    SetCellText(cell.row(), cell.column(), text);
    return true;
}

void CEditGridWidget::DiscardEditor()
{
    m_CellEdit->clear();
    m_CellEdit->hide();
    m_EditCell = QPersistentModelIndex();
}

void CEditGridWidget::keyPressEvent(QKeyEvent* event)
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

void CEditGridWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    OnKeyPressGrid('\r');
}

void CEditGridWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        OnRButtonDown();
    QTableWidget::mousePressEvent(event);
}

void CEditGridWidget::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    FinishCellEdit();
}
