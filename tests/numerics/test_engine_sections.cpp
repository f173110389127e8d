// Peaking section coefficients, frequency responses, the log-frequency integral and the
// band error model against scipy/numpy golden data and the documented examples.
#include "Golden.h"
#include "numerics/engine/Apcoef80.h"
#include "numerics/engine/BandError.h"
#include "numerics/engine/Freqz.h"
#include "numerics/engine/Loginteg82.h"
#include "numerics/engine/NumericsError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace numerics;

namespace
{
constexpr double kTight = 1e-12;

Complex ResponseAt(const CPeakingSection& s, double f, double fs)
{
    const double freq[] = {f, f};
    return Freqz(s.b, s.a, freq, fs).h[0];
}

TEST(Apcoef80, MatchesGoldenAndHasGainV0AtTheCentre)
{
    const auto records = golden::LoadNamed("apcoef80");
    ASSERT_FALSE(records.empty());
    for (const auto& r : records)
    {
        const auto& in = r.groups[0];
        const CPeakingSection s = Apcoef80(in[0], in[1], in[2], in[3]);
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_NEAR(r["b"][i], s.b[i], kTight);
            EXPECT_NEAR(r["a"][i], s.a[i], kTight);
        }
        EXPECT_NEAR(r["rest"][0], s.d, kTight);
        EXPECT_NEAR(r["rest"][1], s.minusK, kTight);
        EXPECT_NEAR(r["rest"][2], s.H0, kTight);
        EXPECT_EQ(s.a[2], s.minusK);
        EXPECT_NEAR(in[0], std::abs(ResponseAt(s, in[2], in[3])), 1e-9);
        EXPECT_NEAR(r["gain_at_fc"][0], std::abs(ResponseAt(s, in[2], in[3])), 1e-9);
    }
}

TEST(Apcoef80, DocumentedBoostExample)
{
    const CPeakingSection s = Apcoef80(std::pow(10.0, 6.0 / 20.0), 100.0, 1000.0, 48000.0);
    const double b[] = {1.006472, -1.969996, 0.980523};
    const double a[] = {1.0, -1.969996, 0.986995};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_NEAR(b[i], s.b[i], 5e-7);
        EXPECT_NEAR(a[i], s.a[i], 5e-7);
    }
}

TEST(Apcoef80, FlatCutInverseAndEdges)
{
    const CPeakingSection flat = Apcoef80(1.0, 300.0, 2000.0, 48000.0);
    EXPECT_EQ(0.0, flat.H0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(flat.a[i], flat.b[i]);

    const double V0 = 3.1;
    const CPeakingSection boost = Apcoef80(V0, 150.0, 800.0, 48000.0);
    const CPeakingSection cut = Apcoef80(1.0 / V0, 150.0, 800.0, 48000.0);
    for (double f : {0.0, 100.0, 700.0, 800.0, 950.0, 5000.0, 24000.0})
    {
        const Complex product = ResponseAt(boost, f, 48000.0) * ResponseAt(cut, f, 48000.0);
        EXPECT_NEAR(1.0, product.real(), 1e-9) << f;
        EXPECT_NEAR(0.0, product.imag(), 1e-9) << f;
    }
    for (double gain : {0.2, 1.0, 5.0})
    {
        const CPeakingSection s = Apcoef80(gain, 400.0, 3000.0, 48000.0);
        EXPECT_NEAR(1.0, std::abs(ResponseAt(s, 0.0, 48000.0)), 1e-12);
        EXPECT_NEAR(1.0, std::abs(ResponseAt(s, 24000.0, 48000.0)), 1e-9);
    }
    EXPECT_EQ(-1.0, Apcoef80(2.0, 100.0, 0.0, 48000.0).d);
    EXPECT_EQ(1.0, Apcoef80(2.0, 100.0, 24000.0, 48000.0).d);

    const CPeakingSection zeroWidth = Apcoef80(2.5, 0.0, 1000.0, 48000.0);
    EXPECT_EQ(-1.0, -zeroWidth.minusK);
    const double expected[] = {1.0, 2.0 * zeroWidth.d, 1.0};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(expected[i], zeroWidth.b[i]);
        EXPECT_EQ(expected[i], zeroWidth.a[i]);
    }
}

TEST(Freqz, MatchesScipyInBothModes)
{
    for (const char* mode : {"freqz_points", "freqz_list"})
    {
        const auto records = golden::LoadNamed(mode);
        ASSERT_FALSE(records.empty());
        for (const auto& r : records)
        {
            const CFreqzResult out = Freqz(r.groups[1], r.groups[2], r.groups[0], 48000.0);
            ASSERT_EQ(r["h"].size(), out.h.size());
            for (std::size_t i = 0; i < out.h.size(); ++i)
            {
                EXPECT_NEAR(r["h"][i], out.h[i].real(), 1e-9) << mode << " " << i;
                EXPECT_NEAR(r["hi"][i], out.h[i].imag(), 1e-9) << mode << " " << i;
                EXPECT_NEAR(r["f"][i], out.f[i], 1e-7) << mode << " " << i;
            }
        }
    }
}

TEST(Freqz, DocumentedPointCountExamples)
{
    const double one[] = {1.0};
    const double four[] = {4.0};
    CFreqzResult out = Freqz(one, one, four, 8000.0);
    ASSERT_EQ(4u, out.h.size());
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(Complex(1.0, 0.0), out.h[i]);
        EXPECT_DOUBLE_EQ(i * 1000.0, out.f[i]);
    }
    // A single value is a point count, not a frequency.
    const double thousand[] = {1000.0};
    EXPECT_EQ(1000u, Freqz(one, one, thousand, 48000.0).h.size());

    const double pair[] = {1.0, 1.0};
    out = Freqz(pair, one, one, 48000.0);
    ASSERT_EQ(1u, out.h.size());
    EXPECT_EQ(Complex(2.0, 0.0), out.h[0]);
    EXPECT_EQ(0.0, out.f[0]);

    // Longer coefficient rows than the transform: the bins at ω = 0 and π/2.
    const double five[] = {1.0, 2.0, 3.0, 2.0, 1.0};
    const double two[] = {2.0};
    out = Freqz(five, one, two, 48000.0);
    ASSERT_EQ(2u, out.h.size());
    EXPECT_NEAR(9.0, out.h[0].real(), 1e-12);
    EXPECT_NEAR(-1.0, out.h[1].real(), 1e-12); // 1 − 2j − 3 + 2j + 1
    EXPECT_NEAR(0.0, out.h[1].imag(), 1e-12);

    // The sample rate only scales f in this mode.
    const double b[] = {0.3, 0.2};
    const double a[] = {1.0, -0.4};
    const double six[] = {6.0};
    const CFreqzResult slow = Freqz(b, a, six, 1000.0);
    const CFreqzResult fast = Freqz(b, a, six, 96000.0);
    EXPECT_EQ(slow.h, fast.h);
}

TEST(Freqz, ListModeQuarterRate)
{
    const double b[] = {1.0, 1.0};
    const double a[] = {1.0};
    const double f[] = {12000.0, 0.0};
    const CFreqzResult out = Freqz(b, a, f, 48000.0);
    EXPECT_NEAR(1.0, out.h[0].real(), 1e-15);
    EXPECT_NEAR(-1.0, out.h[0].imag(), 1e-15);
    EXPECT_EQ(Complex(2.0, 0.0), out.h[1]);
}

TEST(Loginteg82, MatchesNumpyAndDocumentedExamples)
{
    for (const auto& r : golden::LoadNamed("loginteg"))
        EXPECT_NEAR(r["I"][0], Loginteg82(r.groups[0], r.groups[1]), 1e-12);

    const double single[] = {4.0};
    const double f1[] = {100.0};
    EXPECT_EQ(0.0, Loginteg82(single, f1));

    const double f[] = {100.0, 300.0, 1000.0, 2000.0, 10000.0};
    for (double c : {2.5, -2.5})
    {
        const double e[] = {c, c, c, c, c};
        EXPECT_NEAR(2.0 * std::fabs(c), Loginteg82(e, f), 1e-12);
    }
    const double ones[] = {1.0, 1.0, 1.0};
    const double fromZero[] = {0.0, 10.0, 100.0};
    EXPECT_DOUBLE_EQ(2.0, Loginteg82(ones, fromZero));
    EXPECT_EQ(0.0, fromZero[0]) << "the caller's frequencies stay as they were";

    const double opposite[] = {-3.0, 3.0};
    const double decade[] = {100.0, 1000.0};
    EXPECT_DOUBLE_EQ(3.0, Loginteg82(opposite, decade));

    EXPECT_THROW(Loginteg82({}, {}), CNumericsError);
    EXPECT_THROW(Loginteg82(opposite, f), CNumericsError);
}

// The fast error of the model against the plain formula: complex product, |.|, 20·log10.
TEST(BandErrorModel, AgreesWithThePlainFormula)
{
    const double fs = 48000.0;
    std::vector<double> freq, desired;
    std::vector<Complex> resp;
    for (int i = 0; i < 200; ++i)
    {
        const double f = 20.0 * std::pow(1000.0, i / 199.0);
        freq.push_back(f);
        desired.push_back(0.5 * std::sin(i * 0.1));
        resp.push_back(std::polar(1.0 + 0.3 * std::cos(i * 0.07), 0.01 * i));
    }
    const CBand band = CBand::FromCounts(10, 15, 200);
    const auto grid = CFrequencyGrid::For(freq, fs);
    const CBandErrorModel model(*grid, resp, desired, freq, band);

    auto plain = [&](const CPeakingSection& s)
    {
        std::vector<Complex> r = resp;
        MultiplyBiquadResponse(s.b, s.a, *grid, r);
        std::vector<double> e;
        for (std::size_t i = std::size_t(band.first); i <= std::size_t(band.last); ++i)
            e.push_back(20.0 * std::log10(std::abs(r[i])) - desired[i]);
        return Loginteg82(e, band.Of(std::span<const double>(freq)));
    };
    for (const auto& p : {std::array<double, 3>{2.0, 100.0, 500.0},
                          {0.3, 40.0, 60.0},
                          {1.7, 3000.0, 15000.0},
                          {0.9, 5.0, 30.0}})
    {
        const CPeakingSection s = Apcoef80(p[0], p[1], p[2], fs);
        const double expected = plain(s);
        EXPECT_NEAR(expected, model.SectionError(s.b, s.a), 1e-11 * expected);
    }
    std::vector<double> level;
    for (std::size_t i = std::size_t(band.first); i <= std::size_t(band.last); ++i)
        level.push_back(20.0 * std::log10(std::abs(resp[i])) - desired[i]);
    EXPECT_EQ(Loginteg82(level, band.Of(std::span<const double>(freq))), model.ResponseError());

    // A flat section gives exactly the error of the response alone.
    const CPeakingSection flat = Apcoef80(1.0, 250.0, 1000.0, fs);
    EXPECT_EQ(model.ResponseError(), model.SectionError(flat.b, flat.a));
}

TEST(FrequencyGrid, IsSharedForTheSameFrequencies)
{
    std::vector<double> f{100.0, 200.0, 400.0};
    const auto first = CFrequencyGrid::For(f, 48000.0);
    EXPECT_EQ(first, CFrequencyGrid::For(f, 48000.0));
    EXPECT_NE(first, CFrequencyGrid::For(f, 44100.0));
    f[1] = 201.0;
    EXPECT_NE(first, CFrequencyGrid::For(f, 48000.0));
}
} // namespace
