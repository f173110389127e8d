#include "../support/TestFiles.h"
#include "RecordingCompressionView.h"
#include "drc/QZX2410_DRC_Manager.h"
#include "framework/core/Services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
class QZX2410DrcTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Services::SetMessageBox(&m_Box);
        Services::SetFileDialogs(&m_Dialogs);
        m_Drc.SetView(&m_View);
    }
    void TearDown() override
    {
        Services::SetMessageBox(nullptr);
        Services::SetFileDialogs(nullptr);
    }
    CQZX2410_DRC_Manager m_Drc;
    CRecordingCompressionView m_View;
    CRecordingMessageBox m_Box;
    CScriptedFileDialogs m_Dialogs;
};
} // namespace

TEST_F(QZX2410DrcTest, DefaultTextsAndWords)
{
    EXPECT_EQ(m_Drc.Threshold1Text(), "-182");
    EXPECT_EQ(m_Drc.Threshold2Text(), "-88");
    EXPECT_EQ(m_Drc.Ratio0Text(), "1.050");
    EXPECT_EQ(m_Drc.Ratio1Text(), "2");
    EXPECT_EQ(m_Drc.Offset1Text(), "0");
    EXPECT_EQ(m_Drc.Region0ModeText(), "Expansion");
    EXPECT_EQ(m_Drc.Region1ModeText(), "Compression");
    ASSERT_TRUE(m_Drc.CalculateDrcCurve());
    EXPECT_NEAR(m_Drc.m_dThreshold1Word, 30.2295, 1e-4);
    EXPECT_NEAR(m_Drc.m_dThreshold2Word, 14.6164, 1e-4);
    EXPECT_NEAR(m_Drc.m_dSlope0Word, 0.05, 1e-15);
    EXPECT_EQ(m_Drc.m_dSlope1Word, -0.5);
    EXPECT_NEAR(m_Drc.m_dSlope2Word, -0.8, 1e-15);
    EXPECT_NEAR(m_Drc.m_dOffset1Word, -3.8065, 1e-4);
    EXPECT_EQ(m_Drc.m_dOffset2Word, 4.0);
}

TEST_F(QZX2410DrcTest, DefaultDeviceFilesAreTheGoldenFile)
{
    ASSERT_TRUE(m_Drc.CalculateDrcCurve());
    const auto folder =
        std::filesystem::temp_directory_path() / ("morvane_drc241x_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    m_Dialogs.answers = {(folder / "a.DR241X").string(), (folder / "a.DRC606X").string()};
    ASSERT_TRUE(m_Drc.SaveAsDR241X());
    ASSERT_TRUE(m_Drc.SaveAsDRC606X());
    const std::string golden = GoldenText("default.DR241X");
    EXPECT_EQ(ReadFileBytes((folder / "a.DR241X").string()), golden);
    EXPECT_EQ(ReadFileBytes((folder / "a.DRC606X").string()), golden);
    EXPECT_EQ(m_Dialogs.requests[0].defaultExtension, ".DR241X");
    EXPECT_EQ(m_Dialogs.requests[1].defaultExtension, ".DRC606X");
    EXPECT_EQ(m_Dialogs.requests[1].filter,
              "QZX606X DRC Files (*.DRC606X) |*.DRC606X| All Files (*.*) |*.*||");
    std::filesystem::remove_all(folder);
}

TEST_F(QZX2410DrcTest, SpecifiedOffset1OfZeroGivesTheNeutralWord)
{
    m_Drc.SetSpecifyOffset1(true);
    m_Drc.SetOffset1(0.0);
    ASSERT_TRUE(m_Drc.CalculateDrcCurve());
    const std::string text = m_Drc.DeviceFileText();
    EXPECT_NE(text.find("O\n 00 00 00 00\n 02 00 00 00\n"), std::string::npos) << text;
}

TEST_F(QZX2410DrcTest, RatioOneHasSlopeZeroEitherWay)
{
    for (bool compress : {true, false})
    {
        m_Drc.SetRegion2Compression(compress);
        m_Drc.SetRatio2(1.0);
        ASSERT_TRUE(m_Drc.CalculateDrcCurve());
        EXPECT_EQ(m_Drc.m_dSlope2Word, 0.0);
    }
}

TEST_F(QZX2410DrcTest, TransferCurveGrid)
{
    ASSERT_TRUE(m_Drc.CalculateDrcCurve());
    ASSERT_EQ(m_View.curves.size(), 4u);
    EXPECT_EQ(m_View.nRepaints, 1);
    const auto& transfer = m_View.curves[0].points;
    const auto& reference = m_View.curves[1].points;
    ASSERT_EQ(transfer.size(), 471u);
    ASSERT_EQ(reference.size(), 471u);
    EXPECT_NEAR(transfer.front().x, -282.9682, 1e-9);
    EXPECT_NEAR(transfer[1].x - transfer[0].x, 0.60206, 1e-9);
    EXPECT_NEAR(transfer.back().x, 0.0, 1e-9);
    EXPECT_LT(reference.back().y, 0.0);
    EXPECT_GT(reference.back().y, -1e-9);
    EXPECT_EQ(m_View.curves[0].label, "DRC Curve");
    EXPECT_EQ(m_View.curves[3].label, "Vert Threshold 2");
    EXPECT_EQ(m_View.curves[3].points[1], (CDoublePoint{-88.0, -283.0}));
    EXPECT_EQ(m_View.curves[2].nTag, 1);
    EXPECT_EQ(m_View.curves[1].nKind, 2);
    for (const auto& c : m_View.curves)
        EXPECT_EQ(c.nWidth, 2);
}

TEST_F(QZX2410DrcTest, InvalidSettingsAreRefusedBeforeAnyCurve)
{
    ASSERT_TRUE(m_Drc.CalculateDrcCurve());
    const std::string before = m_Drc.DeviceFileText();
    const struct
    {
        void (*apply)(CQZX2410_DRC_Manager&);
    } cases[] = {
        {[](CQZX2410_DRC_Manager& d) { d.SetRatio1(0.0); }},
        {[](CQZX2410_DRC_Manager& d) { d.SetRatio0(-2.0); }},
        {[](CQZX2410_DRC_Manager& d) { d.SetRatio2(NAN); }},
        {[](CQZX2410_DRC_Manager& d) { d.SetThreshold1(-200.0); }},
        {[](CQZX2410_DRC_Manager& d) { d.SetThreshold2(-190.0); }},
        {[](CQZX2410_DRC_Manager& d) { d.SetThreshold2(3.0); }},
        {[](CQZX2410_DRC_Manager& d) { d.SetRatio1(1e-9); }},
        {[](CQZX2410_DRC_Manager& d) { d.SetRatio1(1e300); }},
        {[](CQZX2410_DRC_Manager& d) { d.SetRatio0(20.0); }},
        {[](CQZX2410_DRC_Manager& d) { d.SetOffset2(1e9); }},
        {[](CQZX2410_DRC_Manager& d)
         {
             d.SetSpecifyOffset1(true);
             d.SetOffset1(-1e9);
         }},
    };
    for (const auto& c : cases)
    {
        CQZX2410_DRC_Manager drc;
        drc.SetView(&m_View);
        c.apply(drc);
        m_Box.texts.clear();
        m_View.curves.clear();
        EXPECT_FALSE(drc.CalculateDrcCurve());
        EXPECT_EQ(m_Box.texts.size(), 1u);
        EXPECT_TRUE(m_View.curves.empty());
        EXPECT_FALSE(drc.HasWords());
    }
    EXPECT_EQ(m_Drc.DeviceFileText(), before);
}

TEST(QZX2410DrcRatios, TheRatiosTheSlopeWordExpresses)
{
    const struct
    {
        bool bCompression;
        double ratio;
        bool bExpressed;
    } cases[] = {
        {true, 8388608.0, true},  // 1/R is one step of the word
        {true, 8388609.0, false}, // the word of an endless ratio
        {true, 1e300, false},     {true, HUGE_VAL, false}, {true, 0.0589, true}, // slope 15.98
        {true, 0.058, false}, // slope 16.2: beyond the word
        {false, 16.999, true},    {false, 17.0, false},    {false, 1.2e-7, true},
        {false, 1e-7, false},     {false, 0.0, false},     {true, -2.0, false},
        {false, NAN, false},
    };
    for (const auto& c : cases)
    {
        const std::string error = CQZX2410_DRC_Manager::RatioError(1, c.bCompression, c.ratio);
        EXPECT_EQ(error.empty(), c.bExpressed) << c.bCompression << " " << c.ratio;
        if (c.bExpressed)
            continue;
        EXPECT_EQ(error.rfind("Region 1: ", 0), 0u) << error;
        EXPECT_NE(error.find(c.bCompression ? "above 0.05882 (1/17) and at most 8388608"
                                            : "at least 1.192e-07 (1/8388608) and below 17"),
                  std::string::npos)
            << error;
    }
    // The setting's check is the same one.
    CQZX2410_DRC_Manager drc;
    drc.SetRatio2(1e300);
    EXPECT_EQ(drc.ValidationError(), CQZX2410_DRC_Manager::RatioError(2, true, 1e300));
}

TEST_F(QZX2410DrcTest, NothingToSaveBeforeTheFirstCalculation)
{
    EXPECT_FALSE(m_Drc.SaveAsDR241X());
    EXPECT_EQ(m_Box.texts.size(), 1u);
    EXPECT_TRUE(m_Dialogs.requests.empty());
}

TEST_F(QZX2410DrcTest, DefaultTransferCurveMatchesTheReference)
{
    ASSERT_TRUE(m_Drc.CalculateDrcCurve());
    std::ifstream in(std::string(MORVANE_TEST_DATA_DIR) + "/default_transfer_curve.txt");
    const auto& transfer = m_View.curves.at(0).points;
    std::size_t n = 0;
    for (double x, y; in >> x >> y; ++n)
    {
        ASSERT_LT(n, transfer.size());
        EXPECT_NEAR(transfer[n].x, x, 1e-9) << n;
        EXPECT_NEAR(transfer[n].y, y, 1e-9) << n;
    }
    EXPECT_EQ(n, 471u);
}
