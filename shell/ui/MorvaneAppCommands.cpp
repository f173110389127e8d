// The application's command table: menus, toolbar buttons and tests run commands by id
// and ask their enabled and checked states here.
#include "shell/ui/MorvaneApp.h"

#include "framework/core/Services.h"
#include "framework/ui/PrinterSettings.h"
#include "shell/CommandFailure.h"
#include "shell/ShellStrings.h"
#include "shell/ui/MDIChildFrame.h"
#include "shell/ui/MainFrm.h"
#include "shell/views/FilterView.h"
#include "shell/views/MorvaneView.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QToolBar>

namespace
{
// Document commands that act on a view: they wait until the view exists.
enum EViewNeed
{
    kNoView,
    kResponseView,
    kFilterView,
};
} // namespace

void CMorvaneApp::AddCommand(int id, std::function<void()> run,
                             std::function<CCommandState()> state)
{
    m_Commands[id] = {std::move(run), std::move(state)};
}

ICommandTarget* CMorvaneApp::FindCommandTarget(int id, CCommandState& state) const
{
    QMdiSubWindow* current =
        m_pMainFrame ? m_pMainFrame->GetMDIClient()->currentSubWindow() : nullptr;
    const auto* frame = dynamic_cast<const CMDIChildFrame*>(current);
    if (!frame || frame->isHidden())
        return nullptr;
    for (ICommandTarget* target : frame->GetCommandTargets())
        if (const std::optional<CCommandState> handled = target->GetCommandState(id))
        {
            state = *handled;
            return target;
        }
    return nullptr;
}

bool CMorvaneApp::ExecuteCommand(int id)
{
    // The current window's view and document come before the application's table.
    CCommandState state;
    if (ICommandTarget* target = FindCommandTarget(id, state))
    {
        if (!state.bEnabled)
            return false;
        return RunCommandReportingFailure(id, [target, id] { target->OnCommand(id); });
    }
    const auto found = m_Commands.find(id);
    if (found == m_Commands.end() || !found->second.state().bEnabled)
        return false;
    return RunCommandReportingFailure(id, found->second.run);
}

bool CMorvaneApp::RunCommandReportingFailure(int id, const std::function<void()>& run)
{
    CFailure failure;
    if (RunCatchingFailure(run, failure))
        return true;
    // What the command had begun is ended by its own steps as the exception leaves them
    // (the calculation clears its running flag and says so in the status bar); here the
    // user is told, and the windows draw the document as it now is.
    Services::MessageBox().Show(FailureMessage(CommandSubject(CommandName(id)), failure));
    if (m_pMainFrame)
        for (QWidget* pWidget : m_pMainFrame->findChildren<QWidget*>())
            pWidget->update();
    return false;
}

std::string CMorvaneApp::CommandName(int id) const
{
    // A recent file opens as File Open opens one.
    if (id >= ID_FILE_MRU_FIRST && id < ID_FILE_MRU_FIRST + CRecentFileList::kSize)
        id = ID_FILE_OPEN;
    const std::string name = m_pMainFrame ? m_pMainFrame->CommandName(id) : std::string();
    return name.empty() ? "number " + std::to_string(id) : name;
}

CCommandState CMorvaneApp::GetCommandState(int id) const
{
    CCommandState state;
    if (FindCommandTarget(id, state))
        return state;
    const auto found = m_Commands.find(id);
    return found == m_Commands.end() ? CCommandState{} : found->second.state();
}

void CMorvaneApp::RegisterCommands()
{
    const auto always = [] { return CCommandState{true, false}; };
    AddCommand(
        ID_FILE_NEW, [this] { OnFileNew(); }, always);
    AddCommand(
        ID_FILE_OPEN, [this] { OnFileOpen(); }, always);
    for (int i = 0; i < CRecentFileList::kSize; ++i)
        AddCommand(
            ID_FILE_MRU_FIRST + i, [this, i] { OpenDocumentFile(m_RecentFiles.Files()[i]); },
            [this, i] {
                return CCommandState{m_pMorvaneDoc && i < int(RecentFiles().size()), false};
            });
    AddCommand(
        ID_APP_EXIT, [this] { m_pMainFrame->close(); }, always);
    AddCommand(
        ID_APP_ABOUT,
        [this]
        {
            QMessageBox::about(m_pMainFrame, "About Morvane",
                               "Morvane Program\nVersion 5.2\nJune 23, 2004\n\n"
                               "Equalizing filters for loudspeakers.");
        },
        always);
    const auto frameShown = [this](ESpeakerFrame frame)
    {
        return [this, frame]
        {
            CMDIChildFrame* pFrame = GetFrame(frame);
            return CCommandState{m_pMorvaneDoc != nullptr, pFrame && !pFrame->isHidden()};
        };
    };
    AddCommand(
        ID_VIEW_SPEAKER_RESPONSE_WINDOW, [this] { OnViewSpeakerResponseWindow(); },
        frameShown(ESpeakerFrame::Response));
    AddCommand(
        ID_VIEW_FILTER_DEFINITION_WINDOW, [this] { OnViewFilterDefinitionWindow(); },
        frameShown(ESpeakerFrame::Filter));
    for (int id :
         {ID_VIEW_SPEAKER_RESPONSE_AND_FILTERS, ID_VIEW_PHASE_WINDOWS, ID_VIEW_FOUR_WINDOWS,
          ID_VIEW_RESPONSE_AND_PHASE, ID_VIEW_FILTERS_AND_FILTER_PHASES})
        AddCommand(
            id, [this, id] { ApplyArrangement(id); },
            [this, id]
            {
                const bool bAll = m_pMorvaneDoc && m_pResponseMDI && m_pFilterMDI && m_pPhaseMDI &&
                                  m_pPhaseFilterMDI;
                return CCommandState{bAll, LayoutMode(id)->IsOn() != 0};
            });
    for (int command : {ID_DEVICE_QZX2201, ID_DEVICE_QZX2202, ID_DEVICE_DSP, ID_DEVICE_QZX2410,
                        ID_DEVICE_QZX6060})
        AddCommand(
            command, [this, command] { m_DeviceSelection.OnDeviceCommand(command); },
            [this, command]
            {
                return CCommandState{CDeviceSelection::IsDeviceCommandEnabled(command),
                                     m_DeviceSelection.IsDeviceCommandChecked(command)};
            });
    RegisterDesignCommands();
    RegisterHelpCommands();
    const auto editor = [this](int id, CMainFrame::EMiniFrame which)
    {
        AddCommand(
            id, [this, which] { m_pMainFrame->OpenMiniFrame(which); },
            [this, which] {
                return CCommandState{m_pMainFrame && m_pMainFrame->HasSheetFactory(which), false};
            });
    };
    AddCommand(
        ID_SPEAKER_RESPONSE_AND_PHASE, [this] { m_pMainFrame->OnSpeakerResponseAndPhase(); },
        [this] {
            return CCommandState{m_pMainFrame && m_pMorvaneDoc, false};
        });
    AddCommand(
        ID_HIDE_LOUDNESS_FRAME, [this] { m_pMainFrame->OnHideLoudnessFrame(); },
        [this] {
            return CCommandState{m_pMainFrame != nullptr, false};
        });
    editor(ID_EDIT_FILTER_PARAMETERS, CMainFrame::kFilterEditor);
    editor(ID_EDIT_MASTER_POINTS, CMainFrame::kMasterPointEditor);
    RegisterDocumentCommands();
    // Print and Print Preview are the commands of the current window's view; Print Setup
    // edits the printer settings of the run that they use.
    AddCommand(
        ID_FILE_PRINT_SETUP, [this] { m_pPrinterSettings->PrintSetup(m_pMainFrame); },
        [this] {
            return CCommandState{m_pMainFrame && m_pPrinterSettings, false};
        });
    for (int id :
         {CDeviceDataCommands::kOpenDeviceData, CDeviceDataCommands::kSaveDeviceData,
          CDeviceDataCommands::kSaveAsDeviceData, CDeviceDataCommands::kRunKT47Program,
          CDeviceDataCommands::kEditDeviceData, CDeviceDataCommands::kGenerateDeviceData,
          CDeviceDataCommands::kAddDeviceDataToGrid,
          CDeviceDataCommands::kReplaceGridWithDeviceData,
          CDeviceDataCommands::kReplaceDeviceDataWithGrid,
          CDeviceDataCommands::kAdditiveRestartFromDeviceData,
          CDeviceDataCommands::kDspGenerateHeaderFile, CDeviceDataCommands::kDspEditHeaderFile,
          CDeviceDataCommands::kDspSaveAsHeaderFile})
        AddCommand(
            id, [this, id] { m_pDeviceCommands->Execute(id); },
            [this, id] {
                return m_pDeviceCommands ? m_pDeviceCommands->GetCommandState(id) : CCommandState{};
            });
}

void CMorvaneApp::RegisterDocumentCommands()
{
    struct CDocumentCommand
    {
        int id;
        void (CMorvaneDoc::*run)();
        CCommandState (CMorvaneDoc::*state)() const;
        EViewNeed view;
    };
    const CDocumentCommand commands[] = {
        {32802, &CMorvaneDoc::OnFileSaveRawResponse, &CMorvaneDoc::OnUpdateFileSaveRawResponse,
         kResponseView},
        {32803, &CMorvaneDoc::OnFileSaveAsRawResponse, &CMorvaneDoc::OnUpdateFileSaveAsRawResponse,
         kResponseView},
        {32814, &CMorvaneDoc::OnFileSaveAsModifiedResponse,
         &CMorvaneDoc::OnUpdateFileSaveAsModifiedResponse, kResponseView},
        {32774, &CMorvaneDoc::OnFileOpenDesiredResponse,
         &CMorvaneDoc::OnUpdateFileOpenDesiredResponse, kResponseView},
        {32800, &CMorvaneDoc::OnFileSaveDesiredResponse,
         &CMorvaneDoc::OnUpdateFileSaveDesiredResponse, kResponseView},
        {32805, &CMorvaneDoc::OnFileSaveAsDesiredResponse,
         &CMorvaneDoc::OnUpdateFileSaveAsDesiredResponse, kResponseView},
        {32804, &CMorvaneDoc::OnEditCreateNewDesiredResponseCurve,
         &CMorvaneDoc::OnUpdateEditCreateNewDesiredResponseCurve, kResponseView},
        {32798, &CMorvaneDoc::OnEditReplaceCurveSection,
         &CMorvaneDoc::OnUpdateEditReplaceCurveSection, kResponseView},
        {32854, &CMorvaneDoc::OnCalculateModifiedResponse,
         &CMorvaneDoc::OnUpdateCalculateModifiedResponse, kNoView},
        {32787, &CMorvaneDoc::OnCalculateStop, &CMorvaneDoc::OnUpdateCalculateStop, kNoView},
        {32836, &CMorvaneDoc::OnViewDrawFilters, &CMorvaneDoc::OnUpdateDrawFilters, kNoView},
        {32859, &CMorvaneDoc::OnEditSmoothRawCurve, &CMorvaneDoc::OnUpdateEditSmoothRawCurve,
         kNoView},
        {32857, &CMorvaneDoc::OnEditCopyGeneratedFiltersToGrid,
         &CMorvaneDoc::OnUpdateEditCopyGeneratedFiltersToGrid, kNoView},
        {32816, &CMorvaneDoc::OnAdditiveRestartFromCoefficientFile,
         &CMorvaneDoc::OnUpdateAdditiveRestartFromCoefficientFile, kNoView},
        {32856, &CMorvaneDoc::OnCalculateModifiedResponseAndPause,
         &CMorvaneDoc::OnUpdateCalculateModifiedResponseAndPause, kNoView},
        {32858, &CMorvaneDoc::OnEditLogSampleRawCurve, &CMorvaneDoc::OnUpdateEditLogSampleRawCurve,
         kNoView},
        {32775, &CMorvaneDoc::OnFileSaveFilterCoefficients,
         &CMorvaneDoc::OnUpdateFileSaveFilterCoefficients, kNoView},
        {32777, &CMorvaneDoc::OnFileSaveAsFilterCoefficients,
         &CMorvaneDoc::OnUpdateFileSaveFilterCoefficients, kNoView},
        {32794, &CMorvaneDoc::OnFileSaveOutputFiles, &CMorvaneDoc::OnUpdateFileSaveOutputFiles,
         kNoView},
    };
    const auto hasView = [this](EViewNeed view)
    {
        return view == kNoView || (view == kResponseView && m_pMorvaneDoc->m_pResponseView) ||
               (view == kFilterView && m_pMorvaneDoc->m_pFilterView);
    };
    // The calls go through locals: GCC 12's vptr check reads a call through a captured
    // member function pointer as a stack-buffer underflow (a false report).
    for (const CDocumentCommand& c : commands)
        AddCommand(
            c.id,
            [this, c]
            {
                CMorvaneDoc* pDoc = m_pMorvaneDoc;
                const auto run = c.run;
                (pDoc->*run)();
            },
            [this, c, hasView]
            {
                if (!m_pMorvaneDoc || !hasView(c.view))
                    return CCommandState{};
                const CMorvaneDoc* pDoc = m_pMorvaneDoc;
                const auto state = c.state;
                return (pDoc->*state)();
            });
    AddCommand(
        32815, [this] { m_pMorvaneDoc->OnFileOpenCoefficientsForAdditiveRestart(); },
        [this]
        {
            return m_pMorvaneDoc ? m_pMorvaneDoc->OnUpdateFileOpenCoefficientsForAdditiveRestart()
                                 : CCommandState{};
        });
    // View > Settings: while there is a document.
    AddCommand(
        32799, [this] { m_pMorvaneDoc->OnViewSettings(); },
        [this] {
            return CCommandState{m_pMorvaneDoc != nullptr, false};
        });
    const std::pair<int, IFilterView::EEditMode> editModes[] = {
        {32823, IFilterView::kDeleteFilters},
        {32877, IFilterView::kMarkActive},
        {32878, IFilterView::kMarkInactive},
        {32847, IFilterView::kMarkModifiable},
        {32848, IFilterView::kMarkFixed}};
    for (const auto& [id, mode] : editModes)
        AddCommand(
            id, [this, mode] { m_pMorvaneDoc->OnEditGraphicalMode(mode); },
            [this, mode, hasView]
            {
                if (!m_pMorvaneDoc || !hasView(kFilterView))
                    return CCommandState{};
                // A mode is offered only when the view can carry out its edits; until
                // the document's by-name filter operations are connected every edit
                // would be refused after the user confirmed it.
                const auto* pView = dynamic_cast<const CFilterView*>(m_pMorvaneDoc->m_pFilterView);
                if (!pView || !pView->m_EditActions.deleteFilter)
                    return CCommandState{};
                return m_pMorvaneDoc->OnUpdateEditGraphicalMode(mode);
            });
}
