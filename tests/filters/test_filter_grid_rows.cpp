// The filter edit grid without a screen: its rows and names, output orders shared by all
// grids, reading typed cells, and moving filter lists into the grid and back.
#include "../graph/AssertionCapture.h"
#include "filters/FilterGridTable.h"
#include "filters/FilterGridTransfer.h"
#include "filters/FilterLists.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace
{
constexpr int kSampleRate = 48000;

class FilterGridRowsTest : public ::testing::Test
{
protected:
    void SetUp() override { CFilterGridRows::SetNextOutputOrder(0); }

    static std::vector<std::string> Row(const CFilterGridRows& grid, int r)
    {
        std::vector<std::string> cells;
        for (int c = 0; c < grid.GetCols(); ++c)
            cells.push_back(grid.GetTextMatrix(r, c));
        return cells;
    }
    static std::vector<std::string> Names(const CFilterGridRows& grid)
    {
        std::vector<std::string> names;
        for (int r = 1; r < grid.GetRows(); ++r)
            names.push_back(grid.GetName(r));
        return names;
    }
    // Types the text into the cell as the user does: the row is prepared, then the
    // cell takes the text.
    static void Type(CFilterGridRows& grid, int r, int c, const std::string& text)
    {
        grid.PrepareRowForEdit(r, c);
        grid.SetTextMatrix(r, c, text);
    }
};

TEST_F(FilterGridRowsTest, EmptyEQListLeavesNamedRowAndStarRow)
{
    CFilterGridTable grid(1047, kKindEQ);
    CDigEQFilterArray list;
    EXPECT_EQ(FiltersToGrid(grid, list), 0);
    ASSERT_EQ(grid.GetRows(), 3);
    EXPECT_EQ(Row(grid, 0),
              (std::vector<std::string>{"Filter", "Gain in DB", "Bandwidth", "Center Frequency",
                                        "Active", "Modifiable", "Output Order"}));
    EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"EQ-1", "", "", "", "Yes", "No", ""}));
    EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"*", "", "", "", "Yes", "No", ""}));

    CFilterGridRows::SetNextOutputOrder(7);
    Type(grid, 1, 1, "3");
    EXPECT_EQ(grid.GetOutputOrder(1), 8);
    Type(grid, 2, 2, "100");
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"EQ-1", "EQ-2", "*"}));
    EXPECT_EQ(grid.GetOutputOrder(2), 9);
    EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"*", "", "", "", "Yes", "No", ""}));
}

TEST_F(FilterGridRowsTest, TypingAnOrderAssignsNoOrderByItself)
{
    CFilterGridTable grid(1049, kKindHPB);
    CDigHighPass_BArray list;
    FiltersToGrid(grid, list);
    EXPECT_FALSE(grid.PrepareRowForEdit(1, grid.Info().m_nOutputOrderColumn));
    EXPECT_EQ(grid.GetOutputOrder(1), 0);
    EXPECT_EQ(CFilterGridRows::GetNextOutputOrder(), 0);
}

TEST_F(FilterGridRowsTest, ModeAndOrderCellsAreReadLeniently)
{
    CFilterGridTable grid(1047, kKindEQ);
    const struct
    {
        const char* text;
        bool yes;
        long order;
    } cases[] = {{"yes", true, 0}, {"YES", true, 0}, {"eyes", true, 0}, {"No", false, 0},
                 {"", false, 0},   {"Y", false, 0},  {"abc", false, 0}, {" 12", false, 12},
                 {"5x", false, 5}, {"-3", false, -3}};
    for (const auto& c : cases)
    {
        grid.SetTextMatrix(1, 4, c.text);
        grid.SetTextMatrix(1, 6, c.text);
        EXPECT_EQ(grid.GetActive(1), c.yes) << c.text;
        EXPECT_EQ(grid.GetOutputOrder(1), c.order) << c.text;
        EXPECT_EQ(grid.CountOrderedRows(), c.order > 0 ? 1 : 0) << c.text;
    }
}

TEST_F(FilterGridRowsTest, MissingColumnAndRowAreFailedChecks)
{
    CFilterGridTable grid(1049, kKindHPB);
    AssertionCapture capture;
    EXPECT_EQ(grid.GetGain(1), 0.0);
    EXPECT_TRUE(capture.reported("m_GridInfo[m_nFilterType].m_nGainColumn > 0"));
    EXPECT_FALSE(grid.SetModifiable(1, true));
    EXPECT_TRUE(capture.reported("m_GridInfo[m_nFilterType].m_nModifiableColumn > 0"));
    EXPECT_FALSE(grid.SetCutFrequency(5, 1.0));
    EXPECT_TRUE(capture.reported("nRow < GetRows()"));
    EXPECT_FALSE(grid.SetDefaultModifiable(1));
    EXPECT_FALSE(CFilterGridRows::SetNextOutputOrder(-1));
}

TEST_F(FilterGridRowsTest, DuplicateNumbersAreRenumberedAboveTheLargest)
{
    CFilterGridTable grid(1047, kKindEQ);
    grid.SetupGrid();
    grid.SetName(1, "EQ-3");
    grid.SetOutputOrder(1, 1);
    for (const auto& [name, order] : {std::pair{"EQ-3", 2}, std::pair{"EQ-5", 3}})
    {
        grid.AddItem(name, grid.GetRows());
        grid.SetOutputOrder(grid.GetRows() - 1, order);
    }
    grid.AddNewFilterRow();
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"EQ-3", "EQ-6", "EQ-5", "EQ-7", "*"}));
}

// The counters of new names and orders stop at the largest number a file may hold, so
// that what the grids hand out reads back, and never overflow, wherever they start.
TEST_F(FilterGridRowsTest, NewNamesAndOrdersStopAtTheLargestFilterNumber)
{
    const struct
    {
        int nFrom;
        int nNext;
    } cases[] = {
        {0, 1},
        {kMaxFilterNumber - 1, kMaxFilterNumber},
        {kMaxFilterNumber, kMaxFilterNumber},
        {INT_MAX, INT_MAX},
    };
    for (const auto& c : cases)
    {
        ASSERT_TRUE(CFilterGridRows::SetNextOutputOrder(c.nFrom));
        EXPECT_EQ(CFilterGridRows::TakeNextOutputOrder(), c.nNext) << c.nFrom;
        EXPECT_EQ(CFilterGridRows::GetNextOutputOrder(), c.nNext) << c.nFrom;
        FilterGridInfo info = MakeFilterGridInfo()[kKindEQ];
        info.m_nLastNumber = c.nFrom;
        EXPECT_EQ(info.MakeNextName(), "EQ-" + std::to_string(c.nNext)) << c.nFrom;
    }

    // A list at the bound: the filter without an order and the new row take the bound.
    CFilterGridRows::SetNextOutputOrder(0);
    CDigEQFilterArray list;
    for (const char* line :
         {"EQ-1000000000, -3, 100, 1000, Yes, No, 1000000000", "EQ-5, -3, 100, 2000, Yes, No, 0"})
        list.Add(std::make_unique<CDigEQFilter>())->Parse(line, kSampleRate);
    CFilterGridTable grid(1047, kKindEQ);
    FiltersToGrid(grid, list);
    EXPECT_EQ(Names(grid),
              (std::vector<std::string>{"EQ-1000000000", "EQ-5", "EQ-1000000000", "*"}));
    EXPECT_EQ(grid.GetOutputOrder(2), kMaxFilterNumber);
    Type(grid, 3, 1, "1");
    EXPECT_EQ(grid.GetOutputOrder(3), kMaxFilterNumber);
}

TEST_F(FilterGridRowsTest, DeletingTheLastFilterRowRenewsTheStarRow)
{
    CFilterGridTable grid(1047, kKindEQ);
    CDigEQFilterArray list;
    FiltersToGrid(grid, list);
    Type(grid, 2, 1, "1"); // the "*" row becomes EQ-2
    ASSERT_EQ(Names(grid), (std::vector<std::string>{"EQ-1", "EQ-2", "*"}));
    EXPECT_FALSE(grid.DeleteFilter("Filter", false));
    EXPECT_FALSE(grid.DeleteFilter("*", false));
    EXPECT_TRUE(grid.DeleteFilter("EQ-9", false));
    EXPECT_TRUE(grid.DeleteFilter("EQ-2", false));
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"EQ-1", "EQ-3", "*"}));
    EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"*", "", "", "", "Yes", "No", ""}));
}

TEST_F(FilterGridRowsTest, GridsOfDifferentKindsShareTheOrderCounter)
{
    CFilterGridTable eq(1047, kKindEQ);
    CFilterGridTable notch(1053, kKindNT);
    CDigEQFilterArray eqList;
    CDigNotchArray notchList;
    FiltersToGrid(eq, eqList);
    FiltersToGrid(notch, notchList);
    Type(eq, 1, 1, "1");
    Type(notch, 1, 1, "1");
    Type(eq, 2, 1, "1");
    EXPECT_EQ(eq.GetOutputOrder(1), 1);
    EXPECT_EQ(notch.GetOutputOrder(1), 2);
    EXPECT_EQ(eq.GetOutputOrder(2), 3);
    EXPECT_EQ(CFilterGridRows::TakeNextOutputOrder(), 4);
}

TEST_F(FilterGridRowsTest, TypedEQRowsBecomeFilters)
{
    CFilterGridTable grid(1047, kKindEQ);
    CDigEQFilterArray list;
    FiltersToGrid(grid, list);
    Type(grid, 1, 1, "-6.5");
    grid.SetTextMatrix(1, 2, "200");
    grid.SetTextMatrix(1, 3, "1000");
    grid.SetTextMatrix(1, 5, "yes");
    Type(grid, 2, 1, "abc"); // no number: gain 0
    grid.SetTextMatrix(2, 2, "50");
    grid.SetTextMatrix(2, 3, "4000");
    grid.SetTextMatrix(2, 4, "No");
    ASSERT_EQ(GridToFilters(grid, list, kSampleRate), 2);
    const CDigEQFilter& first = *list.GetAt(0);
    EXPECT_EQ(first.GetLabel(), "EQ-1");
    EXPECT_DOUBLE_EQ(first.GetGain(), -6.5);
    EXPECT_DOUBLE_EQ(first.GetBandwidth(), 200.0);
    EXPECT_DOUBLE_EQ(first.GetCenterFrequency(), 1000.0);
    EXPECT_TRUE(first.m_ActiveMode.IsOn());
    EXPECT_TRUE(first.m_ModifiableMode.IsOn());
    EXPECT_EQ(first.GetOutputOrder(), 1);
    EXPECT_DOUBLE_EQ(ScalarValue(first.GetParameters().m_SampleRate), kSampleRate);
    const CDigEQFilter& second = *list.GetAt(1);
    EXPECT_EQ(second.GetLabel(), "EQ-2");
    EXPECT_EQ(second.GetGain(), 0.0);
    EXPECT_FALSE(second.m_ActiveMode.IsOn());
    EXPECT_FALSE(second.m_ModifiableMode.IsOn());
    EXPECT_EQ(second.GetOutputOrder(), 2);
}

// A row whose order is taken away in the middle of the grid is skipped; the filled rows
// after it are still read.
TEST_F(FilterGridRowsTest, RowWithoutOrderInTheMiddleLosesNoLaterRow)
{
    CFilterGridTable grid(1053, kKindNT);
    CDigNotchArray list;
    FiltersToGrid(grid, list);
    for (int r = 1; r <= 3; ++r)
        Type(grid, r, 1, std::to_string(10 * r));
    grid.SetTextMatrix(2, grid.Info().m_nOutputOrderColumn, "0");
    ASSERT_EQ(GridToFilters(grid, list, kSampleRate), 2);
    EXPECT_EQ(list.GetAt(0)->GetLabel(), "NT-1");
    EXPECT_EQ(list.GetAt(1)->GetLabel(), "NT-3");
    EXPECT_DOUBLE_EQ(list.GetAt(1)->GetBandwidth(), 30.0);
}

// Filters without an output order keep their names and come back from the grid.
TEST_F(FilterGridRowsTest, FiltersWithoutOrderStayFilters)
{
    CFilterGridTable grid(1049, kKindHPB);
    CDigHighPass_BArray list;
    for (int n : {4, 7})
    {
        CDigHighPass_BParams params;
        params.m_CutFrequency = mwMatrix(100.0 * n);
        CDigHighPass_B* pFilter = list.Add(std::make_unique<CDigHighPass_B>());
        pFilter->SetParameters(params);
        pFilter->SetLabelNumber(n);
    }
    CFilterGridRows::SetNextOutputOrder(10);
    FiltersToGrid(grid, list);
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"HPB-4", "HPB-7", "HPB-8", "*"}));
    EXPECT_EQ(grid.GetOutputOrder(1), 11);
    EXPECT_EQ(grid.GetOutputOrder(2), 12);
    ASSERT_EQ(GridToFilters(grid, list, kSampleRate), 2);
    EXPECT_EQ(list.GetAt(1)->GetLabel(), "HPB-7");
    EXPECT_DOUBLE_EQ(list.GetAt(1)->GetCutFrequency(), 700.0);
}

TEST_F(FilterGridRowsTest, NameWithoutThePrefixKeepsTheDefaultLabel)
{
    CFilterGridTable grid(1043, kKindTS);
    CDigTrebleShelfArray list;
    FiltersToGrid(grid, list);
    Type(grid, 1, 1, "3");
    grid.SetName(1, "EQ-4");
    ASSERT_EQ(GridToFilters(grid, list, kSampleRate), 1);
    EXPECT_NE(list.GetAt(0)->GetLabel(), "EQ-4");
}

// Every kind: a list put into the grid and read back gives the same filters.
class FilterGridRoundTrip : public FilterGridRowsTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(FilterGridRoundTrip, ListSurvivesGridAndBack)
{
    const int kind = GetParam();
    CFilterLists lists;
    int done = 0;
    lists.ForEach(
        [&](EFilterKind k, auto& list)
        {
            if (k != kind)
                return;
            using TFilter = typename std::decay_t<decltype(list)>::Element;
            CFilterGridTable grid(1000 + unsigned(kind), kind);
            for (int i = 0; i < 3; ++i)
            {
                typename TFilter::Params params;
                if constexpr (std::is_same_v<TFilter, CDigGenericFilter>)
                {
                    params.m_nKind = kind;
                    params.m_nParamCount = grid.GetParamCount();
                }
                double value = 10.5 * (i + 1);
                for (mwMatrix* field : params.LineFields())
                    *field = mwMatrix(value += 100.25);
                params.m_SampleRate = mwMatrix(double(kSampleRate));
                TFilter* pFilter = list.Add(std::make_unique<TFilter>());
                pFilter->SetParameters(params);
                pFilter->SetLabelNumber(2 * i + 1);
                pFilter->m_ActiveMode.SetState(i % 2);
                pFilter->m_ModifiableMode.SetState(i == 0);
                pFilter->SetOutputOrder(20 - i);
            }
            std::vector<std::string> before;
            for (int i = 0; i < list.GetSize(); ++i)
            {
                std::string line;
                list.GetAt(i)->FormatLine(line);
                before.push_back(line);
            }
            EXPECT_EQ(FiltersToGrid(grid, list), 3);
            EXPECT_EQ(grid.GetName(grid.GetRows() - 1), "*");
            EXPECT_EQ(grid.GetName(grid.GetRows() - 2), grid.Info().m_strPrefix + "6");
            ASSERT_EQ(GridToFilters(grid, list, kSampleRate), 3);
            for (int i = 0; i < list.GetSize(); ++i)
            {
                std::string line;
                list.GetAt(i)->FormatLine(line);
                EXPECT_EQ(line, before[std::size_t(i)]);
            }
            EXPECT_EQ(CFilterGridRows::GetNextOutputOrder(), 20);
            ++done;
        });
    EXPECT_EQ(done, 1);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, FilterGridRoundTrip, ::testing::Range(0, kFilterKindCount));
} // namespace
