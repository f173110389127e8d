// What the frames of the design windows share: each is published in the application under
// its kind while it exists, shows its kind's menus while it is the current window,
// and closing it closes the design window for good (its view and document go at once; the
// application returns to the speaker windows when no design window is left).
//
// The QZX2410/QZX6060 loudness and both compression frames keep their timer and
// maximized flags in a record of the application (CMVQ_MDIChild); the QZX2202 loudness
// frame keeps them in the application itself (CLoudnessMDIChild).
#pragma once

#include "shell/ui/DesignWindow.h"
#include "shell/ui/MVQ_MDIChild.h"

// Publishing and withdrawing a design frame (MorvaneAppDesign.cpp). The Design command
// publishes a frame it made once the frame is whole (a frame under construction is not yet
// of its final class); a frame withdraws as it goes. A frame closed by its close box
// withdraws through DesignFrameClosed, which may take the application back to the speaker
// windows.
void PublishDesignFrame(CMorvaneApp& app, EDesignWindow kind, CMDIChildFrame* pFrame);
void WithdrawDesignFrame(CMorvaneApp& app, EDesignWindow kind, const CMDIChildFrame* pFrame);
void DesignFrameClosed(CMorvaneApp& app, EDesignWindow kind, const CMDIChildFrame* pFrame);
CMDIChildInfo& DesignFrameInfo(CMorvaneApp& app, EDesignWindow kind);

template <EDesignWindow kDesign> class CDesignMDIChild : public CMVQ_MDIChild
{
public:
    static constexpr EDesignWindow kKind = kDesign;
    explicit CDesignMDIChild(CMorvaneApp& app)
        : CMVQ_MDIChild(app, DesignFrameInfo(app, kDesign), DesignWindowTitle(kDesign), false)
    {
        SetMenuSet(DesignMenuSet(kDesign));
    }
    ~CDesignMDIChild() override { WithdrawDesignFrame(m_App, kDesign, this); }

protected:
    void OnClosing() override { DesignFrameClosed(m_App, kDesign, this); }
};
