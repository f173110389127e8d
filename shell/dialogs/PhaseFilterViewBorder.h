// Settings page "Filter Phase Border": the axis ranges of the filter phase view.
#pragma once

#include "shell/dialogs/ViewBorderPage.h"

class CPhaseFilterViewBorder : public CViewBorderPage
{
public:
    enum
    {
        IDD = 266
    };
    CPhaseFilterViewBorder();
};
