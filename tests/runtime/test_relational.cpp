// mlfGt: element-wise comparison with scalar expansion, real parts only, logical result.
#include "raising_fixture.h"

#include <string>
#include <vector>

namespace
{
mxArray* matrix(int m, int n, std::vector<double> re, std::vector<double> im = {})
{
    mxArray* a = mclCreateDoubleMatrix(m, n, im.empty() ? mxREAL : mxCOMPLEX);
    std::copy(re.begin(), re.end(), mclGetPr(a));
    std::copy(im.begin(), im.end(), mclGetPi(a));
    return a;
}
} // namespace

using Relational = RaisingTest;

TEST_F(Relational, GreaterThan)
{
    struct Case
    {
        mxArray* a;
        mxArray* b;
        int rows, cols;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {matrix(1, 3, {1, 2, 3}), matrix(1, 3, {3, 2, 1}), 1, 3, {0, 0, 1}},
        {matrix(1, 3, {1, 2, 3}), mlfScalar(1.5), 1, 3, {0, 1, 1}},
        {mlfScalar(2.5), matrix(3, 1, {1, 2, 3}), 3, 1, {1, 1, 0}},
        {mlfScalar(2), matrix(0, 3, {}), 0, 3, {}},
        {mlfComplexScalar(1, 5), mlfComplexScalar(2, -5), 1, 1, {0}}, // real parts only
        {mclCreateString("ab"), mlfScalar(97), 1, 2, {0, 1}},
    };
    for (const Case& c : cases)
    {
        mxArray* r = mlfGt(c.a, c.b);
        EXPECT_TRUE(mxIsLogical(r));
        EXPECT_FALSE(mxIsComplex(r));
        EXPECT_EQ(c.rows, mxGetM(r));
        EXPECT_EQ(c.cols, mxGetN(r));
        EXPECT_EQ(c.expected, std::vector<double>(mclGetPr(r), mclGetPr(r) + c.expected.size()));
        for (mxArray* a : {r, c.a, c.b})
            mxDestroyArray(a);
    }
    mxArray* a = matrix(2, 2, {1, 2, 3, 4});
    mxArray* b = matrix(1, 4, {1, 2, 3, 4});
    mxArray* cell = mclCreateCellMatrix(1, 1);
    try
    {
        mlfGt(a, b);
        ADD_FAILURE() << "different shapes compared";
    }
    catch (const RaisedError& e)
    {
        EXPECT_STREQ("Matrix dimensions must agree.", e.what());
    }
    EXPECT_THROW(mlfGt(a, cell), RaisedError);
    for (mxArray* x : {a, b, cell})
        mxDestroyArray(x);
}
