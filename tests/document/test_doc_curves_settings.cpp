// The speaker document's desired response commands and its Settings command.
#include "document/MorvaneSettings.h"
#include "graph/CurveFile.h"
#include "tests/document/DocumentFixture.h"

#include <cmath>
#include <cstring>

namespace
{
const std::string kResponse = "t\nh\n100 0 0\n1000 0 0\n10000 0 0\n";

std::vector<double> Ys(const CCurve& curve)
{
    std::vector<double> ys;
    for (long i = 0; i < curve.GetTotalPoints(); ++i)
        ys.push_back(curve.m_pDblPt[i].y);
    return ys;
}
} // namespace

class DesiredCurvesTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        ASSERT_TRUE(Open("spk.raw", kResponse));
        ShowRawCurves();
        const CRect& area = response.area;
        SetCurvePoints(*response.curves[IResponseView::kDesiredCurve], {{2, 0}, {3, 0}, {4, 0}},
                       area, response.window, "Desired Response Curve");
        SetCurvePoints(*response.curves[IResponseView::kUpperBound], {{2, 3}, {3, 3}, {4, 3}}, area,
                       response.window, "Upper Bound Curve");
        SetCurvePoints(*response.curves[IResponseView::kLowerBound], {{2, -3}, {3, -3}, {4, -3}},
                       area, response.window, "Lower Bound Curve");
    }

    // A curve file of three curves over the x values given.
    std::string WriteCurveFile(const std::string& name, const std::vector<double>& xs, double level)
    {
        std::vector<std::unique_ptr<CCurve>> curves;
        std::vector<const CCurve*> pointers;
        for (double offset : {0.0, 3.0, -3.0})
        {
            std::vector<CDoublePoint> points;
            for (double x : xs)
                points.push_back({x, level + offset + x});
            curves.push_back(std::make_unique<CCurve>());
            SetCurvePoints(*curves.back(), points, response.area, response.window);
            pointers.push_back(curves.back().get());
        }
        std::string error;
        EXPECT_TRUE(CCurveFile::WriteCurves(folder.Path(name), pointers, &error)) << error;
        return folder.Path(name);
    }
};

TEST_F(DesiredCurvesTest, CurvesOfTheSameResponseAreCopied)
{
    dialogs.answers = {WriteCurveFile("same.crv", {2, 3, 4}, 1.0)};
    response.hints.clear();
    doc->OnFileOpenDesiredResponse();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Values(doc->m_DesiredResponse), (std::vector<double>{3, 4, 5}));
    EXPECT_EQ(Values(doc->m_UpperTolerance), (std::vector<double>{6, 7, 8}));
    EXPECT_EQ(Values(doc->m_LowerTolerance), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(response.curves[IResponseView::kUpperBound]->GetName(), "Upper Bound Curve");
    EXPECT_EQ(response.hints, (std::vector<int>{8}));
    EXPECT_TRUE(doc->m_DesiredCurveFile.IsOn());
    EXPECT_EQ(doc->m_DesiredCurveFile.GetName(), folder.Path("same.crv"));
}

TEST_F(DesiredCurvesTest, CurvesOfAnotherResponseAreResampled)
{
    dialogs.answers = {WriteCurveFile("other.crv", {1.5, 2.5, 3.5, 4.5}, 0.0)};
    doc->OnFileOpenDesiredResponse();
    // y = x on the desired curve, read at the raw x values 2, 3 and 4.
    EXPECT_EQ(Values(doc->m_DesiredResponse), (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(doc->m_DesiredResponse.NumberOfElements(), doc->m_nRawPoints);
}

TEST_F(DesiredCurvesTest, DamagedCurveFileChangesNothing)
{
    WriteFileBytes(folder.Path("bad.crv"), std::string("\x03\x00\x00\x00garbage", 11));
    dialogs.answers = {folder.Path("bad.crv")};
    const std::vector<double> before = Ys(*response.curves[IResponseView::kDesiredCurve]);
    doc->OnFileOpenDesiredResponse();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(Ys(*response.curves[IResponseView::kDesiredCurve]), before);
    EXPECT_TRUE(doc->m_DesiredCurveFile.IsOff());
    EXPECT_EQ(doc->m_DesiredCurveFile.GetName(), folder.Path("spk.crv"));
}

TEST_F(DesiredCurvesTest, SavesWriteTheThreeViewCurves)
{
    doc->m_DesiredCurveFile.MarkNewContent();
    doc->OnFileSaveDesiredResponse();
    EXPECT_TRUE(dialogs.requests.empty());
    std::vector<std::unique_ptr<CCurve>> read;
    std::string error;
    ASSERT_TRUE(CCurveFile::ReadCurves(folder.Path("spk.crv"), 3, response.area, response.window,
                                       read, &error))
        << error;
    EXPECT_EQ(Ys(*read[1]), (std::vector<double>{3, 3, 3}));
    // The curves are in their file now: nothing of them is unsaved.
    EXPECT_TRUE(doc->m_DesiredCurveFile.m_ChangedMode.IsOff());

    dialogs.answers = {folder.Path("as.crv")};
    doc->OnFileSaveAsDesiredResponse();
    EXPECT_EQ(doc->m_DesiredCurveFile.GetName(), folder.Path("as.crv"));
    EXPECT_TRUE(CCurveFile::ReadCurves(folder.Path("as.crv"), 3, response.area, response.window,
                                       read, &error));

    dialogs.answers.push_back(folder.Path("none/as.crv"));
    doc->OnFileSaveAsDesiredResponse();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(doc->m_DesiredCurveFile.GetName(), folder.Path("as.crv"));
}

// A curve file whose points are no numbers, or beyond what a response holds, opens with a
// message and changes no curve; curves holding such values are not saved, and the older
// file stays byte for byte.
TEST_F(DesiredCurvesTest, ValuesNoResponseHoldsAreNeitherOpenedNorSaved)
{
    const std::vector<double> before = Ys(*response.curves[IResponseView::kDesiredCurve]);
    for (const double bad : {std::nan(""), double(INFINITY), -double(INFINITY), 1e300})
    {
        const std::string path = WriteCurveFile("good.crv", {2, 3, 4}, 1.0);
        std::string bytes = ReadFileBytes(path);
        // The second point's y of the first curve: count, 16 bytes of record head, the
        // window and the first point.
        std::memcpy(bytes.data() + 4 + 16 + 32 + 16 + 8, &bad, sizeof bad);
        WriteFileBytes(folder.Path("bad.crv"), bytes);
        messages.texts.clear();
        doc->m_DesiredCurveFile.TurnOff();
        dialogs.answers.push_back(folder.Path("bad.crv"));
        doc->OnFileOpenDesiredResponse();
        ASSERT_EQ(messages.texts.size(), 1u) << bad;
        EXPECT_EQ(messages.texts[0],
                  "The curve file \"" + folder.Path("bad.crv") +
                      "\" is damaged: curve 1: point 2 is not a frequency from 0.001 Hz to 10 MHz "
                      "with a level from -1000 dB to 1000 dB.");
        EXPECT_EQ(Ys(*response.curves[IResponseView::kDesiredCurve]), before);
        EXPECT_TRUE(doc->m_DesiredCurveFile.IsOff());

        WriteFileBytes(folder.Path("older.crv"), "older");
        doc->m_DesiredCurveFile.TurnOn();
        response.curves[IResponseView::kUpperBound]->m_pDblPt[1].y = bad;
        messages.texts.clear();
        dialogs.answers.push_back(folder.Path("older.crv"));
        doc->OnFileSaveAsDesiredResponse();
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find("was not saved: curve 2: point 2 is not a frequency"),
                  std::string::npos)
            << messages.texts[0];
        EXPECT_EQ(ReadFileBytes(folder.Path("older.crv")), "older");
        response.curves[IResponseView::kUpperBound]->m_pDblPt[1].y = 3.0;
    }
}

TEST_F(DesiredCurvesTest, CreatingNewCurvesAsksFirstAndBuildsOnTheSecondUse)
{
    doc->m_DesiredCurveFile.TurnOn();
    app.verifyAnswer = false;
    doc->OnEditCreateNewDesiredResponseCurve();
    EXPECT_EQ(app.verifyQuestions, 1);
    EXPECT_TRUE(doc->m_DesiredCurveFile.IsOn());
    EXPECT_TRUE(response.hints.empty() || response.hints.back() != 6);

    app.verifyAnswer = true;
    response.hints.clear();
    doc->OnEditCreateNewDesiredResponseCurve();
    EXPECT_TRUE(doc->m_DesiredCurveFile.IsOff());
    EXPECT_EQ(response.hints, (std::vector<int>{6}));

    response.newCurveMode = true;
    response.masterPoints = 1;
    doc->OnEditCreateNewDesiredResponseCurve();
    EXPECT_FALSE(response.newCurveMode);
    EXPECT_EQ(response.builds, 0);
    EXPECT_EQ(response.hints, (std::vector<int>{6}));

    response.newCurveMode = true;
    response.masterPoints = 2;
    CCurve& desired = *response.curves[IResponseView::kDesiredCurve];
    desired.AddMasterPoint(2, -2);
    desired.AddMasterPoint(4, 2);
    doc->OnEditCreateNewDesiredResponseCurve();
    EXPECT_EQ(response.builds, 1);
    EXPECT_FALSE(response.newCurveMode);
    EXPECT_EQ(response.hints, (std::vector<int>{6, 7}));
    EXPECT_EQ(Values(doc->m_DesiredResponse), (std::vector<double>{-2, 0, 2}));
    EXPECT_TRUE(doc->m_DesiredCurveFile.IsOn());
    EXPECT_TRUE(doc->m_DesiredCurveFile.m_ChangedMode.IsOn());
    EXPECT_EQ(app.verifyQuestions, 2);
}

TEST_F(DesiredCurvesTest, ReplaceSectionStartsTheViewsReplacement)
{
    EXPECT_TRUE(doc->OnUpdateEditReplaceCurveSection().bEnabled);
    EXPECT_FALSE(doc->OnUpdateEditReplaceCurveSection().bChecked);
    doc->OnEditReplaceCurveSection();
    EXPECT_EQ(response.replaceStarts, 1);
    EXPECT_TRUE(doc->OnUpdateEditReplaceCurveSection().bChecked);
}

TEST_F(DocumentTest, SettingsTakenBackAreCappedAndApplied)
{
    app.settingsAnswer = true;
    app.settingsEdit = [](CSettingsSheetValues& v)
    {
        v.dSamplingFrequency = 48000.9;
        v.dHigherFrequencyLimit = 30000;
        v.dLowerFrequencyLimit = 20.7;
        v.bLimitNumberOfFilters = true;
        v.nMaximumNumberOfFilters = 8;
        v.dSingleOptParam = 0.5;
        v.views[0].dLowerFrequency = 10;
        v.views[0].dUpperFrequency = 24000;
        v.views[2].bAutomaticScaling = false;
    };
    doc->OnViewSettings();
    ASSERT_EQ(app.settingsShown.size(), 1u);
    EXPECT_EQ(app.settingsShown[0].dHigherFrequencyLimit, 24000.0);
    EXPECT_NEAR(app.settingsShown[0].views[0].dUpperFrequency, 24000.0, 1e-9);
    EXPECT_EQ(doc->m_nSamplingFrequency, 48000);
    EXPECT_EQ(doc->m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(doc->m_nLowerFrequencyLimit, 20);
    EXPECT_EQ(response.window.left, 1.0);
    EXPECT_NEAR(response.window.right, 4.380211, 1e-6);
    EXPECT_TRUE(doc->m_FilterAutomaticScaling.IsOff());
    EXPECT_EQ(response.hints, (std::vector<int>{12}));

    const CMorvaneSettings& s = app.m_Settings;
    EXPECT_EQ(s.m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(s.m_nLowerFrequencyLimit, 20);
    EXPECT_TRUE(s.m_LimitNumberOfFilters.IsOn());
    EXPECT_EQ(GetFilterLimitCount(s.m_LimitNumberOfFilters), 8);
    EXPECT_EQ(s.m_dSingleOptParam, 0.5);
    EXPECT_TRUE(s.m_FilterAutomaticScaling.IsOff());
    EXPECT_NEAR(s.m_SpeakerRange.left, 10.0, 1e-9);
    EXPECT_NEAR(s.m_SpeakerRange.right, 24000.0, 1e-9);

    // Shown again as entered.
    CSettingsSheetValues again;
    doc->FillSettingsSheet(again);
    EXPECT_NEAR(again.views[0].dLowerFrequency, 10.0, 1e-9);
    EXPECT_NEAR(again.views[0].dUpperFrequency, 24000.0, 1e-9);
}

TEST_F(DocumentTest, CancelledSettingsChangeNothing)
{
    app.settingsAnswer = false;
    app.settingsEdit = [](CSettingsSheetValues& v) { v.dHigherFrequencyLimit = 1000; };
    doc->OnViewSettings();
    EXPECT_EQ(doc->m_nHigherFrequencyLimit, 24000);
    EXPECT_EQ(app.m_Settings.m_nHigherFrequencyLimit, 24000);
    EXPECT_TRUE(response.hints.empty());
}
