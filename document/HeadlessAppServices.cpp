#include "document/HeadlessAppServices.h"

namespace
{
const char* FrameName(ESpeakerFrame frame)
{
    switch (frame)
    {
    case ESpeakerFrame::Response:
        return "response";
    case ESpeakerFrame::Filter:
        return "filter";
    case ESpeakerFrame::Phase:
        return "phase";
    case ESpeakerFrame::PhaseFilter:
        return "phase filter";
    }
    return "";
}
} // namespace

void CHeadlessAppServices::ShowFrame(ESpeakerFrame frame, bool bShow)
{
    windowCalls.push_back(std::string(bShow ? "show " : "hide ") + FrameName(frame) + " frame");
}

void CHeadlessAppServices::SendFrameCommand(ESpeakerFrame frame, int nCommand)
{
    windowCalls.push_back("command " + std::to_string(nCommand) + " to " + FrameName(frame) +
                          " frame");
}

bool CHeadlessAppServices::EditSettings(CSettingsSheetValues& values)
{
    settingsShown.push_back(values);
    if (settingsEdit)
        settingsEdit(values);
    return settingsAnswer;
}

bool CHeadlessAppServices::AskContinueCalculation(long nFilterNumber)
{
    continuePrompts.push_back(nFilterNumber);
    if (onContinuePrompt)
        onContinuePrompt();
    return continuePrompts.size() < continueAnswers;
}

bool CHeadlessAppServices::AskLogSamplePoints(long& nPoints)
{
    logSampleShown.push_back(nPoints);
    if (!logSampleAnswer || !IsLogSamplePointCount(logSamplePoints))
        return false;
    nPoints = logSamplePoints;
    return true;
}

bool CHeadlessAppServices::OpenMasterPointEditor(bool bFirstPage)
{
    editorCalls.push_back(bFirstPage ? "open master points, first page" : "open master points");
    if (!masterPointEditorAvailable)
        return false;
    masterPointEditorCreated = true;
    return true;
}

CMasterPointGrids* CHeadlessAppServices::MasterPointGrids()
{
    return masterPointEditorCreated ? &m_MasterPointGrids : nullptr;
}

int CHeadlessAppServices::AskSaveFiles(CSaveFilesChoice& choice)
{
    saveFilesShown.push_back(choice);
    return onSaveFiles ? onSaveFiles(choice) : saveFilesAnswer;
}
