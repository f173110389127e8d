// The frames of the speaker document's four views. They live as long as the program:
// closing one hides it. Each knows its place in the window arrangements
// (shell/ChildFrameLayout.h) and keeps its resize-timer and maximized flags in the
// application.
#pragma once

#include "document/DocumentServices.h"
#include "shell/ui/MDIChildFrame.h"
#include "shell/ui/MVQ_MDIChild.h"

// Places a speaker frame by its kind in the application's MDI client area.
bool LayOutSpeakerFrame(CMorvaneApp& app, CMDIChildFrame& frame, ESpeakerFrame kind, int nCommand);

// The response, filter and phase frames.
template <ESpeakerFrame kFrame> class CSpeakerMDIChild : public CMDIChildFrame
{
public:
    static constexpr ESpeakerFrame kKind = kFrame;
    CSpeakerMDIChild(CMorvaneApp& app, const std::string& title);

    bool OnLayoutCommand(int nCommand) override
    {
        return LayOutSpeakerFrame(m_App, *this, kFrame, nCommand);
    }

protected:
    bool IsTimerRunning() const override;
    void SetTimerRunning(bool bRunning) override;
    void SetMaximizedFlag(bool bMaximized) override;
    // The response frame puts "Open Raw Response File" into the status bar.
    void OnFirstActivation() override;
};

class CResponseMDIChild : public CSpeakerMDIChild<ESpeakerFrame::Response>
{
public:
    explicit CResponseMDIChild(CMorvaneApp& app);
};

class CFilterMDIChild : public CSpeakerMDIChild<ESpeakerFrame::Filter>
{
public:
    explicit CFilterMDIChild(CMorvaneApp& app);
};

class CPhaseMDIChild : public CSpeakerMDIChild<ESpeakerFrame::Phase>
{
public:
    explicit CPhaseMDIChild(CMorvaneApp& app);
};

// The filter phase frame keeps its flags in the application's CMDIChildInfo record.
class CPhaseFilterMDIChild : public CMVQ_MDIChild
{
public:
    static constexpr ESpeakerFrame kKind = ESpeakerFrame::PhaseFilter;
    explicit CPhaseFilterMDIChild(CMorvaneApp& app);
    ~CPhaseFilterMDIChild() override;

    bool OnLayoutCommand(int nCommand) override
    {
        return LayOutSpeakerFrame(m_App, *this, kKind, nCommand);
    }
};
