#include "shell/ui/GuardedApplication.h"

#include "framework/core/Services.h"
#include "shell/DebugLog.h"

#include <QMetaEnum>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace
{
// The title of the window that holds receiver (its own, or its nearest parent's that has
// one); empty for an object outside every window.
std::string WindowTitleOf(QObject* receiver)
{
    for (auto* widget = qobject_cast<QWidget*>(receiver); widget; widget = widget->parentWidget())
        if (!widget->windowTitle().isEmpty())
            return widget->windowTitle().toStdString();
    return {};
}

// What was stopped, as the subject of the message: `Drawing the window "Speaker Response"`,
// `Closing the window "Morvane"` or `Handling the event "MouseButtonPress" in the window ...`.
std::string EventSubject(QObject* receiver, QEvent::Type type)
{
    const std::string title = WindowTitleOf(receiver);
    const std::string window = title.empty() ? " a window" : " the window \"" + title + "\"";
    if (type == QEvent::Paint)
        return "Drawing" + window;
    if (type == QEvent::Close)
        return "Closing" + window;
    const std::string where = title.empty() ? std::string() : " in" + window;
    const char* name = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
    return "Handling the event \"" + std::string(name ? name : "unknown") + "\"" + where;
}

// A line in the debug log, or where Qt writes its warnings while the log is off.
void Log(const std::string& text)
{
    if (!theDebugLog.Write("%s\n", text.c_str()))
        qWarning("%s", text.c_str());
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
} // namespace

CGuardedApplication::CGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool CGuardedApplication::notify(QObject* receiver, QEvent* event)
{
    // The event may be gone once it was handled.
    const QEvent::Type type = event->type();
    bool bHandled = false;
    CFailure failure;
    if (RunCatchingFailure([&] { bHandled = QApplication::notify(receiver, event); }, failure))
    {
        if (!m_ToldFailures.empty())
            ForgetToldFailures(receiver, type);
        return bHandled;
    }
    // A close event lives with its sender until it has its answer: refused, the window
    // stays open, and the work in it with the window.
    if (type == QEvent::Close)
        event->ignore();
    try
    {
        OnFailure(receiver, type, failure);
    }
    catch (...)
    {
        LogUntoldFailure(type, failure);
    }
    return true;
}

void CGuardedApplication::OnFailure(QObject* receiver, QEvent::Type type, const CFailure& failure)
{
    const char* kept = type == QEvent::Close ? "The window stays open." : "";
    const std::string text = FailureMessage(EventSubject(receiver, type), failure, kept);
    if (WasTold(receiver, type, failure))
    {
        Log(text);
        return;
    }
    // Told before it is remembered: when memory runs out in between, the user hears of
    // the failure again rather than never.
    Report(text);
    m_ToldFailures.push_back({receiver, type, failure});
}

bool CGuardedApplication::WasTold(QObject* receiver, QEvent::Type type,
                                  const CFailure& failure) const
{
    return std::any_of(m_ToldFailures.begin(), m_ToldFailures.end(),
                       [&](const CToldFailure& told)
                       {
                           return told.receiver == receiver && told.type == type &&
                                  told.failure.bOutOfMemory == failure.bOutOfMemory &&
                                  told.failure.text == failure.text;
                       });
}

void CGuardedApplication::ForgetToldFailures(QObject* receiver, QEvent::Type type)
{
    std::erase_if(m_ToldFailures, [receiver, type](const CToldFailure& told)
                  { return !told.receiver || (told.receiver == receiver && told.type == type); });
}

void CGuardedApplication::Report(const std::string& text)
{
    if (std::find(m_PendingReports.begin(), m_PendingReports.end(), text) != m_PendingReports.end())
        return;
    m_PendingReports.push_back(text);
    if (m_bShowPosted || m_bShowingReports)
        return;
    QMetaObject::invokeMethod(
        this, [this] { ShowReports(); }, Qt::QueuedConnection);
    m_bShowPosted = true;
}

void CGuardedApplication::ShowReports()
{
    // A message that cannot be shown (memory ran out for its box) ends the showing as its
    // failure leaves; it stays first in the queue, for the next failure to show it.
    struct CShowing
    {
        bool& bShowing;
        ~CShowing() { bShowing = false; }
    };
    m_bShowPosted = false;
    m_bShowingReports = true;
    const CShowing showing{m_bShowingReports};
    while (!m_PendingReports.empty())
    {
        // Kept in the queue while it is on the screen: the same text joins it.
        const std::string text = m_PendingReports.front();
        Services::MessageBox().Show(text);
        m_PendingReports.erase(m_PendingReports.begin());
    }
}
