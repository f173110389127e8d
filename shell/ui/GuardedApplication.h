// The program's QApplication. An exception that leaves an event handler (a paint, a mouse
// or key press, a timer) is caught where Qt delivers the event, so that it does not end
// the process and lose the user's unsaved work: the user is told what was stopped and why
// (memory ran out, or the exception's text), and the program goes on. Commands are caught
// at the command entry (CMorvaneApp::ExecuteCommand) before they get here.
#pragma once

#include "shell/CommandFailure.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

#include <string>
#include <vector>

class CGuardedApplication : public QApplication
{
public:
    CGuardedApplication(int& argc, char** argv);

    // Delivers the event and returns what Qt returns. After a failure, returns true: a
    // failed close is refused (the window stays open with its work), every other event
    // counts as handled. Nothing leaves it but the exceptions that are not failures (see
    // RunCatchingFailure); it takes no memory of its own while the handler succeeds.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    // A failure the user was told of. The same failure of the same receiver and kind of
    // event is told once: a window that keeps asking to be drawn, or a timer that keeps
    // running, would otherwise open box after box and never let the user reach the menus
    // to save. Its repeats go to the log. It is told again after that receiver has once
    // handled that kind of event without failing.
    struct CToldFailure
    {
        QPointer<QObject> receiver; // null once the object is gone
        QEvent::Type type;
        CFailure failure;
    };

    // Tells the user of the failure, or logs it when it was told already. May throw when
    // memory runs out; notify swallows that.
    void OnFailure(QObject* receiver, QEvent::Type type, const CFailure& failure);
    bool WasTold(QObject* receiver, QEvent::Type type, const CFailure& failure) const;
    void ForgetToldFailures(QObject* receiver, QEvent::Type type);
    // Shows the message once control is back in the event loop: a message box opened
    // inside a paint would paint in the middle of a paint. While a message waits or is on
    // the screen, further failures join it rather than opening boxes of their own.
    void Report(const std::string& text);
    void ShowReports();

    std::vector<std::string> m_PendingReports;
    bool m_bShowPosted = false;
    bool m_bShowingReports = false;
    std::vector<CToldFailure> m_ToldFailures;
};
