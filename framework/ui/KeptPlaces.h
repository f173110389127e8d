// Where the windows the program opens again open: where the user put them last. Every
// dialog, sheet and tool window of the program's own is made wide enough for its caption
// (KeepTitleVisible) each time it is shown. Every window that belongs to another (its
// dialogs, sheets, tool windows and the help window) then goes through one rule:
// - shown again (the same window hidden and shown, or one the program placed itself before
//   showing it), it is kept on the screen that holds it (KeepOnScreen);
// - made anew, it opens at the place its kind was left at, on the screen the user put it
//   on (PlaceFrame);
// - else it takes a first place, centred on the window it belongs to and wholly on that
//   window's screen (PlaceFirst).
// A message box is left to Qt: each tells something new, and opens centred over the window
// it belongs to (and on its screen) as it takes its size.
#pragma once

#include <QObject>
#include <QPoint>

#include <map>
#include <string>

class QWidget;

class CKeptPlaces : public QObject
{
public:
    // Watches every window of the application from now on, until it is deleted.
    explicit CKeptPlaces(QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Shown(QWidget& window);
    void Hidden(const QWidget& window);

    std::map<std::string, QPoint> m_Places; // frame top left, by kind of window (KindOf)
};
