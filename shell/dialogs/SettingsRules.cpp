#include "shell/dialogs/SettingsRules.h"

#include "document/MorvaneSettings.h"
#include "graph/CFormat.h"
#include "graph/MorvaneUtilities.h"
#include "shell/dialogs/DialogDataExchange.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace
{
// Pages and field ids of the settings sheet.
constexpr int kFrequencyLimitsPage = 0;
constexpr int kLowerLimitId = 1018;
constexpr int kFiltersPage = 2;
constexpr int kMaximumNumberOfFiltersId = 1024;
constexpr int kMinimumValueId = 1003;
constexpr int kMinimumFrequencyId = 1002;

// The border pages in the sheet's order, with the index of their view in
// CSettingsSheetValues::views.
struct CBorderPage
{
    int iPage;
    std::size_t iView;
    const char* caption;
    const char* valueWord;
    double dMaxLevel; // the bound of its value limits
};
constexpr std::array<CBorderPage, 4> kBorderPages = {{
    {3, 0, "Speaker Border", "Decibels", CMorvaneSettings::kMaxAxisLevel},
    {4, 2, "Filter Border", "Decibels", CMorvaneSettings::kMaxAxisLevel},
    {6, 1, "Phase Response Border", "Degrees", CMorvaneSettings::kMaxPhaseAxisLevel},
    {7, 3, "Filter Phase Border", "Degrees", CMorvaneSettings::kMaxAxisLevel},
}};

// where: "Speaker Border: the Minimum "; what: "Decibels"; least: the least span as the
// user types it ("1e-09", "0.0000047 Hz").
std::string NarrowRangeMessage(const std::string& where, const std::string& what,
                               const std::string& least)
{
    return where + what + " must be at least " + least + " below the Maximum " + what +
           "; the view cannot draw a narrower range.";
}

// The least span in Hz below the Maximum Frequency typed, in plain decimals down to its
// second significant digit: "0.0000047 Hz".
std::string LeastFrequencySpanText(double dUpperHz)
{
    const double dSpan = CMorvaneSettings::LeastFrequencySpanHz(dUpperHz);
    const int nDecimals = std::max(0, 1 - int(std::floor(std::log10(dSpan))));
    return FormatC("%.*f", nDecimals, dSpan) + " Hz";
}

// The higher limit as the document keeps it: truncated, and at most half the sampling
// frequency.
int HigherLimitKept(const CSettingsSheetValues& values)
{
    const int nHigher = TruncToInt(values.dHigherFrequencyLimit);
    const double dHalf = values.dSamplingFrequency / 2.0;
    return dHalf < nHigher ? TruncToInt(dHalf) : nHigher;
}
} // namespace

std::optional<CSettingsContradiction> FindSettingsContradiction(const CSettingsSheetValues& values)
{
    if (TruncToInt(values.dLowerFrequencyLimit) > HigherLimitKept(values))
        return CSettingsContradiction{
            kFrequencyLimitsPage, kLowerLimitId,
            "The lower frequency limit LF is above the higher frequency limit HF (HF is at most "
            "Fs / 2). Enter an LF that is not above HF."};
    // A limit below one filter would end the calculation after its first filter.
    if (values.bLimitNumberOfFilters && values.nMaximumNumberOfFilters < 1)
        return CSettingsContradiction{kFiltersPage, kMaximumNumberOfFiltersId,
                                      "Filters: the Maximum Number of Filters must be 1 or more "
                                      "while the number of filters is limited."};
    for (const CBorderPage& page : kBorderPages)
    {
        const CSettingsSheetValues::CViewRange& range = values.views[page.iView];
        const std::string where = std::string(page.caption) + ": the Minimum ";
        if (!(range.dLowerFrequency < range.dUpperFrequency))
            return CSettingsContradiction{page.iPage, kMinimumFrequencyId,
                                          where + "Frequency must be below the Maximum Frequency."};
        if (!CMorvaneSettings::IsDrawableFrequencyRange(range.dLowerFrequency,
                                                        range.dUpperFrequency))
            return CSettingsContradiction{
                page.iPage, kMinimumFrequencyId,
                NarrowRangeMessage(where, "Frequency",
                                   LeastFrequencySpanText(range.dUpperFrequency))};
        if (!(range.dLowerValue < range.dUpperValue))
            return CSettingsContradiction{page.iPage, kMinimumValueId,
                                          where + page.valueWord + " must be below the Maximum " +
                                              page.valueWord + "."};
        if (!CMorvaneSettings::IsDrawableLevelRange(range.dLowerValue, range.dUpperValue,
                                                    page.dMaxLevel))
            return CSettingsContradiction{
                page.iPage, kMinimumValueId,
                NarrowRangeMessage(
                    where, page.valueWord,
                    DialogData::FormatDouble(CMorvaneSettings::LeastLevelSpan(page.dMaxLevel)))};
    }
    return std::nullopt;
}

DialogData::CDoubleRange ToleranceRange(bool bUpper)
{
    return {CMorvaneSettings::LeastTolerance(bUpper), CMorvaneSettings::MostTolerance(bUpper)};
}
