#include "shell/dialogs/ViewBorderPage.h"

#include <string>

namespace
{
constexpr DialogData::CDoubleRange kFrequencyRange{1.0, 200000.0};
}

CViewBorderPage::CViewBorderPage(const char* caption, int nIDD, const char* group,
                                 const char* valueWord, int nScalingId)
    : CDocumentPage(caption, nIDD)
{
    BeginGroup(group);
    const std::string maximum = std::string("Maximum ") + valueWord;
    const std::string minimum = std::string("Minimum ") + valueWord;
    AddDouble(1007, maximum.c_str(), m_dMaximumValue);
    AddDouble(1004, "Maximum Frequency", m_dMaximumFrequency, kFrequencyRange);
    AddDouble(1003, minimum.c_str(), m_dMinimumValue);
    AddDouble(1002, "Minimum Frequency", m_dMinimumFrequency, kFrequencyRange);
    AddCheck(nScalingId, "Automatic Scaling", m_bAutomaticScaling);
}
