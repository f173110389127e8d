// For loops over matrix ranges: value counts and order, empty ranges, restarts, and loop
// values that reach the variable without copies.
#include "matrix_fixture.h"
#include "values.h"

using namespace matrix_values;

namespace
{
using ForLoops = MatrixTest;

std::vector<double> loop(mwForIterator& it, mwMatrix& var)
{
    std::vector<double> seen;
    while (it.Next(var))
        seen.push_back(static_cast<double>(var));
    return seen;
}
} // namespace

TEST_F(ForLoops, DownCountingRangeYieldsItsValuesInOrder)
{
    mwForIterator it;
    mwMatrix k(mclGetUninitializedArray(), 0);
    it.Start(mwMatrix(46.0), mwMatrix(-1.0), mwMatrix(15.0)); // constants die right here
    const std::vector<double> seen = loop(it, k);
    ASSERT_EQ(32u, seen.size());
    EXPECT_EQ(46.0, seen.front());
    EXPECT_EQ(15.0, seen.back());
    EXPECT_EQ(15.0, static_cast<double>(k));
}

TEST_F(ForLoops, EmptyRangeRunsNothingAndKeepsTheVariable)
{
    mwForIterator it;
    mwMatrix k(7.0);
    it.Start(mwMatrix(1.0), mwMatrix(0.0));
    EXPECT_TRUE(loop(it, k).empty());
    EXPECT_EQ(7.0, static_cast<double>(k));
}

TEST_F(ForLoops, TwoLoopsOnOneIterator)
{
    mwForIterator it;
    mwMatrix i;
    const mwMatrix n(4.0);
    it.Start(mwMatrix(1.0), n);
    EXPECT_EQ(std::vector<double>({1, 2, 3, 4}), loop(it, i));
    it.Start(n, mwMatrix(-1.0), mwMatrix(1.0));
    EXPECT_EQ(std::vector<double>({4, 3, 2, 1}), loop(it, i));
    it.Start(mwMatrix(1.0), n);
    ASSERT_TRUE(it.Next(i));
    it.Start(rowOf({9, 8})); // restarted before the first loop ended
    EXPECT_EQ(std::vector<double>({9, 8}), loop(it, i));
}

TEST_F(ForLoops, AMatrixRangeGivesItsColumns)
{
    mwForIterator it;
    mwMatrix column;
    it.Start(matrixOf(2, 2, {1, 2, 3, 4}));
    ASSERT_TRUE(it.Next(column));
    EXPECT_EQ(std::vector<double>({1, 2}), realsOf(column));
    const mwMatrix kept = column;
    ASSERT_TRUE(it.Next(column));
    EXPECT_EQ(std::vector<double>({3, 4}), realsOf(column));
    EXPECT_EQ(std::vector<double>({1, 2}), realsOf(kept)) << "each value is a new array";
    EXPECT_FALSE(it.Next(column));
}

TEST_F(ForLoops, AnExceptionLeavesTheLoopStateReleased)
{
    EXPECT_THROW(
        {
            mwForIterator it;
            mwMatrix k;
            it.Start(rowOf({1, 2, 3}));
            while (it.Next(k))
                if (static_cast<double>(k) == 2.0)
                    throw mwLogicError("stop", 1, "test");
        },
        mwLogicError);
}
