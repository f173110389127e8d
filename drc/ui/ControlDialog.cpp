#include "drc/ui/ControlDialog.h"

#include "framework/ui/DialogSize.h"
#include "framework/ui/ScreenPlace.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QShowEvent>
#include <QVariant>

CControlDialog::CControlDialog(QWidget* pParent)
    : QDialog(pParent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle("Dynamic Range Compression");
    // It chooses its place before it is shown: as wide as it will be then.
    KeepTitleVisible(*this);
}

void CControlDialog::MoveTo(const QPoint& place)
{
    PlaceFrame(*this, QRect(place, FrameSize(*this)));
    Placed();
}

void CControlDialog::MoveToFirstPlace(const QPoint& place)
{
    PlaceFirst(*this, QRect(place, FrameSize(*this)));
    Placed();
}

void CControlDialog::Placed()
{
    m_bPlaced = true;
    KeepPlace();
}

std::optional<QPoint> CControlDialog::KeptPlace() const
{
    const QVariant place = parentWidget() ? parentWidget()->property(PlaceKey()) : QVariant();
    if (!place.isValid())
        return std::nullopt;
    return place.toPoint();
}

QByteArray CControlDialog::PlaceKey() const
{
    return "controlDialogPlace_" + objectName().toUtf8();
}

void CControlDialog::KeepPlace() const
{
    if (parentWidget())
        parentWidget()->setProperty(PlaceKey(), pos());
}

void CControlDialog::moveEvent(QMoveEvent* pEvent)
{
    QDialog::moveEvent(pEvent);
    // Before the view placed it, the window system's first place is no choice of the user's.
    if (m_bPlaced && isVisible())
        KeepPlace();
}

void CControlDialog::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    if (!pEvent->spontaneous())
        KeepOnScreen(*this);
}

void CControlDialog::keyPressEvent(QKeyEvent* pEvent)
{
    switch (pEvent->key())
    {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pEvent->accept();
        OnEnter();
        return;
    case Qt::Key_Escape:
        pEvent->accept();
        return;
    default:
        QDialog::keyPressEvent(pEvent);
    }
}

void CControlDialog::closeEvent(QCloseEvent* pEvent)
{
    // Closed for good: hidden now, deleted once the event loop comes round.
    pEvent->accept();
}
