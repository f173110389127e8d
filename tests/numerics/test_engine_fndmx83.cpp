// Peak search: regions outside the tolerance curves, their ranking and the start values.
#include "FakePump.h"
#include "numerics/engine/Fndmx83.h"
#include "numerics/engine/NumericsError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace numerics;

namespace
{
using V = std::vector<double>;

// Decades: every log-frequency step is exactly 1, so areas can be compared exactly.
const V kDecades{10.0, 100.0, 1000.0, 10000.0, 100000.0};
const V kUpper(5, 1.0);
const V kLower(5, -1.0);
const V kFlat(5, 0.0);

struct Case
{
    const char* name;
    V resp;
    V upper;
    V desired;
    double bw;
    double gainDb;
    double idx;
    long checks; // loginteg82 calls: regions of two or more points
};

double Db(double dB)
{
    return std::pow(10.0, dB / 20.0);
}

const Case kCases[] = {
    {"inside, touching the curves exactly", {0, 0.5, -0.5, 1, -1}, kUpper, kFlat, 1, 0, 1, 0},
    {"lone peak in the middle", {0, 0, 3, 0, 0}, kUpper, kFlat, 900, 3, 3, 0},
    {"lone peak at the first point", {3, 0, 0, 0, 0}, kUpper, kFlat, 10 / 35.0, 3, 1, 0},
    {"lone peak at the last point", {0, 0, 0, 0, 3}, kUpper, kFlat, 90000, 3, 5, 0},
    {"peak and dip of equal area: the peak", {0, 3, 0, -3, 0}, kUpper, kFlat, 90, 3, 2, 0},
    {"dip of larger area wins", {0, 3, 0, -3.5, 0}, kUpper, kFlat, 9000, -3.5, 4, 0},
    {"regions open at 1 and close at n; first of equals",
     {2, 2, 0, 2, 2},
     kUpper,
     kFlat,
     10 / 35.0,
     2,
     1,
     2},
    {"wide shallow region beats a narrow high one",
     {2.5, 2.6, 2.5, 0, 3.6},
     kUpper,
     kFlat,
     90,
     2.6,
     2,
     1},
    {"narrow high region beats a wide shallow one",
     {2.5, 2.6, 2.5, 0, 8},
     kUpper,
     kFlat,
     90000,
     8,
     5,
     1},
    {"farthest from desired, not from the tolerance",
     {0, 2, 3, 0, 0},
     {1, 1, 2.5, 1, 1},
     kFlat,
     990,
     3,
     3,
     1},
    {"left neighbour already inside half the deviation",
     {0, 1.4, 3, 0, 0},
     kUpper,
     kFlat,
     900,
     3,
     3,
     1},
    {"flat above a flat upper curve", {2, 2, 2, 2, 2}, kUpper, kFlat, 10 / 35.0, 2, 1, 1},
    {"desired curve itself outside",
     {0, 0, 5, 0, 0},
     kUpper,
     {0, 0, 5, 0, 0},
     1000 / 35.0,
     0,
     3,
     0},
};

TEST(Fndmx83, Cases)
{
    for (const Case& c : kCases)
    {
        CFakePump pump;
        const CPeakStart s = Fndmx83(c.resp, c.upper, kLower, kDecades, c.desired);
        EXPECT_DOUBLE_EQ(c.bw, s.bw) << c.name;
        EXPECT_DOUBLE_EQ(Db(c.gainDb), s.gain) << c.name;
        EXPECT_EQ(c.idx, s.idx) << c.name;
        EXPECT_EQ(c.checks, pump.checks) << c.name;
    }
}

TEST(Fndmx83, LonePointAreaUsesItsLeftNeighbour)
{
    // A lone point's area is its excess times the log step to its left neighbour, halved:
    // the same two peaks rank the other way round when the left steps change.
    const V upper(4, 1.0), lower(4, -1.0), desired(4, 0.0);
    const V resp{0, 4, 0, 1.5};
    EXPECT_EQ(2.0, Fndmx83(resp, upper, lower, V{100, 150, 200, 400}, desired).idx);
    EXPECT_EQ(4.0, Fndmx83(resp, upper, lower, V{100, 101, 200, 10000}, desired).idx);
}

TEST(Fndmx83, EmptyBandAndSinglePointBand)
{
    const CPeakStart none = Fndmx83({}, {}, {}, {}, {});
    EXPECT_EQ(1.0, none.bw);
    EXPECT_EQ(1.0, none.gain);
    EXPECT_EQ(1.0, none.idx);

    // One point outside: no neighbour to read, the width is f/35.
    const CPeakStart one = Fndmx83(V{3.0}, V{1.0}, V{-1.0}, V{500.0}, V{0.0});
    EXPECT_DOUBLE_EQ(500.0 / 35.0, one.bw);
    EXPECT_DOUBLE_EQ(Db(3.0), one.gain);
    EXPECT_EQ(1.0, one.idx);
    const CPeakStart inside = Fndmx83(V{0.5}, V{1.0}, V{-1.0}, V{500.0}, V{0.0});
    EXPECT_EQ(1.0, inside.bw);
}

TEST(Fndmx83, SilentPointDoesNotBreakTheRegions)
{
    const double silent = -std::numeric_limits<double>::infinity();
    const CPeakStart s = Fndmx83(V{silent, 3, 3, 0, 0}, kUpper, kLower, kDecades, kFlat);
    EXPECT_EQ(1.0, s.idx);
    EXPECT_EQ(0.0, s.gain);
}

TEST(Fndmx83, VectorsOfDifferentLengthsFail)
{
    EXPECT_THROW(Fndmx83(V{0, 3}, V{1}, V{-1, -1}, V{10, 100}, V{0, 0}), CNumericsError);
}

TEST(Fndmx83, StopDuringAnAreaEndsTheSearch)
{
    CFakePump pump;
    pump.onCheck = [](long) { g_nUserAbort = 1; };
    EXPECT_THROW(Fndmx83(V{2, 2, 0, 2, 2}, kUpper, kLower, kDecades, kFlat), CUserAbortException);
    EXPECT_EQ(1, pump.checks);
}
} // namespace
