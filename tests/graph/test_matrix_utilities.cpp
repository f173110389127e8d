#include "tests/matrix/matrix_fixture.h"

#include "graph/Curve.h"
#include "graph/MatrixUtilities.h"

#include <cmath>
#include <vector>

namespace
{
mwMatrix Column(std::vector<double> v)
{
    return mwMatrix(int(v.size()), 1, v.data(), nullptr, 1);
}

class MatrixUtilities : public MatrixTest
{
protected:
    bool reported(const char* expression) const
    {
        for (const ReportedAssertion& a : assertions())
            if (a.expression == expression)
                return true;
        return false;
    }
};
} // namespace

TEST_F(MatrixUtilities, ValuesGiveRealAndImaginaryPartsInColumnMajorOrder)
{
    std::vector<double> re{1, 2, 3, 4};
    std::vector<double> im{-1, 0, 5, 0.5};
    const mwMatrix complex(2, 2, re.data(), im.data(), 1);
    std::vector<double> imag{99};
    EXPECT_EQ(Values(complex, &imag), re);
    EXPECT_EQ(imag, im);
    // A real matrix has imaginary parts of 0; an empty one no values.
    EXPECT_EQ(Values(Column({7, 8}), &imag), (std::vector<double>{7, 8}));
    EXPECT_EQ(imag, (std::vector<double>{0, 0}));
    EXPECT_TRUE(Values(mwMatrix(), &imag).empty());
    EXPECT_TRUE(imag.empty());
}

TEST_F(MatrixUtilities, ReplaceNonPositiveValuesRepairsRunsAndEnds)
{
    mwMatrix v = Column({0, 1, 0, -3, 5, -1});
    const mwMatrix shared = v;
    ASSERT_TRUE(ReplaceNonPositiveValues(v));
    EXPECT_EQ((std::vector<double>{1, 1, 3, 3, 5, 5}), Values(v));
    EXPECT_EQ((std::vector<double>{0, 1, 0, -3, 5, -1}), Values(shared)); // copies keep theirs
}

TEST_F(MatrixUtilities, ReplaceNonPositiveValuesRefusesUnchanged)
{
    double block[4] = {1, -1, 2, 3};
    mwMatrix twoColumns(2, 2, block, nullptr, 1);
    EXPECT_FALSE(ReplaceNonPositiveValues(twoColumns));
    EXPECT_TRUE(reported("FALSE"));
    mwMatrix none = Column({0, -2});
    EXPECT_FALSE(ReplaceNonPositiveValues(none));
    EXPECT_EQ((std::vector<double>{0, -2}), Values(none));
}

TEST_F(MatrixUtilities, PowConvertMovesAPointAtZeroHertz)
{
    mwMatrix f = Column({0, 100, 200});
    mwMatrix m = Column({-3, -1, 0});
    mwMatrix p = Column({10, 20, 30});
    ASSERT_TRUE(PowConvertColumns(f, m, p));
    EXPECT_DOUBLE_EQ(10.0, Values(f)[0]);
    EXPECT_DOUBLE_EQ(-2.0, Values(m)[0]);
    EXPECT_DOUBLE_EQ(15.0, Values(p)[0]);

    mwMatrix f2 = Column({5, 100});
    mwMatrix m2 = Column({-3, -1});
    ASSERT_TRUE(PowConvertColumn(f2, m2));
    EXPECT_EQ((std::vector<double>{5, 100}), Values(f2));
    EXPECT_EQ((std::vector<double>{-3, -1}), Values(m2));

    mwMatrix f3 = Column({0, 0, 10});
    mwMatrix m3 = Column({1, 2, 3});
    EXPECT_FALSE(PowConvertColumn(f3, m3));
    EXPECT_TRUE(reported("FALSE"));
    EXPECT_EQ((std::vector<double>{0, 0, 10}), Values(f3));
}

TEST_F(MatrixUtilities, RemovePointsBelowAndAtOrBelow)
{
    mwMatrix x = Column({1, 2, 3, 4});
    mwMatrix y = Column({10, 20, 30, 40});
    ASSERT_TRUE(RemovePointsBelow(2, x, y));
    EXPECT_EQ((std::vector<double>{2, 3, 4}), Values(x));
    EXPECT_EQ((std::vector<double>{20, 30, 40}), Values(y));
    ASSERT_TRUE(RemovePointsAtOrBelow(2, x, y));
    EXPECT_EQ((std::vector<double>{3, 4}), Values(x));
    ASSERT_TRUE(RemovePointsAtOrBelow(100, x, y));
    EXPECT_EQ(0, x.NumberOfElements());
    EXPECT_EQ(0, y.NumberOfElements());

    mwMatrix shortY = Column({1});
    mwMatrix longX = Column({1, 2});
    EXPECT_FALSE(RemovePointsBelow(0, longX, shortY));
    EXPECT_EQ(2, longX.NumberOfElements());
}

TEST_F(MatrixUtilities, MagnitudesAndDecibels)
{
    double re[2] = {3, 0};
    double im[2] = {4, -2};
    const mwMatrix z(2, 1, re, im, 1);
    const mwMatrix magnitudes = ComplexMagnitudes(z);
    EXPECT_EQ(1, magnitudes.Size(1));
    EXPECT_EQ((std::vector<double>{5, 2}), Values(magnitudes));
    EXPECT_FALSE(reported("iscomplex(mwComplex)"));
    EXPECT_EQ((std::vector<double>{1, 3}), Values(ComplexMagnitudes(Column({-1, 3}))));
    EXPECT_TRUE(reported("iscomplex(mwComplex)"));

    const mwMatrix dB = LinearToDb(Column({1, 10, 0.5}));
    const std::vector<double> v = Values(dB);
    EXPECT_DOUBLE_EQ(0.0, v[0]);
    EXPECT_DOUBLE_EQ(20.0, v[1]);
    EXPECT_DOUBLE_EQ(20.0 * std::log10(0.5), v[2]);
    EXPECT_EQ(3, dB.Size(1));
}

TEST_F(MatrixUtilities, CurveValuesBecomeAColumn)
{
    CCurve curve;
    curve.Create(3, 2, 0, 0, 0, 0, 1, 0, true, true, "c");
    for (int i = 0; i < 3; ++i)
        curve.m_pDblPt[i] = {double(i), 1.5 * i};
    mwMatrix column;
    ASSERT_TRUE(CurveValuesToMatrix(&curve, &column));
    EXPECT_EQ(3, column.Size(1));
    EXPECT_EQ(1, column.Size(2));
    EXPECT_EQ((std::vector<double>{0, 1.5, 3}), Values(column));
}
