// The program's main window: the MDI client area of the speaker and design windows, the
// menus, the main toolbar and a two-pane status bar (pane 0 the menu and toolbar
// prompts, pane 1 the program's status texts). Menu items and toolbar buttons carry
// command ids and run through the application's commands; their enabled and checked
// states are refreshed before a menu opens and while the program is idle.
#pragma once

#include "framework/core/GdiTypes.h"
#include "shell/ui/EditLoudnessFiltersFrame.h"
#include "shell/ui/EditMasterPointsFrame.h"
#include "shell/ui/MenuLayout.h"
#include "shell/ui/UserCreatedFiltersFrame.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

class CMorvaneApp;
class QTabWidget;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow
{
public:
    // The menus of the speaker windows, shown while no design window is current.
    static constexpr int kSpeakerMenus = 0;

    explicit CMainFrame(CMorvaneApp& app);

    QMdiArea* GetMDIClient() const { return m_pMDIClient; }
    // The MDI client area's rectangle, (0, 0, width, height).
    CRect GetMDIClientRect() const;

    // Status pane 1, on one line (line breaks in the text are not shown); the status bar
    // keeps its height of one line of text.
    bool SetStatusText(const std::string& text);
    std::string GetStatusText() const;
    std::string GetPromptText() const;
    // False, size 0 by 0, while the status bar is hidden.
    bool GetStatusBarSize(CSize& size) const;
    // The main toolbar is shown (not hidden by the user or by a design window).
    bool IsToolBarVisible() const;
    void ShowToolBar(bool bShow);

    // The action of a command (menus and toolbars share one); null for none.
    QAction* GetCommandAction(int id) const;
    // The action of a command, made from its texts when it has none yet.
    QAction* CommandAction(int id);
    // A command's name as the user finds it, "Calculate > Modified Response": its menu's
    // title and its menu text; empty for a command the window has no text of.
    std::string CommandName(int id) const;
    // Texts of commands the main window's own table does not hold; they must live as long
    // as the program (a static table).
    void AddCommandTexts(std::span<const CCommandText> texts);
    // A set of menus that a kind of window shows while it is the current window.
    void AddMenuSet(int nSet, const std::vector<CMenuLayout>& menus);
    void ShowMenuSet(int nSet);
    int GetShownMenuSet() const { return m_nShownMenuSet; }
    // The menu of the shown set with that title ("&File"), or null.
    QMenu* FindMenu(const std::string& title) const;
    // Enables and checks every action from the application's command states.
    void UpdateCommandUI();
    // Rebuilds the recent-file items of the File menu.
    void UpdateRecentFileMenu();
    // Runs a command later, from the event loop (a reload a filter list asks for).
    void PostCommand(int id);

    // The modeless editors in mini frames. A sheet factory builds an editor's sheet (a
    // tab widget of its pages; null when it cannot be built); an editor without one
    // has its command disabled.
    enum EMiniFrame
    {
        kFilterEditor,          // "Edit Filters" (32821)
        kMasterPointEditor,     // "Edit Master Points" (32822)
        kQZX2202LoudnessEditor, // "Edit Loudness Filters" (32900)
        kQZX241XLoudnessEditor, // "Edit Loudness Filters" (32929)
    };
    using CSheetFactory = std::function<QTabWidget*()>;
    void SetSheetFactory(EMiniFrame editor, CSheetFactory factory);
    bool HasSheetFactory(EMiniFrame editor) const { return m_SheetFactories.count(editor) != 0; }
    // Creates the editor's own frame on first use (every page made current once, the first
    // page last), shows a hidden one again (CMiniFrame::ShowAgain), leaves a shown one as it
    // is. A loudness editor is created, or left, hidden when bCreateHidden.
    CMiniFrame* OpenMiniFrame(EMiniFrame editor, bool bCreateHidden = false);
    void OnEditFilterParameters() { OpenMiniFrame(kFilterEditor); }
    void OnEditMasterPoints() { OpenMiniFrame(kMasterPointEditor); }
    CMiniFrame* GetMiniFrame(EMiniFrame editor) const;
    // The loudness editor of the selected device's family; null, after a failed check,
    // with the DSP target selected.
    CEditLoudnessFiltersFrame* GetLoudnessFrame() const;
    // 32868: the response and phase windows shown, the filter windows hidden, tiled.
    void OnSpeakerResponseAndPhase();
    // 32904: hides the QZX2202 loudness editor while it is shown.
    void OnHideLoudnessFrame();

    CEditMasterPointsFrame* m_pMasterPtPropFrame = nullptr;
    CUserCreatedFiltersFrame* m_pPropFrame = nullptr;
    CEditLoudnessFiltersFrame* m_pLoudnessPropFrame[2] = {nullptr, nullptr};

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QAction* Action(int id, const char* text, const char* prompt = nullptr);
    const CCommandText* FindText(int id) const;
    void AddMenuItems(QMenu* menu, const std::vector<int>& ids);
    // Makes the editor's frame around its sheet and keeps it in the editor's member.
    CMiniFrame* CreateMiniFrame(EMiniFrame editor, QTabWidget* sheet);

    CMorvaneApp& m_App;
    QMdiArea* m_pMDIClient;
    QToolBar* m_wndToolBar = nullptr;
    QLabel* m_pPromptPane = nullptr;
    QLabel* m_pStatusPane = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    std::map<int, QAction*> m_Actions;
    std::vector<QAction*> m_RecentActions;
    std::map<EMiniFrame, CSheetFactory> m_SheetFactories;
    std::map<int, const CCommandText*> m_ExtraTexts;
    std::map<int, std::vector<QMenu*>> m_MenuSets;
    int m_nShownMenuSet = kSpeakerMenus;
};
