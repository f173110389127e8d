// The speaker document's device-data commands, as display-free logic the shell dispatches
// to: opening, saving, editing and generating the device program data, starting the KT47
// tool, reading device data back into the filter grids, writing the grids back into the
// data, an additive restart from its register lines, the loudness data files and the DSP
// header. Each command first asks the selected device: the QZX2201/QZX2202 work on the
// document's own ".eq" lines, the QZX2410/QZX6060 go to the family manager, the DSP
// target has its header commands; the enable rules follow the same split.
//
// Messages and file dialogs go through the framework's services; the rest through the
// interfaces given. Nothing fails quietly: a file that cannot be read or written, a tool
// that cannot be started, filters left out and words limited are reported. Filters whose
// coefficients are not finite numbers refuse the whole text or header they would go into,
// which then stays as it was.
#pragma once

#include "device/DeviceServices.h"
#include "device/KT47Launcher.h"
#include "document/SaveFilesChoice.h"

#include <string>
#include <vector>

class CMorvaneDoc;
class CQZX2410_Manager;
class GenericDspHeader;
struct CCommandState;
struct CFilterBlock;

struct CDeviceCommandServices
{
    CDeviceServices device;
    ILabelDialog& labelDialog;
    IProcessLauncher& launcher;
    ILoudnessLineMerger* pQZX2202Loudness = nullptr; // merges registers 21/22
    ILoudnessFileSaver* pFamilyLoudness = nullptr;   // ".LD241X", ".LD606X"
};

class CDeviceDataCommands : public IDeviceDataFiles
{
public:
    enum ECommand : int
    {
        kOpenDeviceData = 32863,
        kSaveDeviceData = 32864,
        kSaveAsDeviceData = 32865,
        kRunKT47Program = 32866,
        kEditDeviceData = 32867,
        kGenerateDeviceData = 32869,
        kAddDeviceDataToGrid = 32880,
        kReplaceGridWithDeviceData = 32881,
        kReplaceDeviceDataWithGrid = 32882,
        kAdditiveRestartFromDeviceData = 32883,
        kDspGenerateHeaderFile = 32910,
        kDspEditHeaderFile = 32911,
        kDspSaveAsHeaderFile = 32912,
        kSaveAsLoudnessData = 32931,
    };

    CDeviceDataCommands(CMorvaneDoc& doc, const CDeviceCommandServices& services,
                        CQZX2410_Manager& family, GenericDspHeader& header);

    // Runs the command; false when id is none of the commands above.
    bool Execute(int id);
    // Enabled state of the command (never checked); disabled for an unknown id.
    CCommandState GetCommandState(int id) const;

    void OnFileOpenDeviceData();
    // Writes to the data file's full path (asks like Save As when it has no folder, and for
    // family data not read from a file).
    void OnFileSaveDeviceData();
    // True when the data was written.
    bool OnFileSaveAsDeviceData();
    // Saves unsaved data first (Save As); a cancelled or failed save starts nothing.
    void OnRunKT47Program();
    // The lines in hand in the editor (generated first when there are none yet).
    void OnEditDeviceData();
    // Generates the lines from the grids and shows them in the editor.
    void OnEditGenerateDeviceData();
    void OnFileSaveAsLoudnessData();
    void OnEditAddDeviceDataToGrid();
    void OnReplaceGridWithDeviceData();
    // The grids' filters in place of the data's filter block, every other line kept, then
    // the editor: OK takes the lines, Cancel leaves the data and its modes as they were.
    void OnReplaceDeviceDataWithGrid();
    void OnAdditiveRestartFromDeviceData();
    void OnDspGenerateHeaderFile();
    void OnDspEditHeaderFile();
    void OnDspSaveAsHeaderFile();

    bool IsQZX2201Or2202Device() const;
    bool IsFamilyDevice() const;

    // IDeviceDataFiles: the ".eq" lines and the family's data as closing saves them, each
    // to the full path given (a path without a folder asks for one).
    bool GetSelectedHolder(EHolder& holder) const override;
    bool IsUnsaved(EHolder holder) const override;
    bool HasData(EHolder holder) const override;
    std::string GetFileName(EHolder holder) const override;
    bool SaveTo(EHolder holder, const std::string& path) override;

private:
    // The editor on the ".eq" lines: regenerated from the grids first when asked to or
    // when there are no lines yet, and with the QZX2202 loudness lines merged. True on OK.
    bool EditDeviceDataLines(bool bRegenerate);
    // Writes to name; asks first when bAsk or when name has no folder.
    bool SaveEqLines(bool bAsk, const std::string& name);
    // The grids' filters in place of the ".eq" lines' filter block, then the editor; true
    // on OK. A refused block changes nothing; after Cancel the caller puts the data back.
    bool ReplaceEqFilterBlock();
    // The grids' filter block (empty while the filter editor has never been opened).
    CFilterBlock CollectFilterBlock();
    int GetRegisterCount() const;
    // The "!#" lines of the selected device's data.
    std::vector<std::string> GatherParameterLines() const;
    void ParameterLinesToGrid();
    // A device with data to read back, and no calculation running.
    bool CanReadBack() const;
    bool HasEqFilterSection() const;
    bool HasEqLines() const;
    void ShowMessages(const std::vector<std::string>& texts) const;
    // True, with a message naming the filters and saying what, when nonFinite names any:
    // those filters cannot be designed, and the command writes nothing.
    bool RefusesNonFinite(const std::vector<std::string>& nonFinite, const char* what) const;

    CMorvaneDoc& m_Doc;
    CDeviceCommandServices m_Services;
    CQZX2410_Manager& m_Family;
    GenericDspHeader& m_Header;
};
