#pragma once
// The arithmetic of a deal: the four cards drawn from the wall clock, and the deal
// clock that counts the seconds of a deal. The window supplies the system calls
// (the clock, the sleeps, the local time); everything else is here.

#include <cstdint>

#include "common/types.h"

// The two system calls of a deal: the millisecond field of the system time, and a sleep.
struct DealingCalls {
    int (*readMilliseconds)();
    void (*sleep)(int milliseconds);
};

// Fills the hand in index order, each card the clock reading modulo 13, plus 1.
// Each reading is followed by a sleep of 0..13 ms, the next draw of the program's
// own generator, so the sleep delays the next reading and not its own. The
// generator starts from 1 in every run and is never seeded: the first deal of a
// run sleeps 13, 1, 6 and 12 ms, the second 3, 2, 12 and 0.
void DealHand(Hand& hand, const DealingCalls& calls);

// The seconds spent on the current deal, advanced by the seconds field of the local
// time at each tick so that a late tick still counts right.
struct DealClock {
    std::int32_t elapsed;
    int lastSecond;  // 0..59, or NoReading before the first tick of a deal
};

constexpr int NoReading = -1;

// The program's one deal clock, which the two operations below keep.
extern DealClock dealClock;

// Back to 0 seconds and no reading; the display keeps its text until the next tick.
void ResetDealClock();

// Adds the seconds passed since the previous reading (modulo a minute) and
// returns the new count; the first reading after a reset adds nothing.
std::int32_t AdvanceDealClock(int second);
