// The points on the unit circle for a list of frequencies: z = exp(j·ω), ω = ((2·π)·f)/fs.
//
// Every trial evaluation of the optimizers and every filter response of the speaker
// document needs them for the same frequency vector again and again; CFrequencyGrid::For
// keeps the last few grids of the calling thread and hands out a shared one when the
// frequencies and the sample rate are bit for bit those of a kept grid.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace numerics
{
class CFrequencyGrid
{
public:
    CFrequencyGrid(std::span<const double> freq, double fs);

    // A grid for these frequencies and this sample rate, shared with earlier callers when
    // one is kept for exactly the same values.
    static std::shared_ptr<const CFrequencyGrid> For(std::span<const double> freq, double fs);

    std::size_t Size() const { return m_re.size(); }
    double SampleRate() const { return m_fs; }
    std::span<const double> Omega() const { return m_omega; } // radians per sample
    std::span<const double> Re() const { return m_re; }       // cos ω
    std::span<const double> Im() const { return m_im; }       // sin ω

    bool Matches(std::span<const double> freq, double fs) const;

private:
    std::vector<double> m_freq;
    double m_fs;
    std::vector<double> m_omega;
    std::vector<double> m_re;
    std::vector<double> m_im;
};
} // namespace numerics
