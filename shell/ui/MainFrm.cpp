#include "shell/ui/MainFrm.h"

#include "document/MorvaneDoc.h"
#include "graph/Assert.h"
#include "shell/CommandFailure.h"
#include "shell/CommandPrompts.h"
#include "shell/ui/MDIChildFrame.h"
#include "shell/ui/MorvaneApp.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace
{
// Menu texts, button labels and prompts of every command the main window shows.
constexpr CCommandText kCommandTexts[] = {
    {57601, "&Open Raw Response File ...", "Open", "Open Raw Response File"},
    {32802, "Save Raw Response File         &Y", nullptr, nullptr},
    {32803, "Save As Raw Response File    &Z  ...", nullptr, nullptr},
    {32814, "Save As &Modified Response ...", nullptr, nullptr},
    {32774, "Op&en Desired Response File ...", nullptr, nullptr},
    {32800, "Save Desired Response Fi&le", nullptr, nullptr},
    {32805, "Save As  Des&ired Response ...", nullptr, nullptr},
    {32830, "Open Master Point File             &Q ...", nullptr, nullptr},
    {32833, "Save Master Point File              &B", nullptr, nullptr},
    {32832, "Save As Master Point File         &D ...", nullptr, nullptr},
    {32827, "Open Filter Parameter File        &H ...", nullptr, nullptr},
    {32834, "Save Fil&ter Parameters", nullptr, nullptr},
    {32835, "Save As Filter Parameters         &X ...", nullptr, nullptr},
    {32815, "Open Filter Coefficient File for &Additive Restart ...", nullptr, nullptr},
    {32775, "Save Filter &Coefficients", nullptr, nullptr},
    {32777, "Save As &Filter Coefficients ...", nullptr, nullptr},
    {32794, "&Save Output Files", "Save", "Save Output Files"},
    {57606, "P&rint Setup...", nullptr, nullptr},
    {57607, "&Print...\tCtrl+P", "Print", "Print"},
    {57609, "Print Pre&view", nullptr, nullptr},
    {57665, "E&xit", nullptr, "Quit the application"},
    {32804, "Create &New Desired Response Curve", "New Curve", "Create New Desired Response Curve"},
    {32798, "&Replace Section of Curve Graphically", "Replace",
     "Replace Section of Curve Graphically"},
    {32858, "&Log Sample Raw Curve", "Log Sample", "Log Sample Raw Curve"},
    {32859, "&Smooth Raw Curve", "Smooth", "Smooth Raw Curve"},
    {32821, "Edit Filter &Parameters...", nullptr, nullptr},
    {32822, "Edit &Master Points...", nullptr, nullptr},
    {32849, "&Copy Master Points From Curves to Edit Grid", "Pts to Grid",
     "Copy Master Points From Curves to Edit Grid"},
    {32852, "&Generate Curves from Master Points in Edit Grid", "Grid to Curves",
     "Generate Curves from Master Points in Edit Gri"},
    {32857, "Copy Generated Filters to &Edit Grid", nullptr, nullptr},
    {32823, "&Delete Filters Graphically", "Delete", "Delete Filters Graphicaly"},
    {32847, "M&ark Filters as Modifiable Graphically", "Modifiable",
     "Mark Filters as Modifiable Graphically"},
    {32848, "Mark Filters As &Fixed Graphically", "Fixed", "Mark Filters As Fixed Graphically"},
    {32877, "Mar&k Filters As Active Graphically", "Active", "Mark Filters As Active Graphically"},
    {32878, "Mark Filters As Inactive Grap&hically", "Inactive",
     "Mark Filters As Inactive Graphically"},
    {32781, "View Loud Speaker Response Window", nullptr, nullptr},
    {32782, "View Filter Definition Window", nullptr, nullptr},
    {32860, "&Speaker Response and Filters", "Original", "View Original Positions"},
    {32824, "&Phase Windows", "Phases", "View Phase Windows"},
    {32909, "&4 db and Phase Windows", "4 Windows", "View db and Phase Windows"},
    {32921, "&Reponse and Phase", "Resp+Phase", "View Response and Phase"},
    {32922, "&Filters and Filter Phases", "Filt+Phase", "View Filter and Filter Phase"},
    {32836, "&Draw Filters", "Draw", "Draw Filters"},
    {32799, "Se&ttings ...", nullptr, nullptr},
    {32854, "&Modified Response", nullptr, nullptr},
    {32856, "Modified &Response and Pause", nullptr, nullptr},
    {32787, "&Stop Calculation", "Stop", "Stop Calculation"},
    {32816, "Additive Restart Using Filter Coefficient File", nullptr, nullptr},
    {32895, "QZX2201", nullptr, nullptr},
    {32897, "QZX2202", nullptr, nullptr},
    {32898, "&DSP", nullptr, nullptr},
    {32926, "QZX2410", nullptr, nullptr},
    {32932, "QZX6060", nullptr, nullptr},
    {32899, "&Design EQ Filters", nullptr, nullptr},
    {32887, "&Loudness Filters For QZX2202", nullptr, nullptr},
    {32928, "Loudness &Filters For QZX2410", nullptr, nullptr},
    {32938, "Loudness Filters For QZX6060", nullptr, nullptr},
    {32914, "Dynamic Range &Compression For QZX2202", nullptr, nullptr},
    {32927, "Dynamic &Range Compression For QZX2410", nullptr, nullptr},
    {32937, "Dynamic &Range Compression For QZX6060", nullptr, nullptr},
    {32866, "&Run QZX2xxx Program", "QZX2xxx", "Run QZX2xxx Program"},
    {32863, "Ope&n Device Program Data File ...", nullptr, nullptr},
    {32864, "Save Device Program Data File  &J", nullptr, nullptr},
    {32865, "Save As Device Program Data   &K ...", nullptr, nullptr},
    {32867, "Ed&it Device Data ...", nullptr, nullptr},
    {32869, "Genera&te Device Data ...", nullptr, nullptr},
    {32880, "Add Device Data to Filter Parameters Grid", nullptr, nullptr},
    {32881, "Replace Filter Parameters Grid Data with QZX2xxx Data", nullptr, nullptr},
    {32882, "Replace QZX2xxx Data with Data from the Filter Parameters Grid", nullptr, nullptr},
    {32883, "Additive Restart Using QZX2xxx File", nullptr, nullptr},
    {32910, "&Generate .h File", nullptr, nullptr},
    {32911, "&Edit .h File", nullptr, nullptr},
    {32912, "&Save As .h File", nullptr, nullptr},
    {32818, "&Contents", nullptr, nullptr},
    {32819, "Calculating &Filters", nullptr, nullptr},
    {32820, "Additive &Restart", nullptr, nullptr},
    {57667, "&Help Topics", nullptr, nullptr},
    {57670, "Help", nullptr, nullptr},
    {57669, "Context Help", nullptr, nullptr},
    {57671, "Using Help", nullptr, nullptr},
    {57664, "&About Morvane...", "About", "About"},
};

// The main toolbar's buttons in order (0: a separator).
constexpr int kToolBar[] = {
    57601, 0,     32794, 0,     57607, 0,     32860, 32824, 32909, 32921, 0, 32922, 0, 32858,
    0,     32859, 0,     32804, 0,     32798, 0,     32849, 0,     32852, 0, 32836, 0, 32823,
    0,     32847, 0,     32848, 0,     32877, 0,     32878, 0,     32787, 0, 32866, 0, 57664};
} // namespace

CMainFrame::CMainFrame(CMorvaneApp& app) : m_App(app), m_pMDIClient(new QMdiArea(this))
{
    setWindowTitle("Morvane");
    setCentralWidget(m_pMDIClient);
    m_pMDIClient->viewport()->installEventFilter(this);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    // The menus follow the kind of the current window.
    connect(m_pMDIClient, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* window)
            {
                if (auto* frame = dynamic_cast<CMDIChildFrame*>(window))
                    ShowMenuSet(frame->GetMenuSet());
            });
    // Toolbar buttons follow the command states while the program is idle.
    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, this, [this] { UpdateCommandUI(); });
    idle->start(250);
}

QAction* CMainFrame::Action(int id, const char* text, const char* prompt)
{
    if (QAction* existing = GetCommandAction(id))
        return existing;
    auto* action = new QAction(QString::fromUtf8(text), this);
    // The status-bar prompt and the tooltip of the command's row; a command without a
    // row shows the prompt it was given in both places.
    if (const CCommandPrompt* row = FindCommandPrompt(id))
    {
        action->setStatusTip(QString::fromUtf8(row->prompt));
        action->setToolTip(QString::fromUtf8(row->tooltip));
    }
    else if (prompt)
    {
        action->setStatusTip(QString::fromUtf8(prompt));
        action->setToolTip(QString::fromUtf8(prompt));
    }
    connect(action, &QAction::triggered, this,
            [this, id]
            {
                m_App.ExecuteCommand(id);
                UpdateCommandUI();
            });
    m_Actions[id] = action;
    return action;
}

QAction* CMainFrame::GetCommandAction(int id) const
{
    const auto found = m_Actions.find(id);
    return found == m_Actions.end() ? nullptr : found->second;
}

const CCommandText* CMainFrame::FindText(int id) const
{
    const auto extra = m_ExtraTexts.find(id);
    if (extra != m_ExtraTexts.end())
        return extra->second;
    for (const CCommandText& entry : kCommandTexts)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

std::string CMainFrame::CommandName(int id) const
{
    const CCommandText* text = FindText(id);
    if (!text)
        return {};
    const std::string name = CommandNameOfMenuText(text->text);
    if (const QAction* action = GetCommandAction(id))
        for (const QObject* object : action->associatedObjects())
            if (const auto* menu = qobject_cast<const QMenu*>(object);
                menu && !menu->title().isEmpty())
                return CommandNameOfMenuText(menu->title().toStdString()) + " > " + name;
    return name;
}

void CMainFrame::AddCommandTexts(std::span<const CCommandText> texts)
{
    for (const CCommandText& text : texts)
        m_ExtraTexts[text.id] = &text;
}

QAction* CMainFrame::CommandAction(int id)
{
    if (QAction* existing = GetCommandAction(id))
        return existing;
    const CCommandText* text = FindText(id);
    MORVANE_CHECK(text);
    if (!text)
        return Action(id, "?");
    QAction* action = Action(id, text->text, text->prompt);
    if (text->button)
        action->setIconText(QString::fromUtf8(text->button));
    return action;
}

void CMainFrame::AddMenuItems(QMenu* menu, const std::vector<int>& ids)
{
    for (int id : ids)
    {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(CommandAction(id));
    }
    connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
}

void CMainFrame::AddMenuSet(int nSet, const std::vector<CMenuLayout>& menus)
{
    std::vector<QMenu*>& set = m_MenuSets[nSet];
    qDeleteAll(set);
    set.clear();
    for (const CMenuLayout& layout : menus)
    {
        auto* menu = new QMenu(QString::fromStdString(layout.title), this);
        AddMenuItems(menu, layout.ids);
        set.push_back(menu);
    }
    if (nSet == m_nShownMenuSet)
        ShowMenuSet(nSet);
}

void CMainFrame::ShowMenuSet(int nSet)
{
    const auto found = m_MenuSets.find(nSet);
    if (found == m_MenuSets.end())
        return;
    m_nShownMenuSet = nSet;
    menuBar()->clear();
    for (QMenu* menu : found->second)
        menuBar()->addMenu(menu);
}

QMenu* CMainFrame::FindMenu(const std::string& title) const
{
    const auto found = m_MenuSets.find(m_nShownMenuSet);
    if (found != m_MenuSets.end())
        for (QMenu* menu : found->second)
            if (menu->title().toStdString() == title)
                return menu;
    return nullptr;
}

void CMainFrame::CreateMenus()
{
    AddMenuSet(
        kSpeakerMenus,
        {
            {"&File", {57601, 32802, 32803, 32814, 0,     32774, 32800, 32805, 0,     32830,
                       32833, 32832, 0,     32827, 32834, 32835, 0,     32775, 32777, 32794,
                       0,     32815, 0,     32863, 32864, 32865, 0,     57606, 57607, 57609}},
            {"&Edit",
             {32804, 32798, 0,     32858, 32859, 0, 32821, 32822, 32849, 32852, 32857, 0,
              32823, 32847, 32848, 32877, 32878, 0, 32867, 32869, 0,     32880, 32881, 32882}},
            {"&View", {32781, 32782, 0, 32860, 32824, 32909, 32921, 32922, 0, 32836, 32799}},
            {"&Calculate", {32854, 32856, 32787, 0, 32816, 32883}},
            {"De&vice", {32895, 32897, 32898, 32926, 32932}},
            {"D&SP", {32910, 32911, 32912}},
            {"&Run", {32866}},
            {"&Design", {32899, 0, 32887, 32928, 32938, 0, 32914, 32927, 32937}},
            {"&Help", {57667, 0, 32818, 32819, 32820, 0, 57664}},
        });
    m_pFileMenu = FindMenu("&File");
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(Action(57665, "E&xit", "Quit the application"));
    GetCommandAction(57601)->setShortcut(QKeySequence::Open);
    GetCommandAction(57607)->setShortcut(QKeySequence::Print);
    // File New has no menu item, only its accelerator.
    QAction* fileNew =
        Action(CMorvaneApp::ID_FILE_NEW, "New", "Create a New Desired Response File");
    fileNew->setShortcut(QKeySequence::New);
    addAction(fileNew);
    UpdateRecentFileMenu();
}

void CMainFrame::CreateToolBar()
{
    m_wndToolBar = addToolBar("Standard");
    m_wndToolBar->setObjectName("MainToolBar");
    for (int id : kToolBar)
    {
        if (id == 0)
        {
            m_wndToolBar->addSeparator();
            continue;
        }
        // Menus show the text, the toolbar the short label.
        m_wndToolBar->addAction(CommandAction(id));
    }
    QMenu* view = FindMenu("&View");
    view->addSeparator();
    QAction* toolBarItem = m_wndToolBar->toggleViewAction();
    toolBarItem->setText("T&oolbar");
    toolBarItem->setStatusTip("Show or hide the toolbar");
    toolBarItem->setToolTip("Toolbar");
    view->addAction(toolBarItem);
    QAction* statusBarItem = view->addAction("Status &Bar");
    statusBarItem->setStatusTip("Show or hide the status bar");
    statusBarItem->setToolTip("Status Bar");
    statusBarItem->setCheckable(true);
    statusBarItem->setChecked(true);
    connect(statusBarItem, &QAction::toggled, this,
            [this](bool bOn) { statusBar()->setVisible(bOn); });
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    m_pPromptPane = new QLabel(bar);
    m_pStatusPane = new QLabel(bar);
    m_pPromptPane->setFixedWidth(30 * bar->fontMetrics().height());
    bar->addWidget(m_pPromptPane);
    bar->addWidget(m_pStatusPane, 1);
    // One line of text: the bar keeps its height whatever a text holds.
    for (QLabel* pane : {m_pPromptPane, m_pStatusPane})
        pane->setFixedHeight(pane->fontMetrics().height());
    bar->setFixedHeight(bar->sizeHint().height());
}

CRect CMainFrame::GetMDIClientRect() const
{
    const QSize size = m_pMDIClient->viewport()->size();
    return {0, 0, size.width(), size.height()};
}

bool CMainFrame::SetStatusText(const std::string& text)
{
    // The pane shows one line: the calculation's texts end in a line break.
    QString line = QString::fromStdString(text);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    line.replace("\r\n", " ").replace('\n', ' ').replace('\r', ' ');
    m_pStatusPane->setText(line);
    m_pStatusPane->repaint();
    return true;
}

std::string CMainFrame::GetStatusText() const
{
    return m_pStatusPane->text().toStdString();
}

std::string CMainFrame::GetPromptText() const
{
    return m_pPromptPane->text().toStdString();
}

bool CMainFrame::GetStatusBarSize(CSize& size) const
{
    if (!statusBar()->isVisible())
    {
        size = {0, 0};
        return false;
    }
    size = {statusBar()->width(), statusBar()->height()};
    return true;
}

bool CMainFrame::IsToolBarVisible() const
{
    return !m_wndToolBar->isHidden();
}

void CMainFrame::ShowToolBar(bool bShow)
{
    m_wndToolBar->setVisible(bShow);
}

void CMainFrame::UpdateCommandUI()
{
    for (const auto& [id, action] : m_Actions)
    {
        if (id == CMorvaneApp::ID_APP_EXIT)
            continue;
        const CCommandState state = m_App.GetCommandState(id);
        action->setEnabled(state.bEnabled);
        action->setCheckable(state.bChecked || action->isCheckable());
        action->setChecked(state.bChecked);
    }
}

void CMainFrame::UpdateRecentFileMenu()
{
    for (QAction* action : m_RecentActions)
        delete action;
    m_RecentActions.clear();
    const std::vector<std::string>& files = m_App.RecentFiles();
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        const QString name = QFileInfo(QString::fromStdString(files[i])).fileName();
        auto* action = new QAction(QString("&%1 %2").arg(i + 1).arg(name), this);
        action->setStatusTip(QString::fromStdString(files[i]));
        action->setToolTip(QString::fromStdString(files[i]));
        const int id = CMorvaneApp::ID_FILE_MRU_FIRST + int(i);
        connect(action, &QAction::triggered, this, [this, id] { m_App.ExecuteCommand(id); });
        m_pFileMenu->insertAction(m_pRecentSeparator, action);
        m_RecentActions.push_back(action);
    }
}

void CMainFrame::PostCommand(int id)
{
    QTimer::singleShot(0, this, [this, id] { m_App.ExecuteCommand(id); });
}

void CMainFrame::SetSheetFactory(EMiniFrame editor, CSheetFactory factory)
{
    m_SheetFactories[editor] = std::move(factory);
}

CMiniFrame* CMainFrame::GetMiniFrame(EMiniFrame editor) const
{
    switch (editor)
    {
    case kFilterEditor:
        return m_pPropFrame;
    case kMasterPointEditor:
        return m_pMasterPtPropFrame;
    case kQZX2202LoudnessEditor:
        return m_pLoudnessPropFrame[0];
    case kQZX241XLoudnessEditor:
        break;
    }
    return m_pLoudnessPropFrame[1];
}

CMiniFrame* CMainFrame::CreateMiniFrame(EMiniFrame editor, QTabWidget* sheet)
{
    switch (editor)
    {
    case kFilterEditor:
        return m_pPropFrame = new CUserCreatedFiltersFrame(this, sheet);
    case kMasterPointEditor:
        return m_pMasterPtPropFrame = new CEditMasterPointsFrame(this, sheet);
    case kQZX2202LoudnessEditor:
        return m_pLoudnessPropFrame[0] = new CEditLoudnessFiltersFrame(this, sheet);
    case kQZX241XLoudnessEditor:
        break;
    }
    return m_pLoudnessPropFrame[1] = new CEditLoudnessFiltersFrame(this, sheet);
}

CMiniFrame* CMainFrame::OpenMiniFrame(EMiniFrame editor, bool bCreateHidden)
{
    CMiniFrame* frame = GetMiniFrame(editor);
    if (!frame)
    {
        const auto factory = m_SheetFactories.find(editor);
        QTabWidget* sheet = factory != m_SheetFactories.end() ? factory->second() : nullptr;
        if (!sheet)
            return nullptr;
        frame = CreateMiniFrame(editor, sheet);
        frame->CenterOn(*this);
        frame->ActivateEveryPage();
        if (!bCreateHidden)
            frame->show();
        return frame;
    }
    if (frame->isHidden() && !bCreateHidden)
        frame->ShowAgain();
    return frame;
}

CEditLoudnessFiltersFrame* CMainFrame::GetLoudnessFrame() const
{
    const CDeviceSelection& devices = m_App.m_DeviceSelection;
    if (devices.m_QZX2201Mode.IsOn() || devices.m_QZX2202Mode.IsOn())
        return m_pLoudnessPropFrame[0];
    if (devices.m_QZX2410Mode.IsOn() || devices.m_QZX6060Mode.IsOn())
        return m_pLoudnessPropFrame[1];
    MORVANE_CHECK_FAILED();
    return nullptr;
}

void CMainFrame::OnSpeakerResponseAndPhase()
{
    m_App.ShowFrame(ESpeakerFrame::Filter, false);
    m_App.ShowFrame(ESpeakerFrame::PhaseFilter, false);
    m_App.ShowFrame(ESpeakerFrame::Response, true);
    m_App.ShowFrame(ESpeakerFrame::Phase, true);
    m_pMDIClient->tileSubWindows();
}

void CMainFrame::OnHideLoudnessFrame()
{
    if (m_pLoudnessPropFrame[0] && m_pLoudnessPropFrame[0]->isVisible())
        m_pLoudnessPropFrame[0]->hide();
}

bool CMainFrame::event(QEvent* event)
{
    // Menu and toolbar prompts go to pane 0; pane 1 keeps the program's status text.
    if (event->type() == QEvent::StatusTip)
    {
        m_pPromptPane->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // The speaker windows follow the client area's size (at start-up the window manager
    // gives the main window its final size only after the windows were placed).
    if (watched == m_pMDIClient->viewport() && event->type() == QEvent::Resize)
        m_App.OnMDIClientResized();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A running calculation is ended first; the window is closed again once it has
    // returned. Then the document may keep it open for its unsaved files.
    CMorvaneDoc* pDoc = m_App.m_pMorvaneDoc;
    if (pDoc && pDoc->IsCalculationCommandActive())
    {
        m_App.RequestQuitDuringCalculation();
        event->ignore();
        return;
    }
    if (pDoc && !pDoc->SaveModified())
    {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
