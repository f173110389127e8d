#include "framework/ui/HelpTopic.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace
{
constexpr const char* kProperty = "morvaneHelpTopic";
} // namespace

void SetHelpTopic(QWidget* pWidget, const std::string& topic)
{
    pWidget->setProperty(kProperty, QString::fromStdString(topic));
}

std::string FindHelpTopic(const QWidget* pWidget)
{
    for (const QWidget* w = pWidget; w; w = w->parentWidget())
    {
        const QString topic = w->property(kProperty).toString();
        if (!topic.isEmpty())
            return topic.toStdString();
    }
    return {};
}

void AskForHelp(QWidget* pWidget)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(pWidget, &press);
}
