// Where each of the four speaker windows goes in the main window's MDI client area, for
// its place at creation and for the four arrangement commands. Heights split 0.6/0.4 or
// 0.5/0.5 of the client height (each share truncated toward zero), widths split in
// halves (integer division). The lower windows lose the height correction K, the upper
// ones do not.
#pragma once

#include "document/DocumentServices.h"
#include "framework/core/GdiTypes.h"

// Layout commands of the speaker frames.
enum EFrameLayout : int
{
    kLayoutAtCreation = 0,
    kLayoutOriginal = 101,               // the frame's standard position
    kLayoutFourWindows = 32919,          // "Show 4 Windows"
    kLayoutFilterAndPhaseFilter = 32920, // "Show Filter and Phase Filter Windows"
    kLayoutResponseAndPhase = 32884,     // response above phase
};

// The rectangle (MDI client coordinates) of the frame for the layout command, computed
// from the client rectangle and the correction K; false, rect untouched, for a layout
// that the frame does not take part in (or an unknown command).
bool ComputeFrameRect(ESpeakerFrame frame, int nLayout, const CRect& client, int nHeightOffset,
                      CRect& rect);
