// The speaker document's dialogs as the application shows them: the settings sheet, the
// Continue Calculation question and the log sampling point count.
#include "shell/ui/MorvaneApp.h"

#include "framework/ui/HelpTopic.h"
#include "shell/ShellStrings.h"
#include "shell/dialogs/ContinueCalcDlg.h"
#include "shell/dialogs/LogSampleDlg.h"
#include "shell/dialogs/Settings.h"
#include "shell/help/HelpTopics.h"
#include "shell/ui/MainFrm.h"

bool CMorvaneApp::EditSettings(CSettingsSheetValues& values)
{
    CSettings sheet(IDS_SETTINGS_CAPTION, m_pMorvaneDoc, m_pMainFrame);
    SetHelpTopic(&sheet, HelpTopics::kCalculating);
    sheet.SetValues(values);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    sheet.GetValues(values);
    return true;
}

bool CMorvaneApp::AskContinueCalculation(long nFilterNumber)
{
    ContinueCalcDlg dialog(nFilterNumber, m_pMainFrame);
    SetHelpTopic(&dialog, HelpTopics::kCalculating);
    return dialog.exec() == QDialog::Accepted;
}

bool CMorvaneApp::AskLogSamplePoints(long& nPoints)
{
    CLogSampleDlg dialog(m_pMainFrame);
    SetHelpTopic(&dialog, HelpTopics::kMeasurement);
    dialog.m_nPoints = nPoints;
    dialog.OnInitDialog();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    nPoints = dialog.m_nPoints;
    return true;
}
