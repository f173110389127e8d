// Settings page "Filter Border": the axis ranges of the filter view.
#pragma once

#include "shell/dialogs/ViewBorderPage.h"

class CFilterViewBorder : public CViewBorderPage
{
public:
    enum
    {
        IDD = 131
    };
    CFilterViewBorder();
};
