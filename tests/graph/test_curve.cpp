#include "AssertionCapture.h"

#include "framework/core/RecordingDC.h"
#include "graph/CanvasReach.h"
#include "graph/Curve.h"
#include "graph/CurveLine.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace
{
using Op = CRecordingDC::Op;

// A curve holding the given points, laid out on a 1000 x 1000 plot area at (0, 0) with
// a 0..10 x 0..10 data window: 100 canvas units per data unit.
void Fill(CCurve& curve, const std::vector<CDoublePoint>& points, int width = 2)
{
    curve.Create(long(points.size()), width, PS_SOLID, RGB(255, 0, 0), 1, 0, 1, 0, true, true,
                 "Test Curve");
    for (std::size_t i = 0; i < points.size(); ++i)
        curve.m_pDblPt[i] = points[i];
    curve.m_PointsAreValidMode.TurnOn();
}

const CDoubleRect kWindow{10.0, 0.0, 0.0, 10.0};

void LayOut(CCurve& curve)
{
    curve.Layout(0, 0, 1000, 1000, &kWindow);
}

std::vector<CDoublePoint> Ramp(int n, double x0, double dx)
{
    std::vector<CDoublePoint> pts;
    for (int i = 0; i < n; ++i)
        pts.push_back({x0 + i * dx, 5.0});
    return pts;
}
} // namespace

TEST(DoubleRect, ContainsIgnoresTheTop)
{
    EXPECT_TRUE(kWindow.Contains({5, 20}));
    EXPECT_TRUE(kWindow.Contains({0, 0}));
    EXPECT_TRUE(kWindow.Contains({10, 0}));
    EXPECT_FALSE(kWindow.Contains({5, -0.001}));
    EXPECT_FALSE(kWindow.Contains({10.001, 5}));
}

TEST(Curve, AllPointsOutsideTheWindowDrawNothing)
{
    CCurve curve;
    Fill(curve, {{-3, 1}, {-2, 2}, {11, 3}});
    LayOut(curve);
    EXPECT_EQ(0, curve.GetClippedCount());
    EXPECT_EQ(DBL_MAX, curve.DistanceTo(0, 0));
    CRecordingDC dc;
    EXPECT_FALSE(curve.Draw(&dc));
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(Curve, PointsAboveTheTopAreClippedInAndBelowTheBottomOut)
{
    CCurve curve;
    Fill(curve, {{1, 12}, {2, -1}, {3, 5}});
    LayOut(curve);
    ASSERT_EQ(2, curve.GetClippedCount());
    EXPECT_EQ((CPoint{100, 1200}), curve.GetLogicalPoints()[0]); // above the plot area
    EXPECT_EQ((CPoint{300, 500}), curve.GetLogicalPoints()[1]);
}

TEST(Curve, CanvasMappingTruncatesBeforeTheLeftOffsetAndAfterTheBottomOffset)
{
    CCurve curve;
    Fill(curve, {{0, 0}});
    const CDoubleRect window{1000.0, 0.0, 0.0, 1000.0};
    curve.Layout(10, -50, 1010, 950, &window);       // 1 canvas unit per data unit
    EXPECT_EQ(9, curve.DataXToLogicalX(-1.5));       // trunc(-1.5) + 10
    EXPECT_EQ(-49, curve.DataToLogical({0, 0.3}).y); // trunc(0.3 - 50)
    const CDoublePoint back = curve.LogicalToData(110, 50);
    EXPECT_DOUBLE_EQ(100.0, back.x);
    EXPECT_DOUBLE_EQ(100.0, back.y);
}

TEST(Curve, HugeValuesAreHeldToTheCanvasReach)
{
    CCurve curve;
    Fill(curve, {{5, 1e300}, {5, 5}});
    LayOut(curve);
    EXPECT_EQ(kCanvasReach, curve.GetLogicalPoints()[0].y);
    EXPECT_EQ(-kCanvasReach, curve.DataXToLogicalX(-1e300));
    EXPECT_EQ(kCanvasReach, curve.DataToLogical({HUGE_VAL, 5}).x);
    const CDoubleRect degenerate{0.0, 0.0, 0.0, 0.0};
    curve.Layout(0, 0, 1000, 1000, &degenerate); // zero-width window: infinite scales
    EXPECT_EQ(0, curve.DataToLogical({std::nan(""), 0}).x);
}

// A window wider than the largest double (from -1e308 to 1e308) keeps its true scale: its
// points lie where they belong, not all on the bottom and left edges, and a canvas point
// reads back as the value there.
TEST(Curve, AWindowWiderThanTheLargestDoubleKeepsItsPointsInPlace)
{
    CCurve curve;
    Fill(curve, {{-1e308, -1e308}, {0, 0}, {5e307, -5e307}, {1e308, 1e308}});
    const CDoubleRect window{1e308, -1e308, -1e308, 1e308};
    curve.Layout(0, 0, 1000, 1000, &window);
    ASSERT_EQ(4, curve.GetClippedCount());
    const std::vector<CPoint> expected = {{0, 0}, {500, 500}, {750, 250}, {1000, 1000}};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], curve.GetLogicalPoints()[i]) << i;
    const CDoublePoint back = curve.LogicalToData(250, 750);
    EXPECT_DOUBLE_EQ(-5e307, back.x);
    EXPECT_DOUBLE_EQ(5e307, back.y);
}

struct PolylineCase
{
    int points;
    std::vector<std::pair<int, int>> runs; // first and last index of each polyline
};

class CurvePolylines : public ::testing::TestWithParam<PolylineCase>
{
};

TEST_P(CurvePolylines, LongCurvesAreDrawnInJoinedPiecesOfAtMost500Points)
{
    const PolylineCase& c = GetParam();
    CCurve curve;
    Fill(curve, Ramp(c.points, 0.0, 10.0 / c.points));
    LayOut(curve);
    ASSERT_EQ(c.points, curve.GetClippedCount());
    CRecordingDC dc;
    EXPECT_TRUE(curve.Draw(&dc));
    const auto lines = dc.CallsOf(Op::Polyline);
    ASSERT_EQ(c.runs.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        const auto [first, last] = c.runs[i];
        ASSERT_EQ(std::size_t(last - first + 1), lines[i].points.size());
        EXPECT_EQ(curve.GetLogicalPoints()[first], lines[i].points.front());
        EXPECT_EQ(curve.GetLogicalPoints()[last], lines[i].points.back());
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, CurvePolylines,
                         ::testing::Values(PolylineCase{500, {{0, 499}}},
                                           PolylineCase{501, {{0, 499}, {499, 500}}},
                                           PolylineCase{1000, {{0, 499}, {499, 998}, {998, 999}}}));

TEST(Curve, DrawsWithItsOwnPenInCanvasWidthAndPutsThePreviousPenBack)
{
    CCurve curve;
    Fill(curve, {{1, 1}, {2, 2}}, 3);
    LayOut(curve);
    CRecordingDC dc;
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt({4000, 3000});
    dc.SetViewportExt({800, -600}); // 5 canvas units per pixel
    const CPen before(PS_DOT, 1, RGB(0, 0, 255));
    dc.SelectObject(before);
    EXPECT_EQ(15, curve.LineWidthToLogical(&dc));
    ASSERT_TRUE(curve.Draw(&dc));
    EXPECT_EQ(CPen(PS_SOLID, 15, RGB(255, 0, 0)), dc.Calls().at(0).pen);
    EXPECT_EQ(before, dc.GetCurrentPen());

    curve.m_ActiveMode.TurnOff();
    dc.ClearCalls();
    curve.Draw(&dc);
    EXPECT_EQ(COLORREF(0xC0C0C0), dc.Calls().at(0).pen.GetColor());
}

TEST(Curve, RefusesToDrawWhenInvalidOrHidden)
{
    CCurve curve;
    Fill(curve, {{1, 1}, {2, 2}});
    CRecordingDC dc;
    EXPECT_FALSE(curve.Draw(&dc)); // never laid out
    LayOut(curve);
    curve.Hide();
    EXPECT_FALSE(curve.Draw(&dc));
    curve.Show();
    curve.m_PointsAreValidMode.TurnOff();
    EXPECT_FALSE(curve.Draw(&dc));
    EXPECT_FALSE(curve.ComputeExtent());
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(Curve, YAtXHoldsTheEndsAndSnapsToNearbyPoints)
{
    CCurve curve;
    Fill(curve, {{1, 10}, {2, 20}, {4, 40}, {5, 20}});
    LayOut(curve);
    EXPECT_DOUBLE_EQ(10.0, curve.YAtX(0.5));
    EXPECT_DOUBLE_EQ(20.0, curve.YAtX(9));
    EXPECT_DOUBLE_EQ(20.0, curve.YAtX(2 + 5e-7));
    EXPECT_DOUBLE_EQ(30.0, curve.YAtX(3));
    EXPECT_DOUBLE_EQ(15.0, curve.YAtX(1.5)); // 1 and 2 equally near: the first
    EXPECT_DOUBLE_EQ(30.0, curve.YAtX(4.5));
    EXPECT_DOUBLE_EQ(30.0, curve.DataYAtX(4.5));
}

namespace
{
struct LookupCase
{
    const char* name;
    std::vector<CDoublePoint> points;
    double x;
    double y;
};

void PrintTo(const LookupCase& c, std::ostream* os)
{
    *os << c.name;
}

class CurveLookup : public testing::TestWithParam<LookupCase>
{
};
} // namespace

// The level at x is the one the curve is drawn at: beside a step (points sharing an x) on
// the line that leaves the step on that side, and never beyond the levels of the two
// points of the line it lies on, in whatever order the points come.
TEST_P(CurveLookup, GivesTheLevelDrawnAtX)
{
    const LookupCase& c = GetParam();
    CCurve curve;
    Fill(curve, c.points);
    EXPECT_DOUBLE_EQ(c.y, curve.DataYAtX(c.x)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Points, CurveLookup,
    testing::Values(
        LookupCase{"Rising", {{0, 0}, {1, 10}, {2, 20}}, 1.5, 15},
        LookupCase{"LeftOfAStep", {{0, 0}, {1, 10}, {1, 20}, {2, 20}}, 0.9, 9},
        LookupCase{"RightOfAStep", {{0, 0}, {1, 10}, {1, 20}, {2, 30}}, 1.2, 22},
        LookupCase{"FarRightOfAStep", {{0, 0}, {1, 10}, {1, 20}, {2, 30}}, 1.9, 29},
        LookupCase{"AtAStepTheFirstOfItsPoints", {{0, 0}, {1, 10}, {1, 20}, {2, 20}}, 1.0, 10},
        LookupCase{"RightOfAThreePointStep", {{0, 0}, {1, 10}, {1, 50}, {1, 20}, {2, 30}}, 1.5, 25},
        LookupCase{"RightOfAStepAtTheStart", {{0, 0}, {0, 10}, {2, 30}}, 1.0, 20},
        LookupCase{"LeftOfAStepAtTheEnd", {{0, 0}, {2, 20}, {2, 30}}, 1.0, 10},
        LookupCase{"BeyondAStepAtTheEnd", {{0, 0}, {2, 20}, {2, 30}}, 3.0, 30},
        // Points that go back and forth, as a section drawn with the mouse may: no
        // extrapolation through the backward segment.
        LookupCase{"BackwardSegment",
                   {{-0.4998, 80}, {-0.5, -20}, {-0.5, 85}, {1.94, 90}},
                   0.398,
                   85 + (0.398 + 0.5) / 2.44 * 5},
        LookupCase{"BackAndForth", {{0, 0}, {3, 30}, {1, 10}, {4, 40}}, 2.0, 20}),
    [](const testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(Curve, YAtXWithoutPointsInsideTheWindowReportsInsteadOfReadingPastTheArray)
{
    AssertionCapture checks;
    CCurve curve;
    Fill(curve, {{-5, 1}, {-4, 2}});
    LayOut(curve);
    EXPECT_DOUBLE_EQ(0.0, curve.YAtX(1));
    EXPECT_FALSE(checks.reports().empty());
    const CCurve empty;
    EXPECT_DOUBLE_EQ(0.0, empty.DataYAtX(1));
}

TEST(Curve, LogicalYAtXAndPointUnder)
{
    CCurve curve;
    Fill(curve, {{1, 1}, {3, 5}});
    LayOut(curve); // canvas (100, 100), (300, 500)
    EXPECT_EQ(100, curve.LogicalYAtX(100));
    EXPECT_EQ(100, curve.LogicalYAtX(20));
    EXPECT_EQ(500, curve.LogicalYAtX(900));
    EXPECT_EQ(300, curve.LogicalYAtX(200)); // halfway, first of two equally near
    EXPECT_EQ(102, curve.LogicalYAtX(101)); // 100 + 1 * 400 / 200

    CPoint pointer{200, 900};
    CDoublePoint data;
    ASSERT_TRUE(curve.PointUnder(&data, &pointer));
    EXPECT_EQ((CPoint{200, 300}), pointer);
    EXPECT_DOUBLE_EQ(2.0, data.x);
    EXPECT_DOUBLE_EQ(3.0, data.y);
}

TEST(Curve, FindIndexOnEitherSide)
{
    CCurve curve;
    Fill(curve, {{1, 0}, {2, 0}, {3, 0}, {4, 0}});
    EXPECT_EQ(2, curve.FindIndexAtOrAfter({2.5, 0}));
    EXPECT_EQ(1, curve.FindIndexAtOrBefore({2.5, 0}));
    EXPECT_EQ(0, curve.FindIndexAtOrAfter({9, 0}));
}

TEST(Curve, FromMasterPointsFollowsAndExtendsTheLines)
{
    CCurve curve;
    Fill(curve, {{2, 0}, {4, 0}, {0, 0}});
    curve.AddMasterPoint({1, 0});
    curve.AddMasterPoint(3, 10);
    ASSERT_TRUE(curve.FromMasterPoints());
    EXPECT_DOUBLE_EQ(5.0, curve.m_pDblPt[0].y);
    EXPECT_DOUBLE_EQ(15.0, curve.m_pDblPt[1].y);
    EXPECT_DOUBLE_EQ(-5.0, curve.m_pDblPt[2].y);
    EXPECT_EQ(1, curve.m_MasterPointMode.IsOn());
}

TEST(Curve, FromMasterPointsSkipsVerticalSegments)
{
    CCurve curve;
    Fill(curve, {{2, 0}, {5, 0}});
    for (CDoublePoint p :
         {CDoublePoint{1, 0}, CDoublePoint{3, 10}, CDoublePoint{3, 50}, CDoublePoint{6, 50}})
        curve.AddMasterPoint(p);
    ASSERT_TRUE(curve.FromMasterPoints());
    EXPECT_DOUBLE_EQ(5.0, curve.m_pDblPt[0].y);
    EXPECT_DOUBLE_EQ(50.0, curve.m_pDblPt[1].y);
}

TEST(Curve, FromMasterPointsWithoutALineRefusesAndChangesNothing)
{
    AssertionCapture checks;
    CCurve curve;
    Fill(curve, {{2, 7}, {4, 8}});
    EXPECT_FALSE(curve.FromMasterPoints());
    curve.AddMasterPoint({1, 1});
    EXPECT_FALSE(curve.FromMasterPoints());
    curve.AddMasterPoint({1, 9}); // vertical only
    EXPECT_FALSE(curve.FromMasterPoints());
    EXPECT_DOUBLE_EQ(7.0, curve.m_pDblPt[0].y);
    EXPECT_DOUBLE_EQ(8.0, curve.m_pDblPt[1].y);
    EXPECT_TRUE(checks.reported("FALSE"));
}

TEST(Curve, MasterPointLookupIsBoundsChecked)
{
    AssertionCapture checks;
    CCurve curve;
    curve.AddMasterPoint({1, 2});
    EXPECT_EQ((CDoublePoint{1, 2}), curve.GetMasterPoint(0));
    EXPECT_EQ((CDoublePoint{}), curve.GetMasterPoint(1));
    EXPECT_EQ((CDoublePoint{}), curve.GetMasterPoint(-1));
    EXPECT_EQ(2u, checks.reports().size());
    curve.DeleteMasterPoints();
    EXPECT_EQ(0, curve.GetMasterPointCount());
    EXPECT_EQ(1, curve.m_MasterPointMode.IsOn()); // the mode stays
}

TEST(Curve, DrawMasterPointsNeedsTheModeAndTwoPoints)
{
    AssertionCapture checks;
    CCurve curve;
    Fill(curve, {{1, 1}});
    LayOut(curve);
    CRecordingDC dc;
    EXPECT_FALSE(curve.DrawMasterPoints(&dc));
    EXPECT_TRUE(checks.reported("FALSE"));
    curve.AddMasterPoint({1, 1});
    EXPECT_FALSE(curve.DrawMasterPoints(&dc));
    curve.AddMasterPoint({2, 3});
    EXPECT_TRUE(curve.DrawMasterPoints(&dc));
    ASSERT_EQ(1u, dc.Calls().size());
    EXPECT_EQ((std::vector<CPoint>{{100, 100}, {200, 300}}), dc.Calls()[0].points);
}

// Master points far off the window are drawn toward where they lie, up to the plot's
// edge: the part of each line in the plot keeps its direction however far its other end
// (a position held to the canvas reach at both ends would bend it, and one at the int
// range's end overflowed), and nothing is drawn over the label strips.
TEST(Curve, MasterPointsFarOffTheWindowAreDrawnTowardThemUpToThePlotsEdge)
{
    const CDoublePoint cases[] = {{1e7, 5e6},      {-1e12, 3e11}, {5, 1e300},
                                  {1e300, -1e299}, {HUGE_VAL, 5}, {12, 3}};
    for (const CDoublePoint& far : cases)
    {
        CCurve curve;
        Fill(curve, {{1, 1}});
        LayOut(curve); // plot 0..1000 both ways
        curve.AddMasterPoint({1, 1});
        curve.AddMasterPoint(far);
        curve.AddMasterPoint({3, 2});
        CRecordingDC dc;
        ASSERT_TRUE(curve.DrawMasterPoints(&dc));
        const auto lines = dc.CallsOf(Op::Polyline);
        ASSERT_EQ(2u, lines.size()) << far.x; // out to the edge, and back in from it
        for (const auto& line : lines)
        {
            ASSERT_EQ(2u, line.points.size());
            const bool bOut = line.points[0] == CPoint{100, 100};
            const CPoint near = bOut ? line.points[0] : line.points[1];
            const CPoint edge = bOut ? line.points[1] : line.points[0];
            EXPECT_TRUE(near == (CPoint{100, 100}) || near == (CPoint{300, 200})) << far.x;
            EXPECT_TRUE(edge.x == 0 || edge.x == 1000 || edge.y == 0 || edge.y == 1000)
                << far.x << ": " << edge.x << ", " << edge.y;
            EXPECT_TRUE(edge.x >= 0 && edge.x <= 1000 && edge.y >= 0 && edge.y <= 1000);
            // The edge point lies on the line toward the far point, within the truncation.
            double towardX = 1.0, towardY = 0.0;
            if (std::isfinite(far.x))
                towardX = far.x * 100 - near.x, towardY = far.y * 100 - near.y;
            const double length = std::hypot(towardX, towardY);
            const double off = (towardX / length) * (double(edge.y) - near.y) -
                               (towardY / length) * (double(edge.x) - near.x);
            EXPECT_LE(std::fabs(off), 1.5) << far.x << " " << far.y;
        }
    }
}

TEST(Curve, SmallEdits)
{
    CCurve curve;
    Fill(curve, {{1, 1}, {2, 2}, {3, 3}}, 3);
    EXPECT_TRUE(curve.CapLineWidth());
    EXPECT_EQ(2, curve.GetLineWidth());
    EXPECT_FALSE(curve.CapLineWidth());
    EXPECT_FALSE(curve.ShortenTo(3));
    EXPECT_FALSE(curve.ShortenTo(0));
    EXPECT_TRUE(curve.ShortenTo(2));
    EXPECT_EQ(2, curve.GetTotalPoints());
    curve.AddMasterPoint({1, 1});
    curve.OffsetY(2.5);
    EXPECT_DOUBLE_EQ(3.5, curve.m_pDblPt[0].y);
    EXPECT_DOUBLE_EQ(3.5, curve.GetMasterPoint(0).y);
    const CDoubleRect extent = curve.GetExtent();
    EXPECT_EQ((CDoubleRect{4.5, 1.0, 3.5, 2.0}), extent);
}

TEST(CurveLine, DistanceIsToTheInfiniteLines)
{
    CCurveLine line;
    Fill(line, {{1, 1}, {2, 1}});
    LayOut(line); // (100, 100) - (200, 100)
    EXPECT_DOUBLE_EQ(0.0, line.DistanceTo(900, 100));
    EXPECT_DOUBLE_EQ(50.0, line.DistanceTo(-400, 150));
    CCurve* asCurve = &line;
    EXPECT_DOUBLE_EQ(0.0, asCurve->DistanceTo(900, 100)); // through the base
}

TEST(CurveLine, FewerThanTwoPointsOrEqualPointsGiveNoLine)
{
    CCurveLine single;
    Fill(single, {{1, 1}});
    LayOut(single);
    EXPECT_EQ(DBL_MAX, single.DistanceTo(100, 100));

    CCurveLine same;
    Fill(same, {{1, 1}, {1, 1}});
    LayOut(same);
    EXPECT_EQ(DBL_MAX, same.DistanceTo(100, 100));
    CPoint pointer{400, 700};
    CDoublePoint data;
    same.PointUnder(&data, &pointer);
    EXPECT_EQ((CPoint{400, 700}), pointer);
}

TEST(CurveLine, PointUnderMovesOntoTheLine)
{
    CCurveLine sloped;
    Fill(sloped, {{1, 1}, {3, 5}});
    LayOut(sloped); // y = 2x - 100 on the canvas
    CPoint pointer{250, 0};
    CDoublePoint data;
    sloped.PointUnder(&data, &pointer);
    EXPECT_EQ((CPoint{250, 400}), pointer);
    EXPECT_DOUBLE_EQ(2.5, data.x);
    EXPECT_DOUBLE_EQ(4.0, data.y);

    CCurveLine vertical;
    Fill(vertical, {{2, 1}, {2, 5}});
    LayOut(vertical);
    pointer = {900, 333};
    vertical.PointUnder(&data, &pointer);
    EXPECT_EQ((CPoint{200, 333}), pointer);
}

TEST(Curve, LookupsWithNotANumberStayInsideTheArrays)
{
    CCurve single;
    Fill(single, {{NAN, 1}});
    EXPECT_DOUBLE_EQ(1.0, single.DataYAtX(2.0));
    CCurve pair;
    Fill(pair, {{1, 1}, {2, 3}});
    EXPECT_TRUE(std::isnan(pair.DataYAtX(NAN)) || pair.DataYAtX(NAN) == 1.0);
}
