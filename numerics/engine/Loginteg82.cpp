#include "numerics/engine/Loginteg82.h"

#include "numerics/engine/NumericsError.h"

#include <cmath>

namespace numerics
{
std::vector<double> LogFrequencies(std::span<const double> f)
{
    if (f.empty())
        throw CNumericsError(kIndexExceeds);
    std::vector<double> lf(f.size());
    for (std::size_t i = 0; i < f.size(); ++i)
        lf[i] = std::log10(i == 0 && f[0] == 0.0 ? 1.0 : f[i]);
    return lf;
}

double Loginteg82(std::span<const double> e, std::span<const double> f)
{
    const std::vector<double> lf = LogFrequencies(f);
    if (e.size() != f.size())
        throw CNumericsError(kDimensionsDisagree);
    std::vector<double> magnitude(e.size());
    std::vector<double> dlf(e.size());
    for (std::size_t i = 0; i < e.size(); ++i)
    {
        magnitude[i] = std::fabs(e[i]);
        if (i + 1 < e.size())
            dlf[i] = lf[i + 1] - lf[i];
    }
    return TrapezoidSum(magnitude.data(), dlf.data(), e.size());
}
} // namespace numerics
