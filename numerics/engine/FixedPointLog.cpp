#include "numerics/engine/FixedPointLog.h"

#include <cmath>

namespace numerics
{
namespace
{
double Power2(int k)
{
    return std::pow(2.0, double(k));
}
} // namespace

bool Base2LogInRange(double x)
{
    return !(std::fabs(x) > Power2(47) - 1.0);
}

bool Base2AlogInRange(double L)
{
    return !(std::fabs(L) > Power2(24) - 1.0);
}

double Base2Log(double x)
{
    double fraction = 0.0;
    double integer = 31.0;
    int i = 46;
    for (;; --i)
    {
        if (!(x < Power2(i)))
        {
            integer = 46.0 - i;
            break;
        }
        if (i == 15)
            break;
    }
    double r = x - Power2(i);
    for (int j = 1; j <= 4; ++j)
    {
        if (r < Power2(i - j))
            fraction = fraction + 1.0 / Power2(j);
        else
            r = r - Power2(i - j);
    }
    return fraction + integer;
}

double Base2Alog(double L)
{
    double m = 0.0;
    if (L < 0.0)
        L = 0.0;
    // min and max pass over a not-a-number operand, as the run-time's do.
    const double n = std::fmin(31.0, std::fmax(0.0, std::floor(L)));
    double f = L - std::floor(L);
    for (int j = 1; j <= 4; ++j)
    {
        if (f < 1.0 / Power2(j))
            m = m + 1.0 / Power2(j);
        else
            f = f - Power2(0 - j);
    }
    const double scale = std::pow(2.0, 3.0 - n);
    double y = std::fmax(Power2(-23), (1.0 + m) * scale);
    y = std::floor(y * Power2(23)) / Power2(23);
    return y;
}
} // namespace numerics
