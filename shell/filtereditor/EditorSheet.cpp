#include "shell/filtereditor/EditorSheet.h"

#include <QKeyEvent>
#include <QMessageBox>

void CEditorSheet::CloseEditor()
{
    if (QWidget* frame = window(); frame && frame != this)
        frame->close();
    else
        hide();
}

bool CEditorSheet::Ask(const std::string& question)
{
    if (m_Ask)
        return m_Ask(question);
    QMessageBox box(QMessageBox::Warning, windowTitle(), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, this);
    return box.exec() == QMessageBox::Yes;
}

void CEditorSheet::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
    {
        CloseEditor();
        return;
    }
    QTabWidget::keyPressEvent(event);
}
