// Index lists and colon index values.
#include "matrix_fixture.h"
#include "values.h"

using namespace matrix_values;

namespace
{
using IndexLists = MatrixTest;

} // namespace

TEST_F(IndexLists, CapacitiesGrowByDoublingAndCopiesFitExactly)
{
    const mwIndexList empty;
    EXPECT_EQ(0, empty.Count());
    EXPECT_EQ(10, empty.Capacity());
    EXPECT_TRUE(empty.UsesInlineStorage());

    const mwMatrix value(1.0);
    struct Case
    {
        int entries;
        int capacity;
        int copyCapacity;
        bool copyInline;
    };
    const Case cases[] = {{10, 10, 10, true}, {11, 20, 11, false}, {21, 40, 21, false}};
    for (const Case& c : cases)
    {
        mwIndexList list;
        for (int i = 0; i < c.entries; ++i)
            list.Append(value.GetRef());
        EXPECT_EQ(c.capacity, list.Capacity()) << c.entries;
        EXPECT_EQ(c.entries == 10, list.UsesInlineStorage());
        const mwIndexList copy(list);
        EXPECT_EQ(c.copyCapacity, copy.Capacity()) << c.entries;
        EXPECT_EQ(c.copyInline, copy.UsesInlineStorage());
        EXPECT_EQ(1 + 2 * c.entries, value.GetRef()->Count());
    }
    EXPECT_EQ(1, value.GetRef()->Count()) << "every list let go of its references";
}

TEST_F(IndexLists, SubscriptRule)
{
    const mwMatrix a(1.0);
    const mwMatrix b(2.0);
    const mwIndexList one(a);
    const mwIndexList stopped(one, b, mwNotSupplied, a);
    EXPECT_EQ(2, stopped.Count()) << "positions after the first not-supplied one are ignored";
    EXPECT_EQ(b.GetRef(), stopped.Entry(1));

    EXPECT_EQ(0, mwIndexList(mwNotSupplied).Count());
    const mwIndexList unpacked(commaListOf({1, 2, 3}));
    ASSERT_EQ(3, unpacked.Count());
    EXPECT_EQ(3.0, mclGetPr(unpacked.Entry(2)->Array())[0]);
    EXPECT_EQ(1, unpacked.Entry(0)->Count()) << "the list holds the only reference";
    EXPECT_EQ(-1, unpacked.NumberOfElements(3));
    EXPECT_EQ(1, unpacked.NumberOfElements(0));

    EXPECT_EQ("Variable used before it was assigned a value.",
              messageOf<mwRuntimeError>([&] { mwIndexList(a, b, mwUnassigned); }));
}

TEST_F(IndexLists, DestructionReleasesReferences)
{
    const long live = mclLiveArrayCount();
    const mwMatrix kept(3.0);
    {
        mwIndexList list(4.0);
        list.Append(kept.GetRef());
        EXPECT_EQ(2, kept.GetRef()->Count());
        EXPECT_EQ(live + 2, mclLiveArrayCount());
    }
    EXPECT_EQ(1, kept.GetRef()->Count());
    EXPECT_EQ(live + 1, mclLiveArrayCount()) << "the list's own value was destroyed";
}

TEST_F(IndexLists, ToCellSharesTheSubscriptValues)
{
    const mwMatrix e = mwIndexList().ToCell();
    EXPECT_TRUE(mxIsCell(e.GetData()));
    EXPECT_EQ((std::vector<int>{0, 0}), dimsOf(e));
    const mwIndexList two(mwIndexList(rowOf({1, 2})), mwMatrix("ab"));
    const mwMatrix c = two.ToCell();
    EXPECT_EQ((std::vector<int>{1, 2}), dimsOf(c));
    EXPECT_EQ(2, mxGetNumberOfElements(mclGetCell(c.GetData(), 0)));
    EXPECT_TRUE(mxIsChar(mclGetCell(c.GetData(), 1)));
}

TEST_F(IndexLists, ColonIndexCounts)
{
    const mwMatrix logical = rowOf({1, 0, 1, 1}) > 0.5;
    const mwMatrix numbers = rowOf({1, 0, 1, 1});
    EXPECT_EQ(5, mwColonIndex(1.0, 5.0).Count());
    EXPECT_EQ(0, mwColonIndex(5.0, 1.0).Count());
    EXPECT_EQ(3, mwColonIndex(10.0, -2.0, 5.0).Count());
    EXPECT_EQ(3, mwColonIndex(logical).Count());
    EXPECT_EQ(4, mwColonIndex(numbers).Count());

    const mwColonIndex colon(mwMatrix(":"));
    const mwMatrix grid = matrixOf(3, 7, {});
    EXPECT_NE(0, colon.IsColon());
    EXPECT_EQ(7, colon.Extent(grid, 2));
    EXPECT_EQ(1, colon.Extent(grid, 3));
    EXPECT_EQ("Need array pointer to determine size of ':'.",
              messageOf<mwDomainError>([&] { colon.Count(); }));

    EXPECT_EQ(1, mwColonIndex(1.0, 3.0) == mwColonIndex(rowOf({1, 2, 3})));
    EXPECT_EQ(0, mwColonIndex(1.0, 3.0) == mwColonIndex(rowOf({1, 2, 4})));
    // A truth value of the element-wise result: != holds only where every element differs.
    EXPECT_EQ(0, mwColonIndex(1.0, 3.0) != mwColonIndex(rowOf({1, 2, 4})));
    EXPECT_EQ(1, mwColonIndex(1.0, 3.0) != mwColonIndex(rowOf({4, 5, 6})));
}
