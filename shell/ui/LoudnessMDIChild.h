// The frame of the QZX2202 loudness design ("Design QZX2202 Loudness Filters"): resize
// timer id 251, its timer and maximized flags kept in the application itself, "Create
// Loudness Filter" in the status bar on its first activation. Otherwise it behaves as the
// other design frames (DesignMDIChild.h).
#pragma once

#include "shell/ui/DesignMDIChild.h"

class CLoudnessMDIChild final : public CMDIChildFrame
{
public:
    static constexpr EDesignWindow kKind = EDesignWindow::QZX2202Loudness;
    static constexpr unsigned kTimerId = 251;
    explicit CLoudnessMDIChild(CMorvaneApp& app);
    ~CLoudnessMDIChild() override;
    // "Create Loudness Filter" into status pane 1.
    void ShowStatusTitle() override;

protected:
    bool IsTimerRunning() const override;
    void SetTimerRunning(bool bRunning) override;
    void SetMaximizedFlag(bool bMaximized) override;
    void OnClosing() override;
};
