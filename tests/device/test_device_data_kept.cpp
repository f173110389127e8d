// What the user has of the device data is what is written: random orders of Open,
// Generate, Replace, Add, Edit, a change in the grids, Save and Save As, with OK and
// Cancel in every editor shown, for both families; the editor's OK and every save take
// only device data the program's own reader opens; and a file opened, saved and opened
// again means the same.
#include "device/DeviceDataCheck.h"
#include "device/DeviceDataCommands.h"
#include "device/DeviceDataRecognition.h"
#include "device/DeviceDataText.h"
#include "device/EqFile.h"
#include "device/GenericDspHeader.h"
#include "device/QZX2410_Manager.h"
#include "document/ResponseCurves.h"

#include "tests/device/DeviceFixture.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>

namespace
{
namespace fs = std::filesystem;
using Cmd = CDeviceDataCommands;

const char kSerialPrefix[] = "! Speaker Serial #    : ";

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The serial line of the lines, where there is one, set to serial: the change a user makes
// in the editor.
void ChangeSerial(std::vector<std::string>& lines, const std::string& serial)
{
    for (std::string& line : lines)
        if (line.rfind(kSerialPrefix, 0) == 0)
            line = kSerialPrefix + serial + (line.back() == '\n' ? "\r\n" : "");
}

// Answers each editor shown with the answer set for the command; OK applies the change of
// the serial line, when one is set. The closing kind: a fault is refused by the caller.
struct CAnsweringEditor : IDeviceDataEditor
{
    bool Edit(std::vector<std::string>& lines) override
    {
        ++calls;
        if (ok && !serial.empty())
            ChangeSerial(lines, serial);
        if (ok && replaceText)
            lines = SplitDeviceDataText(*replaceText);
        return ok;
    }
    bool ok = true;
    std::string serial;                     // "" leaves the lines as shown
    std::optional<std::string> replaceText; // the whole text typed over the lines
    int calls = 0;
};

bool IsEq(EDeviceId id)
{
    return id == kDeviceQZX2201 || id == kDeviceQZX2202;
}

// The text lines outside the filter block, without their line ends, the NAME and date
// lines left out (every save rewrites them).
std::vector<std::string> OutsideTheBlock(const std::vector<std::string>& lines, bool eq)
{
    static const char* const kEqRegisters[] = {"0A ", "0B ", "0C ", "0D ", "0E ", "0F ", "10 ",
                                               "13 ", "14 ", "15 ", "16 ", "17 ", "18 ", "19 "};
    std::vector<std::string> kept;
    for (std::string line : SplitDeviceDataText(JoinDeviceDataLines(lines)))
    {
        line.resize(line.size() - 2);
        bool block = (line.rfind("!# ", 0) == 0 && line != "!# Filter Parameters") ||
                     line.rfind("! NAME:", 0) == 0 || line.rfind("! Date ", 0) == 0;
        if (eq)
            for (const char* name : kEqRegisters)
                block = block || line.rfind(name, 0) == 0;
        else
            block = block || line.rfind("! Channel Number ", 0) == 0 || IsFamilyDataLine(line);
        if (!block)
            kept.push_back(line);
    }
    return kept;
}

// The "!#" lines of the filters, without their line ends.
std::vector<std::string> ParameterLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> found;
    for (std::string line : SplitDeviceDataText(JoinDeviceDataLines(lines)))
        if (line.rfind("!# ", 0) == 0 && line != "!# Filter Parameters\r\n")
            found.push_back(line.substr(0, line.size() - 2));
    return found;
}

// A stored file of the family with a serial and a volume the user set, or a line of
// their own after the filters.
std::string StoredFile(bool eq)
{
    std::vector<std::string> lines =
        SplitDeviceDataText(ReadFile(eq ? "qzx2202.eq" : "speaker.EQ241X"));
    ChangeSerial(lines, "42");
    if (eq)
    {
        for (std::string& line : lines)
            if (line == "4 -6.0 Volume\r\n")
                line = "4 -10.0 Volume\r\n";
    }
    else
        lines.push_back("! Installed in cabinet 7\r\n");
    return JoinDeviceDataLines(lines);
}

class KeptTest : public DeviceTest
{
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        ASSERT_TRUE(doc->CreateDefaultResponse());
        family = std::make_unique<CQZX2410_Manager>(
            CDeviceServices{app.Settings(), device, answers, [] { return std::string("3/7/26"); }});
        family->SetDocument(doc.get());
        commands =
            std::make_unique<Cmd>(*doc,
                                  CDeviceCommandServices{{app.Settings(), device, answers,
                                                          [] { return std::string("3/7/26"); }},
                                                         labels,
                                                         launcher},
                                  *family, header);
    }
    void TearDown() override
    {
        commands.reset();
        family.reset();
        DeviceTest::TearDown();
    }

    bool Eq() const { return IsEq(device.id); }
    std::vector<std::string>& Lines()
    {
        return Eq() ? doc->m_DeviceDataLines : family->m_DataLines;
    }
    CEqFileStatus& Status() { return Eq() ? doc->m_EqFileStatus : family->m_FileStatus; }
    CDeviceDataRules Rules() const
    {
        return Eq() ? EqDataRules(48000) : FamilyDataRules(device.id == kDeviceQZX6060, 48000);
    }
    std::string Extension() const
    {
        return Eq() ? ".eq" : device.id == kDeviceQZX6060 ? ".EQ606X" : ".EQ241X";
    }
    bool Enabled(int id) const { return commands->GetCommandState(id).bEnabled; }

    // The grids: one filter of the gain given, EQ-20 at output order 1.
    void SetGridGain(const std::string& gain)
    {
        doc->m_FilterLists.m_EQFilters.RemoveAll();
        CDigEQFilter* pFilter =
            doc->m_FilterLists.m_EQFilters.Add(std::make_unique<CDigEQFilter>());
        ASSERT_TRUE(
            pFilter->Parse("EQ-20, " + gain + ", 1.000000, 1000.000000, No, Yes, 1", 48000));
        doc->m_FiltersInGridMode.TurnOn();
    }
    // The "!#" lines a text generated from the grids now holds.
    std::vector<std::string> GridParameterLines()
    {
        CFilterBlock block;
        CollectFilterBlock(doc->m_FilterLists, block);
        const int written =
            std::min(block.count, Eq() ? RegisterCountOf(device.id == kDeviceQZX2202)
                                       : CQZX2410_Manager::kMaxSections);
        std::vector<std::string> lines(block.texts.begin(), block.texts.begin() + written);
        for (std::string& line : lines)
            line.resize(line.size() - 2);
        return lines;
    }
    // Both holders empty, named after the raw response, with no mode on.
    void ResetHolders()
    {
        doc->m_DeviceDataLines.clear();
        doc->m_EqFileStatus.Reset();
        doc->m_EqFileStatus.SetName(Path("speaker.eq"));
        family->m_DataLines.clear();
        family->m_FileStatus.Reset();
        family->SetDataFileName(Path("speaker") + Extension());
    }

    CAnsweringEditor answers;
    CScriptedLabelDialog labels;
    CRecordingProcessLauncher launcher;
    GenericDspHeader header;
    std::unique_ptr<CQZX2410_Manager> family;
    std::unique_ptr<Cmd> commands;
};

struct CHeld
{
    std::vector<std::string> lines;
    std::string name;
    std::vector<int> modes;
    bool operator==(const CHeld&) const = default;
};

CHeld HeldBy(const std::vector<std::string>& lines, const CEqFileStatus& status)
{
    CHeld held{lines, status.GetName(), {}};
    for (const CMode* pMode :
         {&status.m_OpenedFromFileMode, &status.m_HasFilterSectionMode, &status.m_GeneratedMode,
          &status.m_AcceptedMode, &status.m_SavedMode})
        held.modes.push_back(pMode->GetState());
    return held;
}

enum EOperation
{
    kOpen,
    kGenerate,
    kReplace,
    kAdd,
    kEdit,
    kGridChange,
    kSave,
    kSaveAs,
    kOperations
};
const char* const kOperationNames[] = {"Open", "Generate",    "Replace", "Add",
                                       "Edit", "Grid change", "Save",    "Save As"};
const int kCommandOf[] = {
    Cmd::kOpenDeviceData,      Cmd::kGenerateDeviceData, Cmd::kReplaceDeviceDataWithGrid,
    Cmd::kAddDeviceDataToGrid, Cmd::kEditDeviceData,     0,
    Cmd::kSaveDeviceData,      Cmd::kSaveAsDeviceData};
} // namespace

// The data in hand is one of: none yet; lines the user has (opened, replaced into, added
// to, edited, accepted), whose lines outside the filter block are known; or lines
// generated from the grids and never accepted. Whatever the order of the commands and the
// answers in their editors: no line the user has outside the filter block changes unless
// the user changed it (in the editor, or by generating anew), in hand and in every file
// saved; a Cancel in the editor of Replace or Edit, an Add and a change in the grids leave
// the data and its modes as they were; a save of lines generated and never accepted
// writes the filters the grids hold at the save; and every file saved opens again.
TEST_F(KeptTest, NoLineTheUserHasChangesUnlessTheUserChangesIt)
{
    for (const EDeviceId id : {kDeviceQZX2202, kDeviceQZX2201, kDeviceQZX2410, kDeviceQZX6060})
    {
        device.id = id;
        const bool eq = Eq();
        std::mt19937 random(unsigned(id) * 7919u);
        for (int run = 0; run < 150; ++run)
        {
            ResetHolders();
            SetGridGain("-5.000000");
            const std::string opened = Path("opened") + Extension();
            WriteFileBytes(opened, StoredFile(eq));
            enum class EData
            {
                kNone,
                kUsers,
                kGenerated
            } data = EData::kNone;
            std::vector<std::string> expected; // outside the block, while the user's
            std::string trail;
            const int steps = 1 + int(random() % 9);
            for (int step = 0; step < steps; ++step)
            {
                const auto op = EOperation(random() % kOperations);
                if (op != kGridChange && op != kOpen && !Enabled(kCommandOf[op]))
                    continue;
                answers.ok = random() % 3 != 0;
                answers.serial = random() % 3 == 0 ? std::to_string(100 + step) : "";
                answers.calls = 0;
                messages.texts.clear();
                dialogs.requests.clear();
                const std::string savedAs = Path("as" + std::to_string(step)) + Extension();
                dialogs.answers = {op == kOpen ? opened : savedAs};
                trail += std::string(" > ") + kOperationNames[op] +
                         (answers.ok ? " OK" : " Cancel") +
                         (answers.serial.empty() ? "" : " (serial " + answers.serial + ")");
                SCOPED_TRACE(std::to_string(id) + ":" + trail);
                const CHeld before = HeldBy(Lines(), Status());
                const std::string target =
                    op == kSaveAs ||
                            (op == kSave && (device.id == kDeviceQZX6060 ||
                                             (!eq && Status().m_OpenedFromFileMode.IsOff())))
                        ? savedAs
                        : Status().GetName();
                const std::string targetBefore = ReadFileBytes(target);
                const std::string openedBefore = ReadFileBytes(opened);
                const bool accepted = Status().m_AcceptedMode.IsOn();
                // Lines generated now or before, never accepted: built from the grids.
                const bool fromGrids = data != EData::kUsers && !accepted;
                if (op == kGridChange)
                    SetGridGain(std::to_string(-1 - step) + ".000000");
                else
                    commands->Execute(kCommandOf[op]);
                const bool shown = answers.calls > 0;
                const bool taken = shown && answers.ok;
                std::vector<std::string> changed = expected;
                if (!answers.serial.empty())
                    ChangeSerial(changed, answers.serial);
                // Edit generates the lines first where there are none yet.
                const bool generates = op == kGenerate || (op == kEdit && data == EData::kNone);
                for (const std::string& text : messages.texts)
                    EXPECT_EQ(text.find("was not"), std::string::npos) << text;
                switch (generates ? kGenerate : op)
                {
                case kOpen:
                    data = EData::kUsers;
                    expected = OutsideTheBlock(SplitDeviceDataText(openedBefore), eq);
                    if (taken && !answers.serial.empty())
                        ChangeSerial(expected, answers.serial);
                    break;
                case kGenerate:
                    data = taken ? EData::kUsers : EData::kGenerated;
                    expected = OutsideTheBlock(Lines(), eq);
                    break;
                case kReplace:
                case kEdit:
                    if (!taken)
                    {
                        EXPECT_TRUE(HeldBy(Lines(), Status()) == before);
                    }
                    else if (data == EData::kUsers)
                        expected = changed;
                    else
                    {
                        data = EData::kUsers;
                        expected = OutsideTheBlock(Lines(), eq);
                    }
                    break;
                case kAdd:
                case kGridChange:
                    EXPECT_TRUE(HeldBy(Lines(), Status()) == before);
                    break;
                case kSave:
                case kSaveAs:
                {
                    EXPECT_EQ(shown, !accepted);
                    if (shown && !answers.ok)
                    {
                        EXPECT_EQ(ReadFileBytes(target), targetBefore);
                        break;
                    }
                    ASSERT_TRUE(Status().m_SavedMode.IsOn());
                    ASSERT_EQ(Status().GetName(), target);
                    std::vector<std::string> written;
                    std::string error;
                    ASSERT_TRUE(CEqFile::ReadDeviceData(target, Rules(), written, error)) << error;
                    EXPECT_EQ(written, SplitDeviceDataText(JoinDeviceDataLines(Lines())));
                    if (fromGrids)
                    {
                        // Built anew from the grids as they are now.
                        EXPECT_EQ(ParameterLines(written), GridParameterLines());
                        data = EData::kUsers;
                        expected = OutsideTheBlock(Lines(), eq);
                    }
                    else if (data == EData::kUsers && taken)
                        expected = changed;
                    EXPECT_EQ(OutsideTheBlock(written, eq), expected);
                    break;
                }
                default:
                    break;
                }
                if (data == EData::kUsers)
                {
                    ASSERT_EQ(OutsideTheBlock(Lines(), eq), expected);
                }
            }
        }
    }
}

// The QZX2202 file with a serial and a volume of its own: Replace QZX2xxx Data with Data
// from the Filter Parameters Grid, Cancel, then Save with OK writes the file's own lines;
// so for the QZX2410 and QZX6060 with a line of their own.
TEST_F(KeptTest, SaveAfterACancelledReplaceWritesTheOpenedLines)
{
    for (const EDeviceId id : {kDeviceQZX2202, kDeviceQZX2410, kDeviceQZX6060})
    {
        device.id = id;
        ResetHolders();
        SetGridGain("-5.000000");
        const std::string path = Path("stored") + Extension();
        WriteFileBytes(path, StoredFile(Eq()));
        dialogs.requests.clear();
        dialogs.answers = {path, path};
        answers.ok = true;
        commands->Execute(Cmd::kOpenDeviceData);
        const CHeld opened = HeldBy(Lines(), Status());
        answers.ok = false;
        commands->Execute(Cmd::kReplaceDeviceDataWithGrid);
        EXPECT_TRUE(HeldBy(Lines(), Status()) == opened) << id;
        answers.ok = true;
        commands->Execute(Cmd::kSaveDeviceData);
        const std::string written = ReadFileBytes(path);
        EXPECT_NE(written.find("! Speaker Serial #    : 42\r\n"), std::string::npos) << id;
        EXPECT_NE(
            written.find(Eq() ? "\r\n4 -10.0 Volume\r\n" : "\r\n! Installed in cabinet 7\r\n"),
            std::string::npos)
            << id;
        EXPECT_EQ(ParameterLines(SplitDeviceDataText(written)),
                  ParameterLines(SplitDeviceDataText(StoredFile(Eq()))))
            << id;
    }
}

namespace
{
// The text of every filter in the lists, in the lists' order.
std::vector<std::string> FilterTexts(CFilterLists& lists)
{
    std::vector<std::string> texts;
    lists.ForEach(
        [&texts](EFilterKind, auto& list)
        {
            for (int k = 0; k < list.GetSize(); ++k)
            {
                std::string text;
                list.GetAt(k)->FormatLine(text);
                texts.push_back(text);
            }
        });
    return texts;
}

std::string NoDeviceData(const char* family)
{
    return std::string("it holds no ") + family +
           " device data (none of its lines is one that the chip is programmed from)";
}

const char* FamilyName(EDeviceId id)
{
    return IsEq(id) ? "QZX2201/QZX2202" : id == kDeviceQZX6060 ? "QZX606X" : "QZX241X";
}
} // namespace

// "hello" typed over the data and OK: what the editor's OK takes must open as device data,
// so it is refused with the reader's reason, for every command that shows the editor and
// both families; the data, its modes and an older file at the path saved to are then as
// after Cancel.
TEST_F(KeptTest, TheEditorTakesOnlyTextTheReaderOpens)
{
    using H = IDeviceDataFiles;
    const struct
    {
        const char* what;
        int before;               // a command run first, with OK, or 0
        bool cancelledGeneration; // lines generated and not accepted before, for the saves
        std::function<void(const std::string& older)> run;
    } commandsShown[] = {
        {"Open", 0, false, [this](const std::string&) { commands->Execute(Cmd::kOpenDeviceData); }},
        {"Edit", Cmd::kOpenDeviceData, false,
         [this](const std::string&) { commands->Execute(Cmd::kEditDeviceData); }},
        {"Generate", 0, false,
         [this](const std::string&) { commands->Execute(Cmd::kGenerateDeviceData); }},
        {"Replace", Cmd::kOpenDeviceData, false,
         [this](const std::string&) { commands->Execute(Cmd::kReplaceDeviceDataWithGrid); }},
        {"Save", 0, true,
         [this](const std::string& older)
         {
             Status().SetName(older);
             commands->Execute(Cmd::kSaveDeviceData);
         }},
        {"Save As", 0, true, [this](const std::string&) { commands->OnFileSaveAsDeviceData(); }},
        {"closing", 0, true,
         [this](const std::string& older)
         { commands->SaveTo(Eq() ? H::kEqData : H::kFamilyData, older); }},
    };
    for (const EDeviceId id : {kDeviceQZX2201, kDeviceQZX2202, kDeviceQZX2410, kDeviceQZX6060})
        for (const auto& c : commandsShown)
            for (const char* typed : {"hello", "", "\r\n", "! NAME: x\r\n!# Filter Parameters\r\n"})
            {
                device.id = id;
                SCOPED_TRACE(std::to_string(id) + " " + c.what + " \"" + typed + "\"");
                const std::string stored = Path("stored") + Extension();
                const std::string older = Path("older") + Extension();
                // The same commands answered with Cancel, then with the text typed and OK.
                std::vector<CHeld> after;
                for (const bool cancel : {true, false})
                {
                    ResetHolders();
                    SetGridGain("-5.000000");
                    WriteFileBytes(stored, StoredFile(Eq()));
                    WriteFileBytes(older, StoredFile(Eq()));
                    answers.replaceText.reset();
                    answers.ok = true;
                    dialogs.requests.clear();
                    dialogs.answers = {stored, older};
                    if (c.before)
                        commands->Execute(c.before);
                    if (c.cancelledGeneration)
                    {
                        answers.ok = false;
                        commands->Execute(Cmd::kGenerateDeviceData);
                    }
                    dialogs.requests.clear();
                    dialogs.answers = {c.before || c.cancelledGeneration ? older : stored, older};
                    answers.ok = !cancel;
                    answers.replaceText = typed;
                    messages.texts.clear();
                    c.run(older);
                    EXPECT_EQ(
                        messages.texts,
                        cancel ? std::vector<std::string>{}
                               : std::vector<std::string>{"The edited device data was not taken: " +
                                                          NoDeviceData(FamilyName(id)) + "."});
                    EXPECT_EQ(ReadFileBytes(older), StoredFile(Eq()));
                    after.push_back(HeldBy(Lines(), Status()));
                }
                EXPECT_TRUE(after[0] == after[1]);
            }
}

// No save writes a file that the program's own reader refuses: lines in hand that are no
// device data (as no way in now gives them) or larger than the reader takes, from Save,
// Save As and closing alike, are refused with the reader's reason; a write that fails is
// reported. The older file keeps its bytes and the data is not recorded as saved.
TEST_F(KeptTest, NoSaveWritesAFileItsReaderRefusesAndAFailedOneKeepsTheOlderFile)
{
    using H = IDeviceDataFiles;
    const std::string huge = "! " + std::string(CEqFile::kMaxFileBytes, 'x') + "\r\n";
    for (const EDeviceId id : {kDeviceQZX2201, kDeviceQZX2202, kDeviceQZX2410, kDeviceQZX6060})
    {
        device.id = id;
        const std::string older = Path("older") + Extension();
        const std::string stored = StoredFile(Eq());
        const struct
        {
            std::string text; // the lines in hand
            bool readOnly;    // the older file may not be written
            std::string fault;
        } cases[] = {
            {"hello\r\n", false, NoDeviceData(FamilyName(id)) + "."},
            {"", false, NoDeviceData(FamilyName(id)) + "."},
            {stored + huge, false,
             " bytes, more than the " + std::to_string(CEqFile::kMaxFileBytes) +
                 " that device data is read from."},
            {stored, true, ""},
        };
        const std::function<void()> saves[] = {
            [&]
            {
                Status().SetName(older);
                commands->Execute(Cmd::kSaveDeviceData);
            },
            [&] { commands->OnFileSaveAsDeviceData(); },
            [&] { commands->SaveTo(Eq() ? H::kEqData : H::kFamilyData, older); },
        };
        for (const auto& c : cases)
            for (std::size_t s = 0; s < std::size(saves); ++s)
            {
                SCOPED_TRACE(std::to_string(id) + " save " + std::to_string(s) + " " +
                             c.text.substr(0, 20));
                ResetHolders();
                fs::remove(older);
                WriteFileBytes(older, stored);
                fs::permissions(older, c.readOnly ? fs::perms::owner_read : fs::perms::owner_all);
                Lines() = SplitDeviceDataText(c.text);
                Status().m_OpenedFromFileMode.TurnOn();
                Status().m_AcceptedMode.TurnOn();
                dialogs.requests.clear();
                dialogs.answers = {older};
                messages.texts.clear();
                answers.calls = 0;
                saves[s]();
                EXPECT_EQ(answers.calls, 0);
                ASSERT_EQ(messages.texts.size(), 1u);
                const std::string refusal =
                    "The device data was not written to \"" + older + "\": ";
                if (!c.fault.empty())
                {
                    EXPECT_EQ(messages.texts[0].rfind(refusal, 0), 0u) << messages.texts[0];
                    EXPECT_NE(messages.texts[0].find(c.fault), std::string::npos)
                        << messages.texts[0];
                }
                EXPECT_EQ(ReadFileBytes(older), stored);
                EXPECT_TRUE(Status().m_SavedMode.IsOff());
            }
        fs::permissions(older, fs::perms::owner_all);
    }
}

// A carriage return that no line feed follows ends a line, as the editor shows it: the
// file opens as the lines it is saved as, and its filters read back the same before and
// after a save, for both families.
TEST_F(KeptTest, ALoneCarriageReturnEndsALineBeforeAndAfterASave)
{
    const struct
    {
        EDeviceId id;
        const char* from;
        const char* to;
    } cases[] = {
        {kDeviceQZX2202, "200.000000, No, Yes, 2\r\n", "200.000000, No, Yes, 2\r5\r\n"},
        {kDeviceQZX2202, "! Speaker Model #     : \r\n", "! Speaker Model #     : A\rB\r\n"},
        {kDeviceQZX2202, "$8 -70.0 Mixer2\r\n", "$8 -70.0 Mixer2\r"},
        {kDeviceQZX2202, "!# EQ-3,", "!\r\r\n!# EQ-3,"},
        {kDeviceQZX2410, "200.000000, No, Yes, 2\r\n", "200.000000, No, Yes, 2\r5\r\n"},
        {kDeviceQZX6060, "! Speaker Model #     : \r\n", "! Speaker Model #     : \rEQ-9\r\n"},
    };
    for (const auto& c : cases)
    {
        device.id = c.id;
        SCOPED_TRACE(std::to_string(c.id) + " " + c.to);
        ResetHolders();
        std::string text = StoredFile(Eq());
        const std::size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, std::string(c.from).size(), c.to);
        const std::string path = Path("lone cr") + Extension();
        const std::string saved = Path("saved") + Extension();
        WriteFileBytes(path, text);
        answers.ok = true;
        messages.texts.clear();
        // Opened, read back into the grids, saved, opened again and read back again.
        std::vector<std::vector<std::string>> lines, filters;
        for (const std::string& file : {path, saved})
        {
            dialogs.requests.clear();
            dialogs.answers = {file, saved};
            commands->Execute(Cmd::kOpenDeviceData);
            ASSERT_TRUE(messages.texts.empty()) << messages.texts[0];
            lines.push_back(OutsideTheBlock(Lines(), Eq()));
            for (const std::string& line : Lines())
                EXPECT_EQ(line.find_first_of("\r\n"), line.size() - 2) << line;
            doc->m_FilterLists.RemoveAll();
            commands->Execute(Cmd::kAddDeviceDataToGrid);
            filters.push_back(FilterTexts(doc->m_FilterLists));
            EXPECT_TRUE(commands->OnFileSaveAsDeviceData());
        }
        EXPECT_EQ(lines[0], lines[1]);
        EXPECT_EQ(filters[0], filters[1]);
        EXPECT_TRUE(messages.texts.empty());
    }
}
