#include "shell/ui/LoudnessMDIChild.h"

#include "shell/ShellStrings.h"
#include "shell/ui/MorvaneApp.h"

CLoudnessMDIChild::CLoudnessMDIChild(CMorvaneApp& app)
    : CMDIChildFrame(app, DesignWindowTitle(kKind), false)
{
    PublishDesignFrame(m_App, kKind, this);
    m_App.m_bLoudnessTimerOn = 0;
    SetMenuSet(DesignMenuSet(kKind));
}

CLoudnessMDIChild::~CLoudnessMDIChild()
{
    m_App.m_bLoudnessTimerOn = 0;
    WithdrawDesignFrame(m_App, kKind, this);
}

bool CLoudnessMDIChild::IsTimerRunning() const
{
    return m_App.m_bLoudnessTimerOn != 0;
}

void CLoudnessMDIChild::SetTimerRunning(bool bRunning)
{
    m_App.m_bLoudnessTimerOn = bRunning;
}

void CLoudnessMDIChild::SetMaximizedFlag(bool bMaximized)
{
    m_App.m_bLoudnessMaximized = bMaximized;
}

void CLoudnessMDIChild::ShowStatusTitle()
{
    m_App.SetStatusText(ShellString(IDS_CREATE_LOUDNESS_STATUS));
}

void CLoudnessMDIChild::OnClosing()
{
    DesignFrameClosed(m_App, kKind, this);
}
