#include "framework/ui/ScreenPlace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

namespace
{
constexpr const char* kWatchName = "ScreenPlaceFrameWatch";
constexpr int kGridStep = 8; // pixels between the places the least covering search tries
// How often and how long a window shown but not framed yet is looked at again: 2 seconds,
// far longer than a window manager takes.
constexpr int kUnframedRecheckMs = 20;
constexpr int kMostUnframedChecks = 100;

// The frame Qt counts round the window as it moves it and tells its position (move(),
// pos()): the one it last knew of, which may be none or an old one while the window system
// frames the window anew.
QMargins KnownMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

CFrameReport& FrameReport()
{
    static CFrameReport report;
    return report;
}

// The window manager's frame round the window as the window system has it now (none while
// the window is not framed).
QMargins OwnMargins(const QWidget& window)
{
    if (const CFrameReport& report = FrameReport())
        return report(window).value_or(QMargins());
    if (const QWindow* handle = window.windowHandle(); handle && handle->handle())
        return handle->frameMargins();
    return KnownMargins(window);
}

// The margins of a window that has a frame (a window never shown has none; Qt may then
// give a frame geometry a pixel smaller than the window).
bool IsFrame(const QMargins& margins)
{
    return !margins.isNull() && margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 &&
           margins.bottom() >= 0;
}

const QWidget* Owner(const QWidget& window)
{
    return window.parentWidget() ? window.parentWidget()->window() : nullptr;
}

const QScreen* OwnersScreen(const QWidget& window)
{
    const QWidget* owner = Owner(window);
    return (owner ? owner : &window)->screen();
}

// What to hand move() for the window's frame to stand at the point. A window's position is
// its frame's, but a window that has been shown counts it with the frame Qt last knew of:
// none once the window system took its frame away as it hid it (X11 window managers do),
// and the window system then puts the window itself, not its frame, at the point (its title
// bar above it, its left border left of it). The frame the window is counted with here
// makes up for it.
QPoint FramePlace(const QWidget& window, const QPoint& frame)
{
    if (!window.testAttribute(Qt::WA_WState_Created))
        return frame;
    const QMargins known = KnownMargins(window);
    const QMargins counted = FrameMargins(window);
    return frame + QPoint(counted.left() - known.left(), counted.top() - known.top());
}

// Puts the window's frame at the rectangle (counted with FrameMargins), giving up as much of
// its least size as it has to.
void Put(QWidget& window, const QRect& frame)
{
    const QSize client = frame.marginsRemoved(FrameMargins(window)).size();
    if (window.minimumWidth() > client.width() || window.minimumHeight() > client.height())
        window.setMinimumSize(window.minimumSize().boundedTo(client));
    window.resize(client);
    window.move(FramePlace(window, frame.topLeft()));
}

// Checks a placed window again once the window manager has framed it: it frames a window
// only after it is shown, at once or later, and the frame may then be another than the one
// the window was counted with (larger, reaching past the screen's edge). Such a window is
// put again at the place it was given, not where it stands while it is framed: a window
// system reports places then that hold only for a moment.
class CFrameWatch : public QObject
{
public:
    explicit CFrameWatch(QWidget& window) : QObject(&window), m_Window(window)
    {
        setObjectName(kWatchName);
        window.installEventFilter(this);
    }

    // The frame the window was just given, counted with the frame it has by FrameMargins.
    void Expect(const QRect& frame)
    {
        m_Frame = frame;
        m_Counted = FrameMargins(m_Window);
        m_nUnframedChecks = 0;
        Queue();
    }

    // The frame given and not checked yet.
    const std::optional<QRect>& Expected() const { return m_Frame; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_Window)
            return false;
        // A window hidden before it was framed is placed anew when it is shown again.
        if (event->type() == QEvent::Hide)
            m_Frame.reset();
        else if (event->type() == QEvent::Show || event->type() == QEvent::Move ||
                 event->type() == QEvent::Resize)
            Queue();
        return false;
    }

private:
    void Queue()
    {
        if (m_Frame && !m_bQueued)
        {
            m_bQueued = true;
            QMetaObject::invokeMethod(
                this, [this] { Check(); }, Qt::QueuedConnection);
        }
    }

    void Check()
    {
        m_bQueued = false;
        const QMargins now = OwnMargins(m_Window);
        if (!m_Frame || !m_Window.isVisible())
            return;
        // A window manager frames a window a while after it is shown, and nothing the window
        // is sent tells when: it is looked at again until it is framed.
        if (!IsFrame(now))
        {
            if (++m_nUnframedChecks <= kMostUnframedChecks)
                QTimer::singleShot(kUnframedRecheckMs, this, [this] { Queue(); });
            return;
        }
        const QRect framed(m_Frame->topLeft(), m_Window.size().grownBy(now));
        m_Frame.reset();
        // Framed as it was counted, it stands where it was put, or where it was moved to since.
        if (now == m_Counted)
            return;
        const QRect fitted = FitInside(framed, AreaHolding(m_Window, framed));
        if (fitted != m_Window.frameGeometry())
            Put(m_Window, fitted);
    }

    QWidget& m_Window;
    std::optional<QRect> m_Frame; // the frame it was given, until checked
    QMargins m_Counted;           // the frame it was counted with then
    bool m_bQueued = false;
    int m_nUnframedChecks = 0; // checks that found it shown but not framed yet
};

CFrameWatch* WatchOf(const QWidget& window)
{
    return window.findChild<CFrameWatch*>(kWatchName, Qt::FindDirectChildrenOnly);
}

// Checks the window again once it is framed (CFrameWatch) against the frame it was given.
void Watch(QWidget& window, const QRect& frame)
{
    CFrameWatch* watch = WatchOf(window);
    (watch ? watch : new CFrameWatch(window))->Expect(frame);
}

// PlaceFrame on that area (none: where the frame is).
void PlaceOn(QWidget& window, const QRect& frame, const QRect& area)
{
    const QRect fitted = FitInside(frame, area);
    Put(window, fitted);
    Watch(window, fitted);
}

long long SharedArea(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

long long CoveredArea(const QRect& frame, std::span<const QRect> texts)
{
    long long covered = 0;
    for (const QRect& text : texts)
        covered += SharedArea(frame, text);
    return covered;
}

// Every kGridStep-th coordinate from first to last, and last.
std::vector<int> GridSteps(int first, int last)
{
    std::vector<int> steps;
    for (int at = first; at < last; at += kGridStep)
        steps.push_back(at);
    steps.push_back(std::max(first, last));
    return steps;
}
} // namespace

void ReportFramesWith(CFrameReport report)
{
    FrameReport() = std::move(report);
}

QRect FitInside(const QRect& rect, const QRect& area)
{
    if (area.isEmpty())
        return rect;
    QRect fitted(rect.topLeft(), rect.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return fitted;
}

QRect AvailableArea(const QWidget& window)
{
    const QScreen* screen = OwnersScreen(window);
    return screen ? screen->availableGeometry() : QRect();
}

int ScreenHolding(const QRect& frame, std::span<const QRect> screens, int owner)
{
    int holding = -1;
    std::tuple<long long, bool, bool> most{0, false, false}; // shared area, under, owner's
    for (int i = 0; i < int(screens.size()); ++i)
    {
        const long long shared = SharedArea(frame, screens[i]);
        const bool bUnder = screens[i].contains(frame.topLeft());
        if (const std::tuple share{shared, bUnder, i == owner};
            (shared > 0 || bUnder) && share > most)
        {
            holding = i;
            most = share;
        }
    }
    return holding;
}

QRect AreaHolding(const QWidget& window, const QRect& frame)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    std::vector<QRect> rects;
    for (const QScreen* screen : screens)
        rects.push_back(screen->geometry());
    const int holding = ScreenHolding(frame, rects, int(screens.indexOf(OwnersScreen(window))));
    return holding >= 0 ? screens[holding]->availableGeometry() : AvailableArea(window);
}

QMargins FrameMargins(const QWidget& window)
{
    if (const QMargins own = OwnMargins(window);
        window.testAttribute(Qt::WA_WState_Created) && IsFrame(own))
        return own;
    if (const QWidget* owner = Owner(window); owner && owner->isVisible())
        if (const QMargins framed = OwnMargins(*owner); IsFrame(framed))
            return framed;
    return {};
}

QSize FrameSize(const QWidget& window)
{
    QSize size = window.size();
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized) && window.sizeHint().isValid())
        size = window.sizeHint().expandedTo(window.minimumSize()).boundedTo(window.maximumSize());
    return size.grownBy(FrameMargins(window));
}

void PlaceFrame(QWidget& window, const QRect& frame)
{
    PlaceOn(window, frame, AreaHolding(window, frame));
}

void PlaceFirst(QWidget& window, const QRect& frame)
{
    PlaceOn(window, frame, AvailableArea(window));
}

void KeepOnScreen(QWidget& window)
{
    // Put somewhere a moment ago and not framed yet, it stands where it was put, whatever its
    // position tells before the window manager frames it.
    const CFrameWatch* watch = WatchOf(window);
    const QPoint at = watch && watch->Expected() ? watch->Expected()->topLeft() : window.pos();
    const QRect frame(at, FrameSize(window));
    const QRect area = AreaHolding(window, frame);
    if (!area.isEmpty() && !area.contains(frame))
        PlaceOn(window, frame, area);
    else
        Watch(window, frame);
}

QPoint LeastCoveringPlace(const QSize& frame, std::span<const QPoint> preferred,
                          std::span<const QRect> texts, const QRect& area, const QPoint& near)
{
    for (const QPoint& place : preferred)
        if (const QRect there(place, frame); area.contains(there) && CoveredArea(there, texts) == 0)
            return place;
    QPoint best = FitInside(QRect(near, frame), area).topLeft();
    long long bestCovered = std::numeric_limits<long long>::max();
    long long bestDistance = 0;
    const auto consider = [&](const QPoint& place)
    {
        const long long covered = CoveredArea(QRect(place, frame), texts);
        const QPoint d = place - near;
        const long long distance =
            static_cast<long long>(d.x()) * d.x() + static_cast<long long>(d.y()) * d.y();
        if (covered < bestCovered || (covered == bestCovered && distance < bestDistance))
        {
            best = place;
            bestCovered = covered;
            bestDistance = distance;
        }
    };
    for (const QPoint& place : preferred)
        consider(FitInside(QRect(place, frame), area).topLeft());
    for (int x : GridSteps(area.left(), area.right() + 1 - frame.width()))
        for (int y : GridSteps(area.top(), area.bottom() + 1 - frame.height()))
            consider({x, y});
    return best;
}
