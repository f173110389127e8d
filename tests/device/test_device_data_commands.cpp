#include "device/DeviceDataCommands.h"
#include "device/DeviceDataText.h"
#include "device/GenericDspHeader.h"
#include "device/QZX2410_Manager.h"
#include "document/ResponseCurves.h"

#include "tests/device/DeviceFixture.h"

#include <cctype>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <tuple>

namespace
{
// The loudness registers' lines as the QZX2202 loudness manager writes them.
const char kLeftLine[] = "21 000000 000000 000000 000000 000000    Left Loudness Biquad\r\n";
const char kRightLine[] = "22 000000 000000 000000 000000 000000    Right Loudness Biquad\r\n";

// Replaces the lines of registers 21 and 22, or appends them.
struct CLoudnessLines : ILoudnessLineMerger
{
    bool MergeIntoDataFile(std::vector<std::string>& lines) override
    {
        bool left = false, right = false;
        for (std::string& line : lines)
            for (auto [name, text, found] :
                 {std::tuple{"21", kLeftLine, &left}, std::tuple{"22", kRightLine, &right}})
                if (line.compare(0, 2, name) == 0)
                    line = text, *found = true;
        if (!left)
            lines.push_back(kLeftLine);
        if (!right)
            lines.push_back(kRightLine);
        return true;
    }
};

struct CRecordingLoudnessFiles : ILoudnessFileSaver
{
    bool SaveAsLD241X() override { return saved.emplace_back("LD241X"), true; }
    bool SaveAsLD606X() override { return saved.emplace_back("LD606X"), true; }
    std::vector<std::string> saved;
};

// Filters whose parameters are numbers but that cannot be designed: a cut-off of 0 Hz gives
// "nan" throughout, a gain of 1e300 dB infinite numerator words, a Q of 0 a denominator of
// "nan" (a generic kind, collected apart from the others), a gain of -1e308 dB finite words
// with poles on the unit circle, a High Plateau with its band edges out of order.
struct CNonFiniteCase
{
    const char* line;
    const char* label;
    void (*add)(CFilterLists& lists, const char* line);
    const char* fault; // as the refusal names the filter
};
template <class TFilter, auto kList> void AddParsed(CFilterLists& lists, const char* line)
{
    ASSERT_TRUE((lists.*kList).Add(std::make_unique<TFilter>())->Parse(line, 48000));
}
const CNonFiniteCase kNonFiniteFilters[] = {
    {"HPB-7, 0.000000, Yes, 3", "HPB-7",
     &AddParsed<CDigHighPass_B, &CFilterLists::m_HighPass_BFilters>,
     "HPB-7: the Cut Frequency must be above 0 Hz and below half the sample rate (24000 Hz)."},
    {"EQ-7, 1e300, 100.000000, 1000.000000, No, Yes, 3", "EQ-7",
     &AddParsed<CDigEQFilter, &CFilterLists::m_EQFilters>,
     "EQ-7: its parameters give no stable filter section."},
    {"VQHP-7, 100.000000, 0.000000, Yes, 3", "VQHP-7",
     &AddParsed<CDigGenericFilter, &CFilterLists::m_HighVariQFilters>,
     "VQHP-7: the Q must be above 0."},
    {"EQ-8, -1e308, 1.000000, 1000.000000, No, Yes, 3", "EQ-8",
     &AddParsed<CDigEQFilter, &CFilterLists::m_EQFilters>,
     "EQ-8: its parameters give no stable filter section."},
    {"HIPT-7, 3.000000, 2000.000000, 1000.000000, Yes, 3", "HIPT-7",
     &AddParsed<CDigGenericFilter, &CFilterLists::m_HighPlateauFilters>,
     "HIPT-7: the Lower Bandedge must be below the Upper Bandedge."},
};

// The refusal of a writer that says what the user keeps.
std::string NonFiniteRefusal(const std::string& what, const std::string& fault)
{
    return what + ".  These filters cannot be designed from their parameters:\n\n" + fault +
           "\n\nCorrect them in the filter editor.";
}

// Everything a writer of coefficients could change or ask: the lines and states of both
// holders of device data, the DSP header, every file of the folder, and the questions.
struct CWrittenState
{
    std::vector<std::string> eqLines, familyLines, headerLines;
    std::vector<int> modes;
    std::map<std::string, std::string> files;
    std::size_t editorCalls = 0, dialogRequests = 0, labelQuestions = 0;
    bool operator==(const CWrittenState&) const = default;
};

using Cmd = CDeviceDataCommands;

class CommandsTest : public DeviceTest
{
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        family = std::make_unique<CQZX2410_Manager>(MakeServices());
        family->SetDocument(doc.get());
        commands = std::make_unique<Cmd>(
            *doc, CDeviceCommandServices{MakeServices(), labels, launcher, &loudness, &files},
            *family, header);
        doc->m_EqFileStatus.SetName(Path("speaker.eq"));
    }
    void TearDown() override
    {
        commands.reset();
        family.reset();
        DeviceTest::TearDown();
    }
    bool Enabled(int id) const { return commands->GetCommandState(id).bEnabled; }
    std::vector<std::string>& Lines() { return doc->m_DeviceDataLines; }
    const CEqFileStatus& Status() const { return doc->m_EqFileStatus; }
    void Answer(const std::string& path) { dialogs.answers.push_back(path); }
    std::string Golden(const char* name) const
    {
        return std::string(MORVANE_TEST_DATA_DIR) + "/" + name;
    }

    CWrittenState State() const
    {
        CWrittenState state;
        state.eqLines = doc->m_DeviceDataLines;
        state.familyLines = family->m_DataLines;
        state.headerLines = header.m_HeaderLines;
        const CEqFileStatus& eqStatus = doc->m_EqFileStatus;
        const CEqFileStatus& familyStatus = family->m_FileStatus;
        for (const CEqFileStatus* pStatus : {&eqStatus, &familyStatus})
            for (const CMode* pMode :
                 {&pStatus->m_OpenedFromFileMode, &pStatus->m_HasFilterSectionMode,
                  &pStatus->m_GeneratedMode, &pStatus->m_AcceptedMode, &pStatus->m_SavedMode})
                state.modes.push_back(pMode->GetState());
        state.modes.push_back(header.m_GeneratedMode.GetState());
        for (const auto& entry : std::filesystem::directory_iterator(root))
            state.files[entry.path().string()] = ReadFileBytes(entry.path().string());
        state.editorCalls = editor.seen.size();
        state.dialogRequests = dialogs.requests.size();
        state.labelQuestions = labels.shown.size();
        return state;
    }

    CScriptedLabelDialog labels;
    CRecordingProcessLauncher launcher;
    CLoudnessLines loudness;
    CRecordingLoudnessFiles files;
    GenericDspHeader header;
    std::unique_ptr<CQZX2410_Manager> family;
    std::unique_ptr<Cmd> commands;
};

// The one message of a read-back that did not take the refused lines (each ending in CR LF),
// all for the same reason: a line for each.
std::string NotTakenMessage(const std::vector<std::string>& refused, const std::string& why)
{
    std::string text;
    for (const std::string& line : refused)
        text += std::string(text.empty() ? "" : "\n") + "The device data line \"" +
                line.substr(0, line.size() - 2) + "\" " + why + "; the filter was not taken.";
    return text;
}
} // namespace

TEST_F(CommandsTest, GenerateMergesTheLoudnessLinesAndNamesTheFiltersLeftOut)
{
    device.id = kDeviceQZX2202;
    AddGoldenSections(8);
    ASSERT_TRUE(commands->Execute(Cmd::kGenerateDeviceData));
    ASSERT_EQ(editor.seen.size(), 1u);
    const std::vector<std::string>& shown = editor.seen[0];
    ASSERT_EQ(shown.size(), 10u + 21u + 5u + 2u);
    EXPECT_EQ(shown[0], "! NAME: speaker.eq\r\n");
    EXPECT_EQ(shown[16].rfind("!# EQ-7,", 0), 0u);
    EXPECT_EQ(shown[23].substr(0, 3), "10 ");
    EXPECT_EQ(shown[30].substr(0, 3), "19 ");
    EXPECT_EQ(shown[35], "$8 -70.0 Mixer2\r\n");
    EXPECT_EQ(shown[36], kLeftLine);
    EXPECT_EQ(shown[37], kRightLine);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("EQ-8 was left out"), std::string::npos);
    EXPECT_TRUE(Status().m_GeneratedMode.IsOn());
    EXPECT_TRUE(Status().m_AcceptedMode.IsOn());
    EXPECT_TRUE(Status().m_SavedMode.IsOff());
    EXPECT_EQ(Status().GetName(), Path("speaker.eq")); // the folder is kept
}

TEST_F(CommandsTest, SaveAsWritesTheChosenPathAndRunStartsTheToolWithoutAShell)
{
    AddGoldenSections(2);
    commands->Execute(Cmd::kGenerateDeviceData);
    const std::string folder = root + "/tool folder";
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/chosen name.eq";
    Answer(path);
    ASSERT_TRUE(commands->OnFileSaveAsDeviceData());
    EXPECT_EQ(dialogs.requests[0].filter, "QZX2201  Files [*.eq] |*.eq||");
    EXPECT_EQ(dialogs.requests[0].initialDirectory, root);
    const auto back = SplitDeviceDataText(ReadFileBytes(path));
    ASSERT_EQ(back.size(), Lines().size());
    EXPECT_EQ(back[0], "! NAME: " + path + "\r\n");
    EXPECT_EQ(back[1], "! Date                : 3/7/26\r\n");
    EXPECT_EQ(Status().GetName(), path);
    EXPECT_TRUE(Status().m_SavedMode.IsOn());
    EXPECT_EQ(app.Settings().m_strKT47Directory, folder);

    // Saved: no dialog. A missing tool is reported and nothing is started.
    commands->Execute(Cmd::kRunKT47Program);
    EXPECT_TRUE(launcher.m_Starts.empty());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("KT47.EXE"), std::string::npos);

    std::ofstream(folder + "/KT47.EXE") << "tool";
    commands->Execute(Cmd::kRunKT47Program);
    ASSERT_EQ(launcher.m_Starts.size(), 1u);
    EXPECT_EQ(launcher.m_Starts[0].program, folder + "/KT47.EXE");
    EXPECT_TRUE(launcher.m_Starts[0].args.empty());
    EXPECT_EQ(launcher.m_Starts[0].workingDirectory, folder);
    launcher.m_bResult = false;
    commands->Execute(Cmd::kRunKT47Program);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_NE(messages.texts[1].find("could not be started"), std::string::npos);
    EXPECT_EQ(dialogs.requests.size(), 1u);
}

TEST_F(CommandsTest, RunAfterACancelledSaveAsStartsNothing)
{
    std::ofstream(Path("KT47.EXE")) << "tool";
    AddGoldenSections(1);
    commands->Execute(Cmd::kGenerateDeviceData);
    Answer("");
    commands->Execute(Cmd::kRunKT47Program);
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(launcher.m_Starts.empty());
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(CommandsTest, OpenShowsTheFilesOwnLinesAndSaveWritesBack)
{
    AddGoldenSections(3); // the grids hold filters, yet the file's lines are shown
    const std::string copy = Path("opened.eq");
    std::filesystem::copy_file(Golden("qzx2201.eq"), copy);
    Answer(copy);
    commands->Execute(Cmd::kOpenDeviceData);
    const auto fileLines = SplitDeviceDataText(ReadFile("qzx2201.eq"));
    ASSERT_EQ(editor.seen.size(), 1u);
    std::vector<std::string> merged = fileLines;
    merged.insert(merged.end(), {kLeftLine, kRightLine});
    EXPECT_EQ(editor.seen[0], merged);
    EXPECT_TRUE(Status().m_SavedMode.IsOff()); // the merged lines differ from the file
    EXPECT_EQ(dialogs.requests[0].defaultExtension, ".eq");

    commands->Execute(Cmd::kEditDeviceData);
    EXPECT_EQ(editor.seen[1], merged);

    Lines()[2] = "! Speaker Model #     : M\r\n";
    commands->Execute(Cmd::kSaveDeviceData);
    const auto back = SplitDeviceDataText(ReadFileBytes(copy));
    EXPECT_EQ(back[0], "! NAME: opened.eq\r\n");
    EXPECT_EQ(back[2], "! Speaker Model #     : M\r\n");
    EXPECT_EQ(dialogs.requests.size(), 1u);
}

TEST_F(CommandsTest, CancellingTheEditorInsideSaveCancelsTheSave)
{
    AddGoldenSections(2);
    editor.ok = false;
    commands->Execute(Cmd::kSaveDeviceData);
    EXPECT_FALSE(std::filesystem::exists(Path("speaker.eq")));
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_TRUE(Status().m_SavedMode.IsOff());
}

TEST_F(CommandsTest, AFailedWriteIsReportedAndNotRecordedAsSaved)
{
    AddGoldenSections(2);
    Answer(root + "/no such folder/x.eq");
    EXPECT_FALSE(commands->OnFileSaveAsDeviceData());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(Status().m_SavedMode.IsOff());
    EXPECT_EQ(Status().GetName(), Path("speaker.eq"));
}

TEST_F(CommandsTest, ReplacingDeviceDataFromTheGridsKeepsEveryOtherLine)
{
    device.id = kDeviceQZX2202;
    Answer(Golden("qzx2202.eq"));
    commands->Execute(Cmd::kOpenDeviceData);
    Lines()[3] = "! Speaker Serial #    : 42\r\n";
    ASSERT_EQ(Lines().back(), kRightLine);
    std::vector<std::string> before = Lines();
    ASSERT_TRUE(Enabled(Cmd::kReplaceDeviceDataWithGrid));

    AddGoldenSections(1);
    commands->Execute(Cmd::kReplaceDeviceDataWithGrid);
    // The old block (7 comments, 14 register lines) gives way to the new one (1 + 2).
    std::vector<std::string> expected(before.begin(), before.begin() + 10);
    expected.insert(expected.end(), Lines().begin() + 10, Lines().begin() + 13);
    expected.insert(expected.end(), before.begin() + 31, before.end());
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(Lines()[11].substr(0, 3), "0A ");
    EXPECT_EQ(editor.seen.back(), Lines()); // no regeneration, no merge
    EXPECT_TRUE(Status().m_GeneratedMode.IsOn());
    EXPECT_TRUE(Status().m_AcceptedMode.IsOn());
    EXPECT_TRUE(Status().m_SavedMode.IsOff());
}

TEST_F(CommandsTest, DeviceDataBackIntoTheGrids)
{
    Answer(Golden("qzx2201.eq"));
    commands->Execute(Cmd::kOpenDeviceData);
    doc->m_FiltersInGridMode.TurnOff();
    app.filterEditorCreated = false;
    commands->Execute(Cmd::kAddDeviceDataToGrid);
    commands->Execute(Cmd::kAddDeviceDataToGrid);
    EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetSize(), 12);
    EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOn());
    EXPECT_TRUE(app.filterEditorCreated);
    EXPECT_TRUE(doc->m_FiltersInGridMode.IsOff());

    commands->Execute(Cmd::kReplaceGridWithDeviceData);
    EXPECT_EQ(doc->m_FilterLists.GetTotalCount(), 6);
    EXPECT_TRUE(doc->m_FiltersInGridMode.IsOn());

    // The lists stay as they are while a calculation runs.
    doc->m_bInCalculationCommand = true;
    for (int id : {Cmd::kAddDeviceDataToGrid, Cmd::kReplaceGridWithDeviceData,
                   Cmd::kAdditiveRestartFromDeviceData})
    {
        EXPECT_FALSE(Enabled(id)) << id;
        commands->Execute(id);
    }
    EXPECT_EQ(doc->m_FilterLists.GetTotalCount(), 6);
    doc->m_bInCalculationCommand = false;
}

// A label number or output order above the largest the grids count to would make them
// number past INT_MAX: its line is not read back, and a message names it.
TEST_F(CommandsTest, ParameterLinesWithNumbersAboveTheLargestAreNamedAndNotReadBack)
{
    const std::vector<std::string> refused = {
        "!# EQ-2147483647, -3.000000, 200.000000, 1000.000000, Yes, Yes, 1\r\n",
        "!# EQ-1, -3.000000, 200.000000, 1000.000000, Yes, Yes, 2147483647\r\n",
        "!# EQ-2, -3.000000, 200.000000, 1000.000000, Yes, Yes, 12999999999999999\r\n",
        "!# TS-1000000001, 2.000000, 5000.000000, Yes, 2\r\n",
    };
    std::vector<std::string> lines = {"!# Filter Parameters\r\n"};
    lines.insert(lines.end(), refused.begin(), refused.end());
    lines.push_back("!# EQ-3, -3.000000, 200.000000, 3000.000000, Yes, Yes, 1000000000\r\n");
    for (const EDeviceId id : {kDeviceQZX2201, kDeviceQZX2410})
    {
        device.id = id;
        Lines() = lines;
        family->m_DataLines = lines;
        messages.texts.clear();
        commands->Execute(Cmd::kReplaceGridWithDeviceData);
        // One message box, a line for each line not taken.
        const std::string expected =
            NotTakenMessage(refused, "gives a filter that cannot be taken as the line gives it: "
                                     "its label number or its output order is above 1000000000, "
                                     "more than the filter grids count to");
        EXPECT_EQ(messages.texts, std::vector<std::string>{expected}) << id;
        ASSERT_EQ(doc->m_FilterLists.GetTotalCount(), 1) << id;
        EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetLabel(), "EQ-3");
        EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetOutputOrder(), kMaxFilterNumber);
    }
}

// An output order that is no whole number ("-1", "1e20") is not misread as another order:
// its line is named and not read back, on the QZX2201's text and the family's alike.
TEST_F(CommandsTest, ParameterLinesWhoseOrderIsNoWholeNumberAreNamedAndNotReadBack)
{
    const std::vector<std::string> refused = {
        "!# EQ-1, -3.000000, 200.000000, 1000.000000, Yes, Yes, -1\r\n",
        "!# EQ-2, -3.000000, 200.000000, 1000.000000, Yes, Yes, 1e20\r\n",
        "!# HPB-1, 40.000000, Yes, 2.5\r\n",
    };
    std::vector<std::string> lines = {"!# Filter Parameters\r\n"};
    lines.insert(lines.end(), refused.begin(), refused.end());
    lines.push_back("!# EQ--1, -3.000000, 200.000000, 3000.000000, Yes, Yes, 4\r\n");
    for (const EDeviceId id : {kDeviceQZX2201, kDeviceQZX2410})
    {
        device.id = id;
        Lines() = lines;
        family->m_DataLines = lines;
        messages.texts.clear();
        commands->Execute(Cmd::kReplaceGridWithDeviceData);
        const std::string expected = NotTakenMessage(
            refused, "gives a filter that cannot be taken as the line gives it: its output order "
                     "is not a whole number in digits, such as 3: an order has no sign '-', "
                     "decimal point or exponent");
        EXPECT_EQ(messages.texts, std::vector<std::string>{expected}) << id;
        ASSERT_EQ(doc->m_FilterLists.GetTotalCount(), 1) << id;
        EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetLabel(), "EQ--1");
        EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetOutputOrder(), 4);
    }
}

// A parameter that is no number read back as a filter the grids showed "nan" or "inf" for
// and the writers wrote: its line is named and not read back, on the QZX2201's text and
// the family's alike, by Add and by Replace.
TEST_F(CommandsTest, ParameterLinesWhoseParameterIsNoFiniteNumberAreNamedAndNotReadBack)
{
    const std::vector<std::string> refused = {
        "!# EQ-1, nan, 200.000000, 1000.000000, Yes, Yes, 1\r\n",
        "!# EQ-2, -3.000000, 1e400, 1000.000000, Yes, Yes, 2\r\n",
    };
    std::vector<std::string> lines = {"!# Filter Parameters\r\n"};
    lines.insert(lines.end(), refused.begin(), refused.end());
    lines.push_back("!# EQ-3, -3.000000, 200.000000, 3000.000000, Yes, Yes, 3\r\n");
    const std::string expected =
        NotTakenMessage({refused[0]}, "gives a filter that cannot be taken as the line gives it: "
                                      "its Gain in DB \"nan\" is not a finite number; give it "
                                      "one number in digits alone, such as -3.0") +
        "\n" +
        NotTakenMessage({refused[1]}, "gives a filter that cannot be taken as the line gives it: "
                                      "its Bandwidth \"1e400\" is not a finite number; give it "
                                      "one number in digits alone, such as 1.0");
    for (const EDeviceId id : {kDeviceQZX2201, kDeviceQZX2410})
        for (const int command : {Cmd::kReplaceGridWithDeviceData, Cmd::kAddDeviceDataToGrid})
        {
            device.id = id;
            Lines() = lines;
            family->m_DataLines = lines;
            doc->m_FilterLists.RemoveAll();
            messages.texts.clear();
            commands->Execute(command);
            EXPECT_EQ(messages.texts, std::vector<std::string>{expected}) << id << " " << command;
            ASSERT_EQ(doc->m_FilterLists.GetTotalCount(), 1) << id << " " << command;
            EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetLabel(), "EQ-3");
        }
}

TEST_F(CommandsTest, AdditiveRestartReadsTheRegistersOfTheDevice)
{
    ASSERT_TRUE(doc->CreateDefaultResponse());
    const std::vector<double> raw = Values(doc->m_RawMagnitudeDb);
    doc->m_EqFileStatus.m_OpenedFromFileMode.TurnOn();
    Lines() = {"13 100000 000000 000000 000000 000000\r\n",
               "19 200000 000000 000000 000000 000000\r\n",
               "0A 400000 000000 000000 000000 000000\r\n"};
    const std::pair<EDeviceId, double> cases[] = {{kDeviceQZX2201, 0.0},
                                                  {kDeviceQZX2202, 20.0 * std::log10(2.0)}};
    for (const auto& [id, gainDb] : cases)
    {
        device.id = id;
        doc->m_ModifiedRawFile.Clear();
        commands->Execute(Cmd::kAdditiveRestartFromDeviceData);
        const std::vector<double> modified = Values(doc->m_ModifiedResponse);
        ASSERT_EQ(modified.size(), raw.size());
        for (std::size_t i = 0; i < raw.size(); i += 997)
            EXPECT_NEAR(modified[i], raw[i] + gainDb, 1e-9) << i;
        EXPECT_TRUE(doc->m_ModifiedRawFile.m_ChangedMode.IsOn());
        EXPECT_EQ(doc->m_RestartMagnitudes.GetSize(), 0);
        // The sections stay applied for the next calculation and the coefficient file.
        ASSERT_GT(doc->m_RestartDenominators.GetSize(), 0);
        const std::vector<double> restarted = Values(MagnitudeDb(doc->RestartedRawResponse()));
        for (std::size_t i = 0; i < raw.size(); i += 997)
            EXPECT_NEAR(restarted[i], modified[i], 1e-9) << i;
        ASSERT_TRUE(doc->CollectGridFilters());
        EXPECT_EQ(doc->m_CoeffDenominators.GetSize(), doc->m_RestartDenominators.GetSize());
    }
    EXPECT_EQ(Values(doc->m_RawMagnitudeDb), raw);
}

TEST_F(CommandsTest, AdditiveRestartLeavesOutAndNamesWordsNoDeviceWordHolds)
{
    ASSERT_TRUE(doc->CreateDefaultResponse());
    const std::vector<double> raw = Values(doc->m_RawMagnitudeDb);
    device.id = kDeviceQZX2410;
    family->m_FileStatus.m_OpenedFromFileMode.TurnOn();
    // 08000000 would read 16.0, a value the writer never gives; only the gain of 2 is taken.
    family->m_DataLines = {"! Channel Number 1\r\n",
                           "34 08000000 00000000 00000000 00000000 00000000\r\n",
                           "35 01000000 00000000 00000000 00000000 00000000\r\n"};
    commands->Execute(Cmd::kAdditiveRestartFromDeviceData);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "Line 2 of the device data: the word \"08000000\" is outside the range of the "
              "device's coefficient words; the register line was not taken.");
    const std::vector<double> modified = Values(doc->m_ModifiedResponse);
    ASSERT_EQ(modified.size(), raw.size());
    for (std::size_t i = 0; i < raw.size(); i += 997)
        EXPECT_NEAR(modified[i], raw[i] + 20.0 * std::log10(2.0), 1e-9) << i;
}

TEST_F(CommandsTest, EnableRulesFollowTheDeviceAndTheData)
{
    doc->m_FiltersInGridMode.TurnOff();
    struct
    {
        EDeviceId id;
        int command;
        bool enabled;
    } const fresh[] = {
        {kDeviceQZX2201, Cmd::kOpenDeviceData, true},
        {kDeviceQZX2201, Cmd::kSaveDeviceData, false},
        {kDeviceQZX2201, Cmd::kRunKT47Program, false},
        {kDeviceDsp, Cmd::kDspGenerateHeaderFile, true},
        {kDeviceDsp, Cmd::kDspEditHeaderFile, false},
        {kDeviceQZX2201, Cmd::kDspGenerateHeaderFile, false},
        {kDeviceDsp, Cmd::kSaveDeviceData, false},
        {kDeviceQZX2410, Cmd::kEditDeviceData, false},
        {kDeviceQZX2201, 1, false},
    };
    for (const auto& c : fresh)
    {
        device.id = c.id;
        EXPECT_EQ(Enabled(c.command), c.enabled) << c.id << " " << c.command;
    }
    doc->m_FiltersInGridMode.TurnOn();
    device.id = kDeviceQZX2201;
    for (int id : {Cmd::kSaveDeviceData, Cmd::kEditDeviceData, Cmd::kGenerateDeviceData})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(Cmd::kAddDeviceDataToGrid));
    commands->Execute(Cmd::kGenerateDeviceData);
    for (int id : {Cmd::kRunKT47Program, Cmd::kAddDeviceDataToGrid, Cmd::kReplaceDeviceDataWithGrid,
                   Cmd::kAdditiveRestartFromDeviceData})
        EXPECT_TRUE(Enabled(id)) << id;
    device.id = kDeviceQZX2410;
    EXPECT_FALSE(Enabled(Cmd::kRunKT47Program));
    EXPECT_FALSE(commands->Execute(1));
}

TEST_F(CommandsTest, FamilyCommandsGoToTheManager)
{
    device.id = kDeviceQZX2410;
    std::ofstream(Path("KT47.EXE")) << "tool";
    AddGoldenSections(2);
    family->SetDataFileName(Path("speaker.EQ241X"));
    commands->Execute(Cmd::kGenerateDeviceData);
    ASSERT_EQ(editor.seen.size(), 1u);
    EXPECT_EQ(editor.seen[0][10].rfind("!# EQ-1,", 0), 0u);
    EXPECT_TRUE(Enabled(Cmd::kRunKT47Program));
    // Not saved yet: Run saves as first, then starts the tool.
    Answer(Path("speaker.EQ241X"));
    commands->Execute(Cmd::kRunKT47Program);
    EXPECT_EQ(dialogs.requests.at(0).defaultExtension, ".EQ241X");
    EXPECT_TRUE(std::filesystem::exists(Path("speaker.EQ241X")));
    EXPECT_EQ(launcher.m_Starts.size(), 1u);
    EXPECT_TRUE(Lines().empty());

    EXPECT_TRUE(Enabled(Cmd::kSaveAsLoudnessData));
    commands->Execute(Cmd::kSaveAsLoudnessData);
    device.id = kDeviceQZX6060;
    commands->Execute(Cmd::kSaveAsLoudnessData);
    // No loudness file of the QZX2202 or the DSP target.
    device.id = kDeviceQZX2202;
    EXPECT_FALSE(Enabled(Cmd::kSaveAsLoudnessData));
    commands->Execute(Cmd::kSaveAsLoudnessData);
    device.id = kDeviceDsp;
    EXPECT_FALSE(Enabled(Cmd::kSaveAsLoudnessData));
    EXPECT_EQ(files.saved, (std::vector<std::string>{"LD241X", "LD606X"}));
}

TEST_F(CommandsTest, DspHeaderIsGeneratedUnderTheLabelEditedAndSaved)
{
    device.id = kDeviceDsp;
    ASSERT_TRUE(doc->CreateDefaultResponse());
    const std::vector<double> raw = Values(doc->m_RawMagnitudeDb);
    AddGoldenSections(3);
    labels.answer = "MYEQ";
    commands->Execute(Cmd::kDspGenerateHeaderFile);
    labels.ok = false;
    commands->Execute(Cmd::kDspGenerateHeaderFile);
    EXPECT_EQ(labels.shown, (std::vector<std::string>{"GENERIC", "MYEQ"}));
    EXPECT_EQ(editor.captions, (std::vector<std::string>{"Edit DSP Data", "Edit DSP Data"}));
    EXPECT_TRUE(Enabled(Cmd::kDspSaveAsHeaderFile));
    const std::string text = JoinDeviceDataLines(header.m_HeaderLines);
    EXPECT_NE(text.find("#define MYEQCOEFFS2 {"), std::string::npos) << text;
    EXPECT_EQ(text.find("COEFFS3"), std::string::npos) << text;
    EXPECT_EQ(Values(doc->m_RawMagnitudeDb), raw);

    Answer(Path("eq.h"));
    commands->Execute(Cmd::kDspSaveAsHeaderFile);
    EXPECT_EQ(ReadFileBytes(Path("eq.h")), text);
    EXPECT_EQ(dialogs.requests.back().filter, "DSP EQ Files (*.h) |*.h| All Files (*.*) |*.*||");
    Answer(root + "/missing/eq.h");
    commands->Execute(Cmd::kDspSaveAsHeaderFile);
    EXPECT_EQ(messages.texts.size(), 1u);
}

TEST_F(CommandsTest, DspGainIsTakenOverEveryActiveFilterAndNoSectionStillCompiles)
{
    device.id = kDeviceDsp;
    labels.ok = false; // the label stays GENERIC
    ASSERT_TRUE(doc->CreateDefaultResponse());
    for (int i = 1; i <= 9; ++i)
        AddSection("EQ-" + std::to_string(i), {i == 9 ? 2.0 : 1.0, 0.0, 0.0}, {0.0, 0.0}, i);
    commands->Execute(Cmd::kDspGenerateHeaderFile);
    std::string text = JoinDeviceDataLines(header.m_HeaderLines);
    // The ninth filter is left out of the sections, not out of the gain.
    EXPECT_NE(text.find("#define GENERICGAIN 0.500000 \r\n"), std::string::npos) << text;
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("EQ-9 was left out"), std::string::npos);

    app.filterEditorCreated = false;
    commands->Execute(Cmd::kDspGenerateHeaderFile);
    text = JoinDeviceDataLines(header.m_HeaderLines);
    EXPECT_NE(text.find("#define GENERICGAIN 1.000000 \r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("#define GENERICEQ={}\r\n"), std::string::npos) << text;
}

TEST_F(CommandsTest, FamilySaveOfDataNotFromAFileAsksForThePath)
{
    device.id = kDeviceQZX2410;
    AddGoldenSections(2);
    family->SetDataFileName(Path("speaker.EQ241X"));
    ASSERT_TRUE(Enabled(Cmd::kSaveDeviceData));
    Answer(Path("asked.EQ241X"));
    commands->Execute(Cmd::kSaveDeviceData);
    // No lines yet: the editing step generates them from the grids first.
    ASSERT_EQ(editor.seen.size(), 1u);
    EXPECT_EQ(editor.seen[0][10].rfind("!# EQ-1,", 0), 0u);
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(Path("asked.EQ241X")));
    EXPECT_TRUE(family->IsDeviceDataSaved());
}

TEST_F(CommandsTest, WordsOutsideTheirRangeAreLimitedAndTheFilterNamed)
{
    // B0 = 9 is beyond both the 24-bit word and the header's decimal word; the family's
    // 28-bit word holds it (its own case is in the manager's tests).
    const struct
    {
        EDeviceId id;
        int command;
        const char* word;
    } cases[] = {{kDeviceQZX2201, Cmd::kGenerateDeviceData, "7FFFFF"},
                 {kDeviceDsp, Cmd::kDspGenerateHeaderFile, "2147483647"}};
    ASSERT_TRUE(doc->CreateDefaultResponse());
    // Its line is one the device data takes back; its section is the fixture's own.
    AddSection("EQ-9, 9, 1, 1000, No, Yes, 1", {9.0, 0.0, 0.0}, {0.0, 0.0}, 1);
    for (const auto& c : cases)
    {
        device.id = c.id;
        messages.texts.clear();
        editor.seen.clear();
        commands->Execute(c.command);
        ASSERT_EQ(messages.texts.size(), 1u) << c.id;
        EXPECT_NE(messages.texts[0].find("EQ-9: coefficient B0"), std::string::npos)
            << messages.texts[0];
        ASSERT_EQ(editor.seen.size(), 1u);
        EXPECT_NE(JoinDeviceDataLines(editor.seen[0]).find(c.word), std::string::npos) << c.id;
    }
}

// Words of 000000 with "coefficient B0, B2 is outside the device's range and was limited",
// rows of "nan" in the coefficient file: a filter whose section is no number was written as
// one. Every writer of coefficients refuses the whole text or file with one message that
// names the filter, and leaves what it wrote before, in memory and on the disk, as it was.
TEST_F(CommandsTest, AFilterWhoseCoefficientsAreNoNumbersRefusesEveryWriter)
{
    ASSERT_TRUE(doc->CreateDefaultResponse());
    AddGoldenSections(2);
    for (const auto& [id, name] :
         {std::pair{kDeviceQZX2201, "speaker.eq"}, std::pair{kDeviceQZX2410, "speaker.EQ241X"}})
    {
        device.id = id;
        family->SetDataFileName(Path(name));
        commands->Execute(Cmd::kGenerateDeviceData);
        Answer(Path(name));
        ASSERT_TRUE(commands->OnFileSaveAsDeviceData()) << id;
    }
    device.id = kDeviceDsp;
    commands->Execute(Cmd::kDspGenerateHeaderFile);
    Answer(Path("speaker.h"));
    commands->Execute(Cmd::kDspSaveAsHeaderFile);
    doc->m_CoefficientFile.SetName(Path("speaker.flt"));
    ASSERT_TRUE(doc->SaveFilterCoefficients(false));
    ASSERT_TRUE(messages.texts.empty()) << messages.texts[0];

    const char* const kDeviceData = "The device data was left as it was";
    const struct
    {
        EDeviceId id;
        int command; // 0: Save, 1: Save As Filter Coefficients
        const char* what;
    } writers[] = {
        {kDeviceQZX2201, Cmd::kGenerateDeviceData, kDeviceData},
        {kDeviceQZX2202, Cmd::kGenerateDeviceData, kDeviceData},
        {kDeviceQZX2201, Cmd::kReplaceDeviceDataWithGrid, kDeviceData},
        {kDeviceQZX2410, Cmd::kGenerateDeviceData, kDeviceData},
        {kDeviceQZX6060, Cmd::kGenerateDeviceData, kDeviceData},
        {kDeviceQZX2410, Cmd::kReplaceDeviceDataWithGrid, kDeviceData},
        {kDeviceQZX6060, Cmd::kReplaceDeviceDataWithGrid, kDeviceData},
        {kDeviceDsp, Cmd::kDspGenerateHeaderFile, "The DSP header was left as it was"},
        {kDeviceQZX2201, 0, "The filter coefficient file was not written"},
        {kDeviceDsp, 1, "The filter coefficient file was not written"},
    };
    for (const CNonFiniteCase& filter : kNonFiniteFilters)
    {
        CFilterLists& lists = doc->m_FilterLists;
        filter.add(lists, filter.line);
        for (const auto& w : writers)
        {
            device.id = w.id;
            messages.texts.clear();
            const CWrittenState before = State();
            if (w.command > 1)
                commands->Execute(w.command);
            else
                doc->SaveFilterCoefficients(w.command == 1);
            EXPECT_EQ(messages.texts,
                      std::vector<std::string>{NonFiniteRefusal(w.what, filter.fault)})
                << filter.label << " " << w.id << " " << w.command;
            EXPECT_TRUE(State() == before) << filter.label << " " << w.id << " " << w.command;
        }
        lists.ForEach(
            [&](EFilterKind, auto& list)
            {
                if (!list.IsEmpty() && list.GetAt(list.GetSize() - 1)->GetLabel() == filter.label)
                    list.RemoveAt(list.GetSize() - 1);
            });
    }
    // Without them, the writers write.
    const CWrittenState before = State();
    device.id = kDeviceQZX2201;
    messages.texts.clear();
    commands->Execute(Cmd::kGenerateDeviceData);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_FALSE(State() == before);
}

// A save of data not yet generated generates it first: refused there, it writes nothing,
// asks for no path, and the older file stays, from the menu and on closing alike.
TEST_F(CommandsTest, ASaveThatWouldGenerateFromSuchAFilterLeavesTheOlderFile)
{
    AddGoldenSections(2);
    kNonFiniteFilters[0].add(doc->m_FilterLists, kNonFiniteFilters[0].line);
    for (const char* name : {"speaker.eq", "speaker.EQ241X", "closing.eq", "closing.EQ241X"})
        std::ofstream(Path(name), std::ios::binary) << "older " << name << "\r\n";
    family->SetDataFileName(Path("speaker.EQ241X"));
    using H = IDeviceDataFiles;
    // Each answers whether it saved; the menu's Save tells nothing, so it answers false.
    const auto menuSave = [&]
    {
        commands->Execute(Cmd::kSaveDeviceData);
        return false;
    };
    const struct
    {
        EDeviceId id;
        std::function<bool()> save;
    } saves[] = {
        {kDeviceQZX2201, menuSave},
        {kDeviceQZX2202, [&] { return commands->OnFileSaveAsDeviceData(); }},
        {kDeviceQZX2410, menuSave},
        {kDeviceQZX6060, [&] { return commands->OnFileSaveAsDeviceData(); }},
        {kDeviceQZX2201, [&] { return commands->SaveTo(H::kEqData, Path("closing.eq")); }},
        {kDeviceDsp, [&] { return commands->SaveTo(H::kFamilyData, Path("closing.EQ241X")); }},
    };
    for (const auto& s : saves)
    {
        device.id = s.id;
        messages.texts.clear();
        const CWrittenState before = State();
        EXPECT_FALSE(s.save()) << s.id;
        EXPECT_EQ(messages.texts,
                  std::vector<std::string>{NonFiniteRefusal("The device data was left as it was",
                                                            kNonFiniteFilters[0].fault)})
            << s.id;
        EXPECT_TRUE(State() == before) << s.id;
    }
}

// Generate Device Data, Cancel, a gain changed in the grid, then a save: the data generated
// before was never accepted, and the save writes the filters the grids hold now (the
// editor shows them first), for both families, from Save, Save As and on closing alike.
TEST_F(CommandsTest, ASaveAfterACancelledGenerationWritesTheFiltersTheGridsHold)
{
    ASSERT_TRUE(doc->CreateDefaultResponse());
    const auto setGain = [this](const char* gain)
    {
        doc->m_FilterLists.m_EQFilters.RemoveAll();
        AddParsed<CDigEQFilter, &CFilterLists::m_EQFilters>(
            doc->m_FilterLists,
            (std::string("EQ-1, ") + gain + ", 1.000000, 1000.000000, No, Yes, 7").c_str());
    };
    using H = IDeviceDataFiles;
    const struct
    {
        EDeviceId id;
        const char* name;
        std::function<void(const std::string& path)> save;
    } cases[] = {
        {kDeviceQZX2201, "a.eq",
         [&](const std::string& p) { Answer(p), commands->OnFileSaveAsDeviceData(); }},
        {kDeviceQZX2202, "b.eq",
         [&](const std::string& p)
         { doc->m_EqFileStatus.SetName(p), commands->Execute(Cmd::kSaveDeviceData); }},
        {kDeviceQZX2201, "c.eq", [&](const std::string& p) { commands->SaveTo(H::kEqData, p); }},
        {kDeviceQZX2410, "d.EQ241X",
         [&](const std::string& p) { Answer(p), commands->OnFileSaveAsDeviceData(); }},
        {kDeviceQZX6060, "e.EQ606X",
         [&](const std::string& p) { Answer(p), commands->Execute(Cmd::kSaveDeviceData); }},
        {kDeviceQZX2410, "f.EQ241X",
         [&](const std::string& p) { commands->SaveTo(H::kFamilyData, p); }},
    };
    for (const auto& c : cases)
    {
        device.id = c.id;
        const std::string path = Path(c.name);
        // The text the grids' -5 dB filter gives.
        setGain("-5.000000");
        editor.ok = true;
        commands->Execute(Cmd::kGenerateDeviceData);
        ASSERT_FALSE(editor.seen.empty());
        const std::vector<std::string> expected = editor.seen.back();

        setGain("-3.000000");
        editor.ok = false;
        commands->Execute(Cmd::kGenerateDeviceData);
        setGain("-5.000000");
        editor.ok = true;
        editor.seen.clear();
        messages.texts.clear();
        c.save(path);
        EXPECT_TRUE(messages.texts.empty()) << c.name;
        // The editor shows the -5 dB text (under the name of the file saved).
        ASSERT_EQ(editor.seen.size(), 1u) << c.name;
        ASSERT_EQ(editor.seen[0].size(), expected.size()) << c.name;
        EXPECT_TRUE(
            std::equal(editor.seen[0].begin() + 1, editor.seen[0].end(), expected.begin() + 1))
            << c.name;
        const std::string written = ReadFileBytes(path);
        EXPECT_NE(written.find("!# EQ-1, -5.000000, 1.000000, 1000.000000, No, Yes, 7"),
                  std::string::npos)
            << c.name;
        EXPECT_EQ(written.find("-3.000000"), std::string::npos) << c.name;
        // The words too: the file's lines after the date line are those of the -5 dB text.
        const std::vector<std::string> back = SplitDeviceDataText(written);
        ASSERT_EQ(back.size(), SplitDeviceDataText(JoinDeviceDataLines(expected)).size()) << c.name;
        EXPECT_TRUE(std::equal(back.begin() + 2, back.end(),
                               SplitDeviceDataText(JoinDeviceDataLines(expected)).begin() + 2))
            << c.name;
    }
}

// Closing the program saves the device data of either holder, whatever device is
// selected, to the full path the question shows.
TEST_F(CommandsTest, ClosingSavesEitherHoldersDataToTheNameShown)
{
    using H = IDeviceDataFiles;
    H::EHolder holder = H::kEqData;
    device.id = kDeviceDsp;
    EXPECT_FALSE(commands->GetSelectedHolder(holder));
    EXPECT_FALSE(commands->IsUnsaved(H::kEqData));
    EXPECT_FALSE(commands->IsUnsaved(H::kFamilyData));

    AddGoldenSections(2);
    device.id = kDeviceQZX2201;
    commands->Execute(Cmd::kGenerateDeviceData);
    device.id = kDeviceQZX2410;
    commands->Execute(Cmd::kGenerateDeviceData); // generated family data, never saved
    device.id = kDeviceDsp;
    EXPECT_TRUE(commands->IsUnsaved(H::kEqData));
    EXPECT_TRUE(commands->IsUnsaved(H::kFamilyData));
    device.id = kDeviceQZX2410;
    ASSERT_TRUE(commands->GetSelectedHolder(holder));
    EXPECT_EQ(holder, H::kFamilyData);
    EXPECT_EQ(commands->GetFileName(H::kEqData), Path("speaker.eq"));

    // The name shown, not the bare name in the current folder; no dialog.
    const std::string eqPath = Path("shown.eq");
    const std::string familyPath = Path("shown.EQ241X");
    device.id = kDeviceDsp;
    ASSERT_TRUE(commands->SaveTo(H::kEqData, eqPath));
    ASSERT_TRUE(commands->SaveTo(H::kFamilyData, familyPath));
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_EQ(SplitDeviceDataText(ReadFileBytes(eqPath))[0], "! NAME: shown.eq\r\n");
    EXPECT_FALSE(ReadFileBytes(familyPath).empty());
    EXPECT_FALSE(commands->IsUnsaved(H::kEqData));
    EXPECT_FALSE(commands->IsUnsaved(H::kFamilyData));
    EXPECT_EQ(commands->GetFileName(H::kFamilyData), familyPath);
}

// Closing writes no device data file that would hold nothing: without lines in hand and
// without grid filters to generate them from, there is nothing to write.
TEST_F(CommandsTest, ClosingHasDeviceDataToWriteOnlyWithLinesOrGridFilters)
{
    using H = IDeviceDataFiles;
    doc->m_FiltersInGridMode.TurnOff();
    for (const H::EHolder holder : {H::kEqData, H::kFamilyData})
        EXPECT_FALSE(commands->HasData(holder)) << holder;
    // Lines typed into the empty editor are data to write, of their holder only.
    Lines() = {"! typed\r\n"};
    EXPECT_TRUE(commands->HasData(H::kEqData));
    EXPECT_FALSE(commands->HasData(H::kFamilyData));
    Lines().clear();
    family->m_DataLines = {"! typed\r\n"};
    EXPECT_FALSE(commands->HasData(H::kEqData));
    EXPECT_TRUE(commands->HasData(H::kFamilyData));
    family->m_DataLines.clear();
    // Filters in the grids generate them.
    doc->m_FiltersInGridMode.TurnOn();
    for (const H::EHolder holder : {H::kEqData, H::kFamilyData})
        EXPECT_TRUE(commands->HasData(holder)) << holder;
}

namespace
{
// Records the name each file dialog proposes.
struct CProposingDialogs : CScriptedFileDialogs
{
    bool AskPath(const CFileDialogRequest& request, std::string& path) override
    {
        proposed.push_back(path);
        return CScriptedFileDialogs::AskPath(request, path);
    }
    std::vector<std::string> proposed;
};

const char kMeasurement[] = "\"Loudspeaker Raw Response Data for the Morvane Program\"\r\n"
                            "       \"Hz\" \"Mag (dB)\"      \"deg\"\r\n"
                            "   20.0000, -12.00000,  45.00000\r\n"
                            "   13 5 20\r\n"
                            "   4 -6.0 12.0\r\n"
                            "20000.0000,  -3.00000, -10.00000\r\n";
} // namespace

TEST_F(CommandsTest, AFileWithoutDeviceDataIsRefusedAndRunProposesTheDataName)
{
    CProposingDialogs proposing;
    Services::SetFileDialogs(&proposing);
    AddGoldenSections(2);
    commands->Execute(Cmd::kGenerateDeviceData);
    const std::vector<std::string> generated = Lines();
    const std::string measurement = Path("speaker.raw");
    std::ofstream(measurement, std::ios::binary) << kMeasurement;

    proposing.answers = {measurement};
    commands->Execute(Cmd::kOpenDeviceData);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("\"" + measurement +
                                     "\" was not opened: it holds no QZX2201/QZX2202 device data"),
              std::string::npos);
    EXPECT_EQ(Lines(), generated);
    EXPECT_EQ(Status().GetName(), Path("speaker.eq"));
    EXPECT_TRUE(Status().m_GeneratedMode.IsOn());
    EXPECT_TRUE(Status().m_OpenedFromFileMode.IsOff());
    EXPECT_EQ(editor.seen.size(), 1u); // only the generation's

    // Run saves the unsaved data first, under the data's own name.
    proposing.answers.push_back("");
    commands->Execute(Cmd::kRunKT47Program);
    ASSERT_EQ(proposing.proposed.size(), 2u);
    EXPECT_EQ(proposing.proposed[1], "speaker.eq");
    commands->Execute(Cmd::kSaveDeviceData);
    EXPECT_EQ(ReadFileBytes(measurement), kMeasurement);
    EXPECT_TRUE(std::filesystem::exists(Path("speaker.eq")));
    Services::SetFileDialogs(&dialogs);
}

TEST_F(CommandsTest, EachFamilyOpensOnlyItsOwnDeviceData)
{
    const std::string measurement = Path("speaker.raw");
    std::ofstream(measurement, std::ios::binary) << kMeasurement;
    const std::string empty = Path("empty.eq");
    std::ofstream(empty, std::ios::binary) << "";
    const struct
    {
        EDeviceId id;
        std::string path;
        bool opened;
    } cases[] = {
        {kDeviceQZX2201, Golden("qzx2201.eq"), true},
        {kDeviceQZX2202, Golden("qzx2202.eq"), true},
        {kDeviceQZX2410, Golden("speaker.EQ241X"), true},
        {kDeviceQZX6060, Golden("speaker.EQ606X"), true},
        {kDeviceQZX2201, Golden("speaker.EQ241X"), false},
        {kDeviceQZX2410, Golden("qzx2201.eq"), false},
        {kDeviceQZX2201, measurement, false},
        {kDeviceQZX6060, measurement, false},
        {kDeviceQZX2202, empty, false},
        {kDeviceQZX2410, empty, false},
    };
    for (const auto& c : cases)
    {
        device.id = c.id;
        Lines() = {"kept\r\n"};
        family->m_DataLines = {"kept\r\n"};
        doc->m_EqFileStatus.SetName(Path("speaker.eq"));
        family->SetDataFileName(Path("speaker.EQ241X"));
        messages.texts.clear();
        editor.seen.clear();
        Answer(c.path);
        commands->Execute(Cmd::kOpenDeviceData);
        const bool eq = c.id == kDeviceQZX2201 || c.id == kDeviceQZX2202;
        const std::vector<std::string>& lines = eq ? Lines() : family->m_DataLines;
        const std::string name = eq ? Status().GetName() : family->GetDataFileName();
        EXPECT_EQ(messages.texts.empty(), c.opened) << c.path;
        EXPECT_EQ(editor.seen.size(), c.opened ? 1u : 0u) << c.path;
        EXPECT_EQ(name, c.opened ? c.path
                        : eq     ? Path("speaker.eq")
                                 : Path("speaker.EQ241X"))
            << c.path;
        if (!c.opened)
        {
            EXPECT_EQ(lines, std::vector<std::string>{"kept\r\n"}) << c.path;
            ASSERT_EQ(messages.texts.size(), 1u);
            EXPECT_NE(messages.texts[0].find(c.path), std::string::npos);
        }
    }
}

namespace
{
// A golden file of the family with one of its lines (1-based) replaced.
std::string WithLine(const std::string& golden, int nLine, const std::string& line)
{
    std::vector<std::string> lines = SplitDeviceDataText(ReadFile(golden.c_str()));
    lines[std::size_t(nLine - 1)] = line + "\r\n";
    return JoinDeviceDataLines(lines);
}

// A line that no device data of the family may hold, at a line of its golden file, and
// why, as every way in names it after "line <n> ("<line>") ".
struct CFaultyLine
{
    EDeviceId id;
    int nLine;
    const char* line;
    const char* why;
};
const char kEqWord[] = " where a coefficient word of the QZX2201/QZX2202 belongs: one to six "
                       "hexadecimal digits, such as 0FFF5A";
const char kFamilyRegisterWord[] =
    " where a coefficient word of the QZX241X belongs: eight hexadecimal digits of a 28-bit "
    "word filled with its sign, such as 00800000 or FF800000";
const char kFamilyWordLine[] =
    "is no coefficient word of the QZX241X: four blank-led pairs of hexadecimal digits of a "
    "28-bit word filled with its sign, such as \" 00 80 00 00\" or \" FF 80 00 00\"";
const char kNotTaken[] = "gives a filter that cannot be taken as the line gives it: ";
const CFaultyLine kFaultyLines[] = {
    {kDeviceQZX2201, 17, "0A nan E046D6 0FFF5A E046D6 0FFF3E", "holds \"nan\""},
    {kDeviceQZX2201, 23, "13 010000 010111 010222 010333 1010444", "holds \"1010444\""},
    {kDeviceQZX2202, 23, "13 010000 010111 010222 -10333 010444", "holds \"-10333\""},
    {kDeviceQZX2201, 18, "0B 020000 020111 020222", "holds no word"},
    {kDeviceQZX2201, 18, "0B 020000 020111 inf 020333 020444", "holds \"inf\""},
    {kDeviceQZX2202, 36, "21 000000 0x1234 000000 000000 000000", "holds \"0x1234\""},
    {kDeviceQZX2201, 11, "!# EQ-1, nan, 2.000000, 100.000000, No, Yes, 1", ""},
    {kDeviceQZX2202, 12, "!# EQ-2, 6.000000, 2.000000, 1e400, No, Yes, 2", ""},
    {kDeviceQZX2410, 11, "!# EQ-1, -inf, 2.000000, 100.000000, No, Yes, 1", ""},
    {kDeviceQZX2201, 11, "!# EQ-1, abc, 2.000000, 100.000000, No, Yes, 1", ""},
    {kDeviceQZX2202, 12, "!# EQ-2, 6.000000, 2.000000, 100.000000, No, Maybe, 2", ""},
    {kDeviceQZX2410, 11, "!# EQ-1, -3,5, 2.000000, 100.000000, No, Yes, 1", ""},
    // A fixed setting is a level: read whole, within the levels the program holds.
    {kDeviceQZX2201, 29, "4 -99999999999999999999999.0 Volume", "-99999999999999999999999.0"},
    {kDeviceQZX2201, 30, "5 abc Treble", "abc"},
    {kDeviceQZX2202, 35, "7 -12.0dB Mixer1", "-12.0dB"},
    {kDeviceQZX2410, 21, "34 00800000 nan 00800000 00800000 00800000", "holds \"nan\""},
    {kDeviceQZX2410, 21, "4F 00800000 7FFFFFFF 00800000 00800000 00800000", "holds \"7FFFFFFF\""},
    {kDeviceQZX2410, 24, " FF 80 nan 00", ""},
    {kDeviceQZX2410, 25, " 7F FF FF FF", ""},
    {kDeviceQZX2410, 26, " 00 00 00 00 00", ""},
};

std::string GoldenOf(EDeviceId id)
{
    return id == kDeviceQZX2410   ? "speaker.EQ241X"
           : id == kDeviceQZX2202 ? "qzx2202.eq"
                                  : "qzx2201.eq";
}

// What follows "line <n> ("<line>") " in the messages.
std::string WhyOf(const CFaultyLine& c)
{
    const std::string line = c.line;
    const std::size_t gain = line.find(", ") + 2;
    const std::string field = line.substr(gain, line.find(',', gain) - gain);
    if (line.find("1e400") != std::string::npos)
        return std::string(kNotTaken) + "its Center Frequency \"1e400\" is not a finite number; "
                                        "give it one number in digits alone, such as 1000.0";
    if (line.find("Maybe") != std::string::npos)
        return std::string(kNotTaken) + "its Active field \"Maybe\" is neither Yes nor No";
    if (line.find("-3,5") != std::string::npos)
        return std::string(kNotTaken) + "its Gain in DB \"-3,5\" has a decimal comma; write the "
                                        "number with a decimal point, such as -3.5";
    if (line.rfind("!#", 0) == 0)
        return std::string(kNotTaken) + "its Gain in DB \"" + field +
               "\" is not a finite number; give it one number in digits alone, such as -3.0";
    if (std::isdigit(static_cast<unsigned char>(line[0])) && line[1] == ' ' &&
        std::string(c.why).find(' ') == std::string::npos)
        return "holds \"" + std::string(c.why) + "\" where the level of the " +
               line.substr(line.rfind(' ') + 1) +
               " setting belongs: one number of dB from -1000 to 1000 in digits alone, such as "
               "-6.0";
    if (line[0] == ' ')
        return kFamilyWordLine;
    return std::string(c.why) + (c.id == kDeviceQZX2410 ? kFamilyRegisterWord : kEqWord);
}
} // namespace

// "0A nan E046D6 ..." or "!# EQ-1, nan, ..." opened, then written back out as they were: a
// word that no word of the chip is, or a parameter line the read-back refuses, is refused
// with its line wherever device data comes in (a file opened, a text accepted in the
// editor) and by every writer, and the data in hand, the files and the modes stay as
// they were.
TEST_F(CommandsTest, DeviceDataHoldingWhatIsNoWordOrNoNumberIsRefusedByEveryWayIn)
{
    for (const CFaultyLine& c : kFaultyLines)
    {
        device.id = c.id;
        const bool eq = c.id != kDeviceQZX2410;
        const std::string golden = GoldenOf(c.id);
        const std::string faulty = WithLine(golden, c.nLine, c.line);
        const std::string fault =
            "line " + std::to_string(c.nLine) + " (\"" + c.line + "\") " + WhyOf(c);
        const std::string path = Path("faulty data");
        std::ofstream(path, std::ios::binary) << faulty;

        // Opened from a file: refused with the file and the line.
        Lines() = {"kept\r\n"};
        family->m_DataLines = {"kept\r\n"};
        messages.texts.clear();
        editor.seen.clear();
        CWrittenState before = State();
        Answer(path);
        commands->Execute(Cmd::kOpenDeviceData);
        EXPECT_EQ(messages.texts, std::vector<std::string>{"The file \"" + path +
                                                           "\" was not opened: " + fault + "."})
            << c.line;
        ++before.dialogRequests;
        EXPECT_TRUE(State() == before) << c.line;

        // Typed into the editor over the golden data: not taken.
        const std::string good = Path("good data");
        std::filesystem::copy_file(Golden(golden.c_str()), good,
                                   std::filesystem::copy_options::overwrite_existing);
        Answer(good);
        commands->Execute(Cmd::kOpenDeviceData);
        ASSERT_EQ(messages.texts.size(), 1u) << c.line;
        editor.edit = [&](std::vector<std::string>& lines) { lines = SplitDeviceDataText(faulty); };
        before = State();
        commands->Execute(Cmd::kEditDeviceData);
        editor.edit = nullptr;
        EXPECT_EQ(messages.texts.back(), "The edited device data was not taken: " + fault + ".")
            << c.line;
        ++before.editorCalls;
        EXPECT_TRUE(State() == before) << c.line;

        // Lines in hand that hold it (as no way in now gives them) are not written.
        (eq ? Lines() : family->m_DataLines) = SplitDeviceDataText(faulty);
        before = State();
        const std::string written = Path(eq ? "written.eq" : "written.EQ241X");
        EXPECT_FALSE(commands->SaveTo(
            eq ? IDeviceDataFiles::kEqData : IDeviceDataFiles::kFamilyData, written))
            << c.line;
        EXPECT_EQ(messages.texts.back(),
                  "The device data was not written to \"" + written + "\": " + fault + ".")
            << c.line;
        EXPECT_TRUE(State() == before) << c.line;
    }
}
