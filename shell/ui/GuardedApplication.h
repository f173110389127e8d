// The program's QApplication. An exception that leaves an event handler (a paint, a mouse
// or key press, a timer) is caught where Qt delivers the event, so that it does not end
// the process and lose the user's unsaved work: the user is told what was stopped and why
// (memory ran out, or the exception's text), and the program goes on. Commands are caught
// at the command entry (CMorvaneApp::ExecuteCommand) before they get here.
#pragma once

#include "shell/CommandFailure.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QString>

#include <chrono>
#include <cstddef>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

class CGuardedApplication : public QApplication
{
public:
    CGuardedApplication(int& argc, char** argv);
    ~CGuardedApplication() override;

    // Delivers the event and returns what Qt returns. After a failure, returns true: a
    // failed close is refused (the window stays open with its work), every other event
    // counts as handled. Nothing leaves it but the exceptions that are not failures (see
    // RunCatchingFailure); it takes no memory of its own while the handler succeeds (but
    // for the weak reference Qt makes once for an object, on its first event), and costs
    // the same however many failures it remembers. The handler may delete its
    // receiver, or the window holding it, before it fails: the guard names the window as
    // it was before the handler ran, and remembers nothing of a receiver that is gone.
    bool notify(QObject* receiver, QEvent* event) override;

    // A failure of a receiver on a kind of event is told again only once that receiver
    // has gone this long without failing on it: a view whose full repaints fail while its
    // small ones work, or a timer that fails every other time, opens one box, not one a
    // failure.
    static constexpr std::chrono::seconds kQuietTime{5};

    // The clock the quiet time is measured with: the steady clock, or a test's own.
    using CClock = std::chrono::steady_clock::time_point (*)() noexcept;
    void SetClock(CClock clock) noexcept { m_Clock = clock; }

    // The failures the guard remembers: at most one for each receiver and kind of event,
    // and none for a receiver that is gone.
    std::size_t ToldFailureCount() const { return m_ToldFailures.size(); }

private:
    // A receiver that failed on a kind of event and was told of. A failure of it again on
    // that kind is the same failure whatever its text (an index or a line number in it
    // changes from one try to the next): a window that keeps asking to be drawn, or a
    // timer that keeps running, would otherwise open box after box and never let the user
    // reach the menus to save. Its repeats go to the log until the receiver has gone
    // kQuietTime without failing on that kind of event; a success in between does not
    // end them.
    struct CReceiverEvent
    {
        const QObject* receiver; // never followed: the key is dropped when the object goes
        QEvent::Type type;
        bool operator==(const CReceiverEvent&) const = default;
    };
    struct CReceiverEventHash
    {
        std::size_t operator()(const CReceiverEvent& key) const noexcept;
    };

    // A message to be shown, with the failures that came while it waited: those are
    // written to the log and counted in its box, so that many failures at once (a burst
    // of windows failing to draw) open one box.
    struct CReport
    {
        std::string text;
        std::size_t nInDebugLog = 0;
        std::size_t nInWarnings = 0; // where Qt writes its warnings
    };

    // What is remembered of a told failure: its last repeat, and the connection to the
    // receiver's end, which forgets it.
    struct CToldFailure
    {
        std::chrono::steady_clock::time_point lastFailure;
        QMetaObject::Connection destroyed;
    };

    // Tells the user of the failure, or logs it when it was told already. receiver is
    // null when the handler deleted it; title is that of its window before the handler
    // ran. May throw when memory runs out; notify swallows that.
    void OnFailure(QObject* receiver, const QString& title, QEvent::Type type,
                   const CFailure& failure);
    // An object of another thread failed: the message is handed to this one, which alone
    // keeps the memory of failures and shows messages.
    void PassOnFailure(const QString& title, QEvent::Type type, const CFailure& failure);
    bool IsOwnThread() const noexcept { return std::this_thread::get_id() == m_OwnThread; }
    void RememberTold(const CReceiverEvent& key, std::chrono::steady_clock::time_point now);
    void ForgetTold(const CReceiverEvent& key) noexcept;
    // Shows the message once control is back in the event loop: a message box opened
    // inside a paint would paint in the middle of a paint. While a message waits, further
    // failures join it; while one is on the screen, they make the one box shown after it.
    void Report(const std::string& text);
    void PostShowing();
    void ShowReports();

    std::thread::id m_OwnThread;
    CClock m_Clock = &std::chrono::steady_clock::now;
    std::unordered_map<CReceiverEvent, CToldFailure, CReceiverEventHash> m_ToldFailures;
    // At most two: the one on the screen, and the one waiting behind it.
    std::vector<CReport> m_Reports;
    bool m_bShowPosted = false;
    bool m_bShowingReports = false;
};
