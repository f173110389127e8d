#include "device/DeviceDataText.h"
#include "device/QZX2410_Manager.h"

#include "tests/device/DeviceFixture.h"

#include <cmath>

namespace
{
std::string Compact(const std::string& word)
{
    std::string out;
    for (char ch : word)
        if (ch != ' ')
            out += ch;
    return out;
}

double Truncated(double x)
{
    return std::trunc(x * 8388608.0) / 8388608.0;
}

class FamilyTest : public DeviceTest
{
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        device.id = kDeviceQZX2410;
        manager = std::make_unique<CQZX2410_Manager>(MakeServices());
        manager->SetDocument(doc.get());
    }
    void TearDown() override
    {
        manager.reset();
        DeviceTest::TearDown();
    }
    std::string Generated(const std::string& name)
    {
        manager->SetDataFileName(name);
        EXPECT_TRUE(manager->GenerateDeviceData());
        return JoinDeviceDataLines(manager->m_DataLines);
    }
    std::unique_ptr<CQZX2410_Manager> manager;
};
} // namespace

TEST(QZX2410Words, WordsAreSignFilledPairsAndSaturate)
{
    const struct
    {
        double value;
        const char* name;
        const char* word;
        bool saturated;
    } cases[] = {
        {1.0, "B0", " 00 80 00 00", false},  {-1.0, "B1", " FF 80 00 00", false},
        {0.5, "B2", " 00 40 00 00", false},  {-0.5, "B0", " FF C0 00 00", false},
        {-1.8, "A1", " 00 E6 66 66", false}, {1.8, "B0", " 00 E6 66 66", false},
        {-2.1, "B0", " FE F3 33 34", false}, {-16.0, "B0", " F8 00 00 00", false},
        {16.0, "B0", " 07 FF FF FF", true},  {-17.0, "B2", " F8 00 00 00", true},
        {16.0, "A2", " F8 00 00 00", false}, {-16.0, "A2", " 07 FF FF FF", true},
        {NAN, "B0", " 00 00 00 00", true},   {0.0, "A8", " 00 00 00 00 00 00 00 00", false},
    };
    for (const auto& c : cases)
    {
        bool saturated = !c.saturated;
        EXPECT_EQ(CQZX2410_Manager::CoefficientToHex(c.value, c.name, &saturated), c.word)
            << c.value << " " << c.name;
        EXPECT_EQ(saturated, c.saturated) << c.value << " " << c.name;
    }
}

TEST(QZX2410Words, ReadingBackInvertsTheWriter)
{
    const struct
    {
        const char* text;
        const char* name;
        double value;
    } cases[] = {
        {"FEF33334", "B0", Truncated(-2.1)},
        {"FFC00000", "B0", -0.5},
        {"FC00000", "B1", -0.5},
        {"00400000", "B2", 0.5},
        {"C00000", "B0", -0.5},
        {"400000", "B0", 0.5},
        {"FFC00000", "A1", 0.5},
        {"00800000\r\n", "A2", -1.0},
        {"0080000Z", "B0", 0.0625},
        {"", "B0", 0.0},
        {"123456789", "B0", 0.0},
        {"  F8000000", "B0", -16.0},
        {"07FFFFFF", "B0", 16.0 - 1.0 / 8388608.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CQZX2410_Manager::HexToCoefficient(c.text, c.name), c.value) << c.text;
    // Over the whole range, for forward and feedback names alike.
    for (double x = -15.99; x < 16.0; x += 0.0137)
        for (const char* name : {"B0", "A1"})
            EXPECT_EQ(CQZX2410_Manager::HexToCoefficient(
                          Compact(CQZX2410_Manager::CoefficientToHex(x, name)), name),
                      Truncated(x))
                << x << " " << name;
}

TEST(FamilyWords, WordsNoWriterGivesAreOutsideTheRangeAndReadNothing)
{
    // Eight digits are the 28-bit word sign-filled to 32 bits, nothing else.
    for (const char* text : {"08000000", "7FFFFFFF", "80000000", "F7FFFFFF", "0FFFFFFF",
                             "123456789", " 10000000\r\n"})
    {
        EXPECT_FALSE(CQZX2410_Manager::IsWordInRange(text)) << text;
        EXPECT_EQ(CQZX2410_Manager::HexToCoefficient(text, "B0"), 0.0) << text;
    }
    for (const char* text : {"07FFFFFF", "F8000000", "FFFFFFFF", "00000000", "FFFFFFF", "", "ZZ"})
        EXPECT_TRUE(CQZX2410_Manager::IsWordInRange(text)) << text;
}

TEST_F(FamilyTest, RegisterLinesWithAWordOutsideTheRangeAreNamedAndNotTaken)
{
    // A generated entry holds six text lines; the line named is the text's.
    manager->m_DataLines = {"Q1\r\n 00 80 00 00\r\n 00 00 00 00\r\n 00 00 00 00\r\n"
                            " 00 00 00 00\r\n 00 00 00 00\r\n",
                            "34 00800000 00000000 00000000 7FFFFFFF 00000000\r\n",
                            "35 00400000 00000000 00000000 00000000 00000000\r\n"};
    CMatrixPtrArray listA, listB;
    std::vector<std::string> refused;
    ASSERT_EQ(manager->ImportCoefficients(listA, listB, &refused), 1);
    EXPECT_EQ(listB.GetAt(0).RealElement(1), 0.5);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0], "Line 7 of the device data: the word \"7FFFFFFF\" is outside the "
                          "range of the device's coefficient words; the register line was not "
                          "taken.");
}

TEST_F(FamilyTest, GeneratesTheGoldenFilesOfBothFamilies)
{
    const struct
    {
        EDeviceId id;
        int sections;
        const char* file;
    } cases[] = {{kDeviceQZX2410, 10, "speaker.EQ241X"}, {kDeviceQZX6060, 3, "speaker.EQ606X"}};
    for (const auto& c : cases)
    {
        doc->m_FilterLists.RemoveAll();
        AddGoldenSections(c.sections);
        device.id = c.id;
        EXPECT_EQ(Generated(c.file), ReadFile(c.file)) << c.file;
        EXPECT_TRUE(manager->m_FileStatus.m_GeneratedMode.IsOn());
        EXPECT_TRUE(manager->m_FileStatus.m_HasFilterSectionMode.IsOn());
        EXPECT_TRUE(manager->m_FileStatus.m_SavedMode.IsOff());
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FamilyTest, WithoutTheFilterEditorOnlyTheHeaderAndTheChannelLine)
{
    AddGoldenSections(3);
    app.filterEditorCreated = false;
    manager->SetDataFileName("x.EQ241X");
    manager->GenerateDeviceData();
    ASSERT_EQ(manager->m_DataLines.size(), 11u);
    EXPECT_EQ(manager->m_DataLines[10], "! Channel Number 1\r\n");
}

TEST_F(FamilyTest, SixteenSectionsAreWrittenAndTheRestNamed)
{
    for (int i = 1; i <= 20; ++i)
        AddSection("EQ-" + std::to_string(i), {0.5, 0.0, 0.0}, {0.0, 0.0}, i);
    const std::string text = Generated("x.EQ241X");
    EXPECT_NE(text.find("!# EQ-16\r\n! Channel Number 1\r\n"), std::string::npos);
    EXPECT_EQ(text.find("EQ-17"), std::string::npos);
    EXPECT_NE(text.find("\r\nQF\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 75, 4), "Q10\r");
    ASSERT_EQ(messages.texts.size(), 1u);
    for (const char* label : {"EQ-17 was left out", "EQ-20 was left out"})
        EXPECT_NE(messages.texts[0].find(label), std::string::npos) << messages.texts[0];
}

TEST_F(FamilyTest, SaturatedWordsNameTheirFilter)
{
    AddSection("EQ-9", {20.0, 0.0, 0.0}, {0.0, 0.0}, 1);
    const std::string text = Generated("x.EQ241X");
    EXPECT_NE(text.find(" 07 FF FF FF\r\n"), std::string::npos);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("EQ-9: coefficient B0"), std::string::npos);
}

TEST_F(FamilyTest, OpenShowsTheFilesOwnLinesAndRecordsSavedOnlyWhenAccepted)
{
    AddGoldenSections(2); // the grids hold filters: still the file's own lines are shown
    const std::string golden = std::string(MORVANE_TEST_DATA_DIR) + "/speaker.EQ241X";
    const auto lines = SplitDeviceDataText(ReadFile("speaker.EQ241X"));
    struct
    {
        bool ok;
        bool edits;
        bool saved;
        bool acceptedBefore; // Cancel leaves the accepted mode as it was
    } const cases[] = {{true, false, true, false},
                       {true, true, false, false},
                       {false, false, false, true},
                       {false, false, false, false}};
    for (const auto& c : cases)
    {
        manager->m_FileStatus.m_AcceptedMode.SetState(c.acceptedBefore);
        dialogs.answers.push_back(golden);
        editor.ok = c.ok;
        editor.edit = c.edits ? [](std::vector<std::string>& l) { l.push_back("x\r\n"); }
                              : std::function<void(std::vector<std::string>&)>();
        ASSERT_TRUE(manager->OpenDeviceData());
        EXPECT_EQ(editor.seen.back(), lines);
        EXPECT_EQ(manager->m_FileStatus.m_SavedMode.IsOn(), c.saved);
        EXPECT_EQ(manager->m_FileStatus.m_AcceptedMode.IsOn() != 0, c.ok || c.acceptedBefore);
        EXPECT_TRUE(manager->IsDeviceDataFromFile());
        EXPECT_TRUE(manager->HasFilterParameters());
        EXPECT_EQ(manager->GetDataFileName(), golden);
    }
    EXPECT_EQ(dialogs.requests.back().filter, "QZX241X EQ Files[*.EQ241X]|*.EQ241X||");
    EXPECT_EQ(app.Settings().m_strKT47Directory, MORVANE_TEST_DATA_DIR);

    dialogs.answers.push_back(""); // cancelled
    EXPECT_FALSE(manager->OpenDeviceData());
}

TEST_F(FamilyTest, SaveWritesTheFullPathAndReportsAFailedWrite)
{
    AddGoldenSections(10);
    const std::string path = Path("speaker.EQ241X");
    Generated(path);
    // Generated lines are saved with Save As: the dialog proposes the bare name.
    dialogs.answers = {path};
    ASSERT_TRUE(manager->SaveAsDeviceData());
    EXPECT_EQ(ReadFileBytes(path),
              ReadFile("speaker.EQ241X").replace(8, 14, path)); // NAME holds the full path
    EXPECT_TRUE(manager->IsDeviceDataSaved());

    // Opened lines: Save writes to the same full path, the bare name in the NAME line.
    dialogs.answers.push_back(path);
    ASSERT_TRUE(manager->OpenDeviceData());
    manager->m_DataLines[2] = "! Speaker Model #     : 7\r\n";
    ASSERT_TRUE(manager->SaveDeviceData());
    const auto back = SplitDeviceDataText(ReadFileBytes(path));
    EXPECT_EQ(back[0], "! NAME: speaker.EQ241X\r\n");
    EXPECT_EQ(back[2], "! Speaker Model #     : 7\r\n");

    manager->SetDataFileName(root + "/missing folder/speaker.EQ241X");
    EXPECT_FALSE(manager->SaveDeviceData());
    EXPECT_EQ(messages.texts.size(), 1u);
}

TEST_F(FamilyTest, CancellingTheEditorOrTheDialogCancelsTheSave)
{
    AddGoldenSections(2);
    const std::string path = Path("cancelled.EQ241X");
    Generated(path);
    editor.ok = false;
    dialogs.answers = {path};
    EXPECT_FALSE(manager->SaveAsDeviceData());
    EXPECT_TRUE(dialogs.requests.empty());
    editor.ok = true;
    dialogs.answers = {""};
    EXPECT_FALSE(manager->SaveAsDeviceData());
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(manager->IsDeviceDataSaved());
    // Generated lines are not saved by Save (only lines from a file are).
    EXPECT_FALSE(manager->SaveDeviceData());
}

TEST_F(FamilyTest, ReplacingTheBlockKeepsEveryOtherLine)
{
    AddGoldenSections(10);
    const std::string golden = std::string(MORVANE_TEST_DATA_DIR) + "/speaker.EQ241X";
    dialogs.answers = {golden};
    ASSERT_TRUE(manager->OpenDeviceData());
    manager->m_DataLines[2] = "! Speaker Model #     : X1\r\n";
    const std::vector<std::string> tail = {"// loudness\r\n", "x91  00 00 00 00\r\n",
                                           "6A extra line\r\n"};
    manager->m_DataLines.insert(manager->m_DataLines.end(), tail.begin(), tail.end());
    const std::vector<std::string> head(manager->m_DataLines.begin(),
                                        manager->m_DataLines.begin() + 10);

    doc->m_FilterLists.RemoveAll();
    AddGoldenSections(3);
    ASSERT_TRUE(manager->ReplaceFilterBlock());
    const std::vector<std::string> replaced = manager->m_DataLines;
    Generated("other");
    std::vector<std::string> expected = head;
    expected.insert(expected.end(), manager->m_DataLines.begin() + 10, manager->m_DataLines.end());
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(replaced, expected);
}

TEST_F(FamilyTest, ImportsRegisterLinesOfAnyRow)
{
    manager->m_DataLines = {"!# EQ-1, 1, 2, 3, No, Yes, 1\r\n",
                            "34 00800000 FFC00000 FC00000 FF000000 00400000\r\n",
                            "Q1\r\n",
                            " 00 80 00 00\r\n",
                            "99 00800000\r\n",
                            "72 00400000\r\n"};
    CMatrixPtrArray listA, listB;
    ASSERT_EQ(manager->ImportCoefficients(listA, listB), 2);
    const double expected[2][6] = {{1.0, 2.0, -0.5, 1.0, -0.5, -0.5},
                                   {1.0, 0.0, 0.0, 0.5, 0.0, 0.0}};
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_EQ(listA.GetAt(k).RealElement(i + 1), expected[k][i]) << k << " " << i;
            EXPECT_EQ(listB.GetAt(k).RealElement(i + 1), expected[k][3 + i]) << k << " " << i;
        }
    std::vector<std::string> comments;
    manager->GetCommentLines(comments);
    EXPECT_EQ(comments, std::vector<std::string>{"!# EQ-1, 1, 2, 3, No, Yes, 1\r\n"});
}

TEST_F(FamilyTest, DataFileNameFollowsTheRawFileAndTheFamily)
{
    manager->SetDataFileNameFromRaw("/a.b/speaker.raw");
    EXPECT_EQ(manager->GetDataFileName(), "/a.b/speaker.EQ241X");
    device.id = kDeviceQZX6060;
    manager->SetDataFileNameFromRaw("/a.b/noext");
    EXPECT_EQ(manager->GetDataFileName(), "/a.b/noext.EQ606X");
}
