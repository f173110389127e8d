// The section designers through their entry forms: the scipy cross-check over a grid of
// parameters (data/make_designers.py), the documented examples, the type-text rules, the
// identity section of a 0 dB shelf and the feval forms' messages.
#include "Golden.h"
#include "Response.h"
#include "numerics/allpassfilters.h"
#include "numerics/base2alog.h"
#include "numerics/base2log.h"
#include "numerics/filio81.h"
#include "numerics/filio_p81.h"
#include "numerics/foBUT.h"
#include "numerics/fourb.h"
#include "numerics/fourt.h"
#include "numerics/logsamp.h"
#include "numerics/notch.h"
#include "numerics/quant.h"
#include "numerics/smooth.h"
#include "numerics/soBUT.h"
#include "numerics/soCHBI.h"
#include "numerics/soHB.h"
#include "numerics/soLR.h"
#include "numerics/soLT.h"
#include "numerics/soVQ.h"
#include "numerics/soshelfb.h"
#include "numerics/soshelft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

using response::CFeval;
using response::Decibels;
using response::ErrorOf;
using response::Row;

namespace
{
mwLibraryInit s_libraryInit;

struct CSection
{
    std::vector<double> b;
    std::vector<double> a;
};

// A designer called through its normal form with the numbers of a golden record; a type
// flag of 1 stands for "low", 0 for "high".
using Designer = std::function<mwMatrix(mwMatrix* a, const golden::Numbers& in)>;

const char* TypeOf(double flag)
{
    return flag == 1.0 ? "low" : "high";
}

const std::map<std::string, Designer>& Designers()
{
    static const std::map<std::string, Designer> designers = {
        {"allpassfilters",
         [](mwMatrix* a, auto& in) { return allpassfilters(a, in[0], in[1], in[2]); }},
        {"notch", [](mwMatrix* a, auto& in) { return notch(a, in[0], in[1], in[2]); }},
        {"foBUT", [](mwMatrix* a, auto& in) { return foBUT(a, in[0], in[1], TypeOf(in[2])); }},
        {"fourb", [](mwMatrix* a, auto& in) { return fourb(a, in[0], in[1], in[2]); }},
        {"fourt", [](mwMatrix* a, auto& in) { return fourt(a, in[0], in[1], in[2]); }},
        {"soshelfb", [](mwMatrix* a, auto& in) { return soshelfb(a, in[0], in[1], in[2]); }},
        {"soshelft", [](mwMatrix* a, auto& in) { return soshelft(a, in[0], in[1], in[2]); }},
        {"soBUT", [](mwMatrix* a, auto& in) { return soBUT(a, in[0], in[1], TypeOf(in[2])); }},
        {"soLR", [](mwMatrix* a, auto& in) { return soLR(a, in[0], in[1], TypeOf(in[2])); }},
        {"soVQ", [](mwMatrix* a, auto& in) { return soVQ(a, in[0], in[1], in[2], TypeOf(in[3])); }},
        {"soCHBI",
         [](mwMatrix* a, auto& in) { return soCHBI(a, in[0], in[1], in[2], TypeOf(in[3])); }},
        {"soHB", [](mwMatrix* a, auto& in) { return soHB(a, in[0], in[1], in[2], in[3]); }},
        {"soLT", [](mwMatrix* a, auto& in) { return soLT(a, in[0], in[1], in[2], in[3]); }},
    };
    return designers;
}

CSection Design(const std::string& name, const golden::Numbers& in)
{
    mwMatrix a;
    const mwMatrix b = Designers().at(name)(&a, in);
    return {Row(b), Row(a)};
}

// Largest difference relative to the largest coefficient of the row.
double RelativeError(const std::vector<double>& got, const std::vector<double>& want)
{
    double scale = 0.0, error = 0.0;
    for (std::size_t i = 0; i < want.size(); ++i)
    {
        scale = std::max(scale, std::fabs(want[i]));
        error = std::max(error, std::fabs(got.at(i) - want[i]));
    }
    return error / scale;
}

TEST(Designers, AgreeWithScipyOverTheParameterGrid)
{
    const auto records = golden::Load(std::string(MORVANE_TEST_DATA_DIR) + "/designers.txt");
    ASSERT_GT(records.size(), 1000u);
    std::map<std::string, int> checked;
    for (const auto& r : records)
    {
        const CSection s = Design(r.name, r.groups[0]);
        ASSERT_EQ(r["b"].size(), s.b.size()) << r.name;
        EXPECT_LT(RelativeError(s.b, r["b"]), 1e-12)
            << r.name << " " << ::testing::PrintToString(r.groups[0]);
        EXPECT_LT(RelativeError(s.a, r["a"]), 1e-12)
            << r.name << " " << ::testing::PrintToString(r.groups[0]);
        EXPECT_EQ(1.0, s.a[0]) << r.name;
        ++checked[r.name];
    }
    EXPECT_EQ(Designers().size(), checked.size());
}

struct CQuotedRows
{
    const char* name;
    golden::Numbers in;
    std::vector<double> b;
    std::vector<double> a;
};

TEST(Designers, QuotedCoefficients)
{
    const double fs = 48000.0, low = 1.0, high = 0.0;
    const CQuotedRows cases[] = {
        {"allpassfilters", {200, 1000, fs}, {0.974157, -1.957268, 1}, {1, -1.957268, 0.974157}},
        {"notch", {200, 1000, fs}, {0.987078, -1.957268, 0.987078}, {1, -1.957268, 0.974157}},
        {"foBUT", {1000, fs, low}, {0.061512, 0.061512, 0}, {1, -0.876976, 0}},
        {"foBUT", {1000, fs, high}, {0.938488, -0.938488, 0}, {1, -0.876976, 0}},
        {"fourb", {1000, std::pow(10.0, 6.0 / 20.0), fs}, {1.061220, -0.815756}, {1, -0.876976}},
        {"soBUT", {1000, fs, low}, {0.003916, 0.007832, 0.003916}, {1, -1.815341, 0.831006}},
        {"soBUT", {1000, fs, high}, {0.911587, -1.823173, 0.911587}, {1, -1.815341, 0.831006}},
        {"soLR", {1000, fs, low}, {0.003784, 0.007567, 0.003784}, {1, -1.753953, 0.769088}},
        {"soVQ", {1000, fs, 2, low}, {0.004142, 0.008285, 0.004142}, {1, -1.920230, 0.936799}},
        {"soBUT", {fs / 4, fs, low}, {0.292893, 0.585786, 0.292893}, {1, 0, 0.171573}},
    };
    for (const auto& c : cases)
    {
        const CSection s = Design(c.name, c.in);
        ASSERT_EQ(c.b.size(), s.b.size()) << c.name;
        for (std::size_t i = 0; i < c.b.size(); ++i)
        {
            EXPECT_NEAR(c.b[i], s.b[i], 5e-7) << c.name << " b" << i;
            EXPECT_NEAR(c.a[i], s.a[i], 5e-7) << c.name << " a" << i;
        }
    }
}

struct CQuotedLevel
{
    const char* name;
    golden::Numbers in;
    double f;
    double dB;
    double tolerance;
};

TEST(Designers, QuotedLevels)
{
    const double fs = 48000.0, low = 1.0, high = 0.0, G4 = 4.0;
    const auto G = [](double dB) { return std::pow(10.0, dB / 20.0); };
    const double half = 1e-2, about = 0.1, exact = 1e-9;
    const CQuotedLevel cases[] = {
        {"soshelfb", {1000, fs, G4}, 0, 12.04, half},
        {"soshelfb", {1000, fs, G4}, 1000, 9.03, half},
        {"soshelfb", {1000, fs, G4}, 24000, 0, half},
        {"soshelfb", {1000, fs, G(3)}, 1000, 1.5, half},
        {"soshelfb", {1000, fs, G(-20)}, 1000, -16.99, half},
        {"soshelft", {1000, fs, G4}, 0, 0, half},
        {"soshelft", {1000, fs, G4}, 1000, 9.03, half},
        {"soshelft", {1000, fs, G4}, 24000, 12.04, half},
        // The three rules of the cut-frequency gain.
        {"soshelfb", {1000, fs, G(5.9)}, 1000, 2.95, half},
        {"soshelfb", {1000, fs, G(6.1)}, 1000, 3.09, half},
        {"soshelfb", {1000, fs, G(-6.1)}, 1000, -3.09, half},
        {"soCHBI", {1000, fs, 1, low}, 10, -1, half},
        {"soCHBI", {1000, fs, 1, low}, 1000, -1, exact},
        {"soCHBI", {1000, fs, 1, low}, 500, -0.27, half},
        {"soCHBI", {1000, fs, 1, low}, 2000, -11.4, about},
        {"soCHBI", {1000, fs, -1, low}, 10, 0, half},
        {"soCHBI", {1000, fs, -1, low}, 1000, 0, exact},
        {"soCHBI", {1000, fs, -1, low}, 500, 0.73, half},
        {"soCHBI", {1000, fs, 1, high}, 500, -11.4, about},
        {"soCHBI", {1000, fs, 1, high}, 1000, -1, exact},
        {"soCHBI", {1000, fs, 1, high}, 24000, -1, half},
        {"soHB", {6, 50, 200, fs}, 20, -2.6, about},
        {"soHB", {6, 50, 200, fs}, 100, 4.3, about},
        {"soHB", {6, 50, 200, fs}, 500, 1.5, about},
        {"soHB", {6, 50, 200, fs}, 20000, 0, about},
        {"soLT", {6, 2000, 10000, fs}, 20, 0, about},
        {"soLT", {6, 2000, 10000, fs}, 2000, 3.8, about},
        {"soLT", {6, 2000, 10000, fs}, 5000, 4.8, about},
        {"soLT", {6, 2000, 10000, fs}, 20000, -7.9, about},
        {"fourt", {1000, 2, fs}, 1000, 3.98, half},
        {"fourt", {1000, 2, fs}, 0, 0, exact},
        {"fourt", {1000, 2, fs}, 24000, 20 * std::log10(2.0), exact},
        {"fourb", {1000, G(6), fs}, 0, 6, exact},
        {"fourb", {1000, G(6), fs}, 24000, 0, exact},
        {"foBUT", {1000, fs, low}, 1000, 20 * std::log10(std::sqrt(0.5)), exact},
        {"foBUT", {1000, fs, high}, 1000, 20 * std::log10(std::sqrt(0.5)), exact},
        {"soVQ", {1000, fs, 2, low}, 1000, 20 * std::log10(2.0), exact},
        {"soLR", {1000, fs, high}, 1000, 20 * std::log10(0.5), exact},
        {"notch", {200, 1000, fs}, 905.0, -3.01, half},
        {"notch", {200, 1000, fs}, 1105.0, -3.01, half},
        {"notch", {1000, 5000, fs}, 4521.3, -3.01, half},
        {"notch", {1000, 5000, fs}, 5521.3, -3.01, half},
        {"notch", {200, 1000, fs}, 0, 0, exact},
        {"notch", {200, 1000, fs}, 24000, 0, exact},
    };
    for (const auto& c : cases)
    {
        const CSection s = Design(c.name, c.in);
        EXPECT_NEAR(c.dB, Decibels(s.b, s.a, c.f, fs), c.tolerance) << c.name << " at " << c.f;
    }
}

TEST(Designers, ZerosAndAllPassesAreExact)
{
    const double fs = 48000.0;
    const CSection notched = Design("notch", {200, 1000, fs});
    EXPECT_LT(std::abs(response::At(notched.b, notched.a, 1000, fs)), 1e-12);
    const CSection allpass = Design("allpassfilters", {200, 1000, fs});
    for (double f : {0.0, 300.0, 905.0, 1000.0, 1105.0, 7000.0, 24000.0})
        EXPECT_NEAR(1.0, std::abs(response::At(allpass.b, allpass.a, f, fs)), 1e-12) << f;
    EXPECT_NEAR(-1.0, response::At(allpass.b, allpass.a, 1000, fs).real(), 1e-12);
    EXPECT_NEAR(-90.0, std::arg(response::At(allpass.b, allpass.a, 905, fs)) * 180 / M_PI, 0.5);
    EXPECT_NEAR(90.0, std::arg(response::At(allpass.b, allpass.a, 1105, fs)) * 180 / M_PI, 0.5);
    // fb = 0: the all-pass is the identity.
    const CSection flat = Design("allpassfilters", {0, 1000, fs});
    EXPECT_EQ(flat.b, flat.a);

    // The plateaus' first-order Butterworth parts put zeros at 0 Hz and fs/2.
    const CSection lowPlateau = Design("soHB", {12, 50, 400, fs});
    EXPECT_NEAR(0.0, lowPlateau.b[0] + lowPlateau.b[1] + lowPlateau.b[2], 1e-15);
    const CSection highPlateau = Design("soLT", {12, 2000, 8000, fs});
    EXPECT_NEAR(0.0, highPlateau.b[0] - highPlateau.b[1] + highPlateau.b[2], 1e-15);
}

TEST(Designers, TypeTextTakesOnlyLowInTheFirstThreeCharacters)
{
    const struct
    {
        const char* type;
        bool low;
    } types[] = {{"low", true},  {"lowpass", true}, {"low pass", true}, {"high", false},
                 {"Low", false}, {"LOW", false},    {"hi", false},      {"lo", false},
                 {"", false},    {"xyz", false}};
    const std::function<mwMatrix(const char*)> designers[] = {
        [](const char* t) { return foBUT(nullptr, 1000.0, 48000.0, t); },
        [](const char* t) { return soBUT(nullptr, 1000.0, 48000.0, t); },
        [](const char* t) { return soLR(nullptr, 1000.0, 48000.0, t); },
        [](const char* t) { return soVQ(nullptr, 1000.0, 48000.0, 2.0, t); },
        [](const char* t) { return soCHBI(nullptr, 1000.0, 48000.0, 1.0, t); },
    };
    for (const auto& design : designers)
    {
        const std::vector<double> lowB = Row(design("low"));
        const std::vector<double> highB = Row(design("high"));
        ASSERT_NE(lowB, highB);
        for (const auto& t : types)
        {
            if (std::string(t.type).size() < 3)
            {
                EXPECT_EQ("Index exceeds matrix dimensions.", ErrorOf([&] { design(t.type); }))
                    << t.type;
                continue;
            }
            EXPECT_EQ(t.low ? lowB : highB, Row(design(t.type))) << t.type;
        }
    }
    // A zero ripple reads nothing after it, not even the type.
    mwMatrix a;
    EXPECT_EQ((std::vector<double>{1, 0, 0}), Row(soCHBI(&a, 1000.0, 48000.0, 0.0, "lo")));
    EXPECT_EQ((std::vector<double>{1, 0, 0}), Row(a));
}

TEST(Designers, ZeroDecibelShelvesAreTheIdentitySection)
{
    const std::vector<double> identity = {1, 0, 0};
    for (const char* name : {"soshelfb", "soshelft"})
    {
        for (double fc : {20.0, 1000.0, 12000.0})
        {
            const CSection s = Design(name, {fc, 48000.0, 1.0});
            EXPECT_EQ(identity, s.b) << name;
            EXPECT_EQ(identity, s.a) << name;
        }
        // Just below 1, G² and √G² round together: x/0 instead of 0/0.
        {
            const CSection s = Design(name, {1000.0, 48000.0, std::nextafter(1.0, 0.0)});
            EXPECT_EQ(identity, s.b) << name;
            EXPECT_EQ(identity, s.a) << name;
        }
        // Close to 0 dB the designed section approaches the identity.
        const CSection near = Design(name, {1000.0, 48000.0, std::pow(10.0, 0.001 / 20.0)});
        EXPECT_NEAR(0.0, Decibels(near.b, near.a, 1000.0, 48000.0), 1e-3) << name;
    }
}

TEST(Designers, RelatedSectionsAgree)
{
    const double fs = 48000.0;
    for (double flag : {0.0, 1.0})
    {
        const CSection lr = Design("soLR", {1500, fs, flag});
        const CSection vqHalf = Design("soVQ", {1500, fs, 0.5, flag});
        const CSection but = Design("soBUT", {1500, fs, flag});
        const CSection vqBut = Design("soVQ", {1500, fs, 1 / std::sqrt(2.0), flag});
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_NEAR(lr.b[i], vqHalf.b[i], 1e-15);
            EXPECT_NEAR(lr.a[i], vqHalf.a[i], 1e-15);
            EXPECT_NEAR(but.b[i], vqBut.b[i], 1e-15);
            EXPECT_NEAR(but.a[i], vqBut.a[i], 1e-15);
        }
    }
    // The treble shelf at fc mirrors the bass shelf at fs/2 − fc.
    for (double G : {0.1, 0.8, 1.5, 6.0})
    {
        const CSection treble = Design("soshelft", {3000, fs, G});
        const CSection bass = Design("soshelfb", {fs / 2 - 3000, fs, G});
        const double sign[] = {1, -1, 1};
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_NEAR(treble.b[i], sign[i] * bass.b[i], 1e-12) << G;
            EXPECT_NEAR(treble.a[i], sign[i] * bass.a[i], 1e-12) << G;
        }
    }
    // fourb and foBUT share their pole.
    EXPECT_NEAR(Design("fourb", {700, 3.0, fs}).a[1], Design("foBUT", {700, fs, 1}).a[1], 1e-15);
}

TEST(Designers, SectionsAtTheEndsOfTheBand)
{
    const double fs = 48000.0, G = 3.0;
    const struct
    {
        const char* name;
        golden::Numbers in;
        std::vector<double> b;
        std::vector<double> a;
    } cases[] = {
        {"soshelfb", {0, fs, G}, {1, -2, 1}, {1, -2, 1}},
        {"soshelft", {0, fs, G}, {G, -2 * G, G}, {1, -2, 1}},
        {"soshelfb", {fs / 2, fs, G}, {G, 2 * G, G}, {1, 2, 1}},
        {"soshelft", {fs / 2, fs, G}, {1, 2, 1}, {1, 2, 1}},
        {"fourt", {fs / 4, G, fs}, {(1 + G) / 2, (1 - G) / 2}, {1, 0}},
    };
    for (const auto& c : cases)
    {
        const CSection s = Design(c.name, c.in);
        ASSERT_EQ(c.b.size(), s.b.size());
        for (std::size_t i = 0; i < c.b.size(); ++i)
        {
            EXPECT_NEAR(c.b[i], s.b[i], 1e-9) << c.name << " b" << i;
            EXPECT_NEAR(c.a[i], s.a[i], 1e-9) << c.name << " a" << i;
        }
    }
    // The all-pass's centre coefficient d is exactly −1 at 0 Hz and +1 at fs/2: e = d·(1 + c).
    const CSection atZero = Design("allpassfilters", {200, 0, fs});
    EXPECT_EQ(-(1 + atZero.b[0]), atZero.b[1]);
    const CSection atHalf = Design("allpassfilters", {200, fs / 2, fs});
    EXPECT_EQ(1 + atHalf.b[0], atHalf.b[1]);
    // Poles of the 1 dB Chebyshev low-pass at 1 kHz.
    EXPECT_NEAR(0.931, std::sqrt(Design("soCHBI", {1000, fs, 1, 1}).a[2]), 5e-4);
}

std::string CountMessage(const char* name, int line, const char* what, int count)
{
    return std::string("Run-time Error: File: ") + name + " Line: " + std::to_string(line) +
           " Column: 0 The function \"" + name +
           "\" was called with more than the declared number of " + what + " (" +
           std::to_string(count) + ")";
}

TEST(NumericalFunctions, FevalFormsDeclareTheirCountsAndLines)
{
    const struct
    {
        void (*f)(int, mxArray*[], int, mxArray*[]);
        const char* name;
        int line;
        int inputs;
        int outputs;
    } forms[] = {
        {mlxAllpassfilters, "allpassfilters", 1, 3, 2},
        {mlxNotch, "notch", 1, 3, 2},
        {mlxFoBUT, "foBUT", 1, 3, 2},
        {mlxFourb, "fourb", 11, 3, 2},
        {mlxFourt, "fourt", 11, 3, 2},
        {mlxSoshelfb, "soshelfb", 1, 3, 2},
        {mlxSoshelft, "soshelft", 1, 3, 2},
        {mlxSoBUT, "soBUT", 1, 3, 2},
        {mlxSoLR, "soLR", 1, 3, 2},
        {mlxSoVQ, "soVQ", 1, 4, 2},
        {mlxSoCHBI, "soCHBI", 10, 4, 2},
        {mlxSoHB, "soHB", 1, 4, 2},
        {mlxSoLT, "soLT", 1, 4, 2},
        {mlxBase2log, "base2log", 1, 1, 1},
        {mlxBase2alog, "base2alog", 1, 1, 1},
        {mlxLogsamp, "logsamp", 1, 3, 2},
        {mlxSmooth, "smooth", 1, 1, 1},
        {mlxQuant, "quant", 1, 3, 1},
        {mlxFilio81, "filio81", 1, 1, 3},
        {mlxFilio_p81, "filio_p81", 1, 1, 3},
    };
    for (const auto& form : forms)
    {
        CFeval call;
        call.in.assign(std::size_t(form.inputs + 1), mwMatrix(1.0));
        EXPECT_EQ(CountMessage(form.name, form.line, "outputs", form.outputs),
                  ErrorOf([&] { call.Call(form.f, form.outputs + 1); }));
        EXPECT_EQ(CountMessage(form.name, form.line, "inputs", form.inputs),
                  ErrorOf([&] { call.Call(form.f, form.outputs); }));
    }
    // A feval call of the notch hands out both rows.
    CFeval call;
    call.in = {mwMatrix(200.0), mwMatrix(1000.0), mwMatrix(48000.0)};
    call.Call(mlxNotch, 2);
    ASSERT_NE(nullptr, call.plhs[1]);
    EXPECT_EQ(1.0, mclGetPr(call.plhs[1])[0]);
    EXPECT_NEAR(0.987078, mclGetPr(call.plhs[0])[0], 5e-7);
}
} // namespace
