// Operators on matrix values: the run-time functions they reach, the identity rule of the
// comparisons and the mixed forms.
#include "matrix_fixture.h"
#include "values.h"

using namespace matrix_values;

namespace
{
using Operators = MatrixTest;

using Comparison = mwMatrix (*)(const mwMatrix&, const mwMatrix&);

struct IdentityCase
{
    const char* name;
    Comparison op;
    double same;
};

const IdentityCase kComparisons[] = {
    {"==", [](const mwMatrix& a, const mwMatrix& b) { return a == b; }, 1},
    {">=", [](const mwMatrix& a, const mwMatrix& b) { return a >= b; }, 1},
    {"<=", [](const mwMatrix& a, const mwMatrix& b) { return a <= b; }, 1},
    {"!=", [](const mwMatrix& a, const mwMatrix& b) { return a != b; }, 0},
    {">", [](const mwMatrix& a, const mwMatrix& b) { return a > b; }, 0},
    {"<", [](const mwMatrix& a, const mwMatrix& b) { return a < b; }, 0},
};
} // namespace

TEST_F(Operators, ArithmeticReachesTheRunTime)
{
    const mwMatrix a = matrixOf(2, 2, {1, 3, 2, 4});
    const mwMatrix v = matrixOf(2, 1, {5, 6});
    EXPECT_EQ((std::vector<double>{17, 39}), realsOf(a * v));
    EXPECT_EQ((std::vector<double>{2, 4, 3, 5}), realsOf(a + 1));
    EXPECT_EQ((std::vector<double>{0, 2, 1, 3}), realsOf(a - 1.0));
    EXPECT_EQ((std::vector<double>{0.5, 1.5, 1, 2}), realsOf(a / 2.0));
    EXPECT_EQ(std::vector<double>{1024}, realsOf(mwMatrix(2.0) ^ mwMatrix(10.0)));
    EXPECT_EQ((std::vector<double>{-1, -3, -2, -4}), realsOf(-a));
    EXPECT_EQ((std::vector<double>{1, 0}), realsOf(!rowOf({0, 7})));
    EXPECT_EQ((std::vector<double>{1, 0}), realsOf(rowOf({1, 0}) & rowOf({1, 1})));
    EXPECT_EQ((std::vector<double>{1, 1}), realsOf(rowOf({1, 0}) | rowOf({0, 1})));
    EXPECT_EQ((std::vector<double>{2, 4}), realsOf(2 * rowOf({1, 2})));
    EXPECT_TRUE(assertions().empty());
}

TEST_F(Operators, RunTimeErrorsBecomeExceptions)
{
    const mwMatrix a = rowOf({1, 2, 3});
    const mwMatrix b = matrixOf(3, 1, {1, 2, 3});
    EXPECT_EQ("Matrix dimensions must agree.", messageOf<mwRuntimeError>([&] { a + b; }));
    EXPECT_EQ("Inner matrix dimensions must agree.", messageOf<mwRuntimeError>([&] { a* a; }));
}

TEST_F(Operators, MarkersCompareByIdentityWithoutTheRunTime)
{
    const mwMatrix value = rowOf({1, 2, 3});
    const mwMatrix empty;
    for (const IdentityCase& c : kComparisons)
    {
        struct Pair
        {
            const mwMatrix& a;
            const mwMatrix& b;
            double expected;
        };
        const Pair pairs[] = {
            {mwNotSupplied, mwNotSupplied, c.same},
            {mwUninitialized, mwNotSupplied, c.same}, // one run-time array behind both
            {value, mwNotSupplied, 1 - c.same},
            {mwNotSupplied, value, 1 - c.same},
            {empty, mwUninitialized, 1 - c.same},
        };
        for (const Pair& p : pairs)
        {
            const long calls = mclOperatorCallCount();
            const mwMatrix r = c.op(p.a, p.b);
            EXPECT_EQ(calls, mclOperatorCallCount()) << c.name << ": the run-time was called";
            EXPECT_EQ((std::vector<int>{1, 1}), dimsOf(r)) << c.name;
            EXPECT_FALSE(mxIsLogical(r.GetData())) << "the identity result is a plain double";
            EXPECT_EQ(std::vector<double>{p.expected}, realsOf(r)) << c.name;
        }
    }
}

TEST_F(Operators, SharedArraysWithoutMarkersCompareElementWise)
{
    const mwMatrix a = rowOf({1, 2});
    const mwMatrix b(a);
    const long calls = mclOperatorCallCount();
    const mwMatrix r = a == b;
    EXPECT_LT(calls, mclOperatorCallCount());
    EXPECT_EQ((std::vector<double>{1, 1}), realsOf(r));
    EXPECT_TRUE(mxIsLogical(r.GetData()));
}

TEST_F(Operators, MixedFormsKeepTheOperandOrder)
{
    mwMatrix x = rowOf({2, 4, 8});
    const mwMatrix two(2.0);
    EXPECT_EQ(realsOf(x - 1), realsOf(x - 1.0)) << "int and double become the same 1-by-1";
    EXPECT_EQ((std::vector<double>{2, 4}), realsOf(x(mwMatrix(rowOf({2, 3}))) / two));
    EXPECT_EQ(std::vector<double>{0.25}, realsOf(two / x(3)));
    EXPECT_EQ(std::vector<double>{-2}, realsOf(x(1) - x(2)));
    EXPECT_EQ(std::vector<double>{8}, realsOf(x(1) * x(2)));
    EXPECT_EQ(std::vector<double>{1}, realsOf(x(3) > 5.0));
    EXPECT_EQ(std::vector<double>{1}, realsOf(x(1) <= 2.0));
    EXPECT_EQ(std::vector<double>{0}, realsOf(x(1) >= 3.0));
    EXPECT_EQ(std::vector<double>{1}, realsOf(x(2) == x(2)));
    EXPECT_EQ((std::vector<double>{-2}), realsOf(-x(1)));
    EXPECT_EQ((std::vector<double>{2, 4, 8}), realsOf(x))
        << "operators never change the part's source";
}

TEST_F(Operators, OperandsWithoutDataAreReportedByTheActiveChecks)
{
    mwMatrix gone(1.0);
    mxDestroyArray(gone.ReleaseData());
    const mwMatrix one(1.0);
    const mwMatrix sum = gone + one;
    const mwMatrix negated = -gone;
    ASSERT_EQ(2u, assertions().size());
    EXPECT_EQ("o1d != 0", assertions()[0].expression);
    EXPECT_EQ("matmtxif", assertions()[0].source);
    EXPECT_EQ("o1.GetData() != 0", assertions()[1].expression);
    EXPECT_EQ((std::vector<double>{}), realsOf(sum))
        << "the run-time takes the missing operand as empty";
}
