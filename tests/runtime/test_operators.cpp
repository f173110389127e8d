#include "fixture.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <map>

using namespace testing_runtime;

namespace
{
using Binary = mxArray* (*)(const mxArray*, const mxArray*);

struct BinaryCase
{
    const char* name;
    Binary op;
    std::vector<double> left;
    std::vector<double> right;
    std::vector<double> expected;
    bool logical;
};

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

class ElementwiseTable : public RuntimeTest, public ::testing::WithParamInterface<BinaryCase>
{
};

// Rows with one value on a side exercise scalar expansion on that side.
const BinaryCase kBinaryCases[] = {
    {"plus", mlfPlus, {1, 2, 3}, {10}, {11, 12, 13}, false},
    {"minus", mlfMinus, {5}, {1, 2, 3}, {4, 3, 2}, false},
    {"times", mlfTimes, {1, 2, 3}, {4, 5, 6}, {4, 10, 18}, false},
    {"rdivide", mlfRdivide, {1, 0, -1}, {0, 0, 0}, {kInf, kNan, -kInf}, false},
    {"power",
     mlfPower,
     {2, 2, 2},
     {10, -23, 0.5},
     {1024, std::ldexp(1.0, -23), std::sqrt(2.0)},
     false},
    {"mod", mlfMod, {-1, 5, 5, 7.5}, {3, 0, -3, 2}, {2, 5, -1, 1.5}, false},
    {"lcm", mlfLcm, {4, 3, 7}, {6, 5, 7}, {12, 15, 7}, false},
    {"max", mclElementwiseMax, {1, kNan, 5}, {3, 2, kNan}, {3, 2, 5}, false},
    {"min", mclElementwiseMin, {1, kNan, 5}, {3}, {1, 3, 3}, false},
    {"lt", mlfLt, {1, 2, 3}, {2}, {1, 0, 0}, true},
    {"gt", mlfGt, {1, 2, 3}, {2}, {0, 0, 1}, true},
    {"le", mlfLe, {1, 2, 3}, {2}, {1, 1, 0}, true},
    {"ge", mlfGe, {1, 2, 3}, {2}, {0, 1, 1}, true},
    {"eq", mlfEq, {1, kNan, 3}, {1, kNan, 4}, {1, 0, 0}, true},
    {"ne", mlfNeq, {1, kNan, 3}, {1, kNan, 4}, {0, 1, 1}, true},
    {"and", mlfAnd, {1, 0, 2, 0}, {1, 1, 0, 0}, {1, 0, 0, 0}, true},
    {"or", mlfOr, {1, 0, 2, 0}, {1, 1, 0, 0}, {1, 1, 1, 0}, true},
};

INSTANTIATE_TEST_SUITE_P(Operators, ElementwiseTable, ::testing::ValuesIn(kBinaryCases),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace

TEST_P(ElementwiseTable, ValuesShapeAndClass)
{
    const BinaryCase& c = GetParam();
    Array a = row(c.left);
    Array b = row(c.right);
    Array r(c.op(a.get(), b.get()));
    EXPECT_EQ((std::vector<int>{1, static_cast<int>(c.expected.size())}), dimsOf(r.get()));
    EXPECT_EQ(c.logical, mxIsLogical(r.get()));
    EXPECT_FALSE(mxIsComplex(r.get()));
    const std::vector<double> got = realsOf(r.get());
    for (std::size_t i = 0; i < got.size(); ++i)
    {
        if (std::isnan(c.expected[i]))
            EXPECT_TRUE(std::isnan(got[i])) << i;
        else
            EXPECT_EQ(c.expected[i], got[i]) << i;
    }
}

TEST_P(ElementwiseTable, UnequalShapesAreRefused)
{
    Array a = row({1, 2, 3});
    Array b = matrix({3, 1}, {1, 2, 3});
    EXPECT_EQ("Matrix dimensions must agree.",
              errorOf([&] { discard(GetParam().op(a.get(), b.get())); }));
}

TEST_P(ElementwiseTable, ScalarWithEmptyGivesEmpty)
{
    Array a = scalar(2);
    Array e = matrix({0, 3}, {});
    Array r(GetParam().op(a.get(), e.get()));
    EXPECT_EQ((std::vector<int>{0, 3}), dimsOf(r.get()));
}

TEST_F(RuntimeTest, ComplexOperandsAndNarrowing)
{
    Array z(mlfComplexScalar(1, 2));
    Array w(mlfComplexScalar(3, -1));
    Array p(mlfTimes(z.get(), w.get()));
    EXPECT_EQ(std::vector<double>{5}, realsOf(p.get()));
    EXPECT_EQ(std::vector<double>{5}, imagsOf(p.get()));

    Array conj(mlfComplexScalar(1, -2));
    Array sum(mlfPlus(z.get(), conj.get()));
    EXPECT_FALSE(mxIsComplex(sum.get())) << "an all-zero imaginary part is dropped";
    EXPECT_EQ(std::vector<double>{2}, realsOf(sum.get()));

    Array i(mlfComplexScalar(0, 1));
    Array two = scalar(2);
    Array sq(mlfPower(i.get(), two.get()));
    EXPECT_FALSE(mxIsComplex(sq.get())) << "integer powers of complex values are exact";
    EXPECT_EQ(std::vector<double>{-1}, realsOf(sq.get()));
}

TEST_F(RuntimeTest, NegativeBaseToFractionalPowerIsComplex)
{
    Array base = row({-8, 4});
    Array third = scalar(1.0 / 3.0);
    Array r(mlfPower(base.get(), third.get()));
    ASSERT_TRUE(mxIsComplex(r.get()));
    EXPECT_NEAR(1.0, realsOf(r.get())[0], 1e-12);
    EXPECT_NEAR(std::sqrt(3.0), imagsOf(r.get())[0], 1e-12);
    EXPECT_NEAR(std::cbrt(4.0), realsOf(r.get())[1], 1e-12);
}

TEST_F(RuntimeTest, RelationsOnComplexValues)
{
    Array z(mlfComplexScalar(1, 5));
    Array two = scalar(2);
    Array one = scalar(1);
    Array lt(mlfLt(z.get(), two.get()));
    EXPECT_EQ(std::vector<double>{1}, realsOf(lt.get())) << "order relations use real parts";
    Array eq(mlfEq(z.get(), one.get()));
    EXPECT_EQ(std::vector<double>{0}, realsOf(eq.get())) << "equality uses both parts";
    EXPECT_TRUE(mxIsLogical(eq.get()));
    EXPECT_FALSE(mxIsComplex(eq.get()));
}

TEST_F(RuntimeTest, CharOperandsCountByCode)
{
    Array s(mclCreateString("ab"));
    Array one = scalar(1);
    Array r(mlfPlus(s.get(), one.get()));
    EXPECT_EQ((std::vector<double>{98, 99}), realsOf(r.get()));
    EXPECT_TRUE(mxIsDouble(r.get()));
}

TEST_F(RuntimeTest, RefusedOperands)
{
    Array nan = scalar(kNan);
    Array one = scalar(1);
    Array z(mlfComplexScalar(1, 1));
    Array zero = scalar(0);
    Array cell(mclCreateCellMatrix(1, 1));
    const std::pair<std::string, std::function<mxArray*()>> cases[] = {
        {"NaN's cannot be converted to logicals.", [&] { return mlfAnd(nan.get(), one.get()); }},
        {"NaN's cannot be converted to logicals.", [&] { return mlfNot(nan.get()); }},
        {"Arguments must be real.", [&] { return mlfMod(z.get(), one.get()); }},
        {"Input arguments must contain positive integers.",
         [&] { return mlfLcm(zero.get(), one.get()); }},
        {"Function 'plus' is not defined for values of class 'cell'.",
         [&] { return mlfPlus(cell.get(), one.get()); }},
    };
    for (const auto& entry : cases)
    {
        const auto& call = entry.second;
        EXPECT_EQ(entry.first, errorOf([&] { discard(call()); }));
    }
    EXPECT_EQ("NaN's cannot be converted to logicals.", errorOf([&] { mlfTobool(nan.get()); }));
}

TEST_F(RuntimeTest, UnaryOperatorsAndTruth)
{
    Array a = row({1, 0, -2});
    Array neg(mlfUnaryminus(a.get()));
    EXPECT_EQ((std::vector<double>{-1, 0, 2}), realsOf(neg.get()));
    EXPECT_FALSE(mxIsLogical(neg.get()));
    Array z(mlfComplexScalar(1, -2));
    Array negz(mlfUnaryminus(z.get()));
    EXPECT_EQ(std::vector<double>{2}, imagsOf(negz.get()));
    Array n(mlfNot(a.get()));
    EXPECT_EQ((std::vector<double>{0, 1, 0}), realsOf(n.get()));
    EXPECT_TRUE(mxIsLogical(n.get()));

    Array empty(mclCreateDoubleMatrix(0, 0, mxREAL));
    Array ones = row({1, 2});
    Array imaginary(mlfComplexScalar(0, 3));
    EXPECT_EQ(0, mlfTobool(empty.get()));
    EXPECT_EQ(0, mlfTobool(a.get()));
    EXPECT_EQ(1, mlfTobool(ones.get()));
    EXPECT_EQ(1, mlfTobool(imaginary.get()));
    EXPECT_EQ(0, mlfTobool(nullptr));
}

TEST_F(RuntimeTest, MatrixProduct)
{
    Array a = matrix({2, 2}, {1, 3, 2, 4}); // [1 2; 3 4]
    Array b = matrix({2, 1}, {5, 6});
    Array p(mlfMtimes(a.get(), b.get()));
    EXPECT_EQ((std::vector<int>{2, 1}), dimsOf(p.get()));
    EXPECT_EQ((std::vector<double>{17, 39}), realsOf(p.get()));
    Array r = row({1, 2, 3});
    Array two = scalar(2);
    Array scaled(mlfMtimes(two.get(), r.get()));
    EXPECT_EQ((std::vector<double>{2, 4, 6}), realsOf(scaled.get()));
    EXPECT_EQ("Inner matrix dimensions must agree.",
              errorOf([&] { discard(mlfMtimes(a.get(), r.get())); }));
}

TEST_F(RuntimeTest, RightDivision)
{
    Array one = scalar(1);
    Array four = scalar(4);
    Array q(mlfMrdivide(one.get(), four.get()));
    EXPECT_EQ(std::vector<double>{0.25}, realsOf(q.get()));
    Array zero = scalar(0);
    Array inf(mlfMrdivide(one.get(), zero.get()));
    EXPECT_EQ(std::vector<double>{kInf}, realsOf(inf.get()));

    // x * A = b for square A: x = [1 2] when b = [1 2] * A.
    Array a = matrix({2, 2}, {4, 1, 2, 3});
    Array x0 = row({1, 2});
    Array b(mlfMtimes(x0.get(), a.get()));
    Array x(mlfMrdivide(b.get(), a.get()));
    EXPECT_NEAR(1.0, realsOf(x.get())[0], 1e-14);
    EXPECT_NEAR(2.0, realsOf(x.get())[1], 1e-14);

    // Least squares: x * [1 1 1] closest to [1 2 3] is x = 2.
    Array ones = row({1, 1, 1});
    Array target = row({1, 2, 3});
    Array ls(mlfMrdivide(target.get(), ones.get()));
    EXPECT_EQ((std::vector<int>{1, 1}), dimsOf(ls.get()));
    EXPECT_NEAR(2.0, realsOf(ls.get())[0], 1e-14);

    Array singular = matrix({2, 2}, {1, 2, 2, 4});
    Array s(mlfMrdivide(x0.get(), singular.get()));
    ASSERT_EQ(1u, warnings().size());
    EXPECT_EQ("Matrix is singular to working precision.", warnings()[0]);
    EXPECT_EQ("Matrix dimensions must agree.",
              errorOf([&] { discard(mlfMrdivide(target.get(), a.get())); }));
}

TEST_F(RuntimeTest, MatrixPower)
{
    Array two = scalar(2);
    Array half = scalar(0.5);
    Array root(mlfMpower(two.get(), half.get()));
    EXPECT_EQ(std::vector<double>{std::sqrt(2.0)}, realsOf(root.get()));

    Array fib = matrix({2, 2}, {1, 1, 1, 0});
    Array ten = scalar(10);
    Array f10(mlfMpower(fib.get(), ten.get()));
    EXPECT_EQ((std::vector<double>{89, 55, 55, 34}), realsOf(f10.get()));
    Array minusOne = scalar(-1);
    Array inv(mlfMpower(fib.get(), minusOne.get()));
    EXPECT_EQ((std::vector<double>{0, 1, 1, -1}), realsOf(inv.get()));

    Array wide = row({1, 2});
    EXPECT_EQ("Matrix must be square.",
              errorOf([&] { discard(mlfMpower(wide.get(), two.get())); }));
    EXPECT_EQ("Matrix power needs an integer exponent.",
              errorOf([&] { discard(mlfMpower(fib.get(), half.get())); }));
    EXPECT_EQ("Inputs must be a scalar and a square matrix.",
              errorOf([&] { discard(mlfMpower(fib.get(), fib.get())); }));
}

TEST_F(RuntimeTest, ColonRanges)
{
    struct Case
    {
        double a, d, b;
        std::size_t count;
        double first, last;
    };
    const Case cases[] = {
        {1, 1, 5, 5, 1, 5}, {5, 1, 1, 0, 0, 0}, {0, 0.1, 1, 11, 0, 1},   {46, -1, 15, 32, 46, 15},
        {1, 0, 5, 0, 0, 0}, {1, 2, 6, 3, 1, 5}, {-1, 0.25, 0, 5, -1, 0}, {1.5, 1, 4, 3, 1.5, 3.5},
    };
    for (const Case& c : cases)
    {
        Array a = scalar(c.a);
        Array d = scalar(c.d);
        Array b = scalar(c.b);
        Array r(mlfColon(a.get(), d.get(), b.get()));
        ASSERT_EQ(c.count, static_cast<std::size_t>(mxGetNumberOfElements(r.get())))
            << c.a << ":" << c.d << ":" << c.b;
        EXPECT_EQ(1, mxGetM(r.get()));
        if (c.count == 0)
            continue;
        EXPECT_EQ(c.first, realsOf(r.get()).front());
        EXPECT_EQ(c.last, realsOf(r.get()).back()) << "the end is hit exactly";
    }
    Array one = scalar(1);
    Array three = scalar(3);
    Array r(mlfColon(one.get(), three.get(), nullptr));
    EXPECT_EQ((std::vector<double>{1, 2, 3}), realsOf(r.get()));
    Array empty(mclCreateDoubleMatrix(0, 0, mxREAL));
    Array none(mlfColon(empty.get(), three.get(), nullptr));
    EXPECT_EQ((std::vector<int>{1, 0}), dimsOf(none.get()));
}

TEST_F(RuntimeTest, ColonIndexFromTheArgumentArrayForm)
{
    mxArray* out[1] = {nullptr};
    mlxColon(1, out, 0, nullptr);
    Array colon(out[0]);
    EXPECT_EQ(1, mlfIsColonIndex(colon.get()));
    Array text(mclCreateString("::"));
    Array number = scalar(58);
    EXPECT_EQ(0, mlfIsColonIndex(text.get()));
    EXPECT_EQ(0, mlfIsColonIndex(number.get()));
    EXPECT_EQ(0, mlfIsColonIndex(nullptr));
}

TEST_F(RuntimeTest, OperatorCallsAreCounted)
{
    Array one = scalar(1);
    const long before = mclOperatorCallCount();
    discard(mlfGt(one.get(), one.get()));
    mlfTobool(one.get());
    EXPECT_EQ(before + 2, mclOperatorCallCount());
}

namespace
{
// One matrix of the golden file: "<rows> <cols> <complex>", the real parts, the imaginary
// parts of a complex matrix.
Array readMatrix(std::istream& in)
{
    int rows = 0, cols = 0, complex = 0;
    in >> rows >> cols >> complex;
    Array a(mclCreateDoubleMatrix(rows, cols, complex ? mxCOMPLEX : mxREAL));
    for (int i = 0; i < rows * cols; ++i)
        in >> mclGetPr(a.get())[i];
    for (int i = 0; complex && i < rows * cols; ++i)
        in >> mclGetPi(a.get())[i];
    return a;
}
} // namespace

// Products, right divisions (square and least squares) and matrix powers against numpy
// (data/make_linalg_golden.py).
TEST_F(RuntimeTest, DenseKernelsMatchTheReference)
{
    const std::map<std::string, Binary> ops = {
        {"mtimes", mlfMtimes}, {"mrdivide", mlfMrdivide}, {"mpower", mlfMpower}};
    std::ifstream in(MORVANE_TEST_DATA_DIR "/linalg_golden.txt");
    ASSERT_TRUE(in) << "golden data missing";
    std::string op;
    int operands = 0;
    int cases = 0;
    while (in >> op >> operands)
    {
        Array a = readMatrix(in);
        Array b = readMatrix(in);
        Array expected = readMatrix(in);
        Array got(ops.at(op)(a.get(), b.get()));
        ++cases;
        ASSERT_EQ(dimsOf(expected.get()), dimsOf(got.get())) << op << " case " << cases;
        const std::vector<double> re = realsOf(got.get());
        const std::vector<double> im = imagsOf(got.get());
        const std::vector<double> wantRe = realsOf(expected.get());
        const std::vector<double> wantIm = imagsOf(expected.get());
        for (std::size_t i = 0; i < re.size(); ++i)
        {
            EXPECT_NEAR(wantRe[i], re[i], 1e-11 * (1 + std::fabs(wantRe[i]))) << op << " " << cases;
            const double wi = wantIm.empty() ? 0.0 : wantIm[i];
            EXPECT_NEAR(wi, im.empty() ? 0.0 : im[i], 1e-11 * (1 + std::fabs(wi)))
                << op << " " << cases;
        }
    }
    EXPECT_EQ(12, cases);
}
