// Settings page "Desired Response": the tolerances around the desired response, in dB.
#pragma once

#include "shell/dialogs/SettingsPage.h"

class CDesiredResponse : public CSettingsPage
{
public:
    enum
    {
        IDD = 140
    };
    CDesiredResponse();

    double m_dLowerTolerance = 0.0;
    double m_dUpperTolerance = 0.0;
};
