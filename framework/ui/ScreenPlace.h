// Where the program puts the windows it places itself (its tool windows and their
// dialogs): wholly on the available area of one screen, the window manager's frame and
// title bar included, so that the user can always grab a window by its title bar and reach
// all of it. A window larger than that area is made to fit it. A first place, which the
// user never chose, lies on the screen of the window it belongs to; a window the user has
// put somewhere stays on the screen that holds it (engineers keep the editors on a second
// screen), and is pulled onto its owner's screen only where no screen holds it.
//
// A window manager frames a window only after it is shown, and tells its frame's size
// later still. Until a window has a frame of its own, it is counted with the frame of the
// window it belongs to (the same window manager draws both, though not alike: a maximized
// window has no borders); once the window manager has framed it, however long that takes,
// a window placed here is checked again with its real frame and put where it was meant to
// stand. So a window reopened at the place it was left gives back that place, and one
// fitted to a screen stays within it, frame and all.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>
#include <span>

class QWidget;

// What the window system tells of a window's frame now: the margins the window manager's
// frame adds round it once it has framed the window, nothing before. Empty (the program's
// own): the window system's report. A test stands in for a window manager with it.
using CFrameReport = std::function<std::optional<QMargins>(const QWidget& window)>;
void ReportFramesWith(CFrameReport report);

// The rectangle moved, and where it is larger than the area made smaller, so that it lies
// wholly inside the area.
QRect FitInside(const QRect& rect, const QRect& area);

// The available area (the screen without its panels and task bars) of the screen of the
// window the window belongs to (its parent's window), or of its own screen; empty without
// a screen. A first place is taken on it.
QRect AvailableArea(const QWidget& window);
// Of the screens (their rectangles, global pixels), the index of the one that holds the
// frame: the one that holds the most of it; among equal shares the one under its top left
// (its kept place), then the owner's (owner, -1 for none). -1 where no screen holds any of
// it or lies under its top left.
int ScreenHolding(const QRect& frame, std::span<const QRect> screens, int owner);
// The available area of the screen that holds the frame (ScreenHolding): where a window put
// there stays. The owner's (AvailableArea) where no screen holds it.
QRect AreaHolding(const QWidget& window, const QRect& frame);
// What the window manager's frame adds round the window: its own frame once it has one,
// else the frame of the window it belongs to, else none.
QMargins FrameMargins(const QWidget& window);
// The size of the window's frame: its present size, or the size its layout asks for when
// it was never shown or sized, with the frame round it.
QSize FrameSize(const QWidget& window);

// Puts the window's frame at the rectangle, moved and made smaller where it must be to lie
// on the available area of the screen that holds it (AreaHolding; the window gives up as
// much of its least size as it has to): a place the user chose, or one kept from before.
void PlaceFrame(QWidget& window, const QRect& frame);
// As PlaceFrame, on the available area of the owner's screen (AvailableArea) whichever
// screen holds the rectangle: a first place, which the user never chose.
void PlaceFirst(QWidget& window, const QRect& frame);
// Puts the window back on the available area of the screen that holds it (AreaHolding)
// where its frame leaves that area.
void KeepOnScreen(QWidget& window);

// The place (top left) for a frame of that size on the area: the first of the preferred
// places where the frame lies wholly on the area and covers none of the texts' rectangles;
// else, of the places on the area, the one where it covers the least of them (by area;
// among equals the one nearest to near).
QPoint LeastCoveringPlace(const QSize& frame, std::span<const QPoint> preferred,
                          std::span<const QRect> texts, const QRect& area, const QPoint& near);
