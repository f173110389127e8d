#include "numerics/engine/Freqz.h"

#include "numerics/engine/NumericsError.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

namespace numerics
{
namespace
{
std::vector<double> PaddedTo(std::span<const double> p, std::size_t length)
{
    std::vector<double> out(p.begin(), p.end());
    if (out.size() < length)
        out.resize(length, 0.0);
    return out;
}

// Σ p_m·e^(−2πj·q·m/L), the transform bin q of p zero-padded to length L, with the
// angle reduced exactly before the sine and cosine are taken.
Complex TransformBin(std::span<const double> p, std::uint64_t q, std::uint64_t L)
{
    Complex sum = 0.0;
    for (std::size_t m = 0; m < p.size(); ++m)
    {
        const double angle = (2.0 * std::numbers::pi * double((q * m) % L)) / double(L);
        sum += Complex(p[m] * std::cos(angle), -p[m] * std::sin(angle));
    }
    return sum;
}

std::uint64_t Gcd(std::uint64_t x, std::uint64_t y)
{
    while (y != 0)
        x = std::exchange(y, x % y);
    return x;
}

CFreqzResult PointCount(std::span<const double> b, std::span<const double> a, double count,
                        double fs)
{
    if (!(count >= 0.0) || count != std::floor(count) || count > 1e8)
        throw CNumericsError("The number of points must be a non-negative integer.");
    const auto n = static_cast<std::uint64_t>(count);
    const std::uint64_t longest = std::max(a.size(), b.size());
    // Coefficient rows longer than the transform of 2n points need a transform of 2·nfft
    // points, nfft = lcm(n, longest), read at every (nfft/n)-th bin.
    std::uint64_t nfft = n;
    if (n > 0 && (2 * n < a.size() || 2 * n < b.size()))
        nfft = n / Gcd(n, longest) * longest;
    CFreqzResult out;
    out.h.resize(n);
    out.f.resize(n);
    for (std::uint64_t k = 0; k < n; ++k)
    {
        const double omega = (((double(k) * 2.0) * std::numbers::pi) / count) / 2.0;
        const std::uint64_t bin = k * (nfft / n);
        out.h[k] = Divide(TransformBin(b, bin, 2 * nfft), TransformBin(a, bin, 2 * nfft));
        out.f[k] = ((omega * fs) / 2.0) / std::numbers::pi;
    }
    return out;
}
} // namespace

void FreqzList(std::span<const double> b, std::span<const double> a, const CFrequencyGrid& grid,
               Complex* h)
{
    const std::size_t length = std::max(a.size(), b.size());
    const std::vector<double> bp = PaddedTo(b, length);
    const std::vector<double> ap = PaddedTo(a, length);
    const auto re = grid.Re();
    const auto im = grid.Im();
    for (std::size_t i = 0; i < grid.Size(); ++i)
    {
        const Complex z(re[i], im[i]);
        h[i] = Divide(Polyval(bp, z), Polyval(ap, z));
    }
}

void MultiplyBiquadResponse(const double (&b)[3], const double (&a)[3], const CFrequencyGrid& grid,
                            std::span<Complex> resp)
{
    if (resp.size() != grid.Size())
        throw CNumericsError(kDimensionsDisagree);
    const double* zr = grid.Re().data();
    const double* zi = grid.Im().data();
    for (std::size_t i = 0; i < resp.size(); ++i)
    {
        // resp·N/D as resp·N·conj(D)/|D|², without branches.
        const CBiquadPoint p = BiquadAt(b, a, zr[i], zi[i]);
        const double rr = resp[i].real();
        const double ri = resp[i].imag();
        const double pr = rr * p.nr - ri * p.ni;
        const double pi = rr * p.ni + ri * p.nr;
        const double dd = p.dr * p.dr + p.di * p.di;
        resp[i] = Complex((pr * p.dr + pi * p.di) / dd, (pi * p.dr - pr * p.di) / dd);
    }
}

CFreqzResult Freqz(std::span<const double> b, std::span<const double> a, std::span<const double> n,
                   double fs)
{
    if (n.size() == 1)
        return PointCount(b, a, n[0], fs);
    const auto grid = CFrequencyGrid::For(n, fs);
    CFreqzResult out;
    out.h.resize(n.size());
    FreqzList(b, a, *grid, out.h.data());
    out.f.resize(n.size());
    const auto omega = grid->Omega();
    for (std::size_t i = 0; i < n.size(); ++i)
        out.f[i] = ((omega[i] * fs) / 2.0) / std::numbers::pi;
    return out;
}
} // namespace numerics
