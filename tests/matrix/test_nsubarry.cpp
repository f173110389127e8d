// Indexed parts: reads, assignment with copy on write, growth and deletion, several index
// levels, the subscript family of mwMatrix.
#include "matrix_fixture.h"
#include "values.h"

using namespace matrix_values;

namespace
{
using IndexedParts = MatrixTest;

// 3-by-4 with elements 1..12 in column-major order.
mwMatrix grid()
{
    return matrixOf(3, 4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
}
} // namespace

TEST_F(IndexedParts, ReadsSelectElements)
{
    mwMatrix a = grid();
    const mwMatrix& c = a;
    EXPECT_EQ(8.0, static_cast<double>(a(2, 3)));
    EXPECT_EQ((std::vector<double>{4, 5, 6}), realsOf(c(mwIndexList(mwIndexList(colon()), 2.0))));
    EXPECT_EQ((std::vector<double>{2, 5, 8, 11}), realsOf(mwMatrix(a(2.0, colon()))));
    const mwMatrix mask = rowOf({1, 0, 1}) > 0.5;
    EXPECT_EQ((std::vector<double>{1, 3}), realsOf(mwMatrix(a(mask, 1.0))));
    EXPECT_EQ(0.0, static_cast<double>(a(mwMatrix(rowOf({}))))) << "an empty selection";
    EXPECT_EQ("Only 1-by-1 matrices can be cast to doubles. Matrix is 1-by-2.",
              messageOf<mwDomainError>(
                  [&] {
                      static_cast<double>(a(rowOf({1, 2})));
                  }));
    EXPECT_EQ("Index exceeds matrix dimensions.",
              messageOf<mwRuntimeError>([&] { mwMatrix(a(13)); }));
}

TEST_F(IndexedParts, AssignmentCopiesOnWriteAndReturnsTheSource)
{
    mwMatrix a = rowOf({1, 2, 3});
    MatrixRef* before = a.GetRef();
    a(1) = mwMatrix(1.0);
    EXPECT_EQ(before, a.GetRef()) << "a sole holder is changed in place";

    const mwMatrix other(a);
    const mwMatrix result = (a(2) = mwMatrix(9.0));
    EXPECT_EQ((std::vector<double>{1, 9, 3}), realsOf(a));
    EXPECT_EQ((std::vector<double>{1, 2, 3}), realsOf(other)) << "the other holder keeps its value";
    EXPECT_EQ(a.GetRef(), result.GetRef()) << "the result is the whole updated source";
    EXPECT_EQ(1, other.GetRef()->Count());
}

TEST_F(IndexedParts, AssignmentPastTheEndGrowsLikeTheOptimizersParameterMatrix)
{
    mwMatrix p = empty();
    for (int k = 1; k <= 3; ++k)
    {
        const mwMatrix keep(p);
        MatrixRef* before = p.GetRef();
        p(mwMatrix(p.Size(1) + 1), colon()) = rowOf({10.0 * k, 1, 2, 3});
        EXPECT_NE(before, p.GetRef()) << "the grown array lives in a new record";
        EXPECT_EQ(1, keep.GetRef()->Count()) << "the old record lost the source's reference";
        EXPECT_EQ(k - 1, keep.Size(1));
    }
    EXPECT_EQ((std::vector<int>{3, 4}), dimsOf(p));
    EXPECT_EQ((std::vector<double>{10, 20, 30, 1, 1, 1, 2, 2, 2, 3, 3, 3}), realsOf(p));
}

TEST_F(IndexedParts, EmptyValuesDeleteOnlyWhenEveryExtentIsZero)
{
    mwMatrix a = grid();
    a(colon(), 2.0) = empty();
    EXPECT_EQ((std::vector<int>{3, 3}), dimsOf(a));
    mwMatrix v = rowOf({1, 2, 3});
    v(2) = mwMatrix();
    EXPECT_EQ((std::vector<double>{1, 3}), realsOf(v)) << "the uninitialized empty deletes too";
    EXPECT_EQ("In an assignment  A(I) = B, the number of elements in B and I must be the same.",
              messageOf<mwRuntimeError>([&] { v(1) = matrixOf(0, 3, {}); }))
        << "a 0-by-3 value is assigned, not a deletion";
    EXPECT_EQ((std::vector<double>{1, 3}), realsOf(v)) << "a failed assignment changes nothing";
}

TEST_F(IndexedParts, LogicalAndColonSubscripts)
{
    mwMatrix x = rowOf({1, 5, 2, 7});
    x(x > 2.0) = mwMatrix(0.0);
    EXPECT_EQ((std::vector<double>{1, 0, 2, 0}), realsOf(x));
    x(colon()) = mwMatrix(3.0);
    EXPECT_EQ((std::vector<double>{3, 3, 3, 3}), realsOf(x));
}

TEST_F(IndexedParts, PartsWithoutSourceAndMultiAssign)
{
    const mwIndexList one(1.0);
    mwSubMatrix orphan(nullptr, one, 1);
    EXPECT_EQ("Null rep pointer!", messageOf<mwLogicError>([&] { orphan.GetValue(); }));
    EXPECT_EQ("Null reference matrix in index operation.",
              messageOf<mwLogicError>([&] { static_cast<double>(orphan); }));
    EXPECT_EQ("Null reference matrix in index operation.",
              messageOf<mwLogicError>([&] { orphan = mwMatrix(1.0); }));
    mxArray* none[2] = {nullptr, nullptr};
    EXPECT_EQ("Null reference matrix in index operation.",
              messageOf<mwLogicError>([&] { orphan.MultiAssign(none, 2); }))
        << "a part without source is refused before anything is touched";

    mwMatrix x = rowOf({0, 0, 0});
    mxArray* values[2] = {mlfScalar(7), mlfScalar(8)};
    EXPECT_EQ("Not enough outputs for multi assign",
              messageOf<mwLogicError>([&] { x(2).MultiAssign(values, 2); }));
    x(rowOf({1, 3})).MultiAssign(values, 2);
    EXPECT_EQ((std::vector<double>{7, 0, 8}), realsOf(x));
    EXPECT_EQ(nullptr, values[0]);
}

TEST_F(IndexedParts, FurtherLevelsKeepTheirSubscriptsAlive)
{
    mwMatrix x = rowOf({4, 5, 6});
    mwSubMatrix part = x(mwMatrix(rowOf({2, 3})));
    {
        const mwIndexList second(mwMatrix(rowOf({2})));
        part(second);
    }
    EXPECT_EQ(2, part.Subscripts().Count());
    EXPECT_EQ(6.0, static_cast<double>(part));
    EXPECT_EQ(1, part.NumberOfIndexedElements());
}

TEST_F(IndexedParts, ExtentsPerSubscript)
{
    mwMatrix a = grid();
    const mwSubMatrix part = a(colon(), rowOf({1, 2}));
    int extents[2] = {};
    EXPECT_EQ(2, part.GetExtents(extents));
    EXPECT_EQ(3, extents[0]);
    EXPECT_EQ(2, extents[1]);
    EXPECT_EQ(0, part.GetExtent(3));
    EXPECT_EQ(6, part.NumberOfIndexedElements());
}

TEST_F(IndexedParts, AssignmentFromAnotherPart)
{
    mwMatrix a = rowOf({1, 2, 3});
    mwMatrix b = rowOf({7, 8, 9});
    a(1) = b(3);
    EXPECT_EQ((std::vector<double>{9, 2, 3}), realsOf(a));
}

TEST_F(IndexedParts, SubscriptFamilyStopsAtTheFirstNotSuppliedSubscript)
{
    mwMatrix cube = matrixOf(2, 2, {1, 2, 3, 4});
    const mwMatrix one(1.0);
    const mwMatrix two(2.0);
    mwSubMatrix skipped = cube(one, two, mwNotSupplied, two);
    EXPECT_EQ(2, skipped.Subscripts().Count()) << "s4 is ignored";
    EXPECT_EQ(3.0, static_cast<double>(skipped));

    mwSubMatrix leading = cube(mwNotSupplied, two, one, one);
    EXPECT_EQ(3, leading.Subscripts().Count()) << "a not-supplied s1 is skipped";
    EXPECT_EQ(2.0, static_cast<double>(leading));

    const mwMatrix& reader = cube;
    const mwMatrix read = reader(one, two, one, one, one);
    EXPECT_EQ(std::vector<double>{3}, realsOf(read));
    EXPECT_NE(read.GetRef(), cube.GetRef());

    const mwMatrix pair = commaListOf({2, 2});
    mwSubMatrix expanded = cube(pair, one, one);
    EXPECT_EQ(4, expanded.Subscripts().Count()) << "a comma list contributes every element";
    EXPECT_EQ(4.0, static_cast<double>(expanded));

    const mwMatrix all32 =
        reader(one, two, one, one, one, one, one, one, one, one, one, one, one, one, one, one, one,
               one, one, one, one, one, one, one, one, one, one, one, one, one, one, one);
    EXPECT_EQ(std::vector<double>{3}, realsOf(all32)) << "32 subscripts, the most there are";

    cube(two, two, one, one) = mwMatrix(-1.0);
    EXPECT_EQ(-1.0, cube.RealElement(4)) << "the part form assigns into this matrix";
}

TEST_F(IndexedParts, SubscriptKind0IndexesCellContents)
{
    mxArray* cells = mclCreateCellMatrix(2, 2);
    mclSetCell(cells, 2, mlfScalar(42));
    mwMatrix c(cells, 1);
    const mwIndexList list(mwIndexList(1.0), mwMatrix(2.0));
    mwSubMatrix part = c.SubscriptKind0(list, mwNotSupplied, mwNotSupplied);
    EXPECT_EQ(2, part.Subscripts().Count());
    EXPECT_EQ(42.0, static_cast<double>(part));
    part = mwMatrix(7.0);
    const mwMatrix& reader = c;
    EXPECT_EQ(std::vector<double>{7}, realsOf(reader.SubscriptKind0(list)));
}
