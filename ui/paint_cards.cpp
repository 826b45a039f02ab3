#include "ui/paint_cards.h"

#include "ui/program.h"

namespace {

constexpr POINT squaresAt96[4] = {{13, 13}, {113, 13}, {13, 113}, {113, 113}};

// Checked before the id is formed, because MAKEINTRESOURCE keeps only 16 bits and
// 65537 would otherwise load the ace.
HBITMAP LoadCardFace(std::int32_t value)
{
    if (!HasCardFace(value))
        return nullptr;
    return LoadBitmapA(programInstance, MAKEINTRESOURCEA(CardFaceId(value)));
}

void PaintCardFace(HWND window, HDC windowDC, HDC memoryDC, std::int32_t value, const RECT& square)
{
    HBITMAP face = LoadCardFace(value);
    // Copying from the memory context without a face would smear its default 1x1 bitmap over the square;
    // the square is blanked instead, since a face left from an earlier hand would show a card the Hand lacks.
    if (!face) {
        FillRect(windowDC, &square, reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)));
        return;
    }
    HGDIOBJ previous = SelectObject(memoryDC, face);
    StretchBlt(windowDC, square.left, square.top, square.right - square.left, square.bottom - square.top, memoryDC, 0,
               0, CardFaceSize, CardFaceSize, SRCCOPY);
    SelectObject(memoryDC, previous);
    DeleteObject(face);
}

}  // namespace

RECT CardSquare(std::size_t index, int dpi)
{
    const POINT at = {MulDiv(squaresAt96[index].x, dpi, 96), MulDiv(squaresAt96[index].y, dpi, 96)};
    const int side = MulDiv(CardFaceSize, dpi, 96);
    return {at.x, at.y, at.x + side, at.y + side};
}

void PaintCards(HWND window, const Hand& hand)
{
    HDC windowDC = GetDC(window);
    const int dpi = GetDeviceCaps(windowDC, LOGPIXELSY);
    // The faces are flat fields of three colours: whole pixels keep their edges hard and their colours true.
    const int previousMode = SetStretchBltMode(windowDC, COLORONCOLOR);
    HDC memoryDC = CreateCompatibleDC(windowDC);
    for (size_t i = 0; i < hand.size(); ++i)
        PaintCardFace(window, windowDC, memoryDC, hand[i], CardSquare(i, dpi));
    SetStretchBltMode(windowDC, previousMode);
    ReleaseDC(window, windowDC);
    DeleteDC(memoryDC);
}
