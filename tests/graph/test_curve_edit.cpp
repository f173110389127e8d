#include "AssertionCapture.h"
#include "EditScene.h"
#include "framework/core/RecordingDC.h"
#include "framework/core/Window.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
class CurveEditTest : public ::testing::Test, public CEditScene
{
protected:
    CurveEditTest() : client(800, 600)
    {
        graph.Draw(&client, &dc);
        AttachView(&client, 0);
        curve.Layout(220, 220, 4000, 3000, &dataWindow);
        EXPECT_TRUE(edit.m_InitializedMode.IsOn());
    }

    static CPoint Pixel(double x, double y) { return EditPixel(x, y); }

    std::vector<double> Ys() const
    {
        std::vector<double> out;
        for (int i = 0; i < 9; ++i)
            out.push_back(std::round(curve.m_pDblPt[i].y * 10) / 10);
        return out;
    }

    void DrawSection(const std::vector<CDoublePoint>& path)
    {
        ASSERT_TRUE(edit.BeginNewCurve(100, 2, PS_SOLID, 0x00FF00, 1, 0));
        ASSERT_TRUE(edit.OnLButtonDown(Pixel(path.front().x, path.front().y)));
        for (std::size_t i = 1; i + 1 < path.size(); ++i)
            edit.OnMouseMove(Pixel(path[i].x, path[i].y));
        ASSERT_TRUE(edit.OnLButtonUp(Pixel(path.back().x, path.back().y),
                                     &graph.m_PlotRegion.m_Rect, &dataWindow));
        EXPECT_TRUE(edit.IsNewCurveComplete());
        EXPECT_EQ(&curve, edit.GetCurveBeingEdited());
    }

    CFixedWindow client;
    CRecordingDC dc;
};

struct MergeCase
{
    const char* name;
    std::vector<CDoublePoint> path;
    std::vector<double> expected;
};

class CurveEditMerge : public CurveEditTest, public ::testing::WithParamInterface<MergeCase>
{
};
} // namespace

TEST_P(CurveEditMerge, MergesTheDrawnSection)
{
    DrawSection(GetParam().path);
    EXPECT_EQ(GetParam().expected, Ys());
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(i + 1.0, curve.m_pDblPt[i].x); // x never changes
}

INSTANTIATE_TEST_SUITE_P(
    Sections, CurveEditMerge,
    ::testing::Values(
        MergeCase{"LeftToRight", {{2.5, 5}, {4.0, 5}, {6.5, 5}}, {0, 0, 5, 5, 5, 5, 0, 0, 0}},
        MergeCase{"RightToLeft", {{6.5, 5}, {4.0, 5}, {2.5, 5}}, {0, 0, 5, 5, 5, 5, 0, 0, 0}},
        MergeCase{"PressAndReleaseOnly", {{2.5, 5}, {6.5, 5}}, {0, 0, 5, 5, 5, 5, 0, 0, 0}},
        MergeCase{"OverhangsTheStart", {{0.5, 5}, {2.0, 5}, {3.5, 5}}, {5, 5, 5, 0, 0, 0, 0, 0, 0}},
        MergeCase{
            "OverhangsTheEnd", {{6.5, -5}, {8.0, -5}, {9.8, -5}}, {0, 0, 0, 0, 0, 0, -5, -5, -5}},
        // Entirely beyond the curve's last point: only that point takes the section's end.
        MergeCase{"BeyondTheEnd", {{9.3, 5}, {9.8, 5}}, {0, 0, 0, 0, 0, 0, 0, 0, 5}},
        MergeCase{"BeforeTheStart", {{0.2, 5}, {0.8, 5}}, {5, 0, 0, 0, 0, 0, 0, 0, 0}},
        MergeCase{"BetweenTwoPoints", {{3.2, 5}, {3.8, 5}}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // A sloped section: every point in the span takes the line's y at its x.
        MergeCase{"Sloped", {{2.0, 0}, {6.0, 8}}, {0, 0, 2, 4, 6, 8, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CurveEditTest, MovesAddPointsOnlyWhenThePointerMovesAndWithinCapacity)
{
    ASSERT_TRUE(edit.BeginNewCurve(4, 2, PS_SOLID, 0x00FF00, 1, 0));
    EXPECT_FALSE(edit.OnMouseMove({10, 10})); // nothing pressed yet
    EXPECT_FALSE(edit.OnLButtonUp({10, 10}, &graph.m_PlotRegion.m_Rect, &dataWindow));
    ASSERT_TRUE(edit.OnLButtonDown({100, 300}));
    EXPECT_FALSE(edit.OnLButtonDown({100, 300})); // only the first press counts
    EXPECT_FALSE(edit.OnMouseMove({100, 300}));   // same position
    EXPECT_TRUE(edit.OnMouseMove({110, 300}));
    EXPECT_TRUE(edit.OnMouseMove({120, 300}));
    EXPECT_TRUE(edit.OnMouseMove({130, 300})); // capacity reached: dropped
    EXPECT_EQ(3, edit.GetPointsDrawn());
    CRecordingDC draw;
    EXPECT_TRUE(edit.DrawTemporaryCurve(&draw));
    const auto lines = draw.CallsOf(CRecordingDC::Op::Polyline);
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ((std::vector<CPoint>{{500, 1500}, {550, 1500}, {600, 1500}}), lines[0].points);
    EXPECT_EQ(0x00FF00u, lines[0].pen.GetColor());
    EXPECT_TRUE(edit.OnLButtonUp({140, 300}, &graph.m_PlotRegion.m_Rect, &dataWindow));
    EXPECT_EQ(3, edit.GetTemporaryCurve()->GetTotalPoints()); // the release was dropped too
    EXPECT_FALSE(edit.OnMouseMove({150, 300}));               // done
    EXPECT_TRUE(edit.EndNewCurve());
    EXPECT_EQ(CCurveEdit::kNormal, edit.GetState());
    EXPECT_FALSE(edit.OnLButtonDown({100, 300}));
    EXPECT_FALSE(edit.DrawTemporaryCurve(&draw));
}

TEST_F(CurveEditTest, NearestCurveSkipsHiddenCurvesAndPrefersTheFirstOfEquals)
{
    CCurve other;
    other.Create(9, 2, PS_SOLID, 0, 1, 0, 1, 0, true, true, "Other");
    for (int i = 0; i < 9; ++i)
        other.m_pDblPt[i] = {i + 1.0, 5.0};
    other.Layout(220, 220, 4000, 3000, &dataWindow);
    curves.push_back(&other);
    EXPECT_EQ(&other, edit.FindNearestCurve(Pixel(3, 4).x, Pixel(3, 4).y));
    EXPECT_EQ(&curve, edit.FindNearestCurve(Pixel(3, 2.5).x, Pixel(3, 2.5).y + 100));
    other.Hide();
    EXPECT_EQ(&curve, edit.FindNearestCurve(Pixel(3, 4).x, Pixel(3, 4).y));
    curve.Hide();
    EXPECT_EQ(&curve, edit.FindNearestCurve(Pixel(3, 4).x, Pixel(3, 4).y));
}

TEST_F(CurveEditTest, FollowPointMovesTheActiveCrosshairOntoTheCurve)
{
    AssertionCapture capture;
    EXPECT_FALSE(edit.UpdateFollowPoint(&coord));
    EXPECT_TRUE(capture.reported("m_pCurveBeingFollowed"));
    edit.m_pCurveBeingFollowed = &curve;
    coord.m_DataPoint = {5.0, 0.0};
    EXPECT_TRUE(edit.UpdateFollowPoint(&coord));
    EXPECT_EQ((CPoint{0, 0}), coord.m_CrosshairPoint); // off: not moved
    coord.SetStarting();
    coord.Draw(&dc);
    EXPECT_TRUE(edit.UpdateFollowPoint(&coord));
    EXPECT_EQ((CPoint{2110, 1610}), coord.m_CrosshairPoint);
}

TEST_F(CurveEditTest, ExtentOfValidCurvesOnly)
{
    curve.m_pDblPt[4].y = 7.5;
    EXPECT_EQ((CDoubleRect{7.5, 1.0, 0.0, 9.0}), edit.GetCurvesExtent());
    curve.m_PointsAreValidMode.TurnOff();
    EXPECT_EQ((CDoubleRect{}), edit.GetCurvesExtent());
}

TEST_F(CurveEditTest, PlotCornerOnlyOnARasterDisplay)
{
    CRecordingDC screen;
    screen.SetPixelColor(0);
    EXPECT_TRUE(edit.IsPlotCornerBlack(&screen));
    screen.SetPixelColor(CDC::CLR_INVALID);
    EXPECT_TRUE(edit.IsPlotCornerBlack(&screen));
    screen.SetPixelColor(0xFFFFFF);
    EXPECT_FALSE(edit.IsPlotCornerBlack(&screen));
    CRecordingDC printer;
    printer.SetDeviceCaps(TECHNOLOGY, DT_RASPRINTER);
    printer.SetPixelColor(0);
    EXPECT_FALSE(edit.IsPlotCornerBlack(&printer));
}

TEST_F(CurveEditTest, MissingPiecesAreRefused)
{
    AssertionCapture capture;
    CCurveEdit fresh;
    EXPECT_FALSE(fresh.Initialize(nullptr, &curves, &coord, nullptr));
    EXPECT_TRUE(capture.reported("pBasicGraph"));
    EXPECT_TRUE(capture.reported("pView"));
    EXPECT_TRUE(fresh.m_InitializedMode.IsOff());
    CPoint pts[2] = {{1, 2}, {3, 4}};
    EXPECT_FALSE(CCurveEdit::ReversePoints(nullptr, 2));
    EXPECT_FALSE(CCurveEdit::ReversePoints(pts, 0));
    EXPECT_TRUE(capture.reported("pPt"));
    EXPECT_TRUE(capture.reported("nLength > 0"));
    EXPECT_TRUE(CCurveEdit::ReversePoints(pts, 2));
    EXPECT_EQ((CPoint{3, 4}), pts[0]);
}

TEST(NewCurveMode, CollectsMasterPointsForACurve)
{
    AssertionCapture capture;
    CNewCurveMode mode;
    EXPECT_FALSE(mode.Begin(nullptr));
    EXPECT_FALSE(mode.BuildCurve());
    CCurve curve;
    curve.Create(5, 2, PS_SOLID, 0, 2, 1, 1, 0, true, true, "Desired");
    for (int i = 0; i < 5; ++i)
        curve.m_pDblPt[i] = {double(i), 9.0};
    curve.m_PointsAreValidMode.TurnOn();
    curve.AddMasterPoint(0, 1);
    ASSERT_TRUE(mode.Begin(&curve));
    EXPECT_EQ(0, curve.GetMasterPointCount());
    EXPECT_TRUE(curve.m_MasterPointMode.IsOn());
    curve.AddMasterPoint(0.0, 0.0);
    CRecordingDC dc;
    capture.clear();
    EXPECT_FALSE(mode.DrawMasterPoints(&dc)); // one master point
    EXPECT_TRUE(capture.reported("FALSE"));
    EXPECT_TRUE(dc.Calls().empty());
    curve.AddMasterPoint(4.0, 8.0);
    EXPECT_TRUE(mode.BuildCurve());
    EXPECT_EQ(4.0, curve.m_pDblPt[2].y);
    mode.m_DrawPendingMode.TurnOn();
    EXPECT_TRUE(mode.TurnOff());
    EXPECT_EQ(nullptr, mode.GetCurve());
    EXPECT_TRUE(mode.IsOff());
    EXPECT_TRUE(mode.m_DrawPendingMode.IsOff());
}
