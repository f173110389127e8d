#include "shell/dialogs/SpeakerViewBorder.h"

CSpeakerViewBorder::CSpeakerViewBorder()
    : CViewBorderPage("Speaker Border", IDD, "Set Speaker View Border", "Decibels", 1060)
{
}
