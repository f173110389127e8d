#include "shell/ui/MDIChildFrame.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <QTimerEvent>

CMDIChildFrame::CMDIChildFrame(CMorvaneApp& app, const std::string& title, bool bHideOnClose)
    : m_App(app), m_bHideOnClose(bHideOnClose)
{
    setWindowTitle(QString::fromStdString(title));
    setMinimumSize(kMinTrackWidth, kMinTrackHeight);
    setAttribute(Qt::WA_DeleteOnClose, !bHideOnClose);
    setWidget(new QWidget);
    connect(this, &QMdiSubWindow::aboutToActivate, this, [this] { Activated(); });
}

void CMDIChildFrame::SetView(QWidget* pView)
{
    QWidget* old = widget();
    setWidget(pView ? pView : new QWidget);
    delete old;
}

void CMDIChildFrame::MoveToLayout(const CRect& rect)
{
    if (isMaximized() || isMinimized())
        showNormal();
    setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
}

bool CMDIChildFrame::OnLayoutCommand(int)
{
    return false;
}

void CMDIChildFrame::Activated()
{
    if (!m_bFirstActivation)
        return;
    m_bFirstActivation = false;
    OnFirstActivation();
}

void CMDIChildFrame::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    SetMaximizedFlag(isMaximized());
    // A flag left set without a running timer (its frame went away while the timer
    // ran) must not keep the timer from ever running again.
    if (!IsTimerRunning() || !m_ResizeTimer.isActive())
    {
        m_ResizeTimer.start(int(m_nTimerDelay), this);
        SetTimerRunning(true);
    }
}

void CMDIChildFrame::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_ResizeTimer.timerId())
    {
        m_ResizeTimer.stop();
        SetTimerRunning(false);
        return;
    }
    QMdiSubWindow::timerEvent(event);
}

void CMDIChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_bHideOnClose)
    {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    m_ResizeTimer.stop();
    SetTimerRunning(false);
    event->ignore();
    hide();
}
