// The program's help as the application offers it: one help window for the run, opened at
// a topic by the Help commands; F1 anywhere opens the topic of what the user is in (the
// highlighted menu command, the window or dialog with the focus); Shift+F1 turns the
// pointer into a question, and the next click on a window, a toolbar button or a menu
// command explains it.
//
// The window belongs to the main frame; while a modal dialog is open it belongs to that
// dialog instead, so that it can be used there. Either way it goes with its owner, and it
// is only ever reached through a guarded pointer.
#pragma once

#include <QPoint>
#include <QPointer>

#include <memory>
#include <string>

class CHelpWindow;
class CMorvaneApp;
class QAction;
class QObject;
class QWidget;

class CProgramHelp
{
public:
    // Catches F1 and Shift+F1 in every window of the program while it lives.
    explicit CProgramHelp(CMorvaneApp& app);
    ~CProgramHelp();
    CProgramHelp(const CProgramHelp&) = delete;
    CProgramHelp& operator=(const CProgramHelp&) = delete;

    // Opens the help window at the topic (the contents for an unknown one).
    void ShowTopic(const std::string& topic);
    // The topic that explains target (a menu, a button, a window or a part of one), at
    // position pos of it for a menu.
    std::string TopicOf(QObject* target, QPoint pos = {-1, -1}) const;
    // Shift+F1: the context help mode of the pointer.
    void EnterContextHelpMode();
    // The help window; null until help was first asked for, and after its owner went.
    CHelpWindow* GetWindow() const;

private:
    class CKeys;
    // The command a main-window action runs; 0 for none.
    int CommandOf(const QAction* action) const;
    // The topic of the program window a widget lies in; empty outside them.
    std::string TopicOfWindow(const QWidget* widget) const;

    CMorvaneApp& m_App;
    QPointer<CHelpWindow> m_pWindow;
    std::unique_ptr<CKeys> m_pKeys;
};
