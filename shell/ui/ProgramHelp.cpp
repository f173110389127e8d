#include "shell/ui/ProgramHelp.h"

#include "framework/ui/HelpTopic.h"
#include "framework/ui/PrintSetupDialog.h"
#include "shell/help/HelpTopics.h"
#include "shell/help/HelpWindow.h"
#include "shell/ui/MDIChildFrame.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/MorvaneApp.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QToolButton>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>

namespace
{
// The topics of the speaker windows, by ESpeakerFrame.
const char* const kSpeakerFrameTopics[] = {HelpTopics::kDesired, HelpTopics::kFilters,
                                           HelpTopics::kMeasurement, HelpTopics::kFilters};
// The topics of the design windows, by EDesignWindow.
const char* const kDesignTopics[] = {HelpTopics::kLoudness, HelpTopics::kLoudness,
                                     HelpTopics::kCompression, HelpTopics::kCompression};
// The topics of the main frame's editors, by CMainFrame::EMiniFrame.
const char* const kEditorTopics[] = {HelpTopics::kFilters, HelpTopics::kDesired,
                                     HelpTopics::kLoudness, HelpTopics::kLoudness};
} // namespace

// Watches every event of the program for the help keys and the clicks of the context help
// mode; it takes only those.
class CProgramHelp::CKeys : public QObject
{
public:
    explicit CKeys(CProgramHelp& help) : m_Help(help) { qApp->installEventFilter(this); }
    ~CKeys() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        // Keys reach a window system window first, which hands them on to its widget with
        // the focus: the widget tells what the user is in.
        if (!target->isWidgetType())
            return false;
        switch (event->type())
        {
        case QEvent::KeyPress:
        {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() != Qt::Key_F1)
                return false;
            if (key->modifiers() == Qt::ShiftModifier)
                m_Help.EnterContextHelpMode();
            else if (key->modifiers() == Qt::NoModifier)
                m_Help.ShowTopic(m_Help.TopicOf(target));
            else
                return false;
            return true;
        }
        case QEvent::WhatsThis:
        {
            // A click in the context help mode (menus show their commands' texts instead).
            if (!QWhatsThis::inWhatsThisMode())
                return false;
            QWhatsThis::leaveWhatsThisMode();
            m_Help.ShowTopic(m_Help.TopicOf(target, static_cast<QHelpEvent*>(event)->pos()));
            return true;
        }
        case QEvent::WhatsThisClicked:
            // The link under a menu command's text in the context help mode.
            m_Help.ShowTopic(static_cast<QWhatsThisClickedEvent*>(event)->href().toStdString());
            return true;
        default:
            return false;
        }
    }

private:
    CProgramHelp& m_Help;
};

CProgramHelp::CProgramHelp(CMorvaneApp& app) : m_App(app), m_pKeys(std::make_unique<CKeys>(*this))
{
}

CProgramHelp::~CProgramHelp() = default;

CHelpWindow* CProgramHelp::GetWindow() const
{
    return m_pWindow;
}

void CProgramHelp::ShowTopic(const std::string& topic)
{
    // While a modal dialog is open only its own windows can be used.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = m_App.m_pMainFrame;
    if (m_pWindow && m_pWindow->parentWidget() != owner)
        delete m_pWindow;
    if (!m_pWindow)
    {
        m_pWindow = new CHelpWindow(owner);
        // F1 in the help window explains the help.
        SetHelpTopic(m_pWindow, HelpTopics::kWindows);
    }
    m_pWindow->ShowTopic(topic);
}

std::string CProgramHelp::TopicOf(QObject* target, QPoint pos) const
{
    const QAction* command = nullptr;
    if (const auto* menu = qobject_cast<const QMenu*>(target))
        command = pos.x() >= 0 ? menu->actionAt(pos) : menu->activeAction();
    else if (const auto* button = qobject_cast<const QToolButton*>(target))
        command = button->defaultAction();
    if (const std::string topic = HelpTopics::OfCommand(CommandOf(command)); !topic.empty())
        return topic;
    const auto* widget = qobject_cast<const QWidget*>(target);
    if (const std::string topic = FindHelpTopic(widget); !topic.empty())
        return topic;
    // The print, preview, print setup and page setup dialogs are explained with printing.
    const QWidget* top = widget ? widget->window() : nullptr;
    if (qobject_cast<const QAbstractPrintDialog*>(top) ||
        qobject_cast<const QPageSetupDialog*>(top) ||
        qobject_cast<const QPrintPreviewDialog*>(top) ||
        dynamic_cast<const CPrintSetupDialog*>(top))
        return HelpTopics::kWindows;
    if (const std::string topic = TopicOfWindow(widget); !topic.empty())
        return topic;
    // In the main window outside the child windows: the current child window.
    const CMainFrame* main = m_App.m_pMainFrame;
    if (main && widget && widget->window() == main)
        if (const std::string topic = TopicOfWindow(main->GetMDIClient()->currentSubWindow());
            !topic.empty())
            return topic;
    return HelpTopics::kContents;
}

std::string CProgramHelp::TopicOfWindow(const QWidget* widget) const
{
    const CMainFrame* main = m_App.m_pMainFrame;
    for (const QWidget* w = widget; w && main; w = w->parentWidget())
    {
        for (ESpeakerFrame kind : {ESpeakerFrame::Response, ESpeakerFrame::Filter,
                                   ESpeakerFrame::Phase, ESpeakerFrame::PhaseFilter})
            if (w == m_App.GetFrame(kind))
                return kSpeakerFrameTopics[int(kind)];
        for (int kind = 0; kind < kDesignWindowCount; ++kind)
            if (w == m_App.GetDesignFrame(EDesignWindow(kind)))
                return kDesignTopics[kind];
        for (int editor = CMainFrame::kFilterEditor; editor <= CMainFrame::kQZX241XLoudnessEditor;
             ++editor)
            if (w == main->GetMiniFrame(CMainFrame::EMiniFrame(editor)))
                return kEditorTopics[editor];
    }
    return {};
}

int CProgramHelp::CommandOf(const QAction* action) const
{
    if (!action || !m_App.m_pMainFrame)
        return 0;
    for (const HelpTopics::CCommandTopic& entry : HelpTopics::OfCommands())
        if (m_App.m_pMainFrame->GetCommandAction(entry.id) == action)
            return entry.id;
    return 0;
}

void CProgramHelp::EnterContextHelpMode()
{
    // Menus answer a click in this mode with their command's text: its prompt and a link
    // to its topic.
    if (CMainFrame* main = m_App.m_pMainFrame)
        for (const HelpTopics::CCommandTopic& entry : HelpTopics::OfCommands())
            if (QAction* action = main->GetCommandAction(entry.id))
            {
                const QString prompt =
                    action->statusTip().isEmpty() ? action->iconText() : action->statusTip();
                action->setWhatsThis(QString("%1<p><a href=\"%2\">More in Help</a></p>")
                                         .arg(prompt.toHtmlEscaped(), entry.topic));
            }
    QWhatsThis::enterWhatsThisMode();
}
