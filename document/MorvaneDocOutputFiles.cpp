// Saving the design's filter coefficient file, alone or with the other output files.
#include "document/DocumentStrings.h"
#include "document/FilterCoeffFile.h"
#include "document/MorvaneDoc.h"
#include "filters/FilterDesignCheck.h"
#include "graph/CFormat.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"

#include <filesystem>

namespace
{
// What the user keeps when filters that cannot be designed refuse it.
const char kCoefficientFileKept[] = "The filter coefficient file was not written";
} // namespace

bool CMorvaneDoc::SaveFilterCoefficients(bool bAskForPath)
{
    CUnwrittenFiles unwritten;
    const bool bSaved = SaveFilterCoefficients(bAskForPath, unwritten);
    ReportUnwrittenFiles(unwritten);
    return bSaved;
}

bool CMorvaneDoc::SaveFilterCoefficients(bool bAskForPath, CUnwrittenFiles& unwritten)
{
    // An older file keeps its filters rather than be emptied: the user is told instead.
    std::vector<std::string> nonFinite;
    const unsigned nothing = m_FiltersInGridMode.IsOff() ? unsigned(IDS_GRIDS_HOLD_NO_FILTERS)
                                                         : CollectCoefficientsToWrite(nonFinite);
    if (nothing)
    {
        unwritten.push_back(
            {m_CoefficientFile.GetName(), CSaveFilesChoice::kFilterCoefficients, nothing});
        return false;
    }
    // Save writes the file the record names, the one the exit question shows (not its
    // name in whatever folder is current); an empty name asks, as Save As does.
    std::string path = bAskForPath ? std::string() : m_CoefficientFile.GetName();
    if (!WriteCoefficientsTo(path, nonFinite))
        return false;
    if (bAskForPath)
        m_CoefficientFile.SetName(path);
    m_CoefficientFile.m_ChangedMode.TurnOff();
    return true;
}

unsigned CMorvaneDoc::CollectCoefficientsToWrite(std::vector<std::string>& nonFinite)
{
    m_App.UpdateFiltersFromGrids();
    nonFinite.clear();
    return CollectGridFilters(&nonFinite) ? 0u : unsigned(IDS_NO_ACTIVE_FILTER);
}

bool CMorvaneDoc::WriteCoefficientsTo(std::string& path, const std::vector<std::string>& nonFinite)
{
    // A row of "nan", or of poles on the unit circle, is no filter to any reader.
    if (!nonFinite.empty())
    {
        ShowMessage(UndesignableFiltersMessage(kCoefficientFileKept, nonFinite));
        return false;
    }
    FilterCoeffFile file(&m_App);
    if (!file.OpenForWrite(path, m_CoefficientFile.GetName()))
        return false;
    if (!file.Write(m_CoeffDenominators, m_CoeffNumerators) || !file.Close())
    {
        // A file that could not be put in place is no saved file.
        ReportSaveFailure(file.GetError());
        return false;
    }
    return true;
}

void CMorvaneDoc::ReportUnwrittenFiles(const CUnwrittenFiles& files) const
{
    if (files.empty())
        return;
    std::string text;
    int nNamed = 0;
    std::vector<std::string> older; // the named files that are there, quoted
    for (const CUnwrittenFile& file : files)
    {
        const std::string reason = CResourceString(file.reasonId);
        text += text.empty() ? "" : "\n\n";
        if (file.name.empty())
            text += FormatC(CResourceString(IDS_NOTHING_WRITTEN_FOR).c_str(),
                            CSaveFilesChoice::Label(file.file), reason.c_str());
        else
        {
            text += FormatC(CResourceString(IDS_NOTHING_WRITTEN_TO).c_str(), file.name.c_str(),
                            reason.c_str());
            ++nNamed;
            std::error_code error;
            if (std::filesystem::exists(file.name, error))
                older.push_back("\"" + file.name + "\"");
        }
    }
    // Only a file that is there is left as it was; where all named are, "that name" and
    // "those names" say which.
    if (!older.empty() && int(older.size()) == nNamed)
        text += "\n\n" + std::string(CResourceString(nNamed == 1 ? IDS_OLDER_FILE_KEPT
                                                                 : IDS_OLDER_FILES_KEPT));
    else if (older.size() == 1)
        text += "\n\n" + FormatC(CResourceString(IDS_OLDER_FILE_THERE).c_str(), older[0].c_str());
    else if (!older.empty())
    {
        std::string names;
        for (const std::string& name : older)
            names += (names.empty() ? "" : ", ") + name;
        text += "\n\n" + FormatC(CResourceString(IDS_OLDER_FILES_THERE).c_str(), names.c_str());
    }
    ShowMessage(text);
}

void CMorvaneDoc::OnFileSaveOutputFiles()
{
    if (m_RawFile.IsOff())
        return;
    CUnwrittenFiles unwritten;
    OnFileSaveRawResponse();
    if (const unsigned nothing = WhyNothingToWrite(CSaveFilesChoice::kDesiredResponse))
        unwritten.push_back(
            {m_DesiredCurveFile.GetName(), CSaveFilesChoice::kDesiredResponse, nothing});
    else
        OnFileSaveDesiredResponse();
    SaveFilterCoefficients(false, unwritten);
    ReportUnwrittenFiles(unwritten);
}

CCommandState CMorvaneDoc::OnUpdateFileSaveFilterCoefficients() const
{
    return {m_FiltersInGridMode.IsOn() != 0, false};
}

CCommandState CMorvaneDoc::OnUpdateFileSaveOutputFiles() const
{
    return {m_RawFile.IsOn() != 0, false};
}
