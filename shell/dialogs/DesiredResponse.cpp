#include "shell/dialogs/DesiredResponse.h"

#include "shell/dialogs/SettingsRules.h"

CDesiredResponse::CDesiredResponse() : CSettingsPage("Desired Response", IDD)
{
    AddDouble(1021, "Lower Tolerance db", m_dLowerTolerance, ToleranceRange(false));
    AddDouble(1022, "Upper Tolerance db", m_dUpperTolerance, ToleranceRange(true));
}
