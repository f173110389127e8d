// The application object: starts the program (InitInstance), owns what lives as long as
// the process (settings, device selection, window arrangement modes, colour table, the
// main frame) and is where the speaker document, the frames and the views find each
// other. Frames and the document publish themselves here and withdraw when they go.
//
// It is the speaker document's IMorvaneAppServices and the device code's
// IDeviceSelection, and it installs the Qt message box, file dialogs, working folder and
// message pump as the framework's services for the whole run.
#pragma once

#include "device/DeviceDataCommands.h"
#include "device/DeviceServices.h"
#include "device/GenericDspHeader.h"
#include "device/QZX2410_Manager.h"
#include "device/QtProcessLauncher.h"
#include "document/DocumentServices.h"
#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "drc/DRC_Manager.h"
#include "drc/QZX2410_DRC_Manager.h"
#include "framework/core/Services.h"
#include "graph/Mode.h"
#include "graph/ModeArray.h"
#include "shell/DeviceSelection.h"
#include "shell/MDIChildInfo.h"
#include "shell/NamedColorTable.h"
#include "shell/RecentFileList.h"
#include "shell/ui/DesignWindow.h"
#include "shell/ui/DeviceDialogs.h"
#include "shell/ui/MenuLayout.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CDRC_MDIChild;
class CEditMasterPoints;
class CFilterMDIChild;
class CFilterView;
class CLoudnessDesigns;
class CLoudnessDoc;
class CLoudnessGainOffset;
class CLoudnessInfo;
class CLoudnessManager;
class CLoudnessMDIChild;
class CLoudnessView;
class CMainFrame;
class CMDIChildFrame;
class CPrinterSettings;
class CProgramHelp;
class CPhaseFilterMDIChild;
class CPhaseMDIChild;
class CQZX2410_DRC_MDIChild;
class CQZX2410LoudnessMDIChild;
class CQtFileDialogs;
class CQtMessageBox;
class CQtMessagePump;
class CQtSettingsStore;
class CResponseMDIChild;
class CUserCreatedFilters;
class QWidget;
enum class ELoudnessFamily;

// Builds the view that a speaker frame shows for the document (the frame owns it).
using CViewFactory = std::function<QWidget*(CMorvaneDoc& doc)>;

// What a design window is made of. fill gives a new frame its view, the command targets
// of its view and document and keeps the document alive (CMDIChildFrame); false when the
// window cannot be made, and the Design command then stops. afterOpen runs at the end of
// every Design command that showed the window, and whenever it comes back in front;
// covered runs when another design window comes in front of it. The texts of the window's
// own commands join the main window's. While a window has no fill, its Design commands are
// disabled.
struct CDesignWindowSetup
{
    std::function<bool(CMDIChildFrame& frame)> fill;
    std::function<void()> afterOpen;
    std::function<void()> covered;
    std::vector<CMenuLayout> menus;      // shown while the window is current
    std::vector<int> toolBar;            // the frame's own buttons, 0 a separator
    std::span<const CCommandText> texts; // of its own commands: a static table
};

class CMorvaneApp : public IMorvaneAppServices, public IWorkingDirectory
{
public:
    // Command ids of the application and the framework commands it handles.
    enum ECommand : int
    {
        ID_FILE_NEW = 57600,
        ID_FILE_OPEN = 57601,
        ID_FILE_MRU_FIRST = 57616, // the recent files, 57616 to 57619
        ID_APP_EXIT = 57665,
        ID_FILE_PRINT_SETUP = 57606,
        ID_FILE_PRINT = 57607,
        ID_FILE_PRINT_PREVIEW = 57609,
        ID_APP_ABOUT = 57664,
        ID_VIEW_SPEAKER_RESPONSE_WINDOW = 32781,
        ID_VIEW_FILTER_DEFINITION_WINDOW = 32782,
        ID_VIEW_SPEAKER_RESPONSE_AND_FILTERS = 32860,
        ID_VIEW_PHASE_WINDOWS = 32824,
        ID_VIEW_FOUR_WINDOWS = 32909,
        ID_VIEW_RESPONSE_AND_PHASE = 32921,
        ID_VIEW_FILTERS_AND_FILTER_PHASES = 32922,
        ID_DEVICE_QZX2201 = 32895,
        ID_DEVICE_QZX2202 = 32897,
        ID_DEVICE_DSP = 32898,
        ID_DEVICE_QZX2410 = 32926,
        ID_DEVICE_QZX6060 = 32932,
        ID_DESIGN_EQ_FILTERS = 32899,
        ID_DESIGN_QZX2202_LOUDNESS = 32887,
        ID_DESIGN_QZX2410_LOUDNESS = 32928,
        ID_DESIGN_QZX6060_LOUDNESS = 32938,
        ID_DESIGN_QZX2202_COMPRESSION = 32914,
        ID_DESIGN_QZX2410_COMPRESSION = 32927,
        ID_DESIGN_QZX6060_COMPRESSION = 32937,
        ID_EDIT_FILTER_PARAMETERS = 32821,
        ID_EDIT_MASTER_POINTS = 32822,
        ID_SPEAKER_RESPONSE_AND_PHASE = 32868,
        ID_HIDE_LOUDNESS_FRAME = 32904,
        ID_HELP_CONTENTS = 32818,
        ID_HELP_CALCULATING_FILTERS = 32819,
        ID_HELP_ADDITIVE_RESTART = 32820,
        ID_HELP_FINDER = 57667,  // Help Topics
        ID_CONTEXT_HELP = 57669, // Shift+F1
        ID_HELP = 57670,         // F1
        ID_DEFAULT_HELP = 57671,
        ID_EDIT_QZX2202_LOUDNESS_FILTERS = 32900,
        ID_EDIT_QZX241X_LOUDNESS_FILTERS = 32929,
    };
    // A command as menus and toolbar buttons see it.
    struct CCommand
    {
        std::function<void()> run;
        std::function<CCommandState()> state;
    };

    // settingsFile: an INI file to keep the settings in instead of the user's profile
    // (empty: the profile of "Vandrel Inc.").
    explicit CMorvaneApp(std::string settingsFile = {});
    ~CMorvaneApp() override;
    CMorvaneApp(const CMorvaneApp&) = delete;
    CMorvaneApp& operator=(const CMorvaneApp&) = delete;

    // Start-up: settings, modes, the main frame and File New, then the file named in
    // args (if any) opened into the document. False ends the program.
    bool InitInstance(const std::vector<std::string>& args, bool bShowMaximized = true);
    // Closes the windows and the document and writes every setting back; returns 0.
    int ExitInstance();

    // Commands: menus, toolbar buttons and tests go through these. A command that ends by
    // memory running out or another exception is stopped with a message naming it, and
    // the program goes on; ExecuteCommand is then false, as for a disabled command.
    bool ExecuteCommand(int id);
    CCommandState GetCommandState(int id) const;
    bool HasCommand(int id) const { return m_Commands.count(id) != 0; }

    // File New: the speaker document and its four frames, once.
    virtual void OnFileNew();
    void OnFileOpen();
    // Opens a raw response file into the existing speaker document; null without one.
    CMorvaneDoc* OpenDocumentFile(const std::string& path);
    void OnViewSpeakerResponseWindow();
    void OnViewFilterDefinitionWindow();
    // Window arrangements: shows and lays out the frames of the arrangement, hides the
    // others, and turns its mode on.
    void ApplyArrangement(int id);
    // The main window's client area changed size: the frames of the arrangement in force
    // take their places in it again (none while a frame is maximized).
    void OnMDIClientResized();
    // The selected device (the "De&vice" menu), its modes and register data.
    EDeviceId GetDeviceId() const { return m_DeviceSelection.GetDeviceId(); }
    int GetRegisterCount() { return m_DeviceSelection.GetRegisterCount(); }
    const std::vector<std::string>& RecentFiles() const { return m_RecentFiles.Files(); }
    // Closing the main window while a calculation runs: the calculation ends at its next
    // cancellation point and the program quits after it.
    void RequestQuitDuringCalculation();
    const std::string& GetDocumentPathName() const { return m_strPathName; }

    // Where a speaker frame's view comes from (the response frame has the speaker
    // response view from the start); without a factory the frame shows an empty area.
    // Set before File New.
    void SetViewFactory(ESpeakerFrame frame, CViewFactory factory);
    // The filter and filter phase frames' views.
    void WireFilterViews();
    void WireFilterEdits(CFilterView& view, CMorvaneDoc& doc);
    // The two compression design windows (MorvaneAppCompression.cpp).
    void WireCompressionWindows();
    CMDIChildFrame* GetFrame(ESpeakerFrame frame) const;
    // The resize-timer-running flag of the response, filter or phase frame (the filter
    // phase frame keeps its flag in m_PhaseFilterInfo).
    int& TimerFlag(ESpeakerFrame frame);
    bool IsResizeTimerRunning(ESpeakerFrame frame);
    void SetMaximizedFlag(ESpeakerFrame frame, bool bMaximized);

    // IMorvaneAppServices
    void SetMorvaneDoc(CMorvaneDoc* pDoc) override { m_pMorvaneDoc = pDoc; }
    CMorvaneSettings& Settings() override { return m_Settings; }
    CMode& PhaseColumnMode() override { return m_PhaseColumnMode; }
    IFamilyDataFileNames* FamilyDataManager() override { return &m_QZX2410_Manager; }
    void SetStatusText(const std::string& text) override;
    void SetStatusText(unsigned nStringId);
    void ShowResponseWindow() override { OnViewSpeakerResponseWindow(); }
    void ShowFilterWindow() override { OnViewFilterDefinitionWindow(); }
    void ActivateResponseWindow() override;
    void ShowFrame(ESpeakerFrame frame, bool bShow) override;
    void SendFrameCommand(ESpeakerFrame frame, int nCommand) override;
    void PostMainFrameCommand(int nCommand) override;
    void SetDocumentPathName(const std::string& path) override;
    void AddToRecentFileList(const std::string& path) override;
    // The raw response file's path without its extension, as the companion files are
    // named; empty before a response was opened.
    std::string DesignBaseName() const;
    bool AskVerifyNewCurves() override;
    bool EditSettings(CSettingsSheetValues& values) override;
    void Beep() override;
    bool IsFrameVisible(ESpeakerFrame frame) const override;
    // Creates and shows the filter editor (the main frame's mini frame).
    void OpenFilterEditor() override;
    // The workflow's dialogs (MorvaneAppDialogs.cpp).
    bool AskContinueCalculation(long nFilterNumber) override;
    bool AskLogSamplePoints(long& nPoints) override;
    // The filter editor's grids (MorvaneAppFilterEditor.cpp).
    bool UpdateFiltersFromGrids() override;
    void EQGridToFilters() override;
    void EQFiltersToGrid() override;
    bool DeleteGridFilter(int kind, const std::string& label, bool bAsk) override;
    int TakeNextEQOutputOrder() override;
    // The design windows (MorvaneAppDesign.cpp). A Design command hides the main toolbar
    // and the speaker windows and shows its window maximized, made on first use; Design
    // EQ Filters closes every design window and brings the speaker windows back in the
    // arrangement in force, and the toolbar.
    void SetDesignWindow(EDesignWindow kind, CDesignWindowSetup setup);
    CMDIChildFrame* OpenDesignWindow(EDesignWindow kind);
    void OnDesignEQFilters();
    CMDIChildFrame* GetDesignFrame(EDesignWindow kind) const;
    // A design window closed by its close box: the design window used last of those left
    // comes in front; with none left, back to the speaker windows.
    void OnDesignFrameClosed();

    // The program's help (MorvaneAppHelp.cpp); null outside InitInstance..ExitInstance.
    CProgramHelp* GetHelp() const { return m_pHelp.get(); }
    // The loudness designs of both families (MorvaneAppLoudness.cpp): their managers, the
    // two design windows, "Edit Loudness Filters" (32900, 32929) and its windows.
    void WireLoudnessWindows();
    // The Edit Loudness Filters sheets, once the main frame exists.
    void WireLoudnessEditors();
    CLoudnessDesigns& Loudness() const { return *m_pLoudness; }
    // The family's "Edit Loudness Filters" window: made on first use, shown; on the family's
    // first opening in a run made hidden, with the create sheet instead.
    void OnEditLoudnessFilters(ELoudnessFamily family);
    // The family's modal create sheet; filled from a filter (on its kind's page) when pInfo
    // is set.
    void OpenCreateLoudnessSheet(ELoudnessFamily family, int nKind, const CLoudnessInfo* pInfo,
                                 const CLoudnessGainOffset* pGainOffset);
    // The family's design window's document and view; null while it is closed.
    CLoudnessDoc* GetLoudnessDoc(ELoudnessFamily family) const;
    CLoudnessView* GetLoudnessView(ELoudnessFamily family) const;
    // Those of the selected device's family; null, after a failed check, for the DSP target.
    CLoudnessManager* GetLoudnessManager() const;
    CLoudnessDoc* GetLoudnessDoc() const;
    CLoudnessView* GetLoudnessView() const;

    // The filter editor's sheet; null until the editor was first opened.
    CUserCreatedFilters* GetFilterEditor() const;
    void ReloadFilterGrids() override;
    // The master point editor (MorvaneAppMasterPoints.cpp); null until first opened.
    CEditMasterPoints* GetMasterPointEditor() const;
    bool OpenMasterPointEditor(bool bFirstPage) override;
    CMasterPointGrids* MasterPointGrids() override;
    void CommitMasterPointEdits() override;
    // Closing (MorvaneAppDialogs.cpp).
    bool AskQuestion(const std::string& question) override;
    int AskSaveFiles(CSaveFilesChoice& choice) override;
    IDeviceDataFiles* DeviceDataFiles() override { return m_pDeviceCommands.get(); }
    // The File Read Error box: file name, line number, error; the file was not read.
    void ShowFileReadError(const std::string& file, int nLine, const std::string& error) override;

    // IWorkingDirectory: the folder the file dialogs start in, saved at exit.
    std::string Get() const override { return m_Settings.m_strWorkingDirectory; }
    void Set(const std::string& folder) override { m_Settings.m_strWorkingDirectory = folder; }

    CMorvaneDoc* m_pMorvaneDoc = nullptr;
    CResponseMDIChild* m_pResponseMDI = nullptr;
    int m_bResponseTimerOn = 0;
    int m_bResponseMaximized = 0;
    CFilterMDIChild* m_pFilterMDI = nullptr;
    int m_bFilterTimerOn = 0;
    int m_bFilterMaximized = 0;
    CMode m_PhaseColumnMode;
    CPhaseMDIChild* m_pPhaseMDI = nullptr;
    int m_bPhaseTimerOn = 0;
    int m_bPhaseMaximized = 0;
    CPhaseFilterMDIChild* m_pPhaseFilterMDI = nullptr;
    CMDIChildInfo m_PhaseFilterInfo;
    CModeArray m_ViewLayoutModes;
    CMode m_SpeakerResponseAndFiltersMode;
    CMode m_PhaseWindowsMode;
    CMode m_FourWindowsMode;
    CMode m_ResponseAndPhaseMode;
    CMode m_FiltersAndFilterPhasesMode;
    CLoudnessMDIChild* m_pLoudnessMDI = nullptr;
    int m_bLoudnessTimerOn = 0;
    int m_bLoudnessMaximized = 0;
    CQZX2410LoudnessMDIChild* m_pQZX2410LoudnessMDI = nullptr;
    CMDIChildInfo m_QZX2410LoudnessInfo;
    CDRC_MDIChild* m_pDRC_MDI = nullptr;
    CMDIChildInfo m_DRC_Info;
    CQZX2410_DRC_MDIChild* m_pQZX2410_DRC_MDI = nullptr;
    CMDIChildInfo m_QZX2410_DRC_Info;
    // The compression settings of both families, kept for the whole run.
    CDRC_Manager m_DRC_Manager;
    CQZX2410_DRC_Manager m_QZX2410_DRC_Manager;
    CMainFrame* m_pMainFrame = nullptr;
    CNamedColorList m_ColorList;
    CMorvaneSettings m_Settings;
    CDeviceSelection m_DeviceSelection;

private:
    // The device export's dialogs and process start, before the managers that use them.
    CQtDeviceDataEditor m_DeviceDataEditor;
    CQtLabelDialog m_LabelDialog;
    CQtProcessLauncher m_ProcessLauncher;

public:
    CQZX2410_Manager m_QZX2410_Manager;
    GenericDspHeader m_GenericDspHeader;
    // The loudness managers of both families and their links (made by the constructor).
    std::unique_ptr<CLoudnessDesigns> m_pLoudness;

private:
    void RegisterCommands();
    // The filter editor's sheet factory and its pages' reload commands.
    void WireFilterEditor();
    // The master point editor's sheet factory and the master point and parameter file
    // commands.
    void WireMasterPointEditor();
    void RegisterDocumentCommands();
    void RegisterDesignCommands();
    void RegisterHelpCommands();
    // The menus of the design windows, once the main frame exists.
    void AddDesignMenus();
    // A loudness design window (MorvaneAppLoudness.cpp) and what closing it does.
    CDesignWindowSetup LoudnessWindow(ELoudnessFamily family);
    void OnLoudnessWindowClosed(ELoudnessFamily family);
    // The family's curves made again (the QZX2410/QZX6060 plot law changed).
    void RefreshLoudnessCurves(ELoudnessFamily family);
    std::optional<ELoudnessFamily> SelectedLoudnessFamily() const;
    // A design window in front: the speaker windows hidden, the frame maximized and
    // current with its menus and status text, then its afterOpen.
    void BringDesignWindowForward(EDesignWindow kind, CMDIChildFrame& frame);
    // Design EQ Filters after its windows are closed: the arrangement in force with a
    // speaker window current and the speaker windows' menus, the toolbar.
    void ReturnToSpeakerWindows();
    // The current window's handler of command id, with its state; null when none.
    ICommandTarget* FindCommandTarget(int id, CCommandState& state) const;
    // Runs command id's work; an exception leaving it is shown, named by the command, and
    // the windows are drawn again. False then.
    bool RunCommandReportingFailure(int id, const std::function<void()>& run);
    // The command's name as its menu item shows it.
    std::string CommandName(int id) const;
    void AddCommand(int id, std::function<void()> run, std::function<CCommandState()> state);
    // A document command: disabled while there is no document.
    void AddDocumentCommand(int id, void (CMorvaneDoc::*run)(),
                            CCommandState (CMorvaneDoc::*state)() const);
    CMode* LayoutMode(int id);
    template <class Frame> Frame* CreateFrame(Frame*& pFrame, bool bVisible);
    // A section of the profile (or of the INI file given at construction).
    std::unique_ptr<CQtSettingsStore> OpenProfileSection(const std::string& section) const;
    // Reads the settings and recent files; a profile that cannot be read leaves its
    // reason in m_strProfileError, shown once the main window is up.
    void ReadProfile();
    void WriteProfile();
    void InstallServices();
    void RemoveServices();
    // What the numerics print is shown in message boxes, once the main window and the
    // speaker windows exist; the handler before is put back at exit.
    void InstallPrintHandler();

    std::string m_strSettingsFile;
    std::string m_strProfileError;
    std::string m_strPathName;
    bool m_bInitialized = false;
    int m_nScratchTimerFlag = 0;
    std::unique_ptr<CMorvaneDoc> m_pDocument;
    // The document's device-data commands, made with the document.
    std::unique_ptr<CDeviceDataCommands> m_pDeviceCommands;
    std::map<ESpeakerFrame, CViewFactory> m_ViewFactories;
    std::array<CDesignWindowSetup, kDesignWindowCount> m_DesignWindows;
    bool m_bClosingDesignWindows = false;
    std::map<int, CCommand> m_Commands;
    CRecentFileList m_RecentFiles;
    std::unique_ptr<CQtMessageBox> m_pMessageBox;
    std::unique_ptr<CQtFileDialogs> m_pFileDialogs;
    std::unique_ptr<CQtMessagePump> m_pMessagePump;
    // The printer of every print and preview, landscape unless Print Setup changed it.
    std::unique_ptr<CPrinterSettings> m_pPrinterSettings;
    std::unique_ptr<CProgramHelp> m_pHelp;
    // The print handler in force before start-up installed the program's; null while the
    // program's is not installed.
    void (*m_pPreviousPrintHandler)(const char*) = nullptr;
};

// The program's one application object.
extern CMorvaneApp theApp;
