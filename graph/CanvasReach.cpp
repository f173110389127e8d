#include "graph/CanvasReach.h"

#include "graph/MorvaneUtilities.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

double CanvasDistance(double v, double lower, double upper, double scale, double canvasSpan)
{
    // Without a finite scale, (v - lower) * scale is infinite or not a number (the lower
    // limit itself, 0 times infinity): the share of the window is finite inside it.
    const double d = std::isfinite(scale) ? CanvasOffset(v, lower, scale)
                                          : (v - lower) / (upper - lower) * canvasSpan;
    return std::isnan(d) ? 0.0 : d;
}

int CanvasPosition(double at)
{
    if (std::isnan(at))
        return 0;
    return int(std::clamp(std::trunc(at), -double(kCanvasReach), double(kCanvasReach)));
}

namespace
{
// The clip rectangle as doubles.
struct CBox
{
    double left, right, bottom, top;
};

bool Inside(const CDoublePoint& p, const CBox& box)
{
    return box.left <= p.x && p.x <= box.right && box.bottom <= p.y && p.y <= box.top;
}

// The point of p..q on the line x = X (bY: y = X), which p..q crosses, measured from the end
// nearer to it: measured from a far end (a master point at 1e300) it would keep none of the
// near end's digits. In halves, as positions may lie anywhere in double.
CDoublePoint Crossing(const CDoublePoint& p, const CDoublePoint& q, double X, bool bY)
{
    const auto along = [bY](const CDoublePoint& v) { return bY ? v.y : v.x; };
    const auto across = [bY](const CDoublePoint& v) { return bY ? v.x : v.y; };
    const CDoublePoint& base = std::fabs(X - along(p)) <= std::fabs(X - along(q)) ? p : q;
    const double r = (X / 2.0 - along(base) / 2.0) / (along(q) / 2.0 - along(p) / 2.0);
    const double at = across(base) + r * (across(q) / 2.0 - across(p) / 2.0) * 2.0;
    return bY ? CDoublePoint{at, X} : CDoublePoint{X, at};
}

// Cuts a..b to the box, side by side; false when nothing of it is inside or an end is no
// number. bCutA and bCutB tell which ends were cut.
bool ClipToBox(CDoublePoint& a, CDoublePoint& b, const CBox& box, bool& bCutA, bool& bCutB)
{
    bCutA = bCutB = false;
    if (std::isnan(a.x) || std::isnan(a.y) || std::isnan(b.x) || std::isnan(b.y))
        return false;
    const struct
    {
        double limit;
        bool bY, bLow;
    } sides[] = {{box.left, false, true},
                 {box.right, false, false},
                 {box.bottom, true, true},
                 {box.top, true, false}};
    for (const auto& side : sides)
    {
        const auto outside = [&side](const CDoublePoint& v)
        {
            const double c = side.bY ? v.y : v.x;
            return side.bLow ? c < side.limit : c > side.limit;
        };
        const bool bOutA = outside(a), bOutB = outside(b);
        if (bOutA && bOutB)
            return false;
        if (bOutA)
            a = Crossing(a, b, side.limit, side.bY), bCutA = true;
        else if (bOutB)
            b = Crossing(a, b, side.limit, side.bY), bCutB = true;
    }
    return true;
}

CPoint Held(const CDoublePoint& p)
{
    return {CanvasPosition(p.x), CanvasPosition(p.y)};
}

// A point where a segment was cut, to the nearest canvas unit: on the clip rectangle's edge
// though the division that found it may fall a little short of it.
CPoint Cut(const CDoublePoint& p)
{
    return {CanvasPosition(std::round(p.x)), CanvasPosition(std::round(p.y))};
}

// An infinite position as the largest double of its sign: a segment toward it keeps the
// direction it has in the limit. Not-a-number stays, and leaves its segments out.
CDoublePoint Finite(const CDoublePoint& p)
{
    const auto finite = [](double v)
    { return std::isnan(v) ? v : std::clamp(v, -DBL_MAX, DBL_MAX); };
    return {finite(p.x), finite(p.y)};
}

bool IsNoNumber(const CDoublePoint& p)
{
    return std::isnan(p.x) || std::isnan(p.y);
}

// Adds the pieces of a run of points that are all numbers.
void AddRunPieces(std::span<const CDoublePoint> run, const CBox& box,
                  std::vector<std::vector<CPoint>>& pieces)
{
    if (run.size() == 1)
    {
        if (Inside(Finite(run[0]), box))
            pieces.push_back({Held(Finite(run[0]))});
        return;
    }
    std::vector<CPoint> piece;
    const auto finish = [&]
    {
        if (!piece.empty())
            pieces.push_back(std::move(piece));
        piece.clear();
    };
    for (std::size_t i = 1; i < run.size(); ++i)
    {
        CDoublePoint from = Finite(run[i - 1]);
        CDoublePoint to = Finite(run[i]);
        bool bCutFrom = false, bCutTo = false;
        const bool bWhole = Inside(from, box) && Inside(to, box);
        if (!bWhole && !ClipToBox(from, to, box, bCutFrom, bCutTo))
        {
            finish();
            continue;
        }
        if (bCutFrom)
            finish();
        if (piece.empty())
            piece = {bCutFrom ? Cut(from) : Held(from)};
        piece.push_back(bCutTo ? Cut(to) : Held(to));
        if (bCutTo)
            finish();
    }
    finish();
}
} // namespace

std::vector<std::vector<CPoint>> CanvasPieces(std::span<const CDoublePoint> at, const CRect& clip)
{
    const CBox box{double(std::min(clip.left, clip.right)), double(std::max(clip.left, clip.right)),
                   double(std::min(clip.top, clip.bottom)),
                   double(std::max(clip.top, clip.bottom))};
    std::vector<std::vector<CPoint>> pieces;
    // A point that is no number breaks the polyline: the runs on either side are drawn
    // apart, never joined across it.
    std::size_t first = 0;
    while (first < at.size())
    {
        if (IsNoNumber(at[first]))
        {
            ++first;
            continue;
        }
        std::size_t end = first;
        while (end < at.size() && !IsNoNumber(at[end]))
            ++end;
        AddRunPieces(at.subspan(first, end - first), box, pieces);
        first = end;
    }
    return pieces;
}
