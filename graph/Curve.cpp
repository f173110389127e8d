#include "graph/Curve.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/BinaryStream.h"
#include "graph/CanvasReach.h"
#include "graph/LineSegment.h"
#include "graph/MorvaneUtilities.h"
#include "graph/PointBounds.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>

namespace
{
constexpr long kMaxPointsPerPolyline = 500;
constexpr COLORREF kInactiveColor = 0xC0C0C0;

// Index of the element whose key is nearest to target, the first of equals.
template <typename T, typename Key>
long NearestIndex(const T* items, long count, double target, Key key)
{
    long best = 0;
    double bestDistance = DBL_MAX;
    for (long i = 0; i < count; ++i)
    {
        const double d = std::fabs(key(items[i]) - target);
        if (d < bestDistance)
        {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// The y at x by straight lines between neighbouring points, as the curve is drawn, ends
// held beyond them. Where points share an x (a step drawn upright), x beside it lies on the
// line that leaves the step on its side, not on the step itself. The result lies between
// the levels of the two points of its line: points in no order (a section drawn back and
// forth with the mouse) give no line through x, and are not extrapolated beyond them.
double InterpolateY(const CDoublePoint* pts, long count, double x)
{
    // Not-a-number in x or in the points passes the end tests below.
    if (count == 1 || x <= pts[0].x)
        return pts[0].y;
    if (x >= pts[count - 1].x)
        return pts[count - 1].y;
    const long i = NearestIndex(pts, count, x, [](const CDoublePoint& p) { return p.x; });
    if (std::fabs(x - pts[i].x) < 1e-6)
        return pts[i].y;
    long start = x - pts[i].x >= 0 ? i : i - 1;
    start = std::clamp(start, 0L, count - 2);
    // Past the points that share the x of the line's start, onto the line that spans x.
    while (start + 2 < count && pts[start + 1].x <= x)
        ++start;
    while (start > 0 && pts[start].x > x)
        --start;
    const CDoublePoint& a = pts[start];
    const CDoublePoint& b = pts[start + 1];
    const double run = b.x - a.x;
    if (std::fabs(run) <= 1e-6)
        return (a.y + b.y) / 2.0;
    const double y = a.y + (x - a.x) * (b.y - a.y) / run;
    return std::isnan(y) ? y : std::clamp(y, std::min(a.y, b.y), std::max(a.y, b.y));
}

// Among points on one side of p.x, the index of the nearest to p; 0 for none.
template <typename Side>
long NearestOnSide(const CDoublePoint* pts, long count, const CDoublePoint& p, Side onSide)
{
    long best = 0;
    double bestDistance = DBL_MAX;
    for (long i = 0; i < count; ++i)
    {
        if (!onSide(pts[i].x))
            continue;
        const double d = std::hypot(pts[i].x - p.x, pts[i].y - p.y);
        if (d < bestDistance)
        {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}
} // namespace

CCurve::CCurve()
{
    m_ActiveMode.TurnOn();
}

bool CCurve::Create(long nPoints, int nLineWidth, int nPenStyle, COLORREF color, int nKind,
                    int nTag, int nCreateValue1, int nCreateValue2, bool bVisible, bool bUseOwnPen,
                    const std::string& strName)
{
    if (!MORVANE_CHECK(nPoints >= 0))
        nPoints = 0;
    m_pDblPt = std::make_unique<CDoublePoint[]>(std::size_t(nPoints));
    m_pPt = std::make_unique<CPoint[]>(std::size_t(nPoints));
    m_pClippedPts = std::make_unique<CDoublePoint[]>(std::size_t(nPoints));
    m_lTotalPoints = m_lSlots = nPoints;
    m_lClippedPoints = 0;
    m_nLineWidth = nLineWidth;
    m_nPenStyle = nPenStyle;
    m_Color = color;
    m_nKind = nKind;
    m_nTag = nTag;
    m_nCreateValue1 = nCreateValue1;
    m_nCreateValue2 = nCreateValue2;
    m_bVisible = bVisible;
    m_bUseOwnPen = bUseOwnPen;
    m_strName = strName;
    m_PointsAreValidMode.TurnOff();
    m_bClippedValid = false;
    return true;
}

bool CCurve::Show()
{
    m_bVisible = true;
    return true;
}

bool CCurve::Hide()
{
    m_bVisible = false;
    return true;
}

bool CCurve::ShortenTo(long n)
{
    if (n < 1 || n >= m_lTotalPoints)
        return false;
    m_lTotalPoints = n;
    m_lClippedPoints = std::min(m_lClippedPoints, n);
    return true;
}

bool CCurve::CapLineWidth()
{
    if (m_nLineWidth < 3)
        return false;
    m_nLineWidth = 2;
    return true;
}

bool CCurve::OffsetY(double dy)
{
    for (long i = 0; i < m_lTotalPoints; ++i)
        m_pDblPt[i].y += dy;
    for (CDoublePoint& p : m_MasterPoints)
        p.y += dy;
    return true;
}

bool CCurve::SetArea(int left, int bottom, int right, int top, const CDoubleRect* pWindow)
{
    m_nLeft = left;
    m_nBottom = bottom;
    m_nRight = right;
    m_nTop = top;
    return SetDataWindow(pWindow);
}

bool CCurve::SetAreaFromRect(const CRect& area, const CDoubleRect* pWindow)
{
    return SetArea(area.left, area.bottom, area.right, area.top, pWindow);
}

bool CCurve::SetDataWindow(const CDoubleRect* pWindow)
{
    if (!MORVANE_CHECK(pWindow))
        return false;
    m_DataWindow = *pWindow;
    return true;
}

bool CCurve::Layout(int left, int bottom, int right, int top, const CDoubleRect* pWindow)
{
    if (!SetArea(left, bottom, right, top, pWindow))
        return false;
    m_PointsAreValidMode.TurnOn();
    ComputeExtent();
    ComputeScales();
    ClipPoints();
    ComputeLogicalPoints();
    return true;
}

bool CCurve::LayoutInRect(const CRect& area, const CDoubleRect* pWindow)
{
    return Layout(area.left, area.bottom, area.right, area.top, pWindow);
}

bool CCurve::ComputeExtent()
{
    if (!LayoutReady())
        return false;
    m_dXMin = m_dYMin = DBL_MAX;
    m_dXMax = m_dYMax = -DBL_MAX;
    for (long i = 0; i < m_lTotalPoints; ++i)
    {
        const CDoublePoint& p = m_pDblPt[i];
        if (p.x < m_dXMin)
            m_dXMin = p.x;
        if (p.x > m_dXMax)
            m_dXMax = p.x;
        if (p.y < m_dYMin)
            m_dYMin = p.y;
        if (p.y > m_dYMax)
            m_dYMax = p.y;
    }
    return true;
}

bool CCurve::ComputeScales()
{
    if (!LayoutReady())
        return false;
    m_dXScale = CanvasScale(m_DataWindow.left, m_DataWindow.right, double(m_nRight - m_nLeft));
    m_dYScale = CanvasScale(m_DataWindow.bottom, m_DataWindow.top, double(m_nTop - m_nBottom));
    return true;
}

bool CCurve::ClipPoints()
{
    if (!LayoutReady())
        return false;
    m_lClippedPoints = 0;
    for (long i = 0; i < m_lTotalPoints; ++i)
        if (m_DataWindow.Contains(m_pDblPt[i]))
            m_pClippedPts[m_lClippedPoints++] = m_pDblPt[i];
    m_bClippedValid = true;
    return true;
}

bool CCurve::ComputeLogicalPoints()
{
    if (!LayoutReady() || !m_bClippedValid)
        return false;
    for (long i = 0; i < m_lClippedPoints; ++i)
        m_pPt[i] = DataToLogical(m_pClippedPts[i]);
    return true;
}

CDoubleRect CCurve::GetExtent()
{
    ComputeExtent();
    return {m_dYMax, m_dXMin, m_dYMin, m_dXMax};
}

CDoublePoint CCurve::CanvasAt(const CDoublePoint& p) const
{
    const CDoubleRect& w = m_DataWindow;
    return {
        std::trunc(CanvasDistance(p.x, w.left, w.right, m_dXScale, double(m_nRight - m_nLeft))) +
            m_nLeft,
        CanvasDistance(p.y, w.bottom, w.top, m_dYScale, double(m_nTop - m_nBottom)) + m_nBottom};
}

CPoint CCurve::DataToLogical(const CDoublePoint& p) const
{
    const CDoublePoint at = CanvasAt(p);
    return {CanvasPosition(at.x), CanvasPosition(at.y)};
}

int CCurve::DataXToLogicalX(double x) const
{
    return DataToLogical({x, m_DataWindow.bottom}).x;
}

CDoublePoint CCurve::LogicalToData(int x, int y) const
{
    return {(double(x) - double(m_nLeft)) / m_dXScale + m_DataWindow.left,
            (double(y) - double(m_nBottom)) / m_dYScale + m_DataWindow.bottom};
}

double CCurve::DistanceTo(int x, int y) const
{
    double best = DBL_MAX;
    for (long i = 0; i < ClippedCount(); ++i)
        best = std::min(best, std::hypot(double(m_pPt[i].x) - x, double(m_pPt[i].y) - y));
    return best;
}

double CCurve::YAtX(double x) const
{
    if (!MORVANE_CHECK(m_pClippedPts) || !MORVANE_CHECK(m_lClippedPoints > 0))
        return 0.0;
    return InterpolateY(m_pClippedPts.get(), m_lClippedPoints, x);
}

double CCurve::DataYAtX(double x) const
{
    if (!MORVANE_CHECK(m_pDblPt) || !MORVANE_CHECK(m_lTotalPoints > 0))
        return 0.0;
    return InterpolateY(m_pDblPt.get(), m_lTotalPoints, x);
}

int CCurve::LogicalYAtX(int x) const
{
    if (!MORVANE_CHECK(m_pPt))
        return 0;
    MORVANE_CHECK(m_PointsAreValidMode.IsOn());
    const long count = ClippedCount();
    if (count == 0)
        return m_nBottom;
    const CPoint* pts = m_pPt.get();
    const long i = NearestIndex(pts, count, x, [](const CPoint& p) { return double(p.x); });
    if (pts[i].x == x)
        return pts[i].y;
    long start;
    if (x > pts[i].x)
    {
        if (i == count - 1)
            return pts[i].y;
        start = i;
    }
    else
    {
        if (i == 0)
            return pts[i].y;
        start = i - 1;
    }
    const CPoint& a = pts[start];
    const CPoint& b = pts[start + 1];
    if (a.x == b.x)
        return pts[i].y;
    return RoundToInt(a.y + (double(x) - a.x) * (double(b.y) - a.y) / (double(b.x) - a.x));
}

bool CCurve::PointUnder(CDoublePoint* pOut, CPoint* pPointer) const
{
    if (!MORVANE_CHECK(pOut && pPointer))
        return false;
    if (ClippedCount() > 0)
        pPointer->y = LogicalYAtX(pPointer->x);
    *pOut = LogicalToData(pPointer->x, pPointer->y);
    return true;
}

long CCurve::FindIndexAtOrAfter(const CDoublePoint& p) const
{
    return NearestOnSide(m_pDblPt.get(), m_lTotalPoints, p, [&](double x) { return x >= p.x; });
}

long CCurve::FindIndexAtOrBefore(const CDoublePoint& p) const
{
    return NearestOnSide(m_pDblPt.get(), m_lTotalPoints, p, [&](double x) { return x <= p.x; });
}

bool CCurve::AddMasterPoint(const CDoublePoint& p)
{
    m_MasterPointMode.TurnOn();
    m_MasterPoints.push_back(p);
    return true;
}

CDoublePoint CCurve::GetMasterPoint(int i) const
{
    if (i < 0 || i >= GetMasterPointCount())
    {
        MORVANE_CHECK_FAILED();
        return {};
    }
    return m_MasterPoints[std::size_t(i)];
}

bool CCurve::DeleteMasterPoints()
{
    m_MasterPoints.clear();
    return true;
}

bool CCurve::FromMasterPoints()
{
    std::vector<CLineSegment> lines;
    for (std::size_t i = 1; i < m_MasterPoints.size(); ++i)
    {
        CLineSegment segment;
        if (m_MasterPoints[i - 1] != m_MasterPoints[i] &&
            segment.Set(m_MasterPoints[i - 1], m_MasterPoints[i]) && segment.IsNotVertical())
            lines.push_back(segment);
    }
    if (lines.empty())
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    for (long i = 0; i < m_lTotalPoints; ++i)
    {
        const double x = m_pDblPt[i].x;
        auto it = std::find_if(lines.begin(), lines.end(),
                               [x](const CLineSegment& s) { return s.IsWithinXRange(x); });
        if (it == lines.end())
            it =
                std::min_element(lines.begin(), lines.end(),
                                 [x](const CLineSegment& a, const CLineSegment& b) {
                                     return a.DistanceOutsideXRange(x) < b.DistanceOutsideXRange(x);
                                 });
        m_pDblPt[i].y = it->YAtX(x);
    }
    m_PointsAreValidMode.TurnOn();
    ComputeExtent();
    ClipPoints();
    return true;
}

CPen CCurve::MakePen(CDC* pDC, COLORREF color) const
{
    return CPen(m_nPenStyle, LineWidthToLogical(pDC), color);
}

bool CCurve::DrawPolyline(CDC* pDC, const CPoint* points, long count, COLORREF color, bool chunked)
{
    CPen pen;
    CPen old;
    if (m_bUseOwnPen)
    {
        pen = MakePen(pDC, color);
        old = pDC->SelectObject(pen);
    }
    bool result = false;
    if (!chunked || count <= kMaxPointsPerPolyline)
        result = count > 0 && pDC->Polyline(points, int(count));
    else
        for (long start = 0; start < count - 1; start += kMaxPointsPerPolyline - 1)
        {
            const long n = std::min(kMaxPointsPerPolyline, count - start);
            result = pDC->Polyline(points + start, int(n));
        }
    if (m_bUseOwnPen)
    {
        pDC->SelectObject(old);
        pen.DeleteObject();
    }
    return result;
}

bool CCurve::Draw(CDC* pDC)
{
    if (!MORVANE_CHECK(pDC))
        return false;
    if (!LayoutReady() || !m_bClippedValid || !m_bVisible || ClippedCount() == 0)
        return false;
    const COLORREF color = m_ActiveMode.IsOn() ? m_Color : kInactiveColor;
    return DrawPolyline(pDC, m_pPt.get(), ClippedCount(), color, true);
}

bool CCurve::DrawFirstPoints(CDC* pDC, long n)
{
    if (!MORVANE_CHECK(pDC))
        return false;
    n = std::clamp(n, 0L, m_pPt ? m_lSlots : 0L);
    if (m_bVisible && n > 0)
        DrawPolyline(pDC, m_pPt.get(), n, m_Color, false);
    return true;
}

int CCurve::LineWidthToLogical(CDC* pDC) const
{
    if (!MORVANE_CHECK(pDC))
        return m_nLineWidth;
    CPoint pts[2] = {{0, 0}, {0, m_nLineWidth}};
    pDC->DPtoLP(pts, 2);
    return int(std::min<long long>(std::llabs((long long)pts[1].y - pts[0].y), INT_MAX));
}

bool CCurve::DrawMasterPoints(CDC* pDC)
{
    if (!MORVANE_CHECK(pDC))
        return false;
    if (m_MasterPointMode.IsOff())
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    ComputeScales();
    if (m_MasterPoints.size() < 2)
        return false;
    std::vector<CDoublePoint> at;
    at.reserve(m_MasterPoints.size());
    for (const CDoublePoint& p : m_MasterPoints)
        at.push_back(CanvasAt(p));
    // Cut at the plot area: a master point beyond the window draws its lines toward it, but
    // not over the label strips.
    const CRect area{m_nLeft, m_nTop, m_nRight, m_nBottom};
    for (const std::vector<CPoint>& piece : CanvasPieces(at, area))
        DrawPolyline(pDC, piece.data(), long(piece.size()), m_Color, false);
    return true;
}

// Curve record: create values 1 and 2, master-point mode, n, data window (ymax, xmin,
// ymin, xmax), n data points (x, y), n canvas points (x, y), kind, tag, line width, pen
// style, colour, visible, use own pen, k, k master points (x, y). 80 + 24n + 16k bytes.
namespace
{
constexpr std::int64_t kBytesPerPoint = 16 + 8;
constexpr std::int64_t kBytesAfterPoints = 8 * 4;
constexpr std::int64_t kBytesPerMasterPoint = 16;

bool ReadPoint(CBinaryReader& in, CDoublePoint& p)
{
    return in.ReadDouble(p.x) && in.ReadDouble(p.y);
}
bool ReadPoint(CBinaryReader& in, CPoint& p)
{
    std::int32_t x, y;
    if (!in.ReadInt32(x) || !in.ReadInt32(y))
        return false;
    p = {x, y};
    return true;
}

bool ReadBool(CBinaryReader& in, bool& b)
{
    std::int32_t v;
    if (!in.ReadInt32(v))
        return false;
    b = v != 0;
    return true;
}

// Why a record of these values could not be used, read or written; empty when it can. The
// window only places the curve until its view lays it out again, so any four finite
// numbers do.
std::string RecordValuesProblem(const CDoubleRect& window, const CDoublePoint* points, long n,
                                const std::vector<CDoublePoint>& masters)
{
    static const std::string kBounds =
        " is not a frequency from 0.001 Hz to 10 MHz with a level from -1000 dB to 1000 dB";
    if (n < 1)
        return "it has no points";
    for (double v : {window.top, window.left, window.bottom, window.right})
        if (!std::isfinite(v))
            return "its data window holds a value that is no finite number";
    for (long i = 0; i < n; ++i)
    {
        if (!PointBounds::IsCurvePoint(points[i]))
            return "point " + std::to_string(i + 1) + kBounds;
        // Frequencies rise or stay (a step drawn upright); a curve is looked up and
        // resampled along them.
        if (i > 0 && points[i].x < points[i - 1].x)
            return "point " + std::to_string(i + 1) + " lies at a lower frequency than point " +
                   std::to_string(i) + ": the frequencies of a curve must not go backwards";
    }
    for (std::size_t i = 0; i < masters.size(); ++i)
        if (!PointBounds::IsCurvePoint(masters[i]))
            return "master point " + std::to_string(i + 1) + kBounds;
    return {};
}
} // namespace

std::string CCurve::RecordProblem() const
{
    return RecordValuesProblem(m_DataWindow, m_pDblPt.get(), m_pDblPt ? m_lTotalPoints : 0,
                               m_MasterPoints);
}

bool CCurve::Write(CBinaryWriter* pFile) const
{
    if (!MORVANE_CHECK(pFile))
        return false;
    if (m_PointsAreValidMode.IsOff())
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    if (!RecordProblem().empty())
        return false;
    CBinaryWriter& out = *pFile;
    out.WriteInt32(m_nCreateValue1);
    out.WriteInt32(m_nCreateValue2);
    m_MasterPointMode.Write(pFile);
    out.WriteInt32(std::int32_t(m_lTotalPoints));
    for (double v : {m_DataWindow.top, m_DataWindow.left, m_DataWindow.bottom, m_DataWindow.right})
        out.WriteDouble(v);
    for (long i = 0; i < m_lTotalPoints; ++i)
    {
        out.WriteDouble(m_pDblPt[i].x);
        out.WriteDouble(m_pDblPt[i].y);
    }
    for (long i = 0; i < m_lTotalPoints; ++i)
    {
        out.WriteInt32(m_pPt[i].x);
        out.WriteInt32(m_pPt[i].y);
    }
    for (int v : {m_nKind, m_nTag, m_nLineWidth, m_nPenStyle, std::bit_cast<int>(m_Color),
                  int(m_bVisible), int(m_bUseOwnPen), int(m_MasterPoints.size())})
        out.WriteInt32(v);
    for (const CDoublePoint& p : m_MasterPoints)
    {
        out.WriteDouble(p.x);
        out.WriteDouble(p.y);
    }
    return true;
}

bool CCurve::Read(CBinaryReader* pFile, std::string* pError)
{
    auto fail = [pError](const char* text)
    {
        if (pError)
            *pError = text;
        return false;
    };
    if (!MORVANE_CHECK(pFile))
        return fail("no file");
    CBinaryReader& in = *pFile;
    const char* kShort = "the file ends inside a curve record";

    std::int32_t createValue1, createValue2, n;
    CMode masterMode;
    CDoubleRect window;
    if (!in.ReadInt32(createValue1) || !in.ReadInt32(createValue2) || !masterMode.Read(pFile) ||
        !in.ReadInt32(n))
        return fail(kShort);
    if (n <= 0)
    {
        ReportAssertion("m_lTotalPoints > 0", __FILE__, __LINE__);
        return fail("a curve record has no points");
    }
    if (!in.ReadDouble(window.top) || !in.ReadDouble(window.left) ||
        !in.ReadDouble(window.bottom) || !in.ReadDouble(window.right))
        return fail(kShort);
    if (std::int64_t(in.Remaining()) < n * kBytesPerPoint + kBytesAfterPoints)
        return fail(kShort);

    auto points = std::make_unique<CDoublePoint[]>(std::size_t(n));
    auto logical = std::make_unique<CPoint[]>(std::size_t(n));
    for (std::int32_t i = 0; i < n; ++i)
        ReadPoint(in, points[i]);
    for (std::int32_t i = 0; i < n; ++i)
        ReadPoint(in, logical[i]);

    std::int32_t kind, tag, width, style, color, k;
    bool visible, ownPen;
    if (!in.ReadInt32(kind) || !in.ReadInt32(tag) || !in.ReadInt32(width) || !in.ReadInt32(style) ||
        !in.ReadInt32(color) || !ReadBool(in, visible) || !ReadBool(in, ownPen) || !in.ReadInt32(k))
        return fail(kShort);
    if (k < 0)
        return fail("a curve record has a negative number of master points");
    if (std::int64_t(in.Remaining()) < k * kBytesPerMasterPoint)
        return fail(kShort);
    std::vector<CDoublePoint> masters(static_cast<std::size_t>(k));
    for (CDoublePoint& p : masters)
        ReadPoint(in, p);
    if (const std::string problem = RecordValuesProblem(window, points.get(), n, masters);
        !problem.empty())
    {
        if (pError)
            *pError = problem;
        return false;
    }

    m_nCreateValue1 = createValue1;
    m_nCreateValue2 = createValue2;
    m_MasterPointMode.SetState(masterMode.GetState());
    m_lTotalPoints = m_lSlots = n;
    m_DataWindow = window;
    m_pDblPt = std::move(points);
    m_pPt = std::move(logical);
    m_pClippedPts = std::make_unique<CDoublePoint[]>(std::size_t(n));
    m_lClippedPoints = 0;
    m_nKind = kind;
    m_nTag = tag;
    m_nLineWidth = width;
    m_nPenStyle = style;
    m_Color = std::bit_cast<COLORREF>(color);
    m_bVisible = visible;
    m_bUseOwnPen = ownPen;
    for (const CDoublePoint& p : masters)
        AddMasterPoint(p);
    m_PointsAreValidMode.TurnOff();
    m_bClippedValid = false;
    return true;
}
