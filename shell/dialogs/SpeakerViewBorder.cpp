#include "shell/dialogs/SpeakerViewBorder.h"

#include "document/MorvaneSettings.h"

CSpeakerViewBorder::CSpeakerViewBorder()
    : CViewBorderPage("Speaker Border", IDD, "Set Speaker View Border", "Decibels", 1060,
                      CMorvaneSettings::kMaxAxisLevel)
{
}
