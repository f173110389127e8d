// The cancellation point of a filter calculation.
//
// A calculation runs on the GUI thread. At each cancellation point the pending window
// messages are handled (so that repaints and the Stop Calculation command run), then the
// idle processing, and the calculation is ended with CUserAbortException when the user
// asked to stop or the program is closing.
//
// The numerics do not know the window system: the application installs a CMessagePump at
// start-up that speaks to its own message loop. Until then (and in display-free programs)
// the default pump has no messages and no idle work.
#pragma once

// The process-wide stop flag: 0 at start-up, 0 = go on, anything else = stop at the next
// cancellation point. Set by the Stop Calculation command; cleared by the calculation
// command when a calculation starts and after it has reported a stop. Read here only.
extern int g_nUserAbort;

// The application's message loop as the cancellation point sees it.
class CMessagePump
{
public:
    virtual ~CMessagePump() = default;
    // True when a message is waiting in the thread's queue (nothing is removed).
    virtual bool IsMessageWaiting() = 0;
    // Dispatches one message; false when that message was the quit message.
    virtual bool PumpMessage() = 0;
    // One turn of idle processing with the given count (0, 1, 2, ... within one idle
    // period); false when there is no more idle work.
    virtual bool OnIdle(long count) = 0;
    // Posts a quit message with the exit code, for the application's own loop to meet.
    virtual void PostQuit(int exitCode) = 0;
};

// Installs the pump that CheckUserAbort uses and returns the one it replaces. Null installs
// the default pump, which has no messages and no idle work. The caller keeps ownership.
CMessagePump* SetMessagePump(CMessagePump* pump);

// Handles every waiting message (also those that arrive meanwhile), then idle processing
// until it reports no more work, then checks the stop flag. Returns 1; throws
// CUserAbortException(1) after re-posting a quit message that the pump met, and
// CUserAbortException(0) when g_nUserAbort is set.
int CheckUserAbort();
