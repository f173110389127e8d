// The Help commands: the Help menu's topics, Help Topics, F1 and Shift+F1. They are the
// application's own, so they work from the menus of every window.
#include "shell/ui/MorvaneApp.h"

#include "shell/help/HelpTopics.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/ProgramHelp.h"

#include <QApplication>

void CMorvaneApp::RegisterHelpCommands()
{
    const auto available = [this] { return CCommandState{m_pHelp != nullptr, false}; };
    const std::pair<int, const char*> topics[] = {
        {ID_HELP_CONTENTS, HelpTopics::kContents},
        {ID_HELP_CALCULATING_FILTERS, HelpTopics::kCalculating},
        {ID_HELP_ADDITIVE_RESTART, HelpTopics::kRestart},
        {ID_HELP_FINDER, HelpTopics::kContents},
        {ID_DEFAULT_HELP, HelpTopics::kContents},
    };
    for (const auto& [id, topic] : topics)
        AddCommand(
            id, [this, topic = std::string(topic)] { m_pHelp->ShowTopic(topic); }, available);
    // F1 as a command: the topic of the widget with the focus.
    AddCommand(
        ID_HELP,
        [this]
        {
            QObject* focus = QApplication::focusWidget();
            m_pHelp->ShowTopic(m_pHelp->TopicOf(focus ? focus : m_pMainFrame));
        },
        available);
    AddCommand(
        ID_CONTEXT_HELP, [this] { m_pHelp->EnterContextHelpMode(); }, available);
}
