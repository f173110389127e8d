// What a raw response of many points costs in memory: log sampling and the calculation
// refuse a point count that does not fit what the system can still give
// (SystemMemory.h), instead of the system ending the program with everything unsaved.
#pragma once

#include <cstdint>

// Bytes per raw response point, measured with the program's windows at 1,000,000 points
// (bench/README.md, BM_LogSampleMemory), with a tenth more as margin. Log sampling: the
// new response, its curves in the four speaker windows and the desired and tolerance
// curves made on it (measured 289).
constexpr std::uint64_t kLogSampleBytesPerPoint = 320;
// What a calculation adds at its peak while it places its first filter: the optimizer's
// model of the band, the working and modified responses and their curves, the filter's
// curves (measured 332).
constexpr std::uint64_t kCalculationBytesPerPoint = 370;
// What each further filter adds: its curves in the two filter windows (measured 156).
constexpr std::uint64_t kCalculatedFilterBytesPerPoint = 175;
