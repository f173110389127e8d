// The speaker document's dialogs as the application shows them: the settings sheet, the
// Continue Calculation question, the log sampling point count, its Yes/No questions and
// "Save Files On Exit?".
#include "shell/ui/MorvaneApp.h"

#include "framework/ui/HelpTopic.h"
#include "shell/ShellStrings.h"
#include "shell/dialogs/ContinueCalcDlg.h"
#include "shell/dialogs/LogSampleDlg.h"
#include "shell/dialogs/SaveFilesDlg.h"
#include "shell/dialogs/Settings.h"
#include "shell/help/HelpTopics.h"
#include "shell/ui/MainFrm.h"

#include <QMessageBox>

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

bool CMorvaneApp::AskQuestion(const std::string& question)
{
    return QMessageBox::question(m_pMainFrame, QString::fromStdString(ShellString(IDS_APP_NAME)),
                                 QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

int CMorvaneApp::AskSaveFiles(CSaveFilesChoice& choice)
{
    CSaveFilesDlg dialog(m_pMainFrame);
    dialog.m_Choice = choice;
    dialog.OnInitDialog();
    const int nResult = dialog.DoModal();
    if (nResult == 1)
        choice = dialog.m_Choice;
    return nResult;
}
