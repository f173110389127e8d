// The program's help in the application window, offscreen: every Help command opens the
// help window at its topic, from the speaker windows' menus and from a design window's;
// F1 opens the topic of the window, dialog or menu command in use; Shift+F1 explains the
// next thing clicked; every topic's page is bundled and its links lead to pages that
// exist. Screenshots of the help window go to the build folder.
#include "drc/ui/ControlDialog.h"
#include "drc/ui/DRC_View.h"
#include "framework/ui/PrintSetupDialog.h"
#include "loudness/LoudnessDoc.h"
#include "loudness/ui/CreateLoudnessSheet.h"
#include "shell/dialogs/Settings.h"
#include "shell/help/HelpTopics.h"
#include "shell/help/HelpWindow.h"
#include "shell/ui/FilterMDIChild.h"
#include "shell/ui/LoudnessMDIChild.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/ui/PhaseFilterMDIChild.h"
#include "shell/ui/PhaseMDIChild.h"
#include "shell/ui/ProgramHelp.h"
#include "shell/ui/ResponseMDIChild.h"
#include "tests/shell/AppWindowFixture.h"
#include "tests/shell/ModalDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace
{
namespace T = HelpTopics;

QString PageSource(const std::string& topic)
{
    QFile file(QString::fromStdString(":/help/" + topic + ".html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class HelpTest : public AppWindowTest
{
protected:
    CHelpWindow* Window() const { return app->GetHelp() ? app->GetHelp()->GetWindow() : nullptr; }
    // The topic the help window shows; empty while it is closed.
    std::string Shown() const
    {
        CHelpWindow* window = Window();
        return window && window->isVisible() ? window->CurrentTopic() : std::string();
    }
    void CloseHelp()
    {
        if (CHelpWindow* window = Window())
            window->close();
    }
    static void PressF1(QObject* target, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, modifiers);
        QApplication::sendEvent(target, &press);
    }
    static void ClickInContextHelpMode(QWidget* target)
    {
        QHelpEvent click(QEvent::WhatsThis, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &click);
    }
    QAction* ActionOf(int id) const { return app->m_pMainFrame->GetCommandAction(id); }
};

TEST_F(HelpTest, EachHelpCommandOpensTheHelpWindowAtItsTopic)
{
    const struct
    {
        int id;
        const char* topic;
        const char* heading;
    } commands[] = {
        {CMorvaneApp::ID_HELP_CONTENTS, T::kContents, "Morvane Help"},
        {CMorvaneApp::ID_HELP_CALCULATING_FILTERS, T::kCalculating, "Calculating filters"},
        {CMorvaneApp::ID_HELP_ADDITIVE_RESTART, T::kRestart, "Additive restart"},
        {CMorvaneApp::ID_HELP_FINDER, T::kContents, "Morvane Help"},
        {CMorvaneApp::ID_DEFAULT_HELP, T::kContents, "Morvane Help"},
    };
    for (const auto& c : commands)
    {
        CloseHelp();
        ASSERT_TRUE(app->GetCommandState(c.id).bEnabled) << c.id;
        ASSERT_TRUE(app->ExecuteCommand(c.id)) << c.id;
        EXPECT_EQ(Shown(), c.topic) << c.id;
        EXPECT_EQ(Window()->PageText().rfind(c.heading, 0), 0u) << c.id;
    }
    // One window for the run.
    CHelpWindow* window = Window();
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_HELP_ADDITIVE_RESTART));
    EXPECT_EQ(Window(), window);
    EXPECT_EQ(window->parentWidget(), app->m_pMainFrame);

    // The Help menu holds Help Topics and the three topics, each with its prompt.
    QMenu* help = app->m_pMainFrame->FindMenu("&Help");
    ASSERT_NE(help, nullptr);
    std::vector<std::string> items;
    for (QAction* action : help->actions())
        if (!action->isSeparator())
            items.push_back(action->text().toStdString());
    EXPECT_EQ(items, (std::vector<std::string>{"&Help Topics", "&Contents", "Calculating &Filters",
                                               "Additive &Restart", "&About Morvane..."}));
    for (int id : {57667, 32818, 32819, 32820})
    {
        EXPECT_FALSE(ActionOf(id)->statusTip().isEmpty()) << id;
        EXPECT_FALSE(ActionOf(id)->toolTip().isEmpty()) << id;
    }
    ActionOf(CMorvaneApp::ID_HELP_CALCULATING_FILTERS)->trigger();
    EXPECT_EQ(Shown(), T::kCalculating);
}

TEST_F(HelpTest, EveryTopicHasItsBundledPageAndItsLinksLeadToPages)
{
    const QRegularExpression link("href=\"([^\"]+)\"");
    for (const CHelpTopic& topic : T::All())
    {
        const QString page = PageSource(topic.id);
        ASSERT_FALSE(page.isEmpty()) << topic.id;
        EXPECT_TRUE(page.contains(QString("<h1>%1</h1>").arg(topic.title))) << topic.id;
        for (const QRegularExpressionMatch& m : link.globalMatch(page))
        {
            const QString target = m.captured(1);
            EXPECT_TRUE(target.endsWith(".html") && T::Exists(target.chopped(5).toStdString()))
                << topic.id << " links to " << target.toStdString();
        }
    }
    for (const T::CCommandTopic& entry : T::OfCommands())
        EXPECT_TRUE(T::Exists(entry.topic)) << entry.id;
    // An unknown topic shows the contents.
    app->GetHelp()->ShowTopic("no such topic");
    EXPECT_EQ(Shown(), T::kContents);
}

TEST_F(HelpTest, LinksBackAndTheTopicListMoveThroughThePages)
{
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_HELP_CONTENTS));
    CHelpWindow* window = Window();
    auto* page = window->findChild<QTextBrowser*>("HelpPage");
    auto* back = window->findChild<QPushButton*>("HelpBack");
    auto* topics = window->findChild<QListWidget*>("HelpTopics");
    ASSERT_TRUE(page && back && topics);
    EXPECT_FALSE(back->isEnabled());
    page->setSource(QUrl("desired.html")); // a link of the contents
    EXPECT_EQ(window->CurrentTopic(), T::kDesired);
    ASSERT_EQ(topics->selectedItems().size(), 1);
    EXPECT_EQ(topics->selectedItems()[0]->text(), "Desired curve and tolerances");
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(window->CurrentTopic(), T::kContents);
    emit topics->itemClicked(topics->item(6));
    EXPECT_EQ(window->CurrentTopic(), T::kDevice);
}

TEST_F(HelpTest, F1OpensTheTopicOfTheWindowInUse)
{
    app->m_pMainFrame->OnEditFilterParameters();
    app->m_pMainFrame->OnEditMasterPoints();
    ASSERT_NE(app->m_pMainFrame->m_pMasterPtPropFrame, nullptr);
    const struct
    {
        QWidget* target;
        const char* topic;
    } cases[] = {
        {app->m_pResponseMDI->GetView(), T::kDesired},
        {app->m_pPhaseMDI->GetView(), T::kMeasurement},
        {app->m_pFilterMDI->GetView(), T::kFilters},
        {app->m_pPhaseFilterMDI->GetView(), T::kFilters},
        {app->m_pMainFrame->m_pPropFrame, T::kFilters},
        {app->m_pMainFrame->m_pMasterPtPropFrame, T::kDesired},
    };
    for (const auto& c : cases)
    {
        CloseHelp();
        PressF1(c.target);
        EXPECT_EQ(Shown(), c.topic);
    }
    // The main window outside its child windows: the current child window's topic.
    app->m_pMainFrame->GetMDIClient()->setActiveSubWindow(app->m_pFilterMDI);
    CloseHelp();
    PressF1(app->m_pMainFrame);
    EXPECT_EQ(Shown(), T::kFilters);
    // The key as the window system delivers it: to the main window's window first.
    app->m_pMainFrame->GetMDIClient()->setActiveSubWindow(app->m_pResponseMDI);
    CloseHelp();
    PressF1(app->m_pMainFrame->windowHandle());
    EXPECT_EQ(Shown(), T::kDesired);
    // The command itself: the topic of the widget with the focus.
    CloseHelp();
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_HELP));
    EXPECT_FALSE(Shown().empty());
    // In the help window: the topic that explains the help.
    PressF1(Window()->findChild<QTextBrowser*>("HelpPage"));
    EXPECT_EQ(Shown(), T::kWindows);
    // Other keys pass.
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    CloseHelp();
    QApplication::sendEvent(app->m_pResponseMDI->GetView(), &f2);
    EXPECT_EQ(Shown(), "");
}

TEST_F(HelpTest, F1OnAHighlightedMenuCommandExplainsTheCommand)
{
    const struct
    {
        const char* menu;
        int id;
        const char* topic;
    } cases[] = {
        {"&Calculate", 32854, T::kCalculating},
        {"&File", 57601, T::kMeasurement},
        {"&Run", 32866, T::kDevice},
        {"&Edit", 32821, T::kFilters},
        {"&File", 57606, T::kWindows},
        {"&Design", 32887, T::kLoudness},
    };
    for (const auto& c : cases)
    {
        QMenu* menu = app->m_pMainFrame->FindMenu(c.menu);
        ASSERT_NE(menu, nullptr) << c.menu;
        menu->setActiveAction(ActionOf(c.id));
        CloseHelp();
        PressF1(menu);
        EXPECT_EQ(Shown(), c.topic) << c.id;
    }
}

TEST_F(HelpTest, F1InAModalDialogOpensHelpTheDialogDoesNotBlock)
{
    bool bOwnedByDialog = false;
    std::string topic;
    OnNextModal<CSettings>(
        [&](CSettings& sheet)
        {
            PressF1(sheet.focusWidget() ? sheet.focusWidget() : &sheet);
            topic = Shown();
            bOwnedByDialog = Window() && Window()->parentWidget() == &sheet;
            sheet.reject();
        });
    ASSERT_TRUE(app->ExecuteCommand(32799)); // View > Settings
    EXPECT_EQ(topic, T::kCalculating);
    EXPECT_TRUE(bOwnedByDialog);
    // The help window went with the dialog; the next one belongs to the main window.
    EXPECT_EQ(Window(), nullptr);
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_HELP_CONTENTS));
    EXPECT_EQ(Window()->parentWidget(), app->m_pMainFrame);
}

TEST_F(HelpTest, EachCreateLoudnessSheetExplainsItselfByF1AndByItsHelpButton)
{
    const struct
    {
        ELoudnessFamily family;
        const char* topic;
        const char* title;
    } cases[] = {{ELoudnessFamily::QZX2202, T::kLoudness2202, "QZX2202 Loudness Parameters"},
                 {ELoudnessFamily::QZX241X, T::kLoudness2410, "QZX2410 Loudness Parameters"}};
    for (const auto& c : cases)
    {
        std::string byF1, byButton;
        OnNextModal<CCreateLoudnessSheet>(
            [&](CCreateLoudnessSheet& sheet)
            {
                // F1 in a box of a page, then the sheet's Help button.
                sheet.Tabs()->setCurrentIndex(2);
                QWidget* box = sheet.PageWidget(2)->findChild<QLineEdit*>();
                PressF1(box ? box : &sheet);
                byF1 = Shown();
                CloseHelp();
                if (auto* help = sheet.findChild<QPushButton*>("help"))
                    help->click();
                byButton = Shown();
                // The sheet with its Help button, and the page it opened.
                QCoreApplication::processEvents();
                const QString folder = QString(MORVANE_TEST_OUTPUT_DIR) + "/help_";
                sheet.grab().save(folder + c.topic + "_sheet.png");
                if (Window())
                {
                    Window()->resize(900, 640);
                    QCoreApplication::processEvents();
                    Window()->grab().save(folder + c.topic + ".png");
                }
                sheet.reject();
            });
        app->OpenCreateLoudnessSheet(c.family, 0, nullptr, nullptr);
        EXPECT_EQ(byF1, c.topic);
        EXPECT_EQ(byButton, c.topic);
        EXPECT_TRUE(PageSource(c.topic).contains(QString("<h1>%1</h1>").arg(c.title)));
    }
}

TEST_F(HelpTest, F1InThePrintingDialogsExplainsPrinting)
{
    std::string topic, pageTopic;
    OnNextModal<CPrintSetupDialog>(
        [&](CPrintSetupDialog& dialog)
        {
            PressF1(dialog.PrinterList());
            topic = Shown();
            CloseHelp();
            dialog.grab().save(QString(MORVANE_TEST_OUTPUT_DIR) + "/print_setup.png");
            OnNextModal<QPageSetupDialog>(
                [&](QPageSetupDialog& page)
                {
                    PressF1(&page);
                    pageTopic = Shown();
                    page.reject();
                });
            dialog.PageSetupButton()->click();
            dialog.reject();
        });
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT_SETUP));
    EXPECT_EQ(topic, T::kWindows);
    EXPECT_EQ(pageTopic, T::kWindows);
}

TEST_F(HelpTest, ShiftF1ExplainsTheNextWindowOrButtonClicked)
{
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_CONTEXT_HELP));
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    ClickInContextHelpMode(app->m_pFilterMDI->GetView());
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    EXPECT_EQ(Shown(), T::kFilters);

    // A toolbar button: the topic of its command. Shift+F1 from the keyboard.
    PressF1(app->m_pMainFrame, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    auto* toolbar = app->m_pMainFrame->findChild<QToolBar*>("MainToolBar");
    ASSERT_NE(toolbar, nullptr);
    QWidget* button = toolbar->widgetForAction(ActionOf(32858)); // Log Sample
    ASSERT_NE(button, nullptr);
    ClickInContextHelpMode(button);
    EXPECT_EQ(Shown(), T::kMeasurement);

    // A menu command shows its prompt with a link to its topic.
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_CONTEXT_HELP));
    EXPECT_TRUE(ActionOf(32866)->whatsThis().contains("href=\"device\""));
    QWhatsThis::leaveWhatsThisMode();
    QWhatsThisClickedEvent link("device");
    QApplication::sendEvent(app->m_pMainFrame->FindMenu("&Run"), &link);
    EXPECT_EQ(Shown(), T::kDevice);

    // Outside the mode a what's-this request is not taken.
    CloseHelp();
    ClickInContextHelpMode(app->m_pFilterMDI->GetView());
    EXPECT_EQ(Shown(), "");
}

TEST_F(HelpTest, TheHelpCommandsWorkFromADesignWindowsMenus)
{
    static constexpr CCommandText kTexts[] = {
        {32896, "&Create Loudness Filters ...", nullptr, "Create Loudness Filters"}};
    CDesignWindowSetup setup;
    setup.fill = [](CMDIChildFrame& frame)
    {
        frame.SetView(new QWidget);
        return true;
    };
    setup.menus = {{"&Edit", {32896}}, {"&Help", {32818, 32819, 32820, 0, 57664}}};
    setup.texts = kTexts;
    app->SetDesignWindow(EDesignWindow::QZX2202Loudness, std::move(setup));
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS));
    ASSERT_NE(app->m_pLoudnessMDI, nullptr);
    QMenu* help = app->m_pMainFrame->FindMenu("&Help");
    ASSERT_NE(help, nullptr);
    EXPECT_NE(app->m_pMainFrame->GetShownMenuSet(), CMainFrame::kSpeakerMenus);
    app->m_pMainFrame->UpdateCommandUI();
    for (QAction* action : help->actions())
        EXPECT_TRUE(action->isSeparator() || action->isEnabled()) << action->text().toStdString();
    ActionOf(CMorvaneApp::ID_HELP_ADDITIVE_RESTART)->trigger();
    EXPECT_EQ(Shown(), T::kRestart);
    // F1 in the design window explains it.
    CloseHelp();
    PressF1(app->m_pLoudnessMDI->GetView());
    EXPECT_EQ(Shown(), T::kLoudness);
}

TEST_F(HelpTest, F1InACompressionWindowOrItsDialogExplainsCompression)
{
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DEVICE_QZX2202));
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION));
    CMDIChildFrame* frame = app->GetDesignFrame(EDesignWindow::QZX2202Compression);
    ASSERT_NE(frame, nullptr);
    // The dialog belongs to the main window, beside the compression window.
    auto* view = dynamic_cast<CDRC_View*>(frame->GetView());
    ASSERT_NE(view, nullptr);
    CControlDialog* dialog = view->GetControlDialog();
    ASSERT_NE(dialog, nullptr);
    for (QWidget* target : {frame->GetView(), static_cast<QWidget*>(dialog)})
    {
        CloseHelp();
        PressF1(target);
        EXPECT_EQ(Shown(), T::kCompression);
    }
}

TEST_F(HelpTest, TheHelpWindowShowsItsPagesAndGoesWithTheProgram)
{
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_HELP_CALCULATING_FILTERS));
    CHelpWindow* window = Window();
    window->resize(900, 640);
    for (const char* topic : {T::kContents, T::kCalculating})
    {
        app->GetHelp()->ShowTopic(topic);
        QCoreApplication::processEvents();
        const QImage image = window->grab().toImage();
        ASSERT_FALSE(image.isNull());
        const QString path = QString(MORVANE_TEST_OUTPUT_DIR) + "/help_" + topic + ".png";
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        // Text on the page: dark pixels in the page area.
        auto* page = window->findChild<QTextBrowser*>("HelpPage");
        const QImage text = page->viewport()->grab().toImage();
        int nDark = 0;
        for (int y = 0; y < text.height(); ++y)
            for (int x = 0; x < text.width(); ++x)
                nDark += qGray(text.pixel(x, y)) < 100;
        EXPECT_GT(nDark, 2000) << topic;
    }
    QPointer<CHelpWindow> guard(window);
    app->ExitInstance();
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(app->GetHelp(), nullptr);
}
} // namespace
