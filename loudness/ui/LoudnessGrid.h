// The loudness grid on the screen: the row logic of one loudness kind (CLoudnessGridRows)
// on the program's edit grid widget. Its cells are not edited; a right-button press on a
// filter row offers the popup "Edit", "Add Loudness Coefficients to QZX2XXX Data File" and
// "Delete Loudness Coefficients", which act on that row's filter through the manager of
// the grid's own family. The heading row, a "*" placeholder and the space below the last
// row offer nothing.
#pragma once

#include "graph/ui/EditGridWidget.h"
#include "loudness/LoudnessGridRows.h"

#include <functional>

class QMenu;

class CLoudnessGrid : public CTableGridOf<CLoudnessGridRows>
{
public:
    explicit CLoudnessGrid(QWidget* parent = nullptr);

    // Wide enough for every column's heading and values, with room for a few rows.
    QSize sizeHint() const override;

    // Equal columns over the width, the rest to the last one; never narrower than a
    // column's heading or a value needs (the grid then scrolls).
    void LayoutColumns(int nCount) override;
    void RelayoutColumns() override { LayoutColumns(columnCount()); }
    // The cells are shown, not typed into.
    void OnKeyPressGrid(int) override {}

    // The popup of a right-button press on a row (-1 below the last row) at a screen
    // point; false when none is offered.
    bool ShowPopup(int nRow, const QPoint& screen);
    // Shows the popup and returns the chosen item (null for none); the menu's own modal
    // loop unless replaced.
    std::function<QAction*(QMenu& menu, const QPoint& screen)> m_TrackPopup;

protected:
    static constexpr int kRowsShown = 6;
    // The width every column needs for its heading and the widest value.
    int ColumnWidth() const;
    void mousePressEvent(QMouseEvent* event) override;
};
