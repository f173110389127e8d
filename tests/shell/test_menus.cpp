// Texts of the application window, offscreen: the Run menu of the speaker windows, the
// prompts and tooltips of the printing and help commands, and the DSP label question.
#include "framework/ui/HelpTopic.h"
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

#include <memory>

namespace
{
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
