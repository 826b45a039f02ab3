#include "ui/paint_cards.h"

#include "ui/program.h"

// Checked before the id is formed, because MAKEINTRESOURCE keeps only 16 bits and
// 65537 would otherwise load the ace.
static HBITMAP LoadCardFace(std::int32_t value)
{
    if (!HasCardFace(value))
        return nullptr;
    return LoadBitmapA(programInstance, MAKEINTRESOURCEA(CardFaceId(value)));
}

static void PaintCardFace(HWND window, HDC windowDC, HDC memoryDC, std::int32_t value, POINT at)
{
    HBITMAP face = LoadCardFace(value);
    // Copying from the memory context without a face would smear its default 1x1 bitmap over the square;
    // the square is blanked instead, since a face left from an earlier hand would show a card the Hand lacks.
    if (!face) {
        const RECT square = {at.x, at.y, at.x + CardFaceSize, at.y + CardFaceSize};
        FillRect(windowDC, &square, reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)));
        return;
    }
    HGDIOBJ previous = SelectObject(memoryDC, face);
    StretchBlt(windowDC, at.x, at.y, CardFaceSize, CardFaceSize, memoryDC, 0, 0, CardFaceSize, CardFaceSize, SRCCOPY);
    SelectObject(memoryDC, previous);
    DeleteObject(face);
}

void PaintCards(HWND window, const Hand& hand)
{
    HDC windowDC = GetDC(window);
    HDC memoryDC = CreateCompatibleDC(windowDC);
    for (size_t i = 0; i < hand.size(); ++i)
        PaintCardFace(window, windowDC, memoryDC, hand[i], CardFacePositions[i]);
    ReleaseDC(window, windowDC);
    DeleteDC(memoryDC);
}
