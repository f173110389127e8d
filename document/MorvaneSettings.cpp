#include "document/MorvaneSettings.h"

#include "graph/Convert.h"

#include <cstdint>
#include <iterator>

int GetFilterLimitCount(const CModeWithPointer& limit)
{
    return int(reinterpret_cast<std::intptr_t>(limit.GetPointer()));
}

void SetFilterLimitCount(CModeWithPointer& limit, int nCount)
{
    limit.SetPointer(reinterpret_cast<void*>(std::intptr_t(nCount)));
}

namespace
{
enum class EStored
{
    Int,
    Text,
};

// One key: its name, how it is stored, its default in stored form, and the conversion
// between the member and the stored form.
struct CSettingKey
{
    const char* name;
    EStored stored;
    const char* defaultValue;
    std::string (*get)(const CMorvaneSettings&);
    void (*set)(CMorvaneSettings&, const std::string&);
};

#define MORVANE_TEXT_KEY(NAME, DEFAULT, MEMBER)                                                    \
    {                                                                                              \
        NAME, EStored::Text, DEFAULT, [](const CMorvaneSettings& s) { return s.MEMBER; },          \
            [](CMorvaneSettings& s, const std::string& v) { s.MEMBER = v; }                        \
    }
#define MORVANE_INT_KEY(NAME, DEFAULT, MEMBER)                                                     \
    {                                                                                              \
        NAME, EStored::Int, DEFAULT,                                                               \
            [](const CMorvaneSettings& s) { return IntToString(s.MEMBER); },                       \
            [](CMorvaneSettings& s, const std::string& v) { s.MEMBER = int(StringToLong(v)); }     \
    }
#define MORVANE_DOUBLE_KEY(NAME, DEFAULT, MEMBER)                                                  \
    {                                                                                              \
        NAME, EStored::Text, DEFAULT,                                                              \
            [](const CMorvaneSettings& s) { return DoubleToString(s.MEMBER); },                    \
            [](CMorvaneSettings& s, const std::string& v) { s.MEMBER = StringToDouble(v); }        \
    }
#define MORVANE_BOOL_KEY(NAME, DEFAULT, MODE)                                                      \
    {                                                                                              \
        NAME, EStored::Text, DEFAULT,                                                              \
            [](const CMorvaneSettings& s) { return BoolToString(s.MODE.IsOn() != 0); },            \
            [](CMorvaneSettings& s, const std::string& v)                                          \
        { s.MODE.SetState(StringToBool(v) ? 1 : 0); }                                              \
    }
#define MORVANE_RANGE_KEYS(PREFIX, RANGE, MAX, MIN)                                                \
    MORVANE_DOUBLE_KEY(PREFIX "MinFreq", "10.0", RANGE.left),                                      \
        MORVANE_DOUBLE_KEY(PREFIX "MaxFreq", "24000.0", RANGE.right),                              \
        MORVANE_DOUBLE_KEY(PREFIX "Max_db", MAX, RANGE.top),                                       \
        MORVANE_DOUBLE_KEY(PREFIX "Min_db", MIN, RANGE.bottom)

const CSettingKey kKeys[] = {
    MORVANE_TEXT_KEY("Working Directory", "", m_strWorkingDirectory),
    MORVANE_TEXT_KEY("KT47 Directory", "", m_strKT47Directory),
    MORVANE_INT_KEY("LowerFrequencyLimit", "10", m_nLowerFrequencyLimit),
    MORVANE_INT_KEY("HigherFrequencyLimit", "24000", m_nHigherFrequencyLimit),
    MORVANE_INT_KEY("SamplingFrequency", "48000", m_nSamplingFrequency),
    MORVANE_DOUBLE_KEY("UpperTolerance", "3.0", m_dUpperTolerance),
    MORVANE_DOUBLE_KEY("LowerTolerance", "-3.0", m_dLowerTolerance),
    MORVANE_BOOL_KEY("LimitNumberOfFilters", "false", m_LimitNumberOfFilters),
    {"MaximumNumberOfFilters", EStored::Int, "0",
     [](const CMorvaneSettings& s)
     { return IntToString(GetFilterLimitCount(s.m_LimitNumberOfFilters)); },
     [](CMorvaneSettings& s, const std::string& v)
     { SetFilterLimitCount(s.m_LimitNumberOfFilters, int(StringToLong(v))); }},
    MORVANE_RANGE_KEYS("Speaker", m_SpeakerRange, "20.0", "-30.0"),
    MORVANE_BOOL_KEY("SpeakerAutomaticScaling", "true", m_SpeakerAutomaticScaling),
    MORVANE_RANGE_KEYS("Phase", m_PhaseRange, "180.0", "-180.0"),
    MORVANE_BOOL_KEY("PhaseAutomaticScaling", "true", m_PhaseAutomaticScaling),
    MORVANE_RANGE_KEYS("Filter", m_FilterRange, "15.0", "-15.0"),
    MORVANE_BOOL_KEY("FilterAutomaticScaling", "true", m_FilterAutomaticScaling),
    MORVANE_RANGE_KEYS("PhaseFilter", m_PhaseFilterRange, "30.0", "-30.0"),
    MORVANE_BOOL_KEY("PhaseFilterAutomaticScaling", "true", m_PhaseFilterAutomaticScaling),
    MORVANE_DOUBLE_KEY("SingleOptParam", "0.001", m_dSingleOptParam),
    MORVANE_DOUBLE_KEY("JointOptParam", "0.01", m_dJointOptParam),
};
static_assert(std::size(kKeys) == CMorvaneSettings::kKeyCount);

#undef MORVANE_TEXT_KEY
#undef MORVANE_INT_KEY
#undef MORVANE_DOUBLE_KEY
#undef MORVANE_BOOL_KEY
#undef MORVANE_RANGE_KEYS
} // namespace

CMorvaneSettings::CMorvaneSettings()
{
    for (const CSettingKey& key : kKeys)
        key.set(*this, key.defaultValue);
}

void CMorvaneSettings::ReadFrom(const ISettingsStore& store, const std::string& currentDirectory)
{
    for (const CSettingKey& key : kKeys)
    {
        std::string value = key.defaultValue;
        if (key.stored == EStored::Int)
        {
            int n = 0;
            if (store.ReadInt(key.name, n))
                value = IntToString(n);
        }
        else
            store.ReadText(key.name, value);
        key.set(*this, value);
    }
    if (m_strWorkingDirectory.empty())
        m_strWorkingDirectory = currentDirectory;
}

void CMorvaneSettings::WriteTo(ISettingsStore& store) const
{
    for (const CSettingKey& key : kKeys)
    {
        if (key.stored == EStored::Int)
            store.WriteInt(key.name, int(StringToLong(key.get(*this))));
        else
            store.WriteText(key.name, key.get(*this));
    }
}

const char* CMorvaneSettings::KeyName(int index)
{
    return index >= 0 && index < kKeyCount ? kKeys[index].name : "";
}
