#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "ui/paint_cards.h"
#include "ui/program.h"
#include "ui/res/resource.h"
#include "ui/tests/gdi_objects.h"

namespace {

const COLORREF Blank = RGB(255, 0, 255);
const int ClientSize = 220;

// The client area as a player sees it: 0x00RRGGBB per pixel, row 0 at the top.
class Screen {
public:
    explicit Screen(HWND window)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = ClientSize;
        info.bmiHeader.biHeight = -ClientSize;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC windowDC = GetDC(window);
        HBITMAP copy = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC copyDC = CreateCompatibleDC(windowDC);
        HGDIOBJ previous = SelectObject(copyDC, copy);
        BitBlt(copyDC, 0, 0, ClientSize, ClientSize, windowDC, 0, 0, SRCCOPY);
        GdiFlush();
        pixels.resize(ClientSize * ClientSize);
        std::memcpy(pixels.data(), bits, pixels.size() * sizeof pixels[0]);
        SelectObject(copyDC, previous);
        DeleteDC(copyDC);
        DeleteObject(copy);
        ReleaseDC(window, windowDC);
    }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * ClientSize + x)] & 0xFFFFFF; }

private:
    std::vector<std::uint32_t> pixels;
};

std::uint32_t Rgb(COLORREF c) { return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)); }

// The colour the face of a value shows at (x, y), read from the bitmap resource itself.
class Face {
public:
    explicit Face(int value)
    {
        HRSRC found = FindResourceA(programInstance, MAKEINTRESOURCEA(value + IDB_CARD_BASE), MAKEINTRESOURCEA(2));
        bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(programInstance, found)));
    }
    bool Loaded() const { return bytes != nullptr; }
    std::uint32_t At(int x, int y) const
    {
        const std::uint8_t* entry = bytes + 40 + 4 * bytes[1064 + (79 - y) * 80 + x];
        return static_cast<std::uint32_t>(entry[2] << 16 | entry[1] << 8 | entry[0]);
    }

private:
    const std::uint8_t* bytes = nullptr;
};

int MismatchesInSquare(const Screen& screen, const Face& face, POINT at)
{
    int mismatches = 0;
    for (int y = 0; y < CardFaceSize; ++y)
        for (int x = 0; x < CardFaceSize; ++x)
            if (screen.At(at.x + x, at.y + y) != face.At(x, y))
                ++mismatches;
    return mismatches;
}

int BlankPixelsInSquare(const Screen& screen, POINT at)
{
    int blank = 0;
    for (int y = 0; y < CardFaceSize; ++y)
        for (int x = 0; x < CardFaceSize; ++x)
            if (screen.At(at.x + x, at.y + y) == Rgb(Blank))
                ++blank;
    return blank;
}

class PaintCardsTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = programInstance;
        windowClass.lpszClassName = "VeltroPaintTest";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "VeltroPaintTest", "", WS_POPUP | WS_VISIBLE, 0, 0, ClientSize, ClientSize,
                                 nullptr, nullptr, programInstance, nullptr);
        ASSERT_NE(nullptr, window);
        UpdateWindow(window);
        FillWithBlank();
    }
    void TearDown() override { DestroyWindow(window); }

    void FillWithBlank()
    {
        HDC dc = GetDC(window);
        HBRUSH brush = CreateSolidBrush(Blank);
        RECT all = {0, 0, ClientSize, ClientSize};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        ReleaseDC(window, dc);
    }

    HWND window = nullptr;
};

TEST_F(PaintCardsTest, ShowsEachFaceInItsSquare)
{
    const Hand hand = {1, 5, 10, 13};
    PaintCards(window, hand);
    const Screen screen(window);
    for (size_t i = 0; i < hand.size(); ++i) {
        const Face face(hand[i]);
        ASSERT_TRUE(face.Loaded()) << "value " << hand[i];
        EXPECT_EQ(0, MismatchesInSquare(screen, face, CardFacePositions[i])) << "square " << i << ", value " << hand[i];
    }
}

TEST_F(PaintCardsTest, PaintsNothingOutsideTheSquares)
{
    PaintCards(window, Hand{1, 5, 10, 13});
    const Screen screen(window);
    int paintedOutside = 0;
    for (int y = 0; y < ClientSize; ++y)
        for (int x = 0; x < ClientSize; ++x) {
            bool inSquare = false;
            for (const POINT& at : CardFacePositions)
                inSquare = inSquare || (x >= at.x && x < at.x + CardFaceSize && y >= at.y && y < at.y + CardFaceSize);
            if (!inSquare && screen.At(x, y) != Rgb(Blank))
                ++paintedOutside;
        }
    EXPECT_EQ(0, paintedOutside);
}

// 65537 + 103 would be id 104, the ace, once cut to the 16 bits of a resource id.
TEST_F(PaintCardsTest, LeavesTheSquareOfAValueWithoutAFaceUnpainted)
{
    const Hand hand = {0, 65537, 7, 14};
    PaintCards(window, hand);
    const Screen screen(window);
    const int wholeSquare = CardFaceSize * CardFaceSize;
    EXPECT_EQ(wholeSquare, BlankPixelsInSquare(screen, CardFacePositions[0])) << "value 0";
    EXPECT_EQ(wholeSquare, BlankPixelsInSquare(screen, CardFacePositions[1])) << "value 65537";
    EXPECT_EQ(0, MismatchesInSquare(screen, Face(7), CardFacePositions[2])) << "value 7 beside them";
    EXPECT_EQ(wholeSquare, BlankPixelsInSquare(screen, CardFacePositions[3])) << "value 14";
}

TEST_F(PaintCardsTest, RepaintsTheNewFacesOverTheOld)
{
    PaintCards(window, Hand{13, 12, 11, 10});
    const Hand hand = {2, 3, 4, 9};
    PaintCards(window, hand);
    const Screen screen(window);
    for (size_t i = 0; i < hand.size(); ++i)
        EXPECT_EQ(0, MismatchesInSquare(screen, Face(hand[i]), CardFacePositions[i])) << "square " << i;
}

TEST(GdiObjectCount, SeesObjectsMadeAndFreed)
{
    const int before = CountGdiObjects();
    ASSERT_LT(0, before) << "no GDI handle table found";
    HBRUSH brushes[5];
    for (int i = 0; i < 5; ++i)
        brushes[i] = CreateSolidBrush(RGB(i, 0, 0));
    EXPECT_EQ(before + 5, CountGdiObjects());
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    EXPECT_EQ(before, CountGdiObjects());
}

TEST_F(PaintCardsTest, RepaintingThousandsOfTimesKeepsTheGdiObjectCount)
{
    const Hand hand = {1, 5, 10, 13};
    PaintCards(window, hand);
    const int before = CountGdiObjects();
    ASSERT_LT(0, before) << "no GDI handle table found";
    for (int paint = 0; paint < 3000; ++paint)
        PaintCards(window, hand);
    EXPECT_EQ(before, CountGdiObjects());
    const Screen screen(window);
    EXPECT_EQ(0, MismatchesInSquare(screen, Face(13), CardFacePositions[3])) << "the last paint still shows the faces";
}

}  // namespace
