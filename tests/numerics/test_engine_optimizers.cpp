// One-parameter steps: candidates, band limits, the choice with its ties, cancellation.
#include "FakePump.h"
#include "numerics/engine/OneParameter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

using namespace numerics;

namespace
{
constexpr double kFs = 48000.0;
constexpr double kInf = std::numeric_limits<double>::infinity();

class OneParameter : public ::testing::Test
{
protected:
    OneParameter()
    {
        for (int i = 0; i < 120; ++i)
        {
            freq.push_back(20.0 * std::pow(1000.0, i / 119.0));
            // A 6 dB bump around 1 kHz on a flat desired curve.
            const double x = std::log10(freq.back() / 1000.0) / 0.15;
            resp.push_back(std::polar(std::pow(10.0, 6.0 * std::exp(-x * x) / 20.0), 0.0));
        }
        desired.assign(freq.size(), 0.0);
        band = CBand::FromCounts(10, 11, 120);
        grid = CFrequencyGrid::For(freq, kFs);
        model.emplace(*grid, resp, desired, freq, band);
        fLow = freq[std::size_t(band.first)];
        fHigh = freq[std::size_t(band.last)];
    }

    double Error(CSectionParameters p) const { return PeakingSectionError(*model, p, kFs); }
    COneParameterStep Step(EVaried varied, CSectionParameters p, double err) const
    {
        return OneParameterStep(varied, *model, p, kFs, err, fLow, fHigh);
    }

    std::vector<double> freq, desired;
    std::vector<Complex> resp;
    CBand band;
    std::shared_ptr<const CFrequencyGrid> grid;
    std::optional<CBandErrorModel> model;
    double fLow = 0, fHigh = 0;
    const CSectionParameters start{200.0, 2.0, 1000.0};
};

TEST_F(OneParameter, ChoiceOfTheThreeCandidates)
{
    const double eUp = Error({220.0, 2.0, 1000.0});
    const double eDown = Error({180.0, 2.0, 1000.0});
    ASSERT_NE(eUp, eDown);
    const double low = std::min(eUp, eDown);
    const double high = std::max(eUp, eDown);
    const double pLow = eUp < eDown ? 220.0 : 180.0;
    const struct
    {
        double err;
        double value;
        double result;
    } cases[] = {
        {low / 2, 200.0, low / 2},     // err below both: unchanged, exactly
        {kInf, pLow, low},             // the better candidate
        {std::nan(""), 180.0, eDown},  // NaN: every test false, the lowered one
        {eUp, 180.0, eDown},           // err equal to eUp: no test holds
        {(low + high) / 2, pLow, low}, // err between the two
    };
    for (const auto& c : cases)
    {
        const COneParameterStep s = Step(EVaried::Bandwidth, start, c.err);
        EXPECT_EQ(c.value, s.value) << c.err;
        EXPECT_EQ(c.result, s.err) << c.err;
    }
}

TEST_F(OneParameter, ZeroParameterTiesFallBackToTheLoweredCandidate)
{
    // Both candidates of a zero bandwidth are 0: their errors are equal.
    const double e = Error({0.0, 2.0, 1000.0});
    const COneParameterStep tie = Step(EVaried::Bandwidth, {0.0, 2.0, 1000.0}, e);
    EXPECT_EQ(0.0, tie.value);
    EXPECT_EQ(e, tie.err);
    const COneParameterStep kept = Step(EVaried::Bandwidth, {0.0, 2.0, 1000.0}, e / 2);
    EXPECT_EQ(e / 2, kept.err);
    const COneParameterStep worse = Step(EVaried::Bandwidth, {0.0, 2.0, 1000.0}, e * 2);
    EXPECT_EQ(e, worse.err);
}

TEST_F(OneParameter, NegativeParameterRaisesAwayFromZero)
{
    const CSectionParameters p{-200.0, 2.0, 1000.0};
    const double eUp = Error({-200.0 + 0.1 * -200.0, 2.0, 1000.0});
    const double eDown = Error({-200.0 - 0.1 * -200.0, 2.0, 1000.0});
    const COneParameterStep s = Step(EVaried::Bandwidth, p, kInf);
    EXPECT_EQ(eUp < eDown ? -220.0 : -180.0, s.value);
}

TEST_F(OneParameter, AmplitudeCandidatesChangeTheGain)
{
    const double eUp = Error({200.0, 2.0 + 0.1 * 2.0, 1000.0});
    const double eDown = Error({200.0, 2.0 - 0.1 * 2.0, 1000.0});
    const COneParameterStep s = Step(EVaried::Amplitude, start, kInf);
    EXPECT_EQ(eUp < eDown ? 2.0 + 0.1 * 2.0 : 2.0 - 0.1 * 2.0, s.value);
    EXPECT_EQ(std::min(eUp, eDown), s.err);
}

TEST_F(OneParameter, CentreFrequencyCandidatesStayInsideTheBand)
{
    const struct
    {
        double fc;
        double up;
        double down;
    } cases[] = {
        {fHigh / 1.05, fHigh, fHigh / 1.05 - 0.1 * (fHigh / 1.05)}, // raised past the top
        {fHigh * 1.5, fHigh, fHigh * 1.5 - 0.1 * (fHigh * 1.5)},    // above the band: lowered
        {fLow * 1.05, fLow * 1.05 + 0.1 * (fLow * 1.05), fLow},     // lowered past the bottom
        {1000.0, 1100.0, 900.0},                                    // inside: no limit
    };
    for (const auto& c : cases)
    {
        const double eUp = Error({200.0, 2.0, c.up});
        const double eDown = Error({200.0, 2.0, c.down});
        const COneParameterStep s = Step(EVaried::CentreFrequency, {200.0, 2.0, c.fc}, kInf);
        EXPECT_EQ(eUp < eDown ? c.up : c.down, s.value) << c.fc;
        EXPECT_EQ(std::min(eUp, eDown), s.err) << c.fc;
    }
    // The band limits the centre frequency only.
    const double bw = fHigh * 2;
    const double eUp = Error({bw + 0.1 * bw, 2.0, 1000.0});
    const double eDown = Error({bw - 0.1 * bw, 2.0, 1000.0});
    const COneParameterStep wide = Step(EVaried::Bandwidth, {bw, 2.0, 1000.0}, kInf);
    EXPECT_EQ(eUp < eDown ? bw + 0.1 * bw : bw - 0.1 * bw, wide.value);
}

TEST_F(OneParameter, EveryCandidateIsOneCancellationPoint)
{
    CFakePump pump;
    for (EVaried varied : {EVaried::Bandwidth, EVaried::Amplitude, EVaried::CentreFrequency})
    {
        pump.checks = 0;
        Step(varied, start, 1.0);
        EXPECT_EQ(2, pump.checks);
    }
    EXPECT_TRUE(CancelsOnEntry(EVaried::Bandwidth));
    EXPECT_TRUE(CancelsOnEntry(EVaried::Amplitude));
    EXPECT_FALSE(CancelsOnEntry(EVaried::CentreFrequency));
}
} // namespace
