// The table widget of the program's edit grids (filter parameters, master points): cells
// of plain text with headings in row 0, no editing of their own, and an in-cell editor
// laid over the current cell. Row 0 is shown in the table's heading bar, which stays in
// place while the rows scroll; the row itself is hidden. A printable key opens the editor
// with that character as the new text, Return or a double click opens it on the cell's
// text, selected; Return in the editor, leaving the cell or the grid taking the focus
// commits it, Escape drops it. A text the grid refuses for its column stays in the open
// editor, selected for correcting, with a message (told once for the same text, but at
// every Return), and the cell keeps its value until a text is taken or Escape drops the
// edit. The edit stays with the cell it was opened on:
// rows inserted or removed before it move it along, and an edit whose row was removed is
// dropped, never written into another cell.
//
// CTableGridOf joins the widget to a grid's row logic (a CGridCells class).
#pragma once

#include "graph/GridCells.h"
#include "graph/ui/GridCellEdit.h"

#include <QPersistentModelIndex>
#include <QTableWidget>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class CEditGridWidget : public QTableWidget
{
public:
    explicit CEditGridWidget(QWidget* parent = nullptr);

    // An edit is open, on a page shown or not.
    bool IsEditing() const { return !m_CellEdit->isHidden(); }
    GridCellEdit& CellEdit() { return *m_CellEdit; }

    // A key press (character code; 13 for Return) on the current cell.
    virtual void OnKeyPressGrid(int c) = 0;
    // A right click.
    virtual void OnRButtonDown() {}
    // Commits an open edit through the grid's row logic.
    virtual void FinishCellEdit() = 0;

    // The height the heading bar takes above the rows.
    int HeadingHeight() const;

protected:
    // The cells.
    std::string CellText(int nRow, int nCol) const;
    void SetCellText(int nRow, int nCol, const std::string& text);
    void InsertRowWithText(const std::string& text, int nIndex);
    // Empties every cell, the headings included.
    void ClearCells();
    // Gives each column its width, by column (a width of 0 leaves the column as it is).
    void SetColumnWidths(const std::vector<int>& widths);
    // Lays the columns out again after the grid's width changed.
    virtual void RelayoutColumns() {}
    // The message refusing the text typed into a cell of the column (empty when the column
    // takes it); text becomes the form the cell stores. A refused text stays in the editor,
    // and the cell keeps its value, unless it is the cell's text already.
    virtual std::string RefusalOf(int /*nCol*/, std::string& /*text*/) const { return {}; }

    // Opens the editor on the current cell of a data row (row 1 on): Return (13) with the
    // cell's text selected, another character as the new text. False when no data cell
    // is current or an edit stays open, refused.
    bool OpenCellEditor(int c);
    // The editor's text into its cell; false when no edit is open, its cell is gone (the edit
    // is dropped) or the text was refused (the edit stays open, after the message).
    bool CommitEditorText();
    void DiscardEditor();
    // The row of the edit last opened (-1 when its row is gone).
    int EditRow() const { return m_EditCell.isValid() ? m_EditCell.row() : -1; }
    int EditColumn() const { return m_EditCell.isValid() ? m_EditCell.column() : -1; }

    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The heading bar shows row 0; the row itself stays hidden wherever rows go.
    void ShowHeadings();
    void OnRowsInserted(int first, int last);
    // Keeps the refused edit open, its text selected, and tells why.
    void KeepRefusedEdit(const std::string& refusal);

    GridCellEdit* m_CellEdit;
    QPersistentModelIndex m_EditCell;
    std::optional<QString> m_RefusedText; // the text last told refused, while it stays open
    bool m_bTelling = false;              // the refusal's message is showing
};

// A grid's row logic (TRows, a CGridCells class) over the table widget. TRows's
// constructor arguments follow the parent.
template <class TRows> class CTableGridOf : public CEditGridWidget, public TRows
{
public:
    template <class... TArgs>
    explicit CTableGridOf(QWidget* parent, TArgs&&... args)
        : CEditGridWidget(parent), TRows(std::forward<TArgs>(args)...)
    {
    }

    int GetRows() const override { return rowCount(); }
    int GetCols() const override { return columnCount(); }
    std::string GetTextMatrix(int nRow, int nCol) const override { return CellText(nRow, nCol); }
    void SetTextMatrix(int nRow, int nCol, const std::string& text) override
    {
        SetCellText(nRow, nCol, text);
    }
    void AddItem(const std::string& text, int nIndex) override { InsertRowWithText(text, nIndex); }
    void RemoveItem(int nIndex) override { removeRow(nIndex); }
    void Clear() override { ClearCells(); }
    void FinishCellEdit() override { TRows::EndCellEdit(); }
    void DiscardCellEdit() override { DiscardEditor(); }

protected:
    bool CommitCellEdit() override { return CommitEditorText(); }
};
