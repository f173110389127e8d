#include "shell/ui/SpeakerMDIChild.h"

#include "shell/ChildFrameLayout.h"
#include "shell/ShellStrings.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"

bool LayOutSpeakerFrame(CMorvaneApp& app, CMDIChildFrame& frame, ESpeakerFrame kind, int nCommand)
{
    if (!app.m_pMainFrame)
        return false;
    CRect rect;
    if (!ComputeFrameRect(kind, nCommand, app.m_pMainFrame->GetMDIClientRect(), 0, rect))
        return false;
    frame.MoveToLayout(rect);
    return true;
}

template <ESpeakerFrame kFrame>
CSpeakerMDIChild<kFrame>::CSpeakerMDIChild(CMorvaneApp& app, const std::string& title)
    : CMDIChildFrame(app, title, true)
{
    app.TimerFlag(kFrame) = 0;
}

template <ESpeakerFrame kFrame> bool CSpeakerMDIChild<kFrame>::IsTimerRunning() const
{
    return m_App.TimerFlag(kFrame) != 0;
}

template <ESpeakerFrame kFrame> void CSpeakerMDIChild<kFrame>::SetTimerRunning(bool bRunning)
{
    m_App.TimerFlag(kFrame) = bRunning;
}

template <ESpeakerFrame kFrame> void CSpeakerMDIChild<kFrame>::SetMaximizedFlag(bool bMaximized)
{
    m_App.SetMaximizedFlag(kFrame, bMaximized);
}

template <ESpeakerFrame kFrame> void CSpeakerMDIChild<kFrame>::ShowStatusTitle()
{
    if (kFrame == ESpeakerFrame::Response)
        m_App.SetStatusText(ShellString(IDS_OPEN_RAW_RESPONSE));
}

template class CSpeakerMDIChild<ESpeakerFrame::Response>;
template class CSpeakerMDIChild<ESpeakerFrame::Filter>;
template class CSpeakerMDIChild<ESpeakerFrame::Phase>;
