// The settings: defaults of a first run, stored forms, and reading back.
#include "document/MorvaneSettings.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(settings.m_dUpperTolerance, 0.0);
    EXPECT_TRUE(settings.m_PhaseAutomaticScaling.IsOn());
    EXPECT_FALSE(settings.m_FilterAutomaticScaling.IsOn());
    EXPECT_EQ(settings.m_SpeakerRange.left, 20.5);
    EXPECT_EQ(settings.m_SpeakerRange.right, 24000.0);
    MemoryStore out;
    settings.WriteTo(out);
    EXPECT_EQ(out.texts["LimitNumberOfFilters"], "true");
}
