// The filter view and the filter phase view on a real speaker document, offscreen: the
// curves they take from Draw Filters, a calculation and an additive restart, their
// automatic range, and what they draw, read from a recording device context.
#include "shell/views/FilterView.h"
#include "shell/views/PhaseFilterView.h"

#include "framework/core/RecordingDC.h"
#include "graph/CFormat.h"
#include "tests/document/CalculationFixture.h"
#include "tests/framework/QtTestApp.h"
#include "tests/graph/TrueAxisLabels.h"
#include "tests/shell/RecordedDrawing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr COLORREF kGrey = 0xC0C0C0;
constexpr COLORREF kPaletteRed = RGB(255, 0, 0);
constexpr COLORREF kPaletteGreen = RGB(0, 255, 0);

std::vector<std::string> Names(const CFilterCurveView& view)
{
    std::vector<std::string> names;
    for (const CCurve* pCurve : view.GetCurves())
        names.push_back(pCurve->GetName());
    return names;
}
} // namespace

class FilterViewTest : public CalculationTest
{
protected:
    void SetUp() override
    {
        TestApp();
        CalculationTest::SetUp();
        filterView = std::make_unique<CFilterView>(*doc);
        phaseView = std::make_unique<CPhaseFilterView>(*doc);
        for (CFilterCurveView* pView : Views())
            pView->resize(800, 600);
        filterView->OnInitialUpdate();
        phaseView->OnInitialUpdate();
    }
    void TearDown() override
    {
        filterView.reset();
        phaseView.reset();
        CalculationTest::TearDown();
    }
    std::vector<CFilterCurveView*> Views() { return {filterView.get(), phaseView.get()}; }

    // Two peaking filters in the EQ list, the second inactive, then View > Draw Filters.
    void DrawTwoFilters()
    {
        ASSERT_TRUE(Open("spk.raw", RawText({{1000.0, 6.0}}, 200)));
        doc->m_nSamplingFrequency = 48000;
        doc->m_FilterLists.m_EQFilters.Add(MakeEQ(6.0, 100.0, 1000.0, true, true, 1));
        doc->m_FilterLists.m_EQFilters.Add(MakeEQ(-4.0, 400.0, 5000.0, false, true, 2));
        doc->OnViewDrawFilters();
    }

    // Hands every view lists of constant curves (one per value pair: top and bottom of a
    // two-point curve) through hint 17, as Draw Filters does.
    void DrawConstantCurves(const std::vector<std::pair<double, double>>& extents)
    {
        std::vector<double> x{2.0, 4.0};
        doc->m_LogFrequencies = mwMatrix(2, 1, x.data(), nullptr, 1);
        doc->m_DrawnLabels.clear();
        doc->m_DrawnActiveFlags.clear();
        for (const auto& [top, bottom] : extents)
        {
            std::vector<double> y{top, bottom};
            doc->m_DrawnMagnitudes.Add(mwMatrix(2, 1, y.data(), nullptr, 1));
            doc->m_DrawnPhases.Add(mwMatrix(2, 1, y.data(), nullptr, 1));
            doc->m_DrawnLabels.push_back("EQ-" + std::to_string(doc->m_DrawnLabels.size()));
            doc->m_DrawnActiveFlags.push_back(1);
        }
        doc->UpdateAllViews(nullptr, kHintDrawFilters);
        doc->m_DrawnMagnitudes.RemoveAll();
        doc->m_DrawnPhases.RemoveAll();
    }

    CRecordingDC& Paint(CFilterCurveView& view)
    {
        dc = std::make_unique<CRecordingDC>();
        view.OnDraw(dc.get());
        return *dc;
    }
    int CurvesDrawnIn(COLORREF color) const { return ::CurvesDrawnIn(*dc, color); }
    bool HasText(const std::string& text) const { return ::HasText(*dc, text); }

    std::unique_ptr<CFilterView> filterView;
    std::unique_ptr<CPhaseFilterView> phaseView;
    std::unique_ptr<CRecordingDC> dc;
};

TEST_F(FilterViewTest, BeforeAnyFilterTheViewsDrawEmptyAxesAndCannotPrint)
{
    EXPECT_EQ(doc->m_pFilterView, filterView.get());
    EXPECT_EQ(doc->m_pPhaseFilterView, phaseView.get());
    const struct
    {
        CFilterCurveView* pView;
        CDoubleRect range;
        const char* pUnit;
    } cases[] = {{filterView.get(), app.Settings().m_FilterRange, "db"},
                 {phaseView.get(), app.Settings().m_PhaseFilterRange, "Deg"}};
    for (const auto& c : cases)
    {
        const CDoubleRect window = c.pView->GetViewWindow();
        EXPECT_DOUBLE_EQ(window.top, c.range.top);
        EXPECT_DOUBLE_EQ(window.bottom, c.range.bottom);
        EXPECT_DOUBLE_EQ(window.left, std::log10(c.range.left));
        EXPECT_DOUBLE_EQ(window.right, std::log10(c.range.right));
        EXPECT_EQ(c.pView->GetCurveState(), 1);
        EXPECT_FALSE(c.pView->OnUpdateFilePrint());
        Paint(*c.pView);
        EXPECT_TRUE(HasText(c.pUnit));
        EXPECT_TRUE(HasText("Frequency Hz"));
        EXPECT_EQ(CurvesDrawnIn(kPaletteRed), 0);
    }
}

TEST_F(FilterViewTest, DrawFiltersGivesOneCurvePerFilterAndDrawsInactiveOnesGrey)
{
    DrawTwoFilters();
    const std::vector<std::string> labels = doc->m_DrawnLabels;
    ASSERT_EQ(labels.size(), 2u);
    for (CFilterCurveView* pView : Views())
    {
        EXPECT_EQ(Names(*pView), labels);
        EXPECT_EQ(pView->GetCurveState(), 2);
        EXPECT_TRUE(pView->OnUpdateFilePrint());
        ASSERT_EQ(pView->GetCurves().size(), 2u);
        EXPECT_EQ(pView->GetCurves()[0]->GetTotalPoints(), 200);
        Paint(*pView);
        EXPECT_EQ(CurvesDrawnIn(kPaletteRed), 1);
        EXPECT_EQ(CurvesDrawnIn(kPaletteGreen), 0);
        EXPECT_EQ(CurvesDrawnIn(kGrey), 1);
    }
    EXPECT_TRUE(filterView->HasEQFilterCurve());
    // The document frees its lists after the hint: the views keep their copies.
    EXPECT_TRUE(doc->m_DrawnMagnitudes.IsEmpty());
    // The magnitude curve peaks at the filter's gain near its centre frequency.
    const CCurve* pPeak = filterView->GetCurves()[0];
    EXPECT_NEAR(pPeak->YAtX(3.0), 6.0, 0.5);
}

TEST_F(FilterViewTest, CalculationStartAndRawResetEmptyTheViews)
{
    for (int nHint : {kHintCalculationStarts, kHintRebuildFilterCurves})
    {
        DrawTwoFilters();
        doc->UpdateAllViews(nullptr, nHint);
        for (CFilterCurveView* pView : Views())
        {
            EXPECT_TRUE(pView->GetCurves().empty()) << nHint;
            EXPECT_EQ(pView->GetCurveState(), 1);
            EXPECT_FALSE(pView->OnUpdateFilePrint());
            Paint(*pView);
            EXPECT_EQ(CurvesDrawnIn(kPaletteRed), 0);
        }
        doc->m_FilterLists.m_EQFilters.RemoveAll();
    }
}

TEST_F(FilterViewTest, AnEmptyListStillCountsAsLoaded)
{
    DrawConstantCurves({});
    for (CFilterCurveView* pView : Views())
    {
        EXPECT_TRUE(pView->GetCurves().empty());
        EXPECT_EQ(pView->GetCurveState(), 2);
        EXPECT_TRUE(pView->OnUpdateFilePrint());
        // Not while a calculation runs.
        doc->m_bCalculationRunning = 1;
        EXPECT_FALSE(pView->OnUpdateFilePrint());
        doc->m_bCalculationRunning = 0;
    }
}

TEST_F(FilterViewTest, EachCalculationPassShowsTheCalculatedFilters)
{
    Prepare({{200.0, 6.0}, {3000.0, -5.0}}, 300);
    doc->OnCalculateModifiedResponse();
    const int n = Calculated();
    ASSERT_GE(n, 1);
    std::vector<std::string> labels;
    for (int i = 0; i < n; ++i)
        labels.push_back(doc->m_CalculatedEQFilters.GetAt(i)->GetLabel());
    EXPECT_EQ(Names(*filterView), labels);
    EXPECT_EQ(Names(*phaseView), labels);
    EXPECT_TRUE(filterView->OnUpdateFilePrint());
}

TEST_F(FilterViewTest, AnAdditiveRestartNamesItsFiltersFrom301)
{
    ASSERT_TRUE(Open("spk.raw", RawText({{1000.0, 6.0}}, 100)));
    doc->m_nSamplingFrequency = 48000;
    std::vector<double> b{0.5, 0.25, 0.125}, a{1.0, 0.0, 0.0};
    for (int i = 0; i < 3; ++i)
    {
        doc->m_CoeffNumerators.Add(mwMatrix(1, 3, b.data(), nullptr, 1));
        doc->m_CoeffDenominators.Add(mwMatrix(1, 3, a.data(), nullptr, 1));
    }
    doc->m_DrawnLabels = {"EQ-1, old"};
    doc->OnAdditiveRestartFromCoefficientFile();
    const std::vector<std::string> names{"301", "302", "303"};
    EXPECT_EQ(Names(*filterView), names);
    EXPECT_EQ(Names(*phaseView), names);
    EXPECT_FALSE(filterView->HasEQFilterCurve());
}

TEST_F(FilterViewTest, AutomaticScalingRoundsTheCurvesExtentOutward)
{
    doc->m_FilterAutomaticScaling.TurnOn();
    doc->m_PhaseFilterAutomaticScaling.TurnOn();
    const struct
    {
        CFilterCurveView* pView;
        double dTop, dBottom; // curves' extent
        double dWantTop, dWantBottom;
    } cases[] = {
        {filterView.get(), 40.0, -100.0, 30.0, -80.0}, // capped to the document's bounds
        {filterView.get(), 4.2, -3.6, 10.0, -10.0},    // -5.6 rounds to -6, then -10
        {filterView.get(), 4.2, -3.1, 10.0, -5.0},     // -5.1 rounds to -5
        {filterView.get(), 48.0, 36.0, 50.0, 30.0},    // wholly above the cap: fitted
        {phaseView.get(), 17.0, -42.0, 30.0, -50.0},
        {phaseView.get(), 170.0, -400.0, 180.0, -410.0}, // no bounds for the phases
    };
    for (const auto& c : cases)
    {
        DrawConstantCurves({{c.dTop, c.dBottom}});
        const CDoubleRect window = c.pView->GetViewWindow();
        EXPECT_DOUBLE_EQ(window.top, c.dWantTop) << c.dTop << " " << c.dBottom;
        EXPECT_DOUBLE_EQ(window.bottom, c.dWantBottom) << c.dTop << " " << c.dBottom;
    }
    // An emptied view with automatic scaling waits at -15..+15.
    doc->UpdateAllViews(nullptr, kHintCalculationStarts);
    EXPECT_DOUBLE_EQ(filterView->GetViewWindow().top, 15.0);
    EXPECT_DOUBLE_EQ(filterView->GetViewWindow().bottom, -15.0);
}

// The ranges automatic scaling gives, at sizes from a large screen to a small view: each
// value label stands at its own line, the limits where they have room at theirs (the
// lower one at the plot's bottom edge; the upper one, the strip's top, has none), and no
// label is missing that has room at its line.
TEST_F(FilterViewTest, EveryValueLabelStandsAtItsOwnLineAtAnySize)
{
    doc->m_FilterAutomaticScaling.TurnOn();
    doc->m_PhaseFilterAutomaticScaling.TurnOn();
    const struct
    {
        CFilterCurveView* pView;
        double dTop, dBottom; // curves' extent
        double dLabelStep;
        const char* lowest; // the lowest value label
    } cases[] = {
        {filterView.get(), 4.2, -3.6, 10.0, "-10"},  {filterView.get(), 4.2, -3.1, 10.0, "-5"},
        {filterView.get(), 48.0, 36.0, 10.0, "30"},  {filterView.get(), 40.0, -100.0, 10.0, "-80"},
        {phaseView.get(), 17.0, -42.0, 30.0, "-50"}, {phaseView.get(), 170.0, -400.0, 30.0, "-410"},
    };
    const struct
    {
        int width, height;
    } sizes[] = {{800, 600}, {1366, 768}, {2560, 1400}, {800, 250}, {1366, 330}, {400, 150}};
    for (const auto& c : cases)
    {
        DrawConstantCurves({{c.dTop, c.dBottom}});
        for (const auto& size : sizes)
        {
            const std::string name =
                FormatC("%g to %g, %dx%d", c.dBottom, c.dTop, size.width, size.height);
            c.pView->resize(size.width, size.height);
            dc = std::make_unique<CRecordingDC>();
            dc->SetCharWidthPerHeight(0.5);
            c.pView->OnDraw(dc.get());
            ExpectAxesAtTheirLines(dc->Calls(), c.pView->GetGraph(), c.pView->GetViewWindow(),
                                   {c.dLabelStep, 1.0, true, false, 10, 0.5}, name);
            const std::vector<CRecordingDC::Call> values =
                DrawnAxes(dc->Calls(), c.pView->GetGraph().m_PlotRegion.m_Rect).vertical;
            ASSERT_FALSE(values.empty()) << name;
            EXPECT_EQ(c.lowest, values.front().text) << name;
        }
    }
}

TEST_F(FilterViewTest, WithoutAutomaticScalingTheRangeStaysAtTheSettings)
{
    doc->m_FilterAutomaticScaling.TurnOff();
    doc->m_PhaseFilterAutomaticScaling.TurnOff();
    const CDoubleRect before[] = {filterView->GetViewWindow(), phaseView->GetViewWindow()};
    DrawConstantCurves({{40.0, -100.0}});
    doc->UpdateAllViews(nullptr, kHintCalculationStarts);
    DrawConstantCurves({{1.0, -1.0}});
    const CDoubleRect after[] = {filterView->GetViewWindow(), phaseView->GetViewWindow()};
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_DOUBLE_EQ(after[i].top, before[i].top);
        EXPECT_DOUBLE_EQ(after[i].bottom, before[i].bottom);
    }
}

TEST_F(FilterViewTest, CurvesBeyondTheFourteenColoursStartTheTableAgain)
{
    DrawConstantCurves(std::vector<std::pair<double, double>>(16, {1.0, -1.0}));
    ASSERT_EQ(filterView->GetCurves().size(), 16u);
    EXPECT_EQ(filterView->GetCurves()[1]->GetColor(), kPaletteGreen);
    EXPECT_EQ(filterView->GetCurves()[14]->GetColor(), kPaletteRed);
    EXPECT_EQ(filterView->GetCurves()[15]->GetColor(), kPaletteGreen);
}

TEST_F(FilterViewTest, TheNameListShorterThanTheResponsesLeavesTheRestUnnamed)
{
    doc->m_DrawnLabels = {"EQ-1"};
    std::vector<double> x{2.0, 4.0}, y{1.0, 1.0};
    doc->m_LogFrequencies = mwMatrix(2, 1, x.data(), nullptr, 1);
    doc->m_ResultMagnitudes.Add(mwMatrix(2, 1, y.data(), nullptr, 1));
    doc->m_ResultMagnitudes.Add(mwMatrix(2, 1, y.data(), nullptr, 1));
    filterView->OnUpdate(nullptr, kHintCalculationResults);
    EXPECT_EQ(Names(*filterView), (std::vector<std::string>{"EQ-1", ""}));
    doc->m_ResultMagnitudes.RemoveAll();
}

TEST_F(FilterViewTest, ThePhaseViewRemovesAndGreysCurvesByName)
{
    DrawTwoFilters();
    const std::string first = doc->m_DrawnLabels[0];
    EXPECT_TRUE(phaseView->MarkFilterCurve(first, 0));
    Paint(*phaseView);
    EXPECT_EQ(CurvesDrawnIn(kGrey), 2);
    EXPECT_FALSE(phaseView->MarkFilterCurve("EQ-99", 0));
    EXPECT_TRUE(phaseView->RemoveFilterCurve(first));
    EXPECT_FALSE(phaseView->RemoveFilterCurve(first));
    EXPECT_EQ(phaseView->GetCurves().size(), 1u);
}

TEST_F(FilterViewTest, HintTwelveRescalesOnlyThePhaseView)
{
    DrawConstantCurves({{17.0, -42.0}});
    doc->m_PhaseFilterAutomaticScaling.TurnOn();
    doc->m_FilterAutomaticScaling.TurnOn();
    const CDoubleRect filterBefore = filterView->GetViewWindow();
    doc->UpdateAllViews(nullptr, kHintSettingsApplied);
    EXPECT_DOUBLE_EQ(phaseView->GetViewWindow().top, 30.0);
    EXPECT_DOUBLE_EQ(phaseView->GetViewWindow().bottom, -50.0);
    EXPECT_DOUBLE_EQ(filterView->GetViewWindow().top, filterBefore.top);
    EXPECT_EQ(phaseView->GetCurves().size(), 1u);
}

TEST_F(FilterViewTest, TheEditModesAreExclusiveAndAChangeEndsTheReadout)
{
    DrawTwoFilters();
    CModeArray& modes = filterView->GetEditModeSet();
    EXPECT_EQ(modes.GetSize(), 5);
    filterView->m_CurveEdit.m_FollowingMode.TurnOn();
    doc->OnEditGraphicalMode(IFilterView::kMarkActive);
    EXPECT_TRUE(filterView->m_MarkActiveMode.IsOn());
    EXPECT_TRUE(filterView->m_CurveEdit.m_ClearCoordinatesMode.IsOn());
    doc->OnEditGraphicalMode(IFilterView::kDeleteFilters);
    EXPECT_TRUE(filterView->m_CurveEdit.m_DeleteFiltersMode.IsOn());
    EXPECT_FALSE(filterView->m_MarkActiveMode.IsOn());
    doc->OnEditGraphicalMode(IFilterView::kDeleteFilters);
    EXPECT_FALSE(filterView->m_CurveEdit.m_DeleteFiltersMode.IsOn());
}
