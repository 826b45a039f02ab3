#include "ui/deal_clock.h"

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
