// The master point file: sections in the fixed order, zero rows left out, sections found
// in any order and letter case, and lines that hold no point skipped.
#include "document/MasterPointGrid.h"
#include "document/MasterPtFile.h"
#include "tests/document/TempFolder.h"
#include "tests/graph/AssertionCapture.h"

#include <gtest/gtest.h>

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
    Fill(desired, {{1000.0, -3.0}, {0.0, 0.0}, {0.0, -3.0}});
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
                                   "0.000000, -3.000000\r\n"
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

TEST(MasterPtFile, HeaderWithExtraBlanksIsAPointLineOfTheSectionBefore)
{
    const std::string text = "Desired Response\n1 2\nUpper Tolerance \n3 4\n";
    CMemoryMasterPointGrid grid;
    EXPECT_EQ(ReadSection(text, CMasterPtFile::kDesiredResponse, grid), (Points{{1, 2}, {3, 4}}));
    EXPECT_EQ(ReadSection(text, CMasterPtFile::kUpperTolerance, grid), Points{});
    EXPECT_EQ(grid.Cell(1, 0), "*");
}

TEST(MasterPtFile, LinesWithoutTwoNumbersAreSkipped)
{
    const std::string text = "Desired Response\n\n   \n100\n100 -3\nabc def\n200,-4\n-\n300 x\n";
    CMemoryMasterPointGrid grid;
    AssertionCapture capture;
    EXPECT_EQ(ReadSection(text, CMasterPtFile::kDesiredResponse, grid),
              (Points{{100, -3}, {200, -4}}));
    EXPECT_EQ(grid.Cell(1, 0), "1");
    EXPECT_EQ(grid.Cell(2, 0), "2");
    EXPECT_EQ(grid.Cell(3, 0), "*");
    EXPECT_TRUE(capture.reports().empty());
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
