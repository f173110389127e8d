#include "shell/dialogs/PhaseFilterViewBorder.h"

#include "document/MorvaneSettings.h"

CPhaseFilterViewBorder::CPhaseFilterViewBorder()
    : CViewBorderPage("Filter Phase Border", IDD, "Set Filter Phase View Border", "Degrees", 1059,
                      CMorvaneSettings::kMaxAxisLevel)
{
}
