// The design workflow around the calculation on a headless document: end to end from a
// raw response file, log sampling and smoothing, additive restart from a coefficient
// file, copying generated filters into the grid, and the graphical edit modes.
#include "document/MemoryBudget.h"
#include "document/SystemMemory.h"
#include "tests/document/CalculationFixture.h"

#include <algorithm>

namespace
{
const std::string kTitle = "H(Z) = B(Z)/A(Z) = [b0 + b1*Z^-1 + b2*Z^-2] / [a0 + a1*Z^-1 + a2*Z^-2]";
const std::string kB = "   b0                   b1                   b2";
const std::string kA = "   a0                   a1                   a2";

// A coefficient file of one filter per pair of rows.
std::string CoefficientText(const std::vector<std::string>& numerators,
                            const std::vector<std::string>& denominators)
{
    std::string text = kTitle + "\n" + kB + "\n";
    for (const std::string& row : numerators)
        text += row + "\n";
    text += kA + "\n";
    for (const std::string& row : denominators)
        text += row + "\n";
    return text;
}

std::string Row(const mwMatrix& coefficients)
{
    std::string row;
    char number[40];
    for (double c : Values(coefficients))
    {
        std::snprintf(number, sizeof number, "  %.17g ", c);
        row += number;
    }
    return row;
}
} // namespace

class WorkflowTest : public CalculationTest
{
protected:
    // Gives the view's desired and bound curves flat levels over the raw frequencies and
    // builds the desired curve through the document's command, as the user does.
    void CreateDesiredCurves(double upper, double lower)
    {
        ShowRawCurves();
        const std::vector<double> x = Values(doc->m_LogFrequencies);
        std::vector<CDoublePoint> desired, up, low;
        for (double xi : x)
        {
            desired.push_back({xi, 5.0});
            up.push_back({xi, upper});
            low.push_back({xi, lower});
        }
        SetCurvePoints(*response.curves[IResponseView::kDesiredCurve], desired, response.area,
                       response.window, "Desired Response Curve");
        SetCurvePoints(*response.curves[IResponseView::kUpperBound], up, response.area,
                       response.window, "Upper Bound Curve");
        SetCurvePoints(*response.curves[IResponseView::kLowerBound], low, response.area,
                       response.window, "Lower Bound Curve");
        doc->OnEditCreateNewDesiredResponseCurve();
        response.newCurveMode = true;
        response.masterPoints = 2;
        CCurve& curve = *response.curves[IResponseView::kDesiredCurve];
        curve.AddMasterPoint(x.front(), 0.0);
        curve.AddMasterPoint(x.back(), 0.0);
        doc->OnEditCreateNewDesiredResponseCurve();
    }

    bool OpenCoefficients(const std::string& text)
    {
        WriteFileBytes(folder.Path("restart.flt"), text);
        return doc->OnFileOpenCoefficientsForAdditiveRestart(folder.Path("restart.flt"));
    }
};

TEST_F(WorkflowTest, EndToEndFromARawFileToFiltersWithinTolerance)
{
    ASSERT_TRUE(Open("spk.raw", RawText({{200.0, 8.0}, {4000.0, -6.0}}, 1000)));
    EXPECT_FALSE(doc->OnUpdateEditSmoothRawCurve().bEnabled);
    ASSERT_TRUE(doc->OnUpdateEditLogSampleRawCurve().bEnabled);
    doc->OnEditLogSampleRawCurve();
    EXPECT_EQ(app.logSampleShown, std::vector<long>{300});
    ASSERT_EQ(doc->m_nRawPoints, 300);
    EXPECT_FALSE(doc->OnUpdateEditLogSampleRawCurve().bEnabled);
    EXPECT_TRUE(doc->OnUpdateEditSmoothRawCurve().bEnabled);
    const std::vector<double> f = Values(doc->m_RawFrequencies);
    const double step = std::log10(f[1] / f[0]);
    for (std::size_t i = 1; i < f.size(); ++i)
        EXPECT_NEAR(std::log10(f[i] / f[i - 1]), step, 1e-9);
    EXPECT_LE(doc->m_nHigherFrequencyLimit, doc->m_nSamplingFrequency / 2);

    EXPECT_FALSE(doc->OnUpdateCalculateModifiedResponse().bEnabled);
    CreateDesiredCurves(1.5, -1.5);
    EXPECT_FALSE(doc->OnUpdateEditSmoothRawCurve().bEnabled); // desired curves are shown
    EXPECT_EQ(Values(doc->m_DesiredResponse), std::vector<double>(300, 0.0));
    ASSERT_TRUE(doc->OnUpdateCalculateModifiedResponse().bEnabled);
    ClearRecords();
    // At each pass's results the filter view finds one curve per calculated filter.
    std::vector<int> curvesAtResults;
    filter.onHint = [&](int nHint)
    {
        if (nHint == kHintCalculationResults &&
            doc->m_ResultPhases.GetSize() == doc->m_ResultMagnitudes.GetSize() &&
            std::size_t(doc->m_ResultMagnitudes.GetSize()) == doc->m_DrawnLabels.size())
            curvesAtResults.push_back(doc->m_ResultMagnitudes.GetSize());
    };
    doc->OnCalculateModifiedResponse();

    const int n = Calculated();
    ASSERT_GE(n, 2);
    std::vector<int> expectedCurves;
    for (int i = 1; i <= n; ++i)
        expectedCurves.push_back(i);
    EXPECT_EQ(curvesAtResults, expectedCurves);
    EXPECT_TRUE(doc->m_ResultMagnitudes.IsEmpty());
    ExpectModifiedWithinTolerance();
    std::vector<std::string> texts;
    for (int i = 1; i <= n + 1; ++i)
        texts.push_back("Calculating Filter " + std::to_string(i) + "\n");
    texts.push_back("Calculation Completed");
    EXPECT_EQ(app.statusTexts, texts);
    std::vector<int> responseHints{kHintCalculationStarts}, filterHints{kHintCalculationStarts};
    for (int i = 0; i < n; ++i)
    {
        responseHints.push_back(kHintCurvesChanged);
        filterHints.push_back(kHintCalculationResults);
    }
    EXPECT_EQ(response.hints, responseHints);
    EXPECT_EQ(filter.hints, filterHints);
    // The designed filters reach the coefficient file.
    EXPECT_TRUE(doc->m_CoefficientFile.m_ChangedMode.IsOn());
    ASSERT_TRUE(doc->CollectGridFilters());
    EXPECT_EQ(doc->m_CoeffNumerators.GetSize(), n);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WorkflowTest, LogSampleDialogRefusesCountsOutsideItsRange)
{
    const struct
    {
        long nEntered;
        bool bOk;
        int nPoints;
    } cases[] = {{300, false, 200}, {149, true, 200}, {100000001, true, 200}, {150, true, 150}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nEntered);
        ASSERT_TRUE(Open("spk.raw", RawText({{1000.0, 8.0}}, 200)));
        app.logSampleAnswer = c.bOk;
        app.logSamplePoints = c.nEntered;
        doc->OnEditLogSampleRawCurve();
        EXPECT_EQ(doc->m_nRawPoints, c.nPoints);
        EXPECT_EQ(doc->m_RawSamplingState.IsPending(), c.nPoints == 200);
    }
}

TEST_F(WorkflowTest, CountsThatDoNotFitTheMemoryAreRefusedWithTheDocumentUnchanged)
{
    // Log sampling: the memory for 1,000,000 points, or a byte less.
    ASSERT_TRUE(Open("spk.raw", RawText({{200.0, 8.0}, {4000.0, -6.0}}, 1000)));
    ClearRecords();
    app.logSamplePoints = 1000000;
    app.availableMemory = 1000000 * kLogSampleBytesPerPoint - 1;
    const std::vector<double> frequencies = Values(doc->m_RawFrequencies);
    doc->OnEditLogSampleRawCurve();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("not enough memory"), std::string::npos);
    EXPECT_NE(messages.texts[0].find("1000000 points"), std::string::npos);
    EXPECT_EQ(doc->m_nRawPoints, 1000);
    EXPECT_EQ(Values(doc->m_RawFrequencies), frequencies);
    EXPECT_TRUE(doc->m_RawSamplingState.IsPending());
    EXPECT_TRUE(response.hints.empty());
    app.logSamplePoints = 2000;
    app.availableMemory = 2000 * kLogSampleBytesPerPoint;
    doc->OnEditLogSampleRawCurve();
    EXPECT_EQ(messages.texts.size(), 1u);
    ASSERT_EQ(doc->m_nRawPoints, 2000);

    // The calculation: nothing starts, nothing changes.
    CreateDesiredCurves(1.5, -1.5);
    ClearRecords();
    messages.texts.clear();
    const std::vector<double> modified = Values(doc->m_ModifiedResponse);
    app.availableMemory = 2000 * kCalculationBytesPerPoint - 1;
    doc->OnCalculateModifiedResponse();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("calculate on the 2000 points"), std::string::npos);
    EXPECT_EQ(Calculated(), 0);
    EXPECT_EQ(app.beeps, 0);
    EXPECT_TRUE(response.hints.empty());
    EXPECT_EQ(Values(doc->m_ModifiedResponse), modified);
    EXPECT_TRUE(doc->OnUpdateCalculateModifiedResponse().bEnabled);
    app.availableMemory = 2000 * kCalculationBytesPerPoint;
    doc->OnCalculateModifiedResponse();
    EXPECT_GE(Calculated(), 2);
    EXPECT_EQ(messages.texts.size(), 1u);

    // Memory that runs out during the calculation ends it with the filters placed.
    messages.texts.clear();
    app.statusTexts.clear();
    filter.onHint = [this](int nHint)
    {
        if (nHint == kHintCalculationResults)
            app.availableMemory = 2000 * kCalculatedFilterBytesPerPoint - 1;
    };
    doc->OnCalculateModifiedResponse();
    EXPECT_EQ(Calculated(), 1);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("another filter"), std::string::npos);
    EXPECT_EQ(app.statusTexts.back(), "Calculation Ended");
}

TEST_F(WorkflowTest, LogSampleOfASinglePointShowsTheErrorAndChangesNothing)
{
    ASSERT_NO_FATAL_FAILURE(OpenResponse({}, 1));
    ClearRecords();
    doc->OnEditLogSampleRawCurve();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(doc->m_nRawPoints, 1);
    EXPECT_EQ(doc->m_RawFrequencies.NumberOfElements(), 1);
    EXPECT_TRUE(doc->m_RawSamplingState.IsPending());
    EXPECT_TRUE(response.hints.empty());
}

TEST_F(WorkflowTest, SmoothingKeepsTheFrequenciesAndLeavesTheDesiredCurvesAlone)
{
    ASSERT_TRUE(Open("spk.raw", RawText({{1000.0, 8.0}}, 400)));
    doc->OnEditLogSampleRawCurve();
    const std::vector<double> before = Values(doc->m_RawMagnitudeDb);
    doc->m_DesiredCurveFile.TurnOn();
    response.hints.clear();
    filter.hints.clear();
    doc->OnEditSmoothRawCurve();
    EXPECT_EQ(doc->m_nRawPoints, 300);
    const std::vector<double> after = Values(doc->m_RawMagnitudeDb);
    EXPECT_NE(after, before);
    // The peak of the bump is lowered by the smoothing.
    EXPECT_LT(*std::max_element(after.begin(), after.end()),
              *std::max_element(before.begin(), before.end()));
    EXPECT_TRUE(doc->m_DesiredCurveFile.IsOn());
    EXPECT_TRUE(doc->m_ModifiedRawFile.m_ChangedMode.IsOn());
    EXPECT_EQ(response.hints, (std::vector<int>{kHintRawResponseReplaced}));
    EXPECT_EQ(filter.hints, (std::vector<int>{kHintRebuildFilterCurves, kHintRawPhaseChanged}));
}

TEST_F(WorkflowTest, RestartWithAnIdentityFilterLeavesTheRawResponse)
{
    Prepare({{1000.0, 4.0}});
    EXPECT_TRUE(doc->OnUpdateFileOpenCoefficientsForAdditiveRestart().bEnabled);
    EXPECT_FALSE(doc->OnUpdateAdditiveRestartFromCoefficientFile().bEnabled);
    ASSERT_TRUE(
        OpenCoefficients(CoefficientText({"  0.5  0.25  0.125 "}, {"  0.5  0.25  0.125 "})));
    EXPECT_TRUE(doc->OnUpdateAdditiveRestartFromCoefficientFile().bEnabled);
    doc->OnAdditiveRestartFromCoefficientFile();
    const std::vector<double> shown = Values(doc->m_ModifiedResponse);
    const std::vector<double> raw = Values(doc->m_RawMagnitudeDb);
    const std::vector<double> phase = Values(doc->m_ModifiedPhase);
    const std::vector<double> rawPhase = Values(doc->m_RawPhase);
    ASSERT_EQ(shown.size(), raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i)
    {
        EXPECT_NEAR(shown[i], raw[i], 1e-9);
        EXPECT_NEAR(phase[i], rawPhase[i], 1e-9);
    }
    EXPECT_EQ(response.hints, (std::vector<int>{kHintFiltersDrawnOrRestart}));
    EXPECT_EQ(filter.hints, (std::vector<int>{kHintRestartFilterViews}));
    EXPECT_TRUE(doc->m_ModifiedRawFile.m_ChangedMode.IsOn());
}

TEST_F(WorkflowTest, RestartFilterWithAZeroGivesFiniteDecibels)
{
    // Zeros at a quarter of the sampling frequency, which is one of the raw frequencies.
    ASSERT_TRUE(Open("spk.raw", "t\nh\n1000 0\n6000 0\n12000 0\n18000 0\n"));
    doc->m_nSamplingFrequency = 48000;
    ASSERT_TRUE(OpenCoefficients(CoefficientText({"  1  0  1 "}, {"  1  0  0 "})));
    doc->OnAdditiveRestartFromCoefficientFile();
    for (double db : Values(doc->m_ModifiedResponse))
        EXPECT_TRUE(std::isfinite(db)) << db;
}

TEST_F(WorkflowTest, CancelledOrBadCoefficientFileEmptiesTheLists)
{
    Prepare({{1000.0, 4.0}});
    ASSERT_TRUE(OpenCoefficients(CoefficientText({"  1  0  0 "}, {"  1  0  0 "})));
    ASSERT_EQ(doc->m_CoeffNumerators.GetSize(), 1);
    EXPECT_FALSE(OpenCoefficients(CoefficientText({"  1  x  0 "}, {"  1  0  0 "})));
    EXPECT_EQ(app.fileReadErrors.size(), 1u);
    EXPECT_TRUE(doc->m_CoeffNumerators.IsEmpty());
    EXPECT_TRUE(doc->m_CoeffDenominators.IsEmpty());
    ASSERT_TRUE(OpenCoefficients(CoefficientText({"  1  0  0 "}, {"  1  0  0 "})));
    EXPECT_FALSE(doc->OnFileOpenCoefficientsForAdditiveRestart());
    EXPECT_TRUE(doc->m_CoeffNumerators.IsEmpty());
    const std::vector<double> before = Values(doc->m_ModifiedResponse);
    ClearRecords();
    doc->OnAdditiveRestartFromCoefficientFile();
    EXPECT_EQ(Values(doc->m_ModifiedResponse), before);
    EXPECT_TRUE(response.hints.empty());
}

// Finite coefficients whose response is no finite number made a modified response of inf
// and nan, and a saved response that would not open again. Such a filter is refused where
// it comes in, at its A row, and the restart leaves the response as it was.
TEST_F(WorkflowTest, RestartCoefficientsWhoseResponseIsNoFiniteNumberAreRefusedAtTheirRow)
{
    Prepare({{1000.0, 4.0}});
    const std::string kNoResponse =
        "The filter of this A row and its B row has a response that is not a finite number at "
        "every frequency (an a0 of 0, or coefficients too large or too small to divide by): it "
        "is no filter.";
    const std::string kA0Zero =
        "The a0 of this A row is 0, or so near 0 that the fifteen decimals of the file write it "
        "as 0: a filter divides by its a0, so no filter has an a0 of 0.";
    const struct
    {
        std::vector<std::string> b;
        std::vector<std::string> a;
        int nLine;
        const std::string* error;
    } cases[] = {
        {{"  1  0  0 "}, {"  0  0  0 "}, 5, &kA0Zero},
        {{"  1e308  1e308  1e308 "}, {"  1  0  0 "}, 5, &kNoResponse},
        {{"  1  0  0 "}, {"  1e-320  0  0 "}, 5, &kA0Zero},
        // An a0 of 0 whose response stays finite: taken, it gave a +18 dB filter.
        {{"  1  0  0 ", "  1  0  0 "}, {"  1  0  0 ", "  0  0.1  0.2 "}, 7, &kA0Zero},
    };
    const std::vector<double> before = Values(doc->m_ModifiedResponse);
    for (const auto& c : cases)
    {
        app.fileReadErrors.clear();
        EXPECT_FALSE(OpenCoefficients(CoefficientText(c.b, c.a))) << c.a.back();
        ASSERT_EQ(app.fileReadErrors.size(), 1u) << c.a.back();
        EXPECT_EQ(app.fileReadErrors[0].nLine, c.nLine) << c.a.back();
        EXPECT_EQ(app.fileReadErrors[0].error, *c.error) << c.a.back();
        EXPECT_TRUE(doc->m_CoeffNumerators.IsEmpty());
        EXPECT_TRUE(doc->m_RestartNumerators.IsEmpty());
        doc->OnAdditiveRestartFromCoefficientFile();
        EXPECT_EQ(Values(doc->m_ModifiedResponse), before);
    }
}

TEST_F(WorkflowTest, CalculationAfterARestartStartsFromTheRestartedResponse)
{
    // A flat speaker is already within tolerance; after a restart with a +8 dB peak the
    // calculation must work on the peaked response, as the restart promised.
    Prepare({});
    const auto peak = MakeEQ(8.0, 400.0, 1000.0, true, false);
    peak->Calculate();
    ASSERT_TRUE(OpenCoefficients(CoefficientText({Row(*peak->GetB())}, {Row(*peak->GetA())})));
    doc->OnAdditiveRestartFromCoefficientFile();
    const std::vector<double> restarted = Values(doc->m_ModifiedResponse);
    EXPECT_GT(*std::max_element(restarted.begin(), restarted.end()), 7.0);
    doc->OnViewDrawFilters(); // keeps the restart filters applied
    EXPECT_EQ(Values(doc->m_ModifiedResponse), restarted);
    ClearRecords();
    doc->OnCalculateModifiedResponse();
    ASSERT_GE(Calculated(), 1);
    EXPECT_EQ(app.statusTexts.back(), "Calculation Completed");
    ExpectModifiedWithinTolerance();
    // The restart filter is part of the design the coefficient file receives.
    ASSERT_TRUE(doc->CollectGridFilters());
    ASSERT_EQ(doc->m_CoeffNumerators.GetSize(), 1 + Calculated());
    EXPECT_EQ(Values(doc->m_CoeffNumerators.GetAt(0)).size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(Values(doc->m_CoeffNumerators.GetAt(0))[i], Values(*peak->GetB())[i], 1e-12);
    // Opening a response again forgets the restart filters.
    ASSERT_TRUE(Open("spk.raw", RawText({})));
    doc->m_DesiredCurveFile.TurnOn();
    ClearRecords();
    doc->OnCalculateModifiedResponse();
    EXPECT_EQ(app.statusTexts.back(), "The Speaker Response is already within Tolerance.");
}

TEST_F(WorkflowTest, CopiedFiltersAreNumberedAfterTheGridsLargestLabel)
{
    Prepare({{200.0, 8.0}, {4000.0, -8.0}});
    for (int number : {2, 7})
        doc->m_FilterLists.m_EQFilters.Add(MakeEQ(0.0, 100.0, 1000.0, false, false, number));
    EXPECT_FALSE(doc->OnUpdateEditCopyGeneratedFiltersToGrid().bEnabled);
    doc->OnCalculateModifiedResponse();
    const int n = Calculated();
    ASSERT_GE(n, 1);
    EXPECT_TRUE(doc->OnUpdateEditCopyGeneratedFiltersToGrid().bEnabled);
    app.nextOutputOrder = 5;
    app.windowCalls.clear();
    doc->OnEditCopyGeneratedFiltersToGrid();
    EXPECT_EQ(Calculated(), 0);
    const CDigEQFilterArray& grid = doc->m_FilterLists.m_EQFilters;
    ASSERT_EQ(grid.GetSize(), 2 + n);
    for (int i = 0; i < n; ++i)
    {
        EXPECT_EQ(grid.GetAt(2 + i)->GetLabel(), "EQ-" + std::to_string(8 + i));
        EXPECT_EQ(grid.GetAt(2 + i)->GetOutputOrder(), 5 + i);
    }
    EXPECT_EQ(app.windowCalls.front(), "EQ grid to filters");
    EXPECT_NE(std::find(app.windowCalls.begin(), app.windowCalls.end(), "EQ filters to grid"),
              app.windowCalls.end());
    EXPECT_TRUE(doc->m_FiltersInGridMode.IsOn());
    EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOn());
    EXPECT_EQ(doc->m_DrawnLabels.size(), std::size_t(2 + n));
    EXPECT_TRUE(doc->m_FiltersDrawnMode.IsOn());
}

// The labels of copied filters stop at the largest label number, which a parameter file
// may hold, instead of counting past it (and past INT_MAX).
TEST_F(WorkflowTest, CopiedFiltersAreNumberedNoHigherThanTheLargestFilterNumber)
{
    Prepare({{200.0, 8.0}, {4000.0, -8.0}});
    doc->m_FilterLists.m_EQFilters.Add(MakeEQ(0.0, 100.0, 1000.0, false, false, kMaxFilterNumber));
    doc->OnCalculateModifiedResponse();
    const int n = Calculated();
    ASSERT_GE(n, 1);
    doc->OnEditCopyGeneratedFiltersToGrid();
    const CDigEQFilterArray& grid = doc->m_FilterLists.m_EQFilters;
    ASSERT_EQ(grid.GetSize(), 1 + n);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(grid.GetAt(1 + i)->GetLabel(), "EQ-1000000000");
}

TEST_F(WorkflowTest, GraphicalModesNeedDrawnFiltersAndExcludeEachOther)
{
    Prepare({{1000.0, 4.0}});
    using E = IFilterView::EEditMode;
    const E modes[] = {IFilterView::kDeleteFilters, IFilterView::kMarkActive,
                       IFilterView::kMarkInactive, IFilterView::kMarkModifiable,
                       IFilterView::kMarkFixed};
    filter.editModes[IFilterView::kMarkActive].TurnOn();
    EXPECT_FALSE(doc->OnUpdateEditGraphicalMode(IFilterView::kMarkActive).bEnabled);
    EXPECT_FALSE(filter.editModes[IFilterView::kMarkActive].IsOn());
    doc->OnViewDrawFilters();
    for (E mode : modes)
    {
        doc->OnEditGraphicalMode(mode);
        for (E other : modes)
        {
            const CCommandState state = doc->OnUpdateEditGraphicalMode(other);
            EXPECT_TRUE(state.bEnabled);
            EXPECT_EQ(state.bChecked, other == mode);
        }
    }
    EXPECT_EQ(filter.editModeChanges, 5);
    doc->OnEditGraphicalMode(IFilterView::kMarkFixed);
    EXPECT_FALSE(doc->OnUpdateEditGraphicalMode(IFilterView::kMarkFixed).bChecked);
    EXPECT_EQ(filter.editModeChanges, 5);
}

TEST_F(WorkflowTest, CommandsThatChangeWhatTheCalculationWorksOnWaitForItsEnd)
{
    Prepare({{200.0, 8.0}, {4000.0, -8.0}});
    doc->m_RawSamplingState.Set();
    ASSERT_TRUE(OpenCoefficients(CoefficientText({"  1  0  0 "}, {"  1  0  0 "})));
    std::vector<bool> enabled;
    CActionPump pump;
    pump.action = [&]
    {
        doc->m_DesiredCurveFile.TurnOff(); // as after the user started new curves
        enabled = {doc->OnUpdateEditLogSampleRawCurve().bEnabled,
                   doc->OnUpdateEditSmoothRawCurve().bEnabled,
                   doc->OnUpdateAdditiveRestartFromCoefficientFile().bEnabled,
                   doc->OnUpdateEditCopyGeneratedFiltersToGrid().bEnabled};
        doc->OnEditLogSampleRawCurve();
        doc->OnAdditiveRestartFromCoefficientFile();
        doc->OnEditCopyGeneratedFiltersToGrid();
    };
    app.onContinuePrompt = [&] { pump.bPending = app.continuePrompts.size() == 1; };
    pump.bPending = false;
    {
        CScopedPump scoped(&pump);
        doc->OnCalculateModifiedResponseAndPause();
    }
    EXPECT_EQ(enabled, std::vector<bool>(4, false));
    EXPECT_TRUE(app.logSampleShown.empty());
    EXPECT_EQ(doc->m_nRawPoints, 100);
    EXPECT_TRUE(doc->m_RestartDenominators.IsEmpty());
    EXPECT_EQ(Calculated(), 2);
    EXPECT_EQ(app.statusTexts.back(), "Calculation Completed");
}

TEST(SystemMemory, TheKernelsAvailableMemoryIsRead)
{
    // Linux reports it; the largest value stands for "unknown".
    const std::uint64_t available = SystemAvailableMemory();
    EXPECT_GT(available, 0u);
    EXPECT_LT(available, ~std::uint64_t(0));
}
