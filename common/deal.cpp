#include "common/deal.h"

namespace Dealing {

std::uint32_t randState = 1;

int rand()
{
    randState = randState * 214013u + 2531011u;
    return static_cast<int>((randState >> 16) & 0x7FFF);
}

}  // namespace Dealing

int NextDealSleep()
{
    return Dealing::rand() % 14;
}

int CardValueOfMilliseconds(int milliseconds)
{
    return milliseconds % 13 + 1;
}

int RandomTick(const DealingCalls& calls)
{
    const int milliseconds = calls.readMilliseconds();
    calls.sleep(NextDealSleep());
    return milliseconds;
}

void DealHand(Hand& hand, const DealingCalls& calls)
{
    for (std::int32_t& card : hand)
        card = CardValueOfMilliseconds(RandomTick(calls));
}

DealClock dealClock = {0, NoReading};

void ResetDealClock()
{
    dealClock.elapsed = 0;
    dealClock.lastSecond = NoReading;
}

std::int32_t AdvanceDealClock(DealClock& clock, int second)
{
    if (clock.lastSecond == NoReading)
        clock.lastSecond = second;
    clock.elapsed += (second - clock.lastSecond + 60) % 60;
    clock.lastSecond = second;
    return clock.elapsed;
}
