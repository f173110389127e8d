// The master point file: sections in the fixed order, zero rows left out, sections found
// in any order and letter case, lines that hold no usable point refused with their line,
// and rows no file may hold left unwritten with the older file kept.
#include "document/MasterPointGrid.h"
#include "document/MasterPtFile.h"
#include "tests/document/TempFolder.h"
#include "tests/graph/AssertionCapture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace
{
using Points = std::vector<std::pair<double, double>>;

void Fill(CMemoryMasterPointGrid& grid, const Points& points)
{
    grid.Initialize();
    int row = 0;
    for (const auto& [f, a] : points)
    {
        ++row;
        grid.SetPointNumber(row, row);
        grid.SetFrequency(row, f);
        grid.SetAmplitude(row, a);
    }
    grid.SetNewEntryMarker(row + 1);
}

Points PointsOf(const CMemoryMasterPointGrid& grid)
{
    Points points;
    for (int row = 1; row < grid.GetRows() && grid.Cell(row, 0) != "*"; ++row)
        points.emplace_back(grid.GetFrequency(row), grid.GetAmplitude(row));
    return points;
}

Points ReadSection(const std::string& text, int section, CMemoryMasterPointGrid& grid)
{
    CMasterPtFile file;
    EXPECT_TRUE(file.OpenText(text, "points.mpt"));
    EXPECT_TRUE(file.ReadSection(section, &grid));
    file.Close();
    return PointsOf(grid);
}
} // namespace

TEST(MasterPtFile, WritesThreeSectionsWithoutZeroRows)
{
    TempFolder folder;
    CMemoryMasterPointGrid desired, upper, lower;
    Fill(desired, {{1000.0, -3.0}, {0.0, 0.0}, {0.001, -3.0}});
    Fill(upper, {{20.0, 3.5}});
    Fill(lower, {});
    std::string path = folder.Path("points.mpt");
    CMasterPtFile file;
    ASSERT_TRUE(file.OpenForWrite(path, false));
    file.WriteSection(CMasterPtFile::kDesiredResponse, &desired);
    file.WriteSection(CMasterPtFile::kUpperTolerance, &upper);
    file.WriteSection(CMasterPtFile::kLowerTolerance, &lower);
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadFileBytes(path), "Desired Response\r\n"
                                   "1000.000000, -3.000000\r\n"
                                   "0.001000, -3.000000\r\n"
                                   "Upper Tolerance\r\n"
                                   "20.000000, 3.500000\r\n"
                                   "Lower Tolerance\r\n");
}

TEST(MasterPtFile, ReadsSectionsInAnyOrderAndCase)
{
    const std::string text = "LOWER TOLERANCE\n10 -9\n"
                             "desired response\r\n100, 1\r\n200 2\r\n"
                             "Upper Tolerance\n50,4\n"
                             "Desired Response\n999 9\n";
    CMemoryMasterPointGrid grid;
    EXPECT_EQ(ReadSection(text, CMasterPtFile::kUpperTolerance, grid), (Points{{50, 4}}));
    EXPECT_EQ(ReadSection(text, CMasterPtFile::kDesiredResponse, grid),
              (Points{{100, 1}, {200, 2}}));
    EXPECT_EQ(grid.Cell(3, 0), "*");
    EXPECT_EQ(grid.Cell(2, 1), "200.000000");
    EXPECT_EQ(ReadSection(text, CMasterPtFile::kLowerTolerance, grid), (Points{{10, -9}}));
    EXPECT_EQ(grid.GetNotifyCount(), 3);
}

TEST(MasterPtFile, BlankLinesAreSkipped)
{
    const std::string text = "\n  \nDesired Response\n\n   \n100 -3\n\t\n200,-4\n \n";
    CMemoryMasterPointGrid grid;
    AssertionCapture capture;
    EXPECT_EQ(ReadSection(text, CMasterPtFile::kDesiredResponse, grid),
              (Points{{100, -3}, {200, -4}}));
    EXPECT_EQ(grid.Cell(1, 0), "1");
    EXPECT_EQ(grid.Cell(2, 0), "2");
    EXPECT_EQ(grid.Cell(3, 0), "*");
    EXPECT_TRUE(capture.reports().empty());
}

namespace
{
const char* const kNoPoint =
    "This line is no master point: a point line holds a frequency from 0.001 Hz to 10 MHz and "
    "an amplitude from -1000 dB to 1000 dB as its first two numbers, such as 1000.000000, "
    "-3.000000, and numbers alone.  The file was not opened.";
const char* const kDecimalComma85 =
    "The number \"85,5\" holds a decimal comma: where blanks or tabs separate the numbers, a "
    "comma between two digits is a decimal mark, and numbers are read with a decimal point "
    "only.  Write it with a point, such as 85.5.";

struct BadLine
{
    const char* name;
    const char* line;
    const char* error;
};

class MasterPtBadLine : public ::testing::TestWithParam<BadLine>
{
};
} // namespace

// A point line that does not read as written refuses the whole file at its line, in any
// section: no grid takes a point of it.
TEST_P(MasterPtBadLine, RefusesTheFileAtItsLine)
{
    const std::string text = std::string("Desired Response\n1000.000000, -3.000000\n") +
                             "Upper Tolerance\n100, 1\n\n" + GetParam().line + "\n200, 2\n";
    CMasterPtFile file;
    EXPECT_FALSE(file.OpenText(text, "bad.mpt"));
    EXPECT_EQ(file.GetErrorLine(), 6);
    EXPECT_EQ(file.GetError(), GetParam().error);
    // Nothing is open to read from.
    CMemoryMasterPointGrid grid;
    Fill(grid, {{50, 5}});
    AssertionCapture capture;
    EXPECT_FALSE(file.ReadSection(CMasterPtFile::kDesiredResponse, &grid));
    EXPECT_EQ(PointsOf(grid), (Points{{50, 5}}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MasterPtBadLine,
    ::testing::Values(BadLine{"NanAmplitude", "1000.000000, nan", kNoPoint},
                      BadLine{"InfAmplitude", "1000.000000, inf", kNoPoint},
                      BadLine{"MinusInfAmplitude", "1000.000000, -inf", kNoPoint},
                      BadLine{"TooLargeToHold", "1000.000000, 1e400", kNoPoint},
                      BadLine{"NanFrequency", "nan, -3.000000", kNoPoint},
                      BadLine{"InfFrequency", "-INF 3", kNoPoint},
                      BadLine{"FrequencyTooLargeToHold", "1e400, 3", kNoPoint},
                      BadLine{"HugeAmplitude", "1000.000000, 1e300", kNoPoint},
                      BadLine{"HugeFrequency", "1e308, -3.000000", kNoPoint},
                      BadLine{"AmplitudeBeyond1000", "1000, -1000.5", kNoPoint},
                      BadLine{"FrequencyBeyond10MHz", "10000000.5, 1", kNoPoint},
                      BadLine{"FrequencyZero", "0.000000, -3.000000", kNoPoint},
                      BadLine{"FrequencyBelowAThousandthHz", "0.0009, 1", kNoPoint},
                      BadLine{"DecimalComma", "1000, 85,5", kDecimalComma85},
                      BadLine{"DecimalCommaBetweenTabs", "1000\t85,5\t1", kDecimalComma85},
                      BadLine{"DecimalCommaAfterAThirdNumber", "1000 85 85,5", kDecimalComma85},
                      BadLine{"LoneNumber", "1000", kNoPoint},
                      BadLine{"WordAfterThePoint", "1000 -3 dB", kNoPoint},
                      BadLine{"WordAfterAThirdNumber", "1000, -3, 1, x", kNoPoint},
                      BadLine{"UnitOnTheAmplitude", "1000, -3dB", kNoPoint},
                      BadLine{"TwoPoints", "1000 1.0.5", kNoPoint}),
    [](const auto& info) { return std::string(info.param.name); });

namespace
{
struct OpenedLines
{
    const char* name;
    const char* text; // after "Desired Response\n" at line 1
    Points desired;
    const char* skipped; // the lines named, or empty
};

void PrintTo(const OpenedLines& c, std::ostream* os)
{
    *os << c.name;
}

class MasterPtOpens : public ::testing::TestWithParam<OpenedLines>
{
};
} // namespace

// A stored file opens with the points it holds: each point line read as written, its
// further numbers ignored; the other lines that are not blank hold no point, give no row
// and are named in one message.
TEST_P(MasterPtOpens, WithThePointsItHolds)
{
    const OpenedLines& c = GetParam();
    CMasterPtFile file;
    ASSERT_TRUE(file.OpenText(std::string("Desired Response\n") + c.text, "kept.mpt"))
        << file.GetError() << " line " << file.GetErrorLine();
    CMemoryMasterPointGrid grid;
    file.ReadSection(CMasterPtFile::kDesiredResponse, &grid);
    EXPECT_EQ(PointsOf(grid), c.desired);
    const std::string note = file.GetSkippedLinesNote();
    if (*c.skipped == 0)
        EXPECT_EQ(note, "");
    else
        EXPECT_EQ(note, std::string("The master point file was opened.  Lines that hold no point "
                                    "gave no row: ") +
                            c.skipped +
                            ".  A point line begins with its frequency, such as 1000.000000, "
                            "-3.000000; any other text is read as a note.");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MasterPtOpens,
    ::testing::Values(
        OpenedLines{"ThirdNumber", "100.000000, 85.000000, 1\n", {{100, 85}}, ""},
        OpenedLines{"FourNumbersWithBlanks", "100 85 1 0.5\n", {{100, 85}}, ""},
        OpenedLines{"CommasAlone", "100,85.5\n200,86,5\n", {{100, 85.5}, {200, 86}}, ""},
        OpenedLines{"CommaAndBlanks", "100 , 85\n200 ,86\n", {{100, 85}, {200, 86}}, ""},
        OpenedLines{"TabsAndSigns", "+100\t-3\n.5e3\t+2.5\n", {{100, -3}, {500, 2.5}}, ""},
        OpenedLines{"NoteBetweenPoints",
                    "100, 1\n; woofer, measured 2019\n200, 2\n",
                    {{100, 1}, {200, 2}},
                    "line 3"},
        OpenedLines{"Words", "abc def\n100, 1\n", {{100, 1}}, "line 2"},
        OpenedLines{"SectionNameWithABlankAfterIt",
                    "100, 1\nUpper Tolerance \n200, 2\n",
                    {{100, 1}, {200, 2}},
                    "line 3"},
        // A first field that is not a number as a whole makes no point line.
        OpenedLines{"UnitOnTheFrequency", "1000Hz, -3\n100, 1\n", {{100, 1}}, "line 2"},
        OpenedLines{"SignWithoutANumber", "- note\n100, 1\n", {{100, 1}}, "line 2"},
        OpenedLines{"ManyNotes",
                    "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\n100, 1\n",
                    {{100, 1}},
                    "lines 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 and 2 more"},
        OpenedLines{"TwoNotes", "# a\n100, 1\n# b\n", {{100, 1}}, "lines 2 and 4"}),
    [](const auto& info) { return std::string(info.param.name); });

// A note may come before the first section; a point may not, and a file that names no
// section is no master point file.
TEST(MasterPtFile, ANoteMayComeBeforeTheFirstSection)
{
    CMasterPtFile file;
    ASSERT_TRUE(file.OpenText("; woofer\nDesired Response\n100, 1\n", "kept.mpt"));
    CMemoryMasterPointGrid grid;
    file.ReadSection(CMasterPtFile::kDesiredResponse, &grid);
    EXPECT_EQ(PointsOf(grid), (Points{{100, 1}}));
    EXPECT_NE(file.GetSkippedLinesNote().find("gave no row: line 1."), std::string::npos);

    const struct
    {
        const char* text;
        int nLine;
        const char* error;
    } refused[] = {
        {"; woofer\n100, 1\nDesired Response\n", 2, "This line holds a point, but no section"},
        {"\n; only notes\nand words\n", 2, "The file names none of the sections"},
        {"", 1, "The file names none of the sections"},
    };
    for (const auto& c : refused)
    {
        CMasterPtFile other;
        EXPECT_FALSE(other.OpenText(c.text, "other.mpt")) << c.text;
        EXPECT_EQ(other.GetErrorLine(), c.nLine) << c.text;
        EXPECT_EQ(other.GetError().rfind(c.error, 0), 0u) << other.GetError();
    }
}

TEST(MasterPtFile, TheEdgesOfAPointAreRead)
{
    CMemoryMasterPointGrid grid;
    EXPECT_EQ(ReadSection("Desired Response\n0.001 -1000\n1e7, 1000\n",
                          CMasterPtFile::kDesiredResponse, grid),
              (Points{{0.001, -1000}, {1e7, 1000}}));
}

namespace
{
struct UnwritablePoint
{
    const char* frequency;
    const char* amplitude;
};
} // namespace

// A grid row the reader would refuse leaves the file unwritten: the older file stays byte
// for byte, and the message names the row and its section.
TEST(MasterPtFile, ARowNoFileMayHoldIsNotWritten)
{
    TempFolder folder;
    std::string path = folder.Path("kept.mpt");
    const std::string older = "Desired Response\r\n100.000000, 1.000000\r\n";
    WriteFileBytes(path, older);
    for (const UnwritablePoint bad :
         {UnwritablePoint{"nan", "1"}, UnwritablePoint{"1000", "inf"},
          UnwritablePoint{"1e308", "-3"}, UnwritablePoint{"1000", "1e300"},
          UnwritablePoint{"", "-3"}, UnwritablePoint{"-5", "-3"}})
    {
        CMemoryMasterPointGrid desired, upper, lower;
        Fill(desired, {{100, 1}});
        Fill(upper, {{20, 3}, {40, 3}});
        upper.SetTextMatrix(2, 1, bad.frequency);
        upper.SetTextMatrix(2, 2, bad.amplitude);
        CMasterPtFile file;
        ASSERT_TRUE(file.OpenForWrite(path, false));
        EXPECT_TRUE(file.WriteSection(1, &desired));
        EXPECT_FALSE(file.WriteSection(2, &upper));
        EXPECT_FALSE(file.Close());
        EXPECT_EQ(file.GetError(),
                  "The master point file was not saved: point 2 of \"Upper Tolerance\" is not a "
                  "frequency from 0.001 Hz to 10 MHz with an amplitude from -1000 dB to 1000 dB, "
                  "and a file holding it would not open again.  An older file of that name is "
                  "left as it was.");
        EXPECT_EQ(ReadFileBytes(path), older) << bad.frequency << " " << bad.amplitude;
    }
}

TEST(MasterPtFile, ReadOnlyGridGetsNoMarker)
{
    CMemoryMasterPointGrid grid(true);
    EXPECT_EQ(ReadSection("Desired Response\n1 2\n", CMasterPtFile::kDesiredResponse, grid),
              (Points{{1, 2}}));
    EXPECT_EQ(grid.GetRows(), 2);
}

TEST(MasterPtFile, WrittenSectionsReadBack)
{
    TempFolder folder;
    CMemoryMasterPointGrid desired, upper, lower;
    const Points d{{20, 0.5}, {1000, -3.25}, {20000, 1e-6}};
    Fill(desired, d);
    Fill(upper, {{20, 3}});
    Fill(lower, {{20, -3}, {40, -2}});
    std::string path = folder.Path("round.mpt");
    {
        CMasterPtFile file;
        ASSERT_TRUE(file.OpenForWrite(path, false));
        file.WriteSection(1, &desired);
        file.WriteSection(2, &upper);
        file.WriteSection(3, &lower);
        ASSERT_TRUE(file.Close());
    }
    CMasterPtFile file;
    std::string again = path;
    ASSERT_TRUE(file.OpenForRead(again));
    CMemoryMasterPointGrid grid;
    file.ReadSection(3, &grid);
    EXPECT_EQ(PointsOf(grid), (Points{{20, -3}, {40, -2}}));
    file.ReadSection(1, &grid);
    EXPECT_EQ(PointsOf(grid), (Points{{20, 0.5}, {1000, -3.25}, {20000, 1e-6}}));
}

TEST(MasterPtFile, UnknownSectionIsAReportedProgramError)
{
    AssertionCapture capture;
    CMemoryMasterPointGrid grid;
    Fill(grid, {{1, 2}});
    CMasterPtFile file;
    ASSERT_TRUE(file.OpenText("Desired Response\n1 2\n\n3 4\n", "x.mpt"));
    EXPECT_TRUE(file.ReadSection(4, &grid));
    EXPECT_TRUE(capture.reported("false"));
    EXPECT_EQ(PointsOf(grid), Points{});
}
