// File > Open Device Program Data File as the program runs it: the device-data commands of
// a speaker document (CDeviceDataCommands) with the selected device, the file dialog
// answering a file of the fuzzed bytes and the data editor accepting what it is shown.
// The QZX2201/QZX2202 open goes through the document's data session, the QZX2410/QZX6060
// open through the family manager.
//
// A refused file leaves the lines, the data file name and the modes of both holders as
// they were, with a message naming the file. An accepted file gives its own lines; saved
// (File > Save Device Program Data File) and opened again it gives the lines saved,
// carriage returns inside a line dropped as the writer drops them.
//
// Input: one selector byte (the device), then the file's bytes.
#include "device/DeviceDataCommands.h"
#include "device/DeviceDataText.h"
#include "device/GenericDspHeader.h"
#include "device/QZX2410_Manager.h"
#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace
{
std::string Folder()
{
    static const std::string folder = FuzzFolder("devopen");
    return folder;
}

struct CDevice : IDeviceSelection
{
    EDeviceId GetDeviceId() const override { return id; }
    EDeviceId id = kDeviceQZX2201;
};

struct CAcceptingEditor : IDeviceDataEditor
{
    bool Edit(std::vector<std::string>&) override
    {
        ++shown;
        return true;
    }
    int shown = 0;
};

struct CNoLabel : ILabelDialog
{
    bool AskLabel(std::string&) override { return false; }
};

// What a holder shows of its data.
struct CHolderState
{
    std::vector<std::string> lines;
    std::string name;
    bool opened, generated, filterSection, accepted, saved;
    bool operator==(const CHolderState&) const = default;
};

CHolderState StateOf(const std::vector<std::string>& lines, const CEqFileStatus& status)
{
    return {lines,
            status.GetName(),
            status.m_OpenedFromFileMode.IsOn() != 0,
            status.m_GeneratedMode.IsOn() != 0,
            status.m_HasFilterSectionMode.IsOn() != 0,
            status.m_AcceptedMode.IsOn() != 0,
            status.m_SavedMode.IsOn() != 0};
}

// The lines as the writer puts them out and the reader takes them back: no carriage
// return but the one before each line feed.
std::vector<std::string> AsWritten(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        for (char c : line)
            if (c != '\r')
                text += c;
    return SplitDeviceDataText(text);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    SilenceFuzzReports();
    const EDeviceId devices[] = {kDeviceQZX2201, kDeviceQZX2202, kDeviceQZX2410, kDeviceQZX6060};
    CDevice device;
    device.id = devices[data[0] % 4];
    const bool eq = device.id == kDeviceQZX2201 || device.id == kDeviceQZX2202;
    const std::string path = Folder() + "/opened.data";
    WriteFuzzFile(path, data + 1, size - 1);

    CFuzzServices services(Folder());
    CRecordingMessageBox& messages = services.messages;
    CScriptedFileDialogs& dialogs = services.dialogs;
    {
        CHeadlessAppServices app;
        app.Settings().m_strKT47Directory = Folder();
        auto doc = std::make_unique<CMorvaneDoc>(app);
        doc->m_nSamplingFrequency = 48000;
        CAcceptingEditor editor;
        CNoLabel labels;
        CRecordingProcessLauncher launcher;
        const CDeviceServices deviceServices{app.Settings(), device, editor,
                                             [] { return std::string("3/7/26"); }};
        CQZX2410_Manager family(deviceServices);
        family.SetDocument(doc.get());
        GenericDspHeader header;
        CDeviceDataCommands commands(*doc, {deviceServices, labels, launcher}, family, header);

        // Data in hand before the open: a refused file must leave it.
        doc->m_DeviceDataLines = {"! NAME: before.eq\r\n", "4 -6.0 Volume\r\n"};
        doc->m_EqFileStatus.SetName(Folder() + "/before.eq");
        doc->m_EqFileStatus.m_GeneratedMode.TurnOn();
        family.m_DataLines = {"! Channel Number 1\r\n"};
        family.SetDataFileName(Folder() + "/before.EQ241X");
        family.m_FileStatus.m_GeneratedMode.TurnOn();
        const CHolderState eqBefore = StateOf(doc->m_DeviceDataLines, doc->m_EqFileStatus);
        const CHolderState familyBefore = StateOf(family.m_DataLines, family.m_FileStatus);

        dialogs.answers = {path};
        commands.Execute(CDeviceDataCommands::kOpenDeviceData);
        const CHolderState eqAfter = StateOf(doc->m_DeviceDataLines, doc->m_EqFileStatus);
        const CHolderState familyAfter = StateOf(family.m_DataLines, family.m_FileStatus);
        // The other family's holder never changes.
        if ((eq ? familyAfter == familyBefore : eqAfter == eqBefore) == false)
            std::abort();
        const CHolderState& before = eq ? eqBefore : familyBefore;
        const CHolderState& after = eq ? eqAfter : familyAfter;
        const bool refused = !messages.texts.empty();
        if (refused)
        {
            if (!(after == before) || editor.shown != 0 ||
                messages.texts[0].find(path) == std::string::npos)
                std::abort();
        }
        else
        {
            const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
            if (after.lines != SplitDeviceDataText(bytes) || after.name != path ||
                !after.opened || after.generated || editor.shown != 1)
                std::abort();
            // Saved (the QZX6060 saves as: the dialog answers the same path) and opened
            // again: the lines saved.
            dialogs.answers.push_back(path);
            commands.Execute(CDeviceDataCommands::kSaveDeviceData);
            const std::vector<std::string> saved = eq ? doc->m_DeviceDataLines : family.m_DataLines;
            if (!messages.texts.empty())
                std::abort();
            dialogs.answers.push_back(path);
            commands.Execute(CDeviceDataCommands::kOpenDeviceData);
            const std::vector<std::string>& again = eq ? doc->m_DeviceDataLines : family.m_DataLines;
            if (!messages.texts.empty() || again != AsWritten(saved))
                std::abort();
        }
    }
    return 0;
}
