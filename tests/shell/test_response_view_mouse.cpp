// The response view's mouse on a real speaker document, offscreen: the readout that
// follows a curve, master points of a new desired curve, the free-hand replacement of a
// section of a curve, the curve-name tooltips, and what a pointer-driven paint draws.
#include "shell/views/MorvaneView.h"

#include "tests/shell/SpeakerViewFixture.h"

#include <cmath>
#include <vector>

namespace
{
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kPoints = 40;
} // namespace

class ResponseViewMouseTest : public SpeakerViewTest<CMorvaneView>
{
protected:
    // A flat raw response of kPoints points from 20 Hz to 20 kHz, opened as a file is, and
    // painted once so that the canvas knows the window.
    void OpenFlatRaw(double db)
    {
        doc->m_RawPhase = Column(kPoints, 0.0);
        doc->m_RawFile.TurnOn();
        SetDocumentCurve(&CMorvaneDoc::m_RawMagnitudeDb, std::vector<double>(kPoints, db),
                         kHintRawResponseReplaced);
        Paint();
    }
    // Draws a free-hand path at pixel row y from point iFrom's x to point iTo's x of the
    // curve, through a few points between.
    void DrawPath(const CCurve& curve, long iFrom, long iTo, int y)
    {
        doc->OnEditReplaceCurveSection();
        const int x0 = PixelOf(curve, iFrom).x, x1 = PixelOf(curve, iTo).x;
        view->OnLButtonDown({x0, y});
        for (int k = 1; k < 4; ++k)
            view->OnMouseMove({x0 + (x1 - x0) * k / 4, y});
        view->OnLButtonUp({x1, y});
    }
    double DataYOfPixelRow(const CCurve& curve, int y) const
    {
        CPoint p{0, y};
        view->GetGraph().DeviceToLogical(&p);
        return curve.LogicalToData(p.x, p.y).y;
    }
};

TEST_F(ResponseViewMouseTest, AClickBeforeAnyCurveDoesNothing)
{
    view->OnLButtonDown({400, 300});
    EXPECT_TRUE(view->m_CurveEdit.m_ReadyToFollowMode.IsOn());
    EXPECT_TRUE(view->m_CurveEdit.m_FollowingMode.IsOff());
    EXPECT_TRUE(view->m_CurveEdit.m_TooltipsOffMode.IsOff());
    EXPECT_EQ(view->m_CoordDisplay.GetState(), CCoordDisplay::kOff);
}

TEST_F(ResponseViewMouseTest, TheFirstClickFollowsTheOnlyCurveHoweverFarAndMovesOnlyTheReadout)
{
    OpenFlatRaw(0.0);
    view->OnLButtonDown({5, 5});
    CCurveEdit& edit = view->m_CurveEdit;
    EXPECT_EQ(edit.m_pCurveBeingFollowed, &view->m_RawCurve);
    EXPECT_TRUE(edit.m_FollowingMode.IsOn());
    EXPECT_TRUE(edit.m_TooltipsOffMode.IsOn());
    EXPECT_TRUE(edit.m_ReadyToFollowMode.IsOff());
    // Tooltips are off while the readout follows.
    ASSERT_NE(edit.m_ToolTip, nullptr);
    EXPECT_FALSE(edit.m_ToolTip->IsActive());
    EXPECT_EQ(view->m_CoordDisplay.m_strTitle, "Raw Curve");

    view->OnMouseMove(PixelOf(view->m_RawCurve, 20));
    EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.x, view->m_RawCurve.m_pDblPt[20].x, 0.01);
    EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.y, 0.0, 1e-9);
    // The graph is on the screen: only the readout is drawn.
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kBlue), 0);
    // A screen that lost the graph (its plot corner is not black) gets the whole graph.
    view->OnMouseMove(PixelOf(view->m_RawCurve, 22));
    Paint(RGB(255, 255, 255));
    EXPECT_EQ(CurvesDrawnIn(kBlue), 1);
    // So does a printer page, whatever the pointer did just before.
    view->OnMouseMove(PixelOf(view->m_RawCurve, 24));
    dc = std::make_unique<CRecordingDC>();
    dc->SetDeviceCaps(TECHNOLOGY, DT_RASPRINTER);
    dc->SetPixelColor(0);
    view->OnDraw(dc.get());
    EXPECT_EQ(CurvesDrawnIn(kBlue), 1);

    // The second click freezes the readout and turns the tooltips on again.
    view->OnLButtonDown({5, 5});
    EXPECT_EQ(view->m_CoordDisplay.GetState(), CCoordDisplay::kFrozen);
    EXPECT_TRUE(edit.m_ToolTip->IsActive());
    EXPECT_TRUE(edit.m_ReadyToFollowMode.IsOn());

    // "Turn off Display Coordinates Only" clears it.
    view->OnTurnOffDisplayCoordinates();
    Paint();
    EXPECT_EQ(view->m_CoordDisplay.GetState(), CCoordDisplay::kOff);
    EXPECT_EQ(edit.m_pCurveBeingFollowed, nullptr);
}

// A window so small that the view's font keeps its readable size, and the strips round
// the plot are wider: the readout reads the curve where the pointer is on it.
TEST_F(ResponseViewMouseTest, OnASmallWindowTheReadoutStillReadsTheCurveUnderThePointer)
{
    view->resize(312, 218);
    std::vector<double> db;
    for (int i = 0; i < kPoints; ++i)
        db.push_back(-20.0 + i);
    doc->m_RawPhase = Column(kPoints, 0.0);
    doc->m_RawFile.TurnOn();
    SetDocumentCurve(&CMorvaneDoc::m_RawMagnitudeDb, db, kHintRawResponseReplaced);
    Paint();
    const CRect& plot = view->GetGraph().m_PlotRegion.m_Rect;
    EXPECT_GT(plot.left, 220);
    EXPECT_GT(plot.bottom, 220);
    view->OnLButtonDown({5, 5});
    ASSERT_EQ(view->m_CurveEdit.m_pCurveBeingFollowed, &view->m_RawCurve);
    for (const long i : {5L, 20L, 34L})
    {
        view->OnMouseMove(PixelOf(view->m_RawCurve, i));
        const CDoublePoint& point = view->m_RawCurve.m_pDblPt[i];
        // A pixel is 0.011 of a decade across; the curve climbs 13 dB a decade.
        EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.x, point.x, 0.02) << i;
        EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.y, point.y, 0.5) << i;
    }
}

TEST_F(ResponseViewMouseTest, ClickedMasterPointsBuildTheNewDesiredCurve)
{
    OpenFlatRaw(0.0);
    doc->OnEditCreateNewDesiredResponseCurve();
    ASSERT_TRUE(view->IsNewCurveModeOn());
    CNewCurveMode& newCurve = view->m_CurveEdit.m_NewCurveMode;

    // One master point draws nothing; the second asks for the master points alone.
    // Left of the plot area: a master point beyond the data window, not clamped.
    view->OnLButtonDown({1, 250});
    EXPECT_LT(view->m_DesiredCurve.GetMasterPoint(0).x, view->GetDataWindow().left);
    EXPECT_EQ(view->GetNewCurveMasterPointCount(), 1);
    EXPECT_TRUE(newCurve.m_DrawPendingMode.IsOff());
    view->OnLButtonDown({PixelOf(view->m_RawCurve, kPoints - 1).x, 100});
    EXPECT_EQ(view->GetNewCurveMasterPointCount(), 2);
    EXPECT_TRUE(newCurve.m_DrawPendingMode.IsOn());
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kBlue), 0);
    EXPECT_TRUE(newCurve.m_DrawPendingMode.IsOff());

    doc->OnEditCreateNewDesiredResponseCurve();
    EXPECT_FALSE(view->IsNewCurveModeOn());
    const std::vector<double> desired = Values(doc->m_DesiredResponse);
    ASSERT_EQ(desired.size(), std::size_t(kPoints));
    for (long i = 0; i < kPoints; ++i)
        EXPECT_DOUBLE_EQ(desired[std::size_t(i)], view->m_DesiredCurve.m_pDblPt[i].y) << i;
    EXPECT_NEAR(desired.back(), view->m_DesiredCurve.GetMasterPoint(1).y, 0.5);
    EXPECT_GT(desired.back(), desired[0]);
    EXPECT_TRUE(doc->m_DesiredCurveFile.IsOn());

    // A click on the new curve: the readout names it.
    Paint();
    view->OnLButtonDown(PixelOf(view->m_DesiredCurve, kPoints / 2));
    EXPECT_EQ(view->m_CurveEdit.m_pCurveBeingFollowed, &view->m_DesiredCurve);
    EXPECT_EQ(view->m_CoordDisplay.m_strTitle, "Desired Response Curve");
}

TEST_F(ResponseViewMouseTest, AFreeHandPathReplacesTheSameSectionInEitherDirection)
{
    const struct
    {
        long iFrom, iTo;
    } paths[] = {{10, 25}, {25, 10}};
    for (const auto& path : paths)
    {
        OpenFlatRaw(0.0);
        doc->m_RawFile.m_ChangedMode.TurnOff();
        const int row = 200;
        const double level = DataYOfPixelRow(view->m_RawCurve, row);
        DrawPath(view->m_RawCurve, path.iFrom, path.iTo, row);

        EXPECT_TRUE(doc->m_ReplaceSectionMode.IsOff());
        EXPECT_EQ(view->m_CurveEdit.GetState(), CCurveEdit::kNormal);
        const std::vector<double> raw = Values(doc->m_RawMagnitudeDb);
        ASSERT_EQ(raw.size(), std::size_t(kPoints));
        for (long i = 0; i < kPoints; ++i)
        {
            EXPECT_DOUBLE_EQ(view->m_RawCurve.m_pDblPt[i].y, raw[std::size_t(i)]) << i;
            if (i >= 12 && i <= 23)
            {
                EXPECT_NEAR(raw[std::size_t(i)], level, 1e-9) << i << " from " << path.iFrom;
            }
            else if (i < 9 || i > 26)
            {
                EXPECT_EQ(raw[std::size_t(i)], 0.0) << i << " from " << path.iFrom;
            }
        }
        // The complex response follows the edited magnitudes.
        EXPECT_NEAR(std::abs(ComplexValues(doc->m_RawResponse)[15]), std::pow(10.0, level / 20.0),
                    1e-9);
        EXPECT_TRUE(doc->m_RawFile.m_ChangedMode.IsOn());
    }
}

TEST_F(ResponseViewMouseTest, APathOverABoundOrTheModifiedCurveGoesWhereTheCurveBelongs)
{
    OpenFlatRaw(0.0);
    doc->m_ModifiedResponse = Column(kPoints, -20.0);
    doc->UpdateAllViews(nullptr, kHintFiltersDrawnOrRestart);
    Paint();
    const std::vector<double> rawBefore = Values(doc->m_RawMagnitudeDb);
    const int row = PixelOf(view->m_ModifiedCurve, 15).y;
    DrawPath(view->m_ModifiedCurve, 10, 20, row + 4);
    EXPECT_NE(view->m_ModifiedCurve.m_pDblPt[15].y, -20.0);
    EXPECT_EQ(Values(doc->m_ModifiedResponse), std::vector<double>(kPoints, -20.0));
    EXPECT_EQ(Values(doc->m_RawMagnitudeDb), rawBefore);

    // Desired response curves from their master points; a path over the upper bound
    // changes the document's upper tolerance.
    doc->m_dUpperToleranceDb = 3.0;
    doc->m_dLowerToleranceDb = -3.0;
    doc->OnEditCreateNewDesiredResponseCurve();
    view->m_DesiredCurve.AddMasterPoint(view->m_DesiredCurve.m_pDblPt[0].x, 10.0);
    view->m_DesiredCurve.AddMasterPoint(view->m_DesiredCurve.m_pDblPt[kPoints - 1].x, 10.0);
    doc->OnEditCreateNewDesiredResponseCurve();
    Paint();
    doc->m_DesiredCurveFile.m_ChangedMode.TurnOff();
    const int upperRow = PixelOf(view->m_UpperBoundCurve, 15).y;
    DrawPath(view->m_UpperBoundCurve, 10, 20, upperRow - 2);
    const std::vector<double> upper = Values(doc->m_UpperTolerance);
    EXPECT_GT(upper[15], 13.0);
    EXPECT_DOUBLE_EQ(upper[0], 13.0);
    EXPECT_EQ(Values(doc->m_LowerTolerance)[15], 7.0);
    EXPECT_TRUE(doc->m_DesiredCurveFile.m_ChangedMode.IsOn());
}

TEST_F(ResponseViewMouseTest, TooltipsNameACurveOnlyNearItAndGoWhenThePointerMoves)
{
    OpenFlatRaw(0.0);
    const CPoint onCurve = PixelOf(view->m_RawCurve, 20);
    const struct
    {
        int dy; // pixels from the curve
        const char* pText;
    } cases[] = {{0, "Raw Curve"}, {5, "Raw Curve"}, {150, ""}};
    for (const auto& c : cases)
    {
        view->OnMouseMove({onCurve.x, onCurve.y + c.dy});
        EXPECT_EQ(view->GetToolTipText({0, 0}), c.pText) << c.dy;
    }
    view->OnMouseMove(onCurve);
    ASSERT_EQ(view->GetToolTipText({0, 0}), "Raw Curve");
    EXPECT_TRUE(view->GetPointer().IsToolTipTimerRunning());
    // The pointer rests: the tip stays.
    view->OnTimer(1);
    EXPECT_TRUE(view->GetPointer().IsToolTipTimerRunning());
    // It moved: the timer ends and the tooltip is switched off and on again.
    view->OnMouseMove({onCurve.x + 3, onCurve.y});
    view->OnTimer(1);
    EXPECT_FALSE(view->GetPointer().IsToolTipTimerRunning());
    EXPECT_TRUE(view->m_CurveEdit.m_ToolTip->IsActive());
}

TEST_F(ResponseViewMouseTest, EveryUpdateStopsFollowingAndArmsTheReadout)
{
    OpenFlatRaw(0.0);
    view->OnLButtonDown(PixelOf(view->m_RawCurve, 5));
    ASSERT_TRUE(view->m_CurveEdit.m_TooltipsOffMode.IsOn());
    view->OnUpdate(nullptr, kHintSettingsApplied);
    EXPECT_TRUE(view->m_CurveEdit.m_TooltipsOffMode.IsOff());
    EXPECT_TRUE(view->m_CurveEdit.m_ReadyToFollowMode.IsOn());
    const CDoublePoint kept = view->m_CoordDisplay.m_DataPoint;
    view->OnMouseMove(PixelOf(view->m_RawCurve, 30));
    EXPECT_DOUBLE_EQ(view->m_CoordDisplay.m_DataPoint.x, kept.x);
}
