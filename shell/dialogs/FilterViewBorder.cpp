#include "shell/dialogs/FilterViewBorder.h"

#include "document/MorvaneSettings.h"

CFilterViewBorder::CFilterViewBorder()
    : CViewBorderPage("Filter Border", IDD, "Set Filter View Border", "Decibels", 1059,
                      CMorvaneSettings::kMaxAxisLevel)
{
}
