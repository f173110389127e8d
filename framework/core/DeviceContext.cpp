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

CPen CDC::SelectObject(const CPen& pen)
{
    return std::exchange(m_Pen, pen);
}
CBrush CDC::SelectObject(const CBrush& brush)
{
    return std::exchange(m_Brush, brush);
}
CFont CDC::SelectObject(const CFont& font)
{
    return std::exchange(m_Font, font);
}

unsigned CDC::SetTextAlign(unsigned flags)
{
    return std::exchange(m_nTextAlign, flags);
}
COLORREF CDC::SetTextColor(COLORREF color)
{
    return std::exchange(m_TextColor, color);
}
int CDC::SetBkMode(int mode)
{
    return std::exchange(m_nBkMode, mode);
}
int CDC::SetROP2(int rop)
{
    return std::exchange(m_nROP2, rop);
}
int CDC::SetMapMode(int mode)
{
    return std::exchange(m_nMapMode, mode);
}
CSize CDC::SetWindowExt(CSize ext)
{
    return std::exchange(m_WindowExt, ext);
}
CPoint CDC::SetWindowOrg(CPoint org)
{
    return std::exchange(m_WindowOrg, org);
}
CSize CDC::SetViewportExt(CSize ext)
{
    return std::exchange(m_ViewportExt, ext);
}
CPoint CDC::SetViewportOrg(CPoint org)
{
    return std::exchange(m_ViewportOrg, org);
}

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

void CDC::DPtoLP(CPoint* points, int count) const
{
    double sx, sy;
    Scales(sx, sy);
    for (int i = 0; points && i < count; ++i)
    {
        points[i].x = RoundClamped((points[i].x - double(m_ViewportOrg.x)) / sx + m_WindowOrg.x);
        points[i].y = RoundClamped((points[i].y - double(m_ViewportOrg.y)) / sy + m_WindowOrg.y);
    }
}

void CDC::LPtoDP(CPoint* points, int count) const
{
    double sx, sy;
    Scales(sx, sy);
    for (int i = 0; points && i < count; ++i)
    {
        points[i].x = RoundClamped((points[i].x - double(m_WindowOrg.x)) * sx + m_ViewportOrg.x);
        points[i].y = RoundClamped((points[i].y - double(m_WindowOrg.y)) * sy + m_ViewportOrg.y);
    }
}
