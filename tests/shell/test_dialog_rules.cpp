// Reading and writing the numbers of dialog fields, and the confirmation questions.
#include "shell/dialogs/ConfirmMarkText.h"
#include "shell/dialogs/DialogDataExchange.h"

#include <gtest/gtest.h>

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
