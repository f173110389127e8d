// Settings page "Phase Response Border": the axis ranges of the speaker phase view.
#pragma once

#include "shell/dialogs/ViewBorderPage.h"

class CPhaseViewBorder : public CViewBorderPage
{
public:
    enum
    {
        IDD = 267
    };
    CPhaseViewBorder();
};
