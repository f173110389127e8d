// Texts of the application window, offscreen: every menu item of the speaker windows' and
// the design windows' menus, the Run menu, the prompts and tooltips of the commands, and
// the DSP label question.
#include "framework/ui/HelpTopic.h"
#include "shell/CommandPrompts.h"
#include "shell/ui/DesignWindow.h"
#include "shell/ui/DeviceDialogs.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"
#include "tests/shell/AppWindowFixture.h"
#include "tests/shell/ModalDialogs.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace
{
struct CMenuText
{
    int id;
    const char* text;
};

// The text of every command item of the menus, mnemonics and spacing as the program's
// resources give them.
const CMenuText kMenuTexts[] = {
    // File
    {57601, "&Open Raw Response File ..."},
    {32802, "Save Raw Response File         &Y"},
    {32803, "Save As Raw Response File    &Z  ..."},
    {32814, "Save As &Modified Response ..."},
    {32774, "Op&en Desired Response File ..."},
    {32800, "Save Desired Response Fi&le"},
    {32805, "Save As  Des&ired Response ..."},
    {32830, "Open Master Point File             &Q ..."},
    {32833, "Save Master Point File              &B"},
    {32832, "Save As Master Point File         &D ..."},
    {32827, "Open Filter Parameter File        &H ..."},
    {32834, "Save Fil&ter Parameters"},
    {32835, "Save As Filter Parameters         &X ..."},
    {32775, "Save Filter &Coefficients"},
    {32777, "Save As &Filter Coefficients ..."},
    {32794, "&Save Output Files"},
    {32815, "Open Filter Coefficient File for &Additive Restart ..."},
    {32863, "Ope&n Device Program Data File ..."},
    {32864, "Save Device Program Data File  &J"},
    {32865, "Save As Device Program Data   &K ..."},
    {57606, "P&rint Setup..."},
    {57607, "&Print...\tCtrl+P"},
    {57609, "Print Pre&view"},
    {57665, "E&xit"},
    // Edit
    {32804, "Create &New Desired Response Curve"},
    {32798, "&Replace Section of Curve Graphically"},
    {32858, "&Log Sample Raw Curve"},
    {32859, "&Smooth Raw Curve"},
    {32821, "Edit Filter &Parameters..."},
    {32822, "Edit &Master Points..."},
    {32849, "&Copy Master Points From Curves to Edit Grid"},
    {32852, "&Generate Curves from Master Points in Edit Grid"},
    {32857, "Copy Generated Filters to &Edit Grid"},
    {32823, "&Delete Filters Graphically"},
    {32847, "M&ark Filters as Modifiable Graphically"},
    {32848, "Mark Filters As &Fixed Graphically"},
    {32877, "Mar&k Filters As Active Graphically"},
    {32878, "Mark Filters As Inactive Grap&hically"},
    {32867, "Ed&it Device Data ..."},
    {32869, "Genera&te Device Data ..."},
    {32880, "Add Device Data to Filter Parameters Grid"},
    // The device-data commands that no resource offers, kept in the menus with their
    // prompt texts so that they can be chosen at all.
    {32881, "Replace Filter Parameters Grid Data with QZX2xxx Data"},
    {32882, "Replace QZX2xxx Data with Data from the Filter Parameters Grid"},
    {32883, "Additive Restart Using QZX2xxx File"},
    // View
    {32781, "View Loud Speaker Response Window"},
    {32782, "View Filter Definition Window"},
    {32860, "&Speaker Response and Filters"},
    {32824, "&Phase Windows"},
    {32909, "&4 db and Phase Windows"},
    {32921, "&Reponse and Phase"},
    {32922, "&Filters and Filter Phases"},
    {32836, "&Draw Filters"},
    {32799, "Se&ttings ..."},
    // Calculate
    {32854, "&Modified Response"},
    {32856, "Modified &Response and Pause"},
    {32787, "&Stop Calculation"},
    {32816, "Additive Restart Using Filter Coefficient File"},
    // Device, DSP, Run
    {32895, "QZX2201"},
    {32897, "QZX2202"},
    {32898, "&DSP"},
    {32926, "QZX2410"},
    {32932, "QZX6060"},
    {32910, "&Generate .h File"},
    {32911, "&Edit .h File"},
    {32912, "&Save As .h File"},
    {32866, "&Run QZX2xxx Program"},
    // Design
    {32899, "&Design EQ Filters"},
    {32887, "&Loudness Filters For QZX2202"},
    {32928, "Loudness &Filters For QZX2410"},
    {32938, "Loudness Filters For QZX6060"},
    {32914, "Dynamic Range &Compression For QZX2202"},
    {32927, "Dynamic &Range Compression For QZX2410"},
    {32937, "Dynamic &Range Compression For QZX6060"},
    // Help
    {57667, "&Help Topics"},
    {32818, "&Contents"},
    {32819, "Calculating &Filters"},
    {32820, "Additive &Restart"},
    {57664, "&About Morvane..."},
    // The loudness windows
    {32931, "Save As .LD241X Data"},
    {32950, "Save As .LD606X Data"},
    {32896, "&Create Loudness Filters ..."},
    {32900, "&Edit Loudness Filters..."},
    {32929, "&Edit Loudness Filters..."},
    {32905, "&Delete Filters Graphically"},
    {32906, "&Select Filters to Edit Graphically"},
    {32907, "Select Filter to &Add to QZX2XXX Data File Graphically"},
    {32908, "Turn &Off Loudness Filter Addtion to QZX2XXX Data File"},
    // The compression windows
    {32916, "Save &As DRC File"},
    {32930, "Save &As .DRC241x File"},
    {32951, "Save &As .DRC606x File"},
};

struct CPromptText
{
    int id;
    const char* prompt;
    const char* tooltip; // null: none given
};

// The prompts the string table gives commands: the status-bar text, then after the line
// break the tooltip, typos and trailing blanks included.
const CPromptText kPromptTexts[] = {
    {57600, "Create a New Desired Response File", nullptr},
    {57670, "Display help for current task or command", nullptr},
    {32863, "Open QZX2xxxProgram Data File ", "Open QZX2xxx Program Data File "},
    {32864, "Save QZX2xxx Program Data File", "Save QZX2xxx Program Data File"},
    {32865, "Save As LD24 Data", "Save As LD24 Data"},
    {32866, "Run QZX2xxx Program", "Run QZX2xxx Program"},
    {32867, "Edit QZX2xxx Data", "Edit QZX2xxx Data"},
    {32869, "Generate QZX2xxx Data", "Generate QZX2xxx Data"},
    {32931, "Save as LD24 File/nSave as LD24 File", nullptr},
    {32880, "Add QZX2xxx Data to Filter Parameters Grid",
     "Add QZX2xxx Data to Filter Parameters Grid"},
    {32881, "Replace Filter Parameters Grid Data with QZX2xxx Data",
     "Replace Filter Parameters Grid Data with QZX2xxx Data"},
    {32882, "Replace QZX2xxx Data with Data from the Filter Parameters Grid",
     "Replace QZX2xxx Data with Data from the Filter Parameters Grid"},
    {32883, "Additive Restart Using QZX2xxx File", "Additive Restart Using QZX2xxx File"},
    {32816, "Additive Restart Using Filter Coefficient File", nullptr},
    {32910, "Generate .hFile", "Generate .h File"},
    {32911, "Edit .h File", "Edit .h File"},
    {32912, "Save As .h File", "Save As .h File"},
    {32868, "Speaker Response and Phase", nullptr},
    {32904, "Delete Filters Graphically", nullptr},
};

// Items to which the resources' own texts give the same mnemonic.
const std::set<std::pair<std::string, std::string>> kSharedMnemonics = {
    {"&View", "De&vice"},
    {"Save As Filter Parameters         &X ...", "E&xit"},
    {"Dynamic &Range Compression For QZX2410", "Dynamic &Range Compression For QZX6060"},
    {"Save &As .DRC241x File", "Save &As .DRC606x File"},
};

// The letter after the mnemonic marker, lower case; null without one.
QChar Mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '&')
        {
            if (text[i + 1] != '&')
                return text[i + 1].toLower();
            ++i;
        }
    return {};
}

// Fails for a letter two items of a menu share, unless the resources give it so.
void ExpectOwnMnemonics(const std::string& menu, const std::vector<QAction*>& actions)
{
    std::map<QChar, std::string> seen;
    for (const QAction* action : actions)
    {
        const QChar letter = Mnemonic(action->text());
        if (letter.isNull())
            continue;
        const std::string text = action->text().toStdString();
        const auto [at, bNew] = seen.emplace(letter, text);
        EXPECT_TRUE(bNew || kSharedMnemonics.count({at->second, text}))
            << menu << ": \"" << at->second << "\" and \"" << text << "\"";
    }
}

class MenusTest : public AppWindowTest
{
protected:
    std::vector<std::string> Items(const char* title) const
    {
        std::vector<std::string> items;
        if (QMenu* menu = app->m_pMainFrame->FindMenu(title))
            for (QAction* action : menu->actions())
                items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
        return items;
    }
};

TEST_F(MenusTest, TheSpeakerWindowsHaveARunMenuWithTheDeviceProgram)
{
    std::vector<std::string> titles;
    for (QAction* action : app->m_pMainFrame->menuBar()->actions())
        titles.push_back(action->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit", "&View", "&Calculate", "De&vice",
                                                "D&SP", "&Run", "&Design", "&Help"}));
    EXPECT_EQ(Items("&Run"), std::vector<std::string>{"&Run QZX2xxx Program"});
    EXPECT_EQ(Items("De&vice"),
              (std::vector<std::string>{"QZX2201", "QZX2202", "&DSP", "QZX2410", "QZX6060"}));
}

TEST_F(MenusTest, EveryMenuItemOfEveryWindowCarriesItsText)
{
    CMainFrame& main = *app->m_pMainFrame;
    std::map<const QAction*, const CMenuText*> rows;
    for (const CMenuText& row : kMenuTexts)
    {
        const QAction* action = main.GetCommandAction(row.id);
        if (!action)
            ADD_FAILURE() << row.id << " has no item";
        else
            rows[action] = &row;
    }
    std::set<int> shown;
    for (int nSet : {CMainFrame::kSpeakerMenus, DesignMenuSet(EDesignWindow::QZX2202Loudness),
                     DesignMenuSet(EDesignWindow::QZX241XLoudness),
                     DesignMenuSet(EDesignWindow::QZX2202Compression),
                     DesignMenuSet(EDesignWindow::QZX241XCompression)})
    {
        main.ShowMenuSet(nSet);
        ASSERT_EQ(main.GetShownMenuSet(), nSet);
        const QList<QAction*> titles = main.menuBar()->actions();
        ASSERT_FALSE(titles.isEmpty()) << nSet;
        ExpectOwnMnemonics("menu bar", {titles.begin(), titles.end()});
        for (const QAction* title : titles)
        {
            const std::string menu = title->text().toStdString();
            std::vector<QAction*> items;
            for (QAction* action : title->menu()->actions())
            {
                if (action->isSeparator())
                    continue;
                items.push_back(action);
                const auto row = rows.find(action);
                if (row == rows.end())
                {
                    // The View menu's show-and-hide items of the toolbar and status bar.
                    EXPECT_TRUE(nSet == CMainFrame::kSpeakerMenus && menu == "&View")
                        << menu << ": " << action->text().toStdString();
                    continue;
                }
                EXPECT_EQ(action->text().toStdString(), row->second->text) << row->second->id;
                shown.insert(row->second->id);
            }
            ExpectOwnMnemonics(menu, items);
        }
    }
    main.ShowMenuSet(CMainFrame::kSpeakerMenus);
    for (const CMenuText& row : kMenuTexts)
        EXPECT_TRUE(shown.count(row.id)) << row.id << " stands in no menu";
}

TEST_F(MenusTest, CommandsShowThePromptsTheStringTableGives)
{
    for (const CPromptText& row : kPromptTexts)
    {
        const CCommandPrompt* prompt = FindCommandPrompt(row.id);
        ASSERT_NE(prompt, nullptr) << row.id;
        EXPECT_STREQ(prompt->prompt, row.prompt) << row.id;
        if (row.tooltip)
        {
            EXPECT_STREQ(prompt->tooltip, row.tooltip) << row.id;
        }
        // What the status bar shows while the item is highlighted.
        if (const QAction* action = app->m_pMainFrame->GetCommandAction(row.id))
        {
            EXPECT_EQ(action->statusTip().toStdString(), row.prompt) << row.id;
        }
    }
}

TEST_F(MenusTest, PrintingHelpAndRunCommandsCarryPromptsAndTooltips)
{
    for (int id : {57606, 57607, 57609, 32818, 32819, 32820, 57667, 32866})
    {
        const QAction* action = app->m_pMainFrame->GetCommandAction(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_FALSE(action->statusTip().isEmpty()) << id;
        EXPECT_FALSE(action->toolTip().isEmpty()) << id;
    }
    EXPECT_EQ(app->m_pMainFrame->GetCommandAction(57667)->statusTip(),
              "List the topics of the help");
}

TEST(DspLabelDialogTest, AsksForTheUserLabelInItsOwnWords)
{
    TestApp();
    CQtLabelDialog labels;
    std::string label = "Left woofer";
    std::string caption, text, shown, topic;
    OnNextModal<QInputDialog>(
        [&](QInputDialog& dialog)
        {
            caption = dialog.windowTitle().toStdString();
            text = dialog.labelText().toStdString();
            shown = dialog.textValue().toStdString();
            topic = FindHelpTopic(&dialog);
            dialog.setTextValue("Right woofer");
            dialog.accept();
        });
    ASSERT_TRUE(labels.AskLabel(label));
    EXPECT_EQ(caption, "DSP Get User Label");
    EXPECT_EQ(text, "Enter User Label");
    EXPECT_EQ(shown, "Left woofer");
    EXPECT_EQ(topic, "device");
    EXPECT_EQ(label, "Right woofer");

    // Cancelled, the label stays.
    OnNextModal<QInputDialog>(
        [](QInputDialog& dialog)
        {
            dialog.setTextValue("Other");
            dialog.reject();
        });
    EXPECT_FALSE(labels.AskLabel(label));
    EXPECT_EQ(label, "Right woofer");
}
} // namespace
