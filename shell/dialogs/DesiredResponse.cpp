#include "shell/dialogs/DesiredResponse.h"

CDesiredResponse::CDesiredResponse() : CSettingsPage("Desired Response", IDD)
{
    AddDouble(1021, "Lower Tolerance db", m_dLowerTolerance, {{-100.0, 0.0}});
    AddDouble(1022, "Upper Tolerance db", m_dUpperTolerance, {{0.0, 100.0}});
}
