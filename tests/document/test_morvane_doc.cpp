// The speaker document: its state when new, opening a raw response, saving the raw and
// the modified response, the start-up response and edits of the raw curve.
#include "document/MorvaneSettings.h"
#include "graph/Convert.h"
#include "tests/document/DocumentFixture.h"
#include "tests/support/NonRegularFiles.h"

#include <cmath>
#include <numbers>
#include <sys/stat.h>

namespace
{
const std::string kThreeColumns = "\"title\"\r\nheader\r\n"
                                  "  100.0000,  -6.00000,  90.00000\r\n"
                                  "  1000.0000,   0.00000, 170.00000\r\n"
                                  "  30000.0000,  6.00000, -170.00000\r\n";
} // namespace

TEST_F(DocumentTest, NewDocumentIsEmptyAndPublished)
{
    EXPECT_EQ(app.m_pMorvaneDoc, doc.get());
    EXPECT_EQ(doc->m_nFilters, 0);
    EXPECT_EQ(doc->m_bCalculationIdle, 0);
    for (const CFileRecord* r :
         {&doc->m_RawFile, &doc->m_DesiredCurveFile, &doc->m_CoefficientFile,
          &doc->m_ModifiedRawFile, &doc->m_ParameterFile, &doc->m_MasterPointFile})
    {
        EXPECT_TRUE(r->IsOff());
        EXPECT_TRUE(r->m_ChangedMode.IsOff());
    }
    EXPECT_TRUE(doc->m_RawFile.GetName().empty());
    const std::string stamp = TimeStampText();
    EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("FilterParameters" + stamp + ".par"));
    EXPECT_EQ(doc->m_MasterPointFile.GetName(), folder.Path("MasterPt" + stamp + ".mpt"));
    EXPECT_EQ(doc->m_EqFileStatus.GetName(), folder.Path("QZX2xxxData" + stamp + ".eq"));
    EXPECT_EQ(doc->m_nSamplingFrequency, 48000);
    EXPECT_EQ(doc->m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(double(doc->m_SingleOptParam), 0.001);
    EXPECT_EQ(doc->m_dSpeakerScalingUpper, 30.0);
    EXPECT_EQ(doc->m_dFilterScalingLower, -80.0);
    EXPECT_TRUE(doc->m_SpeakerAutomaticScaling.IsOn());
    EXPECT_FALSE(doc->OnUpdateFileSaveRawResponse().bEnabled);
    doc.reset();
    EXPECT_EQ(app.m_pMorvaneDoc, nullptr);
}

TEST_F(DocumentTest, OpeningThreeColumnsBuildsTheComplexResponse)
{
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    EXPECT_TRUE(app.m_PhaseColumnMode.IsOn());
    EXPECT_EQ(doc->m_nRawPoints, 3);
    EXPECT_EQ(Values(doc->m_RawFrequencies), (std::vector<double>{100, 1000, 30000}));
    EXPECT_EQ(Values(doc->m_RawMagnitudeDb), (std::vector<double>{-6, 0, 6}));
    const std::vector<double> logs = Values(doc->m_LogFrequencies);
    EXPECT_DOUBLE_EQ(logs[1], 3.0);
    // 170 to -170 degrees unwraps to 190.
    const std::vector<double> phases = Values(doc->m_RawPhase);
    EXPECT_NEAR(phases[0], 90.0, 1e-9);
    EXPECT_NEAR(phases[2], 190.0, 1e-9);
    const auto response = ComplexValues(doc->m_RawResponse);
    EXPECT_NEAR(std::abs(response[0]), std::pow(10.0, -6.0 / 20.0), 1e-12);
    EXPECT_NEAR(std::arg(response[0]), std::numbers::pi / 2, 1e-12);
    EXPECT_NEAR(std::arg(response[2]), -170.0 * std::numbers::pi / 180.0, 1e-12);
    EXPECT_EQ(ComplexValues(doc->m_ModifiedResponse), response);
    EXPECT_NEAR(Values(doc->m_ModifiedPhase)[2], 190.0, 1e-9);
    EXPECT_EQ(doc->m_nLowerFrequencyLimit, 100);
    EXPECT_EQ(doc->m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(app.m_Settings.m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(doc->m_bCalculationIdle, 1);
    EXPECT_TRUE(doc->m_RawSamplingState.IsPending());
}

TEST_F(DocumentTest, OpeningDerivesCompanionNamesAndTellsTheWindows)
{
    doc->m_CoefficientFile.MarkNewContent();
    doc->m_DesiredCurveFile.MarkNewContent();
    doc->m_FiltersDrawnMode.TurnOn();
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    const std::string base = folder.Path("spk1");
    EXPECT_EQ(doc->m_RawFile.GetName(), base + ".raw");
    EXPECT_TRUE(doc->m_RawFile.IsOn());
    EXPECT_EQ(doc->m_DesiredCurveFile.GetName(), base + ".crv");
    EXPECT_EQ(doc->m_CoefficientFile.GetName(), base + ".flt");
    EXPECT_EQ(doc->m_ModifiedRawFile.GetName(), base + "Mod.raw");
    EXPECT_EQ(doc->m_ParameterFile.GetName(), base + ".par");
    EXPECT_EQ(doc->m_MasterPointFile.GetName(), base + ".mpt");
    EXPECT_EQ(doc->m_EqFileStatus.GetName(), base + ".eq");
    EXPECT_EQ(family.paths, std::vector<std::string>{base + ".raw"});
    EXPECT_TRUE(doc->m_CoefficientFile.IsOff());
    EXPECT_TRUE(doc->m_DesiredCurveFile.m_ChangedMode.IsOff());
    EXPECT_TRUE(doc->m_FiltersDrawnMode.IsOff());
    EXPECT_EQ(response.hints, (std::vector<int>{1}));
    EXPECT_EQ(filter.hints, (std::vector<int>{9, 14}));
    EXPECT_EQ(phase.hints, (std::vector<int>{1, 9, 14}));
    EXPECT_EQ(filter.rebuilds, 1);
    EXPECT_EQ(app.windowCalls,
              (std::vector<std::string>{"show response", "show filter", "activate response"}));
    EXPECT_EQ(app.pathNames, std::vector<std::string>{base + ".raw"});
    EXPECT_EQ(app.recentFiles, std::vector<std::string>{base + ".raw"});
}

TEST_F(DocumentTest, TwoColumnsGiveZeroPhaseAndRealResponse)
{
    app.m_PhaseColumnMode.TurnOn();
    ASSERT_TRUE(Open("two.txt", "t\nh\n100 -6\n200 0\n20000.7 6\n"));
    EXPECT_TRUE(app.m_PhaseColumnMode.IsOff());
    EXPECT_EQ(Values(doc->m_RawPhase), (std::vector<double>{0, 0, 0}));
    const auto response = ComplexValues(doc->m_RawResponse);
    for (std::size_t i = 0; i < 3; ++i)
    {
        EXPECT_NEAR(response[i].real(), std::pow(10.0, (double(i) * 6 - 6) / 20.0), 1e-12);
        EXPECT_EQ(response[i].imag(), 0.0);
    }
    EXPECT_EQ(doc->m_nHigherFrequencyLimit, 20000);
}

TEST_F(DocumentTest, FirstPointAtZeroHertzIsRepairedBeforeTheLimits)
{
    ASSERT_TRUE(Open("zero.raw", "t\nh\n0 -10 0\n400 -6 10\n1000 0 0\n"));
    EXPECT_NEAR(Values(doc->m_RawFrequencies)[0], 20.0, 1e-12);
    EXPECT_EQ(doc->m_nLowerFrequencyLimit, 20);
    EXPECT_EQ(Values(doc->m_RawMagnitudeDb)[0], -8.0);
}

TEST_F(DocumentTest, RejectedFileLeavesTheDocumentAsItWas)
{
    ASSERT_TRUE(Open("good.raw", kThreeColumns));
    const std::vector<double> before = Values(doc->m_RawFrequencies);
    response.hints.clear();
    EXPECT_FALSE(Open("bad.raw", "t\nh\n100 -3 45\n200 oops 7\n"));
    ASSERT_EQ(app.fileReadErrors.size(), 1u);
    EXPECT_EQ(app.fileReadErrors[0].file, folder.Path("bad.raw"));
    EXPECT_EQ(app.fileReadErrors[0].nLine, 4);
    EXPECT_EQ(Values(doc->m_RawFrequencies), before);
    EXPECT_EQ(doc->m_RawFile.GetName(), folder.Path("good.raw"));
    EXPECT_TRUE(app.m_PhaseColumnMode.IsOn());
    EXPECT_TRUE(response.hints.empty());

    EXPECT_FALSE(Open("empty.raw", "t\nh\n"));
    EXPECT_EQ(app.fileReadErrors.size(), 2u);
    EXPECT_EQ(app.fileReadErrors[1].nLine, 3); // where the first row was expected
    EXPECT_EQ(doc->m_nRawPoints, 3);

    // Measurements that cannot be right: one point, frequencies not rising.
    const struct
    {
        const char* text;
        int nLine;
    } refused[] = {{"t\nh\n1000 85 0\n", 4},
                   {"t\nh\n100 85 0\n50 86 0\n", 4},
                   {"t\nh\n0 85 0\n1 86 0\n2 87 0\n", 4}};
    for (const auto& r : refused)
    {
        response.hints.clear();
        EXPECT_FALSE(Open("refused.raw", r.text)) << r.text;
        ASSERT_FALSE(app.fileReadErrors.empty());
        EXPECT_EQ(app.fileReadErrors.back().nLine, r.nLine) << r.text;
        EXPECT_EQ(Values(doc->m_RawFrequencies), before) << r.text;
        EXPECT_EQ(doc->m_RawFile.GetName(), folder.Path("good.raw"));
        EXPECT_TRUE(response.hints.empty());
    }
}

TEST_F(DocumentTest, LimitsFromAFileKeepTheSettingsRules)
{
    // Within 1 to 30000 Hz, the higher at most half of 48000 Hz, the lower not above it.
    const struct
    {
        const char* text;
        int nLower;
        int nHigher;
    } cases[] = {{"t\nh\n0.01 -3\n0.5 -4\n", 1, 1},
                 {"t\nh\n40000 -3\n100000 -4\n", 24000, 24000},
                 {"t\nh\n20.9 -3\n5000000 -4\n", 20, 24000}};
    for (const auto& c : cases)
    {
        ASSERT_TRUE(Open("band.raw", c.text)) << c.text;
        EXPECT_EQ(doc->m_nLowerFrequencyLimit, c.nLower) << c.text;
        EXPECT_EQ(doc->m_nHigherFrequencyLimit, c.nHigher) << c.text;
    }
}

TEST_F(DocumentTest, SavedResponsesOpenAgainWithTheSamePoints)
{
    // Two points closer than the four decimals a frequency is written with.
    const std::vector<double> f = {2.0, 2.00004, 1000.0};
    ASSERT_TRUE(Open("close.raw", "t\nh\n2 -1 0\n2.00004 0 10\n1000 1 20\n"));
    ShowRawCurves();
    doc->OnFileSaveRawResponse();
    EXPECT_TRUE(messages.texts.empty());
    ASSERT_TRUE(doc->OpenRawResponseFile(folder.Path("close.raw"))) << app.fileReadErrors.size();
    ASSERT_EQ(doc->m_nRawPoints, 3);
    for (std::size_t i = 0; i < f.size(); ++i)
        EXPECT_NEAR(Values(doc->m_RawFrequencies)[i], f[i], 1e-9) << i;

    // The modified response is written the same way.
    ShowRawCurves();
    doc->m_ModifiedRawFile.MarkNewContent();
    const std::vector<double> x = Values(doc->m_LogFrequencies);
    SetCurvePoints(*response.curves[IResponseView::kModifiedCurve],
                   {{x[0], -1}, {x[1], 0}, {x[2], 1}}, response.area, response.window);
    SetCurvePoints(*phase.curves[IPhaseView::kModifiedCurve], {{x[0], 5}, {x[1], 6}, {x[2], 7}},
                   response.area, phase.window);
    dialogs.answers = {folder.Path("closeMod.raw")};
    doc->OnFileSaveAsModifiedResponse();
    ASSERT_TRUE(doc->OpenRawResponseFile(folder.Path("closeMod.raw")));
    EXPECT_EQ(doc->m_nRawPoints, 3);
    EXPECT_TRUE(app.fileReadErrors.empty());
}

TEST_F(DocumentTest, APipeNamedAsTheResponseIsRefusedWithoutWaiting)
{
    ASSERT_TRUE(Open("good.raw", kThreeColumns));
    const std::vector<std::string> paths = MakeNonRegularFiles(folder.Root());
    for (const std::string& path : paths)
    {
        bool ok = true;
        ASSERT_TRUE(ReturnsWithoutWaiting([&] { ok = doc->OpenRawResponseFile(path); }, paths))
            << path;
        EXPECT_FALSE(ok);
        ASSERT_FALSE(app.fileReadErrors.empty());
        EXPECT_EQ(app.fileReadErrors.back().file, path);
        EXPECT_NE(app.fileReadErrors.back().error.find("not a regular file"), std::string::npos);
        EXPECT_EQ(doc->m_RawFile.GetName(), folder.Path("good.raw"));
    }
}

TEST_F(DocumentTest, CancelledOpenChangesNothing)
{
    EXPECT_FALSE(doc->OpenRawResponseWithDialog());
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(app.fileReadErrors.empty());
    EXPECT_TRUE(doc->m_RawFile.IsOff());
    EXPECT_EQ(doc->m_bCalculationIdle, 0);
}

TEST_F(DocumentTest, SaveRawWritesTheShownCurvesToTheRecordsPath)
{
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    ShowRawCurves();
    // The current folder plays no part: the record holds the full path.
    directory->Set("/");
    doc->OnFileSaveRawResponse();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_EQ(ReadFileBytes(folder.Path("spk1.raw")),
              "\"Loudspeaker Raw Response Data for the Morvane Program\"\r\n"
              "       \"Hz\" \"Mag (dB)\"      \"deg\"\r\n"
              "  100.0000,  -6.00000,  90.00000\r\n"
              "  1000.0000,   0.00000, 170.00000\r\n"
              "  30000.0000,   6.00000, 190.00000\r\n");
}

TEST_F(DocumentTest, FailedSaveIsReportedAndKeepsTheRecord)
{
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    ShowRawCurves();
    doc->m_RawFile.SetName(folder.Path("gone/spk1.raw"));
    doc->OnFileSaveRawResponse();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("The file was not saved."), std::string::npos);

    doc->m_ModifiedRawFile.MarkNewContent();
    SetCurvePoints(*response.curves[IResponseView::kModifiedCurve], {{2, 0}, {3, 1}, {4.47, 2}},
                   response.area, response.window);
    dialogs.answers = {folder.Path("gone/mod.raw")};
    doc->OnFileSaveAsModifiedResponse();
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_TRUE(doc->m_ModifiedRawFile.m_ChangedMode.IsOn());
    EXPECT_EQ(doc->m_ModifiedRawFile.GetName(), folder.Path("spk1Mod.raw"));
}

TEST_F(DocumentTest, ReadOnlyRawFileIsNotOverwritten)
{
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    ShowRawCurves();
    const std::string path = folder.Path("spk1.raw");
    const std::string before = ReadFileBytes(path);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    doc->OnFileSaveRawResponse();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "The file was not saved. Cannot write \"" + path + "\": the file is read-only.");
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(DocumentTest, SaveAsRawRenamesTheCompanionsButNotTheFamilyFile)
{
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    ShowRawCurves();
    doc->m_CoefficientFile.MarkNewContent();
    dialogs.answers = {folder.Path("x.txt")};
    doc->OnFileSaveAsRawResponse();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].defaultExtension, ".raw");
    EXPECT_EQ(dialogs.requests[0].filter, "Raw Files (*.raw) |*.raw||");
    EXPECT_EQ(doc->m_RawFile.GetName(), folder.Path("x.txt"));
    EXPECT_EQ(doc->m_ModifiedRawFile.GetName(), folder.Path("xMod.raw"));
    EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("x.par"));
    EXPECT_EQ(doc->m_EqFileStatus.GetName(), folder.Path("x.eq"));
    EXPECT_EQ(family.paths.size(), 1u);
    EXPECT_TRUE(doc->m_CoefficientFile.m_ChangedMode.IsOn());
    EXPECT_EQ(ReadFileBytes(folder.Path("x.txt")), ReadFileBytes(folder.Path("x.txt")));
    EXPECT_NE(ReadFileBytes(folder.Path("x.txt")).find("30000.0000"), std::string::npos);
}

// A modified response whose values are no numbers, as coefficients of no finite response
// give, or lie beyond what a measurement holds, is not written: the message names the
// point and the older file stays byte for byte.
TEST_F(DocumentTest, AModifiedResponseOfValuesNoFileHoldsIsNotSaved)
{
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    ShowRawCurves();
    const std::string path = folder.Path("mod.raw");
    for (const double bad : {std::nan(""), double(INFINITY), -double(INFINITY), 1e300})
    {
        WriteFileBytes(path, "older");
        doc->m_ModifiedRawFile.MarkNewContent();
        SetCurvePoints(*response.curves[IResponseView::kModifiedCurve],
                       {{2, -1}, {3, 0}, {4.47, 1}}, response.area, response.window);
        response.curves[IResponseView::kModifiedCurve]->m_pDblPt[1].y = bad;
        SetCurvePoints(*phase.curves[IPhaseView::kModifiedCurve], {{2, 5}, {3, 6}, {4.47, 7}},
                       response.area, phase.window);
        messages.texts.clear();
        dialogs.answers.push_back(path);
        doc->OnFileSaveAsModifiedResponse();
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts[0],
                  "The response was not saved: its point 2 is not a frequency from 0.001 Hz to "
                  "10 MHz with a magnitude from -1000 dB to 1000 dB and a phase, all finite "
                  "numbers, and a file holding it would not open again.  An older file of that "
                  "name is left as it was.");
        EXPECT_EQ(ReadFileBytes(path), "older") << bad;
    }
}

TEST_F(DocumentTest, SaveAsModifiedNeedsAVisibleCurve)
{
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    ShowRawCurves();
    doc->m_ModifiedRawFile.MarkNewContent();
    CCurve& modified = *response.curves[IResponseView::kModifiedCurve];
    SetCurvePoints(modified, {{2, -1}, {3, 0}, {4.47, 1}}, response.area, response.window);
    SetCurvePoints(*phase.curves[IPhaseView::kModifiedCurve], {{2, 5}, {3, 6}, {4.47, 7}},
                   response.area, phase.window);
    modified.Hide();
    EXPECT_FALSE(doc->OnUpdateFileSaveAsModifiedResponse().bEnabled);
    doc->OnFileSaveAsModifiedResponse();
    EXPECT_TRUE(dialogs.requests.empty());

    modified.Show();
    EXPECT_TRUE(doc->OnUpdateFileSaveAsModifiedResponse().bEnabled);
    dialogs.answers = {folder.Path("mod.raw")};
    doc->OnFileSaveAsModifiedResponse();
    EXPECT_EQ(doc->m_ModifiedRawFile.GetName(), folder.Path("mod.raw"));
    EXPECT_TRUE(doc->m_ModifiedRawFile.m_ChangedMode.IsOff());
    const std::string text = ReadFileBytes(folder.Path("mod.raw"));
    EXPECT_NE(text.find("  1000.0000,   0.00000,   6.00000\r\n"), std::string::npos);
}

TEST_F(DocumentTest, ShortModifiedCurveIsNotReadPastItsEnd)
{
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    ShowRawCurves();
    doc->m_ModifiedRawFile.MarkNewContent();
    SetCurvePoints(*response.curves[IResponseView::kModifiedCurve], {{2, -1}, {3, 0}},
                   response.area, response.window);
    WriteFileBytes(folder.Path("mod.raw"), "previous");
    dialogs.answers = {folder.Path("mod.raw")};
    doc->OnFileSaveAsModifiedResponse();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(ReadFileBytes(folder.Path("mod.raw")), "previous");
    EXPECT_TRUE(doc->m_ModifiedRawFile.m_ChangedMode.IsOn());
}

TEST_F(DocumentTest, DefaultResponseIsFlat)
{
    ASSERT_TRUE(doc->CreateDefaultResponse());
    EXPECT_EQ(doc->m_nRawPoints, 10000);
    const std::vector<double> f = Values(doc->m_RawFrequencies);
    EXPECT_EQ(f.front(), 2.5);
    EXPECT_EQ(f[1], 5.0);
    EXPECT_EQ(f.back(), 25000.0);
    EXPECT_EQ(doc->m_RawFrequencies.Size(2), 1);
    for (double v : Values(doc->m_RawMagnitudeDb))
        ASSERT_EQ(v, 0.0);
    for (double v : Values(doc->m_RawPhase))
        ASSERT_EQ(v, 0.0);
    for (const auto& v : ComplexValues(doc->m_RawResponse))
        ASSERT_EQ(v, std::complex<double>(1.0, 0.0));
    EXPECT_DOUBLE_EQ(Values(doc->m_LogFrequencies).back(), std::log10(25000.0));
    EXPECT_EQ(doc->m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(response.hints, (std::vector<int>{1}));
    EXPECT_EQ(filter.hints, (std::vector<int>{14}));
    EXPECT_EQ(phase.hints, (std::vector<int>{1, 14}));
}

TEST_F(DocumentTest, DefaultResponseCapsTheUpperLimitAtHalfTheSampleRate)
{
    doc->m_nSamplingFrequency = 44100;
    doc->m_nHigherFrequencyLimit = 24000;
    doc->CreateDefaultResponse();
    EXPECT_EQ(doc->m_nHigherFrequencyLimit, 22050);
}

TEST_F(DocumentTest, EditedRawCurveKeepsThePhase)
{
    ASSERT_TRUE(Open("spk1.raw", kThreeColumns));
    CCurve curve;
    SetCurvePoints(curve, {{2, 6}, {3, 0}, {4.47, 0}}, response.area, response.window);
    mwMatrix result;
    ASSERT_TRUE(doc->ComputeCurvePoint(curve, result));
    const auto values = ComplexValues(result);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_NEAR(std::abs(values[0]), 1.9952623149688795, 1e-12);
    EXPECT_NEAR(std::arg(values[0]), std::numbers::pi / 2, 1e-12);

    CCurve shorter;
    SetCurvePoints(shorter, {{2, 6}}, response.area, response.window);
    mwMatrix unchanged(7.0);
    EXPECT_FALSE(doc->ComputeCurvePoint(shorter, unchanged));
    EXPECT_EQ(double(unchanged), 7.0);
}

TEST_F(DocumentTest, OriginalWindowPositions)
{
    doc->OnOriginalWindowPositions();
    EXPECT_EQ(app.windowCalls,
              (std::vector<std::string>{"show filter frame", "show response frame",
                                        "hide phase frame", "command 101 to response frame",
                                        "command 101 to filter frame", "activate response"}));
}

TEST_F(DocumentTest, CalculationMessagesSetTheIdleFlag)
{
    EXPECT_EQ(doc->SetCalcIdle(0), 1);
    EXPECT_EQ(doc->m_bCalculationIdle, 1);
    doc->m_bCalculationIdle = 0;
    EXPECT_EQ(doc->UpdateViewsAndSetCalcIdle(0), 1);
    EXPECT_EQ(doc->m_bCalculationIdle, 1);
    EXPECT_EQ(response.hints, (std::vector<int>{2}));
}

TEST_F(DocumentTest, FilterListsStartEmptyAndAskTheMainFrameToReloadTheirPage)
{
    EXPECT_EQ(doc->m_FilterLists.GetTotalCount(), 0);
    EXPECT_TRUE(doc->m_CalculatedEQFilters.IsEmpty());
    auto filter = std::make_unique<CDigEQFilter>();
    filter->SetLabel("EQ-1");
    doc->m_FilterLists.m_EQFilters.Add(std::move(filter));
    auto notch = std::make_unique<CDigNotch>();
    notch->SetLabel("NT-4");
    doc->m_FilterLists.m_NotchFilters.Add(std::move(notch));
    EXPECT_TRUE(doc->m_FilterLists.m_NotchFilters.SetActiveByLabel("NT-4", 0));
    EXPECT_TRUE(doc->m_FilterLists.m_EQFilters.SetActiveByLabel("EQ-1", 0));
    EXPECT_EQ(app.mainFrameCommands,
              (std::vector<int>{doc->m_FilterLists.m_NotchFilters.GetCommandId(),
                                doc->m_FilterLists.m_EQFilters.GetCommandId()}));
    EXPECT_EQ(app.mainFrameCommands[1], 32837);
}
