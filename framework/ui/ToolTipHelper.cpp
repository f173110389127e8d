#include "framework/ui/ToolTipHelper.h"

#include <QHelpEvent>
#include <QToolTip>

namespace
{
QWidget* WidgetOf(CWnd* pWindow)
{
    return dynamic_cast<QWidget*>(pWindow);
}
} // namespace

bool CToolTipHelper::AddControl(CWnd* pWindow, TextCallback text)
{
    return AddWidget(WidgetOf(pWindow), std::move(text));
}

bool CToolTipHelper::AddRectTool(CWnd* pWindow, TextCallback text, const CRect& rect, unsigned id)
{
    const QRect r(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    return AddWidget(WidgetOf(pWindow), std::move(text), r.normalized(), id);
}

bool CToolTipHelper::AddWidget(QWidget* pWidget, TextCallback text, const QRect& rect, unsigned id)
{
    if (!pWidget || !text)
        return false;
    m_Tools.push_back({pWidget, rect, id, std::move(text)});
    pWidget->installEventFilter(this);
    return true;
}

void CToolTipHelper::Activate(bool bActive)
{
    m_bActive = bActive;
    if (!bActive)
        QToolTip::hideText();
}

std::string CToolTipHelper::TextAt(QWidget* pWidget, QPoint pixel) const
{
    if (!m_bActive)
        return {};
    for (const CTool& tool : m_Tools)
        if (tool.widget == pWidget && (tool.rect.isEmpty() || tool.rect.contains(pixel)))
            return tool.text({pixel.x(), pixel.y()});
    return {};
}

bool CToolTipHelper::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::ToolTip)
        return false;
    auto* widget = qobject_cast<QWidget*>(pWatched);
    auto* help = static_cast<QHelpEvent*>(pEvent);
    const std::string text = TextAt(widget, help->pos());
    if (text.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), QString::fromStdString(text), widget);
    return true;
}
