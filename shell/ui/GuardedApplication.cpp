#include "shell/ui/GuardedApplication.h"

#include "framework/core/Services.h"
#include "shell/CommandFailure.h"

#include <QEvent>
#include <QMetaEnum>
#include <QWidget>

#include <algorithm>

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

// What was stopped, as the subject of the message: `Drawing the window "Speaker Response"`
// or `Handling the event "MouseButtonPress" in the window ...`.
std::string EventSubject(QObject* receiver, QEvent::Type type)
{
    const std::string title = WindowTitleOf(receiver);
    const std::string where = title.empty() ? std::string() : " in the window \"" + title + "\"";
    if (type == QEvent::Paint)
        return title.empty() ? "Drawing a window" : "Drawing the window \"" + title + "\"";
    const char* name = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
    return "Handling the event \"" + std::string(name ? name : "unknown") + "\"" + where;
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
        if (type == QEvent::Paint && !m_FailedPaints.empty())
            ForgetPaintFailure(receiver);
        return bHandled;
    }
    const std::string text = FailureMessage(EventSubject(receiver, type), failure);
    if (type == QEvent::Paint)
    {
        if (IsRepeatedPaintFailure(receiver))
        {
            qWarning("%s", text.c_str());
            return true;
        }
        m_FailedPaints.emplace_back(receiver);
    }
    Report(text);
    return true;
}

void CGuardedApplication::Report(const std::string& text)
{
    if (std::find(m_PendingReports.begin(), m_PendingReports.end(), text) != m_PendingReports.end())
        return;
    m_PendingReports.push_back(text);
    if (m_PendingReports.size() == 1 && !m_bShowingReports)
        QMetaObject::invokeMethod(
            this, [this] { ShowReports(); }, Qt::QueuedConnection);
}

void CGuardedApplication::ShowReports()
{
    m_bShowingReports = true;
    while (!m_PendingReports.empty())
    {
        std::string text = std::move(m_PendingReports.front());
        m_PendingReports.erase(m_PendingReports.begin());
        Services::MessageBox().Show(text);
    }
    m_bShowingReports = false;
}

bool CGuardedApplication::IsRepeatedPaintFailure(QObject* receiver) const
{
    return std::find(m_FailedPaints.begin(), m_FailedPaints.end(), receiver) !=
           m_FailedPaints.end();
}

void CGuardedApplication::ForgetPaintFailure(QObject* receiver)
{
    std::erase_if(m_FailedPaints, [receiver](const QPointer<QObject>& failed)
                  { return !failed || failed == receiver; });
}
