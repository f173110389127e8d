#include "shell/ui/PhaseFilterMDIChild.h"

#include "shell/ShellStrings.h"
#include "shell/ui/MorvaneApp.h"

CPhaseFilterMDIChild::CPhaseFilterMDIChild(CMorvaneApp& app)
    : CMVQ_MDIChild(app, app.m_PhaseFilterInfo, ShellString(IDS_PHASE_FILTER_TITLE), true)
{
}

CPhaseFilterMDIChild::~CPhaseFilterMDIChild()
{
    if (m_App.m_pPhaseFilterMDI == this)
        m_App.m_pPhaseFilterMDI = nullptr;
}
