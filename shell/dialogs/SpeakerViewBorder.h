// Settings page "Speaker Border": the axis ranges of the speaker response view.
#pragma once

#include "shell/dialogs/ViewBorderPage.h"

class CSpeakerViewBorder : public CViewBorderPage
{
public:
    enum
    {
        IDD = 107
    };
    CSpeakerViewBorder();
};
