#include "GoldenText.h"
#include "LoudnessFakes.h"
#include "device/DeviceDataText.h"
#include "framework/core/Services.h"
#include "loudness/QZX2410_LoudnessManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace
{
class QZX2410LoudnessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Services::SetMessageBox(&m_Box);
        Services::SetFileDialogs(&m_Dialogs);
        m_Manager.SetDocument(&m_Doc);
        m_Manager.SetManager(&m_Data);
    }
    void TearDown() override
    {
        Services::SetMessageBox(nullptr);
        Services::SetFileDialogs(nullptr);
    }
    std::string AddFilter(double B0, double A1, const double (&scaling)[4])
    {
        std::string name;
        EXPECT_TRUE(m_Manager.AddLoudnessCoefficients(B0, 0, 0, A1, 0, 1, 1, name));
        EXPECT_TRUE(m_Manager.AddGainOffset(scaling[0], scaling[1], scaling[2], scaling[3], name));
        return name;
    }
    std::string SaveToTemp(bool bQZX6060)
    {
        const auto path = std::filesystem::temp_directory_path() /
                          ("morvane_ld_" + std::to_string(::getpid()) + ".LD");
        m_Dialogs.answers.push_back(path.string());
        const bool ok = bQZX6060 ? m_Manager.SaveAsLD606X() : m_Manager.SaveAsLD241X();
        std::string text = ok ? ReadFileBytes(path.string()) : std::string("<not saved>");
        std::filesystem::remove(path);
        return text;
    }

    CRecordingMessageBox m_Box;
    CScriptedFileDialogs m_Dialogs;
    CFakeLoudnessDocument m_Doc;
    CFakeDeviceData m_Data;
    CFlatSectionDesigner m_Designer;
    bool m_bQZX6060 = false;
    CQZX2410_LoudnessManager m_Manager{&m_Designer, [this] { return m_bQZX6060; }};
};
} // namespace

TEST(QZX2410LoudnessWords, HexWords)
{
    const struct
    {
        double value;
        const char* key;
        const char* text;
    } cases[] = {
        {1.0, "B0", " 00 80 00 00"},
        {-1.0, "B0", " FF 80 00 00"},
        {1.0, "A1", " FF 80 00 00"},
        {1.0, "A8", " 00 00 00 00 00 80 00 00"},
        {-1.0, "A8", " 00 00 00 00 0F 80 00 00"},
        {0.0, "A2", " 00 00 00 00"},
        {0.0, "A8", " 00 00 00 00 00 00 00 00"},
        {-16.0, "B0", " F8 00 00 00"},
        // Out of range: limited, never wrapped to the other sign.
        {16.0, "B0", " 07 FF FF FF"},
        {100.0, "A4", " 07 FF FF FF"},
        {-100.0, "B1", " F8 00 00 00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CQZX2410_LoudnessManager::FormatHexWords(c.value, c.key), c.text)
            << c.value << " " << c.key;
    bool saturated = false;
    CQZX2410_LoudnessManager::FormatHexWords(16.0, "B0", &saturated);
    EXPECT_TRUE(saturated);
}

TEST_F(QZX2410LoudnessTest, DefaultChannelLines)
{
    const auto& lines = m_Manager.DataFileLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "AB 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00    "
                        "Channel 2 Loudness Biquad\r\n");
}

TEST_F(QZX2410LoudnessTest, BothTextLayoutsAndTheirFiles)
{
    EXPECT_EQ(SaveToTemp(false), "<not saved>");
    EXPECT_EQ(m_Box.texts.size(), 1u);
    const std::string first = AddFilter(0.5, 0.0, {0.5, 0, 0, 0});
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, first));
    EXPECT_EQ(SaveToTemp(false), GoldenText("loudness_qzx2410.LD241X"));
    m_bQZX6060 = true;
    const std::string second = AddFilter(0.5, 0.25, {-0.5, 0.25, 1.0, -1.0});
    ASSERT_TRUE(m_Manager.AddToDataFileByName(second));
    EXPECT_EQ(SaveToTemp(true), GoldenText("loudness_qzx6060.LD606X"));
    EXPECT_EQ(m_Dialogs.requests.back().defaultExtension, ".LD606X");
}

TEST_F(QZX2410LoudnessTest, MergeReplacesTheBlockMergedBefore)
{
    m_Data.lines = {"A0 01\r\n", "A6 00 00\r\n", "A6 second\r\n"};
    const std::string name = AddFilter(0.5, 0.0, {0.5, 0, 0, 0});
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, name));
    ASSERT_EQ(m_Data.lines.size(), 3u);
    EXPECT_EQ(m_Data.lines[1], m_Manager.LoudnessText());
    EXPECT_EQ(m_Data.lines[2], "A6 second\r\n");
    const std::string other = AddFilter(0.25, 0.0, {0.5, 0, 0, 0});
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, other));
    ASSERT_TRUE(m_Manager.MergeIntoDataFile(m_Data.lines));
    ASSERT_EQ(m_Data.lines.size(), 3u);
    EXPECT_EQ(m_Data.lines[1], m_Manager.LoudnessText());
}

// The editor joins the lines and splits them again, so the block merged as one entry comes
// back as six lines; the next merge still replaces it instead of adding a second block.
TEST_F(QZX2410LoudnessTest, MergeReplacesTheBlockAfterTheEditorSplitIt)
{
    m_Data.lines = {"A0 01\r\n", "B0 tail\r\n"};
    const std::string name = AddFilter(0.5, 0.0, {0.5, 0, 0, 0});
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, name));
    ASSERT_EQ(m_Data.lines.size(), 3u);
    m_Data.lines = SplitDeviceDataText(JoinDeviceDataLines(m_Data.lines));
    ASSERT_EQ(m_Data.lines.size(), 8u); // "L" and five words
    const std::string other = AddFilter(0.25, 0.0, {0.5, 0, 0, 0});
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, other));
    ASSERT_EQ(m_Data.lines.size(), 3u);
    EXPECT_EQ(m_Data.lines[0], "A0 01\r\n");
    EXPECT_EQ(m_Data.lines[1], "B0 tail\r\n");
    EXPECT_EQ(m_Data.lines[2], m_Manager.LoudnessText());
}

TEST_F(QZX2410LoudnessTest, MergeAppendsForTheChannelWithoutItsRegister)
{
    m_Data.nChannel = 3;
    m_Data.lines = {"A6 x\r\n"};
    const std::string name = AddFilter(0.5, 0.0, {0.5, 0, 0, 0});
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, name));
    ASSERT_EQ(m_Data.lines.size(), 2u);
    EXPECT_EQ(m_Data.lines[0], "A6 x\r\n");
    m_Manager.AddToDataFileMode().TurnOff();
    EXPECT_FALSE(m_Manager.MergeIntoDataFile(m_Data.lines));
}

TEST_F(QZX2410LoudnessTest, PlotGainLaws)
{
    double P = -1.0;
    m_bQZX6060 = true;
    ASSERT_TRUE(m_Manager.CalculatePlotGain(1.0, 0, 0, 20, 0, &P));
    EXPECT_EQ(P, 15.5);
    ASSERT_TRUE(m_Manager.CalculatePlotGain(1.0, 0, 0, 10, 0, &P));
    EXPECT_EQ(P, 10.0);
    ASSERT_TRUE(m_Manager.CalculatePlotGain(0.5, 1.0, 0, 1, 0, &P));
    EXPECT_DOUBLE_EQ(P, 0.5);
    m_bQZX6060 = false;
    // Volume 1: base2log(2^43) = 3.9375, e = -0.0625; base2alog(-4.0625) takes 0: 15.5.
    ASSERT_TRUE(m_Manager.CalculatePlotGain(1.0, 1.0, 0, 1, 0, &P));
    EXPECT_EQ(P, 15.5);
    P = -1.0;
    for (bool b6060 : {true, false})
    {
        m_bQZX6060 = b6060;
        for (double V : {0.0, -1.0, 16.0, std::nan("")})
            EXPECT_FALSE(m_Manager.CalculatePlotGain(V, 0.5, 0, 1, 0, &P)) << V;
        // An unbounded power: no infinity comes back.
        EXPECT_FALSE(m_Manager.CalculatePlotGain(1.0, 1.0, 1e9, -1, 0, &P));
    }
    EXPECT_EQ(P, -1.0);
    m_bQZX6060 = true;
    ASSERT_TRUE(m_Manager.CalculatePlotGain(1.0, 1.0, 1e9, 1, 0, &P));
    EXPECT_EQ(P, 15.5);
}

TEST_F(QZX2410LoudnessTest, GainOffsetRecordsFollowTheirFilters)
{
    const std::string name = AddFilter(0.5, 0.0, {0.5, 0, 0, 0});
    EXPECT_FALSE(m_Manager.AddGainOffset(0, 0, 0, 0, "XY-1"));
    EXPECT_NE(m_Manager.FindGainOffset(m_Manager.GainOffsets(kLoudnessCoeff), name), nullptr);
    CRecordingEditor editor;
    m_Manager.SetEditor(&editor);
    ASSERT_TRUE(m_Manager.EditLoudnessFilterByName(name));
    EXPECT_EQ(editor.hadGainOffset, std::vector<bool>{true});
    ASSERT_TRUE(m_Manager.RemoveLoudnessFilter(name));
    EXPECT_EQ(m_Manager.GainOffsets(kLoudnessCoeff)->GetSize(), 0);
    EXPECT_EQ(m_Manager.List(kLoudnessCoeff)->GetSize(), 0);
    EXPECT_FALSE(m_Manager.AddToDataFile(kLoudnessCoeff, name));
    EXPECT_FALSE(m_Manager.EditLoudnessFilter(kLoudnessCoeff, name));
}

TEST_F(QZX2410LoudnessTest, ASectionThatIsNotFiniteIsNeitherMergedNorSaved)
{
    m_Data.lines = {"A0 01\r\n"};
    const std::string name = AddFilter(0.5, 0.0, {0.5, 0, 0, 0});
    CLoudnessInfo& record = *m_Manager.List(kLoudnessCoeff)->GetAt(0);
    record.m_dB1 = std::nan("");
    for (bool bQZX6060 : {false, true})
    {
        m_bQZX6060 = bQZX6060;
        m_Box.texts.clear();
        EXPECT_FALSE(m_Manager.AddToDataFile(kLoudnessCoeff, name));
        EXPECT_TRUE(m_Manager.AddToDataFileMode().IsOff());
        EXPECT_TRUE(m_Manager.LoudnessText().empty());
        EXPECT_EQ(m_Data.lines, std::vector<std::string>{"A0 01\r\n"});
        ASSERT_EQ(m_Box.texts.size(), 1u);
        EXPECT_NE(m_Box.texts[0].find("not finite"), std::string::npos);
    }
    EXPECT_EQ(SaveToTemp(true), "<not saved>");
}
