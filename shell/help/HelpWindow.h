// The help window: the program's help pages beside the list of their topics, with Back,
// Forward and Contents. Links between pages are followed inside the window. It is a window
// of its own (not a dialog) that stays open beside the program's windows.
#pragma once

#include <QWidget>

#include <string>

class QListWidget;
class QTextBrowser;
class QUrl;

class CHelpWindow : public QWidget
{
public:
    explicit CHelpWindow(QWidget* pParent = nullptr);

    // Shows the page of the topic (the contents for a topic the help does not have) and
    // brings the window to the front.
    void ShowTopic(const std::string& topic);
    // The topic of the page shown; empty before the first one.
    std::string CurrentTopic() const;
    // The page shown, as plain text.
    std::string PageText() const;

private:
    static std::string TopicOf(const QUrl& page);
    // The list follows the page shown, also after a link or Back.
    void SelectTopicOf(const QUrl& page);

    QTextBrowser* m_pBrowser;
    QListWidget* m_pTopics;
};
