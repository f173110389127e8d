#include "shell/ui/MDIChildFrame.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <QTimerEvent>
#include <QToolBar>
#include <QVBoxLayout>

CMDIChildFrame::CMDIChildFrame(CMorvaneApp& app, const std::string& title, bool bHideOnClose)
    : m_App(app), m_bHideOnClose(bHideOnClose)
{
    setWindowTitle(QString::fromStdString(title));
    setMinimumSize(kMinTrackWidth, kMinTrackHeight);
    setAttribute(Qt::WA_DeleteOnClose, !bHideOnClose);
    // The content: the toolbar (hidden until asked for) above the view.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setWidget(content);
    SetView(nullptr);
    connect(this, &QMdiSubWindow::aboutToActivate, this, [this] { Activated(); });
}

CMDIChildFrame::~CMDIChildFrame()
{
    ReleaseContent();
}

void CMDIChildFrame::SetView(QWidget* pView)
{
    delete m_pView;
    m_pView = pView ? pView : new QWidget;
    widget()->layout()->addWidget(m_pView);
}

QToolBar* CMDIChildFrame::GetToolBar()
{
    if (!m_pToolBar)
    {
        m_pToolBar = new QToolBar(widget());
        static_cast<QVBoxLayout*>(widget()->layout())->insertWidget(0, m_pToolBar);
    }
    return m_pToolBar;
}

void CMDIChildFrame::ReleaseContent()
{
    m_CommandTargets.clear();
    delete m_pView;
    m_pView = nullptr;
    m_KeptAlive.clear();
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
    ShowStatusTitle();
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
        if (event->isAccepted())
        {
            m_ResizeTimer.stop();
            SetTimerRunning(false);
            ReleaseContent();
            OnClosing();
        }
        return;
    }
    m_ResizeTimer.stop();
    SetTimerRunning(false);
    event->ignore();
    hide();
}
