// The icon each kind of child window carries in its caption: a small chart of what the
// window shows, under a band in the colour of its group (the speaker windows, the QZX2202
// designs, the QZX2410/QZX6060 designs). Drawn for this program by
// scripts/make-frame-icons.py and bundled as Qt resources ":/icons/<name>-16.png" and
// "-32.png".
#pragma once

#include "document/DocumentServices.h"
#include "shell/ui/DesignWindow.h"

#include <QIcon>

QIcon FrameIcon(ESpeakerFrame kind);
QIcon FrameIcon(EDesignWindow kind);
