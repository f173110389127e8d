// Settings page "Frequency Limits": the band the calculation works in and the sampling
// frequency, in Hz.
#pragma once

#include "shell/dialogs/DocumentPage.h"

class CFrequencyLimits : public CDocumentPage
{
public:
    enum
    {
        IDD = 139
    };
    CFrequencyLimits();

    double m_dLowerFrequencyLimit = 0.0;
    double m_dSamplingFrequency = 0.0;
    double m_dHigherFrequencyLimit = 0.0;
};
