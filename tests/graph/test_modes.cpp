#include "AssertionCapture.h"

#include "graph/BinaryStream.h"
#include "graph/ModeArray.h"
#include "graph/ModeWithPointer.h"
#include "graph/NotifyingMode.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(Mode, StartsOffAndReportsTheRawState)
{
    CMode mode;
    EXPECT_TRUE(mode.IsOff());
    EXPECT_EQ(0, mode.IsOn());
    mode.SetState(5);
    EXPECT_EQ(5, mode.IsOn());
    EXPECT_FALSE(mode.IsOff());
    mode.TurnOff();
    EXPECT_TRUE(mode.IsOff());
}

TEST(Mode, WritesFourLittleEndianBytesAndReadsThemBack)
{
    CMode on, odd;
    on.TurnOn();
    odd.SetState(-2);
    CBinaryWriter out;
    on.Write(&out);
    ASSERT_EQ(4u, out.Bytes().size());
    odd.Write(&out);
    EXPECT_EQ((std::vector<std::uint8_t>{1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}), out.Bytes());

    CBinaryReader in(out.Bytes());
    CMode a, b;
    EXPECT_TRUE(a.Read(&in));
    EXPECT_TRUE(b.Read(&in));
    EXPECT_EQ(1, a.IsOn());
    EXPECT_FALSE(a.IsOff());
    EXPECT_EQ(-2, b.GetState());
}

TEST(Mode, ShortReadFailsAndKeepsTheState)
{
    const std::uint8_t bytes[3] = {1, 0, 0};
    CBinaryReader in(bytes);
    CMode mode;
    mode.SetState(7);
    EXPECT_FALSE(mode.Read(&in));
    EXPECT_EQ(7, mode.GetState());
}

TEST(ModeWithPointer, CopiesCarryStateAndPointer)
{
    int target = 0;
    CModeWithPointer mode;
    EXPECT_EQ(nullptr, mode.GetPointer());
    mode.SetPointer(&target);
    mode.TurnOn();
    const CModeWithPointer copy = mode;
    EXPECT_EQ(&target, copy.GetPointer());
    EXPECT_EQ(1, copy.IsOn());
}

TEST(NotifyingMode, TellsItsListenerOnEveryChangeBeforeTheStateChanges)
{
    CNotifyingMode mode;
    mode.TurnOn(); // no listener: state only
    EXPECT_EQ(1, mode.IsOn());

    std::vector<std::pair<unsigned, int>> seen; // (wParam, state at the time)
    mode.SetWindow(
        [&](unsigned message, unsigned wParam, long lParam)
        {
            EXPECT_EQ(1025u, message);
            EXPECT_EQ(0, lParam);
            seen.emplace_back(wParam, mode.GetState());
        });
    mode.TurnOn();
    mode.TurnOff();
    mode.TurnOff();
    EXPECT_EQ((std::vector<std::pair<unsigned, int>>{{0, 1}, {1, 1}, {1, 0}}), seen);
}

class ModeArrayTest : public ::testing::Test
{
protected:
    CMode a, b;
    CNotifyingMode c;
    CModeArray array;
    AssertionCapture checks;
};

TEST_F(ModeArrayTest, EmptyArrayRefusesWithBInArray)
{
    EXPECT_FALSE(array.TurnOnMode(&a));
    EXPECT_TRUE(checks.reported("bInArray"));
    EXPECT_TRUE(a.IsOff());
}

TEST_F(ModeArrayTest, NullModeRefuses)
{
    array.Add(&a);
    EXPECT_FALSE(array.TurnOnMode(nullptr));
    EXPECT_TRUE(checks.reported("pTurnOnMode"));
}

TEST_F(ModeArrayTest, TurningOneOnTurnsTheOthersOffThroughTheirOwnOperations)
{
    array.Add(&a);
    array.Add(&b);
    array.Add(&c);
    std::vector<unsigned> notified;
    c.SetWindow([&](unsigned, unsigned wParam, long) { notified.push_back(wParam); });
    b.TurnOn();
    c.SetState(1);
    EXPECT_TRUE(array.TurnOnMode(&a));
    EXPECT_EQ(1, a.IsOn());
    EXPECT_TRUE(b.IsOff());
    EXPECT_TRUE(c.IsOff());
    EXPECT_EQ(std::vector<unsigned>{1}, notified); // the subclass's turn-off ran
    EXPECT_TRUE(array.TurnOnMode(&a));             // again: still on, others off
    EXPECT_EQ(1, a.IsOn());
    EXPECT_TRUE(checks.reports().empty());
}

TEST_F(ModeArrayTest, AModeStandingTwiceIsTurnedOnAndNotOff)
{
    array.Add(&a);
    array.Add(&b);
    array.Add(&a);
    EXPECT_TRUE(array.TurnOnMode(&a));
    EXPECT_EQ(1, a.IsOn());
    EXPECT_TRUE(b.IsOff());
}

TEST_F(ModeArrayTest, AllOnAllOff)
{
    array.Add(&a);
    array.Add(&b);
    array.TurnOnAll();
    EXPECT_EQ(1, a.IsOn());
    EXPECT_EQ(1, b.IsOn());
    array.TurnOffAll();
    EXPECT_TRUE(a.IsOff() && b.IsOff());
    EXPECT_EQ(2, array.GetSize());
    EXPECT_EQ(&b, array.GetAt(1));
}
