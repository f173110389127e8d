// The top-level optimizer: one call adds one peaking EQ section to the set of equalizing
// filters and re-tunes the set.
//
// Placement: the peak search gives starting values at the worst region outside the
// tolerance curves; bandwidth, amplitude and centre frequency are then tuned in turn by
// the one-parameter optimizers until the relative change of the error over one iteration
// is at most singleTol (or 250 iterations), keeping the best set seen. With two or more
// filters every filter is then re-placed in turn against the response of all the others
// (at least k, at most 45 iterations, while the relative change exceeds jointTol), and
// the best parameter matrix seen is returned.
#pragma once

#include "numerics/engine/Complex.h"

#include <array>
#include <span>
#include <vector>

namespace numerics
{
// One row per peaking section: [1, gain dB = 20·log10(1/amp), bandwidth Hz, centre Hz,
// 0, 0, 0, 0].
using CParameterRow = std::array<double, 8>;
using CParameterMatrix = std::vector<CParameterRow>;

struct CMvq83Inputs
{
    double fs = 0.0;                     // sample rate, Hz
    double iLow = 0.0;                   // points below the band: the band starts at iLow + 1
    double jHigh = 0.0;                  // the band ends at n − jHigh + 1
    std::span<const double> freq;        // n frequencies, Hz
    std::span<const Complex> base;       // n points: the response with the fixed filters
    const CParameterMatrix* P = nullptr; // the k sections so far (may be null when k is 0)
    double k = 0.0;
    double n = 0.0;
    std::span<const double> desired; // dB
    std::span<const double> upper;   // dB
    std::span<const double> lower;   // dB
    std::span<const Complex> resp;   // base with the k sections applied (unused when k is 0)
    double singleTol = 0.001;
    double jointTol = 0.01;
};

struct CMvq83Result
{
    CParameterMatrix P;
    double k = 0.0;
    std::vector<Complex> resp;
};

// The body: the cancellation points of the peak search, the bandwidth and amplitude
// optimizers and of every error measurement, in the order the calls are made; not the one
// at the entry of mvq83 itself. The inputs are not changed; a stop or a failure leaves
// nothing behind. Throws CNumericsError for vectors or counts that do not fit together.
CMvq83Result Mvq83Body(const CMvq83Inputs& in);

// The normal form: the cancellation point at the entry, then the body.
CMvq83Result Mvq83(const CMvq83Inputs& in);

// resp .* (the response of the peaking section of one row) at freq, the gain taken
// back from the row's dB value.
void ApplyParameterRow(const CParameterRow& row, double fs, std::span<const double> freq,
                       std::span<Complex> resp);
} // namespace numerics
