#pragma once
// Dealing a Hand from the wall clock: the system calls behind the rules of
// common/deal.h.

#include "common/deal.h"

// Each card the millisecond field of the system time, the readings spaced apart by
// short sleeps.
void DealHand(Hand& hand);
