#include "graph/ui/EditGridWidget.h"

#include "graph/MorvaneUtilities.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

CEditGridWidget::CEditGridWidget(QWidget* parent)
    : QTableWidget(parent), m_CellEdit(new GridCellEdit(viewport()))
{
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    m_CellEdit->m_OnFinish = [this](bool bCommit)
    {
        // Return tells why a text is refused each time; the edit then stays open.
        m_RefusedText.reset();
        if (bCommit)
            FinishCellEdit();
        else
            DiscardEditor();
        if (!IsEditing())
            setFocus();
    };
    // Leaving a cell commits the edit to the cell it was opened on.
    connect(this, &QTableWidget::currentCellChanged, this, [this] { FinishCellEdit(); });
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { OnRowsInserted(first, last); });
    connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] { ShowHeadings(); });
    connect(model(), &QAbstractItemModel::columnsInserted, this, [this] { ShowHeadings(); });
}

int CEditGridWidget::HeadingHeight() const
{
    return horizontalHeader()->sizeHint().height();
}

void CEditGridWidget::OnRowsInserted(int first, int last)
{
    // A row inserted before the heading row pushes it down: the rows it pushed are shown.
    if (first == 0)
        for (int r = 0; r <= last - first + 1 && r < rowCount(); ++r)
            setRowHidden(r, false);
    ShowHeadings();
}

void CEditGridWidget::ShowHeadings()
{
    if (rowCount() > 0)
        setRowHidden(0, true);
    for (int c = 0; c < columnCount(); ++c)
    {
        const QString text = QString::fromStdString(CellText(0, c));
        QTableWidgetItem* heading = horizontalHeaderItem(c);
        if (!heading)
            setHorizontalHeaderItem(c, new QTableWidgetItem(text));
        else if (heading->text() != text)
            heading->setText(text);
    }
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
    if (nRow == 0)
        ShowHeadings();
}

void CEditGridWidget::InsertRowWithText(const std::string& text, int nIndex)
{
    insertRow(nIndex);
    SetCellText(nIndex, 0, text);
}

void CEditGridWidget::ClearCells()
{
    clearContents();
    ShowHeadings();
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
    // A refused edit stays open for correcting.
    if (IsEditing())
        return false;
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
    if (!IsEditing())
        return false;
    const QPersistentModelIndex cell = m_EditCell;
    if (!cell.isValid())
    {
        DiscardEditor();
        return false;
    }
    std::string text = m_CellEdit->text().toStdString();
    const std::string refusal = RefusalOf(cell.column(), text);
    // A refused text that is the cell's own changes nothing.
    if (!refusal.empty() && text != CellText(cell.row(), cell.column()))
    {
        KeepRefusedEdit(refusal);
        return false;
    }
    DiscardEditor();
    if (refusal.empty())
        SetCellText(cell.row(), cell.column(), text);
    return true;
}

void CEditGridWidget::KeepRefusedEdit(const std::string& refusal)
{
    const QString typed = m_CellEdit->text();
    m_CellEdit->setFocus();
    m_CellEdit->selectAll();
    // Every commit that follows (leaving the cell, the grid taking the focus, a command that
    // reads the grid) finds the same text refused: it is told once.
    if (m_bTelling || m_RefusedText == typed)
        return;
    m_RefusedText = typed;
    m_bTelling = true;
    ShowMessage(refusal);
    m_bTelling = false;
    // The message may hand the activation to the window it belongs to (the main window):
    // the typing is corrected where it stands.
    if (isVisible())
        window()->activateWindow();
    m_CellEdit->setFocus();
}

void CEditGridWidget::DiscardEditor()
{
    m_CellEdit->clear();
    m_CellEdit->hide();
    m_EditCell = QPersistentModelIndex();
    m_RefusedText.reset();
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
