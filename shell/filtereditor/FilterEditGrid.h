// The grid in which the user types the filters of one kind: one row per filter, the name
// in column 0, the kind's parameter columns, Active, Modifiable (peaking EQ) and Output
// Order, the headings in row 0 and the "*" row for a new filter last. A key press or a
// double click opens the in-cell editor over the current cell; leaving the cell, Return
// or the grid taking the focus commits it, Escape drops it. A parameter cell takes only a
// number and the Output Order cell only an integer: other text is refused with the
// settings sheet's message and the cell keeps its value. A right click on a filter row
// asks for that filter's deletion.
#pragma once

#include "filters/FilterGridRows.h"
#include "shell/filtereditor/GridCellEdit.h"

#include <QTableWidget>

#include <functional>
#include <string>

class CFilterEditGrid : public QTableWidget, public CFilterGridRows
{
public:
    CFilterEditGrid(unsigned uID, int kind, QWidget* parent = nullptr);

    int GetRows() const override { return rowCount(); }
    int GetCols() const override { return columnCount(); }
    std::string GetTextMatrix(int nRow, int nCol) const override;
    void SetTextMatrix(int nRow, int nCol, const std::string& text) override;
    void AddItem(const std::string& text, int nIndex) override;
    void RemoveItem(int nIndex) override;
    void Clear() override { clearContents(); }
    void LayoutColumns(int nCount) override;
    // Wide enough for every heading in its equal share of the width, high enough for a
    // few filters.
    QSize sizeHint() const override;

    // Opens the editor on the current cell: Return (13) with the cell's text selected,
    // another character as the new text.
    void OnKeyPressGrid(int c);
    bool IsEditing() const { return m_CellEdit->isVisible(); }
    GridCellEdit& CellEdit() { return *m_CellEdit; }
    // The current row's filter, after confirmation.
    void OnRButtonDown();

    // The grid's change notification: an edit was opened (the page marks itself edited).
    std::function<void()> m_OnEdited;
    // An edit gave a row its output order.
    std::function<void()> m_OnOrderAssigned;
    // A right click asks for the deletion of the named filter.
    std::function<void(const std::string& name)> m_OnDeleteRequest;
    // The Confirm Filter Deletion question; the dialog when empty.
    std::function<bool(const std::string& name)> m_AskDeletion;

protected:
    bool ConfirmDeletion(const std::string& name) override;
    bool CommitCellEdit() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kRowsShown = 8;
    // The message refusing the text in the column; empty when the column takes it.
    std::string RefusalOf(int nCol, const std::string& text) const;

    GridCellEdit* m_CellEdit;
    int m_nEditRow = -1;
    int m_nEditCol = -1;
};
