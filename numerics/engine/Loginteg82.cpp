#include "numerics/engine/Loginteg82.h"

#include "numerics/engine/NumericsError.h"

#include <cmath>

namespace numerics
{
void LogFrequencies(std::span<const double> f, std::vector<double>& lf)
{
    if (f.empty())
        throw CNumericsError(kIndexExceeds);
    lf.resize(f.size());
    for (std::size_t i = 0; i < f.size(); ++i)
        lf[i] = std::log10(i == 0 && f[0] == 0.0 ? 1.0 : f[i]);
}

std::vector<double> LogFrequencies(std::span<const double> f)
{
    std::vector<double> lf;
    LogFrequencies(f, lf);
    return lf;
}

double Loginteg82(std::span<const double> e, std::span<const double> f, CLogintegScratch& scratch)
{
    LogFrequencies(f, scratch.lf);
    if (e.size() != f.size())
        throw CNumericsError(kDimensionsDisagree);
    scratch.magnitude.resize(e.size());
    scratch.dlf.resize(e.size());
    for (std::size_t i = 0; i < e.size(); ++i)
    {
        scratch.magnitude[i] = std::fabs(e[i]);
        if (i + 1 < e.size())
            scratch.dlf[i] = scratch.lf[i + 1] - scratch.lf[i];
    }
    return TrapezoidSum(scratch.magnitude.data(), scratch.dlf.data(), e.size());
}

double Loginteg82(std::span<const double> e, std::span<const double> f)
{
    CLogintegScratch scratch;
    return Loginteg82(e, f, scratch);
}
} // namespace numerics
