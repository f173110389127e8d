#include "shell/dialogs/PhaseViewBorder.h"

#include "document/MorvaneSettings.h"

CPhaseViewBorder::CPhaseViewBorder()
    : CViewBorderPage("Phase Response Border", IDD, "Set Phase Response View Border", "Degrees",
                      1060, CMorvaneSettings::kMaxPhaseAxisLevel)
{
}
