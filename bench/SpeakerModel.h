// Synthetic two-way speaker responses for the benchmarks: a woofer (45 Hz high-pass,
// 700 Hz bump, 1.4 kHz dip) and a tweeter 2 dB hotter with a 9 kHz bump, joined by a
// 2.2 kHz Linkwitz-Riley crossover.
#pragma once

#include "numerics/engine/Complex.h"

#include <vector>

namespace bench
{
struct CSpeakerCase
{
    std::vector<double> freq;
    std::vector<numerics::Complex> response;
};

std::vector<double> LogGrid(int points, double from, double to);
// The grids of the whole-calculation benchmarks: 0: 300 log-spaced points, 1: 1000
// log-spaced points (both 20 Hz to 20 kHz); 2: 10000 points every 2.5 Hz from 2.5 Hz to
// 25 kHz.
std::vector<double> CaseGrid(int which);
std::vector<double> LinearGrid(int points, double from, double to);
std::vector<numerics::Complex> TwoWaySpeaker(const std::vector<double>& freq, double fs);
} // namespace bench
