#include "numerics/engine/Apcoef80.h"

#include <cmath>
#include <numbers>

namespace numerics
{
CPeakingSection Apcoef80(double V0, double fb, double fc, double fs)
{
    constexpr double pi = std::numbers::pi;
    const double t = std::tan((pi * fb) / fs);
    // NaN gains take the boost branch, as every gain that is not a cut.
    const double k = V0 < 1.0 ? (t - V0) / (t + V0) : (t - 1.0) / (t + 1.0);
    const double H0 = V0 - 1.0;
    const double d = -std::cos(((2.0 * pi) * fc) / fs);
    const double half = ((1.0 + k) * H0) / 2.0;
    const double b1 = d * (1.0 - k);
    CPeakingSection s{};
    s.b[0] = 1.0 + half;
    s.b[1] = b1;
    s.b[2] = -k - half;
    s.a[0] = 1.0;
    s.a[1] = b1;
    s.a[2] = -k;
    s.d = d;
    s.minusK = -k;
    s.H0 = H0;
    return s;
}
} // namespace numerics
