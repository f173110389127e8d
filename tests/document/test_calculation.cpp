// The calculation commands on a headless document: the driver's passes and its four
// endings, stop, quit, matrix errors, the band search, the parameter matrix, filter
// application and the coefficients collected for the coefficient file.
#include "document/CalculateFilters.h"
#include "tests/document/CalculationFixture.h"

#include <algorithm>
#include <stdexcept>

TEST_F(CalculationTest, PlacesFiltersUntilTheResponseIsWithinTolerance)
{
    Prepare({{1000.0, 8.0}});
    EXPECT_TRUE(doc->OnUpdateCalculateModifiedResponse().bEnabled);
    EXPECT_FALSE(doc->OnUpdateCalculateStop().bEnabled);
    doc->OnCalculateModifiedResponse();

    const int n = Calculated();
    ASSERT_GE(n, 1);
    EXPECT_EQ(doc->m_nFilters, n);
    for (int i = 0; i < n; ++i)
    {
        const CDigEQFilter* f = doc->m_CalculatedEQFilters.GetAt(i);
        EXPECT_EQ(f->GetLabel(), "EQ-" + std::to_string(100 + i));
        EXPECT_TRUE(f->m_ActiveMode.IsOn());
        EXPECT_FALSE(f->m_ModifiableMode.IsOn());
    }
    EXPECT_EQ(doc->m_DrawnLabels.size(), std::size_t(n));
    ExpectModifiedWithinTolerance();
    // One status text per filter to come, then the ending; one beep per pass.
    ASSERT_EQ(app.statusTexts.size(), std::size_t(n + 2));
    for (int i = 0; i <= n; ++i)
        EXPECT_EQ(app.statusTexts[std::size_t(i)],
                  "Calculating Filter " + std::to_string(i + 1) + "\n");
    EXPECT_EQ(app.statusTexts.back(), "Calculation Completed");
    EXPECT_EQ(app.beeps, n);
    // The response view hears that the calculation starts and of every pass; the filter
    // view also gets every pass's results.
    EXPECT_EQ(response.hints.front(), kHintCalculationStarts);
    EXPECT_EQ(std::count(response.hints.begin(), response.hints.end(), kHintCurvesChanged), n);
    EXPECT_EQ(filter.hints.front(), kHintCalculationStarts);
    EXPECT_EQ(std::count(filter.hints.begin(), filter.hints.end(), kHintCalculationResults), n);
    EXPECT_EQ(std::count(filter.hints.begin(), filter.hints.end(), kHintCurvesChanged), 0);
    // The first pass activates the response window.
    EXPECT_EQ(std::count(app.windowCalls.begin(), app.windowCalls.end(), "activate response"), 1);
    EXPECT_TRUE(doc->m_CoefficientFile.m_ChangedMode.IsOn());
    EXPECT_TRUE(doc->m_ModifiedRawFile.m_ChangedMode.IsOn());
    EXPECT_TRUE(doc->m_ResultsDrawnMode.IsOn());
    EXPECT_EQ(doc->m_bCalculationIdle, 1);
    EXPECT_EQ(doc->m_bCalculationRunning, 0);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(CalculationTest, ResponseAlreadyWithinToleranceRunsNoPass)
{
    Prepare({{1000.0, 1.0}});
    doc->m_FilterLists.m_EQFilters.Add(MakeEQ(-0.5, 500.0, 1000.0, true, false));
    doc->OnCalculateModifiedResponse();
    EXPECT_EQ(Calculated(), 0);
    EXPECT_EQ(app.beeps, 0);
    EXPECT_EQ(app.statusTexts,
              (std::vector<std::string>{"Calculating Filter 1\n",
                                        "The Speaker Response is already within Tolerance."}));
    // The result is the raw response with the active filter applied, in dB.
    doc->m_FilterLists.m_EQFilters.GetAt(0)->Calculate();
    mwMatrix expected = doc->m_RawResponse;
    mwMatrix phase;
    doc->ComputeActiveFilterResponse(expected, phase, false);
    const std::vector<double> shown = Values(doc->m_ModifiedResponse);
    const std::vector<double> want = Values(LinearToDb(expected));
    ASSERT_EQ(shown.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(shown[i], want[i], 1e-9);
    ExpectModifiedWithinTolerance();
}

TEST_F(CalculationTest, PauseCancelledAfterTheSecondFilterKeepsBoth)
{
    Prepare({{200.0, 8.0}, {4000.0, -8.0}});
    app.continueAnswers = 2;
    doc->OnCalculateModifiedResponseAndPause();
    EXPECT_EQ(app.continuePrompts, (std::vector<long>{1, 2}));
    EXPECT_EQ(Calculated(), 2);
    EXPECT_EQ(app.statusTexts.back(), "Calculation Ended");
    EXPECT_EQ(doc->m_bPauseRequested, 0);
    // Before each prompt the two views leave their coordinate display.
    EXPECT_EQ(std::count(app.windowCalls.begin(), app.windowCalls.end(),
                         "command 32795 to response frame"),
              2);
}

TEST_F(CalculationTest, FilterLimitStopsWhenTheCountReachesOrPassesIt)
{
    // limit, modifiable grid filters at the start, passes expected.
    const struct
    {
        int nLimit, nModifiable, nPasses;
    } cases[] = {{1, 0, 1}, {2, 0, 2}, {2, 3, 1}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nLimit * 10 + c.nModifiable);
        Prepare({{200.0, 8.0}, {1000.0, 8.0}, {4000.0, -8.0}});
        doc->m_FilterLists.m_EQFilters.RemoveAll();
        for (int i = 0; i < c.nModifiable; ++i)
            doc->m_FilterLists.m_EQFilters.Add(
                MakeEQ(0.1, 100.0, 10000.0 + 1000.0 * i, true, true));
        SetFilterLimitCount(doc->m_LimitNumberOfFilters, c.nLimit);
        doc->m_LimitNumberOfFilters.SetState(1);
        app.beeps = 0;
        doc->OnCalculateModifiedResponse();
        EXPECT_EQ(app.beeps, c.nPasses);
        EXPECT_EQ(doc->m_nFilters, c.nModifiable + c.nPasses);
        EXPECT_EQ(app.statusTexts.back(),
                  "The maximum number of filters set by the user was reached.  Calculation ended.");
    }
}

TEST_F(CalculationTest, FilterLimitSetWhileTheCalculationRunsTakesEffect)
{
    Prepare({{200.0, 8.0}, {4000.0, -8.0}});
    // The user turns the limit on through Settings during the first pass.
    CActionPump pump;
    pump.action = [&]
    {
        SetFilterLimitCount(doc->m_LimitNumberOfFilters, 1);
        doc->m_LimitNumberOfFilters.SetState(1);
    };
    {
        CScopedPump scoped(&pump);
        doc->OnCalculateModifiedResponse();
    }
    EXPECT_EQ(app.beeps, 1);
    EXPECT_EQ(Calculated(), 1);
    EXPECT_EQ(app.statusTexts.back(),
              "The maximum number of filters set by the user was reached.  Calculation ended.");
}

TEST_F(CalculationTest, StopEndsTheCalculationAndKeepsTheDocumentAsItWas)
{
    Prepare({{200.0, 8.0}, {4000.0, -8.0}});
    // One pass completes; the stop comes inside the second, through the cancellation pump.
    CActionPump pump;
    bool bEnabledWhileUnwinding = true;
    int nIdleWhileUnwinding = -1;
    std::vector<double> parametersBefore, modifiedBefore, phaseBefore;
    pump.action = [&]
    {
        doc->OnCalculateStop();
        bEnabledWhileUnwinding = doc->OnUpdateCalculateModifiedResponse().bEnabled;
        nIdleWhileUnwinding = doc->m_bCalculationIdle;
        doc->OnCalculateModifiedResponse(); // must not start a second calculation
    };
    app.onContinuePrompt = [&]
    {
        if (app.continuePrompts.size() == 1)
        {
            parametersBefore = Values(doc->m_EQParameters);
            modifiedBefore = Values(doc->m_ModifiedResponse);
            phaseBefore = Values(doc->m_ModifiedPhase);
            pump.bPending = true;
        }
    };
    pump.bPending = false;
    {
        CScopedPump scoped(&pump);
        doc->OnCalculateModifiedResponseAndPause();
    }
    EXPECT_FALSE(bEnabledWhileUnwinding);
    EXPECT_EQ(nIdleWhileUnwinding, 0);
    EXPECT_EQ(Calculated(), 1);
    EXPECT_EQ(doc->m_nFilters, 1);
    EXPECT_EQ(Values(doc->m_EQParameters), parametersBefore);
    EXPECT_EQ(Values(doc->m_ModifiedResponse), modifiedBefore);
    EXPECT_EQ(Values(doc->m_ModifiedPhase), phaseBefore);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"User Stopped Calculation"});
    EXPECT_EQ(app.statusTexts.back(), "Calculation Stopped by User");
    EXPECT_EQ(g_nUserAbort, 0);
    EXPECT_EQ(doc->m_bCalculationIdle, 1);
    EXPECT_TRUE(doc->OnUpdateCalculateModifiedResponse().bEnabled);
    EXPECT_FALSE(doc->OnUpdateCalculateStop().bEnabled);
}

TEST_F(CalculationTest, StopBeforeTheFirstPassLeavesTheResponseAsOpened)
{
    Prepare({{1000.0, 8.0}});
    const std::vector<double> before = Values(doc->m_ModifiedResponse);
    CActionPump pump;
    pump.action = [&] { doc->OnCalculateStop(); };
    {
        CScopedPump scoped(&pump);
        doc->OnCalculateModifiedResponse();
    }
    EXPECT_EQ(Calculated(), 0);
    EXPECT_EQ(Values(doc->m_ModifiedResponse), before);
    EXPECT_EQ(app.statusTexts.back(), "Calculation Stopped by User");
}

TEST_F(CalculationTest, PrepareBuildsOneRowPerActiveModifiableFilter)
{
    Prepare({{1000.0, 1.0}});
    EXPECT_FALSE(doc->PrepareCalculation());
    EXPECT_EQ(doc->m_nFilters, 0);
    EXPECT_EQ(doc->m_EQParameters.NumberOfElements(), 0);

    const double gains[] = {3.0, -2.0, 5.0, 4.0};
    for (int i = 0; i < 4; ++i)
        doc->m_FilterLists.m_EQFilters.Add(
            MakeEQ(gains[i], 100.0, 1000.0 * (i + 1), i != 3, i != 1));
    EXPECT_TRUE(doc->PrepareCalculation());
    // The count handed to the optimizer is that of the rows built, not of all EQ filters.
    EXPECT_EQ(doc->m_nFilters, 2);
    ASSERT_EQ(doc->m_EQParameters.Size(1), 2);
    EXPECT_EQ(Values(doc->m_EQParameters),
              (std::vector<double>{1, 1, 3, 5, 100, 100, 1000, 3000, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CalculationBand, ClampsToTheDataAndRefusesBandsOutsideIt)
{
    const double f[] = {100.0, 200.0, 400.0, 800.0};
    const mwMatrix freq(4, 1, const_cast<double*>(f), nullptr, 1);
    struct
    {
        int lowF, highF;
        bool bOk;
        int iLow, jHigh;
    } cases[] = {
        {50, 5000, true, 0, 1}, {190, 420, true, 1, 2},  {5000, 9000, false, 3, 1},
        {10, 20, false, 0, 4},  {300, 300, true, 1, 2},  {390, 410, true, 2, 2},
        {700, 900, true, 3, 1}, {500, 250, false, 2, 3},
    };
    for (const auto& c : cases)
    {
        CCalculationBand band;
        EXPECT_EQ(FindCalculationBand(freq, c.lowF, c.highF, band), c.bOk) << c.lowF;
        EXPECT_EQ(band.iLow, c.iLow) << c.lowF;
        EXPECT_EQ(band.jHigh, c.jHigh) << c.lowF;
    }
    CCalculationBand band;
    EXPECT_FALSE(FindCalculationBand(mwMatrix(100.0), 10, 1000, band));
}

TEST_F(CalculationTest, RunCalculationLeavesTheDocumentIdleWhenTheDriverReturns)
{
    Prepare({{1000.0, 8.0}});
    doc->PrepareCalculation();
    EXPECT_TRUE(doc->RunCalculation());
    EXPECT_EQ(doc->m_bCalculationIdle, 1);
    EXPECT_EQ(doc->m_bCalculationRunning, 0);
    EXPECT_GE(Calculated(), 1);
}

TEST_F(CalculationTest, AnErrorNoHandlerTakesStillEndsTheCommand)
{
    Prepare({{200.0, 8.0}, {4000.0, -8.0}});
    app.onContinuePrompt = [] { throw std::runtime_error("dialog failed"); };
    EXPECT_THROW(doc->OnCalculateModifiedResponseAndPause(), std::runtime_error);
    EXPECT_EQ(doc->m_bCalculationIdle, 1);
    EXPECT_EQ(doc->m_bPauseRequested, 0);
    EXPECT_TRUE(doc->OnUpdateCalculateModifiedResponse().bEnabled);
    EXPECT_FALSE(doc->OnUpdateCalculateStop().bEnabled);
}

TEST_F(CalculationTest, QuitEndsTheCalculationAsAbortedWithoutAMessage)
{
    Prepare({{1000.0, 8.0}});
    class CQuitPump : public CMessagePump
    {
    public:
        bool IsMessageWaiting() override { return true; }
        bool PumpMessage() override { return false; }
        bool OnIdle(long) override { return false; }
        void PostQuit(int) override { ++quits; }
        int quits = 0;
    } pump;
    bool bResult = true;
    {
        CScopedPump scoped(&pump);
        doc->PrepareCalculation();
        bResult = doc->RunCalculation();
    }
    EXPECT_FALSE(bResult);
    EXPECT_EQ(pump.quits, 1);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(app.statusTexts.back(), "Calculating Filter 1\n");
    EXPECT_EQ(doc->m_bCalculationRunning, 0);
}

TEST_F(CalculationTest, CoefficientListsHoldTheGridFiltersThenTheCalculatedOnes)
{
    Prepare({{1000.0, 8.0}});
    EXPECT_FALSE(doc->CollectGridFilters());
    doc->m_FilterLists.m_NotchFilters.Add(std::make_unique<CDigNotch>());
    doc->m_FilterLists.m_NotchFilters.GetAt(0)->m_ActiveMode.SetState(0);
    doc->m_FilterLists.m_EQFilters.Add(MakeEQ(2.0, 300.0, 8000.0, true, false));
    doc->OnCalculateModifiedResponse();
    const int n = Calculated();
    ASSERT_GE(n, 1);
    EXPECT_TRUE(doc->CollectGridFilters());
    ASSERT_EQ(doc->m_CoeffNumerators.GetSize(), 1 + n);
    ASSERT_EQ(doc->m_CoeffDenominators.GetSize(), 1 + n);
    EXPECT_EQ(Values(doc->m_CoeffNumerators.GetAt(0)),
              Values(*doc->m_FilterLists.m_EQFilters.GetAt(0)->GetB()));
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(Values(doc->m_CoeffDenominators.GetAt(1 + i)),
                  Values(*doc->m_CalculatedEQFilters.GetAt(i)->GetA()));
}

TEST_F(CalculationTest, DrawFiltersWithoutActiveFiltersGivesTheRawMagnitudeInDb)
{
    Prepare({{1000.0, 4.0}});
    doc->OnViewDrawFilters();
    EXPECT_TRUE(doc->m_DrawnLabels.empty());
    EXPECT_EQ(filter.hints, (std::vector<int>{kHintDrawFilters}));
    EXPECT_EQ(response.hints, (std::vector<int>{kHintFiltersDrawnOrRestart}));
    const std::vector<double> shown = Values(doc->m_ModifiedResponse);
    const std::vector<double> raw = Values(doc->m_RawMagnitudeDb);
    ASSERT_EQ(shown.size(), raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i)
        EXPECT_NEAR(shown[i], raw[i], 1e-9);
    EXPECT_FALSE(mxIsComplex(doc->m_ModifiedResponse.GetData()));
    EXPECT_TRUE(doc->m_FiltersDrawnMode.IsOn());
}

TEST_F(CalculationTest, FiltersThatCannotBeDesignedAreNamedAndNothingIsDrawnOrCalculated)
{
    Prepare({{1000.0, 8.0}});
    // A bandwidth of 0 designs a flat section; a cut frequency of 0 Hz one of NaN.
    doc->m_FilterLists.m_EQFilters.Add(MakeEQ(6.0, 0.0, 1000.0, true, false, 3));
    doc->m_FilterLists.m_EQFilters.Add(MakeEQ(-4.0, 200.0, 2000.0, true, false, 4));
    auto pass = std::make_unique<CDigHighPass_B>();
    pass->Parse("HPB-2, 0, Yes, 5", 48000);
    doc->m_FilterLists.m_HighPass_BFilters.Add(std::move(pass));
    const std::vector<double> before = Values(doc->m_ModifiedResponse);

    doc->OnViewDrawFilters();
    ASSERT_EQ(messages.texts.size(), 1u);
    const std::string& text = messages.texts[0];
    EXPECT_NE(text.find("EQ-3: the Bandwidth must be above 0."), std::string::npos) << text;
    EXPECT_NE(text.find("HPB-2: the Cut Frequency must be above 0 Hz"), std::string::npos) << text;
    EXPECT_EQ(text.find("EQ-4"), std::string::npos) << text;
    EXPECT_TRUE(filter.hints.empty());
    EXPECT_TRUE(response.hints.empty());
    EXPECT_TRUE(doc->m_FiltersDrawnMode.IsOff());
    EXPECT_EQ(Values(doc->m_ModifiedResponse), before);

    // The calculation applies the active filters: refused the same way.
    messages.texts.clear();
    doc->OnCalculateModifiedResponse();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("EQ-3"), std::string::npos);
    EXPECT_EQ(Calculated(), 0);
    EXPECT_TRUE(response.hints.empty());
    EXPECT_EQ(doc->m_bCalculationIdle, 1);

    // Inactive, they stay out of the calculation; corrected, they are drawn.
    doc->m_FilterLists.m_EQFilters.GetAt(0)->m_ActiveMode.TurnOff();
    doc->m_FilterLists.m_HighPass_BFilters.GetAt(0)->m_ActiveMode.TurnOff();
    messages.texts.clear();
    doc->OnCalculateModifiedResponse();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_GE(Calculated(), 1);
    doc->m_FilterLists.m_EQFilters.RemoveAt(0);
    doc->m_FilterLists.m_HighPass_BFilters.RemoveAll();
    doc->OnViewDrawFilters();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(doc->m_DrawnLabels, std::vector<std::string>{"EQ-4"});
}

TEST_F(CalculationTest, ABandOfFewerThanTwoPointsEndsWithAMessage)
{
    // Points of the response, frequency limits (Hz).
    const struct
    {
        int nPoints, nLow, nHigh;
    } cases[] = {{100, 30000, 40000}, {100, 1, 10}, {1, 20, 20000}};
    const std::string text = "The frequency limits leave fewer than two response points to "
                             "calculate on.  Calculation ended.";
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nPoints * 100000 + c.nLow);
        Prepare({{1000.0, 8.0}}, c.nPoints);
        doc->m_nLowerFrequencyLimit = c.nLow;
        doc->m_nHigherFrequencyLimit = c.nHigh;
        messages.texts.clear();
        doc->OnCalculateModifiedResponse();
        EXPECT_EQ(messages.texts, std::vector<std::string>{text});
        EXPECT_EQ(app.statusTexts.back(), text);
        EXPECT_EQ(Calculated(), 0);
        EXPECT_EQ(doc->m_bCalculationRunning, 0);
        EXPECT_EQ(doc->m_bCalculationIdle, 1);
    }
}

TEST_F(CalculationTest, ABandOfOnePointIsCalculated)
{
    Prepare({{1000.0, 8.0}});
    doc->m_nLowerFrequencyLimit = 1000;
    doc->m_nHigherFrequencyLimit = 1000;
    doc->OnCalculateModifiedResponse();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_GE(Calculated(), 1);
    EXPECT_EQ(app.statusTexts.back(), "Calculation Completed");
}

TEST_F(CalculationTest, MatrixErrorIsShownAndEndsTheCalculation)
{
    Prepare({{1000.0, 8.0}});
    doc->m_UpperTolerance = Column(10, 1.5);
    doc->PrepareCalculation();
    EXPECT_FALSE(doc->RunCalculation());
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"The response and the tolerance curves differ in length."});
    EXPECT_EQ(doc->m_bCalculationRunning, 0);
    EXPECT_EQ(Calculated(), 0);
    // The status bar says the calculation is over, not which filter it was calculating.
    ASSERT_FALSE(app.statusTexts.empty());
    EXPECT_EQ(app.statusTexts.back(), "Calculation Ended");
}

TEST_F(CalculationTest, ResultsRepairZeroMagnitudesBeforeDecibels)
{
    Prepare({{1000.0, 8.0}});
    std::vector<double> mask(100, 1.0);
    mask[40] = 0.0;
    // A zero in the raw response, and one calculated filter.
    doc->m_RawResponse = times(doc->m_RawResponse, mwMatrix(100, 1, mask.data(), nullptr, 1));
    double row[] = {1, 3, 100, 1000, 0, 0, 0, 0};
    doc->m_EQParameters = mwMatrix(1, 8, row, nullptr, 1);
    doc->LoadCalculationResults();
    EXPECT_EQ(doc->m_DrawnLabels, std::vector<std::string>{"EQ-100"});
    EXPECT_EQ(filter.hints, std::vector<int>{kHintCalculationResults});
    EXPECT_TRUE(doc->m_ResultMagnitudes.IsEmpty());
    EXPECT_TRUE(doc->m_ResultsDrawnMode.IsOn());
    for (double db : Values(doc->m_ModifiedResponse))
        EXPECT_TRUE(std::isfinite(db)) << db;
}

TEST(CalculationBand, PointsOnAToleranceCurveCountAsInside)
{
    const double f[] = {100.0, 200.0, 400.0, 800.0};
    const mwMatrix freq(4, 1, const_cast<double*>(f), nullptr, 1);
    CCalculationBand band;
    ASSERT_TRUE(FindCalculationBand(freq, 160, 500, band)); // points 200 and 400
    const mwMatrix flat = Column(4, 1.0);                   // 0 dB
    EXPECT_EQ(CountPointsAboveUpper(flat, band, Column(4, 0.0)), 0.0);
    EXPECT_EQ(CountPointsBelowLower(flat, band, Column(4, 0.0)), 0.0);
    EXPECT_EQ(CountPointsAboveUpper(flat, band, Column(4, -0.01)), 2.0);
    EXPECT_EQ(CountPointsBelowLower(flat, band, Column(4, 0.01)), 2.0);
}
