// Saving the design's filter coefficient file, alone or with the other output files.
#include "document/FilterCoeffFile.h"
#include "document/MorvaneDoc.h"
#include "filters/FilterDesignCheck.h"
#include "graph/MorvaneUtilities.h"

namespace
{
// What the user keeps when filters whose coefficients are not finite numbers refuse it.
const char kCoefficientFileKept[] = "The filter coefficient file was not written";
} // namespace

bool CMorvaneDoc::SaveFilterCoefficients(bool bAskForPath)
{
    if (m_FiltersInGridMode.IsOff())
        return false;
    // Save writes the file the record names, the one the exit question shows (not its
    // name in whatever folder is current); an empty name asks, as Save As does.
    std::string path = bAskForPath ? std::string() : m_CoefficientFile.GetName();
    if (!SaveFilterCoefficientsTo(path))
        return false;
    if (bAskForPath)
        m_CoefficientFile.SetName(path);
    m_CoefficientFile.m_ChangedMode.TurnOff();
    return true;
}

bool CMorvaneDoc::SaveFilterCoefficientsTo(std::string& path)
{
    m_App.UpdateFiltersFromGrids();
    std::vector<std::string> nonFinite;
    if (!CollectGridFilters(&nonFinite))
        return false;
    // Refused before a path is asked for: a row of "nan" is no filter to any reader.
    if (!nonFinite.empty())
    {
        ShowMessage(NonFiniteCoefficientsMessage(kCoefficientFileKept, nonFinite));
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

void CMorvaneDoc::OnFileSaveOutputFiles()
{
    if (m_RawFile.IsOff())
        return;
    OnFileSaveRawResponse();
    OnFileSaveDesiredResponse();
    OnFileSaveFilterCoefficients();
}

CCommandState CMorvaneDoc::OnUpdateFileSaveFilterCoefficients() const
{
    return {m_FiltersInGridMode.IsOn() != 0, false};
}

CCommandState CMorvaneDoc::OnUpdateFileSaveOutputFiles() const
{
    return {m_RawFile.IsOn() != 0, false};
}
