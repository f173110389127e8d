// The settings: defaults of a first run, stored forms, and reading back.
#include "document/MorvaneSettings.h"
#include "graph/PointBounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

namespace
{
class MemoryStore : public ISettingsStore
{
public:
    bool ReadText(const std::string& key, std::string& value) const override
    {
        const auto it = texts.find(key);
        if (it == texts.end())
            return false;
        value = it->second;
        return true;
    }
    bool ReadInt(const std::string& key, int& value) const override
    {
        const auto it = ints.find(key);
        if (it == ints.end())
            return false;
        value = it->second;
        return true;
    }
    void WriteText(const std::string& key, const std::string& value) override
    {
        texts[key] = value;
        order.push_back(key);
    }
    void WriteInt(const std::string& key, int value) override
    {
        ints[key] = value;
        order.push_back(key);
    }
    std::map<std::string, std::string> texts;
    std::map<std::string, int> ints;
    std::vector<std::string> order;
};
} // namespace

TEST(Settings, FirstRunWritesEveryKeyWithItsDefault)
{
    CMorvaneSettings settings;
    MemoryStore empty;
    settings.ReadFrom(empty, "/home/user");
    MemoryStore store;
    settings.WriteTo(store);
    ASSERT_EQ(store.order.size(), 31u);
    EXPECT_EQ(store.order.front(), "Working Directory");
    EXPECT_EQ(store.order.back(), "JointOptParam");
    EXPECT_EQ(store.texts["Working Directory"], "/home/user");
    EXPECT_EQ(store.texts["KT47 Directory"], "");
    EXPECT_EQ(store.ints["LowerFrequencyLimit"], 10);
    EXPECT_EQ(store.ints["HigherFrequencyLimit"], 24000);
    EXPECT_EQ(store.ints["SamplingFrequency"], 48000);
    EXPECT_EQ(store.texts["UpperTolerance"], "3.000000");
    EXPECT_EQ(store.texts["LowerTolerance"], "-3.000000");
    EXPECT_EQ(store.texts["LimitNumberOfFilters"], "false");
    EXPECT_EQ(store.ints["MaximumNumberOfFilters"], 0);
    EXPECT_EQ(store.texts["SpeakerMax_db"], "20.000000");
    EXPECT_EQ(store.texts["PhaseMin_db"], "-180.000000");
    EXPECT_EQ(store.texts["FilterMax_db"], "15.000000");
    EXPECT_EQ(store.texts["PhaseFilterMin_db"], "-30.000000");
    EXPECT_EQ(store.texts["PhaseFilterMaxFreq"], "24000.000000");
    EXPECT_EQ(store.texts["SpeakerAutomaticScaling"], "true");
    EXPECT_EQ(store.texts["SingleOptParam"], "0.001000");
    EXPECT_EQ(store.texts["JointOptParam"], "0.010000");
}

TEST(Settings, StoredValuesAreRead)
{
    MemoryStore store;
    store.texts["Working Directory"] = "/data";
    store.texts["LimitNumberOfFilters"] = "TRUE";
    store.ints["MaximumNumberOfFilters"] = 12;
    store.ints["SamplingFrequency"] = 44100;
    store.texts["UpperTolerance"] = "not a number";
    store.texts["PhaseAutomaticScaling"] = "Yes";
    store.texts["FilterAutomaticScaling"] = "no";
    store.texts["SpeakerMinFreq"] = "20.5";
    CMorvaneSettings settings;
    settings.ReadFrom(store, "/ignored");
    EXPECT_EQ(settings.m_strWorkingDirectory, "/data");
    EXPECT_TRUE(settings.m_LimitNumberOfFilters.IsOn());
    EXPECT_EQ(GetFilterLimitCount(settings.m_LimitNumberOfFilters), 12);
    EXPECT_EQ(settings.m_nSamplingFrequency, 44100);
    EXPECT_EQ(settings.m_dUpperTolerance, 3.0); // no number: the default
    EXPECT_TRUE(settings.m_PhaseAutomaticScaling.IsOn());
    EXPECT_FALSE(settings.m_FilterAutomaticScaling.IsOn());
    EXPECT_EQ(settings.m_SpeakerRange.left, 20.5);
    EXPECT_EQ(settings.m_SpeakerRange.right, 24000.0);
    MemoryStore out;
    settings.WriteTo(out);
    EXPECT_EQ(out.texts["LimitNumberOfFilters"], "true");
}

// A stored text that is no value of its key's kind, under any key the profile keeps as
// text but the two folders: the key takes its default, as a missing key does. Read from the
// front, "abc" gave 0, "3.0dB" 3 and "Maybe" off.
TEST(Settings, AStoredTextThatIsNoValueOfItsKeyTakesTheDefault)
{
    MemoryStore defaults;
    CMorvaneSettings().WriteTo(defaults);
    const char* const bad[] = {"abc", "",    "  ",    "3.0dB", "-3.5 dB", "1,5",       "1.0.5",
                               "nan", "inf", "1e400", "Maybe", "0x10",    "yes please"};
    int nKeys = 0;
    for (int i = 0; i < CMorvaneSettings::kKeyCount; ++i)
    {
        const std::string key = CMorvaneSettings::KeyName(i);
        if (defaults.texts.count(key) == 0 || key == "Working Directory" || key == "KT47 Directory")
            continue;
        ++nKeys;
        for (const char* text : bad)
        {
            MemoryStore store;
            store.texts[key] = text;
            CMorvaneSettings settings;
            settings.ReadFrom(store, "");
            MemoryStore out;
            settings.WriteTo(out);
            EXPECT_EQ(out.texts[key], defaults.texts[key]) << key << " = \"" << text << '"';
        }
    }
    EXPECT_EQ(nKeys, 25); // 20 doubles, 5 truth values
    // Values of the key's kind are taken, written in any case or with blanks around.
    const struct
    {
        const char* key;
        const char* text;
        const char* written;
    } good[] = {
        {"SingleOptParam", " 0.5 ", "0.500000"},       {"UpperTolerance", "+6", "6.000000"},
        {"SpeakerMax_db", "1e1", "10.000000"},         {"LimitNumberOfFilters", "Yes", "true"},
        {"SpeakerAutomaticScaling", "FALSE", "false"}, {"PhaseAutomaticScaling", "n", "false"},
    };
    for (const auto& g : good)
    {
        MemoryStore store;
        store.texts[g.key] = g.text;
        CMorvaneSettings settings;
        settings.ReadFrom(store, "");
        MemoryStore out;
        settings.WriteTo(out);
        EXPECT_EQ(out.texts[g.key], g.written) << g.key << " = \"" << g.text << '"';
    }
}

// A damaged or hand-edited profile: each value comes back within what the settings sheet
// accepts; no number (NaN, infinite) gives the default, out of range is clamped, and pairs
// that contradict each other take their defaults.
TEST(Settings, ValuesOutOfRangeAreClampedOrDefaulted)
{
    struct CCase
    {
        std::map<std::string, std::string> texts;
        std::map<std::string, int> ints;
        std::function<double(const CMorvaneSettings&)> get;
        double expected;
    };
    using S = const CMorvaneSettings&;
    const CCase cases[] = {
        {{}, {{"LowerFrequencyLimit", -5}}, [](S s) { return s.m_nLowerFrequencyLimit; }, 1},
        {{},
         {{"LowerFrequencyLimit", 90000}, {"HigherFrequencyLimit", 90000}},
         [](S s) { return s.m_nLowerFrequencyLimit; },
         30000},
        {{},
         {{"LowerFrequencyLimit", 1}, {"HigherFrequencyLimit", 0}},
         [](S s) { return s.m_nHigherFrequencyLimit; },
         1},
        // Clamped to 1 Hz, below the default lower limit of 10 Hz: both limits default.
        {{}, {{"HigherFrequencyLimit", 0}}, [](S s) { return s.m_nHigherFrequencyLimit; }, 24000},
        {{},
         {{"LowerFrequencyLimit", 500}, {"HigherFrequencyLimit", 100}},
         [](S s) { return s.m_nLowerFrequencyLimit; },
         10},
        {{},
         {{"LowerFrequencyLimit", 500}, {"HigherFrequencyLimit", 100}},
         [](S s) { return s.m_nHigherFrequencyLimit; },
         24000},
        {{}, {{"SamplingFrequency", 0}}, [](S s) { return s.m_nSamplingFrequency; }, 1},
        {{},
         {{"SamplingFrequency", 2147483647}},
         [](S s) { return s.m_nSamplingFrequency; },
         200000},
        {{{"UpperTolerance", "nan"}}, {}, [](S s) { return s.m_dUpperTolerance; }, 3.0},
        {{{"UpperTolerance", "-2"}}, {}, [](S s) { return s.m_dUpperTolerance; }, 0.0},
        {{{"UpperTolerance", "1e300"}}, {}, [](S s) { return s.m_dUpperTolerance; }, 100.0},
        {{{"LowerTolerance", "-inf"}}, {}, [](S s) { return s.m_dLowerTolerance; }, -3.0},
        {{{"LowerTolerance", "7"}}, {}, [](S s) { return s.m_dLowerTolerance; }, 0.0},
        {{},
         {{"MaximumNumberOfFilters", -3}},
         [](S s) { return GetFilterLimitCount(s.m_LimitNumberOfFilters); },
         0},
        // A limit in force of no filter would end a calculation after its first filter.
        {{{"LimitNumberOfFilters", "true"}},
         {{"MaximumNumberOfFilters", 0}},
         [](S s) { return GetFilterLimitCount(s.m_LimitNumberOfFilters); },
         1},
        {{{"SingleOptParam", "0"}}, {}, [](S s) { return s.m_dSingleOptParam; }, 1e-11},
        {{{"SingleOptParam", "inf"}}, {}, [](S s) { return s.m_dSingleOptParam; }, 0.001},
        {{{"JointOptParam", "1e20"}}, {}, [](S s) { return s.m_dJointOptParam; }, 1e10},
        {{{"SpeakerMinFreq", "-10"}}, {}, [](S s) { return s.m_SpeakerRange.left; }, 1.0},
        {{{"PhaseMaxFreq", "1e9"}}, {}, [](S s) { return s.m_PhaseRange.right; }, 200000.0},
        {{{"FilterMinFreq", "30000"}, {"FilterMaxFreq", "20"}},
         {},
         [](S s) { return s.m_FilterRange.left; },
         10.0},
        {{{"FilterMinFreq", "nan"}}, {}, [](S s) { return s.m_FilterRange.left; }, 10.0},
        {{{"SpeakerMax_db", "1e12"}}, {}, [](S s) { return s.m_SpeakerRange.top; }, 1000.0},
        {{{"PhaseMin_db", "-1e12"}}, {}, [](S s) { return s.m_PhaseRange.bottom; }, -100000.0},
        {{{"PhaseFilterMax_db", "inf"}}, {}, [](S s) { return s.m_PhaseFilterRange.top; }, 30.0},
        {{{"FilterMax_db", "-20"}, {"FilterMin_db", "-10"}},
         {},
         [](S s) { return s.m_FilterRange.top; },
         15.0},
        {{{"FilterMax_db", "-20"}, {"FilterMin_db", "-10"}},
         {},
         [](S s) { return s.m_FilterRange.bottom; },
         -15.0},
        // Axes too narrow for their views to draw: 1e-310 dB has no finite scale, the
        // speaker phase view's degrees need 1e-07, and 1000 and 1000.00000001 Hz lie
        // 4.3e-12 decades apart, less than the frequency axis's 1e-11.
        {{{"SpeakerMax_db", "2e-310"}, {"SpeakerMin_db", "1e-310"}},
         {},
         [](S s) { return s.m_SpeakerRange.top; },
         20.0},
        {{{"SpeakerMax_db", "2e-310"}, {"SpeakerMin_db", "1e-310"}},
         {},
         [](S s) { return s.m_SpeakerRange.bottom; },
         -30.0},
        {{{"PhaseMax_db", "5000"}, {"PhaseMin_db", "4999.99999999"}},
         {},
         [](S s) { return s.m_PhaseRange.bottom; },
         -180.0},
        {{{"PhaseFilterMax_db", "-1e-320"}, {"PhaseFilterMin_db", "-2e-320"}},
         {},
         [](S s) { return s.m_PhaseFilterRange.top; },
         30.0},
        {{{"FilterMinFreq", "1000"}, {"FilterMaxFreq", "1000.00000001"}},
         {},
         [](S s) { return s.m_FilterRange.right; },
         24000.0},
    };
    for (const CCase& c : cases)
    {
        MemoryStore store;
        store.texts = c.texts;
        store.ints = c.ints;
        CMorvaneSettings settings;
        settings.ReadFrom(store, "/");
        std::string what;
        for (const auto& [key, value] : c.texts)
            what += key + "=" + value + " ";
        for (const auto& [key, value] : c.ints)
            what += key + "=" + std::to_string(value) + " ";
        EXPECT_EQ(c.get(settings), c.expected) << what;
    }
}

TEST(Settings, ValuesInRangeAreKeptAsRead)
{
    MemoryStore store;
    store.ints = {{"LowerFrequencyLimit", 1},
                  {"HigherFrequencyLimit", 30000},
                  {"SamplingFrequency", 200000},
                  {"MaximumNumberOfFilters", 100000}};
    store.texts = {{"UpperTolerance", "100"},
                   {"LowerTolerance", "-100"},
                   {"SingleOptParam", "1e-11"},
                   {"JointOptParam", "1e10"},
                   {"PhaseMax_db", "5000"},
                   {"PhaseMin_db", "-90000"},
                   {"SpeakerMinFreq", "1"},
                   {"SpeakerMaxFreq", "200000"},
                   // The narrowest axes the views draw.
                   {"FilterMax_db", "1e-9"},
                   {"FilterMin_db", "0"},
                   {"PhaseFilterMinFreq", "1000"},
                   {"PhaseFilterMaxFreq", "1000.0000001"}};
    CMorvaneSettings settings;
    settings.ReadFrom(store, "/");
    EXPECT_EQ(settings.m_nLowerFrequencyLimit, 1);
    EXPECT_EQ(settings.m_nHigherFrequencyLimit, 30000);
    EXPECT_EQ(settings.m_nSamplingFrequency, 200000);
    EXPECT_EQ(GetFilterLimitCount(settings.m_LimitNumberOfFilters), 100000);
    EXPECT_EQ(settings.m_dUpperTolerance, 100.0);
    EXPECT_EQ(settings.m_dLowerTolerance, -100.0);
    EXPECT_EQ(settings.m_dSingleOptParam, 1e-11);
    EXPECT_EQ(settings.m_dJointOptParam, 1e10);
    EXPECT_EQ(settings.m_PhaseRange.top, 5000.0);
    EXPECT_EQ(settings.m_PhaseRange.bottom, -90000.0);
    EXPECT_EQ(settings.m_SpeakerRange.left, 1.0);
    EXPECT_EQ(settings.m_SpeakerRange.right, 200000.0);
    EXPECT_EQ(settings.m_FilterRange.top, 1e-9);
    EXPECT_EQ(settings.m_FilterRange.bottom, 0.0);
    EXPECT_EQ(settings.m_PhaseFilterRange.left, 1000.0);
    EXPECT_EQ(settings.m_PhaseFilterRange.right, 1000.0000001);
    EXPECT_EQ(CMorvaneSettings::LeastLevelSpan(CMorvaneSettings::kMaxAxisLevel), 1e-9);
    EXPECT_EQ(CMorvaneSettings::LeastLevelSpan(CMorvaneSettings::kMaxPhaseAxisLevel), 1e-7);
    EXPECT_EQ(CMorvaneSettings::LeastFrequencyDecades(), 1e-11);
}

// A point holds a level the widest level axis shows, and no other: the speaker border a
// profile may give the response view reaches exactly as far as a point's level may lie.
TEST(MorvaneSettings, PointsHoldTheLevelsTheWidestAxisShows)
{
    const double kMax = CMorvaneSettings::kMaxAxisLevel;
    for (const double level : {kMax, -kMax, 0.0})
        EXPECT_TRUE(PointBounds::IsLevel(level)) << level;
    for (const double level : {std::nextafter(kMax, 2 * kMax), std::nextafter(-kMax, -2 * kMax)})
        EXPECT_FALSE(PointBounds::IsLevel(level)) << level;
    MemoryStore profile;
    profile.texts = {{"SpeakerMax_db", "1e300"}, {"SpeakerMin_db", "-1e300"}};
    CMorvaneSettings settings;
    settings.ReadFrom(profile, "/");
    EXPECT_TRUE(PointBounds::IsLevel(settings.m_SpeakerRange.top));
    EXPECT_TRUE(PointBounds::IsLevel(settings.m_SpeakerRange.bottom));
    EXPECT_EQ(settings.m_SpeakerRange.top, PointBounds::kMaxDb);
    EXPECT_EQ(settings.m_SpeakerRange.bottom, -PointBounds::kMaxDb);
}

// Doubles are written with "%lf"; one whose six decimals would read back as another value
// is written with the digits it needs, so that the next start reads what was set: a step
// size of 1e-11 came back as the least the sheet allows, an axis of a millionth of a dB
// as two equal limits, and so as the default axis.
TEST(Settings, EveryDoubleComesBackAsItWasWritten)
{
    const struct
    {
        double CMorvaneSettings::*member;
        const char* key;
        double value;
        const char* written; // nullptr: any text that reads back as the value
    } cases[] = {
        {&CMorvaneSettings::m_dUpperTolerance, "UpperTolerance", 3.0, "3.000000"},
        {&CMorvaneSettings::m_dLowerTolerance, "LowerTolerance", -2.25, "-2.250000"},
        {&CMorvaneSettings::m_dSingleOptParam, "SingleOptParam", 0.001, "0.001000"},
        {&CMorvaneSettings::m_dSingleOptParam, "SingleOptParam", 1e-11, "1e-11"},
        {&CMorvaneSettings::m_dJointOptParam, "JointOptParam", 4e-7, "4e-07"},
        {&CMorvaneSettings::m_dJointOptParam, "JointOptParam", 1.0 / 3.0, nullptr},
        {&CMorvaneSettings::m_dUpperTolerance, "UpperTolerance", 0.1 + 0.2, nullptr},
    };
    for (const auto& c : cases)
    {
        CMorvaneSettings settings;
        MemoryStore empty;
        settings.ReadFrom(empty, "/");
        settings.*c.member = c.value;
        MemoryStore store;
        settings.WriteTo(store);
        if (c.written)
        {
            EXPECT_EQ(store.texts[c.key], c.written) << c.value;
        }
        CMorvaneSettings again;
        again.ReadFrom(store, "/");
        EXPECT_EQ(again.*c.member, c.value) << store.texts[c.key];
    }
    // An axis narrower than six decimals tell apart keeps its limits.
    const double lower[] = {-4.9e-7, 1e-310, -999.9999999};
    for (const double bottom : lower)
    {
        CMorvaneSettings settings;
        MemoryStore empty;
        settings.ReadFrom(empty, "/");
        settings.m_SpeakerRange.bottom = bottom;
        settings.m_SpeakerRange.top = bottom + 1e-7 * (1.0 + std::fabs(bottom));
        MemoryStore store;
        settings.WriteTo(store);
        CMorvaneSettings again;
        again.ReadFrom(store, "/");
        EXPECT_EQ(again.m_SpeakerRange.bottom, settings.m_SpeakerRange.bottom) << bottom;
        EXPECT_EQ(again.m_SpeakerRange.top, settings.m_SpeakerRange.top) << bottom;
    }
}
