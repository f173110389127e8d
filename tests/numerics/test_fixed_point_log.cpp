// The level code and its inverse: the documented cases, the composition over many
// magnitudes, and inputs out of range.
#include "PrintCapture.h"
#include "Response.h"
#include "numerics/base2alog.h"
#include "numerics/base2log.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using response::ErrorOf;

namespace
{
mwLibraryInit s_libraryInit;

double P2(double k)
{
    return std::pow(2.0, k);
}

double Log(double x)
{
    return double(base2log(x));
}

double Alog(double L)
{
    return double(base2alog(L));
}

TEST(FixedPointLog, DocumentedLevelCodes)
{
    const struct
    {
        double x;
        double code;
    } cases[] = {
        {P2(47) - 1, 0},       {P2(46), 0.9375},       {P2(46) + P2(45), 0.4375},
        {P2(43), 3.9375},      {1.5 * P2(43), 3.4375}, {P2(16), 30.9375},
        {3 * P2(14), 31.4375}, {P2(15), 31.9375},      {1, 31.9375},
        {0, 31.9375},          {-5, 31.9375},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, Log(c.x)) << c.x;
}

TEST(FixedPointLog, DocumentedAntilogs)
{
    const struct
    {
        double code;
        double value;
    } cases[] = {
        {0, 15.5},    {0.0625, 15},          {1, 7.75},     {3.9375, 1},
        {4, 0.96875}, {10.3, 27.0 / 2048},   {31, P2(-23)}, {P2(24) - 1, P2(-23)},
        {-1, 15.5},   {-(P2(24) - 1), 15.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, Alog(c.code)) << c.code;
    EXPECT_EQ(2.75, Alog(Log(2.7845 * P2(43))));
}

// x·2^−43 with its mantissa cut to four bits after the leading one, then cut to a
// multiple of 2^−23.
double Truncated(double x)
{
    int exponent = 0;
    const double mantissa = std::frexp(x * P2(-43), &exponent); // in [0.5, 1)
    const double cut = std::ldexp(std::floor(mantissa * 32.0) / 32.0, exponent);
    return std::floor(cut * P2(23)) / P2(23);
}

TEST(FixedPointLog, AntilogOfLogTruncatesTheMagnitude)
{
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> octave(20.0, 47.0);
    for (int i = 0; i < 20000; ++i)
    {
        const double x = std::min(std::floor(std::exp2(octave(random))), P2(47) - 1);
        const double code = Log(x);
        ASSERT_EQ(code, std::floor(code * 16) / 16) << x;
        ASSERT_EQ(Truncated(x), Alog(code)) << x;
    }
    std::uniform_real_distribution<double> codes(-(P2(24) - 1), P2(24) - 1);
    std::uniform_real_distribution<double> small(-2.0, 34.0);
    for (int i = 0; i < 20000; ++i)
    {
        const double y = Alog(i % 2 ? codes(random) : small(random));
        ASSERT_GE(y, P2(-23));
        ASSERT_LE(y, 15.5);
        ASSERT_EQ(y, std::floor(y * P2(23)) / P2(23));
    }
}

TEST(FixedPointLog, OutOfRangePrintsAndRaises)
{
    const struct
    {
        mwMatrix (*f)(double);
        double input;
        const char* printed;
    } cases[] = {
        {[](double x) { return base2log(x); }, P2(47),
         "\nLog input out of bounds\nabs(x) > ((2^47) - 1)\n"},
        {[](double x) { return base2log(x); }, -P2(48),
         "\nLog input out of bounds\nabs(x) > ((2^47) - 1)\n"},
        {[](double L) { return base2alog(L); }, P2(24),
         "\nAntilog input out of bounds\nabs(x) > ((2^24) - 1)\n"},
        {[](double L) { return base2alog(L); }, -INFINITY,
         "\nAntilog input out of bounds\nabs(x) > ((2^24) - 1)\n"},
    };
    for (const auto& c : cases)
    {
        CPrintCapture capture;
        const std::string printed(c.printed);
        EXPECT_EQ(printed.substr(1, printed.size() - 2), ErrorOf([&] { c.f(c.input); }));
        EXPECT_EQ(printed, CPrintCapture::Text());
    }
}

TEST(FixedPointLog, FevalCounts)
{
    mxArray* plhs[2] = {};
    const mwMatrix one(1.0), two(2.0);
    mxArray* prhs[2] = {one.GetData(), two.GetData()};
    EXPECT_EQ("Run-time Error: File: base2alog Line: 1 Column: 0 The function \"base2alog\" was "
              "called with more than the declared number of inputs (1)",
              ErrorOf([&] { mlxBase2alog(1, plhs, 2, prhs); }));
    EXPECT_EQ("Run-time Error: File: base2log Line: 1 Column: 0 The function \"base2log\" was "
              "called with more than the declared number of outputs (1)",
              ErrorOf([&] { mlxBase2log(2, plhs, 1, prhs); }));
    mlxBase2log(1, plhs, 1, prhs);
    ASSERT_NE(nullptr, plhs[0]);
    EXPECT_EQ(31.9375, mclGetPr(plhs[0])[0]);
    mxDestroyArray(plhs[0]);
}
} // namespace
