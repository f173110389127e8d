#include "graph/WideDashedLine.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/MorvaneUtilities.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

CWideDashedLine::CWideDashedLine(const CPoint* pPoints, unsigned nCount, int nWidth, int nDash,
                                 int nGap, COLORREF color, int nUnused)
{
    Set(pPoints, nCount, nWidth, nDash, nGap, color, nUnused);
}

double CWideDashedLine::SegmentLength(const CPoint& a, const CPoint& b)
{
    const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    if (SameX(a, b))
        return std::fabs(dy);
    if (SameY(a, b))
        return std::fabs(dx);
    return std::sqrt(dx * dx + dy * dy);
}

CPoint CWideDashedLine::OffsetAlong(const CPoint& a, const CPoint& b, double d)
{
    if (SameX(a, b))
        return {a.x, TruncToInt(a.y + DirectionY(a, b) * d)};
    if (SameY(a, b))
        return {TruncToInt(a.x + DirectionX(a, b) * d), a.y};
    const double m = (double(b.y) - a.y) / (double(b.x) - a.x);
    const double dx = DirectionX(a, b) * std::sqrt(d * d / (m * m + 1));
    const double dy = m * dx;
    return {a.x + TruncToInt(dx), a.y + TruncToInt(dy)};
}

bool CWideDashedLine::Set(const CPoint* pPoints, unsigned nCount, int nWidth, int nDash, int nGap,
                          COLORREF color, int)
{
    // A period of 0 or less would never advance along a segment.
    if (!pPoints || nCount == 0 || nDash == 0 || (long long)nDash + nGap <= 0)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    m_nWidth = nWidth;
    m_nDash = nDash;
    m_nGap = nGap;
    m_nPeriod = nDash + nGap;
    m_Color = color;
    m_Points.assign(pPoints, pPoints + nCount);
    m_nSegments = nCount - 1;

    m_DashesPerSegment.assign(m_nSegments, 0);
    m_nDashCount = 0;
    for (unsigned i = 0; i < m_nSegments; ++i)
    {
        const auto length = (unsigned long long)SegmentLength(m_Points[i], m_Points[i + 1]);
        const auto period = (unsigned long long)m_nPeriod;
        m_DashesPerSegment[i] = unsigned(length / period + (length % period != 0 ? 1 : 0));
        m_nDashCount += m_DashesPerSegment[i];
    }

    // The dashes are cut as they are needed: a line drawn as one (GapsJoinOn) needs none.
    m_DashEnds.clear();
    m_bDashEndsCut = false;
    m_nValid = 1;
    return true;
}

void CWideDashedLine::CutSegment(unsigned iSegment, std::vector<CPoint>& ends) const
{
    const CPoint& a = m_Points[iSegment];
    const CPoint& b = m_Points[iSegment + 1];
    const double length = SegmentLength(a, b);
    double d = 0.0;
    for (unsigned k = 0; k < m_DashesPerSegment[iSegment]; ++k)
    {
        ends.push_back(OffsetAlong(a, b, d));
        // The lesser of two doubles is one of them, bit for bit, as the matrix layer's
        // min of two scalars gives it: no matrix is built per dash.
        d = std::min(d + m_nDash, length);
        ends.push_back(OffsetAlong(a, b, d));
        d = d + m_nGap;
    }
}

const std::vector<CPoint>& CWideDashedLine::GetDashEnds() const
{
    if (!m_bDashEndsCut)
    {
        m_DashEnds.reserve(2 * std::size_t(m_nDashCount));
        for (unsigned i = 0; i < m_nSegments; ++i)
            CutSegment(i, m_DashEnds);
        m_bDashEndsCut = true;
    }
    return m_DashEnds;
}

bool CWideDashedLine::GapsJoinOn(const CDC& dc, unsigned iSegment) const
{
    CPoint ends[2] = {m_Points[iSegment], m_Points[iSegment + 1]};
    const double length = SegmentLength(ends[0], ends[1]);
    dc.LPtoDP(ends, 2);
    return m_nGap * SegmentLength(ends[0], ends[1]) < length;
}

bool CWideDashedLine::Draw(CDC* pDC) const
{
    if (!MORVANE_CHECK(pDC))
        return false;
    CPen pen(PS_SOLID, m_nWidth, m_Color);
    const CPen old = pDC->SelectObject(pen);
    std::vector<CPoint> ends;
    for (unsigned i = 0; i < m_nSegments; ++i)
    {
        if (m_DashesPerSegment[i] > 1 && GapsJoinOn(*pDC, i))
        {
            pDC->Polyline(&m_Points[i], 2);
            continue;
        }
        // Dashes at least a pixel apart: no more of them than pixels the segment spans.
        ends.clear();
        CutSegment(i, ends);
        for (std::size_t k = 0; k + 1 < ends.size(); k += 2)
            pDC->Polyline(&ends[k], 2);
    }
    pDC->SelectObject(old);
    pen.DeleteObject();
    return true;
}
