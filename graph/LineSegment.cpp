#include "graph/LineSegment.h"

#include "graph/Assert.h"

#include <algorithm>
#include <cmath>

namespace
{
// tan(89.9 degrees), about 572.96.
double VerticalSlopeLimit()
{
    const double pi = 2.0 * std::asin(1.0);
    return std::tan(pi / 180.0 * 89.9);
}
} // namespace

bool CLineSegment::Set(const CDoublePoint& first, const CDoublePoint& second)
{
    if (first.x == second.x && first.y == second.y)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    const double limit = VerticalSlopeLimit();
    m_First = first;
    m_Second = second;
    if (first.x != second.x)
    {
        m_dSlope = (second.y - first.y) / (second.x - first.x);
        m_bVertical = std::fabs(m_dSlope) >= limit;
        m_dIntercept = m_bVertical ? first.x : first.y - m_dSlope * first.x;
    }
    else
    {
        m_bVertical = true;
        m_dSlope = limit;
        m_dIntercept = first.x;
    }
    m_bInitialized = true;
    return true;
}

bool CLineSegment::IsVertical() const
{
    MORVANE_CHECK(m_bInitialized);
    return m_bVertical;
}

double CLineSegment::YAtX(double x) const
{
    if (!m_bInitialized || m_bVertical)
    {
        MORVANE_CHECK_FAILED();
        return 0.0;
    }
    return m_dSlope * x + m_dIntercept;
}

double CLineSegment::XAtY(double y) const
{
    if (!m_bInitialized)
    {
        MORVANE_CHECK_FAILED();
        return 0.0;
    }
    if (m_bVertical)
        return m_dIntercept;
    if (m_dSlope == 0.0)
    {
        MORVANE_CHECK_FAILED();
        return m_First.x;
    }
    return (y - m_dIntercept) / m_dSlope;
}

bool CLineSegment::IsWithinXRange(double x) const
{
    if (!m_bInitialized)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    return std::min(m_First.x, m_Second.x) <= x && x <= std::max(m_First.x, m_Second.x);
}

double CLineSegment::DistanceOutsideXRange(double x) const
{
    if (!m_bInitialized)
    {
        MORVANE_CHECK_FAILED();
        return 0.0;
    }
    if (IsWithinXRange(x))
        return 0.0;
    return std::min(std::fabs(m_First.x - x), std::fabs(m_Second.x - x));
}

double CLineSegment::GetSlope() const
{
    if (!m_bInitialized)
    {
        MORVANE_CHECK_FAILED();
        return 0.0;
    }
    return m_dSlope;
}

double CLineSegment::GetIntercept() const
{
    if (!m_bInitialized)
    {
        MORVANE_CHECK_FAILED();
        return 0.0;
    }
    return m_dIntercept;
}

bool LineEquationFromPoints(const CDoublePoint* p1, const CDoublePoint* p2, double* dx, double* dy,
                            double* c)
{
    if (!MORVANE_CHECK(p1 && p2 && dx && dy && c))
        return false;
    *dx = p2->x - p1->x;
    *dy = p2->y - p1->y;
    *c = *dx * p1->y - *dy * p1->x;
    return true;
}

bool LineEquationFromPoints(const CPoint* p1, const CPoint* p2, double* dx, double* dy, double* c)
{
    if (!MORVANE_CHECK(p1 && p2 && dx && dy && c))
        return false;
    *dx = double(p2->x) - double(p1->x);
    *dy = double(p2->y) - double(p1->y);
    *c = double(p1->y) * *dx - double(p1->x) * *dy;
    return true;
}
