// A clock for the program's event guard that stands still until the test moves it on, so
// that the guard's quiet time is tried without waiting. While it lives, the guard of the
// running application measures with it; afterwards, with the steady clock again.
#pragma once

#include "shell/ui/GuardedApplication.h"

#include <QCoreApplication>

#include <chrono>

class CGuardClock
{
public:
    CGuardClock() { Guard().SetClock(&Now); }
    ~CGuardClock() { Guard().SetClock(&std::chrono::steady_clock::now); }
    CGuardClock(const CGuardClock&) = delete;
    CGuardClock& operator=(const CGuardClock&) = delete;

    static void Advance(std::chrono::steady_clock::duration by) { s_Now += by; }

private:
    static std::chrono::steady_clock::time_point Now() noexcept { return s_Now; }
    static CGuardedApplication& Guard()
    {
        return *static_cast<CGuardedApplication*>(QCoreApplication::instance());
    }

    static inline std::chrono::steady_clock::time_point s_Now{};
};
