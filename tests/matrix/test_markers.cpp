// Library start-up, the markers, mwUninitMatrix and the comparison's identity rule.
#include "matrix_fixture.h"

namespace
{
using Markers = MatrixTest;

void otherErrorHandler(const char*, int) {}
} // namespace

TEST_F(Markers, StartUpRunsOnce)
{
    EXPECT_TRUE(mwLibraryInit::IsStarted());
    mclSetCppErrorHandler(otherErrorHandler);
    {
        mwLibraryInit first, second, third;
    }
    EXPECT_EQ(otherErrorHandler, mclGetCppErrorHandler()) << "started again";
    mclSetCppErrorHandler(mwErrorTrampoline);
}

TEST_F(Markers, IdentityTests)
{
    mwUninitMatrix holder;
    const mwMatrix& fresh = holder;
    EXPECT_EQ(mwNotSupplied.GetData(), fresh.GetData());
    EXPECT_FALSE(fresh.IsNotSupplied()) << "only the marker's own record is not supplied";
    EXPECT_FALSE(fresh.IsInitialized());
    EXPECT_EQ(0, fresh.GetRef()->Owns());
    EXPECT_TRUE(mwMatrix(mwNotSupplied).IsNotSupplied());
    EXPECT_FALSE(mwMatrix(mwUninitialized).IsNotSupplied());

    mwMatrix v(mwUnassigned);
    EXPECT_TRUE(v.IsUnassigned());
    EXPECT_TRUE(mwMatrix(mclGetUnassignedArray(), 0).IsUnassigned()) << "arrays are compared";
    v.SetUninitialized();
    EXPECT_FALSE(v.IsUnassigned());
    EXPECT_FALSE(v.IsNotSupplied());
    EXPECT_EQ(mclGetUninitializedArray(), v.GetData());
    v.SetNotSupplied();
    EXPECT_TRUE(v.IsNotSupplied());
    v.SetUnassigned();
    EXPECT_TRUE(v.IsUnassigned());
    EXPECT_EQ(mwUnassigned.GetRef(), v.GetRef());
}

TEST_F(Markers, MarkerRecordsSurviveTheirHandles)
{
    const int counts[3] = {mwNotSupplied.GetRef()->Count(), mwUninitialized.GetRef()->Count(),
                           mwUnassigned.GetRef()->Count()};
    for (int i = 0; i < 100; ++i)
    {
        mwMatrix a(mwNotSupplied), b(mwUninitialized), c;
        c.SetUnassigned();
    }
    EXPECT_EQ(counts[0], mwNotSupplied.GetRef()->Count());
    EXPECT_EQ(counts[1], mwUninitialized.GetRef()->Count());
    EXPECT_EQ(counts[2], mwUnassigned.GetRef()->Count());
    EXPECT_LE(2, counts[0]) << "one ordinary and one extra reference";
    EXPECT_NE(mwNotSupplied.GetRef(), mwUninitialized.GetRef());
}

TEST_F(Markers, ComparisonIdentityRule)
{
    const mwMatrix value(1, 3, mwMatrix::kOnes);
    struct Case
    {
        const mwMatrix& a;
        const mwMatrix& b;
        double expected;
    };
    const Case cases[] = {
        {mwNotSupplied, mwNotSupplied, 0.0},
        {mwUninitialized, mwNotSupplied, 0.0}, // one and the same array
        {value, mwNotSupplied, 1.0},
        {mwNotSupplied, value, 1.0},
        {empty(), mwUninitialized, 1.0},
    };
    for (const Case& c : cases)
    {
        const mwMatrix r = c.a > c.b;
        EXPECT_EQ(1, r.NumberOfElements());
        EXPECT_EQ(c.expected, static_cast<double>(r));
    }
    const mwMatrix sameArray(value.GetData(), 0);
    const mwMatrix elementwise = value > sameArray;
    EXPECT_EQ(3, elementwise.NumberOfElements()) << "no marker: the run-time compares";
    EXPECT_TRUE(mxIsLogical(elementwise.GetData()));
    EXPECT_EQ(1.0, static_cast<double>(mwMatrix(2.0) > mwMatrix(1.0)));
    EXPECT_TRUE(assertions().empty());
}
