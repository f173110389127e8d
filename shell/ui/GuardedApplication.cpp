#include "shell/ui/GuardedApplication.h"

#include "framework/core/Services.h"
#include "shell/DebugLog.h"

#include <QMetaEnum>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <string>

namespace
{
// The title of the window that holds receiver (its own, or its nearest parent's that has
// one); empty for an object outside every window. Takes no memory: the title is shared.
QString WindowTitleOf(const QObject* receiver)
{
    for (auto* widget = qobject_cast<const QWidget*>(receiver); widget;
         widget = widget->parentWidget())
        if (QString title = widget->windowTitle(); !title.isEmpty())
            return title;
    return {};
}

// What was stopped, as the subject of the message: `Drawing the window "Speaker Response"`,
// `Closing the window "Morvane"` or `Handling the event "MouseButtonPress" in the window ...`.
// title is that of the window that held the receiver, empty for none.
std::string EventSubject(const QString& title, QEvent::Type type)
{
    const std::string window =
        title.isEmpty() ? " a window" : " the window \"" + title.toStdString() + "\"";
    if (type == QEvent::Paint)
        return "Drawing" + window;
    if (type == QEvent::Close)
        return "Closing" + window;
    const std::string where = title.isEmpty() ? std::string() : " in" + window;
    const char* name = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
    return "Handling the event \"" + std::string(name ? name : "unknown") + "\"" + where;
}

// The receiver, followed while it lives: null once it is gone. Null too when memory ran
// out for following it (Qt's weak reference is made on an object's first event): it is
// then taken as gone, and its failure, told, is not remembered.
QPointer<QObject> Follow(QObject* receiver) noexcept
{
    QPointer<QObject> alive;
    try
    {
        alive = receiver;
    }
    catch (...)
    {
    }
    return alive;
}

// A line in the debug log (true), or where Qt writes its warnings while the log is off or
// cannot take it (false).
bool Log(const std::string& text)
{
    if (theDebugLog.Write("%s\n", text.c_str()))
        return true;
    qWarning("%s", text.c_str());
    return false;
}

// The failure could not be told: memory ran out while its message was made. Written with
// what takes no memory, so that this cannot fail in turn.
void LogUntoldFailure(QEvent::Type type, const CFailure& failure) noexcept
{
    static const char kFormat[] = "An event (type %d) failed (%s), and the user could not be "
                                  "told: memory ran out.\n";
    const char* reason = failure.bOutOfMemory ? "memory ran out" : failure.text.c_str();
    if (!theDebugLog.Write(kFormat, int(type), reason))
        std::fprintf(stderr, kFormat, int(type), reason);
}

// "\n\n3 more failures were written to <where>", or nothing for none.
std::string MoreFailures(std::size_t nFailures, const char* where)
{
    if (nFailures == 0)
        return {};
    const char* counted =
        nFailures == 1 ? " more failure was written to " : " more failures were written to ";
    return "\n\n" + std::to_string(nFailures) + counted + where;
}
} // namespace

CGuardedApplication::CGuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv), m_OwnThread(std::this_thread::get_id())
{
}

CGuardedApplication::~CGuardedApplication()
{
    // A receiver that outlives the application must not reach the memory gone with it.
    for (const auto& told : m_ToldFailures)
        disconnect(told.second.destroyed);
}

std::size_t
CGuardedApplication::CReceiverEventHash::operator()(const CReceiverEvent& key) const noexcept
{
    return std::hash<const void*>()(key.receiver) ^ (std::size_t(key.type) << 1);
}

bool CGuardedApplication::notify(QObject* receiver, QEvent* event)
{
    // Taken before the handler runs: the event may be gone once it was handled, and the
    // receiver or the window holding it deleted by the handler before it failed.
    const QEvent::Type type = event->type();
    const QPointer<QObject> alive = Follow(receiver);
    const QString title = WindowTitleOf(receiver);
    bool bHandled = false;
    CFailure failure;
    if (RunCatchingFailure([&] { bHandled = QApplication::notify(receiver, event); }, failure))
        return bHandled;
    // A close event lives with its sender until it has its answer: refused, the window
    // stays open, and the work in it with the window.
    if (type == QEvent::Close)
        event->ignore();
    try
    {
        if (IsOwnThread())
            OnFailure(alive.data(), title, type, failure);
        else
            PassOnFailure(title, type, failure);
    }
    catch (...)
    {
        LogUntoldFailure(type, failure);
    }
    return true;
}

void CGuardedApplication::OnFailure(QObject* receiver, const QString& title, QEvent::Type type,
                                    const CFailure& failure)
{
    const bool bClose = type == QEvent::Close;
    const std::string text =
        FailureMessage(EventSubject(title, type), failure, bClose ? "The window stays open." : "");
    // A close is the user's own act, asked for again and again only by the user: each
    // refusal is told, or the window would stay without a word. A receiver that is gone
    // fails no more: told, and nothing is kept of it.
    if (bClose || !receiver)
    {
        Report(text);
        return;
    }
    const CReceiverEvent key{receiver, type};
    const auto now = m_Clock();
    const auto told = m_ToldFailures.find(key);
    if (told != m_ToldFailures.end() && now - told->second.lastFailure < kQuietTime)
    {
        told->second.lastFailure = now;
        Log(text);
        return;
    }
    // Told before it is remembered: when memory runs out in between, the user hears of
    // the failure again rather than never.
    Report(text);
    if (told != m_ToldFailures.end())
        told->second.lastFailure = now;
    else
        RememberTold(key, now);
}

void CGuardedApplication::PassOnFailure(const QString& title, QEvent::Type type,
                                        const CFailure& failure)
{
    QMetaObject::invokeMethod(
        this, [this, text = FailureMessage(EventSubject(title, type), failure)] { Report(text); },
        Qt::QueuedConnection);
}

void CGuardedApplication::RememberTold(const CReceiverEvent& key,
                                       std::chrono::steady_clock::time_point now)
{
    const auto told = m_ToldFailures.emplace(key, CToldFailure{now, {}}).first;
    // The end of the receiver ends its memory: an object made later in its place is
    // another receiver.
    try
    {
        told->second.destroyed =
            connect(key.receiver, &QObject::destroyed, this, [this, key] { ForgetTold(key); });
    }
    catch (...)
    {
        m_ToldFailures.erase(told);
        throw;
    }
}

void CGuardedApplication::ForgetTold(const CReceiverEvent& key) noexcept
{
    const auto told = m_ToldFailures.find(key);
    if (told == m_ToldFailures.end())
        return;
    disconnect(told->second.destroyed);
    m_ToldFailures.erase(told);
}

void CGuardedApplication::Report(const std::string& text)
{
    // The first report is on the screen while it is being shown, and takes no more.
    const bool bOnlyOneShown = m_bShowingReports && m_Reports.size() == 1;
    if (m_Reports.empty() || bOnlyOneShown)
        m_Reports.push_back({text});
    else if (Log(text))
        ++m_Reports.back().nInDebugLog;
    else
        ++m_Reports.back().nInWarnings;
    PostShowing();
}

void CGuardedApplication::PostShowing()
{
    if (m_bShowPosted || m_bShowingReports)
        return;
    QMetaObject::invokeMethod(
        this, [this] { ShowReports(); }, Qt::QueuedConnection);
    m_bShowPosted = true;
}

void CGuardedApplication::ShowReports()
{
    // A message that cannot be shown (memory ran out for its box) ends the showing as its
    // failure leaves; it stays first in the queue, and is shown with the next failure.
    struct CShowing
    {
        bool& bShowing;
        ~CShowing() { bShowing = false; }
    };
    m_bShowPosted = false;
    m_bShowingReports = true;
    const CShowing showing{m_bShowingReports};
    while (!m_Reports.empty())
    {
        // Kept in the queue while it is on the screen: what fails meanwhile waits behind.
        const CReport& report = m_Reports.front();
        const char* warnings = theDebugLog.IsOn()
                                   ? "standard error, as the debug log could not be written."
                                   : "standard error, as the debug log is off.";
        Services::MessageBox().Show(report.text +
                                    MoreFailures(report.nInDebugLog, "the debug log.") +
                                    MoreFailures(report.nInWarnings, warnings));
        m_Reports.erase(m_Reports.begin());
    }
}
