// Reading and writing the numbers of dialog fields, settings that contradict each other,
// and the confirmation questions.
#include "shell/dialogs/ConfirmMarkText.h"
#include "shell/dialogs/DialogDataExchange.h"
#include "shell/dialogs/SettingsRules.h"

#include <gtest/gtest.h>

#include <cmath>

#include <clocale>

namespace
{
TEST(DialogData, ParsesWholeNumbersOnly)
{
    struct
    {
        const char* text;
        bool bNumber;
        double value;
    } const cases[] = {
        {"48000", true, 48000.0}, {" 10.9 ", true, 10.9}, {"-1", true, -1.0}, {"+2.5", true, 2.5},
        {"1e-11", true, 1e-11},   {"", false, 0},         {"  ", false, 0},   {"12abc", false, 0},
        {"1,5", false, 0},        {"abc", false, 0},      {"inf", false, 0},  {"nan", false, 0},
        {"1e999", false, 0},      {"+-1", false, 0},      {"--1", false, 0},
    };
    for (const auto& c : cases)
    {
        const std::optional<double> value = DialogData::ParseDouble(c.text);
        EXPECT_EQ(value.has_value(), c.bNumber) << c.text;
        if (value && c.bNumber)
        {
            EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
        }
    }
}

TEST(DialogData, IntegersRefuseFractionsAndOverflow)
{
    EXPECT_EQ(DialogData::ParseLong(" 300 "), 300);
    EXPECT_FALSE(DialogData::ParseLong("300.5"));
    EXPECT_FALSE(DialogData::ParseLong("99999999999999999999999"));
    EXPECT_FALSE(DialogData::ParseLong(""));
}

TEST(DialogData, NumbersUseThePointWhateverTheLocale)
{
    // A locale with a decimal comma, where the system has one.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(DialogData::FormatDouble(0.01), "0.01");
    EXPECT_EQ(DialogData::ParseDouble("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(DialogData, FieldTextsAndRangeMessages)
{
    EXPECT_EQ(DialogData::FormatDouble(24000.0), "24000");
    EXPECT_EQ(DialogData::FormatDouble(1e-11), "1e-11");
    EXPECT_EQ(DialogData::FormatDouble(0.1), "0.1");
    EXPECT_EQ(DialogData::RealRangeMessage(1.0, 30000.0),
              "Please enter a number between 1 and 30000.");
    EXPECT_EQ(DialogData::RealRangeMessage(1e-11, 1e10),
              "Please enter a number between 1e-11 and 10000000000.");
    EXPECT_EQ(DialogData::IntegerRangeMessage(150, 100000000),
              "Please enter an integer between 150 and 100000000.");
}

TEST(ConfirmMark, QuestionsAndCaptions)
{
    EXPECT_EQ(ConfirmMarkQuestion(EConfirmMark::Fixed, "EQ-3"), "Mark As Fixed EQ-3?");
    EXPECT_EQ(ConfirmMarkQuestion(EConfirmMark::Active, ""), "Mark as Active ?");
    EXPECT_EQ(ConfirmMarkQuestion(EConfirmMark::Inactive, "NT-1"), "Mark As Inactive NT-1?");
    EXPECT_EQ(ConfirmMarkQuestion(EConfirmMark::Modifiable, "EQ-12"), "Mark as Modifiable EQ-12?");
    EXPECT_STREQ(ConfirmMarkText(EConfirmMark::Modifiable).caption, "Confirm Mark As Modifiable");
}
} // namespace

namespace
{
// Settings as the sheet starts with them: nothing contradicts.
CSettingsSheetValues AgreeingSettings()
{
    CSettingsSheetValues v;
    v.dSamplingFrequency = 48000.0;
    v.dLowerFrequencyLimit = 20.0;
    v.dHigherFrequencyLimit = 20000.0;
    for (CSettingsSheetValues::CViewRange& range : v.views)
        range = {10.0, 24000.0, -30.0, 20.0, false};
    return v;
}

TEST(SettingsRules, ContradictionsNameThePageAndTheField)
{
    EXPECT_FALSE(FindSettingsContradiction(AgreeingSettings()));
    struct
    {
        const char* what;
        void (*change)(CSettingsSheetValues&);
        int iPage; // -1: the values agree
        int nId;
        const char* message;
    } const cases[] = {
        {"LF above HF", [](CSettingsSheetValues& v) { v.dLowerFrequencyLimit = 20001.0; }, 0, 1018,
         "The lower frequency limit LF is above the higher frequency limit HF (HF is at most Fs / "
         "2). Enter an LF that is not above HF."},
        {"LF above Fs / 2",
         [](CSettingsSheetValues& v)
         { v.dLowerFrequencyLimit = 16000.0, v.dSamplingFrequency = 30000.0; },
         0, 1018, nullptr},
        {"LF equal to HF", [](CSettingsSheetValues& v) { v.dLowerFrequencyLimit = 20000.9; }, -1, 0,
         nullptr},
        {"a limit of no filter",
         [](CSettingsSheetValues& v)
         { v.bLimitNumberOfFilters = true, v.nMaximumNumberOfFilters = 0; },
         2, 1024,
         "Filters: the Maximum Number of Filters must be 1 or more while the number of filters "
         "is limited."},
        {"a negative limit",
         [](CSettingsSheetValues& v)
         { v.bLimitNumberOfFilters = true, v.nMaximumNumberOfFilters = -2; },
         2, 1024, nullptr},
        {"a limit of one filter",
         [](CSettingsSheetValues& v)
         { v.bLimitNumberOfFilters = true, v.nMaximumNumberOfFilters = 1; },
         -1, 0, nullptr},
        {"a count not in force", [](CSettingsSheetValues& v) { v.nMaximumNumberOfFilters = -2; },
         -1, 0, nullptr},
        {"speaker dB upside down", [](CSettingsSheetValues& v) { v.views[0].dLowerValue = 30.0; },
         3, 1003, "Speaker Border: the Minimum Decibels must be below the Maximum Decibels."},
        {"phase degrees equal", [](CSettingsSheetValues& v) { v.views[1].dLowerValue = 20.0; }, 6,
         1003, "Phase Response Border: the Minimum Degrees must be below the Maximum Degrees."},
        {"filter frequencies upside down",
         [](CSettingsSheetValues& v) { v.views[2].dLowerFrequency = 30000.0; }, 4, 1002,
         "Filter Border: the Minimum Frequency must be below the Maximum Frequency."},
        {"filter phase degrees upside down",
         [](CSettingsSheetValues& v) { v.views[3].dUpperValue = -90.0; }, 7, 1003, nullptr},
        // Limits a scale cannot draw apart: a window of 1e-310 dB has no finite scale.
        {"speaker dB narrower than a finite scale",
         [](CSettingsSheetValues& v)
         { v.views[0].dLowerValue = 1e-310, v.views[0].dUpperValue = 2e-310; },
         3, 1003,
         "Speaker Border: the Minimum Decibels must be at least 1e-09 below the Maximum "
         "Decibels; the view cannot draw a narrower range."},
        {"filter dB a tenth of the least apart",
         [](CSettingsSheetValues& v) { v.views[2].dLowerValue = 20.0 - 1e-10; }, 4, 1003,
         "Filter Border: the Minimum Decibels must be at least 1e-09 below the Maximum "
         "Decibels; the view cannot draw a narrower range."},
        {"filter dB the least apart",
         [](CSettingsSheetValues& v) { v.views[2].dLowerValue = 20.0 - 1e-9; }, -1, 0, nullptr},
        // The speaker phase view's degrees reach 100000, where the doubles lie farther apart.
        {"phase degrees narrower than the least",
         [](CSettingsSheetValues& v) { v.views[1].dLowerValue = 20.0 - 5e-8; }, 6, 1003,
         "Phase Response Border: the Minimum Degrees must be at least 1e-07 below the Maximum "
         "Degrees; the view cannot draw a narrower range."},
        {"phase degrees the least apart",
         [](CSettingsSheetValues& v) { v.views[1].dLowerValue = 20.0 - 1e-7; }, -1, 0, nullptr},
        {"filter phase degrees narrower than the least",
         [](CSettingsSheetValues& v)
         { v.views[3].dLowerValue = -1e-320, v.views[3].dUpperValue = 1e-320; },
         7, 1003,
         "Filter Phase Border: the Minimum Degrees must be at least 1e-09 below the Maximum "
         "Degrees; the view cannot draw a narrower range."},
        // Frequencies are drawn in decades: 200000 and the next double share their log10.
        {"speaker frequencies of one log10",
         [](CSettingsSheetValues& v)
         {
             v.views[0].dLowerFrequency = 200000.0,
             v.views[0].dUpperFrequency = std::nextafter(200000.0, 1e6);
         },
         3, 1002,
         "Speaker Border: the Minimum Frequency must be at least 0.0000047 Hz below the "
         "Maximum Frequency; the view cannot draw a narrower range."},
        // The least span is named in the Hz the user types, for the maximum typed, and a
        // minimum that far below is taken.
        {"speaker frequencies the named Hz apart",
         [](CSettingsSheetValues& v) {
             v.views[0].dLowerFrequency = 200000.0 - 0.0000047,
             v.views[0].dUpperFrequency = 200000.0;
         },
         -1, 0, nullptr},
        {"phase frequencies a hundred-millionth of a Hz apart at 1000 Hz",
         [](CSettingsSheetValues& v)
         { v.views[1].dLowerFrequency = 1000.0 - 1e-8, v.views[1].dUpperFrequency = 1000.0; },
         6, 1002,
         "Phase Response Border: the Minimum Frequency must be at least 0.000000024 Hz below the "
         "Maximum Frequency; the view cannot draw a narrower range."},
        {"phase frequencies the named Hz apart",
         [](CSettingsSheetValues& v) {
             v.views[1].dLowerFrequency = 1000.0 - 0.000000024, v.views[1].dUpperFrequency = 1000.0;
         },
         -1, 0, nullptr},
        {"filter frequencies of one log10 at 1 Hz",
         [](CSettingsSheetValues& v) {
             v.views[2].dLowerFrequency = 1.0,
             v.views[2].dUpperFrequency = std::nextafter(1.0, 2.0);
         },
         4, 1002,
         "Filter Border: the Minimum Frequency must be at least 0.000000000024 Hz below the "
         "Maximum Frequency; the view cannot draw a narrower range."},
        {"phase frequencies a hundred-millionth of a Hz apart",
         [](CSettingsSheetValues& v)
         { v.views[1].dLowerFrequency = 1000.0, v.views[1].dUpperFrequency = 1000.00000001; },
         6, 1002, nullptr},
        {"filter phase frequencies the least apart",
         [](CSettingsSheetValues& v)
         {
             v.views[3].dLowerFrequency = 1000.0,
             v.views[3].dUpperFrequency = 1000.0 * std::pow(10.0, 1.0001e-11);
         },
         -1, 0, nullptr},
    };
    for (const auto& c : cases)
    {
        CSettingsSheetValues values = AgreeingSettings();
        c.change(values);
        const std::optional<CSettingsContradiction> found = FindSettingsContradiction(values);
        ASSERT_EQ(found.has_value(), c.iPage >= 0) << c.what;
        if (!found)
            continue;
        EXPECT_EQ(found->iPage, c.iPage) << c.what;
        EXPECT_EQ(found->nControlId, c.nId) << c.what;
        if (c.message)
        {
            EXPECT_EQ(found->message, c.message) << c.what;
        }
    }
}
} // namespace
