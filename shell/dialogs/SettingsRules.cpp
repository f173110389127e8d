#include "shell/dialogs/SettingsRules.h"

#include "document/MorvaneSettings.h"
#include "graph/MorvaneUtilities.h"
#include "shell/dialogs/DialogDataExchange.h"

#include <array>

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

// where: "Speaker Border: the Minimum "; what: "Decibels". The least span as the page's
// fields show numbers ("1e-09").
std::string NarrowRangeMessage(const std::string& where, const std::string& what, double dLeast,
                               const std::string& unit)
{
    return where + what + " must be at least " + DialogData::FormatDouble(dLeast) + unit +
           " below the Maximum " + what + "; the view cannot draw a narrower range.";
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
                NarrowRangeMessage(where, "Frequency", CMorvaneSettings::LeastFrequencyDecades(),
                                   " decades")};
        if (!(range.dLowerValue < range.dUpperValue))
            return CSettingsContradiction{page.iPage, kMinimumValueId,
                                          where + page.valueWord + " must be below the Maximum " +
                                              page.valueWord + "."};
        if (!CMorvaneSettings::IsDrawableLevelRange(range.dLowerValue, range.dUpperValue,
                                                    page.dMaxLevel))
            return CSettingsContradiction{
                page.iPage, kMinimumValueId,
                NarrowRangeMessage(where, page.valueWord,
                                   CMorvaneSettings::LeastLevelSpan(page.dMaxLevel), "")};
    }
    return std::nullopt;
}
