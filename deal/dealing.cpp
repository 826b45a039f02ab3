#include "deal/dealing.h"

namespace {

// The program's own generator, apart from the C library's: 0..32767, the classic
// linear congruential step from a state of 1.
std::uint32_t randState = 1;

int NextRand()
{
    randState = randState * 214013u + 2531011u;
    return static_cast<int>((randState >> 16) & 0x7FFF);
}

// Reads the clock, then sleeps the next draw; returns the reading (0..999).
int RandomTick(const DealingCalls& calls)
{
    const int milliseconds = calls.readMilliseconds();
    calls.sleep(NextRand() % 14);
    return milliseconds;
}

}  // namespace

void DealHand(Hand& hand, const DealingCalls& calls)
{
    for (std::int32_t& card : hand)
        card = RandomTick(calls) % 13 + 1;
}

DealClock dealClock = {0, NoReading};

void ResetDealClock()
{
    dealClock.elapsed = 0;
    dealClock.lastSecond = NoReading;
}

std::int32_t AdvanceDealClock(int second)
{
    if (dealClock.lastSecond == NoReading)
        dealClock.lastSecond = second;
    dealClock.elapsed += (second - dealClock.lastSecond + 60) % 60;
    dealClock.lastSecond = second;
    return dealClock.elapsed;
}
