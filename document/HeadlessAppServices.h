// The application side of the speaker document without a display: it holds the settings
// and the phase-column mode, and records what the document asks of the windows (status
// texts, window commands, path names, File Read Error reports, beeps, grid reads). The
// answers of its dialogs are set beforehand. Used by tests and by runs without a user
// interface.
#pragma once

#include "document/DocumentServices.h"
#include "document/MasterPointEditing.h"
#include "document/MasterPointGrid.h"
#include "document/MorvaneSettings.h"
#include "document/SaveFilesChoice.h"
#include "graph/Mode.h"

#include <cstddef>
#include <functional>
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
    // The calculation workflow.
    void Beep() override { ++beeps; }
    std::uint64_t AvailableMemory() const override { return availableMemory; }
    bool IsFrameVisible(ESpeakerFrame frame) const override
    {
        return frame != ESpeakerFrame::Filter || filterFrameVisible;
    }
    void OpenFilterEditor() override
    {
        filterEditorCreated = true;
        editorCalls.push_back("open filter editor");
    }
    bool UpdateFiltersFromGrids() override
    {
        ++gridReads;
        return filterEditorCreated;
    }
    void EQGridToFilters() override { windowCalls.push_back("EQ grid to filters"); }
    void EQFiltersToGrid() override { windowCalls.push_back("EQ filters to grid"); }
    int TakeNextEQOutputOrder() override { return nextOutputOrder++; }
    bool AskContinueCalculation(long nFilterNumber) override;
    bool AskLogSamplePoints(long& nPoints) override;
    // A grid row deletion: recorded; refused while the filter editor was never created
    // or when gridDeleteAnswer is false (the user's Cancel).
    bool DeleteGridFilter(int kind, const std::string& label, bool bAsk) override
    {
        gridDeletions.push_back({kind, label, bAsk});
        return filterEditorCreated && gridDeleteAnswer;
    }
    struct CGridDeletion
    {
        int kind = 0;
        std::string label;
        bool bAsk = false;
    };
    std::vector<CGridDeletion> gridDeletions;
    bool gridDeleteAnswer = true;

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

    // The calculation workflow.
    int beeps = 0;
    // As much as is asked for, unless a test says otherwise.
    std::uint64_t availableMemory = ~std::uint64_t(0);
    int gridReads = 0;
    bool filterFrameVisible = true;
    bool filterEditorCreated = true;
    int nextOutputOrder = 1;
    // The Continue dialog answers OK until it has been shown continueAnswers times;
    // onContinuePrompt (when set) runs while it is shown.
    std::vector<long> continuePrompts;
    std::size_t continueAnswers = ~std::size_t(0);
    std::function<void()> onContinuePrompt;
    // The point-count dialog: the values it opened with, the value entered and whether
    // it is closed with OK. A value outside 150 to 100000000 is refused as the dialog
    // refuses it, and the dialog is then cancelled.
    std::vector<long> logSampleShown;
    long logSamplePoints = 300;
    bool logSampleAnswer = true;

    // The file commands: the filter editor's reloads and openings in editorCalls, the
    // Yes/No questions answered with questionAnswer, a master point editor of memory
    // grids (it cannot be created while masterPointEditorAvailable is false), the exit
    // question answered by onSaveFiles (when set) or saveFilesAnswer.
    void ReloadFilterGrids() override { editorCalls.push_back("reload filter grids"); }
    bool AskQuestion(const std::string& question) override
    {
        questions.push_back(question);
        return questionAnswer;
    }
    bool OpenMasterPointEditor(bool bFirstPage) override;
    CMasterPointGrids* MasterPointGrids() override;
    void CommitMasterPointEdits() override { ++masterPointCommits; }
    int AskSaveFiles(CSaveFilesChoice& choice) override;
    IDeviceDataFiles* DeviceDataFiles() override { return m_pDeviceDataFiles; }

    std::vector<std::string> editorCalls;
    std::vector<std::string> questions;
    bool questionAnswer = false;
    bool masterPointEditorAvailable = true;
    bool masterPointEditorCreated = false;
    int masterPointCommits = 0;
    CMemoryMasterPointGrid desiredGrid{false, 1044};
    CMemoryMasterPointGrid upperGrid{true, 1056};
    CMemoryMasterPointGrid lowerGrid{true, 1057};
    std::vector<CSaveFilesChoice> saveFilesShown;
    int saveFilesAnswer = 0;
    std::function<int(CSaveFilesChoice&)> onSaveFiles;
    IDeviceDataFiles* m_pDeviceDataFiles = nullptr;

private:
    CMasterPointGrids m_MasterPointGrids{desiredGrid, upperGrid, lowerGrid};
};
