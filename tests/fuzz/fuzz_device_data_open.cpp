// File > Open Device Program Data File as the program runs it: the device-data commands of
// a speaker document (CDeviceDataCommands) with the selected device, the file dialog
// answering a file of the fuzzed bytes and the data editor accepting what it is shown.
// The QZX2201/QZX2202 open goes through the document's data session, the QZX2410/QZX6060
// open through the family manager.
//
// A refused file leaves the lines, the data file name and the modes of both holders as
// they were, with a message naming the file. An accepted file gives its own lines; every
// word of its register lines is hexadecimal digits of the chip's word (one to six for the
// QZX2201/QZX2202; the 28-bit word sign-filled, in register lines and in the entries' word
// lines, for the QZX2410/QZX6060), the register lines are all read back, and every filter
// of its "!#" lines is read back with finite parameters. Its lines are of the one form
// every holder keeps (each ends in CR LF and holds no other carriage return or line feed);
// saved (File > Save Device Program Data File) and opened again it gives the lines saved,
// and they mean the same: the same filters and the same register words read back.
//
// Input: one selector byte (the device), then the file's bytes.
#include "device/DeviceDataCommands.h"
#include "device/DeviceDataReadBack.h"
#include "device/DeviceDataRecognition.h"
#include "device/DeviceDataText.h"
#include "device/GenericDspHeader.h"
#include "device/QZX2410_Manager.h"
#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "filters/FilterLists.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <cstdio>
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

bool IsHexDigits(const std::string& text, std::size_t maxDigits)
{
    return !text.empty() && text.size() <= maxDigits &&
           text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

// The QZX2201/QZX2202 register lines, as the read-back finds them.
bool BeginsWithEqRegisterName(const std::string& line)
{
    for (const char* name : {"0A", "0B", "0C", "0D", "0E", "0F", "10", "13", "14", "15", "16", "17",
                             "18", "19", "21", "22"})
        if (line.compare(0, 2, name) == 0)
            return true;
    return false;
}

// A QZX2410/QZX6060 word: the 28-bit word sign-filled, as eight digits, or fewer.
bool IsFamilyWord(const std::string& digits)
{
    if (!IsHexDigits(digits, 8))
        return false;
    const unsigned long value = std::strtoul(digits.c_str(), nullptr, 16);
    return digits.size() < 8 || value <= 0x07FFFFFFul || value >= 0xF8000000ul;
}

// The text lines without line ends or carriage returns.
std::vector<std::string> TextLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> text;
    for (const std::string& line : SplitDeviceDataText(JoinDeviceDataLines(lines)))
    {
        std::string plain;
        for (char c : line)
            if (c != '\r' && c != '\n')
                plain += c;
        text.push_back(plain);
    }
    return text;
}

// What an accepted text holds: words of the chip, register lines and parameter lines that
// all read back, the parameters finite.
bool HoldsOnlyWordsAndNumbers(const std::vector<std::string>& lines, bool eq,
                              const CQZX2410_Manager& family)
{
    const std::vector<std::string> text = TextLines(lines);
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const std::string& line = text[i];
        const bool isRegister =
            eq ? BeginsWithEqRegisterName(line) : BeginsWithFamilyRegister(line);
        if (isRegister)
        {
            const std::vector<std::string> fields = SplitRegisterFields(line);
            for (std::size_t w = 1; w <= 5; ++w)
                if (w >= fields.size() ||
                    !(eq ? IsHexDigits(fields[w], 6) : IsFamilyWord(fields[w])))
                    return false;
        }
        // A family entry: five lines of four blank-led pairs of a word.
        if (!eq && line.size() >= 2 && line.size() <= 3 && line[0] == 'Q' &&
            IsHexDigits(line.substr(1), 2))
            for (std::size_t k = i + 1; k <= i + 5; ++k)
            {
                if (k >= text.size() || text[k].size() != 12)
                    return false;
                std::string digits;
                for (std::size_t p = 0; p < 12; p += 3)
                {
                    if (text[k][p] != ' ')
                        return false;
                    digits += text[k].substr(p + 1, 2);
                }
                if (digits.size() != 8 || !IsFamilyWord(digits))
                    return false;
            }
    }
    CMatrixPtrArray listA, listB;
    std::vector<std::string> refused;
    if (eq)
        CollectCoefficientLines(lines, 7, listA, listB, &refused);
    else
        family.ImportCoefficients(listA, listB, &refused);
    std::vector<std::string> parameterLines;
    for (const std::string& line : lines)
        if (line.find("!#") != std::string::npos)
            parameterLines.push_back(line);
    // Every parameter line naming a kind is taken (filters that 48000 Hz cannot design are
    // taken too, as written), and every fixed setting holds a level.
    for (const std::string& line : parameterLines)
        if (!FindParameterLineRefusal(line, 48000).empty())
            return false;
    for (const std::string& line : text)
        if (eq && !FixedSettingFault(line).empty())
            return false;
    CFilterLists filters;
    ParameterLinesToFilters(parameterLines, filters, 48000);
    bool finite = true;
    filters.ForEach(
        [&finite](EFilterKind, auto& list)
        {
            for (int k = 0; k < list.GetSize(); ++k)
                finite = finite && list.GetAt(k)->HasFiniteParameters();
        });
    return refused.empty() && finite;
}

// Each line ends in CR LF and holds no other carriage return or line feed.
bool IsOfTheOneForm(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        if (line.size() < 2 || line.find_first_of("\r\n") != line.size() - 2 ||
            line.compare(line.size() - 2, 2, "\r\n") != 0)
            return false;
    return true;
}

// What the lines mean to the program: the filters of their "!#" lines, read back into
// the grids, as their texts, and the coefficient pairs of their register lines.
std::vector<std::string> Meaning(const std::vector<std::string>& lines, bool eq,
                                 CQZX2410_Manager& family)
{
    std::vector<std::string> parameterLines, meaning;
    for (const std::string& line : lines)
        if (line.find("!#") != std::string::npos)
            parameterLines.push_back(line);
    CFilterLists filters;
    ParameterLinesToFilters(parameterLines, filters, 48000);
    filters.ForEach(
        [&meaning](EFilterKind, auto& list)
        {
            for (int k = 0; k < list.GetSize(); ++k)
            {
                std::string text;
                list.GetAt(k)->FormatLine(text);
                meaning.push_back(text);
            }
        });
    CMatrixPtrArray listA, listB;
    const std::vector<std::string> held = family.m_DataLines;
    family.m_DataLines = lines;
    if (eq)
        CollectCoefficientLines(lines, 7, listA, listB);
    else
        family.ImportCoefficients(listA, listB);
    family.m_DataLines = held;
    for (const CMatrixPtrArray* pList : {&listA, &listB})
        for (int k = 0; k < pList->GetSize(); ++k)
            for (int i = 1; i <= 3; ++i)
            {
                char word[64];
                std::snprintf(word, sizeof word, "%a", pList->GetAt(k).RealElement(i));
                meaning.push_back(word);
            }
    return meaning;
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
            if (after.lines != SplitDeviceDataText(bytes) || !IsOfTheOneForm(after.lines) ||
                after.name != path || !after.opened || after.generated || editor.shown != 1 ||
                !HoldsOnlyWordsAndNumbers(after.lines, eq, family))
                std::abort();
            const std::vector<std::string> opened = Meaning(after.lines, eq, family);
            // Saved (the QZX6060 saves as: the dialog answers the same path) and opened
            // again: the lines saved.
            dialogs.answers.push_back(path);
            commands.Execute(CDeviceDataCommands::kSaveDeviceData);
            const std::vector<std::string> saved = eq ? doc->m_DeviceDataLines : family.m_DataLines;
            if (!messages.texts.empty())
                std::abort();
            dialogs.answers.push_back(path);
            commands.Execute(CDeviceDataCommands::kOpenDeviceData);
            const std::vector<std::string>& again =
                eq ? doc->m_DeviceDataLines : family.m_DataLines;
            if (!messages.texts.empty() || again != saved || Meaning(again, eq, family) != opened)
                std::abort();
        }
    }
    return 0;
}
