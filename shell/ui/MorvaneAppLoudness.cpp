// The loudness designs in the application: for the QZX2202 and for the QZX2410/QZX6060
// family one design window (document and view on the family's manager, which outlives the
// window), its create sheet, its "Edit Loudness Filters" window in a mini frame, and the
// managers' part in the device-data commands. The Design commands open the windows
// (MorvaneAppDesign.cpp); these are what the windows are made of.
//
// Everything here belongs to one family from its creation: a window, sheet or grid never
// finds its manager, document or view through the device selected later.
#include "shell/ui/MorvaneApp.h"

#include "framework/ui/HelpTopic.h"
#include "loudness/ui/CreateLoudnessFilter.h"
#include "loudness/ui/CreateQZX2410LoudnessFilter.h"
#include "loudness/ui/EditLoudnessFilters.h"
#include "loudness/ui/QZX2202LoudnessView.h"
#include "loudness/ui/QZX2410LoudnessView.h"
#include "shell/help/HelpTopics.h"
#include "shell/ui/LoudnessDesigns.h"
#include "shell/ui/LoudnessMDIChild.h"
#include "shell/ui/MDIChildFrame.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/views/FilterCurveView.h"

#include "graph/Assert.h"

#include <memory>
#include <utility>

namespace
{
constexpr int kSeparator = 0;
constexpr int kPrintSetup = 57606;
constexpr int kExit = 57665;
constexpr int kHelpContents = 32818;
constexpr int kHelpCalculating = 32819;
constexpr int kHelpRestart = 32820;

// The loudness windows' own commands (their prompts are in the program's prompt table).
constexpr CCommandText kLoudnessTexts[] = {
    {CLoudnessDoc::ID_CREATE_LOUDNESS_FILTERS, "&Create Loudness Filters ...", nullptr, nullptr},
    {CMorvaneApp::ID_EDIT_QZX2202_LOUDNESS_FILTERS, "&Edit Loudness Filters...", nullptr, nullptr},
    {CMorvaneApp::ID_EDIT_QZX241X_LOUDNESS_FILTERS, "&Edit Loudness Filters...", nullptr, nullptr},
    {CLoudnessViewModes::ID_DELETE_FILTERS_GRAPHICALLY, "&Delete Filters Graphically", "Delete",
     nullptr},
    {CLoudnessViewModes::ID_SELECT_FILTERS_TO_EDIT, "&Select Filters to Edit Graphically", "Edit",
     nullptr},
    {CLoudnessViewModes::ID_SELECT_FILTER_TO_ADD,
     "Select Filter to &Add to QZX2XXX Data File Graphically", "Add", nullptr},
    {CLoudnessDoc::ID_TURN_OFF_LOUDNESS_ADDITION,
     "Turn &Off Loudness Filter Addtion to QZX2XXX Data File", nullptr, nullptr},
    {CLoudnessDoc::ID_FILE_SAVE_AS_LD241X, "Save As .LD241X Data", nullptr, nullptr},
    {CLoudnessDoc::ID_FILE_SAVE_AS_LD606X, "Save As .LD606X Data", nullptr, nullptr},
};

EDesignWindow WindowOf(ELoudnessFamily family)
{
    return family == ELoudnessFamily::QZX2202 ? EDesignWindow::QZX2202Loudness
                                              : EDesignWindow::QZX241XLoudness;
}

CMainFrame::EMiniFrame EditorOf(ELoudnessFamily family)
{
    return family == ELoudnessFamily::QZX2202 ? CMainFrame::kQZX2202LoudnessEditor
                                              : CMainFrame::kQZX241XLoudnessEditor;
}

int EditCommandOf(ELoudnessFamily family)
{
    return family == ELoudnessFamily::QZX2202 ? CMorvaneApp::ID_EDIT_QZX2202_LOUDNESS_FILTERS
                                              : CMorvaneApp::ID_EDIT_QZX241X_LOUDNESS_FILTERS;
}

// The document of a family's window and, when it has a frequency band, its view (null
// without one).
template <class TDoc, class TView, class TManager>
std::pair<std::shared_ptr<CLoudnessDoc>, CLoudnessView*>
MakeLoudnessWindow(TManager& manager, const CLoudnessDocServices& services)
{
    auto document = std::make_shared<TDoc>(manager, services);
    if (!document->HasFrequencyAxis())
        return {document, nullptr};
    return {document, new TView(*document)};
}

// File (the device data, the QZX2410/QZX6060 loudness files, printing), Edit (creating,
// the edit window, the graphical modes, the device data), Device, Design and Help.
std::vector<CMenuLayout> LoudnessMenus(ELoudnessFamily family)
{
    using D = CLoudnessDoc;
    using M = CLoudnessViewModes;
    using A = CMorvaneApp;
    return {
        {"&File",
         {D::ID_FILE_OPEN_DEVICE_DATA, D::ID_FILE_SAVE_DEVICE_DATA, D::ID_FILE_SAVE_AS_DEVICE_DATA,
          kSeparator, D::ID_FILE_SAVE_AS_LD241X, D::ID_FILE_SAVE_AS_LD606X, kSeparator, kPrintSetup,
          A::ID_FILE_PRINT, A::ID_FILE_PRINT_PREVIEW, kSeparator, kExit}},
        {"&Edit",
         {D::ID_CREATE_LOUDNESS_FILTERS, EditCommandOf(family), kSeparator,
          M::ID_DELETE_FILTERS_GRAPHICALLY, M::ID_SELECT_FILTERS_TO_EDIT,
          M::ID_SELECT_FILTER_TO_ADD, kSeparator, D::ID_TURN_OFF_LOUDNESS_ADDITION, kSeparator,
          D::ID_EDIT_DEVICE_DATA, D::ID_EDIT_GENERATE_DEVICE_DATA}},
        {"De&vice",
         {A::ID_DEVICE_QZX2201, A::ID_DEVICE_QZX2202, A::ID_DEVICE_DSP, A::ID_DEVICE_QZX2410,
          A::ID_DEVICE_QZX6060}},
        {"&Design",
         {A::ID_DESIGN_EQ_FILTERS, kSeparator, A::ID_DESIGN_QZX2202_LOUDNESS,
          A::ID_DESIGN_QZX2410_LOUDNESS, A::ID_DESIGN_QZX6060_LOUDNESS, kSeparator,
          A::ID_DESIGN_QZX2202_COMPRESSION, A::ID_DESIGN_QZX2410_COMPRESSION,
          A::ID_DESIGN_QZX6060_COMPRESSION}},
        {"&Help", {kHelpContents, kHelpCalculating, kHelpRestart, kSeparator, A::ID_APP_ABOUT}},
    };
}
} // namespace

void CMorvaneApp::WireLoudnessWindows()
{
    m_pLoudness = std::make_unique<CLoudnessDesigns>(*this);
    m_pLoudness->SetFilterEditor(
        [this](ELoudnessFamily family, int nKind, const CLoudnessInfo& record,
               const CLoudnessGainOffset* pGainOffset)
        {
            // The edit window steps aside while the modal sheet is open.
            if (m_pMainFrame)
                if (CMiniFrame* pEditor = m_pMainFrame->GetMiniFrame(EditorOf(family)))
                    pEditor->hide();
            OpenCreateLoudnessSheet(family, nKind, &record, pGainOffset);
        });
    for (ELoudnessFamily family : {ELoudnessFamily::QZX2202, ELoudnessFamily::QZX241X})
    {
        SetDesignWindow(WindowOf(family), LoudnessWindow(family));
        AddCommand(
            EditCommandOf(family), [this, family] { OnEditLoudnessFilters(family); },
            [this] {
                return CCommandState{m_pMainFrame != nullptr, false};
            });
    }
    // The QZX2410 and QZX6060 plot the same filters by different laws: their window follows
    // a change between them at once.
    for (int id : {ID_DEVICE_QZX2201, ID_DEVICE_QZX2202, ID_DEVICE_DSP, ID_DEVICE_QZX2410,
                   ID_DEVICE_QZX6060})
    {
        const CCommand previous = m_Commands[id];
        AddCommand(
            id,
            [this, run = previous.run]
            {
                const bool bQZX6060 = m_DeviceSelection.m_QZX6060Mode.IsOn() != 0;
                run();
                if (bQZX6060 != (m_DeviceSelection.m_QZX6060Mode.IsOn() != 0))
                    RefreshLoudnessCurves(ELoudnessFamily::QZX241X);
            },
            previous.state);
    }
}

CDesignWindowSetup CMorvaneApp::LoudnessWindow(ELoudnessFamily family)
{
    CDesignWindowSetup setup;
    setup.fill = [this, family](CMDIChildFrame& frame)
    {
        CLoudnessDocServices services;
        services.lowerFrequencyLimit = [this]
        { return m_pMorvaneDoc ? m_pMorvaneDoc->m_nLowerFrequencyLimit : 0; };
        services.samplingFrequency = [this]
        { return m_pMorvaneDoc ? m_pMorvaneDoc->m_nSamplingFrequency : 0; };
        // Straight to the device-data commands: the application's table would hand them
        // back to the current window, this document.
        services.runSpeakerCommand = [this](int id)
        {
            if (m_pDeviceCommands && m_pDeviceCommands->GetCommandState(id).bEnabled)
                m_pDeviceCommands->Execute(id);
        };
        services.speakerCommandState = [this](int id)
        { return m_pDeviceCommands ? m_pDeviceCommands->GetCommandState(id) : CCommandState{}; };
        services.createFilters = [this, family]
        { OpenCreateLoudnessSheet(family, 0, nullptr, nullptr); };
        const auto [document, view] =
            family == ELoudnessFamily::QZX2202
                ? MakeLoudnessWindow<CQZX2202LoudnessDoc, CQZX2202LoudnessView>(
                      m_pLoudness->QZX2202(), services)
                : MakeLoudnessWindow<CQZX2410LoudnessDoc, CQZX2410LoudnessView>(
                      m_pLoudness->QZX241X(), services);
        if (!view)
        {
            Services::MessageBox().Show(
                "The loudness filters are plotted from the lower frequency limit to half "
                "the sampling frequency: set a lower frequency limit below half the "
                "sampling frequency first.");
            return false;
        }
        view->m_PaletteColor = PaletteIndexColor;
        const EDesignWindow kind = WindowOf(family);
        view->SetResizePending(
            [this, kind]
            {
                return kind == EDesignWindow::QZX2202Loudness
                           ? m_bLoudnessTimerOn != 0
                           : DesignFrameInfo(*this, kind).m_bTimerOn != 0;
            });
        frame.SetView(view);
        frame.AddCommandTarget(view);
        frame.AddCommandTarget(document.get());
        frame.KeepAlive(document);
        // The edit window shows what the family's manager holds; it must not act on this
        // window's document or view once they are gone.
        frame.KeepAlive(std::shared_ptr<void>(nullptr, [this, family](void*)
                                              { OnLoudnessWindowClosed(family); }));
        view->OnInitialUpdate();
        return true;
    };
    setup.afterOpen = [this, family]
    {
        // The first opening in a run starts with the create sheet.
        bool& bFirst = m_pLoudness->FirstOpen(family);
        if (bFirst)
        {
            OnEditLoudnessFilters(family);
            bFirst = false;
        }
    };
    setup.menus = LoudnessMenus(family);
    setup.toolBar = {ID_FILE_PRINT,
                     kSeparator,
                     CLoudnessViewModes::ID_DELETE_FILTERS_GRAPHICALLY,
                     CLoudnessViewModes::ID_SELECT_FILTERS_TO_EDIT,
                     CLoudnessViewModes::ID_SELECT_FILTER_TO_ADD,
                     kSeparator,
                     ID_APP_ABOUT};
    setup.texts = kLoudnessTexts;
    return setup;
}

void CMorvaneApp::OnLoudnessWindowClosed(ELoudnessFamily family)
{
    // At exit the windows go with the main frame: nothing to hide then.
    if (m_bInitialized && m_pMainFrame)
        if (CMiniFrame* pEditor = m_pMainFrame->GetMiniFrame(EditorOf(family)))
            pEditor->hide();
}

void CMorvaneApp::OnEditLoudnessFilters(ELoudnessFamily family)
{
    if (!m_pMainFrame)
        return;
    // On the family's first opening the window is made hidden and the create sheet comes.
    const bool bFirst = m_pLoudness->FirstOpen(family);
    m_pMainFrame->OpenMiniFrame(EditorOf(family), bFirst);
    if (bFirst)
        if (CLoudnessDoc* pDoc = GetLoudnessDoc(family))
            pDoc->OnCreateLoudnessFilters();
}

void CMorvaneApp::OpenCreateLoudnessSheet(ELoudnessFamily family, int nKind,
                                          const CLoudnessInfo* pInfo,
                                          const CLoudnessGainOffset* pGainOffset)
{
    std::unique_ptr<CCreateLoudnessSheet> sheet;
    if (family == ELoudnessFamily::QZX2202)
        sheet = std::make_unique<CCreateLoudnessFilter>(m_pLoudness->QZX2202(), m_pMainFrame);
    else
        sheet = std::make_unique<CCreateQZX2410LoudnessFilter>(
            m_pLoudness->QZX241X(), m_DeviceSelection.m_QZX6060Mode.IsOn() != 0, m_pMainFrame);
    SetHelpTopic(sheet.get(), family == ELoudnessFamily::QZX2202 ? HelpTopics::kLoudness2202
                                                                 : HelpTopics::kLoudness2410);
    if (pInfo)
        sheet->SetLoudnessInfo(nKind, pInfo, pGainOffset);
    sheet->exec();
}

void CMorvaneApp::RefreshLoudnessCurves(ELoudnessFamily family)
{
    if (CLoudnessView* pView = GetLoudnessView(family))
    {
        pView->OnUpdate(CLoudnessDoc::kHintRefresh);
        m_pLoudness->Manager(family).RecalculateAll();
    }
}

void CMorvaneApp::WireLoudnessEditors()
{
    for (ELoudnessFamily family : {ELoudnessFamily::QZX2202, ELoudnessFamily::QZX241X})
        m_pMainFrame->SetSheetFactory(EditorOf(family),
                                      [this, family]
                                      {
                                          auto* sheet = new CEditLoudnessFilters(
                                              m_pLoudness->Manager(family));
                                          // Only a whole sheet takes the manager's rows.
                                          sheet->RegisterGrids();
                                          return sheet;
                                      });
}

CLoudnessDoc* CMorvaneApp::GetLoudnessDoc(ELoudnessFamily family) const
{
    const CMDIChildFrame* pFrame = GetDesignFrame(WindowOf(family));
    if (!pFrame)
        return nullptr;
    for (ICommandTarget* pTarget : pFrame->GetCommandTargets())
        if (auto* pDoc = dynamic_cast<CLoudnessDoc*>(pTarget))
            return pDoc;
    return nullptr;
}

CLoudnessView* CMorvaneApp::GetLoudnessView(ELoudnessFamily family) const
{
    const CMDIChildFrame* pFrame = GetDesignFrame(WindowOf(family));
    return pFrame ? dynamic_cast<CLoudnessView*>(pFrame->GetView()) : nullptr;
}

std::optional<ELoudnessFamily> CMorvaneApp::SelectedLoudnessFamily() const
{
    switch (GetDeviceId())
    {
    case kDeviceQZX2201:
    case kDeviceQZX2202:
        return ELoudnessFamily::QZX2202;
    case kDeviceQZX2410:
    case kDeviceQZX6060:
        return ELoudnessFamily::QZX241X;
    case kDeviceDsp:
        break;
    }
    MORVANE_CHECK_FAILED();
    return std::nullopt;
}

CLoudnessManager* CMorvaneApp::GetLoudnessManager() const
{
    const std::optional<ELoudnessFamily> family = SelectedLoudnessFamily();
    return family ? &m_pLoudness->Manager(*family) : nullptr;
}

CLoudnessDoc* CMorvaneApp::GetLoudnessDoc() const
{
    const std::optional<ELoudnessFamily> family = SelectedLoudnessFamily();
    return family ? GetLoudnessDoc(*family) : nullptr;
}

CLoudnessView* CMorvaneApp::GetLoudnessView() const
{
    const std::optional<ELoudnessFamily> family = SelectedLoudnessFamily();
    return family ? GetLoudnessView(*family) : nullptr;
}
