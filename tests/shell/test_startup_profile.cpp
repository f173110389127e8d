// Start-up from a damaged profile: values that are absurd, malformed or contradict each
// other start the program with each setting clamped or set back to its default, the four
// speaker views drawn, and nothing crashing or hanging.
#include "../framework/QtTestApp.h"

#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "shell/QtSettingsStore.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"

#include <QCoreApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

using CProfile = std::map<std::string, std::string>;

struct CDamagedProfile
{
    const char* name;
    CProfile values;
};

// Text values in every key; integers as text too, as a hand-edited profile holds them.
const CDamagedProfile kProfiles[] = {
    {"nan", {{"LowerFrequencyLimit", "nan"}, {"HigherFrequencyLimit", "x"},
             {"SamplingFrequency", ""},      {"UpperTolerance", "nan"},
             {"LowerTolerance", "-nan"},     {"MaximumNumberOfFilters", "many"},
             {"SpeakerMinFreq", "nan"},      {"SpeakerMaxFreq", "nan"},
             {"SpeakerMax_db", "nan"},       {"SpeakerMin_db", "nan"},
             {"PhaseMinFreq", "inf"},        {"PhaseMaxFreq", "-inf"},
             {"PhaseMax_db", "inf"},         {"PhaseMin_db", "-inf"},
             {"FilterMinFreq", "abc"},       {"FilterMaxFreq", ""},
             {"FilterMax_db", "1e999"},      {"FilterMin_db", "-1e999"},
             {"PhaseFilterMinFreq", "0x10"}, {"PhaseFilterMaxFreq", "1,5"},
             {"PhaseFilterMax_db", "--1"},   {"PhaseFilterMin_db", "+-3"},
             {"SingleOptParam", "nan"},      {"JointOptParam", "inf"}}},
    {"huge",
     {{"LowerFrequencyLimit", "2147483647"},
      {"HigherFrequencyLimit", "99999999999"},
      {"SamplingFrequency", "2147483647"},
      {"UpperTolerance", "1e308"},
      {"LowerTolerance", "-1e308"},
      {"LimitNumberOfFilters", "true"},
      {"MaximumNumberOfFilters", "2147483647"},
      {"SpeakerMinFreq", "1e300"},
      {"SpeakerMaxFreq", "1e308"},
      {"SpeakerMax_db", "1e308"},
      {"SpeakerMin_db", "-1e308"},
      {"SpeakerAutomaticScaling", "false"},
      {"PhaseMinFreq", "1e-300"},
      {"PhaseMaxFreq", "1e300"},
      {"PhaseMax_db", "1e300"},
      {"PhaseMin_db", "1e299"},
      {"PhaseAutomaticScaling", "no"},
      {"FilterMax_db", "1e15"},
      {"FilterMin_db", "-1e15"},
      {"FilterAutomaticScaling", "0"},
      {"PhaseFilterMax_db", "5e9"},
      {"PhaseFilterMin_db", "-5e9"},
      {"PhaseFilterAutomaticScaling", "false"},
      {"SingleOptParam", "1e300"},
      {"JointOptParam", "1e300"}}},
    {"negative and zero",
     {{"LowerFrequencyLimit", "-5"},
      {"HigherFrequencyLimit", "0"},
      {"SamplingFrequency", "-48000"},
      {"UpperTolerance", "-3"},
      {"LowerTolerance", "3"},
      {"LimitNumberOfFilters", "Yes"},
      {"MaximumNumberOfFilters", "-7"},
      {"SpeakerMinFreq", "-10"},
      {"SpeakerMaxFreq", "0"},
      {"SpeakerMax_db", "0"},
      {"SpeakerMin_db", "0"},
      {"SpeakerAutomaticScaling", "false"},
      {"PhaseMinFreq", "0"},
      {"PhaseMaxFreq", "-24000"},
      {"PhaseAutomaticScaling", "false"},
      {"FilterMinFreq", "24000"},
      {"FilterMaxFreq", "10"},
      {"FilterMax_db", "-15"},
      {"FilterMin_db", "15"},
      {"FilterAutomaticScaling", "false"},
      {"PhaseFilterMinFreq", "5"},
      {"PhaseFilterMaxFreq", "5"},
      {"PhaseFilterAutomaticScaling", "false"},
      {"SingleOptParam", "0"},
      {"JointOptParam", "-1"}}},
    {"contradicting",
     {{"LowerFrequencyLimit", "20000"},
      {"HigherFrequencyLimit", "100"},
      {"SamplingFrequency", "1"},
      {"SpeakerMinFreq", "200000"},
      {"SpeakerMaxFreq", "1"},
      {"SpeakerAutomaticScaling", "false"},
      {"PhaseMax_db", "-180"},
      {"PhaseMin_db", "180"},
      {"PhaseAutomaticScaling", "false"}}},
};

void PrintTo(const CDamagedProfile& profile, std::ostream* os)
{
    *os << profile.name;
}

class StartUpProfileTest : public ::testing::TestWithParam<CDamagedProfile>
{
protected:
    void SetUp() override
    {
        TestApp();
        m_StartFolder = fs::current_path();
        m_Folder = fs::temp_directory_path() / ("morvane_profile_" + std::to_string(::getpid()));
        fs::remove_all(m_Folder);
        fs::create_directories(m_Folder);
        m_Ini = (m_Folder / "profile.ini").string();
    }
    void TearDown() override
    {
        if (m_pApp)
            m_pApp->ExitInstance();
        m_pApp.reset();
        fs::current_path(m_StartFolder);
        fs::remove_all(m_Folder);
    }

    fs::path m_StartFolder;
    fs::path m_Folder;
    std::string m_Ini;
    std::unique_ptr<CMorvaneApp> m_pApp;
};

bool Within(double v, double low, double high)
{
    return std::isfinite(v) && v >= low && v <= high;
}

// Every value within what the settings sheet accepts, limits in order, ranges not empty.
void ExpectValid(const CMorvaneSettings& s)
{
    EXPECT_TRUE(Within(s.m_nLowerFrequencyLimit, 1, 30000)) << s.m_nLowerFrequencyLimit;
    EXPECT_TRUE(Within(s.m_nHigherFrequencyLimit, 1, 30000)) << s.m_nHigherFrequencyLimit;
    EXPECT_LE(s.m_nLowerFrequencyLimit, s.m_nHigherFrequencyLimit);
    EXPECT_TRUE(Within(s.m_nSamplingFrequency, 1, 200000)) << s.m_nSamplingFrequency;
    EXPECT_TRUE(Within(s.m_dUpperTolerance, 0, 100)) << s.m_dUpperTolerance;
    EXPECT_TRUE(Within(s.m_dLowerTolerance, -100, 0)) << s.m_dLowerTolerance;
    EXPECT_GE(GetFilterLimitCount(s.m_LimitNumberOfFilters), 0);
    EXPECT_TRUE(Within(s.m_dSingleOptParam, 1e-11, 1e10)) << s.m_dSingleOptParam;
    EXPECT_TRUE(Within(s.m_dJointOptParam, 1e-11, 1e10)) << s.m_dJointOptParam;
    for (const CDoubleRect* r :
         {&s.m_SpeakerRange, &s.m_PhaseRange, &s.m_FilterRange, &s.m_PhaseFilterRange})
    {
        EXPECT_TRUE(Within(r->left, 1, 200000)) << r->left;
        EXPECT_TRUE(Within(r->right, 1, 200000)) << r->right;
        EXPECT_LT(r->left, r->right);
        EXPECT_TRUE(std::isfinite(r->top) && std::isfinite(r->bottom));
        EXPECT_GT(r->top, r->bottom);
    }
}

TEST_P(StartUpProfileTest, StartsWithEveryValueInItsRangeAndDrawsItsViews)
{
    {
        CQtSettingsStore store(m_Ini, CMorvaneSettings::kSection);
        for (const auto& [key, value] : GetParam().values)
            store.WriteText(key, value);
    }
    m_pApp = std::make_unique<CMorvaneApp>(m_Ini);
    ASSERT_TRUE(m_pApp->InitInstance({}, false));
    CMorvaneApp& app = *m_pApp;
    ExpectValid(app.m_Settings);

    // All four views shown and painted.
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    QCoreApplication::processEvents();
    QImage image(app.m_pMainFrame->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    app.m_pMainFrame->render(&image);
    const std::string name = std::string(GetParam().name);
    std::string file = "startup_profile_" + name + ".png";
    std::replace(file.begin(), file.end(), ' ', '_');
    image.save(QString::fromStdString(std::string(MORVANE_TEST_OUTPUT_DIR) + "/" + file));

    // What is written back at exit reads again as it was.
    const CMorvaneSettings used = app.m_Settings;
    app.ExitInstance();
    m_pApp.reset();
    CMorvaneSettings again;
    again.ReadFrom(CQtSettingsStore(m_Ini, CMorvaneSettings::kSection), "/");
    EXPECT_EQ(again.m_nLowerFrequencyLimit, used.m_nLowerFrequencyLimit);
    EXPECT_EQ(again.m_nSamplingFrequency, used.m_nSamplingFrequency);
    EXPECT_EQ(again.m_PhaseRange.top, used.m_PhaseRange.top);
}

INSTANTIATE_TEST_SUITE_P(Damaged, StartUpProfileTest, ::testing::ValuesIn(kProfiles),
                         [](const auto& info)
                         {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });
} // namespace
