// The compression windows in the application window: the Design menu per device, the
// windows' menus and toolbar, their files saved through the file dialog service, the
// control dialog closed and brought back, and screenshots of both windows with a setting
// other than the default for a person to look at (compression_qzx2202.png and
// compression_qzx241x.png in this build folder).
#include "tests/shell/CompressionWindowFixture.h"

#include "drc/DRC_Doc.h"
#include "drc/QZX2410_DRC_Doc.h"
#include "drc/ui/DRC_View.h"
#include "drc/ui/QZX2410_DRC_View.h"
#include "graph/CFormat.h"
#include "shell/ui/LoudnessDesigns.h"
#include "shell/ui/QZX2410_DRC_MDIChild.h"
#include "tests/graph/TrueAxisLabels.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QWindow>

namespace
{
// Pixels of exactly that colour in the view's image.
int PixelsOf(const QImage& image, QRgb color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) | 0xFF000000) == (color | 0xFF000000);
    return n;
}

std::vector<std::string> ActionTexts(const QList<QAction*>& actions)
{
    std::vector<std::string> texts;
    for (QAction* action : actions)
        texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return texts;
}

std::string GoldenFile(const char* name)
{
    return ReadFileBytes(std::string(MORVANE_DRC_DATA_DIR) + "/" + name);
}
} // namespace

TEST_F(CompressionWindowTest, EachDeviceOffersTheCompressionWindowOfItsFamily)
{
    using A = CMorvaneApp;
    const int designs[] = {A::ID_DESIGN_QZX2202_COMPRESSION, A::ID_DESIGN_QZX2410_COMPRESSION,
                           A::ID_DESIGN_QZX6060_COMPRESSION};
    ExpectDesignStates(designs, {{A::ID_DEVICE_QZX2201, {false, false, false}},
                                 {A::ID_DEVICE_QZX2202, {true, false, false}},
                                 {A::ID_DEVICE_DSP, {false, false, false}},
                                 {A::ID_DEVICE_QZX2410, {false, true, false}},
                                 {A::ID_DEVICE_QZX6060, {false, false, true}}});
    // The QZX2410 and the QZX6060 share one window.
    Open(A::ID_DEVICE_QZX2410, A::ID_DESIGN_QZX2410_COMPRESSION);
    CMDIChildFrame* pFrame = app->GetDesignFrame(EDesignWindow::QZX241XCompression);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(Open(A::ID_DEVICE_QZX6060, A::ID_DESIGN_QZX6060_COMPRESSION), pFrame);
}

TEST_F(CompressionWindowTest, MenusToolbarAndPromptsOfTheWindows)
{
    const struct
    {
        int device;
        int design;
        std::vector<std::string> file;
    } windows[] = {
        {CMorvaneApp::ID_DEVICE_QZX2202,
         CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION,
         {"Save &As DRC File", "-", "P&rint Setup...", "&Print...\tCtrl+P", "Print Pre&view", "-",
          "E&xit"}},
        {CMorvaneApp::ID_DEVICE_QZX2410,
         CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION,
         {"Save &As .DRC241x File", "Save &As .DRC606x File", "-", "P&rint Setup...",
          "&Print...\tCtrl+P", "Print Pre&view", "-", "E&xit"}},
    };
    for (const auto& w : windows)
    {
        CMDIChildFrame* pFrame = Open(w.device, w.design);
        ASSERT_NE(pFrame, nullptr);
        CMainFrame& main = *app->m_pMainFrame;
        std::vector<std::string> titles;
        for (QAction* action : main.menuBar()->actions())
            titles.push_back(action->text().toStdString());
        EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Design", "&Help"}));
        EXPECT_EQ(ActionTexts(main.FindMenu("&File")->actions()), w.file);
        EXPECT_EQ(ActionTexts(pFrame->GetToolBar()->actions()),
                  (std::vector<std::string>{"&Print...\tCtrl+P", "-", "&About Morvane..."}));
        // The save commands have their prompts (status bar and tooltip) and are enabled.
        for (QAction* action : main.FindMenu("&File")->actions())
            if (action->text().startsWith("Save"))
            {
                EXPECT_FALSE(action->statusTip().isEmpty()) << action->text().toStdString();
            }
        main.UpdateCommandUI();
        for (int id : {57607, 57609})
            EXPECT_TRUE(app->GetCommandState(id).bEnabled) << id;
        EXPECT_FALSE(main.IsToolBarVisible());
    }
}

TEST_F(CompressionWindowTest, SaveAsWritesTheFilesOfTheSettingShownAndReportsAFileItCannotWrite)
{
    namespace fs = std::filesystem;
    Open(CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION);
    const std::string missing = (Folder() / "missing" / "b.drc").string();
    m_Dialogs.answers = {(Folder() / "a.drc").string(), "", missing};
    ASSERT_TRUE(app->ExecuteCommand(CDRC_Doc::ID_FILE_SAVE_AS_DRC));
    EXPECT_EQ(ReadFileBytes((Folder() / "a.drc").string()), GoldenFile("default.drc"));
    EXPECT_EQ(m_Dialogs.requests.back().defaultExtension, ".drc");
    EXPECT_EQ(m_Dialogs.requests.back().filter,
              "DRC EQ Files (*.drc) |*.drc| All Files (*.*) |*.*||");
    // The chosen folder is where the next file dialog starts.
    EXPECT_EQ(app->Get(), Folder().string());
    // Cancelled: nothing written, nothing said.
    ASSERT_TRUE(app->ExecuteCommand(CDRC_Doc::ID_FILE_SAVE_AS_DRC));
    EXPECT_TRUE(messages.texts.empty());
    ASSERT_TRUE(app->ExecuteCommand(CDRC_Doc::ID_FILE_SAVE_AS_DRC));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find(missing), std::string::npos) << messages.texts[0];

    messages.texts.clear();
    Open(CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION);
    m_Dialogs.answers = {(Folder() / "a.DR241X").string(), (Folder() / "a.DRC606X").string(),
                         (Folder() / "missing" / "b.DR241X").string()};
    m_Dialogs.requests.clear();
    ASSERT_TRUE(app->ExecuteCommand(CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DR241X));
    ASSERT_TRUE(app->ExecuteCommand(CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DRC606X));
    EXPECT_EQ(ReadFileBytes((Folder() / "a.DR241X").string()), GoldenFile("default.DR241X"));
    EXPECT_EQ(ReadFileBytes((Folder() / "a.DRC606X").string()), GoldenFile("default.DR241X"));
    ASSERT_EQ(m_Dialogs.requests.size(), 2u);
    EXPECT_EQ(m_Dialogs.requests[0].defaultExtension, ".DR241X");
    EXPECT_EQ(m_Dialogs.requests[1].defaultExtension, ".DRC606X");
    ASSERT_TRUE(app->ExecuteCommand(CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DR241X));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("b.DR241X"), std::string::npos) << messages.texts[0];
    // The QZX2202 window's command is not this window's.
    EXPECT_FALSE(app->ExecuteCommand(CDRC_Doc::ID_FILE_SAVE_AS_DRC));
}

TEST_F(CompressionWindowTest, SaveAsOffersTheNameOfTheSpeakerDesign)
{
    const struct
    {
        int device, design, command;
        const char* extension;
    } cases[] = {
        {CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION,
         CDRC_Doc::ID_FILE_SAVE_AS_DRC, ".drc"},
        {CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION,
         CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DR241X, ".DR241X"},
        {CMorvaneApp::ID_DEVICE_QZX6060, CMorvaneApp::ID_DESIGN_QZX6060_COMPRESSION,
         CQZX2410_DRC_Doc::ID_FILE_SAVE_AS_DRC606X, ".DRC606X"},
    };
    // Before a response is opened there is no name to offer; after, the response's name
    // with the file's extension. The dialogs are cancelled.
    const std::string raw = (Folder() / "woofer.txt").string();
    for (const std::string& offered : {std::string(), (Folder() / "woofer").string()})
    {
        if (!offered.empty())
        {
            ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
            WriteFileBytes(raw, "speaker\nHz dB deg\n100 1 0\n1000 -2 10\n10000 3 20\n");
            ASSERT_NE(app->OpenDocumentFile(raw), nullptr);
        }
        for (const auto& c : cases)
        {
            Open(c.device, c.design);
            ASSERT_TRUE(app->ExecuteCommand(c.command)) << c.extension;
            ASSERT_FALSE(m_Dialogs.initialNames.empty());
            EXPECT_EQ(m_Dialogs.initialNames.back(),
                      offered.empty() ? offered : offered + c.extension);
            EXPECT_EQ(m_Dialogs.requests.back().defaultExtension, c.extension);
        }
    }
    EXPECT_EQ(m_Dialogs.requests.size(), 6u);
}

TEST_F(CompressionWindowTest, AClosedControlDialogIsGoneForItsViewAndComesBackWithTheDesignCommand)
{
    Open(CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION);
    auto* view = ViewOf<CDRC_View>(EDesignWindow::QZX2202Compression);
    ASSERT_NE(view, nullptr);
    QPointer<CDRC_GUI> dialog = view->GetControlDialog();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    // Enter and Esc leave it open.
    for (int key : {Qt::Key_Return, Qt::Key_Escape})
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog, &press);
        EXPECT_TRUE(dialog->isVisible()) << key;
    }
    EXPECT_TRUE(dialog->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dialog);
    EXPECT_EQ(view->GetControlDialog(), nullptr);
    // The view lives on without it; the Design command shows a new one.
    view->TurnOffDisplayCoordinatesOnly();
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION));
    ASSERT_NE(view->GetControlDialog(), nullptr);
    EXPECT_TRUE(view->GetControlDialog()->isVisible());
    // The window closed: its view and the dialog go with it.
    dialog = view->GetControlDialog();
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dialog);
    EXPECT_EQ(app->m_pDRC_MDI, nullptr);

    // The same for the QZX241X window.
    Open(CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION);
    auto* view241x = ViewOf<CQZX2410_DRC_View>(EDesignWindow::QZX241XCompression);
    ASSERT_NE(view241x, nullptr);
    QPointer<CQZX2410_DRC_GUI> dialog241x = view241x->GetControlDialog();
    ASSERT_TRUE(dialog241x);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog241x, &escape);
    EXPECT_TRUE(dialog241x->isVisible());
    // Closed, and its window closed before the dialog's deletion came round.
    EXPECT_TRUE(dialog241x->close());
    app->m_pQZX2410_DRC_MDI->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dialog241x);
    EXPECT_EQ(app->m_pQZX2410_DRC_MDI, nullptr);
    EXPECT_TRUE(app->IsFrameVisible(ESpeakerFrame::Response));
}

// The control dialog belongs to the main window, as the program's other tool windows do:
// a click in the graph leaves it shown in front of its design window.
TEST_F(CompressionWindowTest, TheControlDialogStaysInFrontOfItsWindowAfterAClickInTheView)
{
    const struct
    {
        int device;
        int design;
        EDesignWindow kind;
        const char* screenshot;
    } windows[] = {
        {CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION,
         EDesignWindow::QZX2202Compression, "compression_dialog_after_click_qzx2202.png"},
        {CMorvaneApp::ID_DEVICE_QZX6060, CMorvaneApp::ID_DESIGN_QZX6060_COMPRESSION,
         EDesignWindow::QZX241XCompression, "compression_dialog_after_click_qzx241x.png"},
    };
    CMainFrame& main = *app->m_pMainFrame;
    main.show();
    for (const auto& w : windows)
        // Twice: the window made anew after Design EQ Filters gets a live owner too.
        for (int round = 0; round < 2; ++round)
        {
            SCOPED_TRACE(w.screenshot + std::string(", round ") + std::to_string(round));
            ASSERT_NE(Open(w.device, w.design), nullptr);
            QWidget* view = app->GetDesignFrame(w.kind)->GetView();
            QWidget* dialog = ControlDialog(w.kind); // no resize pending from here on
            ASSERT_NE(dialog, nullptr);
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier,
                              view->rect().center() + QPoint(40, 40));
            QCoreApplication::processEvents();
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_TRUE(dialog->isWindow());
            EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::Tool));
            // Owned by the live main window, which keeps a tool window in front of it.
            EXPECT_EQ(dialog->parentWidget(), &main);
            ASSERT_NE(dialog->windowHandle(), nullptr);
            EXPECT_EQ(dialog->windowHandle()->transientParent(), main.windowHandle());
            EXPECT_NE(main.windowHandle(), nullptr);
            if (round == 0)
                SaveScreenshot(&main, dialog, w.screenshot);
            ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
        }
}

// Closing the design window in front, by its close box, brings the other design window in
// front whole: maximized, with its menus, and a compression window with its control
// dialog; closing that one brings back the speaker windows.
TEST_F(CompressionWindowTest, ClosingTheWindowInFrontBringsTheOtherDesignWindowWhole)
{
    const struct
    {
        int device;
        int compression;
        int loudness;
        EDesignWindow compressionKind;
        EDesignWindow loudnessKind;
        ELoudnessFamily family;
        const char* screenshot;
    } families[] = {
        {CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION,
         CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS, EDesignWindow::QZX2202Compression,
         EDesignWindow::QZX2202Loudness, ELoudnessFamily::QZX2202,
         "compression_after_close_qzx2202.png"},
        {CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION,
         CMorvaneApp::ID_DESIGN_QZX2410_LOUDNESS, EDesignWindow::QZX241XCompression,
         EDesignWindow::QZX241XLoudness, ELoudnessFamily::QZX241X,
         "compression_after_close_qzx241x.png"},
    };
    CMainFrame& main = *app->m_pMainFrame;
    main.show();
    QMdiArea& client = *main.GetMDIClient();
    for (const auto& f : families)
    {
        SCOPED_TRACE(f.screenshot);
        // The create sheet of a first opening is not wanted here.
        app->Loudness().FirstOpen(f.family) = false;
        ASSERT_TRUE(app->ExecuteCommand(f.device));

        // Loudness, then compression; the compression window closed by its close box.
        ASSERT_TRUE(app->ExecuteCommand(f.loudness));
        ASSERT_TRUE(app->ExecuteCommand(f.compression));
        QCoreApplication::processEvents();
        app->GetDesignFrame(f.compressionKind)->close();
        QCoreApplication::processEvents();
        CMDIChildFrame* loudness = app->GetDesignFrame(f.loudnessKind);
        ASSERT_NE(loudness, nullptr);
        EXPECT_EQ(client.currentSubWindow(), loudness);
        EXPECT_TRUE(loudness->isMaximized());
        EXPECT_EQ(loudness->geometry(), client.viewport()->rect());
        EXPECT_EQ(main.GetShownMenuSet(), DesignMenuSet(f.loudnessKind));
        EXPECT_NE(main.FindMenu("&Edit"), nullptr); // "Edit Loudness Filters..."

        // Compression, then loudness: the control dialog does not stay over the loudness
        // window. The loudness window closed by its close box.
        ASSERT_TRUE(app->ExecuteCommand(f.compression));
        QPointer<QWidget> covered = ControlDialog(f.compressionKind);
        ASSERT_TRUE(covered);
        EXPECT_TRUE(covered->isVisible());
        ASSERT_TRUE(app->ExecuteCommand(f.loudness));
        QCoreApplication::processEvents();
        ASSERT_TRUE(covered);
        EXPECT_FALSE(covered->isVisible());
        loudness->close();
        QCoreApplication::processEvents();
        CMDIChildFrame* compression = app->GetDesignFrame(f.compressionKind);
        ASSERT_NE(compression, nullptr);
        EXPECT_EQ(client.currentSubWindow(), compression);
        EXPECT_TRUE(compression->isMaximized());
        EXPECT_EQ(compression->geometry(), client.viewport()->rect());
        EXPECT_EQ(main.GetShownMenuSet(), DesignMenuSet(f.compressionKind));
        EXPECT_EQ(main.FindMenu("&Edit"), nullptr);
        QWidget* view = compression->GetView();
        QWidget* dialog = ControlDialog(f.compressionKind);
        ASSERT_EQ(dialog, covered);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_GT(view->width(), 800);
        SaveScreenshot(&main, dialog, f.screenshot);

        // The last design window by its close box: the speaker windows come back.
        compression->close();
        QCoreApplication::processEvents();
        EXPECT_EQ(main.GetShownMenuSet(), CMainFrame::kSpeakerMenus);
        EXPECT_TRUE(app->IsFrameVisible(ESpeakerFrame::Response));
        EXPECT_TRUE(main.IsToolBarVisible());
        EXPECT_EQ(client.subWindowList().size(), 4);
    }
}

TEST_F(CompressionWindowTest, TheQZX2202WindowWithAnExpansionAboveAndACompressionBelow)
{
    Open(CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION);
    auto* view = ViewOf<CDRC_View>(EDesignWindow::QZX2202Compression);
    ASSERT_NE(view, nullptr);
    CDRC_GUI* dialog = view->GetControlDialog();
    ASSERT_NE(dialog, nullptr);
    Child<QSlider>(dialog, "ThresholdSlider")->setValue(80); // -30 dB
    auto* above = Child<QComboBox>(dialog, "AboveExpansion");
    above->setCurrentIndex(6);
    CloseUp(above);
    auto* below = Child<QComboBox>(dialog, "BelowCompression");
    below->setCurrentIndex(8);
    CloseUp(below);
    Child<QComboBox>(dialog, "AttackTime")->setCurrentIndex(4);
    Child<QAbstractButton>(dialog, "Apply")->click();
    EXPECT_TRUE(messages.texts.empty());
    QCoreApplication::processEvents();

    view->Redraw(true);
    const QImage& image = view->RetainedImage();
    EXPECT_GT(PixelsOf(image, qRgb(255, 0, 0)), 200);
    EXPECT_GT(PixelsOf(image, qRgb(0, 0, 255)), 200);
    EXPECT_GT(PixelsOf(image, qRgb(0, 255, 0)), 200);
    SaveScreenshot(app->m_pMainFrame, dialog, "compression_qzx2202.png");
}

TEST_F(CompressionWindowTest, TheQZX241XWindowWithMovedThresholdsAndASpecifiedOffset)
{
    Open(CMorvaneApp::ID_DEVICE_QZX6060, CMorvaneApp::ID_DESIGN_QZX6060_COMPRESSION);
    auto* view = ViewOf<CQZX2410_DRC_View>(EDesignWindow::QZX241XCompression);
    ASSERT_NE(view, nullptr);
    CQZX2410_DRC_GUI* dialog = view->GetControlDialog();
    ASSERT_NE(dialog, nullptr);
    Child<QSlider>(dialog, "Threshold1Slider")->setValue(1300);
    Child<QSlider>(dialog, "Threshold2Slider")->setValue(400);
    Child<QLineEdit>(dialog, "Ratio1")->setText("3");
    Child<QLineEdit>(dialog, "Ratio2")->setText("10");
    Child<QRadioButton>(dialog, "Region0Compression")->click();
    Child<QLineEdit>(dialog, "Ratio0")->setText("1.5");
    Child<QRadioButton>(dialog, "SpecifyOffset1")->click();
    Child<QLineEdit>(dialog, "Offset1")->setText("-6");
    Child<QLineEdit>(dialog, "Offset2")->setText("3");
    ASSERT_TRUE(dialog->OnApply());
    EXPECT_TRUE(messages.texts.empty());
    QCoreApplication::processEvents();

    view->Redraw(true);
    const QImage& image = view->RetainedImage();
    EXPECT_GT(PixelsOf(image, qRgb(0, 0, 255)), 300);
    EXPECT_GT(PixelsOf(image, qRgb(0, 255, 0)), 200);
    SaveScreenshot(app->m_pMainFrame, dialog, "compression_qzx241x.png");
}

// The output and input axes of both compression plots: every value label stands at its
// own line at every size of the main window and in a narrow one, where the plot is made
// smaller and leaves room above it; the 0 dB ends are labelled where they have room at
// their lines, the input axis's always (its label ends at the plot's right edge), and no
// label is missing that has room at its line.
TEST_F(CompressionWindowTest, EveryValueLabelOfBothPlotsStandsAtItsOwnLine)
{
    Open(CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION);
    Open(CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION);
    auto* qzx2202 = ViewOf<CDRC_View>(EDesignWindow::QZX2202Compression);
    auto* qzx241x = ViewOf<CQZX2410_DRC_View>(EDesignWindow::QZX241XCompression);
    ASSERT_NE(qzx2202, nullptr);
    ASSERT_NE(qzx241x, nullptr);
    const struct
    {
        const char* name;
        CCompressionGraphView* pView;
        EDesignWindow kind;
        double step;
    } plots[] = {{"QZX2202", qzx2202, EDesignWindow::QZX2202Compression, 10.0},
                 {"QZX241X", qzx241x, EDesignWindow::QZX241XCompression, 25.0}};
    const QSize sizes[] = {{640, 480}, {800, 600}, {1366, 768}, {2560, 1400}, {500, 800}};
    bool bOutputZeroSeen = false;
    for (const auto& plot : plots)
    {
        app->GetDesignFrame(plot.kind)->showMaximized();
        for (const QSize& size : sizes)
        {
            const std::string name = FormatC("%s, %dx%d", plot.name, size.width(), size.height());
            app->m_pMainFrame->resize(size);
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
            m_pDC = std::make_unique<CRecordingDC>();
            m_pDC->SetDeviceCaps(TECHNOLOGY, DT_RASDISPLAY);
            m_pDC->SetCharWidthPerHeight(0.55);
            plot.pView->OnDraw(m_pDC.get());
            const CBasicGraph& graph = plot.pView->GetGraph();
            ExpectAxesAtTheirLines(m_pDC->Calls(), graph, plot.pView->GetDataWindow(),
                                   {plot.step, plot.step, false, true, 10, 0.55}, name);
            const CDrawnAxes axes = DrawnAxes(m_pDC->Calls(), graph.m_PlotRegion.m_Rect);
            ASSERT_FALSE(axes.horizontal.empty()) << name;
            EXPECT_EQ("0", axes.horizontal.back().text) << name;
            ASSERT_FALSE(axes.vertical.empty()) << name;
            bOutputZeroSeen = bOutputZeroSeen || axes.vertical.back().text == "0";
        }
    }
    // The narrow window's plot stands lower than the strip's top: 0 dB has room there.
    EXPECT_TRUE(bOutputZeroSeen);
}
