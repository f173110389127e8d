#include "../support/TestFiles.h"
#include "RecordingCompressionView.h"
#include "drc/DRC_Manager.h"
#include "framework/core/Services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace
{
std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}
} // namespace

TEST(DrcManager, DefaultsGiveTheGoldenFileAndLegend)
{
    CDRC_Manager drc;
    EXPECT_EQ(WithCrLf(drc.FileText()), GoldenText("default.drc"));
    EXPECT_EQ(drc.FormatAboveRatioLabel(), "CR = 1.33:1");
    EXPECT_EQ(drc.FormatBelowRatioLabel(), "ER = 1:1.38");
    EXPECT_EQ(drc.FormatThresholdDb(), "-48.000 db");
}

TEST(DrcManager, ThresholdCodesAreTheNearestStep)
{
    const struct
    {
        double dB;
        const char* code;
    } cases[] = {{0.0, "EF"},     {-0.375, "EE"}, {-48.0, "6F"},   {-60.0, "4F"}, {-89.625, "0"},
                 {-41.625, "80"}, {-43.5, "7B"},  {-65.625, "40"}, {-89.25, "1"}};
    for (const auto& c : cases)
        EXPECT_EQ(CDRC_Manager::ThresholdToCode(c.dB), c.code) << c.dB;
}

TEST(DrcManager, ThresholdOutsideTheRangeIsRefused)
{
    CDRC_Manager drc;
    for (double dB : {-89.7, 0.1, std::nan("")})
    {
        EXPECT_FALSE(drc.SetThreshold(dB));
        EXPECT_STREQ(drc.m_szThreshold, "-48.000");
        EXPECT_STREQ(drc.m_szThresholdCode, "6F");
    }
    EXPECT_TRUE(drc.SetThreshold(0.0));
    EXPECT_STREQ(drc.m_szThreshold, "0.000");
    EXPECT_STREQ(drc.m_szThresholdCode, "EF");
    EXPECT_TRUE(drc.SetThreshold(-89.625));
    EXPECT_STREQ(drc.m_szThreshold, "-89.625");
}

TEST(DrcManager, SwitchingSidesKeepsTheOtherChoiceStored)
{
    CDRC_Manager drc;
    ASSERT_TRUE(drc.SetAboveRatio(drc.m_pAboveExpansionTable, 3));
    EXPECT_EQ(drc.FormatLine21(), "21 1:1.19\n");
    EXPECT_EQ(drc.FormatAboveRatioLabel(), "ER = 1:1.19");
    ASSERT_TRUE(drc.SetAboveRatio(drc.m_pAboveCompressionTable, 15));
    EXPECT_EQ(drc.FormatLine21(), "21 16.0:1\n");
    EXPECT_EQ(drc.FormatLine02().substr(0, 6), "02 78 ");
    EXPECT_STREQ(drc.m_AboveExpansion.szLabel, "1:1.19");
    ASSERT_TRUE(drc.SetBelowRatio(drc.m_pBelowCompressionTable, 8));
    EXPECT_EQ(drc.FormatLine22(), "22 2.00:1\n");
    EXPECT_EQ(drc.FormatBelowRatioLabel(), "CR = 2.00:1");
}

TEST(DrcManager, ChoicesFromTheWrongTableOrOutsideItAreRefused)
{
    CDRC_Manager drc;
    const std::string before = drc.FileText();
    EXPECT_FALSE(drc.SetAboveRatio(drc.m_pBelowExpansionTable, 0));
    EXPECT_FALSE(drc.SetBelowRatio(drc.m_pAboveCompressionTable, 0));
    EXPECT_FALSE(drc.SetAboveRatio(drc.m_pAboveCompressionTable, 16));
    EXPECT_FALSE(drc.SetAboveRatio(drc.m_pAboveExpansionTable, -1));
    EXPECT_FALSE(drc.SetBelowRatio(drc.m_pBelowExpansionTable, 17));
    EXPECT_FALSE(drc.SetAttackTime(12));
    EXPECT_FALSE(drc.SetDecayTime(-1));
    EXPECT_EQ(drc.FileText(), before);
    EXPECT_TRUE(drc.SetAttackTime(11));
    EXPECT_TRUE(drc.SetEnergyTime(10));
    EXPECT_TRUE(drc.SetDecayTime(3));
    EXPECT_EQ(drc.FormatLine02(), "02 20 30 6F E0 F0 70\n");
    EXPECT_EQ(drc.FormatLine25(), "25 2.4sec\n");
}

TEST(DrcManager, ViewLinesFollowTheSetting)
{
    CDRC_Manager drc;
    CRecordingCompressionView view;
    EXPECT_FALSE(drc.UpdateViewLabels());
    drc.SetView(&view);
    ASSERT_TRUE(drc.SetBelowRatio(drc.m_pBelowExpansionTable, 16));
    ASSERT_TRUE(drc.UpdateViewLabels());
    ASSERT_EQ(view.curves.size(), 4u);
    EXPECT_EQ(view.nRepaints, 1);
    EXPECT_EQ(view.curves[0].label, "Vert Threshold");
    EXPECT_EQ(view.curves[1].points[0], (CDoublePoint{-89.625, -48.0}));
    EXPECT_EQ(view.curves[2].label, "CR = 1.33:1");
    EXPECT_DOUBLE_EQ(view.curves[2].points[1].y, -48.0 + 48.0 / 1.33);
    EXPECT_EQ(view.curves[3].label, "ER = 1:2.00");
    EXPECT_EQ(view.curves[3].points[1], (CDoublePoint{-68.8125, -89.625}));
    EXPECT_EQ(view.curves[3].color, RGB(0, 0, 255));
}

TEST(DrcManager, SavesTheRegisterFileThroughTheDialog)
{
    CScriptedFileDialogs dialogs;
    CRecordingMessageBox box;
    Services::SetFileDialogs(&dialogs);
    Services::SetMessageBox(&box);
    const auto folder =
        std::filesystem::temp_directory_path() / ("morvane_drc_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    dialogs.answers = {(folder / "a.drc").string(), "", (folder / "no" / "b.drc").string()};
    CDRC_Manager drc;
    EXPECT_TRUE(drc.SaveAsDrcFile());
    EXPECT_FALSE(drc.SaveAsDrcFile());
    EXPECT_TRUE(box.texts.empty());
    EXPECT_FALSE(drc.SaveAsDrcFile());
    EXPECT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(ReadFileBytes((folder / "a.drc").string()), GoldenText("default.drc"));
    EXPECT_EQ(dialogs.requests[0].defaultExtension, ".drc");
    EXPECT_EQ(dialogs.requests[0].filter, "DRC EQ Files (*.drc) |*.drc| All Files (*.*) |*.*||");
    std::filesystem::remove_all(folder);
    Services::SetFileDialogs(nullptr);
    Services::SetMessageBox(nullptr);
}
