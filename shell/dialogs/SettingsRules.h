// Settings that contradict each other, which the settings sheet refuses as a whole even
// though every field lies within its own bounds: a lower frequency limit above the higher
// one (after the higher one is held to half the sampling frequency, as the document holds
// it), a limit on the number of filters below one filter, and a view border whose minimum
// frequency or value is not below its maximum, or not far enough below it for the view to
// draw (CMorvaneSettings::IsDrawableLevelRange, IsDrawableFrequencyRange).
#pragma once

#include "document/DocumentServices.h"
#include "shell/dialogs/DialogDataExchange.h"

#include <optional>
#include <string>

struct CSettingsContradiction
{
    int iPage;      // the sheet's page that holds the field, 0 to 7
    int nControlId; // the field to correct
    std::string message;
};

// The first contradiction, in the order of the sheet's pages; none when the values agree.
std::optional<CSettingsContradiction> FindSettingsContradiction(const CSettingsSheetValues& values);

// The bounds of the upper (bUpper) or the lower tolerance around the desired response, in dB
// (CMorvaneSettings), as every field that takes one checks them.
DialogData::CDoubleRange ToleranceRange(bool bUpper);
