#pragma once
// Dealing a Hand from the wall clock: each card is the millisecond field of the
// system time modulo 13, the readings spaced apart by short pseudo-random sleeps.

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

// Reads the milliseconds of the system time, then sleeps; returns the reading.
int RandomTick();

void DealHand(Hand& hand);
