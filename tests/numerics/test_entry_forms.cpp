// The entry forms of the numerical functions over matrix values: output counts, checks,
// the feval convention and its messages, cancellation points per call.
#include "FakePump.h"
#include "Golden.h"
#include "Response.h"
#include "numerics/MatrixValues.h"
#include "numerics/apcoef80.h"
#include "numerics/engine/Apcoef80.h"
#include "numerics/engine/Mvq83.h"
#include "numerics/fndmx83.h"
#include "numerics/freqz.h"
#include "numerics/loginteg82.h"
#include "numerics/mvq83.h"
#include "numerics/opt82.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace numerics;

namespace
{
mwLibraryInit s_libraryInit;

using response::CFeval;
using response::ErrorOf;

std::vector<double> Values(const mwMatrix& m)
{
    return response::Row(m);
}

const double kV0 = 2.0, kFb = 100.0, kFc = 1000.0, kFs = 48000.0;

TEST(EntryForms, NormalFormRunsTheWholeBodyWithNullOutputs)
{
    const CPeakingSection s = numerics::Apcoef80(kV0, kFb, kFc, kFs);
    const mwMatrix b = apcoef80(nullptr, nullptr, nullptr, nullptr, kV0, kFb, kFc, kFs);
    EXPECT_EQ(std::vector<double>(s.b, s.b + 3), Values(b));

    mwMatrix a, minusK;
    apcoef80(&a, nullptr, &minusK, nullptr, kV0, kFb, kFc, kFs);
    EXPECT_EQ(std::vector<double>(s.a, s.a + 3), Values(a));
    EXPECT_EQ(s.minusK, double(minusK));

    mwMatrix d;
    const mwMatrix viaBody = Mapcoef80(&a, &d, &minusK, &minusK, 1, kV0, kFb, kFc, kFs);
    EXPECT_EQ(Values(b), Values(viaBody));
    EXPECT_EQ(s.d, double(d));
}

TEST(EntryForms, UndefinedInputIsNamed)
{
    EXPECT_EQ(
        "Input argument #2 to function apcoef80 is undefined.",
        ErrorOf([] { apcoef80(nullptr, nullptr, nullptr, nullptr, kV0, mwUnassigned, kFc, kFs); }));
}

TEST(EntryForms, FevalHandsOutTheFirstOutputEvenWithoutOutputs)
{
    CFeval call;
    call.in = {mwMatrix(kV0), mwMatrix(kFb), mwMatrix(kFc), mwMatrix(kFs)};
    call.Call(mlxApcoef80, 0);
    ASSERT_NE(nullptr, call.plhs[0]);
    EXPECT_EQ(3, mxGetNumberOfElements(call.plhs[0]));
    EXPECT_EQ(nullptr, call.plhs[1]);

    CFeval two;
    two.in = call.in;
    two.Call(mlxApcoef80, 2);
    ASSERT_NE(nullptr, two.plhs[1]);
    EXPECT_EQ(1.0, mclGetPr(two.plhs[1])[0]);
    EXPECT_EQ(nullptr, two.plhs[2]);
}

TEST(EntryForms, FevalArgumentCountMessages)
{
    const std::string outputs = "Run-time Error: File: freqz Line: 1 Column: 0 The function "
                                "\"freqz\" was called with more than the declared number of "
                                "outputs (2)";
    const std::string inputs = "Run-time Error: File: mvq83 Line: 1 Column: 0 The function "
                               "\"mvq83\" was called with more than the declared number of "
                               "inputs (14)";
    CFeval call;
    call.in.assign(4, mwMatrix(1.0));
    EXPECT_EQ(outputs, ErrorOf([&] { call.Call(mlxFreqz, 3); }));
    call.in.assign(5, mwMatrix(1.0));
    EXPECT_EQ(outputs, ErrorOf([&] { call.Call(mlxFreqz, 3); })) << "outputs are tested first";
    call.in.assign(15, mwMatrix(1.0));
    EXPECT_EQ(inputs, ErrorOf([&] { call.Call(mlxMvq83, 1); }));
    // Fewer inputs than declared pass the count test; the missing ones are undefined.
    call.in.assign(3, mwMatrix(1.0));
    EXPECT_NE("(no error)", ErrorOf([&] { call.Call(mlxApcoef80, 1); }));
}

TEST(EntryForms, FreqzShapesAndOutputCounts)
{
    const double b[] = {0.2, 0.3, 0.1};
    const double a[] = {1.0, -0.5, 0.3};
    const double f[] = {100.0, 1000.0, 5000.0};
    const mwMatrix bRow = RealRow(b), aRow = RealRow(a);
    const mwMatrix bColumn = RealMatrix({3, 1}, b), aColumn = RealMatrix({3, 1}, a);
    const mwMatrix fRow = RealRow(f);

    mwMatrix w;
    const mwMatrix h = freqz(&w, bRow, aRow, fRow, kFs);
    EXPECT_EQ(1, h.Size(1));
    EXPECT_EQ(3, h.Size(2));
    EXPECT_EQ(3, w.NumberOfElements());
    const mwMatrix hColumns = freqz(nullptr, bColumn, aColumn, fRow, kFs);
    EXPECT_EQ(ComplexValues(h), ComplexValues(hColumns));

    // With output count 1 the body leaves f unassigned, and the caller's matrix shares that
    // unassigned local; with 2 it gets the frequencies.
    mwMatrix given(7.0);
    freqzNargout(1, &given, bRow, aRow, fRow, kFs);
    EXPECT_FALSE(given.IsInitialized());
    freqzNargout(2, &given, bRow, aRow, fRow, kFs);
    EXPECT_NEAR(f[2], Values(given)[2], 1e-9);

    // One element: a point count, columns.
    const mwMatrix points = freqz(nullptr, bRow, aRow, 8.0, kFs);
    EXPECT_EQ(8, points.Size(1));
    EXPECT_EQ(1, points.Size(2));
    freqzVoid(bRow, aRow, fRow, kFs);
}

TEST(EntryForms, CancellationPointsPerCall)
{
    std::vector<double> freq, desired;
    std::vector<Complex> resp;
    for (int i = 0; i < 50; ++i)
    {
        freq.push_back(20.0 * std::pow(1000.0, i / 49.0));
        desired.push_back(0.0);
        resp.emplace_back(1.0 + 0.5 * std::sin(i * 0.3), 0.0);
    }
    const mwMatrix f = RealMatrix({50, 1}, freq), d = RealMatrix({50, 1}, desired);
    const mwMatrix r = ComplexMatrix({50, 1}, resp);
    CFakePump pump;
    const struct
    {
        const char* name;
        std::function<void()> call;
        long checks;
    } cases[] = {
        {"loginteg82", [&] { loginteg82(d, f); }, 1},
        {"loginteg82 feval",
         [&]
         {
             CFeval c;
             c.in = {d, f};
             c.Call(mlxLoginteg82, 1);
         },
         0},
        {"bwopt82", [&] { bwopt82(nullptr, r, 200.0, 2.0, 1000.0, kFs, f, 1.0, 2, 3, d, 50); }, 3},
        {"ampopt82", [&] { ampopt82(nullptr, r, 200.0, 2.0, 1000.0, kFs, f, 1.0, 2, 3, d, 50); },
         3},
        {"fcopt82", [&] { fcopt82(nullptr, r, 200.0, 2.0, 1000.0, kFs, f, 1.0, 2, 3, d, 50); }, 2},
        // 20·log10(resp) against ±1.5 dB: three regions of several points above.
        {"fndmx83",
         [&]
         {
             std::vector<double> level;
             for (const Complex& v : resp)
                 level.push_back(20.0 * std::log10(std::abs(v)));
             fndmx83(nullptr, nullptr, RealMatrix({50, 1}, level),
                     RealMatrix({50, 1}, std::vector<double>(50, 1.5)),
                     RealMatrix({50, 1}, std::vector<double>(50, -1.5)), f, d);
         },
         1 + 5},
    };
    for (const auto& c : cases)
    {
        pump.checks = 0;
        c.call();
        EXPECT_EQ(c.checks, pump.checks) << c.name;
    }
}

// The driver's call: matrices in, matrices out, the same as the engine; a stop in the
// middle leaves the caller's P, k and resp as they were.
class Mvq83Form : public ::testing::Test
{
protected:
    Mvq83Form()
        : n(speaker.n), iLow(speaker.iLow), jHigh(speaker.jHigh), freqValues(speaker.freq),
          baseValues(speaker.base)
    {
        const int rows = int(freqValues.size());
        freq = RealMatrix({rows, 1}, freqValues);
        base = ComplexMatrix({rows, 1}, baseValues);
        desired = RealMatrix({rows, 1}, std::vector<double>(freqValues.size(), 0.0));
        upper = RealMatrix({rows, 1}, std::vector<double>(freqValues.size(), 1.5));
        lower = RealMatrix({rows, 1}, std::vector<double>(freqValues.size(), -1.5));
    }

    mwMatrix Call(mwMatrix* k, mwMatrix* resp, const mwMatrix& P, const mwMatrix& kIn,
                  const mwMatrix& respIn)
    {
        return mvq83(k, resp, kFs, iLow, jHigh, freq, base, P, kIn, n, desired, upper, lower,
                     respIn, 0.001, 0.01);
    }

    const golden::Speaker speaker;
    double n, iLow, jHigh;
    std::vector<double> freqValues;
    std::vector<Complex> baseValues;
    mwMatrix freq, base, desired, upper, lower;
};

TEST_F(Mvq83Form, MatchesTheEngine)
{
    mwMatrix k(0.0), resp = base, P = empty();
    for (int step = 0; step < 2; ++step)
    {
        CMvq83Inputs in;
        in.fs = kFs;
        in.iLow = iLow;
        in.jHigh = jHigh;
        in.freq = freqValues;
        in.base = baseValues;
        CParameterMatrix engineP;
        const auto pValues = RealValues(P);
        engineP.resize(std::size_t(P.Size(1)));
        for (std::size_t r = 0; r < engineP.size(); ++r)
            for (std::size_t c = 0; c < 8; ++c)
                engineP[r][c] = pValues[c * engineP.size() + r];
        in.P = &engineP;
        in.k = double(k);
        in.n = n;
        const std::vector<double> d(freqValues.size(), 0.0), u(d.size(), 1.5), l(d.size(), -1.5);
        in.desired = d;
        in.upper = u;
        in.lower = l;
        const std::vector<Complex> respValues = ComplexValues(resp);
        in.resp = respValues;
        const CMvq83Result expected = Mvq83Body(in);

        mwMatrix kOut, respOut;
        const mwMatrix POut = Call(&kOut, &respOut, P, k, resp);
        EXPECT_EQ(expected.k, double(kOut));
        ASSERT_EQ(int(expected.P.size()), POut.Size(1));
        ASSERT_EQ(8, POut.Size(2));
        for (std::size_t r = 0; r < expected.P.size(); ++r)
            for (std::size_t c = 0; c < 8; ++c)
                EXPECT_EQ(expected.P[r][c], Values(POut)[c * expected.P.size() + r]);
        EXPECT_EQ(expected.resp, ComplexValues(respOut));
        EXPECT_EQ(int(freqValues.size()), respOut.Size(1));
        EXPECT_EQ(1, respOut.Size(2));
        P = POut;
        k = kOut;
        resp = respOut;
    }
}

TEST_F(Mvq83Form, StopLeavesTheCallersMatrices)
{
    mwMatrix kOut, respOut;
    mwMatrix P = Call(&kOut, &respOut, empty(), 0.0, base);
    mwMatrix k = kOut, resp = respOut;
    const std::vector<double> keptP = Values(P);
    const std::vector<Complex> keptResp = ComplexValues(resp);
    CFakePump pump;
    pump.onCheck = [](long check)
    {
        if (check == 40)
            g_nUserAbort = 1;
    };
    try
    {
        P = Call(&k, &resp, P, k, resp);
        ADD_FAILURE() << "no stop";
    }
    catch (const CUserAbortException& e)
    {
        EXPECT_EQ(0, e.Code());
    }
    EXPECT_EQ(keptP, Values(P));
    EXPECT_EQ(1.0, double(k));
    EXPECT_EQ(keptResp, ComplexValues(resp));
}
} // namespace
