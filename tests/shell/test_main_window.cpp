// The application window on the offscreen platform: start-up, the speaker frames and
// their arrangements, File Open, devices, and the settings written back at exit.
#include "../framework/QtTestApp.h"

#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "matrix/handler.h"
#include "matrix/libinit.h"
#include "numerics/CheckUserAbort.h"
#include "numerics/UserAbortException.h"
#include "runtime/handlers.h"
#include "shell/ChildFrameLayout.h"
#include "shell/CommandPrompts.h"
#include "shell/QtSettingsStore.h"
#include "shell/ui/FilterMDIChild.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/ui/PhaseFilterMDIChild.h"
#include "shell/ui/PhaseMDIChild.h"
#include "shell/ui/QtServices.h"
#include "shell/ui/ResponseMDIChild.h"
#include "shell/views/MorvaneView.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        m_StartFolder = fs::current_path();
        m_Folder = fs::temp_directory_path() / ("morvane_shell_" + std::to_string(::getpid()));
        fs::remove_all(m_Folder);
        fs::create_directories(m_Folder);
        m_Ini = (m_Folder / "profile.ini").string();
    }
    void TearDown() override
    {
        if (m_pApp)
            m_pApp->ExitInstance();
        m_pApp.reset();
        Services::SetFileDialogs(nullptr);
        Services::SetMessageBox(nullptr);
        fs::current_path(m_StartFolder);
        fs::remove_all(m_Folder);
    }
    CMorvaneApp& Start(std::vector<std::string> args = {})
    {
        m_pApp = std::make_unique<CMorvaneApp>(m_Ini);
        EXPECT_TRUE(m_pApp->InitInstance(args, false));
        Services::SetFileDialogs(&m_Dialogs);
        Services::SetMessageBox(&m_Messages);
        return *m_pApp;
    }
    std::string WriteRaw(const std::string& name)
    {
        const fs::path path = m_Folder / name;
        std::ofstream(path) << "speaker\nHz dB deg\n100 1 0\n1000 -2 10\n10000 3 20\n";
        return path.string();
    }
    static CRect Geometry(const CMDIChildFrame* frame)
    {
        const QRect g = frame->geometry();
        return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    }

    fs::path m_StartFolder;
    fs::path m_Folder;
    std::string m_Ini;
    std::unique_ptr<CMorvaneApp> m_pApp;
    CScriptedFileDialogs m_Dialogs;
    CRecordingMessageBox m_Messages;
};

TEST_F(MainWindowTest, StartUpShowsTheResponseAndFilterWindowsOfOneDocument)
{
    CMorvaneApp& app = Start();
    ASSERT_NE(app.m_pMainFrame, nullptr);
    ASSERT_NE(app.m_pMorvaneDoc, nullptr);
    EXPECT_GT(app.m_pMorvaneDoc->m_nRawPoints, 0); // the start-up response
    ASSERT_TRUE(app.m_pResponseMDI && app.m_pFilterMDI && app.m_pPhaseMDI && app.m_pPhaseFilterMDI);
    EXPECT_TRUE(app.IsFrameVisible(ESpeakerFrame::Response));
    EXPECT_TRUE(app.IsFrameVisible(ESpeakerFrame::Filter));
    EXPECT_FALSE(app.IsFrameVisible(ESpeakerFrame::Phase));
    EXPECT_FALSE(app.IsFrameVisible(ESpeakerFrame::PhaseFilter));
    EXPECT_EQ(app.m_pMainFrame->GetMDIClient()->activeSubWindow(), app.m_pResponseMDI);
    EXPECT_EQ(app.m_pMainFrame->GetStatusText(), "Open Raw Response File");
    EXPECT_TRUE(app.m_SpeakerResponseAndFiltersMode.IsOn());
    EXPECT_TRUE(app.m_DeviceSelection.m_QZX2201Mode.IsOn());
    EXPECT_EQ(app.GetRegisterCount(), 6);
    EXPECT_EQ(app.m_ColorList.size(), 14u);
    // Frames never carry the document name.
    EXPECT_EQ(app.m_pResponseMDI->windowTitle(), "Loud Speaker Response");
    EXPECT_EQ(app.m_pPhaseFilterMDI->windowTitle(), "Filter Phase Definitions");

    // A second File New keeps the one document and its frames.
    CMorvaneDoc* doc = app.m_pMorvaneDoc;
    CResponseMDIChild* response = app.m_pResponseMDI;
    EXPECT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_FILE_NEW));
    EXPECT_EQ(app.m_pMorvaneDoc, doc);
    EXPECT_EQ(app.m_pResponseMDI, response);
    EXPECT_EQ(app.m_pMainFrame->GetMDIClient()->subWindowList().size(), 4);
}

TEST_F(MainWindowTest, FramesTakeTheirPlacesInEveryArrangement)
{
    CMorvaneApp& app = Start();
    const CRect client = app.m_pMainFrame->GetMDIClientRect();
    const int w = client.right, h = client.bottom;
    const int t6 = int(h * 0.6), t4 = int(h * 0.4), t5 = int(h * 0.5);
    EXPECT_EQ(Geometry(app.m_pResponseMDI), (CRect{0, 0, w, t6}));
    EXPECT_EQ(Geometry(app.m_pFilterMDI), (CRect{0, t6, w, t6 + t4}));

    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    for (ESpeakerFrame frame : {ESpeakerFrame::Response, ESpeakerFrame::Filter,
                                ESpeakerFrame::Phase, ESpeakerFrame::PhaseFilter})
        EXPECT_TRUE(app.IsFrameVisible(frame));
    EXPECT_EQ(Geometry(app.m_pPhaseMDI), (CRect{w / 2, 0, w, t6}));
    EXPECT_EQ(Geometry(app.m_pPhaseFilterMDI), (CRect{w / 2, t6, w, t6 + t4}));
    EXPECT_TRUE(app.GetCommandState(CMorvaneApp::ID_VIEW_FOUR_WINDOWS).bChecked);
    EXPECT_FALSE(app.GetCommandState(CMorvaneApp::ID_VIEW_SPEAKER_RESPONSE_AND_FILTERS).bChecked);

    // Closing a frame hides it; the arrangement shows it again, restored from maximized.
    app.m_pPhaseMDI->close();
    EXPECT_FALSE(app.IsFrameVisible(ESpeakerFrame::Phase));
    ASSERT_NE(app.m_pPhaseMDI, nullptr);
    app.m_pResponseMDI->showMaximized();
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_VIEW_RESPONSE_AND_PHASE));
    EXPECT_TRUE(app.IsFrameVisible(ESpeakerFrame::Phase));
    EXPECT_FALSE(app.IsFrameVisible(ESpeakerFrame::Filter));
    EXPECT_FALSE(app.IsFrameVisible(ESpeakerFrame::PhaseFilter));
    EXPECT_FALSE(app.m_pResponseMDI->isMaximized());
    EXPECT_EQ(Geometry(app.m_pResponseMDI), (CRect{0, 0, w, t5}));
    EXPECT_EQ(Geometry(app.m_pPhaseMDI), (CRect{0, t5, w, h}));

    // Design EQ Filters re-applies the arrangement in force.
    app.m_pPhaseMDI->hide();
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
    EXPECT_TRUE(app.IsFrameVisible(ESpeakerFrame::Phase));
    EXPECT_TRUE(app.m_ResponseAndPhaseMode.IsOn());

    // Speaker Response and Phase: response and phase shown, the filter windows hidden.
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_SPEAKER_RESPONSE_AND_PHASE));
    EXPECT_TRUE(app.IsFrameVisible(ESpeakerFrame::Response));
    EXPECT_TRUE(app.IsFrameVisible(ESpeakerFrame::Phase));
    EXPECT_FALSE(app.IsFrameVisible(ESpeakerFrame::Filter));
    EXPECT_FALSE(app.IsFrameVisible(ESpeakerFrame::PhaseFilter));

    // The view-window commands show a hidden frame and check the item while it is shown.
    EXPECT_FALSE(app.GetCommandState(CMorvaneApp::ID_VIEW_FILTER_DEFINITION_WINDOW).bChecked);
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_VIEW_FILTER_DEFINITION_WINDOW));
    EXPECT_TRUE(app.GetCommandState(CMorvaneApp::ID_VIEW_FILTER_DEFINITION_WINDOW).bChecked);
}

TEST_F(MainWindowTest, TheArrangementFollowsTheClientAreaWhenTheWindowChangesSize)
{
    CMorvaneApp& app = Start();
    const auto expectArrangement = [&](int nLayout, std::initializer_list<ESpeakerFrame> frames)
    {
        const CRect client = app.m_pMainFrame->GetMDIClientRect();
        for (ESpeakerFrame frame : frames)
        {
            CRect rect;
            ASSERT_TRUE(ComputeFrameRect(frame, nLayout, client, 0, rect));
            EXPECT_EQ(Geometry(app.GetFrame(frame)), rect) << int(frame) << " " << client.right;
        }
    };
    // At start-up the window manager gives the main window its size after the frames were
    // placed.
    for (const QSize size : {QSize(1600, 1000), QSize(1024, 700)})
    {
        app.m_pMainFrame->resize(size);
        QCoreApplication::processEvents();
        expectArrangement(kLayoutOriginal, {ESpeakerFrame::Response, ESpeakerFrame::Filter});
    }
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    // A frame the user closed stays closed.
    app.m_pPhaseMDI->close();
    app.m_pMainFrame->resize(1300, 900);
    QCoreApplication::processEvents();
    expectArrangement(kLayoutFourWindows, {ESpeakerFrame::Response, ESpeakerFrame::Filter,
                                           ESpeakerFrame::Phase, ESpeakerFrame::PhaseFilter});
    EXPECT_FALSE(app.IsFrameVisible(ESpeakerFrame::Phase));
    // A maximized frame stays maximized.
    app.m_pResponseMDI->showMaximized();
    app.m_pMainFrame->resize(1200, 800);
    QCoreApplication::processEvents();
    EXPECT_TRUE(app.m_pResponseMDI->isMaximized());
}

TEST_F(MainWindowTest, ResizeTimerFlagsFollowTheFrames)
{
    CMorvaneApp& app = Start();
    EXPECT_EQ(app.m_pResponseMDI->minimumSize(), QSize(267, 100));
    app.m_bResponseTimerOn = 0;
    app.m_pResponseMDI->resize(400, 300);
    EXPECT_EQ(app.m_bResponseTimerOn, 1);
    // Closing hides the frame and clears its flag.
    app.m_pResponseMDI->close();
    EXPECT_EQ(app.m_bResponseTimerOn, 0);
    EXPECT_NE(app.m_pResponseMDI, nullptr);

    // A record-kept frame destroyed while its timer runs leaves the flag clear.
    app.m_pPhaseFilterMDI->show();
    app.m_pPhaseFilterMDI->resize(300, 200);
    EXPECT_EQ(app.m_PhaseFilterInfo.m_bTimerOn, 1);
    delete app.m_pPhaseFilterMDI;
    EXPECT_EQ(app.m_PhaseFilterInfo.m_bTimerOn, 0);
    EXPECT_EQ(app.m_pPhaseFilterMDI, nullptr);
    // Arrangements stay disabled without all four frames.
    EXPECT_FALSE(app.GetCommandState(CMorvaneApp::ID_VIEW_FOUR_WINDOWS).bEnabled);
    EXPECT_FALSE(app.ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
}

TEST_F(MainWindowTest, FileOpenReadsARawResponseIntoTheDocumentAndTheRecentFiles)
{
    CMorvaneApp& app = Start();
    const std::string raw = WriteRaw("speaker.raw");
    m_Dialogs.answers = {raw};
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_FILE_OPEN));
    ASSERT_EQ(m_Dialogs.requests.size(), 1u);
    EXPECT_FALSE(m_Dialogs.requests[0].save);
    EXPECT_EQ(app.m_pMorvaneDoc->m_nRawPoints, 3);
    // The response window shows it.
    auto* view = dynamic_cast<CMorvaneView*>(app.m_pResponseMDI->GetView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(app.m_pMorvaneDoc->m_pResponseView, view);
    EXPECT_EQ(view->m_RawCurve.GetTotalPoints(), 3);
    // Printing follows the active window's view.
    EXPECT_TRUE(app.GetCommandState(CMorvaneApp::ID_FILE_PRINT).bEnabled);
    app.m_pMainFrame->GetMDIClient()->setActiveSubWindow(app.m_pFilterMDI);
    EXPECT_FALSE(app.GetCommandState(CMorvaneApp::ID_FILE_PRINT).bEnabled);
    app.ActivateResponseWindow();
    ASSERT_EQ(app.RecentFiles().size(), 1u);
    EXPECT_EQ(app.RecentFiles()[0], raw);
    EXPECT_EQ(app.GetDocumentPathName(), raw);
    EXPECT_EQ(app.m_pMainFrame->windowTitle(), "Morvane - speaker.raw");

    // A recent file opens into the same document.
    const std::string other = WriteRaw("other.raw");
    ASSERT_NE(app.OpenDocumentFile(other), nullptr);
    EXPECT_EQ(app.RecentFiles()[0], other);
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_FILE_MRU_FIRST + 1));
    EXPECT_EQ(app.RecentFiles()[0], raw);
    EXPECT_FALSE(app.GetCommandState(CMorvaneApp::ID_FILE_MRU_FIRST + 2).bEnabled);

    // A cancelled dialog changes nothing.
    m_Dialogs.answers = {""};
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_FILE_OPEN));
    EXPECT_EQ(app.m_pMorvaneDoc->m_nRawPoints, 3);
}

TEST_F(MainWindowTest, AFileOnTheCommandLineOpensIntoTheNewDocument)
{
    // Named relative to the start folder, while the working folder is another one.
    const std::string raw = WriteRaw("named.raw");
    fs::create_directories(m_Folder / "work");
    {
        CQtSettingsStore store(m_Ini, CMorvaneSettings::kSection);
        store.WriteText("Working Directory", (m_Folder / "work").string());
    }
    fs::current_path(m_Folder);
    CMorvaneApp& app = Start({"named.raw"});
    EXPECT_EQ(fs::current_path(), m_Folder / "work");
    EXPECT_EQ(app.m_pMorvaneDoc->m_nRawPoints, 3);
    EXPECT_EQ(app.GetDocumentPathName(), raw);
}

TEST_F(MainWindowTest, DevicesAreCheckedOneAtATime)
{
    CMorvaneApp& app = Start();
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_DEVICE_QZX2202));
    EXPECT_EQ(app.GetRegisterCount(), 7);
    EXPECT_TRUE(app.m_DeviceSelection.m_QZX2202Mode.IsOn());
    EXPECT_FALSE(app.m_DeviceSelection.m_QZX2201Mode.IsOn());
    EXPECT_TRUE(app.GetCommandState(CMorvaneApp::ID_DEVICE_QZX2202).bChecked);
    // The DSP header commands follow the device; the device data file dialog is the
    // document's.
    constexpr int kDspGenerateHeader = 32910, kOpenDeviceData = 32863;
    EXPECT_FALSE(app.GetCommandState(kDspGenerateHeader).bEnabled);
    m_Dialogs.answers = {""};
    EXPECT_TRUE(app.ExecuteCommand(kOpenDeviceData));
    EXPECT_EQ(m_Dialogs.requests.size(), 1u);
    EXPECT_TRUE(m_Messages.texts.empty());
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_DEVICE_DSP));
    EXPECT_EQ(app.GetDeviceId(), kDeviceDsp);
    EXPECT_TRUE(app.GetCommandState(kDspGenerateHeader).bEnabled);
    EXPECT_EQ(app.FamilyDataManager(), &app.m_QZX2410_Manager);
    EXPECT_FALSE(app.GetCommandState(CMorvaneApp::ID_DEVICE_QZX2202).bChecked);
    EXPECT_EQ(app.GetRegisterCount(), 6);
    QAction* action = app.m_pMainFrame->GetCommandAction(CMorvaneApp::ID_DEVICE_DSP);
    ASSERT_NE(action, nullptr);
    app.m_pMainFrame->UpdateCommandUI();
    EXPECT_TRUE(action->isChecked());
    EXPECT_EQ(action->text(), "&DSP");
}

TEST_F(MainWindowTest, MenusWithoutAHandlerAreDisabled)
{
    CMorvaneApp& app = Start();
    app.m_pMainFrame->UpdateCommandUI();
    // Print Setup has its page setup dialog (test_printing); Print follows a view.
    QAction* setup = app.m_pMainFrame->GetCommandAction(CMorvaneApp::ID_FILE_PRINT_SETUP);
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(setup->isEnabled());
    app.m_pResponseMDI->hide();
    app.m_pMainFrame->UpdateCommandUI();
    EXPECT_FALSE(app.m_pMainFrame->GetCommandAction(CMorvaneApp::ID_FILE_PRINT)->isEnabled());
    // Commands that act on a view wait for it.
    EXPECT_FALSE(app.GetCommandState(32804).bEnabled);
    EXPECT_TRUE(app.GetCommandState(CMorvaneApp::ID_FILE_OPEN).bEnabled);
}

TEST_F(MainWindowTest, SettingsAreReadAtStartAndWrittenBackAtExit)
{
    {
        CQtSettingsStore store(m_Ini, CMorvaneSettings::kSection);
        store.WriteInt("SamplingFrequency", 44100);
        store.WriteText("LimitNumberOfFilters", "TRUE");
        store.WriteText("Working Directory", m_Folder.string());
    }
    CMorvaneApp& app = Start();
    EXPECT_EQ(app.m_Settings.m_nSamplingFrequency, 44100);
    EXPECT_EQ(app.m_pMorvaneDoc->m_nSamplingFrequency, 44100);
    EXPECT_EQ(fs::current_path(), m_Folder);
    app.m_Settings.m_dUpperTolerance = 2.5;
    app.AddToRecentFileList("/data/a.raw");
    app.ExitInstance();
    m_pApp.reset();

    CQtSettingsStore store(m_Ini, CMorvaneSettings::kSection);
    std::string value;
    ASSERT_TRUE(store.ReadText("UpperTolerance", value));
    EXPECT_EQ(value, "2.500000");
    ASSERT_TRUE(store.ReadText("LimitNumberOfFilters", value));
    EXPECT_EQ(value, "true");
    ASSERT_TRUE(store.ReadText("PhaseMin_db", value));
    EXPECT_EQ(value, "-180.000000");
    CQtSettingsStore recent(m_Ini, "Recent File List");
    ASSERT_TRUE(recent.ReadText("File1", value));
    EXPECT_EQ(value, "/data/a.raw");
}

TEST_F(MainWindowTest, ViewsComeFromTheFactoryAndPromptsGoToPaneZero)
{
    m_pApp = std::make_unique<CMorvaneApp>(m_Ini);
    CMorvaneDoc* seen = nullptr;
    m_pApp->SetViewFactory(ESpeakerFrame::Response,
                           [&seen](CMorvaneDoc& doc)
                           {
                               seen = &doc;
                               return new QLabel("response view");
                           });
    ASSERT_TRUE(m_pApp->InitInstance({}, false));
    EXPECT_EQ(seen, m_pApp->m_pMorvaneDoc);
    auto* label = qobject_cast<QLabel*>(m_pApp->m_pResponseMDI->GetView());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "response view");

    QStatusTipEvent tip("View Phase Windows");
    QCoreApplication::sendEvent(m_pApp->m_pMainFrame, &tip);
    EXPECT_EQ(m_pApp->m_pMainFrame->GetPromptText(), "View Phase Windows");
    m_pApp->SetStatusText("Calculation Completed");
    EXPECT_EQ(m_pApp->m_pMainFrame->GetStatusText(), "Calculation Completed");
    CSize size;
    EXPECT_TRUE(m_pApp->m_pMainFrame->GetStatusBarSize(size));
    EXPECT_GT(size.cy, 0);
}
// The status bar keeps the height of one line whatever the program's status text holds
// (the calculation's texts end in a line break), and shows the text in force whole.
TEST_F(MainWindowTest, TheStatusBarKeepsItsHeightAndShowsTheTextInForce)
{
    CMorvaneApp& app = Start();
    CMainFrame& main = *app.m_pMainFrame;
    main.show();
    QCoreApplication::processEvents();
    const int height = main.statusBar()->height();
    ASSERT_GT(height, 0);
    const struct
    {
        const char* text;
        const char* shown;
    } texts[] = {
        {"Calculating Filter 1\n", "Calculating Filter 1"},
        {"Calculating Filter 12\n", "Calculating Filter 12"},
        {"The maximum number of filters set by the user was reached.  Calculation ended.",
         "The maximum number of filters set by the user was reached.  Calculation ended."},
        {"Calculation Completed", "Calculation Completed"},
        {"two\r\nlines\n", "two lines"},
    };
    for (const auto& t : texts)
    {
        app.SetStatusText(t.text);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        EXPECT_EQ(main.GetStatusText(), t.shown);
        EXPECT_EQ(main.statusBar()->height(), height) << t.text;
        CSize size;
        ASSERT_TRUE(main.GetStatusBarSize(size));
        EXPECT_EQ(size.cy, height) << t.text;
        // The pane holds the whole line.
        auto* pane = main.statusBar()->findChildren<QLabel*>().back();
        EXPECT_EQ(pane->text().toStdString(), t.shown);
        EXPECT_GE(pane->height(), pane->sizeHint().height()) << t.text;
    }
}

TEST_F(MainWindowTest, EveryMenuCommandAndToolbarButtonHasAPromptAndATooltip)
{
    CMorvaneApp& app = Start();
    std::vector<QAction*> actions;
    std::function<void(QMenu*)> collect = [&](QMenu* menu)
    {
        for (QAction* action : menu->actions())
        {
            if (action->menu())
                collect(action->menu());
            else if (!action->isSeparator())
                actions.push_back(action);
        }
    };
    for (QAction* top : app.m_pMainFrame->menuBar()->actions())
        collect(top->menu());
    QToolBar* toolBar = app.m_pMainFrame->findChild<QToolBar*>("MainToolBar");
    ASSERT_NE(toolBar, nullptr);
    for (QAction* action : toolBar->actions())
        if (!action->isSeparator())
            actions.push_back(action);
    EXPECT_GT(actions.size(), 70u);
    // The commands' rows of the prompt table, by action.
    std::map<const QAction*, const CCommandPrompt*> rows;
    for (const CCommandPrompt* row = CommandPromptsBegin(); row != CommandPromptsEnd(); ++row)
        if (const QAction* action = app.m_pMainFrame->GetCommandAction(row->id))
            rows[action] = row;
    const QAction* toggles[] = {toolBar->toggleViewAction()};
    for (const QAction* action : actions)
    {
        const std::string text = action->text().toStdString();
        EXPECT_FALSE(action->statusTip().isEmpty()) << text;
        const auto row = rows.find(action);
        if (row == rows.end())
        {
            // The two show-and-hide items of the View menu have their own texts.
            EXPECT_TRUE(action == toggles[0] || text == "Status &Bar") << text;
            continue;
        }
        // Qt would make a tooltip of the menu text: each command has its own.
        EXPECT_EQ(action->statusTip().toStdString(), row->second->prompt) << text;
        EXPECT_EQ(action->toolTip().toStdString(), row->second->tooltip) << text;
    }
    // The toolbar's texts as its string table gives them, typos included; the prompt goes
    // to the status bar's first pane.
    QAction* remove = app.m_pMainFrame->GetCommandAction(32823);
    EXPECT_EQ(remove->toolTip(), "Delete Filters Graphicaly");
    EXPECT_EQ(remove->statusTip(), "Delete Filters Graphicaly");
    QAction* settings = app.m_pMainFrame->GetCommandAction(32799);
    QStatusTipEvent tip(settings->statusTip());
    QCoreApplication::sendEvent(app.m_pMainFrame, &tip);
    EXPECT_EQ(app.m_pMainFrame->GetPromptText(),
              "Edit the frequency limits, tolerances, filter limit and ranges of the views");
}

// Runs a function on every event of the application.
class CEventWatch : public QObject
{
public:
    explicit CEventWatch(std::function<void(QObject*, QEvent*)> onEvent)
        : m_OnEvent(std::move(onEvent))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~CEventWatch() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        m_OnEvent(watched, event);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> m_OnEvent;
};

std::vector<std::string> g_Printed;
void RecordPrinted(const char* text)
{
    g_Printed.push_back(text);
}

TEST_F(MainWindowTest, LibraryPrintsGoToTheMessageBoxOnceTheWindowsExist)
{
    const mwLibraryInit library;
    const mwPrintHandler before = mwGetPrintHandler();
    mwSetPrintHandler(RecordPrinted);
    g_Printed.clear();
    // The print handler in force when the main window is first shown.
    mwPrintHandler atShow = nullptr;
    {
        const CEventWatch watch(
            [&atShow](QObject* watched, QEvent* event)
            {
                if (event->type() == QEvent::Show && !atShow && dynamic_cast<CMainFrame*>(watched))
                    atShow = mwGetPrintHandler();
            });
        Start();
    }
    EXPECT_EQ(atShow, &RecordPrinted);
    EXPECT_NE(mwGetPrintHandler(), &RecordPrinted);

    mclPrint("Warning: Divide by zero.\n");
    EXPECT_EQ(m_Messages.texts, std::vector<std::string>{"Warning: Divide by zero.\n"});
    EXPECT_TRUE(g_Printed.empty());

    // At exit the handler before comes back.
    m_pApp->ExitInstance();
    m_pApp.reset();
    EXPECT_EQ(mwGetPrintHandler(), &RecordPrinted);
    mwSetPrintHandler(before);
}

TEST_F(MainWindowTest, MiniFrameEditorsAreMadeOnceAndHideInsteadOfClosing)
{
    CMorvaneApp& app = Start();
    CMainFrame& frame = *app.m_pMainFrame;
    std::vector<int> pagesMadeCurrent;
    int nSheetsBuilt = 0;
    frame.SetSheetFactory(CMainFrame::kFilterEditor,
                          [&]
                          {
                              ++nSheetsBuilt;
                              auto* sheet = new QTabWidget;
                              for (const char* page : {"EQ-", "TS-", "BS-"})
                                  sheet->addTab(new QWidget, page);
                              QObject::connect(sheet, &QTabWidget::currentChanged,
                                               [&](int index)
                                               { pagesMadeCurrent.push_back(index); });
                              return sheet;
                          });
    ASSERT_TRUE(app.GetCommandState(CMorvaneApp::ID_EDIT_FILTER_PARAMETERS).bEnabled);
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_EDIT_FILTER_PARAMETERS));
    CMiniFrame* editor = frame.m_pPropFrame;
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), "Edit Filters");
    // Every page once, the first page last.
    EXPECT_EQ(pagesMadeCurrent, (std::vector<int>{1, 2, 0}));

    editor->GetSheet()->setCurrentIndex(2);
    editor->close();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(frame.m_pPropFrame, editor);
    app.OpenFilterEditor();
    EXPECT_EQ(frame.m_pPropFrame, editor);
    EXPECT_EQ(nSheetsBuilt, 1);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->GetSheet()->currentIndex(), 0);

    // A shown editor is left as it is.
    editor->GetSheet()->setCurrentIndex(1);
    frame.OnEditFilterParameters();
    EXPECT_EQ(editor->GetSheet()->currentIndex(), 1);

    // The loudness editor of the selected family; none for the DSP target.
    EXPECT_EQ(frame.GetLoudnessFrame(), nullptr);
    frame.SetSheetFactory(CMainFrame::kQZX2202LoudnessEditor,
                          []
                          {
                              auto* sheet = new QTabWidget;
                              sheet->addTab(new QWidget, "1");
                              return sheet;
                          });
    CMiniFrame* loudness = frame.OpenMiniFrame(CMainFrame::kQZX2202LoudnessEditor);
    ASSERT_NE(loudness, nullptr);
    EXPECT_EQ(frame.GetLoudnessFrame(), loudness);
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_HIDE_LOUDNESS_FRAME));
    EXPECT_FALSE(loudness->isVisible());
    ASSERT_TRUE(app.ExecuteCommand(CMorvaneApp::ID_DEVICE_DSP));
    EXPECT_EQ(frame.GetLoudnessFrame(), nullptr);

    // A sheet that cannot be built leaves no editor.
    frame.SetSheetFactory(CMainFrame::kMasterPointEditor, [] { return nullptr; });
    EXPECT_EQ(frame.OpenMiniFrame(CMainFrame::kMasterPointEditor), nullptr);
    EXPECT_EQ(frame.m_pMasterPtPropFrame, nullptr);
}
TEST(QtMessagePump, CancellationPointsHandleEventsAndMeetAQuit)
{
    TestApp();
    CQtMessagePump pump;
    CMessagePump* previous = SetMessagePump(&pump);
    bool bDelivered = false;
    QTimer::singleShot(0, [&bDelivered] { bDelivered = true; });
    EXPECT_EQ(CheckUserAbort(), 1);
    EXPECT_TRUE(bDelivered);
    // Closing the window during a calculation: the next cancellation point ends it.
    pump.RequestQuit();
    int nCode = -1;
    try
    {
        CheckUserAbort();
    }
    catch (const CUserAbortException& e)
    {
        nCode = e.Code();
    }
    EXPECT_EQ(nCode, 1);
    EXPECT_FALSE(pump.IsMessageWaiting());
    SetMessagePump(previous);
}
} // namespace
