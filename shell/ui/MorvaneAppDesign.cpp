// The Design menu: the loudness and compression design windows beside the speaker
// windows. A Design command hides the main toolbar and the four speaker windows and shows
// its design window maximized, made on first use; "Design EQ Filters" closes every design
// window and brings back the speaker windows in the arrangement in force and the toolbar.
#include "shell/ui/MorvaneApp.h"

#include "shell/ShellStrings.h"
#include "shell/ui/DRC_MDIChild.h"
#include "shell/ui/FrameIcons.h"
#include "shell/ui/LoudnessMDIChild.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/QZX2410LoudnessMDIChild.h"
#include "shell/ui/QZX2410_DRC_MDIChild.h"

#include <QMdiArea>
#include <QToolBar>

#include <algorithm>

namespace
{
constexpr EDesignWindow kDesignWindows[] = {
    EDesignWindow::QZX2202Loudness, EDesignWindow::QZX241XLoudness,
    EDesignWindow::QZX2202Compression, EDesignWindow::QZX241XCompression};

// The Design commands: which window each opens and for which devices it is offered.
struct CDesignCommand
{
    int id;
    EDesignWindow window;
    std::initializer_list<EDeviceId> devices;
};
const CDesignCommand kDesignCommands[] = {
    {CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS,
     EDesignWindow::QZX2202Loudness,
     {kDeviceQZX2201, kDeviceQZX2202}},
    {CMorvaneApp::ID_DESIGN_QZX2410_LOUDNESS, EDesignWindow::QZX241XLoudness, {kDeviceQZX2410}},
    {CMorvaneApp::ID_DESIGN_QZX6060_LOUDNESS, EDesignWindow::QZX241XLoudness, {kDeviceQZX6060}},
    {CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION,
     EDesignWindow::QZX2202Compression,
     {kDeviceQZX2202}},
    {CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION,
     EDesignWindow::QZX241XCompression,
     {kDeviceQZX2410}},
    {CMorvaneApp::ID_DESIGN_QZX6060_COMPRESSION,
     EDesignWindow::QZX241XCompression,
     {kDeviceQZX6060}},
};

// The arrangements in the order Design EQ Filters tests their modes.
constexpr int kArrangements[] = {
    CMorvaneApp::ID_VIEW_SPEAKER_RESPONSE_AND_FILTERS, CMorvaneApp::ID_VIEW_PHASE_WINDOWS,
    CMorvaneApp::ID_VIEW_FOUR_WINDOWS, CMorvaneApp::ID_VIEW_RESPONSE_AND_PHASE,
    CMorvaneApp::ID_VIEW_FILTERS_AND_FILTER_PHASES};

CMDIChildFrame* MakeDesignFrame(CMorvaneApp& app, EDesignWindow kind)
{
    switch (kind)
    {
    case EDesignWindow::QZX2202Loudness:
        return new CLoudnessMDIChild(app);
    case EDesignWindow::QZX241XLoudness:
        return new CQZX2410LoudnessMDIChild(app);
    case EDesignWindow::QZX2202Compression:
        return new CDRC_MDIChild(app);
    case EDesignWindow::QZX241XCompression:
        break;
    }
    return new CQZX2410_DRC_MDIChild(app);
}
} // namespace

std::string DesignWindowTitle(EDesignWindow kind)
{
    static constexpr unsigned kTitles[] = {IDS_LOUDNESS_TITLE, IDS_QZX2410_LOUDNESS_TITLE,
                                           IDS_COMPRESSION_TITLE, IDS_QZX2410_COMPRESSION_TITLE};
    return ShellString(kTitles[int(kind)]);
}

void PublishDesignFrame(CMorvaneApp& app, EDesignWindow kind, CMDIChildFrame* pFrame)
{
    switch (kind)
    {
    case EDesignWindow::QZX2202Loudness:
        app.m_pLoudnessMDI = static_cast<CLoudnessMDIChild*>(pFrame);
        break;
    case EDesignWindow::QZX241XLoudness:
        app.m_pQZX2410LoudnessMDI = static_cast<CQZX2410LoudnessMDIChild*>(pFrame);
        break;
    case EDesignWindow::QZX2202Compression:
        app.m_pDRC_MDI = static_cast<CDRC_MDIChild*>(pFrame);
        break;
    case EDesignWindow::QZX241XCompression:
        app.m_pQZX2410_DRC_MDI = static_cast<CQZX2410_DRC_MDIChild*>(pFrame);
        break;
    }
}

void WithdrawDesignFrame(CMorvaneApp& app, EDesignWindow kind, const CMDIChildFrame* pFrame)
{
    if (app.GetDesignFrame(kind) == pFrame)
        PublishDesignFrame(app, kind, nullptr);
}

void DesignFrameClosed(CMorvaneApp& app, EDesignWindow kind, const CMDIChildFrame* pFrame)
{
    WithdrawDesignFrame(app, kind, pFrame);
    app.OnDesignFrameClosed();
}

CMDIChildInfo& DesignFrameInfo(CMorvaneApp& app, EDesignWindow kind)
{
    switch (kind)
    {
    case EDesignWindow::QZX2202Compression:
        return app.m_DRC_Info;
    case EDesignWindow::QZX241XCompression:
        return app.m_QZX2410_DRC_Info;
    case EDesignWindow::QZX2202Loudness: // keeps its flags in the application itself
    case EDesignWindow::QZX241XLoudness:
        break;
    }
    return app.m_QZX2410LoudnessInfo;
}

CMDIChildFrame* CMorvaneApp::GetDesignFrame(EDesignWindow kind) const
{
    switch (kind)
    {
    case EDesignWindow::QZX2202Loudness:
        return m_pLoudnessMDI;
    case EDesignWindow::QZX241XLoudness:
        return m_pQZX2410LoudnessMDI;
    case EDesignWindow::QZX2202Compression:
        return m_pDRC_MDI;
    case EDesignWindow::QZX241XCompression:
        break;
    }
    return m_pQZX2410_DRC_MDI;
}

void CMorvaneApp::SetDesignWindow(EDesignWindow kind, CDesignWindowSetup setup)
{
    m_DesignWindows[std::size_t(kind)] = std::move(setup);
    if (m_pMainFrame)
        AddDesignMenus();
}

void CMorvaneApp::AddDesignMenus()
{
    for (EDesignWindow kind : kDesignWindows)
    {
        const CDesignWindowSetup& setup = m_DesignWindows[std::size_t(kind)];
        m_pMainFrame->AddCommandTexts(setup.texts);
        m_pMainFrame->AddMenuSet(DesignMenuSet(kind), setup.menus);
    }
}

void CMorvaneApp::RegisterDesignCommands()
{
    AddCommand(
        ID_DESIGN_EQ_FILTERS, [this] { OnDesignEQFilters(); },
        [] {
            return CCommandState{true, false};
        });
    for (const CDesignCommand& command : kDesignCommands)
        AddCommand(
            command.id, [this, &command] { OpenDesignWindow(command.window); },
            [this, &command]
            {
                const CDesignWindowSetup& setup = m_DesignWindows[std::size_t(command.window)];
                bool bEnabled = m_pMainFrame && m_pMorvaneDoc && setup.fill;
                bEnabled = bEnabled && std::count(command.devices.begin(), command.devices.end(),
                                                  GetDeviceId()) != 0;
                return CCommandState{bEnabled, false};
            });
}

CMDIChildFrame* CMorvaneApp::OpenDesignWindow(EDesignWindow kind)
{
    if (!m_pMainFrame)
        return nullptr;
    const CDesignWindowSetup& setup = m_DesignWindows[std::size_t(kind)];
    if (m_pMainFrame->IsToolBarVisible())
        m_pMainFrame->ShowToolBar(false);
    CMDIChildFrame* pFrame = GetDesignFrame(kind);
    if (!pFrame)
    {
        pFrame = MakeDesignFrame(*this, kind);
        pFrame->setWindowIcon(FrameIcon(kind));
        PublishDesignFrame(*this, kind, pFrame);
        for (int id : setup.toolBar)
        {
            if (id == 0)
                pFrame->GetToolBar()->addSeparator();
            else
                pFrame->GetToolBar()->addAction(m_pMainFrame->CommandAction(id));
        }
        // The frame is in the main window before its content is made, so that what the
        // view opens at its initial update (the compression control dialog) belongs to
        // the main window.
        m_pMainFrame->GetMDIClient()->addSubWindow(pFrame);
        if (!setup.fill || !setup.fill(*pFrame))
        {
            // A window that cannot be made leaves the program as it was.
            delete pFrame;
            ReturnToSpeakerWindows();
            return nullptr;
        }
    }
    BringDesignWindowForward(kind, *pFrame);
    return pFrame;
}

void CMorvaneApp::BringDesignWindowForward(EDesignWindow kind, CMDIChildFrame& frame)
{
    for (EDesignWindow other : kDesignWindows)
        if (other != kind && GetDesignFrame(other) && m_DesignWindows[std::size_t(other)].covered)
            m_DesignWindows[std::size_t(other)].covered();
    for (ESpeakerFrame speaker : {ESpeakerFrame::Response, ESpeakerFrame::Filter,
                                  ESpeakerFrame::Phase, ESpeakerFrame::PhaseFilter})
        ShowFrame(speaker, false);
    frame.showMaximized();
    m_pMainFrame->GetMDIClient()->setActiveSubWindow(&frame);
    // The window's menus and its text, also when the MDI area already counted it active.
    m_pMainFrame->ShowMenuSet(frame.GetMenuSet());
    frame.ShowStatusTitle();
    const CDesignWindowSetup& setup = m_DesignWindows[std::size_t(kind)];
    if (setup.afterOpen)
        setup.afterOpen();
}

void CMorvaneApp::OnDesignEQFilters()
{
    SetStatusText(IDS_OPEN_RAW_RESPONSE);
    m_bClosingDesignWindows = true;
    for (EDesignWindow kind : kDesignWindows)
        if (CMDIChildFrame* pFrame = GetDesignFrame(kind))
            pFrame->close();
    m_bClosingDesignWindows = false;
    ReturnToSpeakerWindows();
}

void CMorvaneApp::OnDesignFrameClosed()
{
    if (m_bClosingDesignWindows || !m_pMainFrame)
        return;
    // The design window used last of those left comes in front, as its Design command
    // shows it; after the last one the speaker windows and the toolbar come back, as
    // Design EQ Filters brings them.
    const QList<QMdiSubWindow*> used =
        m_pMainFrame->GetMDIClient()->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto window = used.rbegin(); window != used.rend(); ++window)
        for (EDesignWindow kind : kDesignWindows)
            if (CMDIChildFrame* pFrame = GetDesignFrame(kind); pFrame && pFrame == *window)
            {
                BringDesignWindowForward(kind, *pFrame);
                return;
            }
    SetStatusText(IDS_OPEN_RAW_RESPONSE);
    ReturnToSpeakerWindows();
}

void CMorvaneApp::ReturnToSpeakerWindows()
{
    for (int id : kArrangements)
        if (LayoutMode(id)->IsOn())
        {
            ExecuteCommand(id);
            break;
        }
    if (!m_pMainFrame)
        return;
    // A speaker window shown is the current one, with the speaker windows' menus.
    QMdiArea* client = m_pMainFrame->GetMDIClient();
    const auto* current = dynamic_cast<const CMDIChildFrame*>(client->currentSubWindow());
    if (!current || current->isHidden())
        for (ESpeakerFrame speaker : {ESpeakerFrame::Response, ESpeakerFrame::Filter,
                                      ESpeakerFrame::Phase, ESpeakerFrame::PhaseFilter})
            if (IsFrameVisible(speaker))
            {
                client->setActiveSubWindow(GetFrame(speaker));
                break;
            }
    m_pMainFrame->ShowMenuSet(CMainFrame::kSpeakerMenus);
    if (!m_pMainFrame->IsToolBarVisible())
        m_pMainFrame->ShowToolBar(true);
}
