#include "GoldenText.h"
#include "LoudnessFakes.h"
#include "framework/core/Services.h"
#include "loudness/QZX2202LoudnessManager.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
class QZX2202LoudnessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Services::SetMessageBox(&m_Box);
        m_Manager.SetDocument(&m_Doc);
        m_Manager.SetDeviceData(&m_Data);
        std::string name;
        ASSERT_TRUE(m_Manager.AddLoudnessCoefficients(1.0, -1.0, 0.5, 0.0, 0.0, 1, 1, name));
    }
    void TearDown() override { Services::SetMessageBox(nullptr); }

    CRecordingMessageBox m_Box;
    CFakeLoudnessDocument m_Doc;
    CFakeDeviceData m_Data;
    CFlatSectionDesigner m_Designer;
    CQZX2202LoudnessManager m_Manager{&m_Designer};
};
} // namespace

TEST_F(QZX2202LoudnessTest, DefaultLinesAreNotMergedBeforeAFilterIsChosen)
{
    EXPECT_EQ(m_Manager.DataFileLines()[0],
              "21 000000 000000 000000 000000 000000    Left Loudness Biquad\r\n");
    EXPECT_EQ(m_Manager.DataFileLines()[1],
              "22 000000 000000 000000 000000 000000    Right Loudness Biquad\r\n");
    std::vector<std::string> lines = {"01 000000\r\n"};
    EXPECT_FALSE(m_Manager.MergeIntoDataFile(lines));
    EXPECT_EQ(lines.size(), 1u);
}

TEST_F(QZX2202LoudnessTest, MergeReplacesInPlaceEveryTime)
{
    m_Data.lines = {"01 000000\r\n", "21 old\r\n", "22 old\r\n", "23 000000\r\n"};
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, "LDC-1"));
    EXPECT_EQ(m_Data.lines, GoldenLines("qzx2202_merged_in_place.txt"));
    // Adding again, or regenerating, leaves one block.
    ASSERT_TRUE(m_Manager.AddToDataFileByName("LDC-1"));
    ASSERT_TRUE(m_Manager.MergeIntoDataFile(m_Data.lines));
    EXPECT_EQ(m_Data.lines, GoldenLines("qzx2202_merged_in_place.txt"));
}

TEST_F(QZX2202LoudnessTest, MergeAppendsLeftThenRightWhenMissing)
{
    m_Data.lines = {"01 000000\r\n", "23 000000\r\n"};
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, "LDC-1"));
    EXPECT_EQ(m_Data.lines, GoldenLines("qzx2202_merged_appended.txt"));
    ASSERT_TRUE(m_Manager.MergeIntoDataFile(m_Data.lines));
    EXPECT_EQ(m_Data.lines, GoldenLines("qzx2202_merged_appended.txt"));
}

TEST_F(QZX2202LoudnessTest, EveryLineStartingWithTheRegisterIsReplaced)
{
    m_Data.lines = {"21 a\r\n", "21 b\r\n", "22 c\r\n"};
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, "LDC-1"));
    ASSERT_EQ(m_Data.lines.size(), 3u);
    EXPECT_EQ(m_Data.lines[0], m_Data.lines[1]);
    EXPECT_EQ(m_Data.lines[0], m_Manager.DataFileLines()[0]);
}

TEST_F(QZX2202LoudnessTest, WithoutDeviceDataTheLinesWait)
{
    m_Data.bHasData = false;
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, "LDC-1"));
    EXPECT_TRUE(m_Data.lines.empty());
    EXPECT_EQ(m_Manager.DataFileLines()[0],
              "21 100000 F00000 080000 000000 000000    Left Loudness Biquad\r\n");
}

TEST_F(QZX2202LoudnessTest, OutOfRangeWordsSaturateWithAWarning)
{
    std::string name;
    ASSERT_TRUE(m_Manager.AddLoudnessCoefficients(9.0, -9.0, 0, 0, 0, 1, 1, name));
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, name));
    EXPECT_EQ(m_Manager.DataFileLines()[0].substr(0, 17), "21 7FFFFF 800000 ");
    EXPECT_EQ(m_Box.texts.size(), 1u);
}

TEST_F(QZX2202LoudnessTest, ASectionThatIsNotFiniteNeverReachesTheLines)
{
    m_Data.lines = {"01 000000\r\n"};
    const std::vector<std::string> defaults = m_Manager.DataFileLines();
    CLoudnessInfo& record = *m_Manager.List(kLoudnessCoeff)->GetAt(0);
    for (const double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL})
    {
        m_Box.texts.clear();
        record.m_dB2 = bad;
        EXPECT_FALSE(m_Manager.AddToDataFile(kLoudnessCoeff, "LDC-1"));
        EXPECT_EQ(m_Manager.DataFileLines(), defaults);
        EXPECT_TRUE(m_Manager.AddToDataFileMode().IsOff());
        EXPECT_EQ(m_Data.lines, std::vector<std::string>{"01 000000\r\n"});
        ASSERT_EQ(m_Box.texts.size(), 1u);
        EXPECT_NE(m_Box.texts[0].find("not finite"), std::string::npos);
        EXPECT_EQ(m_Box.texts[0].find("limited"), std::string::npos);
    }
    // Once chosen, a filter later found not finite leaves the lines of the one before.
    record.m_dB2 = 0.5;
    ASSERT_TRUE(m_Manager.AddToDataFile(kLoudnessCoeff, "LDC-1"));
    const std::vector<std::string> chosen = m_Manager.DataFileLines();
    record.m_dA1 = std::nan("");
    EXPECT_FALSE(m_Manager.FormatDataFileLines(&record));
    EXPECT_EQ(m_Manager.DataFileLines(), chosen);
}
