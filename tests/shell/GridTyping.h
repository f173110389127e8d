// Typing into an edit grid as the user does: key presses into the grid open its in-cell
// editor, the following ones go to the editor, and a last key ends the edit.
#pragma once

#include "graph/ui/EditGridWidget.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

// Types text into the cell and ends with endKey (Return commits, Escape drops the edit).
inline void TypeIntoCell(CEditGridWidget& grid, int r, int c, const QString& text,
                         int endKey = Qt::Key_Return)
{
    grid.setCurrentCell(r, c);
    for (int i = 0; i < text.size(); ++i)
    {
        QWidget* target = grid.IsEditing() ? static_cast<QWidget*>(&grid.CellEdit())
                                           : static_cast<QWidget*>(&grid);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text.mid(i, 1));
        QCoreApplication::sendEvent(target, &press);
    }
    QKeyEvent end(QEvent::KeyPress, endKey, Qt::NoModifier);
    QCoreApplication::sendEvent(&grid.CellEdit(), &end);
}

// A refused text stays in the open editor, selected for correcting; the user gives it up
// with Escape.
inline void ExpectTypingKeptThenDrop(CEditGridWidget& grid, const QString& typed)
{
    EXPECT_TRUE(grid.IsEditing()) << typed.toStdString();
    EXPECT_EQ(grid.CellEdit().text(), typed);
    EXPECT_EQ(grid.CellEdit().selectedText(), typed);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&grid.CellEdit(), &escape);
    EXPECT_FALSE(grid.IsEditing());
}
