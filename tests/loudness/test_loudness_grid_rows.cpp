// The loudness grid's row logic on a plain table: columns and headings per kind, where
// rows go, the "*" placeholder, the popup's rows and commands, and the rows rewritten by a
// recalculation.
#include "LoudnessFakes.h"
#include "framework/core/CommandTarget.h"
#include "framework/core/Services.h"
#include "graph/Convert.h"
#include "loudness/DigitalSectionDesigner.h"
#include "loudness/LoudnessGridRows.h"
#include "loudness/QZX2202LoudnessManager.h"

#include <gtest/gtest.h>

namespace
{
using CGrid = CPlainGrid<CLoudnessGridRows>;

std::vector<std::string> Row(const CGrid& grid, int nRow)
{
    std::vector<std::string> cells;
    for (int c = 0; c < grid.GetCols(); ++c)
        cells.push_back(grid.GetTextMatrix(nRow, c));
    return cells;
}

std::vector<std::string> Names(const CGrid& grid)
{
    std::vector<std::string> names;
    for (int r = 1; r < grid.GetRows(); ++r)
        names.push_back(grid.GetTextMatrix(r, 0));
    return names;
}

CLoudnessInfo Record(const std::string& name)
{
    CLoudnessInfo r;
    r.m_strName = name;
    r.m_dB0 = -0.5;
    r.m_dB1 = 1234.5;
    r.m_dPlotGain = 1.0;
    r.m_dPlotVolume = 2.0;
    r.m_dFilterGain = 6.0;
    r.m_dBandwidth = 100.0;
    r.m_dCenterFrequency = 1000.0;
    r.m_dCutFrequency = 5000.0;
    return r;
}

class LoudnessGridRowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Services::SetMessageBox(&m_Box);
        m_Manager.SetDocument(&m_Doc);
        m_Manager.SetView(&m_View);
        m_Manager.SetEditor(&m_Editor);
        m_Grid.SetMethodType(kLoudnessEQBased);
        m_Grid.SetManager(&m_Manager);
        m_Manager.SetGrid(kLoudnessEQBased, &m_Grid);
    }
    void TearDown() override { Services::SetMessageBox(nullptr); }
    std::string AddEQ(double gain = 6.0)
    {
        std::string name;
        EXPECT_TRUE(m_Manager.AddEQBasedFilter(gain, 100, 1000, 1, 1, 0, 0, 0, 0, name));
        return name;
    }

    CRecordingMessageBox m_Box;
    CFakeLoudnessDocument m_Doc;
    CRecordingLoudnessView m_View;
    CRecordingEditor m_Editor;
    CDigitalSectionDesigner m_Designer;
    CQZX2202LoudnessManager m_Manager{&m_Designer};
    CGrid m_Grid;
};
} // namespace

TEST(LoudnessGridRows, ColumnsAndHeadingsPerKind)
{
    const std::vector<std::string> common = {"Filter",  "Coeff 1", "Coeff 2",   "Coeff 3",
                                             "Coeff 4", "Coeff 5", "Plot Gain", "Plot Volume"};
    auto with = [&](std::vector<std::string> extra)
    {
        std::vector<std::string> all = common;
        all.insert(all.end(), extra.begin(), extra.end());
        return all;
    };
    const std::vector<std::string> expected[kLoudnessKindCount] = {
        with({"Gain", "Bandwidth", "Center Frequency"}), with({"Gain", "Cut Frequency"}),
        with({"Gain", "Cut Frequency"}), common, common};
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
    {
        CGrid grid;
        grid.SetMethodType(kind);
        EXPECT_EQ(grid.GetRows(), 1);
        EXPECT_EQ(Row(grid, 0), expected[kind]) << kind;
    }
}

TEST(LoudnessGridRows, ColumnWidthsFillTheWidth)
{
    std::vector<int> expected(10, 90);
    expected.push_back(100);
    EXPECT_EQ(CLoudnessGridRows::ColumnWidths(1000, 11), expected);
    EXPECT_EQ(CLoudnessGridRows::ColumnWidths(800, 8), std::vector<int>(8, 100));
    EXPECT_TRUE(CLoudnessGridRows::ColumnWidths(800, 0).empty());
}

TEST(LoudnessGridRows, RowsInOrderWithTheirValues)
{
    CGrid grid;
    grid.SetMethodType(kLoudnessEQBased);
    grid.AddRow(Record("LDEQ-1"));
    grid.AddRow(Record("LDEQ-2"));
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"LDEQ-1", "LDEQ-2"}));
    EXPECT_EQ(Row(grid, 1),
              (std::vector<std::string>{"LDEQ-1", "-0.500000", "1234.500000", "0.000000",
                                        "0.000000", "0.000000", "1.000000", "2.000000", "6.000000",
                                        "100.000000", "1000.000000"}));
    CGrid shelf;
    shelf.SetMethodType(kLoudnessBassBased);
    shelf.AddRow(Record("LDBS-1"));
    EXPECT_EQ(shelf.GetTextMatrix(1, 8), "6.000000");
    EXPECT_EQ(shelf.GetTextMatrix(1, 9), "5000.000000");
}

TEST(LoudnessGridRows, APlaceholderOnlyWhereNoFilterRowIsLeft)
{
    CGrid grid;
    grid.SetMethodType(kLoudnessTrebleBased);
    grid.AddRow(Record("LDTS-1"));
    EXPECT_TRUE(grid.DeleteRowByName("LDTS-1"));
    EXPECT_EQ(Names(grid), std::vector<std::string>{"*"});
    grid.AddRow(Record("LDTS-2"));
    EXPECT_EQ(Names(grid), std::vector<std::string>{"LDTS-2"});

    // Deleting the top row twice leaves no empty row between the filters.
    grid.AddRow(Record("LDTS-3"));
    grid.AddRow(Record("LDTS-4"));
    EXPECT_TRUE(grid.DeleteRowByName("LDTS-2"));
    EXPECT_TRUE(grid.DeleteRowByName("LDTS-3"));
    grid.AddRow(Record("LDTS-5"));
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"LDTS-4", "LDTS-5"}));
}

TEST(LoudnessGridRows, DeleteByNameAndDeleteAll)
{
    CGrid grid;
    grid.SetMethodType(kLoudnessCoeff);
    EXPECT_FALSE(grid.DeleteRowByName("LDC-1"));
    grid.DeleteAllRows();
    EXPECT_EQ(grid.GetRows(), 1); // only the heading: unchanged
    grid.AddRow(Record("LDC-1"));
    grid.AddRow(Record("LDC-1"));
    grid.AddRow(Record("LDC-2"));
    EXPECT_FALSE(grid.DeleteRowByName("LDC-9"));
    EXPECT_EQ(grid.GetRows(), 4);
    EXPECT_TRUE(grid.DeleteRowByName("LDC-1"));
    EXPECT_EQ(grid.GetSelectedRow(), 1);
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"LDC-1", "LDC-2"}));
    grid.DeleteAllRows();
    EXPECT_EQ(Names(grid), std::vector<std::string>{"*"});
    EXPECT_EQ(grid.GetTextMatrix(0, 0), "Filter");
}

TEST(LoudnessGridRows, AccessorsCheckBothRowBoundsAndTheColumn)
{
    CAssertionRecorder checks;
    CGrid grid;
    grid.SetMethodType(kLoudnessTrebleBased);
    grid.AddRow(Record("LDTS-1"));
    grid.SetCoeff1(-1, 7.0);
    grid.SetCoeff1(2, 7.0);
    grid.SetFilterName(0, "heading");
    EXPECT_EQ(grid.GetFilterName(-1), "");
    grid.SetBandwidth(1, 7.0); // a treble grid has no bandwidth column
    EXPECT_EQ(checks.Expressions().size(), 5u);
    EXPECT_EQ(grid.GetTextMatrix(0, 0), "Filter");
    EXPECT_EQ(Row(grid, 1)[1], "-0.500000");
    EXPECT_EQ(grid.GetRows(), 2);
}

TEST_F(LoudnessGridRowsTest, PopupOnlyOnFilterRows)
{
    AddEQ();
    ASSERT_EQ(m_Grid.GetRows(), 2);
    EXPECT_FALSE(m_Grid.SelectRowForPopup(0));  // the heading
    EXPECT_FALSE(m_Grid.SelectRowForPopup(-1)); // below the last row
    EXPECT_FALSE(m_Grid.SelectRowForPopup(2));
    EXPECT_FALSE(m_Grid.OnPopupCommand(CLoudnessGridRows::ID_LOUDNESS_DELETE));
    EXPECT_TRUE(m_View.deleted.empty());
    m_Manager.ClearAllLoudnessFilters();
    ASSERT_EQ(Names(m_Grid), std::vector<std::string>{"*"});
    EXPECT_FALSE(m_Grid.SelectRowForPopup(1)); // the placeholder names no filter
    EXPECT_FALSE(m_Grid.GetPopupCommandState(CLoudnessGridRows::ID_LOUDNESS_EDIT).bEnabled);
    EXPECT_TRUE(m_Editor.names.empty());
}

TEST_F(LoudnessGridRowsTest, PopupCommandsGoToTheGridsManager)
{
    const std::string first = AddEQ();
    const std::string second = AddEQ(3.0);
    ASSERT_TRUE(m_Grid.SelectRowForPopup(2));
    EXPECT_TRUE(
        m_Grid.GetPopupCommandState(CLoudnessGridRows::ID_LOUDNESS_ADD_TO_DATA_FILE).bEnabled);
    EXPECT_TRUE(m_Grid.OnPopupCommand(CLoudnessGridRows::ID_LOUDNESS_EDIT));
    EXPECT_EQ(m_Editor.names, std::vector<std::string>{second});
    EXPECT_TRUE(m_Grid.OnPopupCommand(CLoudnessGridRows::ID_LOUDNESS_ADD_TO_DATA_FILE));
    EXPECT_TRUE(m_Manager.AddToDataFileMode().IsOn());

    ASSERT_TRUE(m_Grid.SelectRowForPopup(1));
    EXPECT_TRUE(m_Grid.OnPopupCommand(CLoudnessGridRows::ID_LOUDNESS_DELETE));
    EXPECT_EQ(m_View.deleted, std::vector<std::string>{first});
    EXPECT_EQ(m_Manager.List(kLoudnessEQBased)->GetSize(), 1);
    EXPECT_EQ(Names(m_Grid), std::vector<std::string>{second});
}

TEST_F(LoudnessGridRowsTest, RecalculationRewritesTheCoefficientCells)
{
    const std::string name = AddEQ();
    const std::vector<std::string> before = Row(m_Grid, 1);
    // Reopened after the sampling frequency changed: the same filter, other coefficients.
    m_Doc.nRate = 96000;
    ASSERT_TRUE(m_Manager.RecalculateAll());
    const CLoudnessInfo* r = m_Manager.FindLoudnessInfo(m_Manager.List(kLoudnessEQBased), name);
    ASSERT_NE(r, nullptr);
    const std::vector<std::string> after = Row(m_Grid, 1);
    EXPECT_NE(after[1], before[1]);
    EXPECT_EQ(after[1], DoubleToString(r->m_dB0));
    EXPECT_EQ(after[4], DoubleToString(r->m_dA1));
    EXPECT_EQ(after[10], before[10]); // the design values stay
    EXPECT_EQ(m_Grid.GetRows(), 2);
}
