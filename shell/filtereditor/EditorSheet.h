// The sheet of a modeless editor that lives in a mini frame (the filter editor, the
// master point editor): a tab widget of pages that closes its frame on Escape or Enter
// and asks its Yes/No questions over itself.
#pragma once

#include <QTabWidget>

#include <functional>
#include <string>

class CEditorSheet : public QTabWidget
{
public:
    explicit CEditorSheet(QWidget* parent = nullptr) : QTabWidget(parent) {}

    // Hides the editor (its frame).
    void CloseEditor();
    // The question with Yes and No: true for Yes. A warning box, or m_Ask when set.
    bool Ask(const std::string& question);

    std::function<bool(const std::string& question)> m_Ask;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
