// The filter parameter file (".par") of the speaker document: the filters of the
// seventeen lists read from and written to it, through the grids of the filter editor.
#include "document/DocumentStrings.h"
#include "document/MorvaneDoc.h"
#include "filters/FilterGridRows.h"
#include "filters/FilterParameterFile.h"
#include "graph/FileDialog.h"
#include "graph/MorvaneUtilities.h"

#include <algorithm>

void CMorvaneDoc::OnFileOpenFilterParameterFile()
{
    // The lists stay as they are while a calculation works on them.
    if (m_bInCalculationCommand)
        return;
    // The file is always chosen in the dialog: a companion name from the raw response
    // file is no reason to load its filters unasked.
    CFilterParameterFile file;
    std::string path;
    if (!AskFilePath(false, {file.GetDefaultExtension(), file.GetFilter()}, path,
                     file.GetDefaultFileName()))
        return;
    std::string error;
    if (!file.OpenFile(path, m_FilterLists, m_nSamplingFrequency, error))
    {
        // A file of another kind is refused at its first line; the lists and grids stay.
        if (file.GetErrorLine() > 0)
            m_App.ShowFileReadError(path, file.GetErrorLine(), error);
        else
            ShowMessage(error);
        return;
    }
    m_ParameterFile.SetName(path);
    m_FiltersInGridMode.TurnOn();
    // The grids hand out output orders from the highest the loaded filters bring, not
    // from what they handed out before.
    int nHighest = 0;
    m_FilterLists.ForEach(
        [&nHighest](EFilterKind, auto& list)
        {
            for (int i = 0; i < list.GetSize(); ++i)
                nHighest = std::max(nHighest, list.GetAt(i)->GetOutputOrder());
        });
    CFilterGridRows::SetNextOutputOrder(nHighest);
    m_ParameterFile.TurnOn();
    m_ParameterFile.m_ChangedMode.TurnOff();
    // Every page shows the loaded lists before the editor is shown, so that no page
    // writes what it showed before over them.
    m_App.ReloadFilterGrids();
    m_App.OpenFilterEditor();
    // Filters that this sample rate cannot design came in as written: named once.
    if (!file.GetNotice().empty())
        ShowMessage(file.GetNotice());
}

bool CMorvaneDoc::SaveFilterParametersTo(std::string& path)
{
    CFilterParameterFile file;
    if (!AskFilePath(true, {file.GetDefaultExtension(), file.GetFilter()}, path,
                     m_ParameterFile.GetName()))
        return false;
    m_App.UpdateFiltersFromGrids();
    std::string error;
    if (!file.SaveFile(path, m_FilterLists, error))
    {
        ReportSaveFailure(error);
        return false;
    }
    m_ParameterFile.TurnOn();
    m_ParameterFile.m_ChangedMode.TurnOff();
    return true;
}

unsigned CMorvaneDoc::CollectParametersToWrite()
{
    m_App.UpdateFiltersFromGrids();
    return m_FilterLists.GetTotalCount() == 0 ? unsigned(IDS_GRIDS_HOLD_NO_FILTERS) : 0u;
}

void CMorvaneDoc::SaveFilterParameters(bool bAskForPath)
{
    if (m_FiltersInGridMode.IsOff())
        return;
    // An older file keeps its filters rather than be emptied: the user is told instead.
    if (const unsigned nothing = CollectParametersToWrite())
    {
        ReportUnwrittenFiles(
            {{m_ParameterFile.GetName(), CSaveFilesChoice::kFilterParameters, nothing}});
        return;
    }
    std::string path = bAskForPath ? std::string() : m_ParameterFile.GetName();
    if (SaveFilterParametersTo(path))
        m_ParameterFile.SetName(path);
}

CCommandState CMorvaneDoc::OnUpdateFileSaveFilterParameters() const
{
    return {m_FiltersInGridMode.IsOn() != 0, false};
}
