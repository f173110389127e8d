#include "numerics/engine/FrequencyGrid.h"

#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

namespace numerics
{
namespace
{
// Enough for the calculation's grid, the plotting grid and a loudness grid side by side.
constexpr std::size_t kKeptGrids = 4;

struct CGridCache
{
    std::array<std::shared_ptr<const CFrequencyGrid>, kKeptGrids> grids;
    std::size_t next = 0;
};

thread_local CGridCache t_cache;
} // namespace

CFrequencyGrid::CFrequencyGrid(std::span<const double> freq, double fs)
    : m_freq(freq.begin(), freq.end()), m_fs(fs), m_omega(freq.size()), m_re(freq.size()),
      m_im(freq.size())
{
    const double twoPi = 2.0 * std::numbers::pi;
    for (std::size_t i = 0; i < freq.size(); ++i)
    {
        m_omega[i] = (twoPi * freq[i]) / fs;
        m_re[i] = std::cos(m_omega[i]);
        m_im[i] = std::sin(m_omega[i]);
    }
}

bool CFrequencyGrid::Matches(std::span<const double> freq, double fs) const
{
    return freq.size() == m_freq.size() && std::memcmp(&fs, &m_fs, sizeof fs) == 0 &&
           (freq.empty() || std::memcmp(freq.data(), m_freq.data(), freq.size_bytes()) == 0);
}

std::shared_ptr<const CFrequencyGrid> CFrequencyGrid::For(std::span<const double> freq, double fs)
{
    CGridCache& cache = t_cache;
    for (const auto& grid : cache.grids)
        if (grid && grid->Matches(freq, fs))
            return grid;
    auto grid = std::make_shared<const CFrequencyGrid>(freq, fs);
    cache.grids[cache.next] = grid;
    cache.next = (cache.next + 1) % kKeptGrids;
    return grid;
}
} // namespace numerics
