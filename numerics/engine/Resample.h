// Log resampling and smoothing of a measured response, and fixed-point quantization.
#pragma once

#include "numerics/engine/Complex.h"

#include <span>
#include <vector>

namespace numerics
{
struct CLogSample
{
    std::vector<Complex> values; // every one finite
    std::vector<double> freq;    // Hz
};

// m over the ascending frequencies f (Hz, f1 may be 0) resampled at N frequencies evenly
// spaced on a log axis from f1 (f2 when f1 is not positive) to fn, by linear
// interpolation. A value that comes out not finite takes the finite one before it; a run
// at the start the first finite one after it. Raises CNumericsError when no value is
// finite or when the frequencies give no start.
CLogSample Logsamp(std::span<const Complex> m, std::span<const double> f, double N);

// One pass of the binomial kernel (1, 2, 1)/4 with the end values held:
// y_i = (x_{i−1} + 2·x_i + x_{i+1})/4 with x_0 = x_1 and x_{n+1} = x_n. Raises CNumericsError
// for an empty x.
std::vector<Complex> Smooth(std::span<const Complex> x);

// Each value truncated toward zero to b fractional bits, then saturated to the word of n
// integer bits (sign included): [−2^(n−1), 2^(n−1) − 2^(−b)].
std::vector<double> Quant(std::span<const double> x, double n, double b);
} // namespace numerics
