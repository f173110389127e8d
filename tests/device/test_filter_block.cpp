#include "device/FilterBlock.h"
#include "device/OutputOrderArray.h"
#include "filters/FilterLists.h"
#include "tests/support/MatrixRow.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
constexpr int kFs = 48000;

std::vector<int> SortedIndices(std::vector<int> orders)
{
    COutputOrderArray array;
    for (std::size_t i = 0; i < orders.size(); ++i)
        array.Add(int(i), orders[i]);
    EXPECT_TRUE(array.Sort());
    std::vector<int> indices;
    for (int i = 0; i < array.GetSize(); ++i)
        indices.push_back(array.GetAt(i).m_nIndex);
    return indices;
}

struct CSortCase
{
    std::vector<int> orders;
    std::vector<int> indices;
};
} // namespace

TEST(OutputOrder, SelectionSortLeavesEqualOrdersAsTheExchangesDo)
{
    const CSortCase cases[] = {
        {{}, {}},
        {{5}, {0}},
        {{1, 1, 0}, {2, 1, 0}},
        {{3, 1, 2}, {1, 2, 0}},
        {{2, 2, 2}, {0, 1, 2}},
        {{4, 0, 4, 0}, {1, 3, 2, 0}},
    };
    for (const CSortCase& c : cases)
        EXPECT_EQ(SortedIndices(c.orders), c.indices);
}

TEST(FilterBlock, CoefficientLineSaturatesAndNamesTheWord)
{
    CMatrixPtrArray listA, listB;
    listB.Add(Row({1.0, -1.0, 0.5}));
    listA.Add(Row({1.0, -0.5, 9.0}));
    std::string line = "x ";
    std::vector<std::string> saturated;
    ASSERT_TRUE(FormatCoefficientLine(line, 0, listA, listB, &saturated));
    EXPECT_EQ(line, "x 100000 F00000 080000 F80000 7FFFFF\r\n");
    EXPECT_EQ(saturated, std::vector<std::string>{"A2"});
}

class FilterBlockLists : public ::testing::Test
{
protected:
    void AddEQ(const char* line)
    {
        ASSERT_TRUE(lists.m_EQFilters.Add(std::make_unique<CDigEQFilter>())->Parse(line, kFs));
    }
    void AddNotch(const char* line)
    {
        ASSERT_TRUE(lists.m_NotchFilters.Add(std::make_unique<CDigNotch>())->Parse(line, kFs));
    }
    CFilterLists lists;
};

TEST_F(FilterBlockLists, InactiveFiltersAreLeftOutAndLowerOrdersComeFirst)
{
    AddEQ("EQ-1, 6, 2, 1000, No, Yes, 3");
    AddEQ("EQ-2, 3, 2, 500, No, No, 1");
    AddEQ("EQ-3, -4, 1, 200, No, Yes, 2");
    CFilterBlock block;
    ASSERT_TRUE(CollectFilterBlock(lists, block));
    ASSERT_EQ(block.count, 2);
    ASSERT_EQ(block.texts.size(), 2u);
    EXPECT_EQ(block.texts[0].rfind("!# EQ-3,", 0), 0u) << block.texts[0];
    EXPECT_EQ(block.texts[1].rfind("!# EQ-1,", 0), 0u) << block.texts[1];
    for (const std::string& t : block.texts)
    {
        EXPECT_EQ(t.find('\n'), t.size() - 1);
        EXPECT_EQ(t.substr(t.size() - 2), "\r\n");
    }
    for (const std::string& l : block.coefficientLines)
        EXPECT_EQ(l.size(), 5u * 6u + 4u + 2u) << l;
    EXPECT_TRUE(block.warnings.empty());
}

TEST_F(FilterBlockLists, ListOrderDecidesBetweenKindsOnlyForEqualOrders)
{
    // Notch is visited after EQ, but its lower order puts it first.
    AddEQ("EQ-1, 6, 2, 1000, No, Yes, 2");
    AddNotch("NT-1, 50, 1000, Yes, 1");
    CFilterBlock block;
    ASSERT_TRUE(CollectFilterBlock(lists, block));
    ASSERT_EQ(block.count, 2);
    EXPECT_EQ(block.texts[0].rfind("!# NT-1", 0), 0u) << block.texts[0];
}

TEST_F(FilterBlockLists, NoActiveFilterGivesAnEmptyBlock)
{
    CFilterBlock block;
    ASSERT_TRUE(CollectFilterBlock(lists, block));
    EXPECT_EQ(block.count, 0);
    EXPECT_TRUE(block.texts.empty());
}

// Sections that are no numbers went out as words of 000000 named "limited". They refuse the
// whole block instead, named in collection order with why; an inactive one is not
// collected, and a block of finite sections is collected as before.
TEST_F(FilterBlockLists, SectionsThatAreNoNumbersRefuseTheBlockAndAreNamed)
{
    AddEQ("EQ-1, 6, 2, 1000, No, Yes, 1");
    AddEQ("EQ-2, 1e300, 100, 1000, No, Yes, 2"); // infinite numerator
    ASSERT_TRUE(lists.m_HighPass_BFilters.Add(std::make_unique<CDigHighPass_B>())
                    ->Parse("HPB-1, 0, Yes, 3", kFs)); // "nan" throughout
    ASSERT_TRUE(lists.m_HighVariQFilters.Add(std::make_unique<CDigGenericFilter>())
                    ->Parse("VQHP-1, 100, 0, Yes, 4", kFs)); // "nan" denominator
    ASSERT_TRUE(lists.m_LowVariQFilters.Add(std::make_unique<CDigGenericFilter>())
                    ->Parse("VQLP-1, 100, 0, No, 5", kFs)); // inactive
    CFilterBlock block;
    EXPECT_FALSE(CollectFilterBlock(lists, block));
    EXPECT_EQ(block.nonFinite,
              (std::vector<std::string>{
                  "EQ-2: its parameters give no stable filter section.",
                  "HPB-1: the Cut Frequency must be above 0 Hz and below half the sample rate "
                  "(24000 Hz).",
                  "VQHP-1: the Q must be above 0."}));
    EXPECT_EQ(block.count, 0);
    EXPECT_TRUE(block.texts.empty());
    EXPECT_TRUE(block.coefficientLines.empty());
    EXPECT_TRUE(block.warnings.empty());

    lists.m_EQFilters.RemoveAt(1);
    lists.m_HighPass_BFilters.RemoveAll();
    lists.m_HighVariQFilters.RemoveAll();
    CFilterBlock finite;
    EXPECT_TRUE(CollectFilterBlock(lists, finite));
    EXPECT_TRUE(finite.nonFinite.empty());
    EXPECT_EQ(finite.count, 1);
}
