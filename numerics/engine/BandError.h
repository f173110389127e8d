// The error of a response over the optimization band, with and without one more peaking
// section: loginteg82(20·log10(|resp(band) .* h(band)|) − desired(band), freq(band)).
//
// One model serves every trial evaluation against the same response: the level of the
// response in dB, its deviation from the desired curve and the log-frequency steps of the
// band are computed once, and a trial section costs one pass over the band with no heap
// traffic. The section's own level enters as 10·log10(|N|²/|D|²) of its numerator and
// denominator at the band's unit-circle points; results agree with the plain formula up
// to rounding, and equal sections always give equal errors. A flat section (b equal to a)
// gives exactly the error of the response alone.
#pragma once

#include "numerics/engine/Complex.h"
#include "numerics/engine/FrequencyGrid.h"

#include <cstddef>
#include <span>
#include <vector>

namespace numerics
{
// Positions first..last (0-based, inclusive) of the full frequency vector; empty when
// last < first.
struct CBand
{
    std::ptrdiff_t first = 0;
    std::ptrdiff_t last = -1;

    std::size_t Size() const { return last < first ? 0 : std::size_t(last - first + 1); }
    // The band (iLow + 1):(n − jHigh + 1) of 1-based positions; throws CNumericsError when
    // the counts are not whole numbers or the band reaches past n or below 1.
    static CBand FromCounts(double iLow, double jHigh, double n);
    template <typename T> std::span<const T> Of(std::span<const T> v) const
    {
        return v.subspan(std::size_t(first), Size());
    }
};

// The number of SectionError calls made on this thread so far (for the benchmark's
// figures; costs one increment per evaluation).
unsigned long long TrialEvaluationCount();

class CBandErrorModel
{
public:
    // An empty model, for Rebuild.
    CBandErrorModel() = default;
    // resp, desired and the grid cover all n points; the band must lie inside them.
    CBandErrorModel(const CFrequencyGrid& grid, std::span<const Complex> resp,
                    std::span<const double> desired, std::span<const double> freq, CBand band);

    // The model of another response (or band), in the memory this model already holds:
    // the optimizer rebuilds its model at every placement, and on long responses taking
    // fresh memory each time costs as much as the evaluations themselves.
    void Rebuild(const CFrequencyGrid& grid, std::span<const Complex> resp,
                 std::span<const double> desired, std::span<const double> freq, CBand band);

    // 20·log10(|resp|) over the band (what the peak search reads).
    std::span<const double> Level() const { return m_level; }
    // The error of resp alone.
    double ResponseError() const;
    // The error of resp with the section b/a (1-by-3 rows) multiplied in.
    double SectionError(const double (&b)[3], const double (&a)[3]) const;

private:
    std::vector<double> m_zRe; // band points on the unit circle
    std::vector<double> m_zIm;
    std::vector<double> m_level;     // 20·log10|resp|
    std::vector<double> m_deviation; // level − desired
    std::vector<double> m_lf;        // log10 f
    std::vector<double> m_dlf;       // log10 f(i+1) − log10 f(i)
    mutable std::vector<double> m_work;
};
} // namespace numerics
