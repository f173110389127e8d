// What log resampling adds to the run-time's logspace and interp1q, and fixed-point
// quantization.
#pragma once

#include "numerics/engine/Complex.h"

#include <span>
#include <vector>

namespace numerics
{
// Where the log grid over the ascending frequencies f (Hz) starts: f1, or f2 when f1 is
// not positive (a point at 0 Hz). Raises CNumericsError when that point does not exist.
double LogGridStart(std::span<const double> f);

// Every value that is not finite (in either part) takes the finite value before it; a run
// at the start takes the first finite value after it. Raises CNumericsError when no value
// is finite.
void RepairNotFinite(std::span<Complex> v);

// Each value truncated toward zero to b fractional bits, then saturated to the word of n
// integer bits (sign included): [−2^(n−1), 2^(n−1) − 2^(−b)].
std::vector<double> Quant(std::span<const double> x, double n, double b);
} // namespace numerics
