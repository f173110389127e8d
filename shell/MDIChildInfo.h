// The record a kind of MDI child frame keeps in the application object. Frames of the
// kind come and go; the record stays, so that the application and the frame's views can
// see whether the frame's one-shot resize timer runs and whether it is maximized, and a
// new frame finds its timer id, toolbar id and status-bar title here.
#pragma once

class CMDIChildInfo
{
public:
    CMDIChildInfo() = default;
    CMDIChildInfo(unsigned nTimerId, unsigned nToolBarId, unsigned nTitleId)
        : m_nTimerId(nTimerId), m_nToolBarId(nToolBarId), m_nTitleId(nTitleId)
    {
    }
    virtual ~CMDIChildInfo() = default;

    unsigned char m_bTimerOn = 0;   // the resize timer runs
    unsigned char m_bMaximized = 0; // last sized maximized
    unsigned m_nTimerId = 0;        // id of the frame's resize timer
    unsigned m_nToolBarId = 0;      // resource id of the kind's toolbar
    unsigned m_nTitleId = 0;        // string put into the status bar on first activation
};
