// Trapezoidal area of |e| over log10 of the frequency:
// I = ½ · Σ (|e_i| + |e_{i+1}|) · (log10 f_{i+1} − log10 f_i).
// A first frequency of exactly 0 counts as 1 Hz. No normalisation: results compare only
// between calls over the same frequencies. With e in dB the unit is dB·decade.
#pragma once

#include <span>
#include <vector>

namespace numerics
{
// Throws CNumericsError for an empty frequency vector or vectors of different lengths.
double Loginteg82(std::span<const double> e, std::span<const double> f);

// The memory of a Loginteg82 call, kept by callers that make many.
struct CLogintegScratch
{
    std::vector<double> lf;
    std::vector<double> magnitude;
    std::vector<double> dlf;
};
// Loginteg82 in the scratch's memory; the same operations in the same order.
double Loginteg82(std::span<const double> e, std::span<const double> f, CLogintegScratch& scratch);

// log10 of each frequency with the first-point rule above; the abscissae of Loginteg82.
std::vector<double> LogFrequencies(std::span<const double> f);
// The same into lf (resized to f's length).
void LogFrequencies(std::span<const double> f, std::vector<double>& lf);

// The trapezoid sum over precomputed log-frequency steps (dlf[i] = lf[i+1] − lf[i]) of
// values that are already magnitudes; the same operations in the same order as Loginteg82.
inline double TrapezoidSum(const double* magnitude, const double* dlf, std::size_t n)
{
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < n; ++i)
        sum += (magnitude[i] + magnitude[i + 1]) * dlf[i];
    return sum / 2.0;
}
} // namespace numerics
