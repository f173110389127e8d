// The grid in which the user types master points: point number, frequency in Hz and
// amplitude in dB, the headings in row 0 and, in an editable grid, the "*" row for a new
// point last. The in-cell editor is the edit grid's (CEditGridWidget); a key press on the
// "*" row numbers it and adds a new "*" row. A right click on a point of an editable grid
// asks "Delete Point <n>?" and deletes it. Every opened or committed edit and every
// deletion is reported to the page that holds the grid. The frequency and amplitude cells
// take only numbers inside PointBounds (0.001 Hz to 10 MHz, -1000 dB to 1000 dB): other
// text is refused with the settings sheet's message and the cell keeps its value.
#pragma once

#include "document/MasterPtGridRows.h"
#include "graph/ui/EditGridWidget.h"

#include <functional>
#include <string>

class CMasterPtEditGrid : public CTableGridOf<CMasterPtGridRows>
{
public:
    CMasterPtEditGrid(unsigned uID, bool bReadOnly, QWidget* parent = nullptr);

    // Column 0 a fifth of the width, the value columns two fifths each.
    void LayoutColumns(int nCount) override;
    void OnKeyPressGrid(int c) override;
    void OnRButtonDown() override;
    bool NotifyParent() override;
    void NotifyPointDeleted(int nRow) override;
    void RelayoutColumns() override { LayoutColumns(columnCount()); }

    // The page's: the points changed; the user deleted the point of a row.
    std::function<void()> m_OnPointsChanged;
    std::function<void(int nRow)> m_OnPointDeleted;
    // The Confirm Master Point Deletion question; the dialog when empty.
    std::function<bool(const std::string& point)> m_AskDeletion;

protected:
    bool ConfirmDeletion(const std::string& point) override;
    bool CommitCellEdit() override;
    std::string RefusalOf(int nCol, std::string& text) const override;
};
