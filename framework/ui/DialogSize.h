// Window sizes that show what a window holds. A window manager draws a dialog's caption in
// its title bar beside the window's icon and buttons and cuts it to the window's width; a
// window that opens at its contents' size alone ("Enter Log Sample Number of Points" over
// one edit box) loses its caption.
#pragma once

class QTabWidget;
class QWidget;

// Makes the window at least as wide as its caption needs in a title bar (a bold caption,
// the icon and three buttons beside it).
void KeepTitleVisible(QWidget& window);
// The window at the size its layout asks for, held to the available area of the screen it
// opens on, its frame included (ScreenPlace.h).
void SizeToContents(QWidget& window);
// Makes the window wide enough to show every tab of the tab widget in one row, without
// scroll arrows, where the screen is wide enough for that (tabs padded a little less than
// the style's default); on a narrower screen the arrows stay.
void ShowEveryTab(QWidget& window, QTabWidget& tabs);
