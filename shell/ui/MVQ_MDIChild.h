// The child frame whose resize-timer flag, timer id and status-bar title come from a
// CMDIChildInfo record of the application (the filter phase and design windows). A new
// frame fills the main window's MDI client area until it is laid out.
#pragma once

#include "shell/MDIChildInfo.h"
#include "shell/ui/MDIChildFrame.h"

class CMVQ_MDIChild : public CMDIChildFrame
{
public:
    CMVQ_MDIChild(CMorvaneApp& app, CMDIChildInfo& info, const std::string& title,
                  bool bHideOnClose);
    ~CMVQ_MDIChild() override;

    // The record's title into status pane 1.
    void ShowStatusTitle() override;

    CMDIChildInfo* m_pChildInfo;

protected:
    bool IsTimerRunning() const override { return m_pChildInfo->m_bTimerOn != 0; }
    void SetTimerRunning(bool bRunning) override { m_pChildInfo->m_bTimerOn = bRunning; }
    void SetMaximizedFlag(bool bMaximized) override { m_pChildInfo->m_bMaximized = bMaximized; }
};
