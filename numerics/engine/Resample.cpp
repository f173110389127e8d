#include "numerics/engine/Resample.h"

#include "numerics/engine/NumericsError.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace numerics
{
namespace
{
bool IsFinite(Complex v)
{
    return std::isfinite(v.real()) && std::isfinite(v.imag());
}
} // namespace

double LogGridStart(std::span<const double> f)
{
    if (f.empty() || (!(f[0] > 0.0) && f.size() < 2))
        throw CNumericsError(kIndexExceeds);
    return f[0] > 0.0 ? f[0] : f[1];
}

void RepairNotFinite(std::span<Complex> v)
{
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
