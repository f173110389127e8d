#include "shell/dialogs/FrequencyLimits.h"

#include "filters/FilterDesignCheck.h"

CFrequencyLimits::CFrequencyLimits() : CDocumentPage("Frequency Limits", IDD)
{
    AddDouble(1018, "LF Lower Frequency Limit Hz", m_dLowerFrequencyLimit, {{1.0, 30000.0}});
    AddDouble(1020, "Fs Sampling Frequency Hz", m_dSamplingFrequency,
              {{double(kLowestSampleRate), double(kHighestSampleRate)}});
    AddDouble(1019, "HF Higher Frequency Limit Hz", m_dHigherFrequencyLimit, {{1.0, 30000.0}});
    AddNote("(HF less than or equal to Fs / 2)");
}
