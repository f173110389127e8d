// A dashed polyline of any pen width: the polyline (canvas units) is cut into dashes of a
// fixed length separated by gaps of a fixed length, and a draw emits each dash as a short
// solid line of the chosen width and colour. Pens of a width above one pixel draw solid
// whatever their style, which is why dashes are cut here. The dashes are cut where they are
// needed, so that a line whose dashes the device would not show apart costs nothing for
// them: setting a line counts its dashes, a draw cuts those it draws.
#pragma once

#include "framework/core/GdiTypes.h"

#include <vector>

class CDC;

class CWideDashedLine
{
public:
    CWideDashedLine() = default;
    CWideDashedLine(const CPoint* pPoints, unsigned nCount, int nWidth, int nDash, int nGap,
                    COLORREF color, int nUnused = 1);

    // FALSE, with a failed check and nothing changed, for a null polyline, no points, a
    // dash length of 0 or a dash and gap that do not advance (period of 0 or less).
    bool Set(const CPoint* pPoints, unsigned nCount, int nWidth, int nDash, int nGap,
             COLORREF color, int nUnused = 1);
    // Emits the dashes with a solid pen of the width and colour; TRUE. A segment whose gaps
    // would span less than one pixel of the device is drawn as one line, the look its
    // dashes would give there: a line never draws more dashes than it spans pixels (a
    // printed page of 1 by 32514 pixels maps a marker's 1.3e8 canvas units onto 32514).
    bool Draw(CDC* pDC) const;

    unsigned GetDashCount() const { return m_nDashCount; }
    unsigned GetSegmentCount() const { return m_nSegments; }
    // Start and end of every dash, in order (cut at the first call).
    const std::vector<CPoint>& GetDashEnds() const;
    const std::vector<unsigned>& GetDashesPerSegment() const { return m_DashesPerSegment; }

    static double SegmentLength(const CPoint& a, const CPoint& b);
    static bool SameX(const CPoint& a, const CPoint& b) { return a.x == b.x; }
    static bool SameY(const CPoint& a, const CPoint& b) { return a.y == b.y; }
    static int DirectionX(const CPoint& a, const CPoint& b) { return b.x > a.x ? 1 : -1; }
    static int DirectionY(const CPoint& a, const CPoint& b) { return b.y > a.y ? 1 : -1; }
    // The point at distance d from a along the line toward b.
    static CPoint OffsetAlong(const CPoint& a, const CPoint& b, double d);

private:
    // The gaps of the segment span less than one device pixel on the context.
    bool GapsJoinOn(const CDC& dc, unsigned iSegment) const;
    // Appends the start and end of every dash of the segment, in order.
    void CutSegment(unsigned iSegment, std::vector<CPoint>& ends) const;

    int m_nValid = 0;
    std::vector<CPoint> m_Points;
    int m_nWidth = 1;
    int m_nDash = 4;
    int m_nPeriod = 5;
    unsigned m_nSegments = 0;
    int m_nGap = 1;
    unsigned m_nDashCount = 0;
    std::vector<unsigned> m_DashesPerSegment;
    mutable std::vector<CPoint> m_DashEnds; // cut by GetDashEnds
    mutable bool m_bDashEndsCut = false;
    COLORREF m_Color = 0;
};
