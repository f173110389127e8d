#include "device/DeviceDataCommands.h"

#include "device/DeviceDataReadBack.h"
#include "device/DeviceDataRestart.h"
#include "device/DeviceDataSession.h"
#include "device/DeviceTextFile.h"
#include "device/EqFile.h"
#include "device/FilterBlock.h"
#include "device/GenericDspHeader.h"
#include "device/QZX2410_Manager.h"
#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "filters/FilterDesignCheck.h"
#include "framework/core/Services.h"
#include "graph/Convert.h"
#include "graph/ResourceString.h"

namespace
{
constexpr unsigned kEqExtensionId = 224;
constexpr unsigned kEqFilterId = 225;
constexpr unsigned kEqOpenNameId = 226;
constexpr unsigned kHeaderExtensionId = 263;
constexpr unsigned kHeaderFilterId = 264;
const char kDspEditorCaption[] = "Edit DSP Data";
// What the user keeps when a filter's coefficients refuse the header.
const char kHeaderKept[] = "The DSP header was left as it was";

bool HasFolder(const std::string& path)
{
    return path.find_first_of("/\\") != std::string::npos;
}

std::vector<double> ColumnValues(const mwMatrix& m)
{
    std::vector<double> values(std::size_t(m.NumberOfElements()));
    if (!values.empty())
        m.CopyRealTo(values.data());
    return values;
}
} // namespace

CDeviceDataCommands::CDeviceDataCommands(CMorvaneDoc& doc, const CDeviceCommandServices& services,
                                         CQZX2410_Manager& family, GenericDspHeader& header)
    : m_Doc(doc), m_Services(services), m_Family(family), m_Header(header)
{
}

bool CDeviceDataCommands::IsQZX2201Or2202Device() const
{
    const EDeviceId id = m_Services.device.device.GetDeviceId();
    return id == kDeviceQZX2201 || id == kDeviceQZX2202;
}

bool CDeviceDataCommands::IsFamilyDevice() const
{
    const EDeviceId id = m_Services.device.device.GetDeviceId();
    return id == kDeviceQZX2410 || id == kDeviceQZX6060;
}

int CDeviceDataCommands::GetRegisterCount() const
{
    return RegisterCountOf(m_Services.device.device.GetDeviceId() == kDeviceQZX2202);
}

bool CDeviceDataCommands::HasEqLines() const
{
    const CEqFileStatus& status = m_Doc.m_EqFileStatus;
    return status.m_GeneratedMode.IsOn() || status.m_OpenedFromFileMode.IsOn();
}

bool CDeviceDataCommands::HasEqFilterSection() const
{
    const CEqFileStatus& status = m_Doc.m_EqFileStatus;
    return status.m_GeneratedMode.IsOn() ||
           (status.m_OpenedFromFileMode.IsOn() && status.m_HasFilterSectionMode.IsOn());
}

void CDeviceDataCommands::ShowMessages(const std::vector<std::string>& texts) const
{
    if (texts.empty())
        return;
    std::string text;
    for (const std::string& t : texts)
        text += (text.empty() ? "" : "\n") + t;
    Services::MessageBox().Show(text);
}

bool CDeviceDataCommands::RefusesNonFinite(const std::vector<std::string>& nonFinite,
                                           const char* what) const
{
    if (nonFinite.empty())
        return false;
    Services::MessageBox().Show(UndesignableFiltersMessage(what, nonFinite));
    return true;
}

bool CDeviceDataCommands::Execute(int id)
{
    struct CEntry
    {
        int id;
        void (CDeviceDataCommands::*handler)();
    };
    static const CEntry kCommands[] = {
        {kOpenDeviceData, &CDeviceDataCommands::OnFileOpenDeviceData},
        {kSaveDeviceData, &CDeviceDataCommands::OnFileSaveDeviceData},
        {kRunKT47Program, &CDeviceDataCommands::OnRunKT47Program},
        {kEditDeviceData, &CDeviceDataCommands::OnEditDeviceData},
        {kGenerateDeviceData, &CDeviceDataCommands::OnEditGenerateDeviceData},
        {kAddDeviceDataToGrid, &CDeviceDataCommands::OnEditAddDeviceDataToGrid},
        {kReplaceGridWithDeviceData, &CDeviceDataCommands::OnReplaceGridWithDeviceData},
        {kReplaceDeviceDataWithGrid, &CDeviceDataCommands::OnReplaceDeviceDataWithGrid},
        {kAdditiveRestartFromDeviceData, &CDeviceDataCommands::OnAdditiveRestartFromDeviceData},
        {kDspGenerateHeaderFile, &CDeviceDataCommands::OnDspGenerateHeaderFile},
        {kDspEditHeaderFile, &CDeviceDataCommands::OnDspEditHeaderFile},
        {kDspSaveAsHeaderFile, &CDeviceDataCommands::OnDspSaveAsHeaderFile},
        {kSaveAsLoudnessData, &CDeviceDataCommands::OnFileSaveAsLoudnessData},
    };
    if (id == kSaveAsDeviceData)
    {
        OnFileSaveAsDeviceData();
        return true;
    }
    for (const CEntry& entry : kCommands)
        if (entry.id == id)
        {
            (this->*entry.handler)();
            return true;
        }
    return false;
}

CCommandState CDeviceDataCommands::GetCommandState(int id) const
{
    const bool eq = IsQZX2201Or2202Device();
    const bool family = IsFamilyDevice();
    const bool grid = m_Doc.m_FiltersInGridMode.IsOn();
    const bool opened = m_Doc.m_EqFileStatus.m_OpenedFromFileMode.IsOn();
    const bool dsp = m_Services.device.device.GetDeviceId() == kDeviceDsp;
    const bool readBack = eq ? HasEqFilterSection() : family && m_Family.HasFilterParameters();
    const bool data = eq ? HasEqLines() : family && m_Family.HasDeviceData();
    // The filter lists and the response curves stay as they are while a calculation runs.
    const bool calculating = m_Doc.IsCalculationCommandActive();
    CCommandState state;
    switch (id)
    {
    case kOpenDeviceData:
        state.bEnabled = true;
        break;
    case kSaveAsLoudnessData:
        // The loudness files are the QZX2410's and the QZX6060's: with another device the
        // command would do nothing.
        state.bEnabled = family && m_Services.pFamilyLoudness;
        break;
    case kSaveDeviceData:
    case kSaveAsDeviceData:
        state.bEnabled = eq ? grid || opened : family && (grid || m_Family.IsDeviceDataFromFile());
        break;
    case kRunKT47Program:
        state.bEnabled = data;
        break;
    case kAdditiveRestartFromDeviceData:
        state.bEnabled = data && !calculating;
        break;
    case kEditDeviceData:
        state.bEnabled = (eq || family) && (grid || data);
        break;
    case kGenerateDeviceData:
        state.bEnabled = grid;
        break;
    case kAddDeviceDataToGrid:
    case kReplaceGridWithDeviceData:
        state.bEnabled = readBack && !calculating;
        break;
    case kReplaceDeviceDataWithGrid:
        state.bEnabled = grid && readBack;
        break;
    case kDspGenerateHeaderFile:
        state.bEnabled = dsp;
        break;
    case kDspEditHeaderFile:
    case kDspSaveAsHeaderFile:
        state.bEnabled = dsp && m_Header.m_GeneratedMode.IsOn();
        break;
    default:
        break;
    }
    return state;
}

CFilterBlock CDeviceDataCommands::CollectFilterBlock()
{
    CFilterBlock block;
    if (m_Doc.App().UpdateFiltersFromGrids())
        ::CollectFilterBlock(m_Doc.m_FilterLists, block);
    return block;
}

bool CDeviceDataCommands::EditDeviceDataLines(bool bRegenerate)
{
    CEqFileStatus& status = m_Doc.m_EqFileStatus;
    if ((bRegenerate || !HasEqLines()) && m_Doc.m_FiltersInGridMode.IsOn())
    {
        const CFilterBlock block = CollectFilterBlock();
        if (RefusesNonFinite(block.nonFinite, kDeviceDataKept))
            return false;
        const CDeviceDataHeader header{FileNameFromPath(status.GetName()),
                                       m_Services.device.today(), m_Doc.m_nSamplingFrequency};
        std::vector<std::string> warnings;
        GenerateDeviceDataLines(m_Doc.m_DeviceDataLines, header, block, GetRegisterCount(),
                                warnings);
        // Generated from the grids: neither opened, accepted nor saved.
        status.Reset();
        status.m_GeneratedMode.TurnOn();
        status.m_HasFilterSectionMode.TurnOn();
        // Before the editor: the warnings name what the text leaves out.
        ShowMessages(warnings);
    }
    if (m_Services.pQZX2202Loudness)
        m_Services.pQZX2202Loudness->MergeIntoDataFile(m_Doc.m_DeviceDataLines);
    CDeviceDataSession session(m_Doc.m_DeviceDataLines, status, m_Doc.m_nSamplingFrequency);
    return session.ShowEditor(m_Services.device.editor);
}

void CDeviceDataCommands::OnFileOpenDeviceData()
{
    if (IsFamilyDevice())
    {
        m_Family.OpenDeviceData();
        return;
    }
    if (!IsQZX2201Or2202Device())
        return;
    std::string path;
    if (!AskDeviceFilePath(false, CResourceString(kEqExtensionId), CResourceString(kEqFilterId),
                           CResourceString(kEqOpenNameId),
                           m_Services.device.settings.m_strKT47Directory, path))
        return;
    CDeviceDataSession session(m_Doc.m_DeviceDataLines, m_Doc.m_EqFileStatus,
                               m_Doc.m_nSamplingFrequency);
    std::string error;
    if (!session.Open(path, m_Services.device.editor, error, m_Services.pQZX2202Loudness))
        Services::MessageBox().Show(error);
}

bool CDeviceDataCommands::SaveEqLines(bool bAsk, const std::string& name)
{
    CEqFileStatus& status = m_Doc.m_EqFileStatus;
    // Lines generated and never accepted are no more than the grids' filters when they were
    // generated (a cancelled editor kept them): they are generated again from the filters
    // the grids hold now.
    if (status.m_AcceptedMode.IsOff() && !EditDeviceDataLines(status.m_GeneratedMode.IsOn()))
        return false;
    std::string path = name;
    const std::string bareName = FileNameFromPath(path);
    bAsk = bAsk || !HasFolder(path);
    if (bAsk)
    {
        path.clear();
        if (!AskDeviceFilePath(true, CResourceString(kEqExtensionId), CResourceString(kEqFilterId),
                               bareName, m_Services.device.settings.m_strKT47Directory, path))
            return false;
    }
    CDeviceDataSession session(m_Doc.m_DeviceDataLines, status, m_Doc.m_nSamplingFrequency);
    std::string error;
    if (!session.Save(path, bAsk ? path : bareName, m_Services.device.today(),
                      m_Services.device.editor, error))
    {
        Services::MessageBox().Show(error);
        return false;
    }
    status.SetName(path);
    return true;
}

void CDeviceDataCommands::OnFileSaveDeviceData()
{
    if (IsFamilyDevice())
    {
        // Lines not read from a file have no file to go back to: they are saved as.
        if (m_Services.device.device.GetDeviceId() == kDeviceQZX2410 &&
            m_Family.IsDeviceDataFromFile())
            m_Family.SaveDeviceData();
        else
            m_Family.SaveAsDeviceData();
        return;
    }
    const CEqFileStatus& status = m_Doc.m_EqFileStatus;
    if (IsQZX2201Or2202Device() &&
        (status.m_OpenedFromFileMode.IsOn() || m_Doc.m_FiltersInGridMode.IsOn()))
        SaveEqLines(false, status.GetName());
}

bool CDeviceDataCommands::OnFileSaveAsDeviceData()
{
    if (IsFamilyDevice())
        return m_Family.SaveAsDeviceData();
    return IsQZX2201Or2202Device() && SaveEqLines(true, m_Doc.m_EqFileStatus.GetName());
}

void CDeviceDataCommands::OnRunKT47Program()
{
    const bool saved = IsFamilyDevice()          ? m_Family.IsDeviceDataSaved()
                       : IsQZX2201Or2202Device() ? m_Doc.m_EqFileStatus.m_SavedMode.IsOn()
                                                 : true;
    if (!saved && !OnFileSaveAsDeviceData())
        return;
    std::string error;
    if (!StartKT47Tool(m_Services.launcher, m_Services.device.settings.m_strKT47Directory, error))
        Services::MessageBox().Show(error);
}

void CDeviceDataCommands::OnEditDeviceData()
{
    if (IsFamilyDevice())
        m_Family.EditDeviceData(false);
    else if (IsQZX2201Or2202Device())
        EditDeviceDataLines(false);
}

void CDeviceDataCommands::OnEditGenerateDeviceData()
{
    if (IsFamilyDevice())
        m_Family.EditDeviceData(true);
    else if (IsQZX2201Or2202Device())
        EditDeviceDataLines(true); // generating resets the state; a refusal keeps it
}

void CDeviceDataCommands::OnFileSaveAsLoudnessData()
{
    ILoudnessFileSaver* saver = m_Services.pFamilyLoudness;
    const EDeviceId id = m_Services.device.device.GetDeviceId();
    if (saver && id == kDeviceQZX2410)
        saver->SaveAsLD241X();
    else if (saver && id == kDeviceQZX6060)
        saver->SaveAsLD606X();
}

std::vector<std::string> CDeviceDataCommands::GatherParameterLines() const
{
    std::vector<std::string> lines;
    if (IsFamilyDevice())
        m_Family.GetCommentLines(lines);
    else if (IsQZX2201Or2202Device())
        for (const std::string& line : m_Doc.m_DeviceDataLines)
            if (line.find("!#") != std::string::npos)
                lines.push_back(line);
    return lines;
}

bool CDeviceDataCommands::CanReadBack() const
{
    return (IsQZX2201Or2202Device() || IsFamilyDevice()) && !m_Doc.IsCalculationCommandActive();
}

void CDeviceDataCommands::ParameterLinesToGrid()
{
    std::vector<std::string> refused;
    ParameterLinesToFilters(GatherParameterLines(), m_Doc.m_FilterLists, m_Doc.m_nSamplingFrequency,
                            &refused);
    ShowMessages(refused);
    m_Doc.m_ParameterFile.m_ChangedMode.TurnOn();
    // Every page shows the new lists before the editor is shown, so that no page writes
    // what it showed before over them.
    m_Doc.App().ReloadFilterGrids();
    m_Doc.App().OpenFilterEditor();
}

void CDeviceDataCommands::OnEditAddDeviceDataToGrid()
{
    if (CanReadBack())
        ParameterLinesToGrid();
}

void CDeviceDataCommands::OnReplaceGridWithDeviceData()
{
    if (!CanReadBack())
        return;
    m_Doc.m_FilterLists.RemoveAll();
    ParameterLinesToGrid();
    m_Doc.m_FiltersInGridMode.TurnOn();
}

void CDeviceDataCommands::OnReplaceDeviceDataWithGrid()
{
    const bool family = IsFamilyDevice();
    if (!family && !IsQZX2201Or2202Device())
        return;
    std::vector<std::string>& lines = family ? m_Family.m_DataLines : m_Doc.m_DeviceDataLines;
    CEqFileStatus& status = family ? m_Family.m_FileStatus : m_Doc.m_EqFileStatus;
    // Cancel in the editor leaves the data as it was before the command, its modes too:
    // rewritten lines left unaccepted would be generated anew from the grids by the next
    // save, header and fixed settings of an opened file with them.
    const std::vector<std::string> linesBefore = lines;
    const CEqFileStatus statusBefore = status;
    const bool accepted = family ? m_Family.ReplaceFilterBlock() && m_Family.EditDeviceData(false)
                                 : ReplaceEqFilterBlock();
    if (!accepted)
    {
        lines = linesBefore;
        status = statusBefore;
    }
}

bool CDeviceDataCommands::ReplaceEqFilterBlock()
{
    CEqFileStatus& status = m_Doc.m_EqFileStatus;
    const CFilterBlock block = CollectFilterBlock();
    if (RefusesNonFinite(block.nonFinite, kDeviceDataKept))
        return false;
    std::vector<std::string> warnings;
    ReplaceFilterBlockInPlace(m_Doc.m_DeviceDataLines, block, GetRegisterCount(), warnings);
    status.m_AcceptedMode.TurnOff();
    status.m_OpenedFromFileMode.TurnOff();
    status.m_GeneratedMode.TurnOn();
    status.m_HasFilterSectionMode.TurnOn();
    ShowMessages(warnings);
    CDeviceDataSession session(m_Doc.m_DeviceDataLines, status, m_Doc.m_nSamplingFrequency);
    return session.ShowEditor(m_Services.device.editor);
}

void CDeviceDataCommands::OnAdditiveRestartFromDeviceData()
{
    CMatrixPtrArray listA, listB;
    std::vector<std::string> refused;
    if (IsFamilyDevice())
        m_Family.ImportCoefficients(listA, listB, &refused);
    else if (IsQZX2201Or2202Device())
        CollectCoefficientLines(m_Doc.m_DeviceDataLines, GetRegisterCount(), listA, listB,
                                &refused);
    ShowMessages(refused);
    RestartFromDeviceCoefficients(m_Doc, listA, listB);
}

void CDeviceDataCommands::OnDspGenerateHeaderFile()
{
    CDspHeaderData data;
    if (m_Doc.App().UpdateFiltersFromGrids())
        CollectHeaderData(m_Doc.m_FilterLists, m_Header.GetMaxSections(), data);
    // Refused before the label is asked for: no header would take it.
    if (RefusesNonFinite(data.nonFinite, kHeaderKept))
        return;
    m_Services.labelDialog.AskLabel(m_Header.m_strUserLabel);
    // On a scratch response: the measured response stays as it is.
    const double gain = HeaderGain(data.listA, data.listB, ColumnValues(m_Doc.m_RawFrequencies),
                                   m_Doc.m_nSamplingFrequency);
    m_Header.Generate(data, gain);
    ShowMessages(data.warnings);
    m_Services.device.editor.EditCaptioned(m_Header.m_HeaderLines, kDspEditorCaption);
}

void CDeviceDataCommands::OnDspEditHeaderFile()
{
    m_Services.device.editor.EditCaptioned(m_Header.m_HeaderLines, kDspEditorCaption);
}

void CDeviceDataCommands::OnDspSaveAsHeaderFile()
{
    std::string folder = Services::WorkingDirectory().Get();
    std::string path;
    if (!AskDeviceFilePath(true, CResourceString(kHeaderExtensionId),
                           CResourceString(kHeaderFilterId), {}, folder, path))
        return;
    Services::WorkingDirectory().Set(folder);
    std::string error;
    if (!CEqFile::WriteLines(path, m_Header.m_HeaderLines, error))
        Services::MessageBox().Show(error);
}

bool CDeviceDataCommands::GetSelectedHolder(EHolder& holder) const
{
    if (IsFamilyDevice())
        holder = kFamilyData;
    else if (IsQZX2201Or2202Device())
        holder = kEqData;
    else
        return false;
    return true;
}

bool CDeviceDataCommands::IsUnsaved(EHolder holder) const
{
    if (holder == kFamilyData)
        return m_Family.HasDeviceData() && !m_Family.IsDeviceDataSaved();
    const CEqFileStatus& status = m_Doc.m_EqFileStatus;
    return status.m_SavedMode.IsOff() &&
           (status.m_GeneratedMode.IsOn() || status.m_AcceptedMode.IsOn());
}

bool CDeviceDataCommands::HasData(EHolder holder) const
{
    // Lines typed into an empty editor count as much as generated or opened ones.
    if (holder == kFamilyData)
        return !m_Family.m_DataLines.empty() || m_Family.GridHasFilters();
    return !m_Doc.m_DeviceDataLines.empty() || m_Doc.m_FiltersInGridMode.IsOn();
}

std::string CDeviceDataCommands::GetFileName(EHolder holder) const
{
    return holder == kFamilyData ? m_Family.GetDataFileName() : m_Doc.m_EqFileStatus.GetName();
}

bool CDeviceDataCommands::SaveTo(EHolder holder, const std::string& path)
{
    return holder == kFamilyData ? m_Family.SaveDeviceDataTo(path) : SaveEqLines(false, path);
}
