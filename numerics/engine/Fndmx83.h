// Peak search: where the next equalizing filter goes.
//
// Over the optimization band, finds the stretches where the response lies above the upper
// or below the lower tolerance curve, ranks them by their area over a logarithmic
// frequency axis, takes the worst, and inside it the point of largest deviation from the
// desired curve. Returns starting values for a peaking section that counters it.
#pragma once

#include "numerics/engine/Loginteg82.h"

#include <cstddef>
#include <span>
#include <vector>

namespace numerics
{
struct CPeakStart
{
    double bw;   // Hz: from the chosen point down to the half-deviation point, or f/35
    double gain; // 10^(dev/20), dev = resp − desired at the chosen point (dB)
    double idx;  // 1-based position of the chosen point within the band
};

// resp, upper, lower, desired in dB and freq in Hz, all of one length, rising frequency.
// With nothing outside the tolerance curves (or no points) all three results are 1.
// Each area of a region of two or more points is one loginteg82 call and so one
// cancellation point. A band of a single point that lies outside is ranked by the
// magnitude of its excess and gets bw = f/35. Throws CNumericsError for vectors of
// different lengths.
CPeakStart Fndmx83(std::span<const double> resp, std::span<const double> upper,
                   std::span<const double> lower, std::span<const double> freq,
                   std::span<const double> desired);

// The memory of a peak search, kept by the optimizer from placement to placement.
struct CPeakSearchBuffers
{
    std::vector<double> excess;
    std::vector<double> shortfall;
    std::vector<std::size_t> starts;
    std::vector<std::size_t> ends;
    std::vector<double> area;
    std::vector<double> peak;
    CLogintegScratch loginteg;
};
// The same search in the buffers' memory.
CPeakStart Fndmx83(std::span<const double> resp, std::span<const double> upper,
                   std::span<const double> lower, std::span<const double> freq,
                   std::span<const double> desired, CPeakSearchBuffers& buffers);
} // namespace numerics
