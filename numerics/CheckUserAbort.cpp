#include "numerics/CheckUserAbort.h"

#include "numerics/UserAbortException.h"

int g_nUserAbort = 0;

namespace
{
class CQuietPump final : public CMessagePump
{
public:
    bool IsMessageWaiting() override { return false; }
    bool PumpMessage() override { return true; }
    bool OnIdle(long) override { return false; }
    void PostQuit(int) override {}
};

CQuietPump g_quietPump;
CMessagePump* g_pPump = &g_quietPump;
} // namespace

CMessagePump* SetMessagePump(CMessagePump* pump)
{
    CMessagePump* previous = g_pPump;
    g_pPump = pump ? pump : &g_quietPump;
    return previous == &g_quietPump ? nullptr : previous;
}

int CheckUserAbort()
{
    CMessagePump& pump = *g_pPump;
    while (pump.IsMessageWaiting())
    {
        if (!pump.PumpMessage())
        {
            pump.PostQuit(0);
            throw CUserAbortException(1);
        }
    }
    for (long count = 0; pump.OnIdle(count); ++count)
    {
    }
    if (g_nUserAbort != 0)
        throw CUserAbortException(0);
    return 1;
}
