// The arithmetic of a deal: the sleeps between clock readings, the card value of
// a reading, and the deal clock's count.

#include <gtest/gtest.h>

#include <string>

#include "deal/dealing.h"

namespace {

// The system as the deals meet it: scripted clock readings, and a log of the calls.
std::string calls;

int ReadScripted()
{
    static const int readings[] = {0, 12, 999, 25, 13, 987, 1, 998};
    static std::size_t next = 0;
    calls += " read";
    return readings[next++ % 8];
}

void SleepLogged(int milliseconds)
{
    calls += " sleep " + std::to_string(milliseconds);
}

// The generator starts from 1 in every run, so the first two deals of this test's
// run sleep 13, 1, 6, 12 and then 3, 2, 12, 0, each sleep after its reading.
TEST(DealHand, ReadsTheClockThenSleepsTheNextDrawForEachCard)
{
    Hand first{}, second{};
    DealHand(first, {ReadScripted, SleepLogged});
    DealHand(second, {ReadScripted, SleepLogged});
    EXPECT_EQ(" read sleep 13 read sleep 1 read sleep 6 read sleep 12"
              " read sleep 3 read sleep 2 read sleep 12 read sleep 0", calls);
    EXPECT_EQ((Hand{1, 13, 12, 13}), first) << "the cards of the readings 0, 12, 999, 25";
    EXPECT_EQ((Hand{1, 13, 2, 11}), second) << "the cards of the readings 13, 987, 1, 998";
}

// From the program's start: the first tick only takes its reading; across the
// minute; a tick three seconds late; the same second again; one second behind.
TEST(DealClock, CountsTheSecondsBetweenTicksModuloAMinute)
{
    const int seconds[] = {58, 59, 0, 1, 4, 4, 3}, elapsed[] = {0, 1, 2, 3, 6, 6, 65};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(elapsed[i], AdvanceDealClock(dealClock, seconds[i])) << "tick at second " << seconds[i];
    ResetDealClock();
    EXPECT_EQ(0, AdvanceDealClock(dealClock, 30)) << "the first tick after a reset";
    EXPECT_EQ(1, AdvanceDealClock(dealClock, 31)) << "the next tick";
}

}  // namespace
