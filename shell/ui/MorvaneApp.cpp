#include "shell/ui/MorvaneApp.h"

#include "document/CompanionNames.h"
#include "framework/core/Services.h"
#include "framework/ui/KeptPlaces.h"
#include "framework/ui/PrinterSettings.h"
#include "graph/Assert.h"
#include "matrix/handler.h"
#include "shell/ChildFrameLayout.h"
#include "shell/DebugLog.h"
#include "shell/DeviceDataLines.h"
#include "shell/QtSettingsStore.h"
#include "shell/ShellStrings.h"
#include "shell/ui/FilterMDIChild.h"
#include "shell/ui/FrameIcons.h"
#include "shell/ui/LoudnessDesigns.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/PhaseFilterMDIChild.h"
#include "shell/ui/PhaseMDIChild.h"
#include "shell/ui/ProgramHelp.h"
#include "shell/ui/QtServices.h"
#include "shell/ui/ResponseMDIChild.h"
#include "shell/views/FilterView.h"
#include "shell/views/MorvaneView.h"
#include "shell/views/PhaseFilterView.h"
#include "shell/views/PhaseView.h"

#include "graph/MorvaneUtilities.h"

#include <QApplication>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

#include <cfenv>
#include <filesystem>
#include <type_traits>

CMorvaneApp theApp;

namespace
{

void ShowPrintedText(const char* text)
{
    ShowMessage(text);
}

std::string CurrentFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}
} // namespace

CMorvaneApp::CMorvaneApp(std::string settingsFile)
    : m_PhaseFilterInfo(1121, 283, IDS_PHASE_FILTER_STATUS), m_QZX2410LoudnessInfo(291, 290, 289),
      m_DRC_Info(266, 220, 265), m_QZX2410_DRC_Info(296, 295, 294),
      m_QZX2410_Manager(
          CDeviceServices{m_Settings, m_DeviceSelection, m_DeviceDataEditor, DeviceDateText}),
      m_strSettingsFile(std::move(settingsFile))
{
    for (CMode* mode : {&m_SpeakerResponseAndFiltersMode, &m_PhaseWindowsMode, &m_FourWindowsMode,
                        &m_ResponseAndPhaseMode, &m_FiltersAndFilterPhasesMode})
        m_ViewLayoutModes.Add(mode);
    RegisterCommands();
    m_ViewFactories[ESpeakerFrame::Response] = [this](CMorvaneDoc& doc)
    {
        auto* view = new CMorvaneView(doc);
        view->SetResizePending([this]() { return IsResizeTimerRunning(ESpeakerFrame::Response); });
        view->OnInitialUpdate();
        return view;
    };
    // The speaker phase view; its readout waits while the phase frame has a resize pending.
    SetViewFactory(ESpeakerFrame::Phase,
                   [this](CMorvaneDoc& doc)
                   {
                       auto* view = new CPhaseView(doc);
                       view->SetResizePending(
                           [this]() { return IsResizeTimerRunning(ESpeakerFrame::Phase); });
                       view->OnInitialUpdate();
                       return view;
                   });
    WireFilterViews();
    WireCompressionWindows();
    WireLoudnessWindows();
}

void CMorvaneApp::WireFilterViews()
{
    // The filter and filter phase views; each holds its crosshair still while its own
    // frame's resize timer runs.
    const auto factory = [this]<class View>(ESpeakerFrame frame)
    {
        return [this, frame](CMorvaneDoc& doc) -> QWidget*
        {
            auto* view = new View(doc);
            view->m_IsFrameResizing = [this, frame] { return IsResizeTimerRunning(frame); };
            if constexpr (std::is_same_v<View, CFilterView>)
                WireFilterEdits(*view, doc);
            view->OnInitialUpdate();
            return view;
        };
    };
    SetViewFactory(ESpeakerFrame::Filter, factory.operator()<CFilterView>(ESpeakerFrame::Filter));
    SetViewFactory(ESpeakerFrame::PhaseFilter,
                   factory.operator()<CPhaseFilterView>(ESpeakerFrame::PhaseFilter));
}

void CMorvaneApp::WireFilterEdits(CFilterView& view, CMorvaneDoc& doc)
{
    // The document changes the filter lists and the editor's grids; marking a filter active
    // or inactive also shows its phase curve in the new state.
    auto& edits = view.m_EditActions;
    edits.deleteFilter = [&doc](const std::string& label)
    { return doc.DeleteFilterByName(label, true); };
    edits.setModifiable = [&doc](const std::string& label)
    { return doc.SetEQFilterModifiable(label); };
    edits.setFixed = [&doc](const std::string& label) { return doc.SetEQFilterFixed(label); };
    edits.setActive = [&doc](const std::string& label, bool bActive)
    {
        if (auto* pPhaseView = dynamic_cast<CPhaseFilterView*>(doc.m_pPhaseFilterView))
            pPhaseView->MarkFilterCurve(label, bActive ? 1 : 0);
        return doc.SetFilterActive(label, bActive ? 1 : 0);
    };
}

CMorvaneApp::~CMorvaneApp() = default;

bool CMorvaneApp::InitInstance(const std::vector<std::string>& args, bool bShowMaximized)
{
    theDebugLog.Write("InitInstance\n");
    // A file named relative to the start folder stays that file after the change into
    // the working folder.
    std::vector<std::string> files;
    for (const std::string& arg : args)
        files.push_back(std::filesystem::absolute(arg).string());
    m_PhaseColumnMode.TurnOff();
    m_DeviceSelection.SelectDevice(kDeviceQZX2201);
    m_ColorList = BuildNamedColorTable();
    ReadProfile();
    m_ViewLayoutModes.TurnOffAll();
    m_ViewLayoutModes.TurnOnMode(&m_SpeakerResponseAndFiltersMode);
    InstallServices();

    m_pMainFrame = new CMainFrame(*this);
    // Every window of the program's opens where the user left it (KeptPlaces.h).
    new CKeptPlaces(m_pMainFrame);
    // A close that ended a calculation is made again once the calculation has returned,
    // so that the question about unsaved files comes outside it.
    m_pMessagePump->m_OnQuit = [frame = QPointer<CMainFrame>(m_pMainFrame)]
    {
        if (frame)
            frame->close();
    };
    WireFilterEditor();
    WireMasterPointEditor();
    WireLoudnessEditors();
    AddDesignMenus();
    // The frames are placed from the client area, so it takes its final size first.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        m_pMainFrame->setGeometry(screen->availableGeometry());
    if (bShowMaximized)
        m_pMainFrame->showMaximized();
    else
        m_pMainFrame->show();
    QCoreApplication::processEvents();
    m_bInitialized = true;
    if (!m_strProfileError.empty())
        Services::MessageBox().Show(m_strProfileError);

    OnFileNew();
    if (!m_pMorvaneDoc)
        return false;
    InstallPrintHandler();
    std::feclearexcept(FE_ALL_EXCEPT);
    std::fesetround(FE_TONEAREST);
    m_pMorvaneDoc->CreateDefaultResponse();
    // A file named on the command line opens into the new document.
    if (!files.empty())
        RunCommandReportingFailure(ID_FILE_OPEN, [&] { OpenDocumentFile(files.front()); });
    ActivateResponseWindow();
    return true;
}

int CMorvaneApp::ExitInstance()
{
    if (!m_bInitialized)
        return 0;
    theDebugLog.Write("ExitInstance\n");
    m_bInitialized = false;
    m_ColorList.clear();
    WriteProfile();
    // The frames and their views go before the document they show.
    delete m_pMainFrame;
    m_pMainFrame = nullptr;
    m_pResponseMDI = nullptr;
    m_pFilterMDI = nullptr;
    m_pPhaseMDI = nullptr;
    m_pPhaseFilterMDI = nullptr;
    m_pDeviceCommands.reset();
    m_QZX2410_Manager.SetDocument(nullptr);
    m_pDocument.reset();
    RemoveServices();
    return 0;
}

std::unique_ptr<CQtSettingsStore> CMorvaneApp::OpenProfileSection(const std::string& section) const
{
    return m_strSettingsFile.empty()
               ? std::make_unique<CQtSettingsStore>(section)
               : std::make_unique<CQtSettingsStore>(m_strSettingsFile, section);
}

void CMorvaneApp::ReadProfile()
{
    const std::unique_ptr<CQtSettingsStore> store = OpenProfileSection(CMorvaneSettings::kSection);
    m_Settings.ReadFrom(*store, CurrentFolder());
    m_strProfileError = store->GetError();
    // A folder that no longer exists leaves the current folder as it is.
    std::error_code error;
    std::filesystem::current_path(m_Settings.m_strWorkingDirectory, error);
    m_RecentFiles.ReadFrom(*OpenProfileSection(CRecentFileList::kSection));
}

void CMorvaneApp::WriteProfile()
{
    m_Settings.WriteTo(*OpenProfileSection(CMorvaneSettings::kSection));
    m_RecentFiles.WriteTo(*OpenProfileSection(CRecentFileList::kSection));
}

void CMorvaneApp::InstallServices()
{
    m_pMessageBox = std::make_unique<CQtMessageBox>();
    m_pFileDialogs = std::make_unique<CQtFileDialogs>();
    m_pMessagePump = std::make_unique<CQtMessagePump>();
    m_pPrinterSettings = std::make_unique<CPrinterSettings>();
    CPrinterSettings::Install(m_pPrinterSettings.get());
    m_pHelp = std::make_unique<CProgramHelp>(*this);
    Services::SetMessageBox(m_pMessageBox.get());
    Services::SetFileDialogs(m_pFileDialogs.get());
    Services::SetWorkingDirectory(this);
    SetMessagePump(m_pMessagePump.get());
}

void CMorvaneApp::InstallPrintHandler()
{
    m_pPreviousPrintHandler = mwGetPrintHandler();
    mwSetPrintHandler(ShowPrintedText);
}

void CMorvaneApp::RemoveServices()
{
    if (m_pPreviousPrintHandler)
        mwSetPrintHandler(m_pPreviousPrintHandler);
    m_pPreviousPrintHandler = nullptr;
    m_pHelp.reset();
    CPrinterSettings::Install(nullptr);
    m_pPrinterSettings.reset();
    SetMessagePump(nullptr);
    Services::SetWorkingDirectory(nullptr);
    Services::SetFileDialogs(nullptr);
    Services::SetMessageBox(nullptr);
    m_pMessagePump.reset();
    m_pFileDialogs.reset();
    m_pMessageBox.reset();
}

// File commands

void CMorvaneApp::OnFileNew()
{
    // One speaker document for the whole run: a second File New shows its windows.
    if (m_pMorvaneDoc || !m_pMainFrame)
    {
        ActivateResponseWindow();
        return;
    }
    m_pDocument = std::make_unique<CMorvaneDoc>(*this);
    m_pDocument->OnNewDocument();
    m_QZX2410_Manager.SetDocument(m_pMorvaneDoc);
    const CDeviceCommandServices services{
        CDeviceServices{m_Settings, m_DeviceSelection, m_DeviceDataEditor, DeviceDateText},
        m_LabelDialog, m_ProcessLauncher, m_pLoudness.get(), m_pLoudness.get()};
    m_pDeviceCommands = std::make_unique<CDeviceDataCommands>(
        *m_pMorvaneDoc, services, m_QZX2410_Manager, m_GenericDspHeader);
    CreateFrame(m_pResponseMDI, true);
    CreateFrame(m_pFilterMDI, true);
    CreateFrame(m_pPhaseMDI, false);
    CreateFrame(m_pPhaseFilterMDI, false);
}

template <class Frame> Frame* CMorvaneApp::CreateFrame(Frame*& pFrame, bool bVisible)
{
    pFrame = new Frame(*this);
    pFrame->setWindowIcon(FrameIcon(Frame::kKind));
    const auto factory = m_ViewFactories.find(Frame::kKind);
    if (factory != m_ViewFactories.end() && factory->second)
    {
        QWidget* pView = factory->second(*m_pMorvaneDoc);
        pFrame->SetView(pView);
        // The view handles its own commands (Print and Print Preview) while it is current.
        if (auto* pTarget = dynamic_cast<ICommandTarget*>(pView))
            pFrame->AddCommandTarget(pTarget);
    }
    m_pMainFrame->GetMDIClient()->addSubWindow(pFrame);
    CRect rect;
    if (ComputeFrameRect(Frame::kKind, kLayoutAtCreation, m_pMainFrame->GetMDIClientRect(), 0,
                         rect))
        pFrame->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    pFrame->setVisible(bVisible);
    return pFrame;
}

void CMorvaneApp::OnFileOpen()
{
    if (!m_pMorvaneDoc)
        OnFileNew();
    if (m_pMorvaneDoc)
        m_pMorvaneDoc->OpenRawResponseWithDialog();
}

CMorvaneDoc* CMorvaneApp::OpenDocumentFile(const std::string& path)
{
    if (!m_pMorvaneDoc)
        return nullptr;
    m_pMorvaneDoc->OpenRawResponseFile(path);
    return m_pMorvaneDoc;
}

void CMorvaneApp::SetDocumentPathName(const std::string& path)
{
    m_strPathName = path;
    if (m_pMainFrame)
        m_pMainFrame->setWindowTitle(QString::fromStdString(
            ShellString(IDS_APP_NAME) + " - " + std::filesystem::path(path).filename().string()));
}

std::string CMorvaneApp::DesignBaseName() const
{
    return m_strPathName.empty() ? std::string() : CompanionBaseName(m_strPathName);
}

void CMorvaneApp::AddToRecentFileList(const std::string& path)
{
    m_RecentFiles.Add(path);
    if (m_pMainFrame)
        m_pMainFrame->UpdateRecentFileMenu();
}

// Windows

CMDIChildFrame* CMorvaneApp::GetFrame(ESpeakerFrame frame) const
{
    switch (frame)
    {
    case ESpeakerFrame::Response:
        return m_pResponseMDI;
    case ESpeakerFrame::Filter:
        return m_pFilterMDI;
    case ESpeakerFrame::Phase:
        return m_pPhaseMDI;
    case ESpeakerFrame::PhaseFilter:
        return m_pPhaseFilterMDI;
    }
    return nullptr;
}

int& CMorvaneApp::TimerFlag(ESpeakerFrame frame)
{
    switch (frame)
    {
    case ESpeakerFrame::Response:
        return m_bResponseTimerOn;
    case ESpeakerFrame::Filter:
        return m_bFilterTimerOn;
    case ESpeakerFrame::Phase:
        return m_bPhaseTimerOn;
    case ESpeakerFrame::PhaseFilter:
        break;
    }
    MORVANE_CHECK_FAILED();
    return m_nScratchTimerFlag;
}

bool CMorvaneApp::IsResizeTimerRunning(ESpeakerFrame frame)
{
    return frame == ESpeakerFrame::PhaseFilter ? m_PhaseFilterInfo.m_bTimerOn != 0
                                               : TimerFlag(frame) != 0;
}

void CMorvaneApp::SetMaximizedFlag(ESpeakerFrame frame, bool bMaximized)
{
    int* const flags[] = {&m_bResponseMaximized, &m_bFilterMaximized, &m_bPhaseMaximized};
    if (frame != ESpeakerFrame::PhaseFilter)
        *flags[int(frame)] = bMaximized;
    else
        m_PhaseFilterInfo.m_bMaximized = bMaximized;
}

void CMorvaneApp::SetViewFactory(ESpeakerFrame frame, CViewFactory factory)
{
    m_ViewFactories[frame] = std::move(factory);
}

void CMorvaneApp::OnViewSpeakerResponseWindow()
{
    ShowFrame(ESpeakerFrame::Response, true);
}

void CMorvaneApp::OnViewFilterDefinitionWindow()
{
    ShowFrame(ESpeakerFrame::Filter, true);
}

void CMorvaneApp::ActivateResponseWindow()
{
    if (m_pResponseMDI && m_pMainFrame)
        m_pMainFrame->GetMDIClient()->setActiveSubWindow(m_pResponseMDI);
}

void CMorvaneApp::ShowFrame(ESpeakerFrame frame, bool bShow)
{
    if (CMDIChildFrame* pFrame = GetFrame(frame))
        pFrame->setVisible(bShow);
}

void CMorvaneApp::SendFrameCommand(ESpeakerFrame frame, int nCommand)
{
    CMDIChildFrame* pFrame = GetFrame(frame);
    if (!pFrame)
        return;
    // "Turn off Display Coordinates Only" goes to the frame's view.
    constexpr int kTurnOffDisplayCoordinates = 32795;
    if (nCommand == kTurnOffDisplayCoordinates)
    {
        if (auto* pView = dynamic_cast<CSpeakerView*>(pFrame->GetView()))
            pView->OnTurnOffDisplayCoordinates();
        else if (auto* pFilterView = dynamic_cast<CFilterCurveView*>(pFrame->GetView()))
            pFilterView->OnTurnOffDisplayCoordinates();
        return;
    }
    pFrame->OnLayoutCommand(nCommand);
}

bool CMorvaneApp::IsFrameVisible(ESpeakerFrame frame) const
{
    const CMDIChildFrame* pFrame = GetFrame(frame);
    return pFrame && !pFrame->isHidden();
}

CMode* CMorvaneApp::LayoutMode(int id)
{
    switch (id)
    {
    case ID_VIEW_PHASE_WINDOWS:
        return &m_PhaseWindowsMode;
    case ID_VIEW_FOUR_WINDOWS:
        return &m_FourWindowsMode;
    case ID_VIEW_RESPONSE_AND_PHASE:
        return &m_ResponseAndPhaseMode;
    case ID_VIEW_FILTERS_AND_FILTER_PHASES:
        return &m_FiltersAndFilterPhasesMode;
    default:
        return &m_SpeakerResponseAndFiltersMode;
    }
}

namespace
{
struct CArrangementStep
{
    ESpeakerFrame frame;
    int nLayout; // 0: the frame is hidden
};

// The frames of an arrangement in the order they are shown (and laid out) or hidden;
// null for an id that is no arrangement.
const std::vector<CArrangementStep>* ArrangementSteps(int id)
{
    using F = ESpeakerFrame;
    static const std::map<int, std::vector<CArrangementStep>> kArrangements = {
        {CMorvaneApp::ID_VIEW_SPEAKER_RESPONSE_AND_FILTERS,
         {{F::Response, kLayoutOriginal},
          {F::Filter, kLayoutOriginal},
          {F::Phase, 0},
          {F::PhaseFilter, 0}}},
        {CMorvaneApp::ID_VIEW_PHASE_WINDOWS,
         {{F::Phase, kLayoutOriginal},
          {F::Response, 0},
          {F::PhaseFilter, kLayoutOriginal},
          {F::Filter, 0}}},
        {CMorvaneApp::ID_VIEW_FOUR_WINDOWS,
         {{F::Phase, kLayoutFourWindows},
          {F::Response, kLayoutFourWindows},
          {F::PhaseFilter, kLayoutFourWindows},
          {F::Filter, kLayoutFourWindows}}},
        {CMorvaneApp::ID_VIEW_RESPONSE_AND_PHASE,
         {{F::Response, kLayoutResponseAndPhase},
          {F::Phase, kLayoutResponseAndPhase},
          {F::PhaseFilter, 0},
          {F::Filter, 0}}},
        {CMorvaneApp::ID_VIEW_FILTERS_AND_FILTER_PHASES,
         {{F::Phase, 0},
          {F::Response, 0},
          {F::Filter, kLayoutFilterAndPhaseFilter},
          {F::PhaseFilter, kLayoutFilterAndPhaseFilter}}},
    };
    const auto found = kArrangements.find(id);
    return found == kArrangements.end() ? nullptr : &found->second;
}
} // namespace

void CMorvaneApp::ApplyArrangement(int id)
{
    const std::vector<CArrangementStep>* pSteps = ArrangementSteps(id);
    if (!pSteps)
        return;
    for (const CArrangementStep& step : *pSteps)
    {
        ShowFrame(step.frame, step.nLayout != 0);
        if (step.nLayout != 0)
            SendFrameCommand(step.frame, step.nLayout);
    }
    m_ViewLayoutModes.TurnOnMode(LayoutMode(id));
}

void CMorvaneApp::OnMDIClientResized()
{
    // A frame the user maximized fills the client area by itself.
    for (ESpeakerFrame frame : {ESpeakerFrame::Response, ESpeakerFrame::Filter,
                                ESpeakerFrame::Phase, ESpeakerFrame::PhaseFilter})
        if (const CMDIChildFrame* pFrame = GetFrame(frame); pFrame && pFrame->isMaximized())
            return;
    for (int id :
         {ID_VIEW_SPEAKER_RESPONSE_AND_FILTERS, ID_VIEW_PHASE_WINDOWS, ID_VIEW_FOUR_WINDOWS,
          ID_VIEW_RESPONSE_AND_PHASE, ID_VIEW_FILTERS_AND_FILTER_PHASES})
    {
        if (LayoutMode(id)->IsOff())
            continue;
        // The frames keep their shown or hidden state; each takes its place again.
        for (const CArrangementStep& step : *ArrangementSteps(id))
            if (step.nLayout != 0)
                SendFrameCommand(step.frame, step.nLayout);
        return;
    }
}

void CMorvaneApp::SetStatusText(const std::string& text)
{
    if (m_pMainFrame)
        m_pMainFrame->SetStatusText(text);
}

void CMorvaneApp::SetStatusText(unsigned nStringId)
{
    SetStatusText(ShellString(nStringId));
}

void CMorvaneApp::PostMainFrameCommand(int nCommand)
{
    if (m_pMainFrame)
        m_pMainFrame->PostCommand(nCommand);
}

bool CMorvaneApp::AskVerifyNewCurves()
{
    return QMessageBox::question(
               m_pMainFrame, "Verify Creation of New Desired Response Curves",
               "Do you want to create new desired response curves and delete the old ones?",
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void CMorvaneApp::ShowFileReadError(const std::string& file, int nLine, const std::string& error)
{
    const QString text = QString("File Name: %1\nLine Number: %2\nError: %3\n\n"
                                 "Because of the error the file was not read in.")
                             .arg(QString::fromStdString(file))
                             .arg(nLine)
                             .arg(QString::fromStdString(error));
    QMessageBox::warning(m_pMainFrame, "File Read Error", text);
}

void CMorvaneApp::OpenFilterEditor()
{
    if (m_pMainFrame)
        m_pMainFrame->OnEditFilterParameters();
}

void CMorvaneApp::Beep()
{
    QApplication::beep();
}

void CMorvaneApp::RequestQuitDuringCalculation()
{
    if (m_pMessagePump)
        m_pMessagePump->RequestQuit();
}
