#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "ui/paint_cards.h"
#include "ui/program.h"
#include "ui/tests/gdi_objects.h"

namespace {

const COLORREF Blank = RGB(255, 0, 255);
const std::uint32_t BlankPixel = 0xFF00FF;
const int ClientSize = 220;
const POINT SquareCorners[4] = {{13, 13}, {113, 13}, {13, 113}, {113, 113}};

// The client area as a player sees it: 0x??RRGGBB per pixel, row 0 at the top.
std::vector<std::uint32_t> ReadScreen(HWND window)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, ClientSize, -ClientSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC windowDC = GetDC(window);
    HBITMAP copy = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copyDC = CreateCompatibleDC(windowDC);
    HGDIOBJ previous = SelectObject(copyDC, copy);
    BitBlt(copyDC, 0, 0, ClientSize, ClientSize, windowDC, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<std::uint32_t> pixels(ClientSize * ClientSize);
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof pixels[0]);
    SelectObject(copyDC, previous);
    DeleteDC(copyDC);
    DeleteObject(copy);
    ReleaseDC(window, windowDC);
    return pixels;
}

// The colour a value's face shows at (x, y), read from the bitmap resource;
// a value without a face shows the window's background, the button face.
std::uint32_t FacePixel(std::int32_t value, int x, int y)
{
    if (value < 1 || value > 13) {
        const COLORREF background = GetSysColor(COLOR_BTNFACE);
        return static_cast<std::uint32_t>(GetRValue(background) << 16 | GetGValue(background) << 8 | GetBValue(background));
    }
    HRSRC found = FindResourceA(programInstance, MAKEINTRESOURCEA(value + 103), MAKEINTRESOURCEA(2));
    const auto bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(programInstance, found)));
    if (bytes == nullptr)
        return 0xFFFFFFFF;  // matches no pixel
    const std::uint8_t* entry = bytes + 40 + 4 * bytes[1064 + (79 - y) * 80 + x];
    return static_cast<std::uint32_t>(entry[2] << 16 | entry[1] << 8 | entry[0]);
}

// Pixels of the client area that differ from the hand's faces in their squares on blank.
int Mismatches(HWND window, const Hand& hand)
{
    const std::vector<std::uint32_t> screen = ReadScreen(window);
    int mismatches = 0;
    for (int y = 0; y < ClientSize; ++y)
        for (int x = 0; x < ClientSize; ++x) {
            std::uint32_t expected = BlankPixel;
            for (std::size_t i = 0; i < 4; ++i) {
                const int dx = x - SquareCorners[i].x, dy = y - SquareCorners[i].y;
                if (dx >= 0 && dx < 80 && dy >= 0 && dy < 80)
                    expected = FacePixel(hand[i], dx, dy);
            }
            mismatches += (screen[static_cast<std::size_t>(y * ClientSize + x)] & 0xFFFFFF) != expected ? 1 : 0;
        }
    return mismatches;
}

class PaintCardsTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = programInstance;
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        windowClass.lpszClassName = "VeltroPaintTest";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "VeltroPaintTest", "", WS_POPUP | WS_VISIBLE, 0, 0, ClientSize, ClientSize,
                                 nullptr, nullptr, programInstance, nullptr);
        ASSERT_NE(nullptr, window);
        UpdateWindow(window);
        HDC dc = GetDC(window);
        HBRUSH brush = CreateSolidBrush(Blank);
        const RECT all = {0, 0, ClientSize, ClientSize};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        ReleaseDC(window, dc);
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
};

TEST_F(PaintCardsTest, ShowsEachFaceInItsSquareAndNothingElse)
{
    PaintCards(window, Hand{1, 5, 10, 13});
    EXPECT_EQ(0, Mismatches(window, Hand{1, 5, 10, 13}));
    PaintCards(window, Hand{2, 3, 4, 9});
    EXPECT_EQ(0, Mismatches(window, Hand{2, 3, 4, 9})) << "painted over the first hand";
}

// 65537 + 103 would be id 104, the ace, once cut to the 16 bits of a resource id.
TEST_F(PaintCardsTest, BlanksTheSquareOfAValueWithoutAFaceInTheBackgroundColour)
{
    PaintCards(window, Hand{0, 65537, 7, 14});
    EXPECT_EQ(0, Mismatches(window, Hand{0, 65537, 7, 14}));
}

TEST(GdiObjectCount, SeesObjectsMadeAndFreed)
{
    const int before = CountGdiObjects();
    ASSERT_LT(0, before) << "no GDI handle table found";
    HBRUSH brushes[5];
    for (HBRUSH& brush : brushes)
        brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(before + 5, CountGdiObjects());
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    EXPECT_EQ(before, CountGdiObjects());
}

TEST_F(PaintCardsTest, KeepsTheGdiObjectCountOverThousandsOfRepaints)
{
    PaintCards(window, Hand{1, 5, 10, 13});
    const int before = CountGdiObjects();
    for (int paint = 0; paint < 3000; ++paint)
        PaintCards(window, Hand{1, 5, 10, 13});
    EXPECT_EQ(before, CountGdiObjects());
    EXPECT_EQ(0, Mismatches(window, Hand{1, 5, 10, 13})) << "the last paint still shows the faces";
}

}  // namespace
