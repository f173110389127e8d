// A message pump for tests: a queue of scripted messages, an idle counter, and an
// optional action per cancellation point (one cancellation point = one idle period).
#pragma once

#include "numerics/CheckUserAbort.h"
#include "numerics/UserAbortException.h"

#include <deque>
#include <functional>
#include <vector>

class CFakePump : public CMessagePump
{
public:
    enum class EMessage
    {
        Ordinary,
        Quit,
    };

    CFakePump() { m_previous = SetMessagePump(this); }
    ~CFakePump() override
    {
        SetMessagePump(m_previous);
        g_nUserAbort = 0;
    }

    bool IsMessageWaiting() override { return !queue.empty(); }
    bool PumpMessage() override
    {
        const EMessage m = queue.front();
        queue.pop_front();
        ++pumped;
        if (onPump)
            onPump(*this);
        return m != EMessage::Quit;
    }
    bool OnIdle(long count) override
    {
        idleCounts.push_back(count);
        if (count == 0)
        {
            ++checks;
            if (onCheck)
                onCheck(checks);
        }
        return count < idleTurns;
    }
    void PostQuit(int exitCode) override { posted.push_back(exitCode); }

    std::deque<EMessage> queue;
    long idleTurns = 0; // OnIdle(count) reports more work while count < idleTurns
    long checks = 0;    // cancellation points passed (idle periods begun)
    int pumped = 0;
    std::vector<long> idleCounts;
    std::vector<int> posted;
    std::function<void(long)> onCheck;
    std::function<void(CFakePump&)> onPump;

private:
    CMessagePump* m_previous = nullptr;
};
