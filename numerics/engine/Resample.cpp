#include "numerics/engine/Resample.h"

#include "numerics/engine/NumericsError.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace numerics
{
namespace
{
// 10 raised to N points evenly spaced from a to b, the last one 10^b itself.
std::vector<double> LogSpace(double a, double b, double N)
{
    const std::size_t count = N >= 1.0 ? std::size_t(std::floor(N)) : 0;
    std::vector<double> g(count);
    for (std::size_t k = 0; k + 1 < count; ++k)
        g[k] = std::pow(10.0, a + double(k) * (b - a) / double(count - 1));
    if (count > 0)
        g[count - 1] = std::pow(10.0, b);
    return g;
}

// The segment [x_r, x_r+1] holding value, the last point counted in the segment before
// it; none outside the points.
std::ptrdiff_t SegmentOf(std::span<const double> x, double value)
{
    if (std::isnan(value) || x.size() < 2)
        return -1;
    if (value == x.back())
        return std::ptrdiff_t(x.size()) - 2;
    const std::ptrdiff_t r = std::upper_bound(x.begin(), x.end(), value) - x.begin();
    return r > 0 && r < std::ptrdiff_t(x.size()) ? r - 1 : -1;
}

// Linear interpolation of y over x at xi; not-a-number outside x.
Complex Interpolate(std::span<const double> x, std::span<const Complex> y, double xi)
{
    const std::ptrdiff_t r = SegmentOf(x, xi);
    if (r < 0)
        return {NAN, NAN};
    const std::size_t i = std::size_t(r);
    const double u = (xi - x[i]) / (x[i + 1] - x[i]);
    return y[i] + (y[i + 1] - y[i]) * u;
}

bool IsFinite(Complex v)
{
    return std::isfinite(v.real()) && std::isfinite(v.imag());
}
} // namespace

CLogSample Logsamp(std::span<const Complex> m, std::span<const double> f, double N)
{
    if (f.empty() || (!(f[0] > 0.0) && f.size() < 2))
        throw CNumericsError(kIndexExceeds);
    if (m.size() != f.size())
        throw CNumericsError("Y must have length(X) rows.");
    const double start = f[0] > 0.0 ? f[0] : f[1];
    CLogSample out;
    out.freq = LogSpace(std::log10(start), std::log10(f.back()), N);
    out.values.reserve(out.freq.size());
    for (double g : out.freq)
        out.values.push_back(Interpolate(f, m, g));
    std::vector<Complex>& v = out.values;
    for (std::size_t k = 0; k < v.size(); ++k)
    {
        if (IsFinite(v[k]))
            continue;
        if (k > 0)
        {
            v[k] = v[k - 1];
            continue;
        }
        const auto next = std::find_if(v.begin() + 1, v.end(), IsFinite);
        if (next == v.end())
            throw CNumericsError(kIndexExceeds);
        v[0] = *next;
    }
    return out;
}

std::vector<Complex> Smooth(std::span<const Complex> x)
{
    if (x.empty())
        throw CNumericsError(kIndexExceeds);
    std::vector<Complex> extended;
    extended.reserve(x.size() + 2);
    extended.push_back(x.front());
    extended.insert(extended.end(), x.begin(), x.end());
    extended.push_back(x.back());
    // Elements 3 to n + 2 of conv([0.25 0.5 0.25], extended), summed as the run-time's conv.
    const Complex kernel[3] = {0.25, 0.5, 0.25};
    std::vector<Complex> y(x.size());
    for (std::size_t i = 0; i < y.size(); ++i)
    {
        const std::size_t k = i + 2;
        Complex total = 0.0;
        for (std::size_t j = 0; j < 3; ++j)
            total += kernel[j] * extended[k - j];
        y[i] = total;
    }
    return y;
}

std::vector<double> Quant(std::span<const double> x, double n, double b)
{
    const double q = std::pow(2.0, -b);
    const double upper = std::pow(2.0, n - 1.0) - std::pow(2.0, -b);
    const double lower = -std::pow(2.0, n - 1.0);
    std::vector<double> y(x.size());
    // min and max pass over a not-a-number operand, as the run-time's do.
    for (std::size_t i = 0; i < x.size(); ++i)
        y[i] = std::fmax(lower, std::fmin(upper, q * std::trunc(x[i] / q)));
    return y;
}
} // namespace numerics
