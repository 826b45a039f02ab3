#pragma once
// The dialog in which the player types the four card values of a deal.

#include <windows.h>

#include "common/types.h"

// Writes the four typed values into the hand and answers true on OK; on Cancel
// answers false and leaves the hand untouched.
bool AskCustomHand(HWND owner, Hand& hand);
