#pragma once
// The deal clock: seconds spent on the current deal, advanced by the seconds
// field of the local time at each tick so that a late tick still counts right.

#include <cstdint>

struct DealClock {
    std::int32_t elapsed;
    int lastSecond;  // 0..59, or NoReading before the first tick of a deal
};

constexpr int NoReading = -1;

extern DealClock dealClock;

void ResetDealClock();

// Adds the seconds passed since the previous reading (modulo a minute) and
// returns the new count.
std::int32_t AdvanceDealClock(DealClock& clock, int second);
