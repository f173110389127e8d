// The profile store over QSettings, with the program's settings and recent-file list.
#include "document/MorvaneSettings.h"
#include "shell/QtSettingsStore.h"
#include "shell/RecentFileList.h"
#include "tests/support/NonRegularFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace
{
class ShellSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Path = (std::filesystem::temp_directory_path() /
                  ("morvane_settings_" + std::to_string(::getpid()) + ".ini"))
                     .string();
        std::filesystem::remove(m_Path);
    }
    void TearDown() override { std::filesystem::remove(m_Path); }
    std::string FileText() const
    {
        std::ifstream in(m_Path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string m_Path;
};

TEST_F(ShellSettingsTest, AProfileThatIsNoRegularFileIsNeitherReadNorWritten)
{
    const std::string folder = m_Path + ".d";
    std::filesystem::create_directories(folder);
    const std::vector<std::string> paths = MakeNonRegularFiles(folder);
    for (const std::string& path : {paths[0], paths[1], paths[2]})
    {
        std::string error;
        bool bRead = true;
        ASSERT_TRUE(ReturnsWithoutWaiting(
            [&]
            {
                CQtSettingsStore store(path, CMorvaneSettings::kSection);
                std::string value;
                bRead = store.ReadText("SamplingFrequency", value);
                store.WriteText("SamplingFrequency", "44100");
                EXPECT_FALSE(store.Sync());
                error = store.GetError();
            },
            paths))
            << path;
        EXPECT_FALSE(bRead);
        EXPECT_EQ(error, "The settings file \"" + path +
                             "\" is not a regular file: the program runs with its default "
                             "settings and does not save them.");
        // Still what it was: nothing was put in its place.
        EXPECT_FALSE(std::filesystem::is_regular_file(path)) << path;
    }
    std::filesystem::remove_all(folder);
}

TEST_F(ShellSettingsTest, FirstRunTakesDefaultsAndWritesEveryKeyWithSixDecimals)
{
    CMorvaneSettings settings;
    {
        CQtSettingsStore store(m_Path, CMorvaneSettings::kSection);
        settings.ReadFrom(store, "/start/here");
        EXPECT_EQ(settings.m_strWorkingDirectory, "/start/here");
        EXPECT_EQ(settings.m_nSamplingFrequency, 48000);
        EXPECT_DOUBLE_EQ(settings.m_dLowerTolerance, -3.0);
        settings.WriteTo(store);
        EXPECT_TRUE(store.Sync());
    }
    EXPECT_NE(FileText().find("[MVQ_Settings]"), std::string::npos);
    CQtSettingsStore again(m_Path, CMorvaneSettings::kSection);
    std::string value;
    for (int i = 0; i < CMorvaneSettings::kKeyCount; ++i)
        EXPECT_TRUE(again.ReadText(CMorvaneSettings::KeyName(i), value))
            << CMorvaneSettings::KeyName(i);
    ASSERT_TRUE(again.ReadText("PhaseMin_db", value));
    EXPECT_EQ(value, "-180.000000");
    ASSERT_TRUE(again.ReadText("Working Directory", value));
    EXPECT_EQ(value, "/start/here");
    int nValue = 0;
    ASSERT_TRUE(again.ReadInt("SamplingFrequency", nValue));
    EXPECT_EQ(nValue, 48000);
}

TEST_F(ShellSettingsTest, StoredValuesComeBackAndBooleansAreNormalized)
{
    {
        CQtSettingsStore store(m_Path, CMorvaneSettings::kSection);
        store.WriteText("LimitNumberOfFilters", "Yes");
        store.WriteInt("MaximumNumberOfFilters", 12);
        store.WriteText("UpperTolerance", "1.5");
        store.WriteText("LowerTolerance", "no number");
        store.WriteText("SamplingFrequency", "not an integer");
    }
    CMorvaneSettings settings;
    CQtSettingsStore store(m_Path, CMorvaneSettings::kSection);
    settings.ReadFrom(store, "/cwd");
    EXPECT_TRUE(settings.m_LimitNumberOfFilters.IsOn());
    EXPECT_EQ(GetFilterLimitCount(settings.m_LimitNumberOfFilters), 12);
    EXPECT_DOUBLE_EQ(settings.m_dUpperTolerance, 1.5);
    // A double key holding text takes the default too.
    EXPECT_DOUBLE_EQ(settings.m_dLowerTolerance, -3.0);
    // An integer key holding text takes the default.
    EXPECT_EQ(settings.m_nSamplingFrequency, 48000);
    settings.WriteTo(store);
    std::string value;
    ASSERT_TRUE(store.ReadText("LimitNumberOfFilters", value));
    EXPECT_EQ(value, "true");
}

TEST_F(ShellSettingsTest, RecentFilesKeepFourNewestFirstWithoutDuplicates)
{
    CRecentFileList list;
    for (const char* path : {"/a.raw", "/b.raw", "/c.raw", "/a.raw", "/d.raw", "/e.raw"})
        list.Add(path);
    const std::vector<std::string> expected = {"/e.raw", "/d.raw", "/a.raw", "/c.raw"};
    EXPECT_EQ(list.Files(), expected);
    {
        CQtSettingsStore store(m_Path, CRecentFileList::kSection);
        list.WriteTo(store);
    }
    CRecentFileList read;
    CQtSettingsStore store(m_Path, CRecentFileList::kSection);
    read.ReadFrom(store);
    EXPECT_EQ(read.Files(), expected);
    read.Remove(1);
    read.Remove(7);
    read.WriteTo(store);
    CRecentFileList shorter;
    shorter.ReadFrom(store);
    EXPECT_EQ(shorter.Files(), (std::vector<std::string>{"/e.raw", "/a.raw", "/c.raw"}));
}
} // namespace
