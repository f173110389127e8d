#include "loudness/ui/LoudnessGrid.h"

#include "framework/core/CommandTarget.h"

#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>

#include <QMouseEvent>
#include <algorithm>

CLoudnessGrid::CLoudnessGrid(QWidget* parent) : CTableGridOf<CLoudnessGridRows>(parent)
{
    setObjectName("LoudnessGrid");
    setWordWrap(false);
}

int CLoudnessGrid::ColumnWidth() const
{
    // As wide as the widest heading or a value of the grid needs.
    const QFontMetrics headings = horizontalHeader()->fontMetrics();
    int widest = fontMetrics().horizontalAdvance("-00000.000000");
    for (int c = 0; c < columnCount(); ++c)
        widest = std::max(widest,
                          headings.horizontalAdvance(QString::fromStdString(GetTextMatrix(0, c))));
    return widest + 2 * fontMetrics().averageCharWidth();
}

QSize CLoudnessGrid::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return {ColumnWidth() * std::max(columnCount(), 1) + frame +
                verticalScrollBar()->sizeHint().width(),
            HeadingHeight() + kRowsShown * verticalHeader()->defaultSectionSize() + frame};
}

void CLoudnessGrid::LayoutColumns(int nCount)
{
    setColumnCount(nCount);
    // Narrower than its columns need, the grid scrolls rather than cutting them.
    SetColumnWidths(ColumnWidths(std::max(viewport()->width(), ColumnWidth() * nCount), nCount));
}

bool CLoudnessGrid::ShowPopup(int nRow, const QPoint& screen)
{
    if (!SelectRowForPopup(nRow))
        return false;
    QMenu menu(this);
    const struct
    {
        int id;
        const char* text;
    } items[] = {
        {ID_LOUDNESS_EDIT, "&Edit"},
        {ID_LOUDNESS_ADD_TO_DATA_FILE, "&Add Loudness Coefficients to QZX2XXX Data File"},
        {ID_LOUDNESS_DELETE, "&Delete Loudness Coefficients"},
    };
    for (const auto& item : items)
    {
        QAction* action = menu.addAction(item.text);
        action->setData(item.id);
        action->setEnabled(GetPopupCommandState(item.id).bEnabled);
    }
    QAction* chosen = m_TrackPopup ? m_TrackPopup(menu, screen) : menu.exec(screen);
    if (chosen)
        OnPopupCommand(chosen->data().toInt());
    return true;
}

void CLoudnessGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
    {
        // The row under the pointer; -1 below the last row.
        const QPoint at = event->position().toPoint();
        ShowPopup(rowAt(at.y()), mapToGlobal(at));
    }
    CTableGridOf<CLoudnessGridRows>::mousePressEvent(event);
}
