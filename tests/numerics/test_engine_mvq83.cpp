// The top-level optimizer against a plain numpy run, its bounds, and its cancellation.
#include "FakePump.h"
#include "Golden.h"
#include "numerics/engine/BandError.h"
#include "numerics/engine/Fndmx83.h"
#include "numerics/engine/Mvq83.h"
#include "numerics/engine/NumericsError.h"
#include "numerics/engine/OptimizerMemory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace numerics;

namespace
{
// The two-way speaker of data/make_golden.py and the driver's loop around mvq83.
class Mvq83 : public ::testing::Test
{
protected:
    Mvq83()
        : n(speaker.n), iLow(speaker.iLow), jHigh(speaker.jHigh), freq(speaker.freq),
          desired(freq.size(), 0.0), upper(freq.size(), 1.5), lower(freq.size(), -1.5),
          base(speaker.base)
    {
    }

    CMvq83Inputs Inputs(const CParameterMatrix& P, double k, const std::vector<Complex>& resp)
    {
        CMvq83Inputs in;
        in.fs = 48000.0;
        in.iLow = iLow;
        in.jHigh = jHigh;
        in.freq = freq;
        in.base = base;
        in.P = &P;
        in.k = k;
        in.n = n;
        in.desired = desired;
        in.upper = upper;
        in.lower = lower;
        in.resp = resp;
        in.singleTol = 0.001;
        in.jointTol = 0.01;
        return in;
    }

    // The response of the parameter rows, as the document rebuilds it.
    std::vector<Complex> Rebuild(const CParameterMatrix& P) const
    {
        std::vector<Complex> resp = base;
        for (const auto& row : P)
            ApplyParameterRow(row, 48000.0, freq, resp);
        return resp;
    }

    const golden::Speaker speaker;
    double n, iLow, jHigh;
    std::vector<double> freq, desired, upper, lower;
    std::vector<Complex> base;
};

TEST_F(Mvq83, DriverRunMatchesThePlainFormulas)
{
    CParameterMatrix P;
    double k = 0;
    std::vector<Complex> resp = base;
    const auto steps = golden::LoadNamed("mvq83");
    ASSERT_EQ(4u, steps.size());
    for (const auto& step : steps)
    {
        CFakePump pump;
        const CMvq83Result out = numerics::Mvq83(Inputs(P, k, resp));
        EXPECT_EQ(step.groups[0][0], out.k);
        EXPECT_EQ(step.groups[0][1], pump.checks) << "cancellation points of call " << out.k;
        ASSERT_EQ(step["P"].size(), out.P.size() * 8);
        for (std::size_t i = 0; i < step["P"].size(); ++i)
            EXPECT_NEAR(step["P"][i], out.P[i / 8][i % 8], 1e-9 * (1 + std::fabs(step["P"][i])))
                << "call " << out.k << " element " << i;
        for (std::size_t i = 0; i < resp.size(); ++i)
        {
            EXPECT_NEAR(step["re"][i], out.resp[i].real(), 1e-9);
            EXPECT_NEAR(step["im"][i], out.resp[i].imag(), 1e-9);
        }
        P = out.P;
        k = out.k;
        resp = Rebuild(P);
    }
}

TEST_F(Mvq83, NoFiltersYetIgnoresThePassedResponseAndRows)
{
    const CParameterMatrix garbage(3, CParameterRow{7, 7, 7, 7, 7, 7, 7, 7});
    const std::vector<Complex> zeros(base.size(), Complex(0.0, 0.0));
    const CMvq83Result a = numerics::Mvq83(Inputs(garbage, 0, zeros));
    const CMvq83Result b = numerics::Mvq83(Inputs({}, 0, base));
    EXPECT_EQ(1.0, a.k);
    ASSERT_EQ(1u, a.P.size());
    EXPECT_EQ(b.P, a.P);
    EXPECT_EQ(b.resp, a.resp);
}

TEST_F(Mvq83, LargeSingleTolKeepsThePeakSearchStart)
{
    CFakePump pump;
    const CParameterMatrix none;
    CMvq83Inputs in = Inputs(none, 0, base);
    in.singleTol = 1.0; // ≥ 5000/(err + 5000): no tuning iteration at all
    const CMvq83Result out = numerics::Mvq83(in);

    std::vector<double> level;
    const CBand band = CBand::FromCounts(iLow, jHigh, n);
    for (std::size_t i = std::size_t(band.first); i <= std::size_t(band.last); ++i)
        level.push_back(20.0 * std::log10(std::abs(base[i])));
    auto part = [&](const std::vector<double>& v) { return band.Of(std::span<const double>(v)); };
    const long searchChecks = pump.checks;
    pump.checks = 0;
    const CPeakStart s = Fndmx83(level, part(upper), part(lower), part(freq), part(desired));
    const CParameterRow expected{
        1.0, 20.0 * std::log10(1.0 / s.gain), s.bw, freq[std::size_t(s.idx + iLow) - 1], 0, 0, 0,
        0};
    EXPECT_EQ(expected, out.P.at(0));
    // mvq83, fndmx83, its areas, the error of the response alone.
    EXPECT_EQ(1 + 1 + pump.checks + 1, searchChecks);
}

// Inside the tolerance everywhere, each placement costs exactly two cancellation points
// (the peak search and the error of the response), so the count shows the joint passes.
TEST_F(Mvq83, JointPassBounds)
{
    upper.assign(freq.size(), 100.0);
    lower.assign(freq.size(), -100.0);
    const struct
    {
        double k;
        double jointTol;
        long joint; // joint iterations
    } cases[] = {{3, 1e9, 4}, {3, -1.0, 45}, {46, -1.0, 47}, {1, 1e9, 2}};
    for (const auto& c : cases)
    {
        const CParameterMatrix P(std::size_t(c.k), CParameterRow{1, 0, 100, 1000, 0, 0, 0, 0});
        const std::vector<Complex> resp = Rebuild(P);
        CMvq83Inputs in = Inputs(P, c.k, resp);
        in.singleTol = 1e9;
        in.jointTol = c.jointTol;
        CFakePump pump;
        const CMvq83Result out = numerics::Mvq83(in);
        EXPECT_EQ(c.k + 1, out.k);
        EXPECT_EQ(1 + 2 + 2 * c.joint, pump.checks) << c.k << " " << c.jointTol;
    }
}

TEST_F(Mvq83, StopMidCallLeavesTheCallersValues)
{
    const CParameterMatrix P{{1, -3, 200, 1500, 0, 0, 0, 0}};
    const std::vector<Complex> resp = Rebuild(P);
    const CParameterMatrix keptP = P;
    const std::vector<Complex> keptResp = resp;
    for (long stopAt : {1L, 2L, 57L, 109L})
    {
        CFakePump pump;
        pump.onCheck = [stopAt](long check)
        {
            if (check == stopAt)
                g_nUserAbort = 1;
        };
        try
        {
            numerics::Mvq83(Inputs(P, 1, resp));
            ADD_FAILURE() << "no stop at " << stopAt;
        }
        catch (const CUserAbortException& e)
        {
            EXPECT_EQ(0, e.Code());
        }
        EXPECT_EQ(stopAt, pump.checks);
        EXPECT_EQ(keptP, P);
        EXPECT_EQ(keptResp, resp);
    }
}

TEST_F(Mvq83, QuitMidCallEndsWithCodeOne)
{
    CFakePump pump;
    pump.onCheck = [&pump](long check)
    {
        if (check == 5)
            pump.queue.push_back(CFakePump::EMessage::Quit);
    };
    try
    {
        numerics::Mvq83(Inputs({}, 0, base));
        ADD_FAILURE() << "no exception";
    }
    catch (const CUserAbortException& e)
    {
        EXPECT_EQ(1, e.Code());
    }
    EXPECT_EQ(std::vector<int>{0}, pump.posted);
}

// A band of one point that lies outside: the peak search gives it the width f/35 instead of
// reading past the band, and every error over one point is 0, so each optimizer falls back
// to its lowered candidate once and the centre stays on the band's one frequency.
TEST_F(Mvq83, SinglePointBand)
{
    std::size_t worst = 0;
    for (std::size_t i = 0; i < base.size(); ++i)
        if (std::abs(std::abs(base[i]) - 1.0) > std::abs(std::abs(base[worst]) - 1.0))
            worst = i;
    ASSERT_GT(std::fabs(20.0 * std::log10(std::abs(base[worst]))), 1.5);
    const CParameterMatrix none;
    CMvq83Inputs in = Inputs(none, 0, base);
    in.iLow = double(worst);
    in.jHigh = n - double(worst);
    const CMvq83Result out = numerics::Mvq83(in);
    ASSERT_EQ(1u, out.P.size());
    const double bw = freq[worst] / 35.0;
    EXPECT_DOUBLE_EQ(bw - 0.1 * bw, out.P[0][2]);
    EXPECT_EQ(freq[worst], out.P[0][3]);
}

TEST_F(Mvq83, InconsistentInputsFail)
{
    const CParameterMatrix none;
    CMvq83Inputs in = Inputs(none, 0, base);
    in.n = n + 1;
    EXPECT_THROW(numerics::Mvq83(in), CNumericsError);
    in = Inputs(none, 2, base); // two filters claimed, no rows
    EXPECT_THROW(numerics::Mvq83(in), CNumericsError);
    in = Inputs(none, 0, base);
    in.iLow = -2;
    EXPECT_THROW(numerics::Mvq83(in), CNumericsError);
}
// Memory kept for a whole calculation changes nothing: the same passes give bit for bit the
// same rows and responses as calls that each take fresh memory, also when the kept memory
// last served a wider band, a narrower one, or a call that a stop ended.
TEST_F(Mvq83, KeptMemoryGivesTheSameResults)
{
    auto run = [this](double low, double high)
    {
        std::vector<CMvq83Result> passes;
        CParameterMatrix P;
        double k = 0;
        std::vector<Complex> resp = base;
        for (int pass = 0; pass < 4; ++pass)
        {
            CMvq83Inputs in = Inputs(P, k, resp);
            in.iLow = low;
            in.jHigh = high;
            passes.push_back(numerics::Mvq83(in));
            P = passes.back().P;
            k = passes.back().k;
            resp = Rebuild(P);
        }
        return passes;
    };
    auto same = [](const std::vector<CMvq83Result>& a, const std::vector<CMvq83Result>& b)
    {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i)
        {
            EXPECT_EQ(a[i].k, b[i].k);
            EXPECT_EQ(
                0, std::memcmp(a[i].P.data(), b[i].P.data(), a[i].P.size() * sizeof(CParameterRow)))
                << "pass " << i;
            EXPECT_EQ(0, std::memcmp(a[i].resp.data(), b[i].resp.data(),
                                     a[i].resp.size() * sizeof(Complex)))
                << "pass " << i;
        }
    };
    const double narrowLow = iLow + 20, narrowHigh = jHigh + 20;
    const auto fresh = run(iLow, jHigh);
    const auto freshNarrow = run(narrowLow, narrowHigh);
    ASSERT_EQ(nullptr, COptimizerMemory::Current());

    const COptimizerMemory memory;
    ASSERT_NE(nullptr, COptimizerMemory::Current());
    same(fresh, run(iLow, jHigh));
    same(freshNarrow, run(narrowLow, narrowHigh));
    same(fresh, run(iLow, jHigh));
    {
        CFakePump pump;
        pump.onCheck = [](long check)
        {
            if (check == 40)
                g_nUserAbort = 1;
        };
        EXPECT_THROW(numerics::Mvq83(Inputs({}, 0, base)), CUserAbortException);
    }
    same(fresh, run(iLow, jHigh));
    {
        const COptimizerMemory inner; // shares the outer memory
        same(freshNarrow, run(narrowLow, narrowHigh));
    }
    EXPECT_NE(nullptr, COptimizerMemory::Current());
}

} // namespace
