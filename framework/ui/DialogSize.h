// Window sizes that show what a window holds. A window manager draws a dialog's caption in
// its title bar beside the window's icon and buttons and cuts it to the window's width; a
// window that opens at its contents' size alone ("Enter Log Sample Number of Points" over
// one edit box) loses its caption.
#pragma once

class QString;
class QTabWidget;
class QWidget;

// The width a title bar needs to show the caption whole beside the window's icon and three
// buttons, in a window manager's bold title font (which the program cannot know: the
// platform's title font, at least a quarter wider than the application's bold font).
int TitleBarWidth(const QString& caption);
// Makes the window at least as wide as its caption needs in a title bar (TitleBarWidth).
// Every window the program places gets it as it is shown (KeptPlaces.h).
void KeepTitleVisible(QWidget& window);
// The window at the size its layout asks for, held to the available area of the screen it
// opens on, its frame included (ScreenPlace.h).
void SizeToContents(QWidget& window);
// Makes the window wide enough to show every tab of the tab widget in one row, without
// scroll arrows, where the screen it stands on (before its first place: the screen of the
// window it belongs to) is wide enough for that (tabs padded a little less than the style's
// default). From then on its tabs stay in reach at whatever width the tab widget gets
// (KeepTabsInReach, whenever it is resized).
void ShowEveryTab(QWidget& window, QTabWidget& tabs);
// Turns the tab bar's scroll arrows on where its tabs do not all fit the width the tab
// widget has, off where they do.
void KeepTabsInReach(QTabWidget& tabs);
