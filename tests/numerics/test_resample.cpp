// Log resampling with its repair of values that are not finite, smoothing with its end
// values, and quantization with its saturation.
#include "Response.h"
#include "numerics/MatrixValues.h"
#include "numerics/logsamp.h"
#include "numerics/quant.h"
#include "numerics/smooth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

using namespace numerics;
using response::ErrorOf;
using response::Row;

namespace
{
mwLibraryInit s_libraryInit;

mwMatrix Column(const std::vector<double>& v)
{
    return RealMatrix({int(v.size()), 1}, v);
}

struct CResampled
{
    std::vector<double> values;
    std::vector<double> freq;
    mwMatrix v;
    mwMatrix g;
};

CResampled Resample(const std::vector<double>& m, const std::vector<double>& f, double N)
{
    CResampled r;
    r.v = logsamp(&r.g, Column(m), Column(f), N);
    r.values = Row(r.v);
    r.freq = Row(r.g);
    return r;
}

TEST(Logsamp, GridStartsAfterAPointAtZeroHertz)
{
    const CResampled r = Resample({5, 1, 2, 3}, {0, 10, 100, 1000}, 3);
    EXPECT_EQ((std::vector<double>{10, 100, 1000}), r.freq);
    EXPECT_EQ((std::vector<double>{1, 2, 3}), r.values);
    EXPECT_EQ(3, r.v.Size(1));
    EXPECT_EQ(1, r.v.Size(2));
    EXPECT_EQ(3, r.g.Size(1));
    EXPECT_EQ(1, r.g.Size(2));
}

TEST(Logsamp, ValuesThatAreNotFiniteTakeAFiniteNeighbour)
{
    // A not-a-number at 1 kHz spoils every point interpolated from it (100 Hz to 3.2 kHz):
    // they take the value of the point before them.
    const CResampled inner = Resample({1, 2, NAN, 4, 5}, {10, 100, 1e3, 1e4, 1e5}, 9);
    ASSERT_EQ(9u, inner.values.size());
    EXPECT_EQ(1.0, inner.values[0]);
    for (int k = 2; k <= 5; ++k)
        EXPECT_EQ(inner.values[1], inner.values[std::size_t(k)]) << k;
    EXPECT_EQ(4.0, inner.values[6]);
    EXPECT_EQ(5.0, inner.values[8]);

    // A run at the start takes the first finite value after it.
    const CResampled start = Resample({1, NAN, 3, 4}, {10, 100, 1e3, 1e4}, 7);
    ASSERT_EQ(7u, start.values.size());
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(3.0, start.values[std::size_t(k)]) << k;
    EXPECT_EQ(4.0, start.values[6]);

    // Infinite values are repaired the same way.
    const CResampled infinite = Resample({INFINITY, 2, 3}, {10, 100, 1000}, 3);
    EXPECT_EQ((std::vector<double>{2, 2, 3}), infinite.values);

    EXPECT_EQ("Index exceeds matrix dimensions.",
              ErrorOf(
                  [] {
                      Resample({NAN, NAN, NAN}, {10, 100, 1000}, 5);
                  }));
    EXPECT_EQ("Index exceeds matrix dimensions.", ErrorOf([] { Resample({1}, {0}, 5); }));
}

// A first frequency whose logarithm does not come back exactly through the power.
double FrequencyThatRoundsDown()
{
    for (double f = 20.0;; f = std::nextafter(f + 0.37, 1e9))
        if (std::pow(10.0, std::log10(f)) < f)
            return f;
}

TEST(Logsamp, EndsAreTheMeasuredFrequenciesWithTheirValues)
{
    const double f1 = FrequencyThatRoundsDown();
    const CResampled r = Resample({7, 8, 9}, {f1, 1000, 10000}, 5);
    ASSERT_EQ(5u, r.values.size());
    EXPECT_EQ(f1, r.freq[0]);
    EXPECT_EQ(7.0, r.values[0]);
    EXPECT_EQ(10000.0, r.freq[4]);
    EXPECT_EQ(9.0, r.values[4]);
}

// A measurement as analysers write it: every 5 Hz from 0 Hz to 22050 Hz (4411 points),
// flat up to 2205 Hz and falling ever faster over the last decade.
TEST(Logsamp, ASteepLastDecadeKeepsItsMeasuredEnd)
{
    std::vector<double> f, db;
    std::vector<Complex> m;
    for (int i = 0; i <= 4410; ++i)
    {
        f.push_back(5.0 * i);
        const double decade = f.back() > 2205.0 ? std::log10(f.back() / 2205.0) : 0.0;
        db.push_back(-60.0 * std::pow(decade, 4.0));
        m.push_back(std::polar(std::pow(10.0, db.back() / 20.0), -0.001 * f.back()));
    }
    ASSERT_GT(std::pow(10.0, std::log10(22050.0)), 22050.0) << "the end this test is about";
    for (const double N : {150.0, 300.0, 1000.0, 5000.0})
    {
        mwMatrix g;
        const std::vector<Complex> v =
            ComplexValues(logsamp(&g, ComplexMatrix({int(m.size()), 1}, m), Column(f), N));
        const std::vector<double> freq = Row(g);
        ASSERT_EQ(std::size_t(N), v.size());
        EXPECT_EQ(5.0, freq.front()) << N;
        EXPECT_EQ(22050.0, freq.back()) << N;
        EXPECT_NEAR(db[1], 20.0 * std::log10(std::abs(v.front())), 1e-9) << N;
        EXPECT_NEAR(db.back(), 20.0 * std::log10(std::abs(v.back())), 1e-9) << N;
        EXPECT_NEAR(std::arg(m.back()), std::arg(v.back()), 1e-9) << N;
    }
}

TEST(Logsamp, ComplexValuesAreInterpolatedAlike)
{
    const std::vector<Complex> m = {{1, -1}, {3, 5}, {NAN, 0}};
    // Grid: 100, 316, 1000, 3162 and 10000 Hz.
    const std::vector<double> f = {100, 1000, 10000};
    mwMatrix g;
    const mwMatrix v = logsamp(&g, ComplexMatrix({3, 1}, m), Column(f), 5);
    const std::vector<Complex> values = ComplexValues(v);
    ASSERT_EQ(5u, values.size());
    EXPECT_EQ(Complex(1, -1), values[0]);
    const double u = (Row(g)[1] - 100.0) / 900.0;
    EXPECT_NEAR(1.0 + 2.0 * u, values[1].real(), 1e-12);
    EXPECT_NEAR(-1.0 + 6.0 * u, values[1].imag(), 1e-12);
    // From 1 kHz on the interpolation reads the not-a-number at 10 kHz.
    for (std::size_t k = 2; k < 5; ++k)
        EXPECT_EQ(values[1], values[k]) << k;
}

TEST(Smooth, BinomialPassWithEndsHeld)
{
    const struct
    {
        std::vector<double> x;
        std::vector<double> y;
    } cases[] = {
        {{4}, {4}},
        {{4, 8}, {5, 7}},
        {{2, 2, 2, 2, 2}, {2, 2, 2, 2, 2}},
        {{0, 0, 1, 0, 0}, {0, 0.25, 0.5, 0.25, 0}},
        {{1, 0, 0, 0}, {0.75, 0.25, 0, 0}},
    };
    for (const auto& c : cases)
    {
        const mwMatrix column = smooth(Column(c.x));
        EXPECT_EQ(c.y, Row(column));
        EXPECT_EQ(int(c.x.size()), column.Size(1));
        EXPECT_EQ(1, column.Size(2));
        const mwMatrix row = smooth(RealRow(c.x));
        EXPECT_EQ(c.y, Row(row));
        EXPECT_EQ(1, row.Size(1));
        EXPECT_EQ(int(c.x.size()), row.Size(2));
    }
    const std::vector<Complex> z = {{4, 0}, {0, 8}};
    EXPECT_EQ((std::vector<Complex>{{3, 2}, {1, 6}}),
              ComplexValues(smooth(ComplexMatrix({1, 2}, z))));

    const std::vector<double> spoiled = Row(smooth(Column({1, 1, NAN, 1, 1})));
    EXPECT_TRUE(std::isfinite(spoiled[0]) && std::isfinite(spoiled[4]));
    EXPECT_TRUE(std::isnan(spoiled[1]) && std::isnan(spoiled[2]) && std::isnan(spoiled[3]));
}

TEST(Smooth, RefusesWhatIsNotAVector)
{
    EXPECT_EQ("Index exceeds matrix dimensions.", ErrorOf([] { smooth(RealMatrix({0, 0}, {})); }));
    const std::vector<double> four = {1, 2, 3, 4};
    EXPECT_NE("(no error)", ErrorOf([&] { smooth(RealMatrix({2, 2}, four)); }));
    EXPECT_NE("(no error)", ErrorOf([&] { smooth(RealMatrix({1, 0}, {})); }));
}

TEST(Quant, TruncatesTowardZeroThenSaturates)
{
    const std::vector<double> x = {0.3, -0.3, 0.999, 100, -100, 1.25, -7.5, 7.75, -8, -8.25};
    const std::vector<double> y = {0.25, -0.25, 0.75, 7.75, -8, 1.25, -7.5, 7.75, -8, -8};
    const mwMatrix q = quant(RealMatrix({2, 5}, x), 4.0, 2.0);
    EXPECT_EQ(y, Row(q));
    EXPECT_EQ(2, q.Size(1));
    EXPECT_EQ(5, q.Size(2));
}
} // namespace
