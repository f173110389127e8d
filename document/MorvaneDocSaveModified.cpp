// Closing the speaker document, or opening another raw response into it: every companion
// file with unsaved content is offered in one question, and what the user ticks is saved,
// each file under the full name the question shows. The document closes (or takes the
// other response) only when every ticked file was saved; a ticked file with nothing to
// write into it is not written, and is named to the user instead.
#include "document/DocumentStrings.h"
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

unsigned CMorvaneDoc::WhyNothingToWrite(CSaveFilesChoice::EFile file) const
{
    switch (file)
    {
    case CSaveFilesChoice::kRawResponse:
        return m_RawFile.IsOff() || !m_pResponseView ? unsigned(IDS_NO_RAW_RESPONSE) : 0u;
    case CSaveFilesChoice::kDesiredResponse:
        return m_DesiredCurveFile.IsOff() ? unsigned(IDS_NO_DESIRED_CURVES) : 0u;
    case CSaveFilesChoice::kModifiedResponse:
        return IsModifiedCurveShown() ? 0u : unsigned(IDS_NO_MODIFIED_CURVE);
    case CSaveFilesChoice::kMasterPoints:
        return m_App.MasterPointGrids() ? 0u : unsigned(IDS_NO_MASTER_POINTS);
    default:
        return 0;
    }
}

bool CMorvaneDoc::SaveChosenFiles(const CSaveFilesChoice& choice, const CExitDeviceRows& devices)
{
    // Why nothing would be written (a text id), or 0; the file's saver runs right after.
    using CCheck = std::function<unsigned()>;
    using CSaver = std::function<bool(std::string & path)>;
    // The filters whose sections are no numbers, as the coefficients' check found them.
    std::vector<std::string> nonFinite;
    const auto content = [this](EFile file) -> CCheck
    { return [this, file] { return WhyNothingToWrite(file); }; };
    const auto deviceData = [this, &devices](std::size_t i) -> CCheck
    {
        return [this, &devices, i]() -> unsigned
        {
            const IDeviceDataFiles* pDevices = m_App.DeviceDataFiles();
            if (!pDevices || i >= devices.size())
                return i == 0 ? IDS_NO_DEVICE_DATA_HOLDER : IDS_NO_OTHER_DEVICE_DATA;
            return pDevices->HasData(devices[i]) ? 0u : unsigned(IDS_NO_DEVICE_DATA);
        };
    };
    const auto saveDeviceData = [this, &devices](std::size_t i) -> CSaver
    {
        return [this, &devices, i](std::string& path)
        {
            IDeviceDataFiles* pDevices = m_App.DeviceDataFiles();
            return pDevices && i < devices.size() && pDevices->SaveTo(devices[i], path);
        };
    };
    struct CExitSave
    {
        EFile file;
        CFileRecord* pRecord; // null: the device data keeps its own name
        CCheck nothing;
        CSaver save;
    };
    // In this order; each file goes to the full name the question shows.
    const CExitSave saves[] = {
        {CSaveFilesChoice::kRawResponse, &m_RawFile, content(CSaveFilesChoice::kRawResponse),
         [this](std::string& path) { return SaveRawResponseTo(path); }},
        {CSaveFilesChoice::kDesiredResponse, &m_DesiredCurveFile,
         content(CSaveFilesChoice::kDesiredResponse),
         [this](std::string& path) { return SaveDesiredResponseTo(path); }},
        {CSaveFilesChoice::kFilterCoefficients, &m_CoefficientFile,
         [this, &nonFinite] { return CollectCoefficientsToWrite(nonFinite); },
         [this, &nonFinite](std::string& path) { return WriteCoefficientsTo(path, nonFinite); }},
        {CSaveFilesChoice::kModifiedResponse, &m_ModifiedRawFile,
         content(CSaveFilesChoice::kModifiedResponse),
         [this](std::string& path) { return SaveShownResponse(path, true); }},
        // No filter is nothing to write: an older file keeps its filters.
        {CSaveFilesChoice::kFilterParameters, &m_ParameterFile,
         [this] { return CollectParametersToWrite(); },
         [this](std::string& path) { return SaveFilterParametersTo(path); }},
        {CSaveFilesChoice::kMasterPoints, &m_MasterPointFile,
         content(CSaveFilesChoice::kMasterPoints),
         [this](std::string& path) { return SaveMasterPointsTo(path, path.empty()); }},
        {CSaveFilesChoice::kDeviceData, nullptr, deviceData(0), saveDeviceData(0)},
        {CSaveFilesChoice::kOtherDeviceData, nullptr, deviceData(1), saveDeviceData(1)},
    };
    CUnwrittenFiles unwritten;
    bool bSaved = true;
    for (const CExitSave& save : saves)
    {
        const CSaveFilesChoice::CFile& file = choice.files[save.file];
        if (!file.bSave)
            continue;
        // An older file of the name keeps what it held rather than be emptied, and the
        // record stays as it was; the user is told below.
        if (const unsigned nothing = save.nothing())
        {
            unwritten.push_back({file.name, save.file, nothing});
            continue;
        }
        // A file that is not saved keeps the document open, its record as it was.
        std::string path = file.name;
        if (!save.save(path))
        {
            bSaved = false;
            break;
        }
        if (save.pRecord)
        {
            save.pRecord->SetName(path);
            save.pRecord->m_ChangedMode.TurnOff();
        }
    }
    // After the saving, also when a failure ended it, and before the document closes:
    // the close goes on only once the user has read it.
    ReportUnwrittenFiles(unwritten);
    return bSaved;
}
