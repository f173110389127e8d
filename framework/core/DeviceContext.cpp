#include "framework/core/DeviceContext.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace
{
int RoundClamped(double v)
{
    if (std::isnan(v))
        return 0;
    v = std::round(v);
    return int(std::clamp(v, double(INT_MIN), double(INT_MAX)));
}

double SafeRatio(int num, int den)
{
    return den == 0 ? 1.0 : double(num) / double(den);
}
} // namespace

void CDC::Scales(double& sx, double& sy) const
{
    if (m_nMapMode != MM_ISOTROPIC && m_nMapMode != MM_ANISOTROPIC)
    {
        sx = sy = 1.0;
        return;
    }
    sx = SafeRatio(m_ViewportExt.cx, m_WindowExt.cx);
    sy = SafeRatio(m_ViewportExt.cy, m_WindowExt.cy);
    if (m_nMapMode == MM_ISOTROPIC)
    {
        const double m = std::min(std::fabs(sx), std::fabs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
    }
    if (sx == 0.0)
        sx = 1.0;
    if (sy == 0.0)
        sy = 1.0;
}

void CDC::Map(CPoint* points, int count, bool toLogical) const
{
    double sx, sy;
    Scales(sx, sy);
    const CPoint from = toLogical ? m_ViewportOrg : m_WindowOrg;
    const CPoint to = toLogical ? m_WindowOrg : m_ViewportOrg;
    if (toLogical)
    {
        sx = 1.0 / sx;
        sy = 1.0 / sy;
    }
    for (int i = 0; points && i < count; ++i)
    {
        points[i].x = RoundClamped((points[i].x - double(from.x)) * sx + to.x);
        points[i].y = RoundClamped((points[i].y - double(from.y)) * sy + to.y);
    }
}
