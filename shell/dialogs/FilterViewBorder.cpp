#include "shell/dialogs/FilterViewBorder.h"

CFilterViewBorder::CFilterViewBorder()
    : CViewBorderPage("Filter Border", IDD, "Set Filter View Border", "Decibels", 1059)
{
}
