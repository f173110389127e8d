#include "shell/ui/MiniFrame.h"

#include "framework/ui/DialogSize.h"

#include <QCloseEvent>
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
    KeepTitleVisible(*this);
    ShowEveryTab(*this, *m_pSheet);
    SizeToContents(*this);
    const QRect area = window.frameGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void CMiniFrame::ShowAgain()
{
    m_pSheet->setCurrentIndex(0);
    show();
}

void CMiniFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}
