#include "framework/ui/KeptPlaces.h"

#include "framework/ui/DialogSize.h"
#include "framework/ui/ScreenPlace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QWidget>

#include <typeinfo>

namespace
{
constexpr const char* kShownName = "keptPlacesShown";

// A window with a title bar of the program's own: not a popup, tooltip or the like, nor a
// message box (KeptPlaces.h); the main window is a Qt::Window that belongs to none.
bool IsCaptioned(const QWidget& window)
{
    if (!window.isWindow() || qobject_cast<const QMessageBox*>(&window))
        return false;
    const Qt::WindowType type = window.windowType();
    return type == Qt::Dialog || type == Qt::Tool || type == Qt::Sheet ||
           (type == Qt::Window && window.parentWidget());
}

// A window the rule places: one with a title bar that belongs to another; Qt places a dialog
// that belongs to none.
bool IsPlaced(const QWidget& window)
{
    return IsCaptioned(window) && window.parentWidget();
}

// What tells one kind of window from another: its class and its name (its object name, else
// its caption).
std::string KindOf(const QWidget& window)
{
    const QString name = window.objectName().isEmpty() ? window.windowTitle() : window.objectName();
    return std::string(typeid(window).name()) + "/" + name.toStdString();
}
} // namespace

CKeptPlaces::CKeptPlaces(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool CKeptPlaces::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType() &&
        !event->spontaneous())
        if (auto* window = static_cast<QWidget*>(watched); IsCaptioned(*window))
        {
            if (type == QEvent::Show)
                KeepTitleVisible(*window);
            if (!IsPlaced(*window))
                return false;
            if (type == QEvent::Show)
                Shown(*window);
            else
                Hidden(*window);
        }
    return false;
}

void CKeptPlaces::Shown(QWidget& window)
{
    const bool bShownBefore = window.property(kShownName).toBool();
    window.setProperty(kShownName, true);
    if (bShownBefore || window.testAttribute(Qt::WA_Moved))
    {
        KeepOnScreen(window);
        return;
    }
    if (const auto kept = m_Places.find(KindOf(window)); kept != m_Places.end())
    {
        PlaceFrame(window, QRect(kept->second, FrameSize(window)));
        return;
    }
    QRect frame(QPoint(), FrameSize(window));
    frame.moveCenter(window.parentWidget()->window()->frameGeometry().center());
    PlaceFirst(window, frame);
}

void CKeptPlaces::Hidden(const QWidget& window)
{
    m_Places[KindOf(window)] = window.pos();
}
