// The raw response file: the exact bytes written, the column decision, the separators
// it accepts, and the files it refuses without touching the phase-column mode.
#include "document/RawResponseFile.h"
#include "framework/core/Services.h"
#include "graph/Mode.h"
#include "tests/document/TempFolder.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace
{
const std::string kTitle = "\"Loudspeaker Raw Response Data for the Morvane Program\"\r\n";
const std::string kHeader = "       \"Hz\" \"Mag (dB)\"      \"deg\"\r\n";

mwMatrix Column(std::vector<double> values)
{
    return mwMatrix(int(values.size()), 1, values.data(), nullptr, 1);
}

std::vector<double> Values(const mwMatrix& m)
{
    std::vector<double> v(std::size_t(m.NumberOfElements()));
    if (!v.empty())
        m.CopyRealTo(v.data());
    return v;
}

struct ReadResult
{
    bool ok = false;
    bool phase = false;
    std::vector<double> f, m, p;
    int errorLine = -1;
    std::string error;
};

ReadResult Read(const std::string& text, CMode& mode)
{
    CRawResponseFile file(&mode);
    ReadResult r;
    r.ok = file.OpenText(text, "speaker.raw");
    r.errorLine = file.GetErrorLine();
    r.error = file.GetError();
    if (!r.ok)
        return r;
    mwMatrix f, m, p;
    EXPECT_TRUE(file.Parse(&f, &m, &p));
    file.Close();
    r.phase = mode.IsOn() != 0;
    r.f = Values(f);
    r.m = Values(m);
    if (r.phase)
        r.p = Values(p);
    return r;
}
} // namespace

TEST(RawResponseFile, WritesTitleHeaderAndRowsByteForByte)
{
    TempFolder folder;
    std::string path = folder.Path("out.raw");
    CMode mode;
    CRawResponseFile file(&mode);
    ASSERT_TRUE(file.OpenForWrite(path));
    ASSERT_TRUE(file.Write(Column({100.0, 20000.0}), Column({-3.5, 1.234567}),
                           Column({45.0, -179.999999})));
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadFileBytes(path), kTitle + kHeader +
                                       "  100.0000,  -3.50000,  45.00000\r\n"
                                       "  20000.0000,   1.23457, -180.00000\r\n");
    EXPECT_EQ(kHeader.size(), 33u + 2u);
}

TEST(RawResponseFile, WrittenFileReadsBackInPhaseMode)
{
    TempFolder folder;
    std::string path = folder.Path("round.raw");
    CMode mode;
    {
        CRawResponseFile file(&mode);
        ASSERT_TRUE(file.OpenForWrite(path));
        file.Write(Column({2.5, 1000.12346, 24000.0}), Column({0.0, -6.123456, 3.2}),
                   Column({0.0, 90.5, -45.25}));
        ASSERT_TRUE(file.Close());
    }
    CRawResponseFile file(&mode);
    std::string again = path;
    ASSERT_TRUE(file.OpenForRead(again));
    mwMatrix f, m, p;
    ASSERT_TRUE(file.Parse(&f, &m, &p));
    EXPECT_TRUE(mode.IsOn());
    EXPECT_EQ(Values(f), (std::vector<double>{2.5, 1000.1235, 24000.0}));
    EXPECT_EQ(Values(m), (std::vector<double>{0.0, -6.12346, 3.2}));
    EXPECT_EQ(Values(p), (std::vector<double>{0.0, 90.5, -45.25}));
    EXPECT_EQ(f.Size(1), 3);
    EXPECT_EQ(f.Size(2), 1);
}

struct ColumnCase
{
    const char* name;
    std::string rows;
    bool phase;
    std::vector<double> f, m, p;
};

class RawColumns : public ::testing::TestWithParam<ColumnCase>
{
};

TEST_P(RawColumns, FirstRowDecidesTheColumns)
{
    const ColumnCase& c = GetParam();
    CMode mode;
    mode.SetState(c.phase ? 0 : 1); // the opposite, so that the decision shows
    const ReadResult r = Read("title\r\nheader\r\n" + c.rows, mode);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.phase, c.phase);
    EXPECT_EQ(r.f, c.f);
    EXPECT_EQ(r.m, c.m);
    EXPECT_EQ(r.p, c.p);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RawColumns,
    ::testing::Values(
        ColumnCase{"TwoNumbersFirst", "100 -3.5\r\n200 -4\r\n", false, {100, 200}, {-3.5, -4}, {}},
        ColumnCase{"ThreeWithBlanks",
                   "100 -3.5 45\r\n200 -4 -10\r\n",
                   true,
                   {100, 200},
                   {-3.5, -4},
                   {45, -10}},
        ColumnCase{"ThreeWithCommaAndBlank",
                   "100, -3.5, 45\n200, -4, 5\n",
                   true,
                   {100, 200},
                   {-3.5, -4},
                   {45, 5}},
        // Three numbers separated by commas alone make a phase column too.
        ColumnCase{"ThreeWithCommasOnly",
                   "100,-3.5,45\n200,-4,5\n",
                   true,
                   {100, 200},
                   {-3.5, -4},
                   {45, 5}},
        ColumnCase{"TwoWithCommasOnly", "100,-3.5\n200,-4\n", false, {100, 200}, {-3.5, -4}, {}},
        ColumnCase{"TabsAndLfOnly",
                   "100\t-3.5\t45\n1e3\t+2\t-1E1",
                   true,
                   {100, 1000},
                   {-3.5, 2},
                   {45, -10}},
        ColumnCase{"BlankLinesSkipped",
                   "\r\n   \r\n100 -3.5 45\r\n\r\n200 -4 5\r\n\r\n",
                   true,
                   {100, 200},
                   {-3.5, -4},
                   {45, 5}},
        // Opening repairs a first row at 0 Hz to the square root of the second frequency.
        ColumnCase{"ZeroHzFirstRow", "0 -3\n100 -1\n", false, {0, 100}, {-3, -1}, {}},
        ColumnCase{"BoundsOfAMeasurement",
                   "0.001 -1000\n1e7 1000\n",
                   false,
                   {0.001, 1e7},
                   {-1000, 1000},
                   {}},
        // Numbers beyond the columns the first row gives are not read.
        ColumnCase{"FourNumbersFirst",
                   "100 85.5 -10 0.99\n200 86 -12 0.98\n",
                   false,
                   {100, 200},
                   {85.5, 86},
                   {}},
        ColumnCase{"ThirdNumberInATwoColumnFile",
                   "100 -3.5\n200, -4, 45\n",
                   false,
                   {100, 200},
                   {-3.5, -4},
                   {}},
        ColumnCase{"FourthNumberInAPhaseFile",
                   "100 -3 45\n200 -4 5 0.97\n",
                   true,
                   {100, 200},
                   {-3, -4},
                   {45, 5}},
        ColumnCase{"FourNumbersWithCommasOnly",
                   "100,-3.5,45,0.9\n200,-4,5,0.9\n",
                   false,
                   {100, 200},
                   {-3.5, -4},
                   {}},
        // Commas that follow a number, or stand between blanks, separate.
        ColumnCase{"CommaBetweenBlanks", "100 , 85\n200 ,86\n", false, {100, 200}, {85, 86}, {}},
        ColumnCase{"CommaBeforeASign", "100 -3,-4\n200 -4,-5\n", false, {100, 200}, {-3, -4}, {}},
        // A row that commas alone separate reads its commas as separators, whatever the
        // other rows do.
        ColumnCase{
            "CommasAloneInABlankFile", "100 85.5\n200,86,5\n", false, {100, 200}, {85.5, 86}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase
{
    const char* name;
    std::string text;
    int line;
    std::string error;
};

class RawRejects : public ::testing::TestWithParam<BadCase>
{
};

TEST_P(RawRejects, NamesTheLineAndLeavesTheModeAlone)
{
    const BadCase& c = GetParam();
    for (int state : {0, 1})
    {
        CMode mode;
        mode.SetState(state);
        const ReadResult r = Read(c.text, mode);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.errorLine, c.line);
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(mode.IsOn(), state);
    }
}

const char* const kNoPoints = "The file holds no response points: no row of numbers follows the "
                              "title and column header lines.";
const char* const kOnePoint =
    "The file holds a single response point: a response needs at least two rows.";
const char* const kNotPositive = "The frequency of this row is not above 0 Hz.";
const char* const kNotIncreasing = "The frequency of this row is not above the frequency of the "
                                   "row before it: the frequencies must increase from row to row.";
const char* const kFrequencyRange = "The frequency of this row is outside what a measurement "
                                    "holds: frequencies must lie from 0.001 Hz to 10 MHz.";
const char* const kLevelRange = "The magnitude of this row is outside what a measurement holds: "
                                "magnitudes must lie from -1000 dB to 1000 dB.";
const char* const kBadTwo = "A response row must hold a frequency and a magnitude as numbers.";
const char* const kBadThree =
    "A response row must hold a frequency, a magnitude and a phase as numbers.";
// A decimal comma is named by the number that holds it.
std::string DecimalComma(const char* number)
{
    return std::string("The number \"") + number +
           "\" holds a decimal comma: where blanks or tabs separate the numbers, a comma "
           "between two digits is a decimal mark, and numbers are read with a decimal point "
           "only.  Write it with a point, such as 85.5.";
}
const std::string kComma85 = DecimalComma("85,5");

INSTANTIATE_TEST_SUITE_P(
    Cases, RawRejects,
    // A file without rows names line 3, where the first row was expected.
    ::testing::Values(
        BadCase{"Empty", "", 3, kNoPoints}, BadCase{"OneLine", "title\n", 3, kNoPoints},
        BadCase{"HeadersOnly", "title\r\nheader\r\n", 3, kNoPoints},
        BadCase{"OnlyBlankRows", "t\nh\n\n  \n\t\n", 3, kNoPoints},
        // A response of one point: the line after it.
        BadCase{"SinglePoint", "t\nh\n\n1000 85.5 10\n", 5, kOnePoint},
        BadCase{"Descending", "t\nh\n100 80\n200 81\n150 82\n", 5, kNotIncreasing},
        BadCase{"Repeated", "t\nh\n100 80\n200 81\n200 82\n", 5, kNotIncreasing},
        // The rows are all checked before their frequencies: a bad row after
        // a frequency fault is the one named; of two frequency faults the first.
        BadCase{"BadRowAfterAFrequencyFault", "t\nh\n100 80\n50 81\n200 x\n", 5, kBadTwo},
        BadCase{"TwoFrequencyFaults", "t\nh\n100 80\n50 81\n0 82\n", 4, kNotIncreasing},
        // A 0 Hz first row becomes the square root of the second: 1 Hz.
        BadCase{"ZeroHzBeforeOneHz", "t\nh\n0 80\n1 81\n2 82\n", 4, kNotIncreasing},
        BadCase{"ZeroHzInTheMiddle", "t\nh\n20 80\n40 81\n0 82\n", 5, kNotPositive},
        BadCase{"NothingAboveZero", "t\nh\n0 80\n-5 81\n", 3, kNotPositive},
        // Only 0 Hz is repaired: a first row below it is no measured point.
        BadCase{"NegativeFirstRow", "t\nh\n-42 2\n4 2\n", 3, kNotPositive},
        BadCase{"QuotedWordRow", "t\nh\n\"Hz\" \"dB\"\n", 3, kBadTwo},
        BadCase{"OneNumber", "t\nh\n100 -3\n\n200\n", 5, kBadTwo},
        BadCase{"ShortThreeColumnRow", "t\nh\n100 -3 45\n200 -4\n", 4, kBadThree},
        BadCase{"SignWithoutDigits", "t\nh\n100 -3\n- 4\n", 4, kBadTwo},
        BadCase{"NotFinite", "t\nh\n100 -3\n200 1e999\n", 4, kBadTwo},
        // Anything but a number is refused, not skipped: a "nan" magnitude
        // must not turn the phases into magnitudes.
        BadCase{"NanMagnitudeFirstRow", "t\nh\n100 nan 45\n200 -4 5\n", 3, kBadTwo},
        BadCase{"NanMagnitudeLaterRow", "t\nh\n100 -3 45\n200 nan 5\n", 4, kBadThree},
        BadCase{"InfinitePhase", "t\nh\n100 -3 45\n200 -4 -inf\n", 4, kBadThree},
        BadCase{"NanFrequency", "t\nh\n100 -3\nNaN -4\n", 4, kBadTwo},
        BadCase{"WordAfterTheNumbers", "t\nh\n100 -3\n200 -4 dB\n", 4, kBadTwo},
        BadCase{"UnitOnANumber", "t\nh\n100 -3\n200Hz -4\n", 4, kBadTwo},
        // Values no measurement holds.
        BadCase{"HugeFrequency", "t\nh\n100 -3\n1e300 -4\n", 4, kFrequencyRange},
        BadCase{"AboveTenMegahertz", "t\nh\n100 -3\n10000000.5 -4\n", 4, kFrequencyRange},
        BadCase{"TinyFrequencies", "t\nh\n1e-300 -3\n2e-300 -4\n", 3, kFrequencyRange},
        BadCase{"HugeLevel", "t\nh\n100 1e200\n200 -4\n", 3, kLevelRange},
        BadCase{"LevelBelowMinus1000", "t\nh\n100 -3 0\n200 -1000.5 0\n", 4, kLevelRange},
        // Where blanks or tabs separate the numbers, a comma between two digits is a
        // decimal mark: its row is refused, naming it.
        BadCase{"DecimalCommaInAPhaseRow", "t\nh\n4871.0308, 85.5, 10.0\n4900, 85,5, 10.0\n", 4,
                kComma85},
        BadCase{"DecimalCommaInTheFirstRow", "t\nh\n4871.0308, 85,5, 10.0\n", 3, kComma85},
        BadCase{"DecimalCommaInATwoColumnRow", "t\nh\n100 -3\n200 85,5\n", 4, kComma85},
        BadCase{"DecimalCommaBetweenTabs", "t\nh\n100\t-3\n200\t85,5\n", 4, kComma85},
        BadCase{"DecimalCommaInAFrequency", "t\nh\n100 -3\n1000,5 -3\n", 4, DecimalComma("1000,5")},
        BadCase{"DecimalCommaInAFourthNumber", "t\nh\n100 -3 45\n200 -4 5 0,97\n", 4,
                DecimalComma("0,97")},
        BadCase{"ThousandsSeparator", "t\nh\n100 -3\n1,000 -4\n", 4, DecimalComma("1,000")},
        BadCase{"BlanksInACommaFile", "t\nh\n100,-3\n200 85,5\n", 4, kComma85},
        BadCase{"InfFrequency", "t\nh\n100 -3\ninf -4\n", 4, kBadTwo},
        BadCase{"MinusInfMagnitude", "t\nh\n100 -3\n200 -inf\n", 4, kBadTwo},
        BadCase{"HugeLevelInAThreeColumnFile", "t\nh\n100 -3 0\n200 1e300 0\n", 4, kLevelRange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RawResponseFile, CloseFrequenciesGetTheDecimalsThatKeepThemApart)
{
    TempFolder folder;
    std::string path = folder.Path("close.raw");
    CMode mode;
    const std::vector<double> f = {2.0, 2.00004, 2.0001, 100.0, 100.0000000001};
    {
        CRawResponseFile file(&mode);
        ASSERT_TRUE(file.OpenForWrite(path));
        ASSERT_TRUE(file.Write(Column(f), Column({0, 1, 2, 3, 4}), Column({0, 0, 0, 0, 0})));
        ASSERT_TRUE(file.Close());
    }
    // Four decimals wherever they tell a point from its neighbours.
    EXPECT_EQ(ReadFileBytes(path), kTitle + kHeader +
                                       "   2.00000,   0.00000,   0.00000\r\n"
                                       "   2.00004,   1.00000,   0.00000\r\n"
                                       "    2.0001,   2.00000,   0.00000\r\n"
                                       "  100.0000000000,   3.00000,   0.00000\r\n"
                                       "  100.0000000001,   4.00000,   0.00000\r\n");
    const ReadResult r = Read(ReadFileBytes(path), mode);
    ASSERT_TRUE(r.ok) << r.error << " line " << r.errorLine;
    ASSERT_EQ(r.f.size(), f.size());
    for (std::size_t i = 0; i < f.size(); ++i)
        EXPECT_NEAR(r.f[i], f[i], 1e-9) << i;

    // A first row at 0 Hz reads as the geometric middle of 0 and the second row's
    // frequency: 1.000041 Hz written as "1.0000" would meet it at 1 Hz.
    {
        CRawResponseFile file(&mode);
        ASSERT_TRUE(file.OpenForWrite(path));
        ASSERT_TRUE(file.Write(Column({0.0, 1.000041, 50.0}), Column({0, 1, 2}),
                               Column({0, 0, 0})));
        ASSERT_TRUE(file.Close());
    }
    const ReadResult z = Read(ReadFileBytes(path), mode);
    ASSERT_TRUE(z.ok) << z.error << " line " << z.errorLine;
    EXPECT_NEAR(z.f[1], 1.000041, 1e-5);
}

TEST(RawResponseFile, LongTokensAreReadWhole)
{
    CMode mode;
    const std::string longNumber = "1000000." + std::string(150, '0');
    const ReadResult r = Read("t\nh\n1 -2\n" + longNumber + " -3\n", mode);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_DOUBLE_EQ(r.f[1], 1e6);
}

TEST(RawResponseFile, CancelledDialogChangesNothing)
{
    CScriptedFileDialogs dialogs;
    CMemoryWorkingDirectory directory("/start");
    Services::SetFileDialogs(&dialogs);
    Services::SetWorkingDirectory(&directory);
    CMode mode;
    mode.TurnOn();
    CRawResponseFile file(&mode);
    std::string path;
    EXPECT_FALSE(file.OpenForRead(path));
    EXPECT_TRUE(file.GetError().empty());
    EXPECT_EQ(directory.Get(), "/start");
    EXPECT_TRUE(mode.IsOn());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].defaultExtension, ".*");
    EXPECT_EQ(dialogs.requests[0].filter,
              "Text and  Raw Files (*.txt; *.raw) |*.txt; *.raw| All Files (*.*) |*.*||");
    EXPECT_EQ(dialogs.requests[0].initialDirectory, "/start");
    Services::SetFileDialogs(nullptr);
    Services::SetWorkingDirectory(nullptr);
}

TEST(RawResponseFile, FailedSaveKeepsThePreviousFile)
{
    TempFolder folder;
    std::string path = folder.Path("missing-folder/out.raw");
    CMode mode;
    CRawResponseFile file(&mode);
    ASSERT_TRUE(file.OpenForWrite(path));
    file.Write(Column({100.0}), Column({0.0}), Column({0.0}));
    EXPECT_FALSE(file.Close());
    EXPECT_NE(file.GetError().find("The file was not saved."), std::string::npos);
}

TEST(RawResponseFile, ShortPhaseColumnIsRefused)
{
    TempFolder folder;
    std::string path = folder.Path("short.raw");
    WriteFileBytes(path, "previous");
    CMode mode;
    CRawResponseFile file(&mode);
    ASSERT_TRUE(file.OpenForWrite(path));
    EXPECT_FALSE(file.Write(Column({100.0, 200.0}), Column({0.0, 1.0}), Column({0.0})));
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(ReadFileBytes(path), "previous");
}

// A point the reader would refuse is not written: the older file stays byte for byte and
// the message names the point.
TEST(RawResponseFile, APointNoFileMayHoldIsNotWritten)
{
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case
    {
        double f, m, p;
    };
    TempFolder folder;
    std::string path = folder.Path("kept.raw");
    WriteFileBytes(path, "previous");
    for (const Case c : {Case{kNan, 0, 0}, Case{kInf, 0, 0}, Case{1e308, 0, 0}, Case{0.0005, 0, 0},
                         Case{200, kNan, 0}, Case{200, -kInf, 0}, Case{200, 1e300, 0},
                         Case{200, -1000.5, 0}, Case{200, 0, kNan}, Case{200, 0, kInf}})
    {
        CMode mode;
        CRawResponseFile file(&mode);
        ASSERT_TRUE(file.OpenForWrite(path));
        EXPECT_FALSE(file.Write(Column({100.0, c.f}), Column({1.0, c.m}), Column({0.0, c.p})));
        EXPECT_EQ(file.GetError(),
                  "The response was not saved: its point 2 is not a frequency from 0.001 Hz to "
                  "10 MHz with a magnitude from -1000 dB to 1000 dB and a phase, all finite "
                  "numbers, and a file holding it would not open again.  An older file of that "
                  "name is left as it was.");
        EXPECT_FALSE(file.Close());
        EXPECT_EQ(ReadFileBytes(path), "previous") << c.f << " " << c.m << " " << c.p;
    }
}
