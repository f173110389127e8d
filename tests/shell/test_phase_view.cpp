// The speaker phase view on a real speaker document, offscreen: its curves on the
// document's update hints, its degree range and scale step, its readout, and what it
// draws, read from a recording device context.
#include "shell/views/PhaseView.h"

#include "document/MorvaneSettings.h"
#include "graph/CFormat.h"
#include "tests/shell/SpeakerViewFixture.h"

#include <cmath>
#include <string>
#include <vector>

namespace
{
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
} // namespace

class PhaseViewTest : public SpeakerViewTest<CPhaseView>
{
protected:
    // A raw phase of the given degrees at n points from 20 Hz to 20 kHz, told to the
    // views as a new raw response is.
    void SetPhase(const std::vector<double>& degrees)
    {
        SetDocumentCurve(&CMorvaneDoc::m_RawPhase, degrees, kHintRawPhaseChanged);
    }
    void SetModified(double degrees, int nHint)
    {
        doc->m_ModifiedPhase = ColumnOf(
            std::vector<double>(std::size_t(doc->m_LogFrequencies.NumberOfElements()), degrees));
        view->OnUpdate(nullptr, nHint);
    }
};

TEST_F(PhaseViewTest, BeforeThePhaseCurveTheViewDrawsEmptyAxesAndIgnoresClicks)
{
    EXPECT_EQ(doc->m_pPhaseView, view.get());
    const CDoubleRect& range = app.Settings().m_PhaseRange;
    EXPECT_DOUBLE_EQ(view->GetDataWindow().top, range.top);
    EXPECT_DOUBLE_EQ(view->GetDataWindow().left, std::log10(range.left));
    EXPECT_TRUE(view->m_NoCurvesMode.IsOn());
    EXPECT_FALSE(view->OnUpdateFilePrint());
    view->OnLButtonDown({400, 300});
    EXPECT_TRUE(view->m_CurveEdit.m_ReadyToFollowMode.IsOn());
    EXPECT_TRUE(view->m_CurveEdit.m_FollowingMode.IsOff());

    Paint();
    EXPECT_TRUE(HasText("Deg"));
    EXPECT_TRUE(HasText("Frequency Hz"));
    EXPECT_EQ(CurvesDrawnIn(kBlue), 0);
    // The readout's texts are those of the phase.
    EXPECT_EQ(view->m_CoordDisplay.m_strTitle, "Phase");
    EXPECT_EQ(view->m_CoordDisplay.m_strYUnit, "Deg");
}

// The phase view steps its axis by a tenth of its range: a range beyond the int range
// (set through the document, past the settings sheet's bounds) is measured in double, and
// drawn with true values.
TEST_F(PhaseViewTest, AnyRangeTheViewHoldsIsLabelledWithTrueValues)
{
    for (const double dHigh : {1e10, 1e12, 1e308})
    {
        PaintWithRange(1, -dHigh, dHigh, 10.0, 24000.0);
        ExpectTrueAxes(FormatC("%g degrees", dHigh), view->GetScaleStep());
    }
}

// A phase scaled to -50..80 degrees, stepped by 20: the lower limit, no step, is labelled at
// the plot's bottom edge, and the upper one, the strip's top, with no room at its line, is
// left out while "60" under it stays. Each label stands at its own line at every size.
TEST_F(PhaseViewTest, TheLimitsAreLabelledWhereTheyHaveRoomAtTheirLines)
{
    doc->m_PhaseAutomaticScaling.TurnOn();
    std::vector<double> degrees;
    for (int i = 0; i < 60; ++i)
        degrees.push_back(-43.0 + 115.0 * std::pow(std::sin(0.05 * i), 2.0));
    SetPhase(degrees);
    ASSERT_DOUBLE_EQ(view->GetDataWindow().bottom, -50.0);
    ASSERT_DOUBLE_EQ(view->GetDataWindow().top, 80.0);
    ASSERT_DOUBLE_EQ(view->GetScaleStep(), 20.0);
    const struct
    {
        int width, height;
    } sizes[] = {{800, 600}, {1366, 768}, {2560, 1400}, {800, 250}, {1366, 330}, {400, 150}};
    for (const auto& size : sizes)
    {
        const std::string name = FormatC("%dx%d", size.width, size.height);
        view->resize(size.width, size.height);
        Paint(0, 0.5);
        ExpectTrueAxes(name, 20.0);
        std::vector<std::string> values;
        for (const CRecordingDC::Call& call :
             DrawnAxes(dc->Calls(), view->GetGraph().m_PlotRegion.m_Rect).vertical)
            values.push_back(call.text);
        EXPECT_EQ(values.front(), "-50") << name;
        EXPECT_EQ(values.back(), "60") << name;
    }
}

TEST_F(PhaseViewTest, AnOpenedRawResponseShowsItsPhaseWithTheMarkers)
{
    ASSERT_TRUE(Open("spk.raw", "t\nh\n100 0 10\n1000 0 20\n10000 0 30\n"));
    EXPECT_TRUE(view->m_PhaseCurveMode.IsOn());
    EXPECT_TRUE(view->m_NoCurvesMode.IsOff());
    EXPECT_EQ(view->m_PhaseCurve.GetName(), "Phase Curve");
    EXPECT_EQ(YValues(view->m_PhaseCurve), Values(doc->m_RawPhase));
    EXPECT_TRUE(view->OnUpdateFilePrint());
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kBlue), 1);
    bool bMarker = false;
    for (const CRecordingDC::Call& call : dc->CallsOf(CRecordingDC::Op::TextOut))
        bMarker = bMarker || call.text.rfind("LF", 0) == 0;
    EXPECT_TRUE(bMarker);
}

TEST_F(PhaseViewTest, AutomaticScalingWidensToTenDegreeStepsWithoutTheSpeakerLimits)
{
    doc->m_PhaseAutomaticScaling.TurnOn();
    const struct
    {
        double lo, hi, bottom, top, step;
    } cases[] = {{-170.0, 175.0, -180.0, 180.0, 40.0},
                 {-300.0, -120.0, -310.0, -110.0, 20.0},
                 {3.0, 82.0, -10.0, 90.0, 10.0}};
    for (const auto& c : cases)
    {
        SetPhase({c.lo, 0.5 * (c.lo + c.hi), c.hi});
        EXPECT_DOUBLE_EQ(view->GetDataWindow().bottom, c.bottom) << c.lo;
        EXPECT_DOUBLE_EQ(view->GetDataWindow().top, c.top) << c.hi;
        EXPECT_DOUBLE_EQ(view->GetScaleStep(), c.step) << c.lo;
    }
    // Settings applied rescale the view to its curves.
    doc->m_PhaseAutomaticScaling.TurnOff();
    view->SetDataWindow({5.0, 1.0, 0.0, 4.0});
    view->OnUpdate(nullptr, kHintSettingsApplied);
    EXPECT_DOUBLE_EQ(view->GetDataWindow().top, 5.0);
    doc->m_PhaseAutomaticScaling.TurnOn();
    view->OnUpdate(nullptr, kHintSettingsApplied);
    EXPECT_DOUBLE_EQ(view->GetDataWindow().top, 90.0);
}

TEST_F(PhaseViewTest, TheScaleStepIsATenthOfTheRangeRoundedUpToTens)
{
    const struct
    {
        double bottom, top, step;
    } cases[] = {{0.0, 90.0, 10.0},
                 {0.0, 30.0, 10.0},
                 {-180.0, 180.0, 40.0},
                 {0.0, 0.0, 10.0},
                 {0.0, 250.0, 30.0}};
    for (const auto& c : cases)
    {
        view->SetDataWindow({c.top, 1.0, c.bottom, 4.0});
        EXPECT_DOUBLE_EQ(view->GetScaleStep(), c.step) << c.bottom << " " << c.top;
    }
}

TEST_F(PhaseViewTest, ResultsDrawThePriorUnderTheModifiedAndHintsHideThem)
{
    SetPhase(std::vector<double>(20, 10.0));
    view->OnUpdate(nullptr, kHintCalculationStarts);
    SetModified(-20.0, kHintCurvesChanged);
    EXPECT_TRUE(view->m_ModifiedCurveMode.IsOn());
    // The first result turns the prior mode on, but the calculation's start hid the
    // prior curve here: none is drawn.
    EXPECT_TRUE(view->m_PriorModifiedCurveMode.IsOn());
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kYellow), 0);
    EXPECT_EQ(CurvesDrawnIn(kRed), 1);
    SetModified(-30.0, kHintCurvesChanged);
    EXPECT_TRUE(view->m_PriorModifiedCurveMode.IsOn());
    EXPECT_EQ(YValues(view->m_PriorModifiedCurve), std::vector<double>(20, -20.0));
    EXPECT_EQ(YValues(view->m_ModifiedCurve), std::vector<double>(20, -30.0));
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kYellow), 1);
    EXPECT_EQ(CurvesDrawnIn(kRed), 1);

    // A calculation start and a new desired curve hide both results.
    for (int nHint : {kHintCalculationStarts, kHintNewDesiredCurveStarted})
    {
        SetModified(-30.0, kHintCurvesChanged);
        view->OnUpdate(nullptr, nHint);
        EXPECT_FALSE(view->m_ModifiedCurve.IsVisible()) << nHint;
        EXPECT_FALSE(view->m_PriorModifiedCurve.IsVisible()) << nHint;
        Paint();
        EXPECT_EQ(CurvesDrawnIn(kRed) + CurvesDrawnIn(kYellow), 0) << nHint;
    }
    // A restart shows the modified phase alone.
    for (int nHint : {kHintFiltersDrawnOrRestart, kHintDeviceRestartResponse})
    {
        SetModified(5.0, nHint);
        EXPECT_TRUE(view->m_ModifiedCurve.IsVisible()) << nHint;
        EXPECT_TRUE(view->m_PriorModifiedCurveMode.IsOff()) << nHint;
        EXPECT_EQ(YValues(view->m_ModifiedCurve), std::vector<double>(20, 5.0));
    }
    // The response view's own hints leave the phase view alone.
    for (int nHint : {1, 7, 8, 9, 11, 13, 15, 17})
    {
        SetModified(-90.0, nHint);
        EXPECT_EQ(YValues(view->m_ModifiedCurve), std::vector<double>(20, 5.0)) << nHint;
    }
}

TEST_F(PhaseViewTest, AClickFollowsTheNearestCurveAndASecondClickFreezes)
{
    SetPhase({10.0, 20.0, 30.0, 40.0, 50.0});
    SetModified(-100.0, kHintFiltersDrawnOrRestart);
    Paint();
    // On the modified curve near its third point.
    const CPoint p = PixelOf(view->m_ModifiedCurve, 2);
    view->OnLButtonDown(p);
    EXPECT_EQ(view->m_CurveEdit.m_pCurveBeingFollowed, &view->m_ModifiedCurve);
    EXPECT_TRUE(view->m_CurveEdit.m_TooltipsOffMode.IsOn());
    EXPECT_EQ(view->m_CoordDisplay.m_strTitle, "Modified Response Curve");
    EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.y, -100.0, 1e-9);

    // Moving draws only the readout, which follows the curve.
    view->OnMouseMove(PixelOf(view->m_PhaseCurve, 4));
    EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.x, view->m_PhaseCurve.m_pDblPt[4].x, 0.01);
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kBlue) + CurvesDrawnIn(kRed), 0);
    EXPECT_TRUE(HasText("-100.0Deg"));

    view->OnLButtonDown(p);
    EXPECT_EQ(view->m_CoordDisplay.GetState(), CCoordDisplay::kFrozen);
    EXPECT_TRUE(view->m_CurveEdit.m_ReadyToFollowMode.IsOn());
    const CDoublePoint frozen = view->m_CoordDisplay.m_DataPoint;
    view->OnMouseMove({10, 10});
    EXPECT_DOUBLE_EQ(view->m_CoordDisplay.m_DataPoint.x, frozen.x);

    // A right click clears it at the next paint.
    view->OnRButtonDown({10, 10});
    Paint();
    EXPECT_EQ(view->m_CoordDisplay.GetState(), CCoordDisplay::kOff);
    EXPECT_EQ(view->m_CurveEdit.m_pCurveBeingFollowed, nullptr);
}

TEST_F(PhaseViewTest, TheReadoutWaitsWhileTheFrameHasAResizePending)
{
    bool bPending = false;
    view->SetResizePending([&]() { return bPending; });
    SetPhase({10.0, 20.0, 30.0, 40.0, 50.0});
    Paint();
    view->OnLButtonDown(PixelOf(view->m_PhaseCurve, 1));
    const CDoublePoint start = view->m_CoordDisplay.m_DataPoint;
    bPending = true;
    view->OnMouseMove(PixelOf(view->m_PhaseCurve, 4));
    EXPECT_DOUBLE_EQ(view->m_CoordDisplay.m_DataPoint.x, start.x);
    bPending = false;
    view->OnMouseMove(PixelOf(view->m_PhaseCurve, 4));
    EXPECT_GT(view->m_CoordDisplay.m_DataPoint.x, start.x);
}
