#include "AssertionCapture.h"

#include "graph/Convert.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace
{
std::tm Date(int year, int month, int day)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    return t;
}
} // namespace

TEST(Convert, NumbersToText)
{
    EXPECT_EQ("-42", IntToString(-42));
    EXPECT_EQ("2.500000", DoubleToString(2.5));
    EXPECT_EQ("  3.142", FormatDouble(3.14159, "%7.3lf"));
    EXPECT_EQ("1.000000000000000", FormatDouble(1.0, "%.15lf"));
    EXPECT_EQ("100%", FormatDouble(100.0, "%.0f%%"));
    const std::pair<double, const char*> shortCases[] = {
        {0.0, "0"},   {0.5, "0.500"},    {-3.0, "-3"},      {2.71828, "2.718"},
        {12.0, "12"}, {12.25, "12.250"}, {-0.25, "-0.250"}, {1e20, "100000000000000000000"}};
    for (const auto& [in, out] : shortCases)
        EXPECT_EQ(out, DoubleToShortString(in)) << in;
}

TEST(Convert, FormatDoubleRefusesFormatsThatDoNotTakeOneDouble)
{
    AssertionCapture checks;
    for (const char* bad : {"%s", "%d", "%f %f", "no conversion", "%*f", "%Lf", "%n"})
        EXPECT_EQ("", FormatDouble(1.0, bad)) << bad;
    EXPECT_EQ(7u, checks.reports().size());
    EXPECT_EQ("", FormatDouble(1.0, nullptr));
}

TEST(Convert, TruthValues)
{
    EXPECT_EQ("Yes", BoolToYesNo(true));
    EXPECT_EQ("No", BoolToYesNo(false));
    EXPECT_EQ("true", BoolToString(true));
    EXPECT_EQ("false", BoolToString(false));
}

// The one Yes/No parse of every file field and grid cell, and the profile's truth values:
// a text that is neither is no value at all, never No.
TEST(Convert, YesNoAndTrueFalseReadWholeWordsOnly)
{
    const struct
    {
        const char* text;
        std::optional<bool> yesNo;
        std::optional<bool> trueFalse;
    } cases[] = {
        {"Yes", true, true},     {" YES\t", true, true}, {"y", true, true},
        {"ye", true, true},      {"No", false, false},   {"n", false, false},
        {"  no ", false, false}, {"true", {}, true},     {"FALSE", {}, false},
        {"Maybe", {}, {}},       {"", {}, {}},           {"   ", {}, {}},
        {"eyes", {}, {}},        {"Yes (on)", {}, {}},   {"yess", {}, {}},
        {"1", {}, {}},           {"0", {}, {}},          {"truex", {}, {}},
        {"+yes", {}, {}},        {"No\r", {}, {}},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ParseYesNo(c.text), c.yesNo) << '"' << c.text << '"';
        EXPECT_EQ(ParseTrueFalse(c.text), c.trueFalse) << '"' << c.text << '"';
    }
}

// The one parse of every number read from text: a whole token that is one finite number,
// nothing before or after it.
TEST(Convert, ParseWholeDoubleTakesOneFiniteNumberAndNothingElse)
{
    const struct
    {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"-3.5", -3.5},     {"  -1.25 ", -1.25},
        {"\t7\t", 7.0},     {"+5", 5.0},
        {"1e3", 1000.0},    {".5", 0.5},
        {"5.", 5.0},        {"1E-3", 0.001},
        {"1e-400", 0.0},    {"-1e-400", -0.0},
        {"1e-310", 1e-310}, {"1.7e308", 1.7e308},
        {"abc", {}},        {"", {}},
        {"  ", {}},         {"-3.5dB", {}},
        {"1000Hz", {}},     {"1.0.5", {}},
        {"-3,5", {}},       {"85,5", {}},
        {"nan", {}},        {"-nan", {}},
        {"inf", {}},        {"-inf", {}},
        {"1e400", {}},      {"0x10", {}},
        {"+-1", {}},        {"++1", {}},
        {"1 2", {}},        {"-", {}},
        {"e5", {}},         {"1e", {}},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ParseWholeDouble(c.text), c.value) << '"' << c.text << '"';
        if (c.value)
            EXPECT_EQ(WholeDoubleOrNaN(c.text), *c.value) << c.text;
        else
            EXPECT_TRUE(std::isnan(WholeDoubleOrNaN(c.text))) << c.text;
    }
}

// Whether a value's text reads back as the value, in the one place every writer asks it.
TEST(Convert, ReadBackValueIsTheValueItsTextReadsAs)
{
    EXPECT_EQ(ReadBackValue(0.1, "%lf"), 0.1);
    EXPECT_TRUE(ReadsBack(0.1, "%lf"));
    EXPECT_EQ(ReadBackValue(4e-7, "%lf"), 0.0);
    EXPECT_FALSE(ReadsBack(4e-7, "%lf"));
    EXPECT_EQ(ReadBackValue(1e-16, "  %18.15lf "), 0.0);
    EXPECT_EQ(ReadBackValue(0.0012346, "%lf"), 0.001235);
    EXPECT_TRUE(ReadsBack(1e-11, "%.17g"));
    EXPECT_TRUE(std::isnan(ReadBackValue(std::numeric_limits<double>::infinity(), "%lf")));
    EXPECT_FALSE(ReadsBack(std::nan(""), "%lf"));
}

TEST(Convert, BytesToText)
{
    EXPECT_EQ("ff", ByteToHexText(255));
    EXPECT_EQ("5", ByteToHexText(5));
    EXPECT_EQ("-56", CharToDecimalText(200));
    EXPECT_EQ("127", CharToDecimalText(127));
    EXPECT_EQ("00000101", ByteToBitString(5, 8));
    EXPECT_EQ("0000101", ByteToBitString(5, 7));
    AssertionCapture checks;
    std::string text = "kept";
    EXPECT_TRUE(ByteToBitString(5, 6, &text));
    EXPECT_EQ("kept", text);
    EXPECT_TRUE(checks.reported("nDataWidth IS 7 || nDataWidth IS 8"));
    EXPECT_EQ("", ByteToBitString(5, 9));
}

TEST(Convert, FixedPointWords)
{
    const struct
    {
        double in;
        const char* hex12;
        const char* hex7;
    } cases[] = {
        {1.0, "000000800000", "0800000"},
        {-1.0, "FFFFFF800000", "F800000"},
        {0.5, "000000400000", "0400000"},
        {-1.0 / 8388608.0, "FFFFFFFFFFFF", "FFFFFFF"},
        {0.9999999, "0000007FFFFF", "07FFFFF"},
        {-0.9999999, "FFFFFF800001", "F800001"}, // truncated toward zero
        {NAN, "000000000000", "0000000"},
        {1e300, "FFFFFFFFFFFF", "FFFFFFF"}, // held at the largest 64-bit word
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.hex12, DoubleToHex12(c.in)) << c.in;
        EXPECT_EQ(c.hex7, DoubleToHex7(c.in)) << c.in;
    }
}

TEST(Convert, Dates)
{
    EXPECT_EQ("1/3/05", DateText(Date(2005, 1, 3)));
    EXPECT_EQ("_1_3_2005", TimeStampText(Date(2005, 1, 3)));
    EXPECT_EQ("12/31/00", DateText(Date(2000, 12, 31)));
    EXPECT_EQ("January", MonthName(1));
    EXPECT_EQ("December", MonthName(12));
    EXPECT_EQ(1, MonthNumber("  january"));
    EXPECT_EQ(9, MonthNumber("SEPT"));
    EXPECT_EQ(0, MonthNumber("Ju"));
    EXPECT_EQ(0, MonthNumber("xyz"));
    EXPECT_FALSE(DateText().empty());
    EXPECT_EQ('_', TimeStampText()[0]);
}

TEST(Convert, DayOfYearUsesTheGregorianLeapRule)
{
    const struct
    {
        int month, day, year, result;
    } cases[] = {{1, 31, 2005, 31}, {3, 1, 2004, 61}, {3, 1, 2005, 60},    {12, 31, 2004, 366},
                 {3, 1, 1900, 60},  {3, 1, 2000, 61}, {12, 31, 2100, 365}, {2, 29, 2000, 60}};
    AssertionCapture checks;
    for (const auto& c : cases)
        EXPECT_EQ(c.result,
                  DayOfYear(std::uint16_t(c.month), std::uint16_t(c.day), std::uint16_t(c.year)))
            << c.month << "/" << c.day << "/" << c.year;
    EXPECT_TRUE(checks.reports().empty());
    DayOfYear(2, 29, 1900);
    EXPECT_TRUE(checks.reported("wDay <= MonthDays[wMonth - 1].Days"));
    checks.clear();
    DayOfYear(2, 30, 2004);
    EXPECT_TRUE(checks.reported("wDay <= 29"));
    EXPECT_EQ(0, DayOfYear(13, 1, 2000));
    EXPECT_EQ("", MonthName(0));
}

TEST(Convert, TextToNumbers)
{
    EXPECT_EQ(42, StringToLong(" 42 "));
    EXPECT_EQ(0, StringToLong(""));
    EXPECT_EQ(0xABCDEF, HexTextToLong("ABCDEF"));
    EXPECT_EQ(0xFF8000, HexTextToLong("ff8000zz"));
    EXPECT_EQ(0, HexTextToLong("zz"));

    int i = 5;
    EXPECT_TRUE(TextToInt("none", &i));
    EXPECT_EQ(5, i);
    EXPECT_TRUE(TextToInt("-12", &i));
    EXPECT_EQ(-12, i);
    EXPECT_TRUE(TextToInt("99999999999999999999", &i));
    EXPECT_EQ(INT_MAX, i);
    unsigned u = 0;
    EXPECT_TRUE(TextToUnsigned("4000000000", &u));
    EXPECT_EQ(4000000000u, u);
    unsigned short s = 0;
    EXPECT_TRUE(TextToUnsignedShort("65535", &s));
    EXPECT_EQ(65535, s);
}

TEST(Convert, TextToBytes)
{
    const struct
    {
        bool hex;
        const char* text;
        std::uint8_t stored;
        bool result;
    } cases[] = {
        {true, "ff", 255, true},
        {true, "100", 0, false},
        {true, "7", 7, true},
        {true, "zz", 0, true},
        {false, "255", 255, true},
        {false, "256", 0, false},
        {false, "-5", 251, true},
        {false, "", 0, true},
        {false, "99999999999999999999", 0, false},
    };
    for (const auto& c : cases)
    {
        std::uint8_t b = 99;
        EXPECT_EQ(c.result, c.hex ? HexTextToByte(c.text, &b) : DecimalTextToByte(c.text, &b))
            << c.text;
        EXPECT_EQ(c.stored, b) << c.text;
    }
}

TEST(Convert, BitStrings)
{
    const std::pair<const char*, int> cases[] = {
        {"00000101", 5}, {"11111111", 255}, {"101", 5}, {"1111-0000", 0xE0}, {"", 0}};
    for (const auto& [text, value] : cases)
    {
        std::uint8_t b = 99;
        EXPECT_TRUE(BitStringToByte(text, &b)) << text;
        EXPECT_EQ(value, b) << text;
    }
    AssertionCapture checks;
    std::uint8_t b = 99;
    EXPECT_TRUE(BitStringToByte(std::string(32, '1'), &b));
    EXPECT_EQ(255, b);
    b = 99;
    EXPECT_FALSE(BitStringToByte(std::string(33, '1'), &b));
    EXPECT_EQ(99, b);
}

TEST(Convert, DelimitedFields)
{
    const std::pair<int, const char*> cases[] = {{0, "a"}, {1, ""}, {2, "c"},
                                                 {3, ""},  {4, ""}, {-1, ""}};
    for (const auto& [n, field] : cases)
        EXPECT_EQ(field, GetDelimitedField("a,,c", n, ',')) << n;
    EXPECT_EQ(" 2.5 ", GetDelimitedField("x; 2.5 ;y", 1, ';')); // nothing trimmed
    EXPECT_EQ(0, CountFields("", ','));
    EXPECT_EQ(2, CountFields(",,a,,b,", ','));
    EXPECT_EQ(1, CountFields("abc", ','));
}

TEST(Convert, PathsAndLines)
{
    EXPECT_EQ("file.flt", FileNameFromPath("C:\\dir\\file.flt"));
    EXPECT_EQ("file.flt", FileNameFromPath("/home/user/file.flt"));
    EXPECT_EQ("file.flt", FileNameFromPath("file.flt"));
    EXPECT_TRUE(IsFirstWordEmpty(""));
    EXPECT_TRUE(IsFirstWordEmpty(" word"));
    EXPECT_FALSE(IsFirstWordEmpty("word "));
}

TEST(Convert, SplitTextToArrayKeepsLineEndsAndTheTail)
{
    std::vector<std::string> lines = {"old"};
    EXPECT_FALSE(SplitTextToArray("", lines));
    EXPECT_TRUE(lines.empty());
    ASSERT_TRUE(SplitTextToArray("one\r\ntwo\r\n", lines));
    EXPECT_EQ((std::vector<std::string>{"one\r\n", "two\r\n"}), lines);
    ASSERT_TRUE(SplitTextToArray("single", lines));
    EXPECT_EQ(std::vector<std::string>{"single"}, lines);
    ASSERT_TRUE(SplitTextToArray("a\r\nb\nc", lines));
    EXPECT_EQ((std::vector<std::string>{"a\r\n", "b\nc"}), lines);

    std::string big;
    for (int i = 0; i < 20000; ++i)
        big += "line\r\n";
    ASSERT_TRUE(SplitTextToArray(big + "tail", lines));
    ASSERT_EQ(20001u, lines.size());
    EXPECT_EQ("tail", lines.back());
}
