// The framework's services on Qt: message boxes, file dialogs and the message pump the
// calculation's cancellation points drain.
#pragma once

#include "framework/core/Services.h"
#include "numerics/CheckUserAbort.h"

#include <functional>

// Boxes and dialogs are modal over the active window.
class CQtMessageBox : public IMessageBox
{
public:
    int Show(const std::string& text) override;
};

class CQtFileDialogs : public IFileDialogs
{
public:
    bool AskPath(const CFileDialogRequest& request, std::string& path) override;
};

// Window messages reach the calculation through idle processing: each cancellation point
// handles the events that are waiting. Closing the program during a calculation is a
// quit that the cancellation point meets: the calculation ends, and once it has returned
// the quit runs m_OnQuit (the application closes its window again), or without one ends
// the event loop.
class CQtMessagePump : public CMessagePump
{
public:
    std::function<void()> m_OnQuit;

    bool IsMessageWaiting() override { return m_bQuitRequested; }
    // The only message the pump queues itself is the quit.
    bool PumpMessage() override;
    bool OnIdle(long count) override;
    void PostQuit(int exitCode) override;
    void RequestQuit() { m_bQuitRequested = true; }

private:
    bool m_bQuitRequested = false;
};
