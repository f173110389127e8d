// Every text of the speaker and loudness views readable at every size: the views drawn
// through their own drawing code into a device context that notes where each text lands,
// at main-window sizes from 640 by 480 to 2560 by 1440 pixels, in the five arrangements of
// the speaker windows, at the ranges a new user starts with, after automatic scaling and at
// extreme ranges the settings sheet accepts, with filters drawn of +39 dB and -24 dB, the
// coordinate readout on and the markers also at their widest values; the same for the page
// each view prints. No two texts may overlap, each must lie inside its view and no line may
// run through one; on the screen none may be smaller than 7 points. Pictures of each kind
// of view at 640 by 480, 800 by 800 and 2560 by 1440 and of the printed pages are left in
// this build folder (text_placement_*.png) for a person to look at, with the faults found
// (text_placement_*_faults.txt).
#include "framework/ui/PrintableCanvas.h"
#include "framework/ui/PrinterSettings.h"
#include "shell/filtereditor/UserCreatedFilters.h"
#include "shell/ui/FilterMDIChild.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/PhaseFilterMDIChild.h"
#include "shell/ui/PhaseMDIChild.h"
#include "shell/views/FilterView.h"
#include "shell/views/PhaseFilterView.h"
#include "shell/views/PhaseView.h"
#include "tests/shell/CalculatedAppFixture.h"
#include "tests/shell/GridTyping.h"
#include "tests/shell/LoudnessWindowFixture.h"
#include "tests/shell/TextPlacement.h"

#include <QMdiSubWindow>
#include <QPageLayout>
#include <QPrinter>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

namespace
{
// Main-window sizes, the smallest a user is likely to give it up to a large screen.
const QSize kSizes[] = {{640, 480},  {800, 600},  {800, 800},   {1024, 700},  {1280, 800},
                        {1366, 768}, {1600, 1000}, {1920, 1080}, {2560, 1440}};

const struct
{
    int id;
    const char* name;
} kArrangements[] = {
    {CMorvaneApp::ID_VIEW_SPEAKER_RESPONSE_AND_FILTERS, "response and filters"},
    {CMorvaneApp::ID_VIEW_PHASE_WINDOWS, "phase windows"},
    {CMorvaneApp::ID_VIEW_FOUR_WINDOWS, "four windows"},
    {CMorvaneApp::ID_VIEW_RESPONSE_AND_PHASE, "response and phase"},
    {CMorvaneApp::ID_VIEW_FILTERS_AND_FILTER_PHASES, "filters and filter phases"},
};

// Ranges of the speaker response, speaker phase, filter and filter phase views as the
// settings sheet takes them: the ones a new user starts with, then extreme ones the sheet
// accepts (the widest frequencies with values of many digits, narrow bands with values
// between whole steps, and limits that are no steps).
struct CRangeSet
{
    const char* name;
    CSettingsSheetValues::CViewRange ranges[4];
};
const CRangeSet kRangeSets[] = {
    {"start-up",
     {{10.0, 24000.0, -30.0, 20.0, false},
      {10.0, 24000.0, -180.0, 180.0, false},
      {10.0, 24000.0, -15.0, 15.0, false},
      {10.0, 24000.0, -30.0, 30.0, false}}},
    {"wide",
     {{1.0, 200000.0, -1000.0, 1000.0, false},
      {1.0, 200000.0, -3600.0, 3600.0, false},
      {1.0, 200000.0, -500.0, 500.0, false},
      {1.0, 200000.0, -7200.0, 7200.0, false}}},
    {"narrow",
     {{1000.0, 1100.0, 0.25, 0.75, false},
      {1000.0, 1100.0, -1.0, 1.0, false},
      {95.0, 105.0, 2.0, 3.0, false},
      {20.0, 25.0, -0.5, 0.5, false}}},
    {"between steps",
     {{12.0, 18000.0, -24.5, 39.5, false},
      {15.0, 22000.0, -185.0, 95.0, false},
      {31.0, 16000.0, -24.0, 39.0, false},
      {11.0, 21000.0, -61.0, 59.0, false}}},
};

std::string SizeName(const QSize& size)
{
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

// The faults of a drawing on a surface of the given bounds, each line prefixed with where it
// was found.
void AddFaults(const CTextPlacingDC& dc, const QRectF& bounds, const std::string& where,
               std::vector<std::string>& faults)
{
    for (const std::string& fault : DrawingFaults(dc, bounds))
        faults.push_back(where + ": " + fault);
}

// A view to check: its widget and its own drawing.
struct CNamedView
{
    std::string name;
    QWidget* pWidget;
    std::function<void(CDC*)> draw;
};
template <class View> CNamedView Named(const std::string& name, View* pView)
{
    return {name, pView, [pView](CDC* pDC) { pView->OnDraw(pDC); }};
}

// The coordinate readout switched on as the user does it: a right click clears it, a left
// click in the middle of the view follows the nearest curve and the pointer moves a little.
void ShowReadout(QWidget& view)
{
    const QPointF middle(view.width() / 2.0, view.height() / 2.0);
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, QPointF at)
    {
        QMouseEvent event(type, at, view.mapToGlobal(at), button,
                          type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
    };
    send(QEvent::MouseButtonPress, Qt::RightButton, middle);
    send(QEvent::MouseButtonRelease, Qt::RightButton, middle);
    send(QEvent::MouseButtonPress, Qt::LeftButton, middle);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, middle);
    send(QEvent::MouseMove, Qt::NoButton, middle + QPointF(1, 1));
    QCoreApplication::processEvents();
}

// The texts of the view as it paints on the screen at its own size: placed apart, inside
// the view and no smaller than a readable size.
void AddScreenFaults(const CNamedView& view, const std::string& where,
                     std::vector<std::string>& faults)
{
    QImage image(view.pWidget->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CTextPlacingDC dc(&painter, DT_RASDISPLAY);
    view.draw(&dc);
    AddFaults(dc, QRectF(image.rect()), where + ", " + view.name, faults);
    for (const std::string& fault :
         SmallTextFaults(dc.texts, image, CViewFont::kFaceName, CViewFont::kReadablePoints))
        faults.push_back(where + ", " + view.name + ": " + fault);
}

// The page a view prints, drawn on an image of the landscape page at 150 dots an inch
// through a printer's device context; the faults of its drawing are added, found where.
QImage PrintedPage(const CNamedView& view, const std::string& where,
                   std::vector<std::string>& faults)
{
    const std::unique_ptr<QPrinter> printer = MakeLandscapePrinter();
    QImage image(printer->pageLayout().paintRectPixels(150).size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CTextPlacingDC dc(&painter, DT_RASPRINTER);
    view.draw(&dc);
    AddFaults(dc, QRectF(image.rect()), where + ", " + view.name + " printed", faults);
    return image;
}

void AddPageFaults(const CNamedView& view, const std::string& where,
                   std::vector<std::string>& faults)
{
    PrintedPage(view, where, faults);
}

// The faults, at most a screenful of them, with their number; all of them (or none) in a
// file of this build folder.
std::string Report(const std::vector<std::string>& faults, const std::string& file)
{
    std::ofstream all(std::string(MORVANE_TEST_OUTPUT_DIR) + "/" + file);
    for (const std::string& fault : faults)
        all << fault << "\n";
    std::ostringstream out;
    out << faults.size() << " faults\n";
    for (std::size_t i = 0; i < faults.size() && i < 60; ++i)
        out << faults[i] << "\n";
    return out.str();
}

// A view's name as a part of a file name.
std::string FileName(std::string name)
{
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

void SavePicture(QWidget& widget, const std::string& name)
{
    const QString path = QString(MORVANE_TEST_OUTPUT_DIR) + "/text_placement_" +
                         QString::fromStdString(name) + ".png";
    EXPECT_TRUE(widget.grab().save(path)) << name;
}

class SpeakerTextPlacementTest : public CalculatedAppTest
{
protected:
    // Two filters of the kind a calculation leaves at the band's low end, +39 dB and
    // -24 dB, typed into the filter editor and drawn.
    void DrawSteepFilters()
    {
        ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_EDIT_FILTER_PARAMETERS));
        CMiniFrame* pEditor = app->m_pMainFrame->m_pPropFrame;
        ASSERT_NE(pEditor, nullptr);
        auto* pSheet = dynamic_cast<CUserCreatedFilters*>(pEditor->GetSheet());
        ASSERT_NE(pSheet, nullptr);
        CFilterEditGrid& grid = pSheet->Page(kKindEQ).Grid();
        TypeIntoCell(grid, 1, 1, "39");
        TypeIntoCell(grid, 1, 2, "20");
        TypeIntoCell(grid, 1, 3, "40");
        TypeIntoCell(grid, 2, 1, "-24");
        TypeIntoCell(grid, 2, 2, "40");
        TypeIntoCell(grid, 2, 3, "120");
        pEditor->hide();
        ASSERT_TRUE(app->ExecuteCommand(32836)); // View > Draw Filters
        Settle();
        for (const std::string& text : messages.texts)
            ADD_FAILURE() << text;
    }
    // The views' ranges as the settings sheet takes them, in the order speaker response,
    // speaker phase, filter, filter phase.
    void ApplyRanges(const CSettingsSheetValues::CViewRange (&ranges)[4])
    {
        CSettingsSheetValues values;
        doc->FillSettingsSheet(values);
        for (std::size_t i = 0; i < 4; ++i)
            values.views[i] = ranges[i];
        doc->TakeSettingsSheet(values);
        doc->ApplySettings();
        doc->UpdateAllViews(nullptr, kHintSettingsApplied);
        Settle();
    }
    // The four views with their names.
    std::vector<CNamedView> Views() const
    {
        return {Named("response", dynamic_cast<CMorvaneView*>(app->m_pResponseMDI->GetView())),
                Named("phase", dynamic_cast<CPhaseView*>(app->m_pPhaseMDI->GetView())),
                Named("filter", dynamic_cast<CFilterView*>(app->m_pFilterMDI->GetView())),
                Named("filter phase",
                      dynamic_cast<CPhaseFilterView*>(app->m_pPhaseFilterMDI->GetView()))};
    }
    // Every visible view at every size in every arrangement, and the printed pages.
    void Sweep(const std::string& ranges, std::vector<std::string>& faults)
    {
        for (const auto& arrangement : kArrangements)
        {
            ASSERT_TRUE(app->ExecuteCommand(arrangement.id));
            for (const QSize& size : kSizes)
            {
                ResizeMainWindow(size.width(), size.height());
                const std::string where = ranges + ", " + arrangement.name + ", " + SizeName(size);
                for (const CNamedView& v : Views())
                {
                    ASSERT_NE(v.pWidget, nullptr) << v.name;
                    if (!v.pWidget->isVisible())
                        continue;
                    ShowReadout(*v.pWidget);
                    AddScreenFaults(v, where, faults);
                }
            }
        }
        for (const CNamedView& v : Views())
            AddPageFaults(v, ranges, faults);
    }
};
} // namespace

TEST_F(SpeakerTextPlacementTest, NoTextOfTheFourViewsCoversAnotherAtAnySizeOrRange)
{
    ASSERT_NO_FATAL_FAILURE(OpenAndCalculate());
    ASSERT_NO_FATAL_FAILURE(DrawSteepFilters());
    std::vector<std::string> faults;
    // The ranges the calculation and the drawn filters left, scaled to the curves.
    Sweep("scaled", faults);
    for (const CRangeSet& set : kRangeSets)
    {
        ApplyRanges(set.ranges);
        Sweep(set.name, faults);
    }
    // The markers' values at their widest: "LF 30000", "HF 30000", "1/2 Fs 100000".
    CSettingsSheetValues values;
    doc->FillSettingsSheet(values);
    values.dSamplingFrequency = 200000.0;
    values.dLowerFrequencyLimit = 30000.0;
    values.dHigherFrequencyLimit = 30000.0;
    doc->TakeSettingsSheet(values);
    doc->ApplySettings();
    doc->UpdateAllViews(nullptr, kHintSettingsApplied);
    Settle();
    Sweep("widest markers", faults);
    // Automatic scaling again after all that, with the filters drawn anew.
    CSettingsSheetValues::CViewRange scaling[4];
    std::copy(std::begin(kRangeSets[0].ranges), std::end(kRangeSets[0].ranges), scaling);
    for (CSettingsSheetValues::CViewRange& range : scaling)
        range.bAutomaticScaling = true;
    ApplyRanges(scaling);
    ASSERT_TRUE(app->ExecuteCommand(32836));
    Settle();
    Sweep("scaled again", faults);
    const std::string report = Report(faults, "text_placement_speaker_faults.txt");
    EXPECT_TRUE(faults.empty()) << report;
}

// Pictures of each view with the scaled ranges, the wide ones and the narrow ones, on the
// screen in four windows and on the printed page.
TEST_F(SpeakerTextPlacementTest, PicturesOfEachViewAtTwoSizes)
{
    ASSERT_NO_FATAL_FAILURE(OpenAndCalculate());
    ASSERT_NO_FATAL_FAILURE(DrawSteepFilters());
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    for (const CRangeSet* pSet : {static_cast<const CRangeSet*>(nullptr), &kRangeSets[1],
                                  &kRangeSets[2]})
    {
        const std::string ranges = pSet ? pSet->name : "scaled";
        if (pSet)
            ApplyRanges(pSet->ranges);
        for (const QSize& size : {QSize(640, 480), QSize(800, 800), QSize(2560, 1440)})
        {
            ResizeMainWindow(size.width(), size.height());
            const std::string tag = ranges + "_" + SizeName(size);
            SavePicture(*app->m_pMainFrame, "four_windows_" + tag);
            for (const CNamedView& v : Views())
                SavePicture(*v.pWidget, FileName(v.name) + "_" + tag);
        }
        for (const CNamedView& v : Views())
        {
            std::vector<std::string> faults;
            const QString path = QString(MORVANE_TEST_OUTPUT_DIR) + "/text_placement_" +
                                 QString::fromStdString(FileName(v.name) + "_" + ranges) +
                                 "_printed.png";
            EXPECT_TRUE(PrintedPage(v, ranges, faults).save(path)) << v.name;
        }
    }
}

namespace
{
class LoudnessTextPlacementTest : public LoudnessWindowTest
{
protected:
    // The family's window with a filter of each of the first two kinds, filling the main
    // window.
    CLoudnessView* OpenWithFilters(int device, int design, ELoudnessFamily family)
    {
        OnNextSheet({{kLoudnessEQBased,
                      {{CCreateLoudnessPage::IDC_EQ_GAIN, "12"},
                       {CCreateLoudnessPage::IDC_BANDWIDTH, "60"},
                       {CCreateLoudnessPage::IDC_CENTER_FREQUENCY, "40"}}}});
        CMDIChildFrame* pFrame = Open(device, design);
        EXPECT_NE(pFrame, nullptr);
        if (!pFrame)
            return nullptr;
        pFrame->showMaximized();
        QCoreApplication::processEvents();
        return View(family);
    }
    void Resize(const QSize& size)
    {
        app->m_pMainFrame->resize(size);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
};

const struct
{
    int device, design;
    ELoudnessFamily family;
    const char* name;
} kLoudnessWindows[] = {
    {CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS,
     ELoudnessFamily::QZX2202, "loudness QZX2202"},
    {CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_LOUDNESS,
     ELoudnessFamily::QZX241X, "loudness QZX2410"},
};
} // namespace

TEST_F(LoudnessTextPlacementTest, NoTextOfTheLoudnessViewsCoversAnotherAtAnySize)
{
    std::vector<std::string> faults;
    for (const auto& w : kLoudnessWindows)
    {
        CLoudnessView* pView = OpenWithFilters(w.device, w.design, w.family);
        ASSERT_NE(pView, nullptr) << w.name;
        for (const QSize& size : kSizes)
        {
            Resize(size);
            AddScreenFaults(Named(w.name, pView), SizeName(size), faults);
            if (size == QSize(640, 480) || size == QSize(800, 800) || size == QSize(2560, 1440))
                SavePicture(*pView, FileName(w.name) + "_" + SizeName(size));
        }
        // The window made small inside the main window, as small as a quarter of the
        // smallest main window and smaller.
        QWidget* pFrame = pView;
        while (pFrame && !qobject_cast<QMdiSubWindow*>(pFrame))
            pFrame = pFrame->parentWidget();
        ASSERT_NE(pFrame, nullptr) << w.name;
        pFrame->showNormal();
        for (const QSize& size : {QSize(320, 240), QSize(400, 300), QSize(260, 180)})
        {
            pFrame->resize(size);
            QCoreApplication::processEvents();
            AddScreenFaults(Named(w.name, pView), "window " + SizeName(size), faults);
            if (size == QSize(320, 240))
                SavePicture(*pView, FileName(w.name) + "_window_" + SizeName(size));
        }
        AddPageFaults(Named(w.name, pView), "start-up", faults);
    }
    const std::string report = Report(faults, "text_placement_loudness_faults.txt");
    EXPECT_TRUE(faults.empty()) << report;
}
