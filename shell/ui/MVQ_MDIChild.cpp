#include "shell/ui/MVQ_MDIChild.h"

#include "shell/ShellStrings.h"
#include "shell/ui/MorvaneApp.h"

CMVQ_MDIChild::CMVQ_MDIChild(CMorvaneApp& app, CMDIChildInfo& info, const std::string& title,
                             bool bHideOnClose)
    : CMDIChildFrame(app, title, bHideOnClose), m_pChildInfo(&info)
{
    m_pChildInfo->m_bTimerOn = 0;
}

CMVQ_MDIChild::~CMVQ_MDIChild()
{
    m_pChildInfo->m_bTimerOn = 0;
}

void CMVQ_MDIChild::ShowStatusTitle()
{
    m_App.SetStatusText(ShellString(m_pChildInfo->m_nTitleId));
}
