// The arithmetic of a deal: the sleeps between clock readings, the card value of
// a reading, and the deal clock's count.

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "common/deal.h"

namespace {

// The system as one deal meets it: scripted clock readings, and a log of the calls.
const int readings[] = {0, 12, 999, 25, 13, 987, 1, 998};
std::size_t nextReading = 0;
std::string calls;

int ReadScripted()
{
    calls += " read";
    return readings[nextReading++ % std::size(readings)];
}

void SleepLogged(int milliseconds)
{
    calls += " sleep " + std::to_string(milliseconds);
}

// The generator starts from 1 in every run, so the first two deals always sleep
// 13, 1, 6, 12 and then 3, 2, 12, 0, each sleep after its reading.
TEST(DealHand, ReadsTheClockThenSleepsTheNextDrawForEachCard)
{
    Dealing::randState = 1;
    Hand first{}, second{};
    DealHand(first, {ReadScripted, SleepLogged});
    DealHand(second, {ReadScripted, SleepLogged});
    EXPECT_EQ(" read sleep 13 read sleep 1 read sleep 6 read sleep 12"
              " read sleep 3 read sleep 2 read sleep 12 read sleep 0", calls);
    EXPECT_EQ((Hand{1, 13, 12, 13}), first) << "the cards of the readings 0, 12, 999, 25";
    EXPECT_EQ((Hand{1, 13, 2, 11}), second) << "the cards of the readings 13, 987, 1, 998";
}

TEST(DealClock, CountsTheSecondsBetweenTicksModuloAMinute)
{
    const struct {
        int second;
        std::int32_t elapsed;
    } ticks[] = {
        {58, 0},                    // the first tick of a run only takes its reading
        {59, 1}, {0, 2}, {1, 3},    // across the minute
        {4, 6},                     // a tick three seconds late
        {4, 6}, {3, 65},            // the same second again; one behind is 59 later
    };
    for (const auto& tick : ticks)
        EXPECT_EQ(tick.elapsed, AdvanceDealClock(dealClock, tick.second)) << "tick at second " << tick.second;
    ResetDealClock();
    EXPECT_EQ(0, AdvanceDealClock(dealClock, 30)) << "the first tick after a reset";
    EXPECT_EQ(1, AdvanceDealClock(dealClock, 31)) << "the next tick";
}

}  // namespace
