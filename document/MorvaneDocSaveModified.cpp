// Closing the speaker document, or opening another raw response into it: every companion
// file with unsaved content is offered in one question, and what the user ticks is saved,
// each file under the full name the question shows. The document closes (or takes the
// other response) only when every ticked file was saved.
#include "document/MasterPointEditing.h"
#include "document/MorvaneDoc.h"
#include "document/SaveFilesChoice.h"

#include <algorithm>
#include <functional>

namespace
{
using EFile = CSaveFilesChoice::EFile;
using EHolder = IDeviceDataFiles::EHolder;

CSaveFilesChoice::CFile Offer(const CFileRecord& record, bool bUnsaved = true)
{
    return {bUnsaved && record.m_ChangedMode.IsOn(), record.GetName()};
}
} // namespace

CMorvaneDoc::CExitDeviceRows CMorvaneDoc::FillSaveFilesChoice(CSaveFilesChoice& choice) const
{
    auto& files = choice.files;
    files[CSaveFilesChoice::kRawResponse] = Offer(m_RawFile);
    files[CSaveFilesChoice::kDesiredResponse] = Offer(m_DesiredCurveFile);
    files[CSaveFilesChoice::kMasterPoints] = Offer(m_MasterPointFile);
    files[CSaveFilesChoice::kFilterParameters] = Offer(m_ParameterFile);
    // Only a modified response the views show is written.
    files[CSaveFilesChoice::kModifiedResponse] = Offer(m_ModifiedRawFile, IsModifiedCurveShown());
    files[CSaveFilesChoice::kFilterCoefficients] = Offer(m_CoefficientFile);

    // The selected device's data first, then unsaved data of the other holder.
    CExitDeviceRows rows;
    const IDeviceDataFiles* pDevices = m_App.DeviceDataFiles();
    if (!pDevices)
        return rows;
    EHolder selected = IDeviceDataFiles::kEqData;
    const bool bSelected = pDevices->GetSelectedHolder(selected);
    if (bSelected)
        rows.push_back(selected);
    for (const EHolder holder : {IDeviceDataFiles::kEqData, IDeviceDataFiles::kFamilyData})
        if (pDevices->IsUnsaved(holder) && !(bSelected && holder == selected))
            rows.push_back(holder);
    const EFile deviceFiles[] = {CSaveFilesChoice::kDeviceData, CSaveFilesChoice::kOtherDeviceData};
    for (std::size_t i = 0; i < rows.size(); ++i)
        files[deviceFiles[i]] = {pDevices->IsUnsaved(rows[i]), pDevices->GetFileName(rows[i])};
    choice.bOtherDeviceDataShown = rows.size() > 1;
    return rows;
}

bool CMorvaneDoc::SaveModified()
{
    return SaveUnsavedFiles(false);
}

bool CMorvaneDoc::SaveUnsavedFiles(bool bBeforeOpening)
{
    m_App.CommitMasterPointEdits();
    CSaveFilesChoice choice;
    choice.bBeforeOpening = bBeforeOpening;
    const CExitDeviceRows devices = FillSaveFilesChoice(choice);
    if (std::none_of(choice.files.begin(), choice.files.end(),
                     [](const CSaveFilesChoice::CFile& file) { return file.bSave; }))
        return true;
    switch (m_App.AskSaveFiles(choice))
    {
    case 0:
        return true;
    case 1:
        return SaveChosenFiles(choice, devices);
    default:
        // The user cancelled the question: nothing is saved and the document stays.
        return false;
    }
}

bool CMorvaneDoc::SaveChosenFiles(const CSaveFilesChoice& choice, const CExitDeviceRows& devices)
{
    using CSaver = std::function<bool(std::string & path)>;
    const auto device = [this, &devices](std::size_t i) -> CSaver
    {
        return [this, &devices, i](std::string& path)
        {
            IDeviceDataFiles* pDevices = m_App.DeviceDataFiles();
            return i >= devices.size() || !pDevices || pDevices->SaveTo(devices[i], path);
        };
    };
    struct CExitSave
    {
        EFile file;
        CFileRecord* pRecord; // null: the device data keeps its own name
        CSaver save;
    };
    // In this order; each file goes to the full name the question shows.
    const CExitSave saves[] = {
        {CSaveFilesChoice::kRawResponse, &m_RawFile,
         [this](std::string& path) { return SaveRawResponseTo(path); }},
        {CSaveFilesChoice::kDesiredResponse, &m_DesiredCurveFile,
         [this](std::string& path) { return SaveDesiredResponseTo(path); }},
        {CSaveFilesChoice::kFilterCoefficients, &m_CoefficientFile,
         [this](std::string& path)
         {
             m_App.UpdateFiltersFromGrids();
             return !CollectGridFilters() || SaveFilterCoefficientsTo(path);
         }},
        {CSaveFilesChoice::kModifiedResponse, &m_ModifiedRawFile,
         [this](std::string& path)
         { return !IsModifiedCurveShown() || SaveShownResponse(path, true); }},
        {CSaveFilesChoice::kFilterParameters, &m_ParameterFile,
         [this](std::string& path) { return SaveFilterParametersTo(path); }},
        {CSaveFilesChoice::kMasterPoints, &m_MasterPointFile,
         [this](std::string& path)
         { return !m_App.MasterPointGrids() || SaveMasterPointsTo(path, path.empty()); }},
        {CSaveFilesChoice::kDeviceData, nullptr, device(0)},
        {CSaveFilesChoice::kOtherDeviceData, nullptr, device(1)},
    };
    for (const CExitSave& save : saves)
    {
        const CSaveFilesChoice::CFile& file = choice.files[save.file];
        if (!file.bSave)
            continue;
        // A file that is not saved keeps the document open, its record as it was.
        std::string path = file.name;
        if (!save.save(path))
            return false;
        if (save.pRecord)
        {
            save.pRecord->SetName(path);
            save.pRecord->m_ChangedMode.TurnOff();
        }
    }
    return true;
}
