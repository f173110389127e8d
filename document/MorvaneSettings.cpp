#include "document/MorvaneSettings.h"

#include "filters/FilterDesignCheck.h"
#include "graph/AxisScale.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>

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
// A double as the profile keeps it: "%lf", as every value the program has always written,
// unless its six decimals would read back as another value (a step size of 1e-11, an
// axis narrower than a millionth); then with as many significant digits as it takes to
// read back as itself. Otherwise the next start would find such a value changed: an
// axis's limits alike, and the axis given its default.
std::string ProfileDouble(double value)
{
    std::string format = "%lf";
    for (int digits = 7; digits <= 17 && !ReadsBack(value, format.c_str()); ++digits)
        format = FormatC("%%.%dg", digits);
    return FormatDouble(value, format.c_str());
}

// A stored text as a value of its key's kind: the whole text as one number
// (ParseWholeDouble; ParseWholeLong within an int) or truth value (ParseTrueFalse).
template <class T, class Take> bool TakeStored(const std::optional<T>& parsed, Take take)
{
    if (parsed)
        take(*parsed);
    return parsed.has_value();
}

std::optional<int> StoredInt(const std::string& text)
{
    const std::optional<long> n = ParseWholeLong(text);
    if (!n || *n < INT_MIN || *n > INT_MAX)
        return std::nullopt;
    return int(*n);
}

enum class EStored
{
    Int,
    Text,
};

// One key: its name, how it is stored, its default in stored form, and the conversion
// between the member and the stored form; set is false, changing nothing, for a text that
// is no value of the key's kind.
struct CSettingKey
{
    const char* name;
    EStored stored;
    const char* defaultValue;
    std::string (*get)(const CMorvaneSettings&);
    bool (*set)(CMorvaneSettings&, const std::string&);
};

#define MORVANE_TEXT_KEY(NAME, DEFAULT, MEMBER)                                                    \
    {                                                                                              \
        NAME, EStored::Text, DEFAULT, [](const CMorvaneSettings& s) { return s.MEMBER; },          \
            [](CMorvaneSettings& s, const std::string& v)                                          \
        {                                                                                          \
            s.MEMBER = v;                                                                          \
            return true;                                                                           \
        }                                                                                          \
    }
#define MORVANE_INT_KEY(NAME, DEFAULT, MEMBER)                                                     \
    {                                                                                              \
        NAME, EStored::Int, DEFAULT,                                                               \
            [](const CMorvaneSettings& s) { return IntToString(s.MEMBER); },                       \
            [](CMorvaneSettings& s, const std::string& v)                                          \
        { return TakeStored(StoredInt(v), [&s](int n) { s.MEMBER = n; }); }                        \
    }
#define MORVANE_DOUBLE_KEY(NAME, DEFAULT, MEMBER)                                                  \
    {                                                                                              \
        NAME, EStored::Text, DEFAULT,                                                              \
            [](const CMorvaneSettings& s) { return ProfileDouble(s.MEMBER); },                     \
            [](CMorvaneSettings& s, const std::string& v)                                          \
        { return TakeStored(ParseWholeDouble(v), [&s](double d) { s.MEMBER = d; }); }              \
    }
#define MORVANE_BOOL_KEY(NAME, DEFAULT, MODE)                                                      \
    {                                                                                              \
        NAME, EStored::Text, DEFAULT,                                                              \
            [](const CMorvaneSettings& s) { return BoolToString(s.MODE.IsOn() != 0); },            \
            [](CMorvaneSettings& s, const std::string& v)                                          \
        { return TakeStored(ParseTrueFalse(v), [&s](bool b) { s.MODE.SetState(b ? 1 : 0); }); }    \
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
     {
         return TakeStored(StoredInt(v),
                           [&s](int n) { SetFilterLimitCount(s.m_LimitNumberOfFilters, n); });
     }},
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
        // A stored text that is no value of its key takes the key's default.
        if (!key.set(*this, value))
            key.set(*this, key.defaultValue);
    }
    if (m_strWorkingDirectory.empty())
        m_strWorkingDirectory = currentDirectory;
    ClampToValidRanges();
}

namespace
{
// The ranges of the settings sheet's pages. The level axes' bounds (CMorvaneSettings) keep
// their scales readable: the response, filter and filter phase views draw a grid line
// every 5 dB or 30 degrees (at most 400 lines here), the phase view spaces its ten lines
// over whatever range it has.
constexpr double kMinOptParam = 1e-11;
constexpr double kMaxOptParam = 1e10;

double InRange(double value, double low, double high, double fallback)
{
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

// The axis range of a view, or the default one where a value is no number or an axis
// would be empty.
void ClampAxisRange(CDoubleRect& range, const CDoubleRect& fallback, double maxLevel)
{
    constexpr double kLowest = CMorvaneSettings::kMinAxisHz;
    constexpr double kHighest = CMorvaneSettings::kMaxAxisHz;
    range.left = InRange(range.left, kLowest, kHighest, fallback.left);
    range.right = InRange(range.right, kLowest, kHighest, fallback.right);
    if (!CMorvaneSettings::IsDrawableFrequencyRange(range.left, range.right))
    {
        range.left = fallback.left;
        range.right = fallback.right;
    }
    range.top = InRange(range.top, -maxLevel, maxLevel, fallback.top);
    range.bottom = InRange(range.bottom, -maxLevel, maxLevel, fallback.bottom);
    if (!CMorvaneSettings::IsDrawableLevelRange(range.bottom, range.top, maxLevel))
    {
        range.top = fallback.top;
        range.bottom = fallback.bottom;
    }
}
} // namespace

double CMorvaneSettings::LeastLevelSpan(double dMaxLevel)
{
    return CAxisScale::LeastSpan(dMaxLevel);
}

double CMorvaneSettings::LeastFrequencyDecades()
{
    // The frequency axis is drawn in decades: log10 of its Hz.
    return CAxisScale::LeastSpan(std::log10(kMaxAxisHz));
}

double CMorvaneSettings::LeastFrequencySpanHz(double dUpperHz)
{
    const double dUpper =
        std::isfinite(dUpperHz) ? std::clamp(dUpperHz, kMinAxisHz, kMaxAxisHz) : kMaxAxisHz;
    const double dExact = -std::expm1(-LeastFrequencyDecades() * std::log(10.0)) * dUpper;
    const double dStep = std::pow(10.0, std::floor(std::log10(dExact)) - 1.0);
    double dSpan = std::ceil(dExact / dStep) * dStep;
    while (!IsDrawableFrequencyRange(dUpper - dSpan, dUpper))
        dSpan += dStep;
    return dSpan;
}

bool CMorvaneSettings::IsDrawableLevelRange(double dLower, double dUpper, double dMaxLevel)
{
    return dUpper - dLower >= LeastLevelSpan(dMaxLevel);
}

bool CMorvaneSettings::IsDrawableFrequencyRange(double dLowerHz, double dUpperHz)
{
    return std::log10(dUpperHz) - std::log10(dLowerHz) >= LeastFrequencyDecades();
}

int CMorvaneSettings::ClampFrequencyLimit(int nHz)
{
    return std::clamp(nHz, kMinFrequencyLimit, kMaxFrequencyLimit);
}

void CMorvaneSettings::ClampToValidRanges()
{
    const CMorvaneSettings defaults;
    m_nLowerFrequencyLimit = ClampFrequencyLimit(m_nLowerFrequencyLimit);
    m_nHigherFrequencyLimit = ClampFrequencyLimit(m_nHigherFrequencyLimit);
    if (m_nLowerFrequencyLimit > m_nHigherFrequencyLimit)
    {
        m_nLowerFrequencyLimit = defaults.m_nLowerFrequencyLimit;
        m_nHigherFrequencyLimit = defaults.m_nHigherFrequencyLimit;
    }
    m_nSamplingFrequency = std::clamp(m_nSamplingFrequency, kLowestSampleRate, kHighestSampleRate);
    m_dUpperTolerance = InRange(m_dUpperTolerance, LeastTolerance(true), MostTolerance(true),
                                defaults.m_dUpperTolerance);
    m_dLowerTolerance = InRange(m_dLowerTolerance, LeastTolerance(false), MostTolerance(false),
                                defaults.m_dLowerTolerance);
    // A limit in force is one filter or more; the count kept while it is off is not negative.
    const int nLeastCount = m_LimitNumberOfFilters.IsOn() ? 1 : 0;
    if (GetFilterLimitCount(m_LimitNumberOfFilters) < nLeastCount)
        SetFilterLimitCount(m_LimitNumberOfFilters, nLeastCount);
    m_dSingleOptParam =
        InRange(m_dSingleOptParam, kMinOptParam, kMaxOptParam, defaults.m_dSingleOptParam);
    m_dJointOptParam =
        InRange(m_dJointOptParam, kMinOptParam, kMaxOptParam, defaults.m_dJointOptParam);
    ClampAxisRange(m_SpeakerRange, defaults.m_SpeakerRange, kMaxAxisLevel);
    ClampAxisRange(m_PhaseRange, defaults.m_PhaseRange, kMaxPhaseAxisLevel);
    ClampAxisRange(m_FilterRange, defaults.m_FilterRange, kMaxAxisLevel);
    ClampAxisRange(m_PhaseFilterRange, defaults.m_PhaseFilterRange, kMaxAxisLevel);
}

void CMorvaneSettings::WriteTo(ISettingsStore& store) const
{
    for (const CSettingKey& key : kKeys)
    {
        if (key.stored == EStored::Int)
            store.WriteInt(key.name, StoredInt(key.get(*this)).value_or(0));
        else
            store.WriteText(key.name, key.get(*this));
    }
}

const char* CMorvaneSettings::KeyName(int index)
{
    return index >= 0 && index < kKeyCount ? kKeys[index].name : "";
}
