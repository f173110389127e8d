#include "shell/help/HelpWindow.h"

#include "shell/help/HelpTopics.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace
{
// Which topic a list item stands for.
constexpr int kTopicRole = Qt::UserRole;

QPushButton* AddButton(QHBoxLayout* pRow, const char* pText, const char* pName)
{
    auto* button = new QPushButton(pText);
    button->setObjectName(pName);
    pRow->addWidget(button);
    return button;
}
} // namespace

CHelpWindow::CHelpWindow(QWidget* pParent)
    : QWidget(pParent, Qt::Window), m_pBrowser(new QTextBrowser), m_pTopics(new QListWidget)
{
    setWindowTitle("Morvane Help");
    setObjectName("HelpWindow");
    m_pBrowser->setObjectName("HelpPage");
    m_pBrowser->setOpenExternalLinks(false);
    m_pTopics->setObjectName("HelpTopics");
    for (const CHelpTopic& topic : HelpTopics::All())
    {
        auto* item = new QListWidgetItem(QString::fromUtf8(topic.title), m_pTopics);
        item->setData(kTopicRole, QString::fromUtf8(topic.id));
    }

    auto* buttons = new QHBoxLayout;
    QPushButton* back = AddButton(buttons, "< &Back", "HelpBack");
    QPushButton* forward = AddButton(buttons, "&Forward >", "HelpForward");
    QPushButton* contents = AddButton(buttons, "&Contents", "HelpContents");
    buttons->addStretch(1);
    auto* splitter = new QSplitter;
    splitter->addWidget(m_pTopics);
    splitter->addWidget(m_pBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 560});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(800, 600);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(HelpTopics::kContents); });
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& page) { SelectTopicOf(page); });
    connect(m_pTopics, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item)
            { ShowTopic(item->data(kTopicRole).toString().toStdString()); });
}

void CHelpWindow::ShowTopic(const std::string& topic)
{
    const std::string shown = HelpTopics::Exists(topic) ? topic : HelpTopics::kContents;
    if (CurrentTopic() != shown)
        m_pBrowser->setSource(QUrl(QString::fromStdString(HelpTopics::PageUrl(shown))));
    showNormal();
    raise();
    activateWindow();
}

std::string CHelpWindow::CurrentTopic() const
{
    return TopicOf(m_pBrowser->source());
}

std::string CHelpWindow::TopicOf(const QUrl& page)
{
    const QString name = page.fileName();
    return name.endsWith(".html") ? name.chopped(5).toStdString() : std::string();
}

std::string CHelpWindow::PageText() const
{
    return m_pBrowser->toPlainText().toStdString();
}

void CHelpWindow::SelectTopicOf(const QUrl& page)
{
    const QString topic = QString::fromStdString(TopicOf(page));
    for (int i = 0; i < m_pTopics->count(); ++i)
        if (m_pTopics->item(i)->data(kTopicRole).toString() == topic)
            m_pTopics->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
}
