// The speaker response view on a real speaker document, offscreen: what the document's
// update hints do to its curves and range, and what it draws, read from a recording
// device context.
#include "shell/views/MorvaneView.h"

#include "document/MorvaneSettings.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/CurveFile.h"
#include "tests/shell/SpeakerViewFixture.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
} // namespace

class ResponseViewTest : public SpeakerViewTest<CMorvaneView>
{
protected:
    // Replaces the raw response by n points from 20 Hz to 20 kHz with the given dB values
    // and tells the views, as opening a raw response file does.
    void SetRaw(const std::vector<double>& db)
    {
        SetDocumentCurve(&CMorvaneDoc::m_RawMagnitudeDb, db, kHintRawResponseReplaced);
    }

    // The index of the first curve polyline of the colour among all calls; -1 for none.
    long FirstCurveCall(COLORREF color) const
    {
        const auto& calls = dc->Calls();
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i].op == CRecordingDC::Op::Polyline && calls[i].pen.GetColor() == color &&
                calls[i].points.size() > 2)
                return long(i);
        return -1;
    }
    const CRecordingDC::Call* Text(const std::string& text) const
    {
        for (const CRecordingDC::Call& call : dc->Calls())
            if (call.op == CRecordingDC::Op::TextOut && call.text == text)
                return &call;
        return nullptr;
    }
};

TEST_F(ResponseViewTest, BeforeAnyCurveTheViewDrawsEmptyAxesAndCannotPrint)
{
    EXPECT_EQ(doc->m_pResponseView, view.get());
    const CDoubleRect& range = app.Settings().m_SpeakerRange;
    const CDoubleRect window = view->GetDataWindow();
    EXPECT_DOUBLE_EQ(window.top, range.top);
    EXPECT_DOUBLE_EQ(window.bottom, range.bottom);
    EXPECT_DOUBLE_EQ(window.left, std::log10(range.left));
    EXPECT_DOUBLE_EQ(window.right, std::log10(range.right));
    EXPECT_TRUE(view->m_NoCurvesMode.IsOn());
    EXPECT_FALSE(view->OnUpdateFilePrint());
    EXPECT_FALSE(view->OnUpdateFilePrintPreview());

    Paint();
    EXPECT_NE(Text("db"), nullptr);
    EXPECT_NE(Text("Frequency Hz"), nullptr);
    EXPECT_EQ(Text("LF"), nullptr);
    for (COLORREF color : {kBlue, kRed, kYellow, kMagenta, COLORREF(0)})
        EXPECT_EQ(CurvesDrawnIn(color), 0) << color;
}

// A range the settings sheet refuses can still reach the view through the document: it
// is drawn with true values or none. From -1e308 to 1e308 dB the axis showed a single
// "-2147483640", a double beyond the int range turned into an int; from 1e-310 to 2e-310
// dB only "1e-310", away from its line.
TEST_F(ResponseViewTest, AnyRangeTheViewHoldsIsLabelledWithTrueValues)
{
    const struct
    {
        double lowDb, highDb, lowHz, highHz;
    } ranges[] = {
        {-1e308, 1e308, 10.0, 24000.0},      {-1e12, 1e12, 10.0, 24000.0},
        {1e9, 1e9 + 1.0, 10.0, 24000.0},     {0.1, 0.1 + 1e-12, 1000.0, 1000.0 + 1e-9},
        {-30.0, 20.0, 1e-300, 1e300},        {-30.0, 20.0, 1e9, 1e9 + 1.0},
        // No finite scale: the upper limit's label stood at the int range's end.
        {1e-310, 2e-310, 10.0, 24000.0},
    };
    int i = 0;
    for (const auto& r : ranges)
    {
        const std::string name = FormatC("%g to %g dB, %g to %g Hz", r.lowDb, r.highDb, r.lowHz,
                                         r.highHz);
        PaintWithRange(0, r.lowDb, r.highDb, r.lowHz, r.highHz);
        EXPECT_EQ(view->GetDataWindow().top, r.highDb) << name;
        ExpectTrueAxes(name, 10.0);
        view->Redraw(true);
        EXPECT_TRUE(view->RetainedImage().save(
            QString(MORVANE_TEST_OUTPUT_DIR) + QString("/response_range_%1.png").arg(++i)));
    }
}

// A measurement from 45 to 91 dB is scaled to 40..100 dB, with lines every 5 dB and labels
// every 10. The top label, "100", stood under the strip's frame line beside the 95 dB line
// (11 pixels off its line in the view of an 800 by 600 main window, where the lines stand
// 20 pixels apart; 19 at 1366 by 768, 35 at 2560 by 1400), and "90" under it was left out.
// At every size, each value label stands at its own line, none is missing that has room
// at its line, and "90" is labelled; also with texts as wide as a real font's.
TEST_F(ResponseViewTest, EveryValueLabelStandsAtItsOwnLineAtAnySize)
{
    doc->m_SpeakerAutomaticScaling.TurnOn();
    std::vector<double> db;
    for (int i = 0; i < 60; ++i)
        db.push_back(45.0 + 46.0 * std::pow(std::sin(0.09 * i), 2.0));
    SetRaw(db);
    ASSERT_DOUBLE_EQ(view->GetDataWindow().bottom, 40.0);
    ASSERT_DOUBLE_EQ(view->GetDataWindow().top, 100.0);
    const struct
    {
        int width, height;
    } sizes[] = {{800, 600},  {1024, 768}, {1366, 768}, {2560, 1400}, {800, 250},
                 {1366, 330}, {2560, 640}, {640, 200},  {400, 150},   {320, 90}};
    for (const auto& size : sizes)
        for (const double ratio : {0.0, 0.5})
        {
            const std::string name =
                FormatC("%dx%d, characters %g of their height", size.width, size.height, ratio);
            view->resize(size.width, size.height);
            Paint(0, ratio);
            ExpectTrueAxes(name, 10.0);
            std::vector<std::string> values;
            for (const CRecordingDC::Call& call :
                 DrawnAxes(dc->Calls(), view->GetGraph().m_PlotRegion.m_Rect).vertical)
                values.push_back(call.text);
            EXPECT_EQ(std::count(values.begin(), values.end(), "100"), 0) << name;
            if (size.height >= 150)
            {
                EXPECT_EQ(std::count(values.begin(), values.end(), "90"), 1) << name;
            }
        }
    for (const auto& size : {sizes[0], sizes[4], sizes[6]})
    {
        view->resize(size.width, size.height);
        view->Redraw(true);
        EXPECT_TRUE(view->RetainedImage().save(
            QString(MORVANE_TEST_OUTPUT_DIR) +
            QString("/response_labels_%1x%2.png").arg(size.width).arg(size.height)));
    }
}

// A view too low to hold its stepped labels apart, on a range with no limit on a step,
// keeps one of them besides the title.
TEST_F(ResponseViewTest, ALowViewKeepsAValueLabel)
{
    const struct
    {
        double lowDb, highDb;
    } ranges[] = {{5.0, 45.0}, {55.0, 95.0}, {-45.0, -5.0}};
    for (const int nHeight : {60, 80})
        for (const auto& r : ranges)
        {
            const std::string name = FormatC("%d px, %g to %g dB", nHeight, r.lowDb, r.highDb);
            view->resize(800, nHeight);
            PaintWithRange(0, r.lowDb, r.highDb, 10.0, 24000.0);
            std::vector<std::string> values;
            for (const CRecordingDC::Call& call : dc->CallsOf(CRecordingDC::Op::TextOut))
                if (call.textAlign == (TA_RIGHT | TA_TOP) && ParseWholeDouble(call.text))
                    values.push_back(call.text);
            EXPECT_GE(values.size(), 1u) << name;
            EXPECT_TRUE(HasText("db")) << name;
            view->Redraw(true);
            EXPECT_TRUE(view->RetainedImage().save(
                QString(MORVANE_TEST_OUTPUT_DIR) +
                QString("/response_low_%1px_%2dB.png").arg(nHeight).arg(r.lowDb)));
        }
}

TEST_F(ResponseViewTest, AnOpenedRawResponseIsDrawnWithItsFrequencyMarkers)
{
    ASSERT_TRUE(Open("spk.raw", RawText({{1000.0, 6.0}}, 200)));
    EXPECT_TRUE(view->m_RawCurveMode.IsOn());
    EXPECT_TRUE(view->m_NoCurvesMode.IsOff());
    EXPECT_EQ(view->m_RawCurve.GetTotalPoints(), 200);
    EXPECT_EQ(view->m_RawCurve.GetName(), "Raw Curve");
    EXPECT_EQ(view->m_RawCurve.GetKind(), 1);
    EXPECT_TRUE(view->OnUpdateFilePrint());

    doc->m_nLowerFrequencyLimit = 50;
    doc->m_nHigherFrequencyLimit = 16000;
    doc->m_nSamplingFrequency = 48000;
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kBlue), 1);
    EXPECT_EQ(CurvesDrawnIn(kRed), 0);
    for (const char* label : {"LF", "HF", "1/2 Fs"})
    {
        const bool bFound =
            std::any_of(dc->Calls().begin(), dc->Calls().end(),
                        [&](auto& c) {
                            return c.op == CRecordingDC::Op::TextOut && c.text.rfind(label, 0) == 0;
                        });
        EXPECT_TRUE(bFound) << label;
    }
}

TEST_F(ResponseViewTest, TheHighFrequencyLabelsSwapSoThatTheHigherOneStaysRight)
{
    SetRaw(std::vector<double>(50, 0.0));
    doc->m_nLowerFrequencyLimit = 100;
    // The x of each label text that begins with the marker's name.
    auto labelX = [&](const std::string& name)
    {
        for (const CRecordingDC::Call& call : dc->CallsOf(CRecordingDC::Op::TextOut))
            if (call.text.rfind(name + " ", 0) == 0)
                return call.points.at(0).x;
        return -1;
    };
    const struct
    {
        int nHigh, nFs;
        bool bHalfFsRight;
    } cases[] = {{16000, 48000, true}, {20000, 32000, false}};
    for (const auto& c : cases)
    {
        doc->m_nHigherFrequencyLimit = c.nHigh;
        doc->m_nSamplingFrequency = c.nFs;
        Paint();
        const int hf = labelX("HF"), half = labelX("1/2 Fs");
        ASSERT_GE(hf, 0);
        ASSERT_GE(half, 0);
        EXPECT_EQ(half > hf, c.bHalfFsRight) << c.nHigh << " " << c.nFs;
    }
}

TEST_F(ResponseViewTest, AutomaticScalingWidensToTenDbStepsWithinTheLimits)
{
    doc->m_SpeakerAutomaticScaling.TurnOn();
    const struct
    {
        double lo, hi, bottom, top;
    } cases[] = {{-2.0, 7.0, -10.0, 20.0}, {-95.0, 0.0, -80.0, 10.0}, {-3.0, 40.0, -10.0, 30.0}};
    for (const auto& c : cases)
    {
        SetRaw({c.lo, 0.5 * (c.lo + c.hi), c.hi});
        const CDoubleRect window = view->GetDataWindow();
        EXPECT_DOUBLE_EQ(window.bottom, c.bottom) << c.lo;
        EXPECT_DOUBLE_EQ(window.top, c.top) << c.hi;
        EXPECT_DOUBLE_EQ(window.left, std::log10(app.Settings().m_SpeakerRange.left));
    }
    // Off: the range stays whatever the curves.
    doc->m_SpeakerAutomaticScaling.TurnOff();
    SetRaw({-60.0, 0.0});
    EXPECT_DOUBLE_EQ(view->GetDataWindow().bottom, -10.0);
}

TEST_F(ResponseViewTest, AMeasurementAtARealLevelAndItsDesiredCurvesAreShownWhole)
{
    doc->m_SpeakerAutomaticScaling.TurnOn();
    // A speaker measured between 66 and 91 dB: wholly above the 30 dB cap.
    std::string raw = "t\nh\n";
    for (int i = 0; i < 50; ++i)
        raw += std::to_string(20.0 * std::pow(1000.0, i / 49.0)) + " " +
               std::to_string(66.0 + 25.0 * std::sin(0.13 * i) * std::sin(0.13 * i)) + " 0\n";
    ASSERT_TRUE(Open("loud.raw", raw));
    CDoubleRect window = view->GetDataWindow();
    EXPECT_DOUBLE_EQ(window.top, 100.0);
    EXPECT_DOUBLE_EQ(window.bottom, 60.0);
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kBlue), 1);
    // Every point of the curve is on the plot.
    EXPECT_EQ(view->m_RawCurve.GetClippedCount(), 50);

    // Desired curves read from a file at such levels are shown with it.
    std::string error;
    ASSERT_TRUE(WriteFlatCurveFile(folder.Path("loud.crv"), {1.4, 3.0, 4.3}, {85.0, 88.0, 82.0},
                                   view->GetPlotArea(), view->GetDataWindow(), &error))
        << error;
    dialogs.answers = {folder.Path("loud.crv")};
    doc->OnFileOpenDesiredResponse();
    ASSERT_TRUE(messages.texts.empty());
    window = view->GetDataWindow();
    EXPECT_DOUBLE_EQ(window.top, 100.0);
    EXPECT_DOUBLE_EQ(window.bottom, 60.0);
    for (const CCurve* pCurve :
         {&view->m_DesiredCurve, &view->m_UpperBoundCurve, &view->m_LowerBoundCurve})
        EXPECT_EQ(pCurve->GetClippedCount(), 50) << pCurve->GetName();
}

TEST_F(ResponseViewTest, ACalculationDrawsTheModifiedAndThePriorResults)
{
    Prepare({{300.0, 6.0}, {3000.0, -6.0}}, 200);
    // Curves of an earlier calculation: the next one shows its prior curve again with its
    // first result.
    doc->UpdateAllViews(nullptr, kHintCurvesChanged);
    doc->UpdateAllViews(nullptr, kHintCurvesChanged);
    ASSERT_TRUE(view->m_PriorModifiedCurveMode.IsOn());
    const std::vector<double> earlierPrior = YValues(view->m_PriorModifiedCurve);

    std::vector<std::vector<double>> results;
    std::vector<bool> priorShown;
    std::vector<std::vector<double>> priors;
    doc->m_pPhaseView = nullptr;
    struct CWatch : IDocumentView
    {
        std::function<void(int)> onHint;
        void OnUpdate(IDocumentView*, int nHint) override { onHint(nHint); }
        CDoubleRect GetDataWindow() const override { return {}; }
        void SetDataWindow(const CDoubleRect&) override {}
    } watch;
    // Runs after the response view (the views are told in their order).
    watch.onHint = [&](int nHint)
    {
        if (nHint != kHintCurvesChanged)
            return;
        results.push_back(YValues(view->m_ModifiedCurve));
        priorShown.push_back(view->m_PriorModifiedCurveMode.IsOn() != 0);
        priors.push_back(YValues(view->m_PriorModifiedCurve));
    };
    doc->m_pPhaseFilterView = &watch;
    doc->OnCalculateModifiedResponse();
    doc->m_pPhaseFilterView = &phaseFilter;

    ASSERT_GE(results.size(), 2u);
    EXPECT_TRUE(priorShown[0]);
    EXPECT_EQ(priors[0], earlierPrior);
    for (std::size_t i = 1; i < results.size(); ++i)
    {
        EXPECT_TRUE(priorShown[i]) << i;
        EXPECT_EQ(priors[i], results[i - 1]) << i;
    }
    EXPECT_EQ(results.back(), Values(doc->m_ModifiedResponse));
    EXPECT_EQ(view->m_PriorModifiedCurve.GetColor(), kYellow);
    EXPECT_EQ(view->m_PriorModifiedCurve.GetName(), "Prior Modified Curve");

    // The prior result is drawn under the new one, both over the raw curve.
    Paint();
    ASSERT_GE(FirstCurveCall(kYellow), 0);
    EXPECT_LT(FirstCurveCall(kBlue), FirstCurveCall(kYellow));
    EXPECT_LT(FirstCurveCall(kYellow), FirstCurveCall(kRed));

    // A new response hides the prior curve: the first result after it draws none, the
    // second draws the first in yellow.
    doc->UpdateAllViews(nullptr, kHintRawResponseReplaced);
    doc->UpdateAllViews(nullptr, kHintCalculationStarts);
    doc->UpdateAllViews(nullptr, kHintCurvesChanged);
    EXPECT_TRUE(view->m_PriorModifiedCurveMode.IsOn());
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kYellow), 0);
    doc->UpdateAllViews(nullptr, kHintCurvesChanged);
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kYellow), 1);
}

TEST_F(ResponseViewTest, ANewDesiredCurveGetsBoundsAtTheTolerances)
{
    SetRaw(std::vector<double>(40, -3.0));
    doc->m_dUpperToleranceDb = 2.0;
    doc->m_dLowerToleranceDb = -1.5;
    doc->OnEditCreateNewDesiredResponseCurve();
    ASSERT_TRUE(view->IsNewCurveModeOn());
    EXPECT_FALSE(view->m_DesiredCurve.IsVisible());
    EXPECT_FALSE(view->AreDesiredCurvesShown());

    // Two clicked master points: a line from 0 dB at the left to 10 dB at the right.
    CCurve& desired = view->m_DesiredCurve;
    desired.AddMasterPoint(desired.m_pDblPt[0].x, 0.0);
    desired.AddMasterPoint(desired.m_pDblPt[39].x, 10.0);
    doc->OnEditCreateNewDesiredResponseCurve();

    EXPECT_FALSE(view->IsNewCurveModeOn());
    EXPECT_TRUE(view->AreDesiredCurvesShown());
    EXPECT_TRUE(view->m_DesiredCurve.IsVisible());
    const std::vector<double> y = YValues(desired);
    ASSERT_EQ(y.size(), 40u);
    EXPECT_NEAR(y.back(), 10.0, 1e-9);
    const std::vector<double> upper = YValues(view->m_UpperBoundCurve);
    const std::vector<double> lower = YValues(view->m_LowerBoundCurve);
    for (std::size_t i = 0; i < y.size(); ++i)
    {
        EXPECT_DOUBLE_EQ(upper[i], y[i] + 2.0);
        EXPECT_DOUBLE_EQ(lower[i], y[i] - 1.5);
    }
    EXPECT_EQ(view->m_UpperBoundCurve.GetKind(), 4);
    EXPECT_EQ(view->m_LowerBoundCurve.GetKind(), 3);
    // Built, the curve carries its name: the readout and the tooltips give it.
    EXPECT_EQ(desired.GetName(), "Desired Response Curve");
    // The document took the view's curves as its desired response and tolerances.
    EXPECT_EQ(Values(doc->m_UpperTolerance), upper);

    Paint();
    EXPECT_EQ(CurvesDrawnIn(kMagenta), 2);
    EXPECT_EQ(CurvesDrawnIn(COLORREF(0)), 1);
}

TEST_F(ResponseViewTest, ARefreshBeforeAnyResultDrawsNoModifiedCurve)
{
    // Before any response, and with a raw response but no result yet.
    doc->m_SpeakerAutomaticScaling.TurnOn();
    doc->RefreshViews();
    EXPECT_TRUE(view->m_ModifiedCurve.m_PointsAreValidMode.IsOff());
    EXPECT_DOUBLE_EQ(view->GetDataWindow().top, 10.0);
    EXPECT_DOUBLE_EQ(view->GetDataWindow().bottom, -10.0);
    SetRaw(std::vector<double>(30, 1.0));
    doc->RefreshViews();
    EXPECT_EQ(view->m_ModifiedCurve.GetTotalPoints(), 0);
    EXPECT_TRUE(view->m_ModifiedCurve.m_PointsAreValidMode.IsOff());
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kRed), 0);
    EXPECT_EQ(CurvesDrawnIn(kBlue), 1);
}

TEST_F(ResponseViewTest, OtherHintsLeaveTheCurvesAlone)
{
    SetRaw(std::vector<double>(30, 1.0));
    doc->m_ModifiedResponse = ColumnOf(std::vector<double>(30, 2.0));
    doc->UpdateAllViews(nullptr, kHintFiltersDrawnOrRestart);
    ASSERT_TRUE(view->m_ModifiedCurveMode.IsOn());
    for (int nHint : {9, 11, 12, 13, 14, 15, 17})
    {
        doc->m_ModifiedResponse = ColumnOf(std::vector<double>(30, -5.0));
        view->OnUpdate(nullptr, nHint);
        EXPECT_EQ(YValues(view->m_ModifiedCurve), std::vector<double>(30, 2.0)) << nHint;
        EXPECT_TRUE(view->m_RawCurveMode.IsOn()) << nHint;
    }
    // A restart rebuilds the modified curve and drops the prior one.
    doc->UpdateAllViews(nullptr, kHintDeviceRestartResponse);
    EXPECT_EQ(YValues(view->m_ModifiedCurve), std::vector<double>(30, -5.0));
    EXPECT_TRUE(view->m_PriorModifiedCurveMode.IsOff());
}

TEST_F(ResponseViewTest, ThePrintedPageHoldsTheWholePlot)
{
    SetRaw(std::vector<double>(30, 1.0));
    dc = std::make_unique<CRecordingDC>();
    dc->SetDeviceCaps(TECHNOLOGY, DT_RASPRINTER);
    dc->SetDeviceCaps(HORZRES, 6600);
    dc->SetDeviceCaps(VERTRES, 5100);
    view->OnDraw(dc.get());
    EXPECT_EQ(view->GetGraph().GetDeviceWidth(), 6600);
    EXPECT_EQ(view->GetGraph().GetHeight(), int(4000 / (6600.0 / 5100.0)));
    EXPECT_EQ(CurvesDrawnIn(kBlue), 1);
}

TEST_F(ResponseViewTest, PrintingWritesThePageAndLeavesTheScreenLayout)
{
    SetRaw(std::vector<double>(30, 1.0));
    const std::string path = folder.Path("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(view->PrintTo(printer));
    EXPECT_GT(ReadFileBytes(path).size(), 1000u);
    // The next paint on the screen lays the canvas out for the window again.
    Paint();
    EXPECT_EQ(view->GetGraph().GetDeviceWidth(), 800);
}

TEST_F(ResponseViewTest, DesiredCurvesReadRightAfterARawResponseKeepTheirNamesAndColours)
{
    ASSERT_TRUE(Open("spk.raw", "t\nh\n100 0 0\n1000 0 0\n10000 0 0\n"));
    // A curve file of three curves on the raw response's frequencies.
    std::string error;
    ASSERT_TRUE(WriteFlatCurveFile(folder.Path("d.crv"), {2, 3, 4}, {1.0, 4.0, -2.0},
                                   view->GetPlotArea(), view->GetDataWindow(), &error))
        << error;
    dialogs.answers = {folder.Path("d.crv")};
    doc->OnFileOpenDesiredResponse();
    ASSERT_TRUE(messages.texts.empty());

    const struct
    {
        CCurve* pCurve;
        const char* pName;
        COLORREF color;
        int nKind;
    } expected[] = {{&view->m_DesiredCurve, "Desired Response Curve", 0, 2},
                    {&view->m_UpperBoundCurve, "Upper Bound Curve", kMagenta, 4},
                    {&view->m_LowerBoundCurve, "Lower Bound Curve", kMagenta, 3}};
    for (const auto& e : expected)
    {
        EXPECT_EQ(e.pCurve->GetName(), e.pName);
        EXPECT_EQ(e.pCurve->GetColor(), e.color) << e.pName;
        EXPECT_EQ(e.pCurve->GetKind(), e.nKind) << e.pName;
        EXPECT_TRUE(e.pCurve->IsVisible()) << e.pName;
    }
    EXPECT_TRUE(view->AreDesiredCurvesShown());
    Paint();
    EXPECT_EQ(CurvesDrawnIn(kMagenta), 2);
}

TEST_F(ResponseViewTest, TheWidgetPaintsTheCurvesOnTheScreen)
{
    SetRaw({-20.0, 5.0, -3.0, 0.0});
    view->Redraw(true);
    const QImage& image = view->RetainedImage();
    ASSERT_EQ(image.width(), 800);
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            blue += image.pixelColor(x, y) == QColor(0, 0, 255);
    EXPECT_GT(blue, 100);
}
