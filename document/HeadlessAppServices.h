// The application side of the speaker document without a display: it holds the settings
// and the phase-column mode, and records what the document asks of the windows (status
// texts, window commands, path names, File Read Error reports). The answers of its two
// dialogs are set beforehand. Used by tests and by runs without a user interface.
#pragma once

#include "document/DocumentServices.h"
#include "document/MorvaneSettings.h"
#include "graph/Mode.h"

#include <string>
#include <vector>

class CHeadlessAppServices : public IMorvaneAppServices
{
public:
    struct CFileReadError
    {
        std::string file;
        int nLine = 0;
        std::string error;
    };

    void SetMorvaneDoc(CMorvaneDoc* pDoc) override { m_pMorvaneDoc = pDoc; }
    CMorvaneSettings& Settings() override { return m_Settings; }
    CMode& PhaseColumnMode() override { return m_PhaseColumnMode; }
    IFamilyDataFileNames* FamilyDataManager() override { return m_pFamilyManager; }

    void SetStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void ShowResponseWindow() override { windowCalls.push_back("show response"); }
    void ShowFilterWindow() override { windowCalls.push_back("show filter"); }
    void ActivateResponseWindow() override { windowCalls.push_back("activate response"); }
    void ShowFrame(ESpeakerFrame frame, bool bShow) override;
    void SendFrameCommand(ESpeakerFrame frame, int nCommand) override;
    void PostMainFrameCommand(int nCommand) override { mainFrameCommands.push_back(nCommand); }
    void SetDocumentPathName(const std::string& path) override { pathNames.push_back(path); }
    void AddToRecentFileList(const std::string& path) override { recentFiles.push_back(path); }
    bool AskVerifyNewCurves() override
    {
        ++verifyQuestions;
        return verifyAnswer;
    }
    bool EditSettings(CSettingsSheetValues& values) override;
    void ShowFileReadError(const std::string& file, int nLine, const std::string& error) override
    {
        fileReadErrors.push_back({file, nLine, error});
    }

    CMorvaneDoc* m_pMorvaneDoc = nullptr;
    IFamilyDataFileNames* m_pFamilyManager = nullptr;
    CMorvaneSettings m_Settings;
    CMode m_PhaseColumnMode;

    std::vector<std::string> statusTexts;
    std::vector<std::string> windowCalls;
    std::vector<int> mainFrameCommands;
    std::vector<std::string> pathNames;
    std::vector<std::string> recentFiles;
    std::vector<CFileReadError> fileReadErrors;
    bool verifyAnswer = true;
    int verifyQuestions = 0;
    // EditSettings: the values shown, and whether the sheet is closed with OK after
    // settingsEdit (when set) changed them.
    std::vector<CSettingsSheetValues> settingsShown;
    bool settingsAnswer = false;
    void (*settingsEdit)(CSettingsSheetValues&) = nullptr;
};
