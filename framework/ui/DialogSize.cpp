#include "framework/ui/DialogSize.h"

#include "framework/ui/ScreenPlace.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <climits>

namespace
{
constexpr const char* kReachName = "TabReach";

// The width of all the tab widget's tabs in one row (a tab bar's size hint spans them all,
// whether it scrolls or not).
int TabsWidth(const QTabWidget& tabs)
{
    return tabs.tabBar()->sizeHint().width();
}

// The width the tab widget leaves its tab bar.
int TabBarRoom(const QTabWidget& tabs)
{
    int room = tabs.width();
    for (const Qt::Corner corner : {Qt::TopLeftCorner, Qt::TopRightCorner})
        if (const QWidget* widget = tabs.cornerWidget(corner); widget && widget->isVisible())
            room -= widget->width();
    return room;
}

// Keeps the tab widget's tabs in reach whenever it is resized: the window fitted to a
// screen, moved onto a narrower one, or made smaller by the user.
class CTabReach : public QObject
{
public:
    explicit CTabReach(QTabWidget& tabs) : QObject(&tabs), m_Tabs(tabs)
    {
        setObjectName(kReachName);
        tabs.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_Tabs && event->type() == QEvent::Resize)
            KeepTabsInReach(m_Tabs);
        return false;
    }

private:
    QTabWidget& m_Tabs;
};
} // namespace

void KeepTabsInReach(QTabWidget& tabs)
{
    const bool bFit = TabsWidth(tabs) <= TabBarRoom(tabs);
    if (tabs.usesScrollButtons() == bFit)
        tabs.setUsesScrollButtons(!bFit);
}

int TitleBarWidth(const QString& caption)
{
    // A window manager draws the caption in a bold font of its own, often wider than the
    // application's (openbox's 8-point bold draws it an eighth wider than the application's
    // 9-point bold): the platform's title font, or a quarter more than the application's bold
    // font, whichever is wider.
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    QFont appFont = QApplication::font();
    appFont.setBold(true);
    const QFontMetrics title(titleFont);
    const QFontMetrics app(appFont);
    const int text =
        std::max(title.horizontalAdvance(caption), app.horizontalAdvance(caption) * 5 / 4);
    // The icon and the title bar's three buttons take about a square of the bar's height each.
    const int height = std::max(title.height(), app.height() * 5 / 4);
    return text + 5 * height + 16;
}

void KeepTitleVisible(QWidget& window)
{
    window.setMinimumWidth(std::max(window.minimumWidth(), TitleBarWidth(window.windowTitle())));
}

void SizeToContents(QWidget& window)
{
    QSize size = window.sizeHint().expandedTo(window.minimumSize());
    if (const QRect area = AvailableArea(window); !area.isEmpty())
        size = size.boundedTo(area.marginsRemoved(FrameMargins(window)).size());
    window.resize(size);
}

void ShowEveryTab(QWidget& window, QTabWidget& tabs)
{
    // The screen the window stands on once placed; before, the one of its first place.
    const QRect area = window.testAttribute(Qt::WA_Moved)
                           ? AreaHolding(window, QRect(window.pos(), FrameSize(window)))
                           : AvailableArea(window);
    const int available = !area.isEmpty() ? area.width() * 19 / 20 : INT_MAX;
    const int margins = window.sizeHint().width() - tabs.sizeHint().width() + 8;
    const auto needed = [&] { return TabsWidth(tabs) + margins; };
    if (needed() > available)
        tabs.tabBar()->setStyleSheet("QTabBar::tab { padding: 4px 6px; }");
    if (needed() <= available)
        window.setMinimumWidth(std::max(window.minimumWidth(), needed()));
    if (!tabs.findChild<QObject*>(kReachName, Qt::FindDirectChildrenOnly))
        new CTabReach(tabs);
    KeepTabsInReach(tabs);
}
