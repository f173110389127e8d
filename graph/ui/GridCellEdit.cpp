#include "graph/ui/GridCellEdit.h"

#include <QKeyEvent>

GridCellEdit::GridCellEdit(QWidget* parent) : QLineEdit(parent)
{
    hide();
}

void GridCellEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)
    {
        const bool bCommit = key != Qt::Key_Escape;
        if (!bCommit)
        {
            clear();
            hide();
        }
        if (m_OnFinish)
            m_OnFinish(bCommit);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
