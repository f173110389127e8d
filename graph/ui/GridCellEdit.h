// The in-cell editor of the filter edit grid: a one-line edit box laid over the cell
// being edited, hidden while no edit is open. Escape empties and hides it without
// committing; Return hands the text back to the grid, which commits it.
#pragma once

#include <QLineEdit>

#include <functional>

class GridCellEdit : public QLineEdit
{
public:
    explicit GridCellEdit(QWidget* parent);

    // Called on Return and Escape (bCommit false).
    std::function<void(bool bCommit)> m_OnFinish;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
