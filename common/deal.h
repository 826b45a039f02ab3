#pragma once
// The arithmetic of a deal: the card value of a clock reading, the generator that
// spaces the readings apart, and the deal clock's count. The window supplies the
// system calls (the clock, the sleeps, the local time) and keeps the rest here.

#include <cstdint>

#include "common/types.h"

namespace Dealing {

// The program's own generator, apart from the C library's: it starts from 1 and
// is never seeded, so the sleeps follow the same sequence in every run.
extern std::uint32_t randState;

// 0..32767, the classic linear congruential step.
int rand();

}  // namespace Dealing

// Milliseconds to sleep after a clock reading: the next draw modulo 14 (0..13).
int NextDealSleep();

// The card value (1..13) that a millisecond reading (0..999) stands for.
int CardValueOfMilliseconds(int milliseconds);

// The two system calls of a deal: the millisecond field of the system time, and a sleep.
struct DealingCalls {
    int (*readMilliseconds)();
    void (*sleep)(int milliseconds);
};

// Reads the clock, then sleeps the next draw, so the sleep delays the next reading
// and not this one; returns the reading.
int RandomTick(const DealingCalls& calls);

// Fills the hand in index order, one reading and one draw per card.
void DealHand(Hand& hand, const DealingCalls& calls);

// The seconds spent on the current deal, advanced by the seconds field of the local
// time at each tick so that a late tick still counts right.
struct DealClock {
    std::int32_t elapsed;
    int lastSecond;  // 0..59, or NoReading before the first tick of a deal
};

constexpr int NoReading = -1;

// The program's one deal clock.
extern DealClock dealClock;

// Back to 0 seconds and no reading; the display keeps its text until the next tick.
void ResetDealClock();

// Adds the seconds passed since the previous reading (modulo a minute) and
// returns the new count.
std::int32_t AdvanceDealClock(DealClock& clock, int second);
