#include "shell/ui/MiniFrame.h"

#include "framework/ui/DialogSize.h"
#include "framework/ui/ScreenPlace.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

CMiniFrame::CMiniFrame(QWidget* parent, const std::string& caption, QTabWidget* sheet)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_pSheet(sheet)
{
    setWindowTitle(QString::fromStdString(caption));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pSheet);
}

void CMiniFrame::ActivateEveryPage()
{
    for (int i = 1; i < m_pSheet->count(); ++i)
        m_pSheet->setCurrentIndex(i);
    m_pSheet->setCurrentIndex(0);
}

void CMiniFrame::CenterOn(const QWidget& window)
{
    // Sized before its first place, as wide as it will be once shown.
    KeepTitleVisible(*this);
    ShowEveryTab(*this, *m_pSheet);
    SizeToContents(*this);
    QRect frame(QPoint(0, 0), FrameSize(*this));
    frame.moveCenter(window.frameGeometry().center());
    PlaceFirst(*this, frame);
}

void CMiniFrame::ShowAgain()
{
    m_pSheet->setCurrentIndex(0);
    show();
}

void CMiniFrame::showEvent(QShowEvent* event)
{
    // Shown again after the screens or the window it belongs to changed, it may stand off
    // the screen; where the user put it on another screen than that window's, it stays
    // there.
    if (!event->spontaneous())
        KeepOnScreen(*this);
    QWidget::showEvent(event);
}

void CMiniFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}
