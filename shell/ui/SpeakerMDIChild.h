// What the frames of the speaker document's four views share. They live as long as the
// program: closing one hides it. Each knows its place in the window arrangements
// (shell/ChildFrameLayout.h). The response, filter and phase frames keep their
// resize-timer and maximized flags in the application itself.
#pragma once

#include "document/DocumentServices.h"
#include "shell/ui/MDIChildFrame.h"

// Places a speaker frame by its kind in the application's MDI client area.
bool LayOutSpeakerFrame(CMorvaneApp& app, CMDIChildFrame& frame, ESpeakerFrame kind, int nCommand);

// The response, filter and phase frames, by kind.
template <ESpeakerFrame kFrame> class CSpeakerMDIChild : public CMDIChildFrame
{
public:
    static constexpr ESpeakerFrame kKind = kFrame;
    CSpeakerMDIChild(CMorvaneApp& app, const std::string& title);

    bool OnLayoutCommand(int nCommand) override
    {
        return LayOutSpeakerFrame(m_App, *this, kFrame, nCommand);
    }
    // The response frame puts "Open Raw Response File" into the status bar.
    void ShowStatusTitle() override;

protected:
    bool IsTimerRunning() const override;
    void SetTimerRunning(bool bRunning) override;
    void SetMaximizedFlag(bool bMaximized) override;
};
