// Frequency response of a digital filter from its numerator b and denominator a
// (coefficients of ascending powers of z⁻¹):
// H(ω) = Σ b_k·e^(−jω(k−1)) / Σ a_k·e^(−jω(k−1)).
#pragma once

#include "numerics/engine/Complex.h"
#include "numerics/engine/FrequencyGrid.h"

#include <span>
#include <vector>

namespace numerics
{
struct CFreqzResult
{
    std::vector<Complex> h; // response
    std::vector<double> f;  // frequencies in Hz
};

// h at the grid's frequencies: polyval(b, z) ./ polyval(a, z), the shorter row padded
// with zeros at its end. Writes grid.Size() values.
void FreqzList(std::span<const double> b, std::span<const double> a, const CFrequencyGrid& grid,
               Complex* h);

// The same for a biquad, multiplied into resp element by element (resp = resp .* h).
void MultiplyBiquadResponse(const double (&b)[3], const double (&a)[3], const CFrequencyGrid& grid,
                            std::span<Complex> resp);

// Both modes: one element in n is a number of points spaced evenly over the upper half of
// the unit circle (ω_k = πk/n, k = 0 … n−1); anything else is a list of frequencies in Hz.
// f = ((ω·fs)/2)/π.
CFreqzResult Freqz(std::span<const double> b, std::span<const double> a, std::span<const double> n,
                   double fs);
} // namespace numerics
