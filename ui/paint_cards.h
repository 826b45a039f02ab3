#pragma once
// Draws the four card faces of a Hand into the upper-left area of the main window.

#include <windows.h>

#include "common/types.h"
#include "ui/res/resource.h"

constexpr int CardFaceSize = 80;

// The values that have a face, and the bitmap resource of each.
constexpr bool HasCardFace(std::int32_t value)
{
    return value >= 1 && value <= 13;
}

constexpr int CardFaceId(std::int32_t value)
{
    return IDB_CARD_1 + value - 1;
}
static_assert(CardFaceId(13) == IDB_CARD_13, "the faces are numbered in order");

// Top-left corner of each card's square in client pixels, by Hand index.
constexpr POINT CardFacePositions[4] = {{13, 13}, {113, 13}, {13, 113}, {113, 113}};

// Paints with a device context of its own, so it works inside and outside WM_PAINT.
// A value without a face (outside 1..13) leaves its square blank in the window's
// background (its class brush).
void PaintCards(HWND window, const Hand& hand);
