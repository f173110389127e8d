#include "framework/ui/DialogSize.h"

#include "framework/ui/ScreenPlace.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <climits>

void KeepTitleVisible(QWidget& window)
{
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    // The icon and the title bar's buttons take about a square of the bar's height each.
    const int need = metrics.horizontalAdvance(window.windowTitle()) + 5 * metrics.height() + 16;
    window.setMinimumWidth(std::max(window.minimumWidth(), need));
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
    const QRect area = AvailableArea(window);
    const int available = !area.isEmpty() ? area.width() * 19 / 20 : INT_MAX;
    const int margins = window.sizeHint().width() - tabs.sizeHint().width() + 8;
    // A tab bar's size hint spans all its tabs.
    const auto needed = [&] { return tabs.tabBar()->sizeHint().width() + margins; };
    if (needed() > available)
        tabs.tabBar()->setStyleSheet("QTabBar::tab { padding: 4px 6px; }");
    if (needed() > available)
        return;
    tabs.setUsesScrollButtons(false);
    window.setMinimumWidth(std::max(window.minimumWidth(), needed()));
}
