// The frame of the filter phase view ("Filter Phase Definitions"): a record-kept child
// frame (timer id 1121, status text "Filter Phases") that hides instead of closing and
// takes its place in the speaker arrangements. It fills the MDI client area until its
// first layout.
#pragma once

#include "shell/ui/MVQ_MDIChild.h"
#include "shell/ui/SpeakerMDIChild.h"

class CPhaseFilterMDIChild : public CMVQ_MDIChild
{
public:
    static constexpr ESpeakerFrame kKind = ESpeakerFrame::PhaseFilter;
    explicit CPhaseFilterMDIChild(CMorvaneApp& app);
    // Withdraws from the application.
    ~CPhaseFilterMDIChild() override;

    bool OnLayoutCommand(int nCommand) override
    {
        return LayOutSpeakerFrame(m_App, *this, kKind, nCommand);
    }
};
