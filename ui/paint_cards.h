#pragma once
// Draws the four card faces of a Hand into the upper-left area of the main window,
// at the display scale the window is laid out at.

#include <windows.h>

#include <cstddef>

#include "common/types.h"
#include "ui/res/resource.h"

// The side of every face's bitmap, and of the squares at 96 DPI (100 %).
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

// The square of the card at a Hand index, in client pixels at the DPI: at 96 the
// face's own 80x80 at (13,13), (113,13), (13,113), (113,113); at any other DPI those
// corners and that side times DPI/96, each rounded.
RECT CardSquare(std::size_t index, int dpi);

// Paints with a device context of its own, so it works inside and outside WM_PAINT,
// at the DPI of that context (the system's, for this system-aware program). A value
// without a face (outside 1..13) leaves its square blank in the window's background
// (its class brush).
void PaintCards(HWND window, const Hand& hand);
