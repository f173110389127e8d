#include "FakePump.h"
#include "numerics/CheckUserAbort.h"
#include "numerics/UserAbortException.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
TEST(UserAbortException, CodesCarryTheirTexts)
{
    const struct
    {
        int code;
        const char* text;
    } cases[] = {{0, "User Stopped Calculation"}, {1, "User Exited Program"}, {7, ""}};
    for (const auto& c : cases)
    {
        const CUserAbortException e(c.code);
        EXPECT_EQ(c.code, e.Code());
        EXPECT_STREQ(c.text, e.what());
        const CUserAbortException copy(e);
        EXPECT_EQ(c.code, copy.Code());
        EXPECT_STREQ(c.text, copy.what());
    }
    EXPECT_EQ(24u, std::strlen(CUserAbortException(0).what()));
    EXPECT_EQ(19u, std::strlen(CUserAbortException(1).what()));
}

TEST(UserAbortException, IsAStandardException)
{
    try
    {
        throw CUserAbortException(0);
    }
    catch (const std::exception& e)
    {
        EXPECT_STREQ("User Stopped Calculation", e.what());
    }
}

TEST(CheckUserAbort, DefaultPumpReturnsOneAndHonoursTheFlag)
{
    EXPECT_EQ(1, CheckUserAbort());
    g_nUserAbort = 1;
    try
    {
        CheckUserAbort();
        ADD_FAILURE() << "no exception";
    }
    catch (const CUserAbortException& e)
    {
        EXPECT_EQ(0, e.Code());
    }
    g_nUserAbort = 0;
}

TEST(CheckUserAbort, PumpsUntilEmptyThenIdlesUntilFalse)
{
    CFakePump pump;
    pump.queue.assign(3, CFakePump::EMessage::Ordinary);
    pump.idleTurns = 2;
    // A message that arrives while pumping is handled in the same call.
    pump.onPump = [](CFakePump& p)
    {
        if (p.pumped == 1)
            p.queue.push_back(CFakePump::EMessage::Ordinary);
    };
    EXPECT_EQ(1, CheckUserAbort());
    EXPECT_EQ(4, pump.pumped);
    EXPECT_EQ((std::vector<long>{0, 1, 2}), pump.idleCounts);
    EXPECT_TRUE(pump.posted.empty());
}

TEST(CheckUserAbort, QuitIsPostedAgainAndEndsWithCodeOne)
{
    CFakePump pump;
    pump.queue = {CFakePump::EMessage::Ordinary, CFakePump::EMessage::Quit,
                  CFakePump::EMessage::Ordinary};
    try
    {
        CheckUserAbort();
        ADD_FAILURE() << "no exception";
    }
    catch (const CUserAbortException& e)
    {
        EXPECT_EQ(1, e.Code());
        EXPECT_STREQ("User Exited Program", e.what());
    }
    EXPECT_EQ(std::vector<int>{0}, pump.posted);
    EXPECT_EQ(2, pump.pumped);
    EXPECT_TRUE(pump.idleCounts.empty()) << "no idle processing after the quit";
}

TEST(CheckUserAbort, StopCommandRunInsideThePumpIsSeenInTheSameCall)
{
    CFakePump pump;
    pump.queue = {CFakePump::EMessage::Ordinary};
    pump.onPump = [](CFakePump&) { g_nUserAbort = 1; };
    try
    {
        CheckUserAbort();
        ADD_FAILURE() << "no exception";
    }
    catch (const CUserAbortException& e)
    {
        EXPECT_EQ(0, e.Code());
    }
    EXPECT_EQ(std::vector<long>{0}, pump.idleCounts) << "idle runs before the flag is read";
    EXPECT_EQ(1, g_nUserAbort) << "the cancellation point only reads the flag";
}
} // namespace
