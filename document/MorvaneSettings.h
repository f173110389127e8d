// The program's settings: two folders and 29 design and display values, kept between
// runs in the section "MVQ_Settings" of the user's profile. The application holds one
// CMorvaneSettings; the speaker document copies the design values from it and writes
// the user's changes back (CMorvaneDoc::ApplySettings). The profile itself is the
// shell's: it hands a store to ReadFrom at start-up and to WriteTo at exit.
#pragma once

#include "graph/DoubleRect.h"
#include "graph/LevelBound.h"
#include "graph/Mode.h"
#include "graph/ModeWithPointer.h"

#include <string>

// The filter-count limit keeps its maximum count in the mode's pointer slot.
int GetFilterLimitCount(const CModeWithPointer& limit);
void SetFilterLimitCount(CModeWithPointer& limit, int nCount);

// One section of the profile. Integers are stored as integers, everything else as text.
class ISettingsStore
{
public:
    virtual ~ISettingsStore() = default;
    // False when the key is missing.
    virtual bool ReadText(const std::string& key, std::string& value) const = 0;
    virtual bool ReadInt(const std::string& key, int& value) const = 0;
    virtual void WriteText(const std::string& key, const std::string& value) = 0;
    virtual void WriteInt(const std::string& key, int value) = 0;
};

class CMorvaneSettings
{
public:
    static constexpr const char* kSection = "MVQ_Settings";
    static constexpr int kKeyCount = 31;

    // The defaults of a first run (the key table in MorvaneSettings.cpp).
    CMorvaneSettings();

    // Reads every key, a missing one taking its default. An empty working directory
    // becomes currentDirectory. Doubles and integers read whole as one number
    // (ParseWholeDouble, ParseWholeLong), booleans as "true" or "false", "Yes" or "No" in
    // any letter case (ParseTrueFalse); a stored text that is none ("abc", "3.0dB",
    // "Maybe") takes the key's default. What is read is then brought into range
    // (ClampToValidRanges).
    void ReadFrom(const ISettingsStore& store, const std::string& currentDirectory);
    // Every value within what the settings sheet accepts, so that a damaged or hand-edited
    // profile cannot start the program with values nothing else expects: a value that is
    // no number (NaN, infinite) takes its default, one outside its range is clamped to
    // it, and a pair that contradicts itself (a lower frequency limit above the higher
    // one, an axis whose minimum is not below its maximum, or not far enough below it for
    // its view to draw) takes its defaults.
    void ClampToValidRanges();
    // The range of either frequency limit, as the settings sheet accepts it; the limit
    // brought into it.
    static constexpr int kMinFrequencyLimit = 1;     // Hz
    static constexpr int kMaxFrequencyLimit = 30000; // Hz
    static int ClampFrequencyLimit(int nHz);
    // The bounds of the four views' axes, as the settings sheet's border pages accept them
    // and ClampToValidRanges brings them into: the frequencies in Hz, the levels of the
    // response, filter and filter phase views (dB or degrees) within +-kMaxAxisLevel, those
    // of the speaker phase view within +-kMaxPhaseAxisLevel degrees.
    static constexpr double kMinAxisHz = 1.0;
    static constexpr double kMaxAxisHz = 200000.0;
    static constexpr double kMaxAxisLevel = kMaxLevel;
    static constexpr double kMaxPhaseAxisLevel = 100000.0;
    // The bounds of the tolerances around the desired response, in dB, wherever they come
    // in (the settings sheet, the master point editor's offsets, the profile): the upper
    // from 0 to kMaxTolerance, the lower from -kMaxTolerance to 0.
    static constexpr double kMaxTolerance = 100.0;
    static constexpr double LeastTolerance(bool bUpper) { return bUpper ? 0.0 : -kMaxTolerance; }
    static constexpr double MostTolerance(bool bUpper) { return bUpper ? kMaxTolerance : 0.0; }
    // The narrowest axes the views can draw (CAxisScale::LeastSpan): a level axis within
    // +-dMaxLevel, in dB or degrees (1e-09 for kMaxAxisLevel, 1e-07 for kMaxPhaseAxisLevel),
    // and the frequency axis, in decades of its Hz (1e-11). The border pages refuse
    // narrower ones, and ClampToValidRanges gives them their defaults.
    static double LeastLevelSpan(double dMaxLevel);
    static double LeastFrequencyDecades();
    // The least Hz the Minimum Frequency must lie below dUpperHz (within the axis bounds):
    // LeastFrequencyDecades at that maximum, rounded up to two significant digits so that
    // a minimum typed that far below is drawable.
    static double LeastFrequencySpanHz(double dUpperHz);
    static bool IsDrawableLevelRange(double dLower, double dUpper, double dMaxLevel);
    static bool IsDrawableFrequencyRange(double dLowerHz, double dUpperHz);
    // Writes all 31 keys in their order: doubles with "%lf" (with as many digits as they
    // need where six decimals would read back as another value), booleans "true"/"false".
    void WriteTo(ISettingsStore& store) const;
    // The key names in the order they are written.
    static const char* KeyName(int index);

    std::string m_strWorkingDirectory;
    std::string m_strKT47Directory;
    int m_nLowerFrequencyLimit = 0;  // Hz
    int m_nHigherFrequencyLimit = 0; // Hz
    int m_nSamplingFrequency = 0;    // Hz
    double m_dUpperTolerance = 0.0;  // dB
    double m_dLowerTolerance = 0.0;  // dB
    CModeWithPointer m_LimitNumberOfFilters;
    CMode m_SpeakerAutomaticScaling;
    CMode m_PhaseAutomaticScaling;
    CMode m_FilterAutomaticScaling;
    CMode m_PhaseFilterAutomaticScaling;
    double m_dSingleOptParam = 0.0;
    double m_dJointOptParam = 0.0;
    // Axis ranges of the four views: top and bottom in dB (degrees for the phase
    // views), left and right frequency in Hz.
    CDoubleRect m_SpeakerRange;
    CDoubleRect m_PhaseRange;
    CDoubleRect m_FilterRange;
    CDoubleRect m_PhaseFilterRange;
};
