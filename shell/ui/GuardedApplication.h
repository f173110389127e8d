// The program's QApplication. An exception that leaves an event handler (a paint, a mouse
// or key press, a timer) is caught where Qt delivers the event, so that it does not end
// the process and lose the user's unsaved work: the user is told what was stopped and why
// (memory ran out, or the exception's text), and the program goes on. Commands are caught
// at the command entry (CMorvaneApp::ExecuteCommand) before they get here.
#pragma once

#include <QApplication>
#include <QPointer>

#include <string>
#include <vector>

class CGuardedApplication : public QApplication
{
public:
    CGuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    // Shows the message once control is back in the event loop: a message box opened
    // inside a paint would paint in the middle of a paint. While a message waits or is on
    // the screen, further failures join it rather than opening boxes of their own.
    void Report(const std::string& text);
    void ShowReports();
    // A paint that failed once is reported once: the window keeps asking to be drawn, and
    // a message for each try would never let the user reach the menus. The widget is
    // reported again after it has once been drawn without failing.
    bool IsRepeatedPaintFailure(QObject* receiver) const;
    void ForgetPaintFailure(QObject* receiver);

    std::vector<std::string> m_PendingReports;
    bool m_bShowingReports = false;
    std::vector<QPointer<QObject>> m_FailedPaints;
};
