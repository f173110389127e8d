// The settings pages of a view's axis ranges: the value axis (dB or degrees) and the
// frequency axis in Hz, and whether the view scales itself.
#pragma once

#include "shell/dialogs/DocumentPage.h"

class CViewBorderPage : public CDocumentPage
{
public:
    // valueWord: "Decibels" or "Degrees"; nScalingId: the id of the check box; the value
    // limits are refused outside -dMaxValue to dMaxValue, the bounds within which the
    // profile keeps the view's range (CMorvaneSettings).
    CViewBorderPage(const char* caption, int nIDD, const char* group, const char* valueWord,
                    int nScalingId, double dMaxValue);

    double m_dMaximumValue = 0.0;
    double m_dMaximumFrequency = 0.0;
    double m_dMinimumValue = 0.0;
    double m_dMinimumFrequency = 0.0;
    bool m_bAutomaticScaling = false;
};
