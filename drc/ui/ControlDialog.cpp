#include "drc/ui/ControlDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

CControlDialog::CControlDialog(QWidget* pParent)
    : QDialog(pParent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle("Dynamic Range Compression");
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
