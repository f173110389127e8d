#include "numerics/engine/Fndmx83.h"

#include "numerics/CheckUserAbort.h"
#include "numerics/engine/Loginteg82.h"
#include "numerics/engine/NumericsError.h"

#include <cmath>
#include <vector>

namespace numerics
{
namespace
{
// The largest value and its 1-based position, the first of equals; NaNs are passed over
// (all NaN: NaN at position 1), as the run-time's two-output maximum does.
struct CMaximum
{
    double value;
    std::size_t position;
};

template <typename Value> CMaximum Maximum(std::size_t count, Value value)
{
    CMaximum best{std::nan(""), 1};
    for (std::size_t i = 0; i < count; ++i)
    {
        const double v = value(i);
        if (!std::isnan(v) && (std::isnan(best.value) || v > best.value))
            best = {v, i + 1};
    }
    return best;
}

// One pass over the curve outside one tolerance curve (excess or shortfall, 0 inside).
struct CPassResult
{
    double best = 0.0;   // largest area; 0 without regions
    double position = 0; // 1-based point of largest |resp − desired| in that region; 0: none
};

double RegionArea(const std::vector<double>& x, std::span<const double> freq, std::size_t s,
                  std::size_t e, CLogintegScratch& scratch)
{
    const std::size_t n = x.size();
    if (s == e && s > 1)
        return (std::fabs(x[s - 1]) * (std::log10(freq[s - 1]) - std::log10(freq[s - 2]))) / 2.0;
    if (s == e && n == 1)
        return std::fabs(x[0]); // no neighbour to take a width from
    if (s == e)
        return (std::fabs(x[0]) * (std::log10(freq[1]) - std::log10(freq[0]))) / 2.0;
    CheckUserAbort();
    return Loginteg82(std::span(x).subspan(s - 1, e - s + 1), freq.subspan(s - 1, e - s + 1),
                      scratch);
}

CPassResult Pass(const std::vector<double>& x, std::span<const double> resp,
                 std::span<const double> freq, std::span<const double> desired,
                 CPeakSearchBuffers& buffers)
{
    const std::size_t n = x.size();
    std::vector<std::size_t>& starts = buffers.starts;
    std::vector<std::size_t>& ends = buffers.ends;
    starts.clear();
    ends.clear();
    for (std::size_t i = 1; i <= n; ++i)
    {
        if (!(std::fabs(x[i - 1]) > 0.0))
            continue;
        // A NaN neighbour (a response of −inf dB) bounds a region like a point inside the
        // tolerance, so that every region has both its start and its end.
        if (i == 1 || !(std::fabs(x[i - 2]) > 0.0))
            starts.push_back(i);
        if (i == n || !(std::fabs(x[i]) > 0.0))
            ends.push_back(i);
    }
    CPassResult result;
    if (ends.empty())
        return result;
    std::vector<double>& area = buffers.area;
    std::vector<double>& peak = buffers.peak;
    area.assign(ends.size(), 0.0);
    peak.assign(ends.size(), 0.0);
    for (std::size_t k = 0; k < ends.size(); ++k)
    {
        const std::size_t s = starts[k];
        const std::size_t e = ends[k];
        area[k] = RegionArea(x, freq, s, e, buffers.loginteg);
        const CMaximum m = Maximum(e - s + 1, [&](std::size_t j)
                                   { return std::fabs(resp[s - 1 + j] - desired[s - 1 + j]); });
        peak[k] = double(s + m.position - 1);
    }
    const CMaximum top = Maximum(area.size(), [&](std::size_t k) { return area[k]; });
    result.best = top.value;
    result.position = peak[top.position - 1];
    return result;
}
} // namespace

CPeakStart Fndmx83(std::span<const double> resp, std::span<const double> upper,
                   std::span<const double> lower, std::span<const double> freq,
                   std::span<const double> desired)
{
    CPeakSearchBuffers buffers;
    return Fndmx83(resp, upper, lower, freq, desired, buffers);
}

CPeakStart Fndmx83(std::span<const double> resp, std::span<const double> upper,
                   std::span<const double> lower, std::span<const double> freq,
                   std::span<const double> desired, CPeakSearchBuffers& buffers)
{
    const std::size_t n = resp.size();
    if (upper.size() != n || lower.size() != n || freq.size() != n || desired.size() != n)
        throw CNumericsError(kDimensionsDisagree);
    std::vector<double>& excess = buffers.excess;
    std::vector<double>& shortfall = buffers.shortfall;
    excess.resize(n);
    shortfall.resize(n);
    for (std::size_t i = 0; i < n; ++i)
    {
        excess[i] = (resp[i] - upper[i]) * (resp[i] > upper[i] ? 1.0 : 0.0);
        shortfall[i] = (resp[i] - lower[i]) * (resp[i] < lower[i] ? 1.0 : 0.0);
    }
    const CPassResult above = Pass(excess, resp, freq, desired, buffers);
    const CPassResult below = Pass(shortfall, resp, freq, desired, buffers);

    if (above.best == 0.0 && below.best == 0.0)
        return {1.0, 1.0, 1.0};
    const double chosen = below.best > above.best ? below.position : above.position;
    if (chosen < 1.0)
        throw CNumericsError("No region outside the tolerance curves has a position.");
    const std::size_t idx = std::size_t(chosen);

    const double dev = resp[idx - 1] - desired[idx - 1];
    std::size_t j = idx;
    if (dev > 0.0)
        while (resp[j - 1] - desired[j - 1] > dev / 2.0 && j > 1)
            --j;
    else
        while (resp[j - 1] - desired[j - 1] < dev / 2.0 && j > 1)
            --j;
    double bw = freq[idx - 1] - freq[j - 1];
    if (bw <= 0.0)
        bw = freq[idx - 1] / 35.0;
    return {bw, std::pow(10.0, dev / 20.0), double(idx)};
}
} // namespace numerics
