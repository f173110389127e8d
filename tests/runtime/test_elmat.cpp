// Elementary matrices: shapes of eye/ones/rand/randn, magic squares of every order.
#include "raising_fixture.h"

#include <numeric>
#include <string>
#include <vector>

namespace
{
using ElementaryMatrices = RaisingTest;

// Owns the arrays a test makes.
struct Arrays
{
    ~Arrays()
    {
        for (mxArray* a : held)
            mxDestroyArray(a);
    }
    mxArray* operator()(mxArray* a)
    {
        held.push_back(a);
        return a;
    }
    std::vector<mxArray*> held;
};

mxArray* rowOf(std::vector<double> v)
{
    mxArray* a = mclCreateDoubleMatrix(1, static_cast<int>(v.size()), mxREAL);
    std::copy(v.begin(), v.end(), mclGetPr(a));
    return a;
}

std::vector<int> dimsOf(const mxArray* a)
{
    return std::vector<int>(mxGetDimensions(a), mxGetDimensions(a) + mxGetNumberOfDimensions(a));
}

std::vector<double> valuesOf(const mxArray* a)
{
    return std::vector<double>(mclGetPr(a), mclGetPr(a) + mxGetNumberOfElements(a));
}

// Row-major values of a square, as the matrix language prints it, to column-major.
std::vector<double> columnMajor(int n, std::vector<double> rowMajor)
{
    std::vector<double> out(rowMajor.size());
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            out[i + j * n] = rowMajor[i * n + j];
    return out;
}
} // namespace

TEST_F(ElementaryMatrices, SizeArguments)
{
    Arrays keep;
    mxArray* two = keep(mlfScalar(2));
    mxArray* three = keep(mlfScalar(3));
    mxArray* minus = keep(mlfScalar(-4));
    mxArray* shape = keep(rowOf({2, 3, 4}));
    mxArray* none = keep(mclCreateDoubleMatrix(0, 0, mxREAL));
    struct Case
    {
        const mxArray* m;
        const mxArray* n;
        std::vector<int> dims;
    };
    const Case cases[] = {{nullptr, nullptr, {1, 1}},  {two, nullptr, {2, 2}},
                          {two, three, {2, 3}},        {minus, three, {0, 3}},
                          {shape, nullptr, {2, 3, 4}}, {none, nullptr, {0, 0}}};
    for (const Case& c : cases)
    {
        mxArray* ones = keep(mlfOnes(c.m, c.n));
        EXPECT_EQ(c.dims, dimsOf(ones));
        const std::vector<double> v = valuesOf(ones);
        EXPECT_EQ(static_cast<double>(v.size()), std::accumulate(v.begin(), v.end(), 0.0));
        for (auto f : {mlfRand, mlfRandn})
            EXPECT_EQ(c.dims, dimsOf(keep(f(c.m, c.n))));
    }
    EXPECT_EQ((std::vector<double>{1, 0, 0, 1, 0, 0}), valuesOf(keep(mlfEye(two, three))));
    EXPECT_THROW(mlfEye(shape, nullptr), RaisedError);
    mxArray* half = keep(mlfScalar(2.5));
    EXPECT_THROW(mlfOnes(half, nullptr), RaisedError);
    EXPECT_THROW(mlfOnes(shape, two), RaisedError);
    EXPECT_THROW(mlfMagic(nullptr), RaisedError);
}

TEST_F(ElementaryMatrices, RandomValues)
{
    Arrays keep;
    mxArray* n = keep(mlfScalar(100));
    mclSeedRandom(7);
    const std::vector<double> u = valuesOf(keep(mlfRand(n, nullptr)));
    for (double x : u)
    {
        EXPECT_GT(x, 0.0);
        EXPECT_LT(x, 1.0);
    }
    const double mean = std::accumulate(u.begin(), u.end(), 0.0) / u.size();
    EXPECT_NEAR(0.5, mean, 0.02);
    mclSeedRandom(7);
    EXPECT_EQ(u, valuesOf(keep(mlfRand(n, nullptr)))) << "a seed repeats the sequence";
    const std::vector<double> g = valuesOf(keep(mlfRandn(n, nullptr)));
    EXPECT_NEAR(0.0, std::accumulate(g.begin(), g.end(), 0.0) / g.size(), 0.05);
}

TEST_F(ElementaryMatrices, KnownMagicSquares)
{
    Arrays keep;
    struct Case
    {
        int n;
        std::vector<double> rowMajor;
    };
    const Case cases[] = {
        {0, {}},
        {1, {1}},
        {2, {1, 3, 4, 2}},
        {3, {8, 1, 6, 3, 5, 7, 4, 9, 2}},
        {4, {16, 2, 3, 13, 5, 11, 10, 8, 9, 7, 6, 12, 4, 14, 15, 1}},
        {6, {35, 1,  6,  26, 19, 24, 3,  32, 7,  21, 23, 25, 31, 9,  2,  22, 27, 20,
             8,  28, 33, 17, 10, 15, 30, 5,  34, 12, 14, 16, 4,  36, 29, 13, 18, 11}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.n);
        mxArray* m = keep(mlfMagic(keep(mlfScalar(c.n))));
        EXPECT_EQ((std::vector<int>{c.n, c.n}), dimsOf(m));
        EXPECT_EQ(columnMajor(c.n, c.rowMajor), valuesOf(m));
    }
    EXPECT_EQ((std::vector<int>{0, 0}), dimsOf(keep(mlfMagic(keep(mlfScalar(-3))))));
}

TEST_F(ElementaryMatrices, MagicSquaresOfEveryOrderHaveEqualSums)
{
    Arrays keep;
    for (int n = 3; n <= 30; ++n)
    {
        SCOPED_TRACE(n);
        const std::vector<double> v = valuesOf(keep(mlfMagic(keep(mlfScalar(n)))));
        const double sum = n * (static_cast<double>(n) * n + 1) / 2;
        std::vector<double> sorted(v);
        std::sort(sorted.begin(), sorted.end());
        for (int k = 0; k < n * n; ++k)
            ASSERT_EQ(k + 1, sorted[k]) << "each of 1..n*n once";
        double diagonal = 0, antiDiagonal = 0;
        for (int i = 0; i < n; ++i)
        {
            double rowSum = 0, colSum = 0;
            for (int j = 0; j < n; ++j)
            {
                rowSum += v[i + j * n];
                colSum += v[j + i * n];
            }
            EXPECT_EQ(sum, rowSum);
            EXPECT_EQ(sum, colSum);
            diagonal += v[i + i * n];
            antiDiagonal += v[i + (n - 1 - i) * n];
        }
        EXPECT_EQ(sum, diagonal);
        EXPECT_EQ(sum, antiDiagonal);
    }
}
