// What the compression dialogs hand to the models: the threshold sliders' positions and
// texts, the reading of a typed threshold, whole settings taken or refused on Apply, and
// the two design documents' file commands.
#include "../support/TestFiles.h"
#include "RecordingCompressionView.h"
#include "drc/DRC_Doc.h"
#include "drc/DRC_Manager.h"
#include "drc/DrcThresholdScale.h"
#include "drc/QZX2410_DRC_Doc.h"
#include "drc/QZX2410_DRC_Manager.h"
#include "framework/core/Services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

// Message box and file dialogs of a test, put back afterwards.
class DrcServicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Services::SetMessageBox(&m_Box);
        Services::SetFileDialogs(&m_Dialogs);
        m_Folder = fs::temp_directory_path() / ("morvane_drc_set_" + std::to_string(::getpid()));
        fs::create_directories(m_Folder);
    }
    void TearDown() override
    {
        Services::SetMessageBox(nullptr);
        Services::SetFileDialogs(nullptr);
        fs::remove_all(m_Folder);
    }
    CRecordingMessageBox m_Box;
    CScriptedFileDialogs m_Dialogs;
    fs::path m_Folder;
};

using DrcSettingTest = DrcServicesTest;
using QZX2410SettingTest = DrcServicesTest;
using CompressionDocumentTest = DrcServicesTest;
} // namespace

TEST(DrcThresholdScale, QZX2202PositionsAndTexts)
{
    EXPECT_EQ(DrcThreshold::PositionText(0), "0.000 db");
    EXPECT_EQ(DrcThreshold::PositionText(128), "-48.000 db");
    EXPECT_EQ(DrcThreshold::PositionText(239), "-89.625 db");
    EXPECT_DOUBLE_EQ(DrcThreshold::PositionToDb(1), -0.375);
    for (int p = 0; p <= DrcThreshold::kSliderMax; ++p)
        EXPECT_EQ(DrcThreshold::DbToPosition(DrcThreshold::PositionToDb(p)), p);
    EXPECT_EQ(DrcThreshold::DbToPosition(5.0), 0);
    EXPECT_EQ(DrcThreshold::DbToPosition(-100.0), 239);
    EXPECT_EQ(DrcThreshold::DbToPosition(std::nan("")), 0);
}

TEST(DrcThresholdScale, QZX2410PositionsAtTheirEdges)
{
    const CQZX2410ThresholdScale scale(-192.7);
    EXPECT_EQ(scale.GetMax(), 1927);
    // The two rules differ by one position at -182 dB.
    EXPECT_EQ(scale.OpeningPosition(-182.0), 1820);
    EXPECT_EQ(scale.TypedPosition(-182.0), 1821);
    EXPECT_EQ(scale.PositionText(1820), "-182.000");
    EXPECT_EQ(scale.PositionText(1821), "-182.100");
    EXPECT_EQ(scale.PositionText(0), "0.000");
    EXPECT_EQ(scale.PositionText(1927), "-192.700");
    EXPECT_EQ(scale.OpeningPosition(-88.0), 880);
    EXPECT_EQ(scale.TypedPosition(0.0), 0);
    EXPECT_EQ(scale.TypedPosition(-192.7), 1927);
    // Beyond the ends the slider shows its nearest end.
    EXPECT_EQ(scale.TypedPosition(-300.0), 1927);
    EXPECT_EQ(scale.OpeningPosition(12.0), 0);
}

TEST(DrcThresholdScale, TypedThresholdsOutsideTheSliderOrNoNumberAreRefused)
{
    const CQZX2410ThresholdScale scale(-192.7);
    const struct
    {
        const char* text;
        bool bTaken;
        double value;
    } cases[] = {{"-100", true, -100.0},  {" -192.7 ", true, -192.7}, {"0", true, 0.0},
                 {"", false, 0.0},        {"abc", false, 0.0},        {"-20dB", false, 0.0},
                 {"-192.71", false, 0.0}, {"0.1", false, 0.0},        {"nan", false, 0.0},
                 {"-1e999", false, 0.0}};
    for (const auto& c : cases)
    {
        double dB = 1.0;
        std::string error;
        EXPECT_EQ(scale.ReadThreshold(c.text, dB, error), c.bTaken) << c.text;
        if (c.bTaken)
            EXPECT_EQ(dB, c.value) << c.text;
        else
            EXPECT_EQ(error, "Please enter a threshold between -192.7 and 0 db.") << c.text;
    }
}

TEST_F(DrcSettingTest, TheSettingReadBackIsTheSettingApplied)
{
    CDRC_Manager drc;
    CDrcSetting s = drc.GetSetting();
    EXPECT_EQ(s.dThreshold, -48.0);
    EXPECT_EQ(s.nAboveCompression, 4);
    EXPECT_EQ(s.nAboveExpansion, 0);
    EXPECT_EQ(s.nBelowExpansion, 6);
    EXPECT_EQ(s.nEnergyTime, 0);
    EXPECT_TRUE(s.bAboveCompression);
    EXPECT_TRUE(s.bBelowExpansion);

    CRecordingCompressionView view;
    drc.SetView(&view);
    s.dThreshold = -60.0;
    s.bAboveCompression = false;
    s.nAboveExpansion = 8;
    s.bBelowExpansion = false;
    s.nBelowCompression = 3;
    s.nEnergyTime = 2;
    s.nAttackTime = 11;
    s.nDecayTime = 5;
    ASSERT_TRUE(drc.ApplySetting(s));
    EXPECT_EQ(drc.FileText(), "21 1:1.50\n22 1.23:1\n23 -60.000\n24 6.7ms\n25 2.4sec\n26 53ms\n"
                              "02 42 1A 4F 60 F0 90\n");
    EXPECT_EQ(view.curves.size(), 4u);
    EXPECT_EQ(view.nRepaints, 1);
    const CDrcSetting back = drc.GetSetting();
    EXPECT_EQ(back.dThreshold, -60.0);
    EXPECT_FALSE(back.bAboveCompression);
    EXPECT_EQ(back.nAboveExpansion, 8);
    EXPECT_EQ(back.nAboveCompression, 4); // the other entry stays stored
    EXPECT_EQ(back.nBelowCompression, 3);
    EXPECT_EQ(back.nDecayTime, 5);
    EXPECT_TRUE(m_Box.texts.empty());
}

TEST_F(DrcSettingTest, AMissingEntryInForceOrABadThresholdChangesNothing)
{
    const struct
    {
        void (*change)(CDrcSetting&);
        const char* message;
    } cases[] = {
        {[](CDrcSetting& s) { s.nAboveCompression = -1; },
         "Please choose the compression ratio above the threshold from its list."},
        {[](CDrcSetting& s) { s.nBelowExpansion = 17; },
         "Please choose the expansion ratio below the threshold from its list."},
        {[](CDrcSetting& s) { s.nDecayTime = -1; }, "Please choose the decay time from its list."},
        {[](CDrcSetting& s) { s.dThreshold = 0.1; },
         "The threshold must lie between -89.625 db and 0 db."},
        {[](CDrcSetting& s) { s.dThreshold = std::nan(""); },
         "The threshold must lie between -89.625 db and 0 db."},
    };
    for (const auto& c : cases)
    {
        CDRC_Manager drc;
        CRecordingCompressionView view;
        drc.SetView(&view);
        const std::string before = drc.FileText();
        CDrcSetting s = drc.GetSetting();
        s.nAttackTime = 3;
        c.change(s);
        m_Box.texts.clear();
        EXPECT_FALSE(drc.ApplySetting(s));
        ASSERT_EQ(m_Box.texts.size(), 1u);
        EXPECT_EQ(m_Box.texts[0], c.message);
        EXPECT_EQ(drc.FileText(), before);
        EXPECT_TRUE(view.curves.empty());
    }
    // An entry of the box not in force is not read.
    CDRC_Manager drc;
    CDrcSetting s = drc.GetSetting();
    s.nAboveExpansion = -1;
    s.nBelowCompression = -1;
    m_Box.texts.clear();
    EXPECT_TRUE(drc.ApplySetting(s));
    EXPECT_TRUE(m_Box.texts.empty());
}

TEST_F(QZX2410SettingTest, ASettingIsTakenWholeOrNotAtAll)
{
    CQZX2410_DRC_Manager drc;
    CRecordingCompressionView view;
    drc.SetView(&view);
    ASSERT_TRUE(drc.CalculateDrcCurve());
    const std::string before = drc.DeviceFileText();

    // The first threshold above the second: refused with a message, nothing changed.
    CQZX2410_DRC_Setting s = drc.GetSetting();
    s.dThreshold1 = -50.0;
    s.dRatio[1] = 3.0;
    view.curves.clear();
    view.nRepaints = 0;
    EXPECT_FALSE(drc.ApplySetting(s));
    EXPECT_EQ(m_Box.texts.size(), 1u);
    EXPECT_EQ(drc.GetThreshold1(), -182.0);
    EXPECT_EQ(drc.GetRatio1(), 2.0);
    EXPECT_EQ(drc.DeviceFileText(), before);
    EXPECT_TRUE(view.curves.empty());

    // A good one: stored, computed, shown.
    s.dThreshold1 = -150.0;
    s.bSpecifyOffset1 = true;
    s.dOffset1 = 0.0;
    s.bRegionCompression[0] = true;
    ASSERT_TRUE(drc.ApplySetting(s));
    EXPECT_EQ(drc.GetThreshold1(), -150.0);
    EXPECT_TRUE(drc.GetSpecifyOffset1());
    EXPECT_TRUE(drc.GetRegion0Compression());
    EXPECT_EQ(drc.m_dOffset1Word, 4.0);
    EXPECT_NEAR(drc.m_dSlope1Word, 1.0 / 3.0 - 1.0, 1e-15);
    ASSERT_EQ(view.curves.size(), 4u);
    EXPECT_EQ(view.curves[2].points[0].x, -150.0);
    EXPECT_EQ(view.nRepaints, 1);
    EXPECT_EQ(m_Box.texts.size(), 1u);
}

TEST_F(CompressionDocumentTest, TheDocumentsWriteTheGoldenFilesAndReportAFileTheyCannotWrite)
{
    CDRC_Manager drc;
    CDRC_Doc doc(drc);
    CQZX2410_DRC_Manager drc241x;
    ASSERT_TRUE(drc241x.CalculateDrcCurve());
    CQZX2410_DRC_Doc doc241x(drc241x);
    for (int id : {CDRC_Doc::ID_FILE_SAVE_AS_DRC})
        EXPECT_TRUE(doc.GetCommandState(id)->bEnabled);
    for (int id :
         {CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DR241X, CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DRC606X})
        EXPECT_TRUE(doc241x.GetCommandState(id)->bEnabled);
    EXPECT_FALSE(doc.GetCommandState(CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DR241X));
    EXPECT_FALSE(doc241x.GetCommandState(CDRC_Doc::ID_FILE_SAVE_AS_DRC));

    const std::string missing = (m_Folder / "no such folder" / "a.drc").string();
    m_Dialogs.answers = {(m_Folder / "a.drc").string(), (m_Folder / "a.DR241X").string(),
                         (m_Folder / "a.DRC606X").string(), missing};
    doc.OnCommand(CDRC_Doc::ID_FILE_SAVE_AS_DRC);
    doc241x.OnCommand(CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DR241X);
    doc241x.OnCommand(CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DRC606X);
    EXPECT_TRUE(m_Box.texts.empty());
    EXPECT_EQ(ReadFileBytes((m_Folder / "a.drc").string()), GoldenText("default.drc"));
    EXPECT_EQ(ReadFileBytes((m_Folder / "a.DR241X").string()), GoldenText("default.DR241X"));
    EXPECT_EQ(ReadFileBytes((m_Folder / "a.DRC606X").string()), GoldenText("default.DR241X"));
    EXPECT_FALSE(doc.OnFileSaveAsDrc());
    ASSERT_EQ(m_Box.texts.size(), 1u);
    EXPECT_NE(m_Box.texts[0].find(missing), std::string::npos) << m_Box.texts[0];
}
