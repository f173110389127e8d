#include "shell/dialogs/ViewBorderPage.h"

#include "document/MorvaneSettings.h"

#include <string>

CViewBorderPage::CViewBorderPage(const char* caption, int nIDD, const char* group,
                                 const char* valueWord, int nScalingId, double dMaxValue)
    : CDocumentPage(caption, nIDD)
{
    const DialogData::CDoubleRange frequencies{CMorvaneSettings::kMinAxisHz,
                                               CMorvaneSettings::kMaxAxisHz};
    const DialogData::CDoubleRange values{-dMaxValue, dMaxValue};
    BeginGroup(group);
    const std::string maximum = std::string("Maximum ") + valueWord;
    const std::string minimum = std::string("Minimum ") + valueWord;
    AddDouble(1007, maximum.c_str(), m_dMaximumValue, values);
    AddDouble(1004, "Maximum Frequency", m_dMaximumFrequency, frequencies);
    AddDouble(1003, minimum.c_str(), m_dMinimumValue, values);
    AddDouble(1002, "Minimum Frequency", m_dMinimumFrequency, frequencies);
    AddCheck(nScalingId, "Automatic Scaling", m_bAutomaticScaling);
}
