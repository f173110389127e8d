// A mode that tells its listener of every turn-on and turn-off, also when the state does
// not change: the message WM_USER + 1 with wParam 0 on turning on and 1 on turning off
// (for a tooltip control, TTM_ACTIVATE: on deactivates the tooltips, off activates them).
// The listener is told before the state changes.
#pragma once

#include "graph/Mode.h"

#include <functional>

class CNotifyingMode : public CMode
{
public:
    static constexpr unsigned WM_NOTIFY_MODE = 0x0400 + 1; // WM_USER + 1

    using Listener = std::function<void(unsigned message, unsigned wParam, long lParam)>;

    // An empty listener detaches.
    bool SetWindow(Listener listener)
    {
        m_Listener = std::move(listener);
        return true;
    }

    bool TurnOn() override
    {
        Notify(0);
        return CMode::TurnOn();
    }
    bool TurnOff() override
    {
        Notify(1);
        return CMode::TurnOff();
    }

private:
    void Notify(unsigned wParam) const
    {
        if (m_Listener)
            m_Listener(WM_NOTIFY_MODE, wParam, 0);
    }

    Listener m_Listener;
};
