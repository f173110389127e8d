// The Design menu in the application window (offscreen): which devices offer which design
// window, what opening one does to the speaker windows, the toolbar and the menus, how
// commands reach the window's view and document, and the ways back to the speaker
// windows. The design windows here hold stand-in views and documents.
#include "../framework/QtTestApp.h"

#include "framework/core/CommandTarget.h"
#include "framework/core/Services.h"
#include "shell/ui/DRC_MDIChild.h"
#include "shell/ui/LoudnessMDIChild.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/ui/QZX2410LoudnessMDIChild.h"
#include "shell/ui/QZX2410_DRC_MDIChild.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

constexpr int kPrint = 57607;
constexpr int kViewCommand = 32905;     // a command of the design view
constexpr int kDocumentCommand = 32908; // a command of the design document

// A design document: counts its commands; says when it is gone.
struct CStandInDocument : ICommandTarget
{
    std::optional<CCommandState> GetCommandState(int id) override
    {
        if (id != kDocumentCommand && id != kPrint)
            return std::nullopt;
        return CCommandState{bEnabled, false};
    }
    void OnCommand(int id) override { commands.push_back(id); }
    bool bEnabled = true;
    std::vector<int> commands;
};

// A design view: handles its own command and sees, while it is destroyed, whether its
// document is still there.
class CStandInView : public QWidget, public ICommandTarget
{
public:
    explicit CStandInView(std::weak_ptr<CStandInDocument> document, bool* pDocumentAliveAtEnd)
        : m_Document(std::move(document)), m_pDocumentAliveAtEnd(pDocumentAliveAtEnd)
    {
    }
    ~CStandInView() override { *m_pDocumentAliveAtEnd = !m_Document.expired(); }
    std::optional<CCommandState> GetCommandState(int id) override
    {
        if (id != kViewCommand)
            return std::nullopt;
        return CCommandState{true, bChecked};
    }
    void OnCommand(int) override { bChecked = !bChecked; }
    bool bChecked = false;

private:
    std::weak_ptr<CStandInDocument> m_Document;
    bool* m_pDocumentAliveAtEnd;
};

class DesignWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        m_StartFolder = fs::current_path();
        m_Folder = fs::temp_directory_path() / ("morvane_design_" + std::to_string(::getpid()));
        fs::remove_all(m_Folder);
        fs::create_directories(m_Folder);
        m_pApp = std::make_unique<CMorvaneApp>((m_Folder / "profile.ini").string());
        ASSERT_TRUE(m_pApp->InitInstance({}, false));
        Services::SetMessageBox(&m_Messages);
    }
    void TearDown() override
    {
        m_pApp->ExitInstance();
        m_pApp.reset();
        Services::SetMessageBox(nullptr);
        fs::current_path(m_StartFolder);
        fs::remove_all(m_Folder);
    }
    // Gives every design window a stand-in view and document.
    void SetUpWindows()
    {
        static constexpr CCommandText kTexts[] = {
            {kViewCommand, "&Delete Filters Graphically", "Delete", "Delete Filters Graphically"},
            {kDocumentCommand, "Turn &Off Loudness Filter Addition", nullptr, "Turn off"}};

        for (EDesignWindow kind :
             {EDesignWindow::QZX2202Loudness, EDesignWindow::QZX241XLoudness,
              EDesignWindow::QZX2202Compression, EDesignWindow::QZX241XCompression})
        {
            CDesignWindowSetup setup;
            setup.fill = [this, kind](CMDIChildFrame& frame)
            {
                // The frame is the application's design frame of its kind already.
                m_bPublishedBeforeFill = m_pApp->GetDesignFrame(kind) == &frame;
                if (m_bRefuse)
                    return false;
                auto document = std::make_shared<CStandInDocument>();
                auto* view = new CStandInView(document, &m_bDocumentAliveAtViewEnd);
                m_Documents[int(kind)] = document;
                frame.SetView(view);
                frame.AddCommandTarget(view);
                frame.AddCommandTarget(document.get());
                frame.KeepAlive(document);
                return true;
            };
            setup.afterOpen = [this, kind] { ++m_nOpened[int(kind)]; };
            setup.menus = {{"&File", {kPrint, 0, 57665}},
                           {"&Edit", {kViewCommand, kDocumentCommand}},
                           {"&Design", {32899, 0, 32887, 32928, 32938, 0, 32914, 32927, 32937}}};
            setup.toolBar = {kPrint, 0, kViewCommand, 57664};
            setup.texts = kTexts;
            m_pApp->SetDesignWindow(kind, std::move(setup));
        }
    }
    void SelectDevice(int command) { ASSERT_TRUE(m_pApp->ExecuteCommand(command)); }
    bool SpeakerWindowShown(ESpeakerFrame frame) const { return m_pApp->IsFrameVisible(frame); }
    QMdiSubWindow* Current() const
    {
        return m_pApp->m_pMainFrame->GetMDIClient()->currentSubWindow();
    }
    std::vector<std::string> MenuTitles() const
    {
        std::vector<std::string> titles;
        for (QAction* action : m_pApp->m_pMainFrame->menuBar()->actions())
            titles.push_back(action->text().toStdString());
        return titles;
    }

    fs::path m_StartFolder;
    fs::path m_Folder;
    std::unique_ptr<CMorvaneApp> m_pApp;
    CRecordingMessageBox m_Messages;
    std::weak_ptr<CStandInDocument> m_Documents[4];
    int m_nOpened[4] = {0, 0, 0, 0};
    bool m_bRefuse = false;
    bool m_bPublishedBeforeFill = false;
    bool m_bDocumentAliveAtViewEnd = false;
};

TEST_F(DesignWindowsTest, EachDeviceOffersTheDesignWindowsOfItsFamily)
{
    using A = CMorvaneApp;
    const int designs[] = {A::ID_DESIGN_QZX2202_LOUDNESS,    A::ID_DESIGN_QZX2410_LOUDNESS,
                           A::ID_DESIGN_QZX6060_LOUDNESS,    A::ID_DESIGN_QZX2202_COMPRESSION,
                           A::ID_DESIGN_QZX2410_COMPRESSION, A::ID_DESIGN_QZX6060_COMPRESSION};
    // Until a window can be made, its commands stay disabled for every device.
    for (EDesignWindow kind :
         {EDesignWindow::QZX2202Loudness, EDesignWindow::QZX241XLoudness,
          EDesignWindow::QZX2202Compression, EDesignWindow::QZX241XCompression})
        m_pApp->SetDesignWindow(kind, {});
    for (int design : designs)
        EXPECT_FALSE(m_pApp->GetCommandState(design).bEnabled) << design;
    EXPECT_TRUE(m_pApp->GetCommandState(A::ID_DESIGN_EQ_FILTERS).bEnabled);

    SetUpWindows();
    const struct
    {
        int device;
        bool enabled[6];
    } table[] = {
        {A::ID_DEVICE_QZX2201, {true, false, false, false, false, false}},
        {A::ID_DEVICE_QZX2202, {true, false, false, true, false, false}},
        {A::ID_DEVICE_DSP, {false, false, false, false, false, false}},
        {A::ID_DEVICE_QZX2410, {false, true, false, false, true, false}},
        {A::ID_DEVICE_QZX6060, {false, false, true, false, false, true}},
    };
    for (const auto& row : table)
    {
        SelectDevice(row.device);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(m_pApp->GetCommandState(designs[i]).bEnabled, row.enabled[i])
                << "device " << row.device << ", command " << designs[i];
        EXPECT_TRUE(m_pApp->GetCommandState(A::ID_DESIGN_EQ_FILTERS).bEnabled);
    }
}

TEST_F(DesignWindowsTest, ADesignWindowTakesOverTheMainWindowUntilDesignEQFilters)
{
    SetUpWindows();
    CMainFrame& main = *m_pApp->m_pMainFrame;
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    SelectDevice(CMorvaneApp::ID_DEVICE_QZX2202);

    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS));
    CLoudnessMDIChild* loudness = m_pApp->m_pLoudnessMDI;
    ASSERT_NE(loudness, nullptr);
    EXPECT_EQ(loudness->windowTitle(), "Design QZX2202 Loudness Filters");
    EXPECT_TRUE(loudness->isMaximized());
    EXPECT_EQ(Current(), loudness);
    EXPECT_FALSE(main.IsToolBarVisible());
    for (ESpeakerFrame frame : {ESpeakerFrame::Response, ESpeakerFrame::Filter,
                                ESpeakerFrame::Phase, ESpeakerFrame::PhaseFilter})
        EXPECT_FALSE(SpeakerWindowShown(frame));
    EXPECT_EQ(main.GetStatusText(), "Create Loudness Filter");
    EXPECT_EQ(MenuTitles(), (std::vector<std::string>{"&File", "&Edit", "&Design"}));
    // The frame's own toolbar carries the window's buttons.
    ASSERT_NE(loudness->GetToolBar(), nullptr);
    EXPECT_EQ(loudness->GetToolBar()->actions().size(), 4); // three buttons and a separator
    EXPECT_EQ(m_nOpened[0], 1);
    EXPECT_TRUE(m_bPublishedBeforeFill);

    // The second compression window comes in front; the loudness window stays.
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION));
    ASSERT_NE(m_pApp->m_pDRC_MDI, nullptr);
    EXPECT_EQ(Current(), m_pApp->m_pDRC_MDI);
    EXPECT_EQ(main.GetStatusText(), "Dynamic Range Compression Design for QZX2202");
    // The same loudness command shows the same window again.
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS));
    EXPECT_EQ(m_pApp->m_pLoudnessMDI, loudness);
    EXPECT_EQ(Current(), loudness);
    EXPECT_EQ(m_nOpened[0], 2);

    // Design EQ Filters: both windows close for good at once, their views before their
    // documents; the arrangement in force and the toolbar come back.
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
    EXPECT_EQ(m_pApp->m_pLoudnessMDI, nullptr);
    EXPECT_EQ(m_pApp->m_pDRC_MDI, nullptr);
    EXPECT_TRUE(m_Documents[0].expired());
    EXPECT_TRUE(m_Documents[2].expired());
    EXPECT_TRUE(m_bDocumentAliveAtViewEnd);
    for (ESpeakerFrame frame : {ESpeakerFrame::Response, ESpeakerFrame::Filter,
                                ESpeakerFrame::Phase, ESpeakerFrame::PhaseFilter})
        EXPECT_TRUE(SpeakerWindowShown(frame));
    EXPECT_TRUE(m_pApp->m_FourWindowsMode.IsOn());
    EXPECT_TRUE(main.IsToolBarVisible());
    EXPECT_EQ(main.GetStatusText(), "Open Raw Response File");
    EXPECT_EQ(main.GetShownMenuSet(), CMainFrame::kSpeakerMenus);

    // The next Design command makes a new window.
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS));
    EXPECT_NE(m_pApp->m_pLoudnessMDI, nullptr);
    EXPECT_FALSE(m_Documents[0].expired());
}

TEST_F(DesignWindowsTest, CommandsGoToTheCurrentWindowsViewAndDocumentFirst)
{
    SetUpWindows();
    SelectDevice(CMorvaneApp::ID_DEVICE_QZX2410);
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION));
    auto document = m_Documents[3].lock();
    ASSERT_TRUE(document);

    // The view's toggle, with its check mark in the shared action.
    ASSERT_TRUE(m_pApp->ExecuteCommand(kViewCommand));
    EXPECT_TRUE(m_pApp->GetCommandState(kViewCommand).bChecked);
    m_pApp->m_pMainFrame->UpdateCommandUI();
    EXPECT_TRUE(m_pApp->m_pMainFrame->GetCommandAction(kViewCommand)->isChecked());
    // Print goes to the design document, not to the speaker views.
    ASSERT_TRUE(m_pApp->ExecuteCommand(kPrint));
    ASSERT_TRUE(m_pApp->ExecuteCommand(kDocumentCommand));
    EXPECT_EQ(document->commands, (std::vector<int>{kPrint, kDocumentCommand}));
    // A command the document refuses is not run, whatever the application's table says.
    document->bEnabled = false;
    EXPECT_FALSE(m_pApp->GetCommandState(kPrint).bEnabled);
    EXPECT_FALSE(m_pApp->ExecuteCommand(kPrint));
    EXPECT_EQ(document->commands.size(), 2u);
    document.reset();

    // Back in the speaker windows the design commands are nobody's.
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
    EXPECT_FALSE(m_pApp->GetCommandState(kViewCommand).bEnabled);
    EXPECT_FALSE(m_pApp->ExecuteCommand(kDocumentCommand));
}

TEST_F(DesignWindowsTest, ClosingTheLastDesignWindowReturnsToTheSpeakerWindows)
{
    SetUpWindows();
    SelectDevice(CMorvaneApp::ID_DEVICE_QZX6060);
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX6060_LOUDNESS));
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX6060_COMPRESSION));
    ASSERT_TRUE(m_pApp->m_pQZX2410LoudnessMDI && m_pApp->m_pQZX2410_DRC_MDI);

    // One of two: the other design window stays, and so does design mode.
    m_pApp->m_pQZX2410_DRC_MDI->close();
    EXPECT_EQ(m_pApp->m_pQZX2410_DRC_MDI, nullptr);
    EXPECT_TRUE(m_Documents[3].expired());
    EXPECT_FALSE(SpeakerWindowShown(ESpeakerFrame::Response));
    EXPECT_FALSE(m_pApp->m_pMainFrame->IsToolBarVisible());

    // The last one: the speaker windows and the toolbar come back.
    m_pApp->m_pQZX2410LoudnessMDI->close();
    EXPECT_EQ(m_pApp->m_pQZX2410LoudnessMDI, nullptr);
    EXPECT_TRUE(SpeakerWindowShown(ESpeakerFrame::Response));
    EXPECT_TRUE(SpeakerWindowShown(ESpeakerFrame::Filter));
    EXPECT_TRUE(m_pApp->m_pMainFrame->IsToolBarVisible());
    EXPECT_EQ(m_pApp->m_QZX2410LoudnessInfo.m_bTimerOn, 0);
}

// After any close the window in front is whole and usable: the other design window when
// one is left (maximized, current, with its menus, its status text and its commands),
// otherwise the speaker windows with their menus and the main toolbar.
TEST_F(DesignWindowsTest, AfterAnyCloseTheWindowInFrontIsWholeWithItsOwnMenus)
{
    using A = CMorvaneApp;
    using K = EDesignWindow;
    struct CWindow
    {
        K kind;
        int device;
        int design;
        const char* status;
    };
    const CWindow loudness2202 = {K::QZX2202Loudness, A::ID_DEVICE_QZX2202,
                                  A::ID_DESIGN_QZX2202_LOUDNESS, "Create Loudness Filter"};
    const CWindow compression2202 = {K::QZX2202Compression, A::ID_DEVICE_QZX2202,
                                     A::ID_DESIGN_QZX2202_COMPRESSION,
                                     "Dynamic Range Compression Design for QZX2202"};
    const CWindow loudness241x = {K::QZX241XLoudness, A::ID_DEVICE_QZX2410,
                                  A::ID_DESIGN_QZX2410_LOUDNESS,
                                  "QZX2410 & QZX6060 Loudness Filter Design"};
    const CWindow compression241x = {K::QZX241XCompression, A::ID_DEVICE_QZX6060,
                                     A::ID_DESIGN_QZX6060_COMPRESSION,
                                     "QZX2410 & QZX6060 Dynamic Range Compression Design"};
    const struct
    {
        CWindow first, second;
    } pairs[] = {
        {loudness2202, compression2202},  {compression2202, loudness2202},
        {loudness241x, compression241x},  {compression241x, loudness241x},
        {loudness2202, compression241x},  {compression2202, loudness241x},
        {compression2202, compression241x}, {loudness241x, loudness2202},
    };
    enum EClose
    {
        kBothByCloseBox,
        kDesignEQFilters,
        kCloseBoxThenDesignEQFilters,
    };
    SetUpWindows();
    CMainFrame& main = *m_pApp->m_pMainFrame;

    const auto expectSpeakerWindows = [&](const std::string& trace)
    {
        SCOPED_TRACE(trace);
        const auto* current = dynamic_cast<CMDIChildFrame*>(Current());
        ASSERT_NE(current, nullptr);
        EXPECT_TRUE(current->isVisible());
        EXPECT_EQ(main.GetShownMenuSet(), CMainFrame::kSpeakerMenus);
        EXPECT_EQ(MenuTitles().front(), "&File");
        EXPECT_EQ(MenuTitles().size(), 9u);
        EXPECT_TRUE(SpeakerWindowShown(ESpeakerFrame::Response));
        EXPECT_TRUE(SpeakerWindowShown(ESpeakerFrame::Filter));
        EXPECT_TRUE(main.IsToolBarVisible());
        EXPECT_EQ(main.GetStatusText(), "Open Raw Response File");
        EXPECT_EQ(main.GetMDIClient()->subWindowList().size(), 4);
        // The design windows' commands are nobody's now.
        EXPECT_FALSE(m_pApp->GetCommandState(kViewCommand).bEnabled);
    };
    for (const auto& pair : pairs)
        for (EClose close : {kBothByCloseBox, kDesignEQFilters, kCloseBoxThenDesignEQFilters})
        {
            const std::string trace = "windows " + std::to_string(int(pair.first.kind)) + ", " +
                                      std::to_string(int(pair.second.kind)) + ", close " +
                                      std::to_string(int(close));
            SCOPED_TRACE(trace);
            for (const CWindow& window : {pair.first, pair.second})
            {
                SelectDevice(window.device);
                ASSERT_TRUE(m_pApp->ExecuteCommand(window.design));
            }
            QCoreApplication::processEvents();
            ASSERT_EQ(Current(), m_pApp->GetDesignFrame(pair.second.kind));

            if (close == kDesignEQFilters)
            {
                ASSERT_TRUE(m_pApp->ExecuteCommand(A::ID_DESIGN_EQ_FILTERS));
                QCoreApplication::processEvents();
                expectSpeakerWindows(trace + ", Design EQ Filters");
                continue;
            }
            // The window in front by its close box: the other comes in front, whole.
            m_pApp->GetDesignFrame(pair.second.kind)->close();
            QCoreApplication::processEvents();
            EXPECT_EQ(m_pApp->GetDesignFrame(pair.second.kind), nullptr);
            CMDIChildFrame* other = m_pApp->GetDesignFrame(pair.first.kind);
            ASSERT_NE(other, nullptr);
            EXPECT_EQ(Current(), other);
            EXPECT_TRUE(other->isVisible());
            EXPECT_TRUE(other->isMaximized());
            EXPECT_EQ(other->geometry(), main.GetMDIClient()->viewport()->rect());
            EXPECT_EQ(main.GetShownMenuSet(), DesignMenuSet(pair.first.kind));
            EXPECT_EQ(MenuTitles(), (std::vector<std::string>{"&File", "&Edit", "&Design"}));
            EXPECT_EQ(main.GetStatusText(), pair.first.status);
            EXPECT_FALSE(SpeakerWindowShown(ESpeakerFrame::Response));
            EXPECT_FALSE(main.IsToolBarVisible());
            // Its commands reach its own view and document.
            EXPECT_TRUE(m_pApp->GetCommandState(kViewCommand).bEnabled);
            ASSERT_TRUE(m_pApp->ExecuteCommand(kDocumentCommand));
            EXPECT_EQ(m_Documents[int(pair.first.kind)].lock()->commands.back(),
                      kDocumentCommand);

            if (close == kBothByCloseBox)
                other->close();
            else
                ASSERT_TRUE(m_pApp->ExecuteCommand(A::ID_DESIGN_EQ_FILTERS));
            QCoreApplication::processEvents();
            EXPECT_EQ(m_pApp->GetDesignFrame(pair.first.kind), nullptr);
            expectSpeakerWindows(trace + ", the last one closed");
        }
}

TEST_F(DesignWindowsTest, AWindowThatCannotBeMadeLeavesTheSpeakerWindowsAsTheyWere)
{
    SetUpWindows();
    m_bRefuse = true;
    SelectDevice(CMorvaneApp::ID_DEVICE_QZX2202);
    EXPECT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION));
    EXPECT_EQ(m_pApp->m_pDRC_MDI, nullptr);
    EXPECT_EQ(m_nOpened[2], 0);
    EXPECT_TRUE(SpeakerWindowShown(ESpeakerFrame::Response));
    EXPECT_TRUE(SpeakerWindowShown(ESpeakerFrame::Filter));
    EXPECT_TRUE(m_pApp->m_pMainFrame->IsToolBarVisible());
    EXPECT_EQ(m_pApp->m_pMainFrame->GetMDIClient()->subWindowList().size(), 4);
}

TEST_F(DesignWindowsTest, DesignWindowsGoWithTheProgram)
{
    SetUpWindows();
    SelectDevice(CMorvaneApp::ID_DEVICE_QZX2202);
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS));
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION));
    m_pApp->ExitInstance();
    EXPECT_EQ(m_pApp->m_pLoudnessMDI, nullptr);
    EXPECT_EQ(m_pApp->m_pDRC_MDI, nullptr);
    EXPECT_TRUE(m_Documents[0].expired());
    EXPECT_TRUE(m_Documents[2].expired());
    EXPECT_TRUE(m_bDocumentAliveAtViewEnd);
}
} // namespace
