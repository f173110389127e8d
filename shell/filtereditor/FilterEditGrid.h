// The grid in which the user types the filters of one kind: one row per filter, the name
// in column 0, the kind's parameter columns, Active, Modifiable (peaking EQ) and Output
// Order, the headings in row 0 and the "*" row for a new filter last. The in-cell editor
// is the edit grid's (CEditGridWidget). A parameter cell takes only a number, the Output
// Order cell only an integer and the Active and Modifiable cells only "Yes" or "No" (any
// letter case, or the first letters: "y", "n"): other text is refused with the settings
// sheet's message and the cell keeps its value. An output order, or the number after a
// name's "-", above kMaxFilterNumber is refused too: the grid numbers new rows on from
// them; and so is a negative output order, which would leave its row out of the lists
// for good (0 leaves a row without an order, like the empty cell of a new row). So is a
// parameter whose six-decimal text, which files and device data keep, would read back as
// another filter (WrittenValueProblem: a cut-off of 4e-7 Hz is written "0.000000"). A right
// click on a filter row asks for that filter's deletion.
#pragma once

#include "filters/FilterGridRows.h"
#include "graph/ui/EditGridWidget.h"

#include <functional>
#include <string>

class CFilterEditGrid : public CTableGridOf<CFilterGridRows>
{
public:
    CFilterEditGrid(unsigned uID, int kind, QWidget* parent = nullptr);

    void LayoutColumns(int nCount) override;
    // Wide enough for every heading in its equal share of the width, high enough for a
    // few filters.
    QSize sizeHint() const override;

    // Opens the editor on the current cell: Return (13) with the cell's text selected,
    // another character as the new text.
    void OnKeyPressGrid(int c) override;
    // The current row's filter, after confirmation.
    void OnRButtonDown() override;

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
    void RelayoutColumns() override { LayoutColumns(columnCount()); }
    std::string RefusalOf(int nCol, std::string& text) const override;

private:
    static constexpr int kRowsShown = 8;
};
