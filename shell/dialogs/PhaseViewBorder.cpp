#include "shell/dialogs/PhaseViewBorder.h"

CPhaseViewBorder::CPhaseViewBorder()
    : CViewBorderPage("Phase Response Border", IDD, "Set Phase Response View Border", "Degrees",
                      1060)
{
}
