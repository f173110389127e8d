#include "AssertionCapture.h"

#include "framework/core/RecordingDC.h"
#include "framework/core/Services.h"
#include "graph/MorvaneUtilities.h"
#include "graph/NamedColor.h"
#include "graph/ResourceString.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

TEST(RoundToInt, HalvesAwayFromZeroAndHeldInRange)
{
    const std::pair<double, int> cases[] = {{2.5, 3},         {-2.5, -3},        {2.4999, 2},
                                            {-0.4, 0},        {0.5, 1},          {-0.5, -1},
                                            {1e300, INT_MAX}, {-1e300, INT_MIN}, {NAN, 0}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(out, RoundToInt(in)) << in;
}

TEST(RoundToMultiple, UpAndDownAfterRounding)
{
    struct Case
    {
        double in;
        double up;
        double down;
    };
    // Beyond the int range too (a window of 1e12 dB), a small negative value rounds to 0
    // without a sign, no number to 0, and an infinite value stays.
    const Case cases[] = {{23.4, 30, 20},
                          {-23.4, -20, -30},
                          {23.6, 30, 20},
                          {40.2, 40, 40},
                          {-40.0, -40, -40},
                          {0.4, 0, 0},
                          {-0.4, 0, 0},
                          {1e12 + 3.4, 1e12 + 10, 1e12},
                          {-1e12 - 3.4, -1e12, -1e12 - 10},
                          {-1e300, -1e300, -1e300},
                          {NAN, 0, 0},
                          {INFINITY, INFINITY, INFINITY}};
    for (const Case& c : cases)
    {
        double up = c.in, down = c.in;
        EXPECT_TRUE(RoundUpToMultiple(10, &up));
        EXPECT_TRUE(RoundDownToMultiple(10, &down));
        EXPECT_EQ(c.up, up) << c.in;
        EXPECT_EQ(c.down, down) << c.in;
        EXPECT_FALSE(std::signbit(up) && up == 0.0) << c.in;
    }
    AssertionCapture checks;
    double v = 7.0;
    EXPECT_FALSE(RoundUpToMultiple(0, &v));
    EXPECT_EQ(7.0, v);
    EXPECT_FALSE(checks.reports().empty());
}

TEST(ReplaceNonPositiveValues, RepairsEveryRun)
{
    struct Case
    {
        std::vector<double> in;
        std::vector<double> out;
    };
    const Case cases[] = {
        {{1, 0, -3, 5}, {1, 3, 3, 5}},
        {{4, -1, 2, 0, 8}, {4, 3, 2, 5, 8}},
        {{0, -1, 6, 2}, {6, 6, 6, 2}}, // leading run from its neighbour
        {{3, 2, 0, -4}, {3, 2, 2, 2}}, // trailing run
        {{-1, 4, -2, 6, 0}, {4, 4, 5, 6, 6}},
        {{7}, {7}},
        {{}, {}},
    };
    for (const Case& c : cases)
    {
        std::vector<double> v = c.in;
        EXPECT_TRUE(ReplaceNonPositiveValues(v) || c.in.empty());
        EXPECT_EQ(c.out, v);
    }
}

TEST(ReplaceNonPositiveValues, NoPositiveValueFailsUnchanged)
{
    AssertionCapture checks;
    std::vector<double> v = {0, -1, -2};
    EXPECT_FALSE(ReplaceNonPositiveValues(v));
    EXPECT_EQ((std::vector<double>{0, -1, -2}), v);
}

TEST(CenteredText, CentresOrFallsBackToLeft)
{
    CRecordingDC dc;                                        // 10 units per character
    EXPECT_EQ(135, GetCenteredTextX(&dc, "abc", 100, 200)); // 100 + (100 - 30) / 2
    EXPECT_EQ(100, GetCenteredTextX(&dc, "0123456789", 100, 200));
    EXPECT_EQ(100, GetCenteredTextX(&dc, "0123456789abc", 100, 200));
}

TEST(Utilities, SmallHelpers)
{
    EXPECT_DOUBLE_EQ(5.0, ComplexMagnitude(3, 4));
    EXPECT_DOUBLE_EQ(10.0, DbToLinear(20));
    CDoublePoint pts[2];
    EXPECT_TRUE(FillPointArray(pts, 1.5, 2));
    EXPECT_EQ((CDoublePoint{1.5, 1.5}), pts[1]);
    CRect r{10, 20, 0, 5};
    EXPECT_TRUE(NormalizeRectangle(nullptr, &r));
    EXPECT_EQ((CRect{0, 5, 10, 20}), r);
    EXPECT_EQ(3, SmallestNonZeroWord({0, 7, 3, 0}));
    EXPECT_EQ(0xFFFF, SmallestNonZeroWord({0, 0}));
    AssertionCapture checks;
    EXPECT_EQ(0xFFFF, SmallestNonZeroWord({}));
    EXPECT_TRUE(checks.reported("nLength"));
}

TEST(ShowMessage, GoesToTheInstalledMessageBox)
{
    CRecordingMessageBox box;
    Services::SetMessageBox(&box);
    EXPECT_EQ(IDOK, ShowMessage("WARNING: something"));
    Services::SetMessageBox(nullptr);
    EXPECT_EQ(std::vector<std::string>{"WARNING: something"}, box.texts);
}

TEST(TextFunctions, CuttingTexts)
{
    EXPECT_EQ("name", LeftOfSubstring("name.ext", "."));
    EXPECT_EQ("noext", LeftOfSubstring("noext", "."));
    EXPECT_EQ("ext", RightOfSubstring("name.ext", "."));
    EXPECT_EQ("noext", RightOfSubstring("noext", "."));
    EXPECT_EQ("a.b", LeftOfLastChar("a.b.c", '.'));
    EXPECT_EQ("", LeftOfLastChar("noext", '.'));
    EXPECT_EQ("c", RightOfLastChar("a.b.c", '.'));
    EXPECT_EQ("", RightOfLastChar("noext", '.'));
}

TEST(TextFunctions, CharacterClasses)
{
    EXPECT_TRUE(IsNumeric(""));
    EXPECT_TRUE(IsNumeric("1.5e3"));
    EXPECT_TRUE(IsNumeric(" -2\t\n"));
    EXPECT_FALSE(IsNumeric("12a"));
    EXPECT_TRUE(IsBlankChar('\t'));
    EXPECT_FALSE(IsBlankChar('\n'));
    EXPECT_TRUE(IsNumberChar('E'));
    EXPECT_FALSE(IsNumberChar('\0'));
    EXPECT_FALSE(IsNumberChar(','));
}

TEST(TextFunctions, CountNumbersInLine)
{
    const std::pair<const char*, int> cases[] = {
        {"  1.5 -2 ", 2},
        {"7", 1},
        {"abc 12", 0},
        {"", 0},
        {"1,5 2", 2},
        {"\t3\t4\t5", 3},
        {"1 x 2", 2}, // x is neither blank nor number: it
                      // changes nothing
        {"1x 2", 2},  // and inside a number it belongs to it
    };
    for (const auto& [line, count] : cases)
        EXPECT_EQ(count, CountNumbersInLine(line)) << '"' << line << '"';
}

TEST(TextFunctions, ParseNumbersInLine)
{
    double v[3] = {-1, -1, -1};
    EXPECT_TRUE(ParseNumbersInLine(3, v, "100.0 -3.5 45"));
    EXPECT_EQ(100.0, v[0]);
    EXPECT_EQ(-3.5, v[1]);
    EXPECT_EQ(45.0, v[2]);
    double one = 0;
    EXPECT_TRUE(ParseNumbersInLine(1, &one, "123"));
    EXPECT_EQ(123.0, one);
    // Only the first N numbers are stored.
    double two[3] = {0, 0, 99};
    EXPECT_TRUE(ParseNumbersInLine(2, two, "1 2 3"));
    EXPECT_EQ(99, two[2]);
    EXPECT_EQ(2, two[1]);
}

TEST(TextFunctions, ParseNumbersInLineTakesTokensOfAnyLength)
{
    const std::string longNumber = "1." + std::string(500, '0') + "1";
    double v[2] = {0, 0};
    EXPECT_TRUE(ParseNumbersInLine(2, v, longNumber + " " + std::string(300, '2')));
    EXPECT_EQ(1.0, v[0]);
    EXPECT_EQ(2.2222222222222222e299, v[1]);
}

TEST(TextFunctions, ParseNumbersInLineRefusesWithoutStoring)
{
    AssertionCapture checks;
    double v[3] = {7, 7, 7};
    EXPECT_FALSE(ParseNumbersInLine(0, v, "1"));
    EXPECT_FALSE(ParseNumbersInLine(1, nullptr, "1"));
    EXPECT_FALSE(ParseNumbersInLine(1, v, ""));
    EXPECT_TRUE(checks.reported("FALSE"));
    EXPECT_FALSE(ParseNumbersInLine(3, v, "1 2"));
    EXPECT_EQ(7, v[0]);
    EXPECT_TRUE(ParseNumbersInLine(1, v, "e"));
    EXPECT_EQ(7, v[0]); // no number in the token: the entry stays
}

// A run is read whole or not at all: never the number at its front.
TEST(TextFunctions, ParseNumbersInLineReadsEachRunWhole)
{
    for (const char* run : {"1.0.5", "1e400", "-", "1-2", "5e", "2.5e+", "+-1", "1..0"})
    {
        double v[2] = {7, 7};
        EXPECT_TRUE(ParseNumbersInLine(2, v, std::string("3 ") + run)) << run;
        EXPECT_EQ(3, v[0]) << run;
        EXPECT_EQ(7, v[1]) << run;
    }
}

TEST(FindStringInArray, FindsPartsAndSaysWhenNothingMatches)
{
    const std::vector<std::string> lines = {"#define COEF_A", "#define Gain", "end"};
    EXPECT_EQ(0, FindStringInArray("COEF", lines));
    EXPECT_EQ(1, FindStringInArray("Gain", lines));
    EXPECT_EQ(-1, FindStringInArray("gain", lines)); // case counts
    EXPECT_EQ(-1, FindStringInArray("x", {}));
}

TEST(ResourceString, LoadsTheTableAndEmptyForUnknownIds)
{
    EXPECT_EQ(".crv", CResourceString(154));
    EXPECT_EQ("Curve Files (*.crv) |*.crv||", CResourceString(156));
    EXPECT_EQ("Yes", CResourceString(203));
    EXPECT_EQ("No", CResourceString(204));
    EXPECT_EQ("YES", CResourceString(205));
    EXPECT_EQ("", CResourceString(1));
    EXPECT_EQ("", CResourceString());
}

TEST(HelpString, KeepsAWritableZeroTerminatedCopy)
{
    CHelpString missing(1);
    EXPECT_EQ('\0', missing.GetText()[0]);
    CHelpString yes(203);
    yes.GetText()[0] = 'y';
    EXPECT_STREQ("yes", yes.GetText());
    EXPECT_EQ("Yes", yes); // the text itself stays
}

TEST(NamedColor, ColourFollowsTheComponents)
{
    const CNamedColor orange("Orange", 255, 128, 0);
    EXPECT_EQ(COLORREF(0x000080FF), orange.GetColor());
    EXPECT_EQ(128, orange.GetGreen());
    const CNamedColor plain;
    EXPECT_EQ("Red", plain.GetName());
    EXPECT_EQ(COLORREF(0), plain.GetColor());
    CNamedColor c;
    c.Set("Blue", 0, 0, 255);
    EXPECT_EQ(COLORREF(0xFF0000), c.GetColor());
    EXPECT_EQ(255, c.GetBlue());
    EXPECT_EQ(0, c.GetRed());
}
