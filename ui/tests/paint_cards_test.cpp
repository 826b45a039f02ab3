#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "ui/paint_cards.h"
#include "ui/program.h"
#include "driver/driver.h"
#include "ui/tests/gdi_objects.h"

namespace {

const COLORREF Blank = RGB(255, 0, 255);
const int ClientSize = 220;

// The colour a value's face shows at (x, y), read from its bitmap resource (8 bits a
// pixel, bottom-up, after a 40-byte header and 256 colours); a value without a face
// shows the window's background, the button face.
std::uint32_t FacePixel(std::int32_t value, int x, int y)
{
    if (!HasCardFace(value))
        return PixelOf(GetSysColor(COLOR_BTNFACE));
    HRSRC found = FindResourceA(programInstance, MAKEINTRESOURCEA(CardFaceId(value)), MAKEINTRESOURCEA(2));
    const auto bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(programInstance, found)));
    if (bytes == nullptr)
        return 0xFFFFFFFF;  // matches no pixel
    const std::uint8_t* entry = bytes + 40 + 4 * bytes[1064 + (79 - y) * 80 + x];
    return static_cast<std::uint32_t>(entry[2] << 16 | entry[1] << 8 | entry[0]);
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

    // Pixels of the client area that differ from the hand's faces in their squares on blank.
    int Mismatches(const Hand& hand) const
    {
        const Picture screen = CaptureClient(window);
        int mismatches = 0;
        for (int y = 0; y < ClientSize; ++y)
            for (int x = 0; x < ClientSize; ++x) {
                std::uint32_t expected = PixelOf(Blank);
                for (std::size_t i = 0; i < 4; ++i) {
                    const int dx = x - CardFacePositions[i].x, dy = y - CardFacePositions[i].y;
                    if (dx >= 0 && dx < 80 && dy >= 0 && dy < 80)
                        expected = FacePixel(hand[i], dx, dy);
                }
                mismatches += screen.At(x, y) != expected ? 1 : 0;
            }
        return mismatches;
    }

    HWND window = nullptr;
};

// Each hand is painted over the one before. A value without a face blanks its square:
// The face id of 65537 would be that of the ace once cut to the 16 bits of a resource id.
TEST_F(PaintCardsTest, ShowsEachFaceInItsSquareAndNothingElse)
{
    const Hand hands[] = {{1, 5, 10, 13}, {2, 3, 4, 9}, {0, 65537, 7, 14}};
    for (const Hand& hand : hands) {
        PaintCards(window, hand);
        EXPECT_EQ(0, Mismatches(hand)) << hand[0] << " " << hand[1] << " " << hand[2] << " " << hand[3];
    }
}

TEST(GdiObjectCount, SeesObjectsMadeAndFreed)
{
    const int before = CountGdiObjects();
    if (before < 0 && GdiCountMayBeUnreadable)
        GTEST_SKIP() << "no GDI handle table in a 32-bit process under Wine";
    ASSERT_LT(0, before) << "no GDI handle table found";
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(before + 1, CountGdiObjects());
    DeleteObject(brush);
    EXPECT_EQ(before, CountGdiObjects());
}

TEST_F(PaintCardsTest, KeepsTheGdiObjectCountOverThousandsOfRepaints)
{
    PaintCards(window, Hand{1, 5, 10, 13});
    const int before = CountGdiObjects();
    for (int paint = 0; paint < 3000; ++paint)
        PaintCards(window, Hand{1, 5, 10, 13});
    EXPECT_EQ(0, Mismatches(Hand{1, 5, 10, 13})) << "the last paint still shows the faces";
    if (before < 0 && GdiCountMayBeUnreadable)
        GTEST_SKIP() << "no GDI handle table in a 32-bit process under Wine";
    ASSERT_LT(0, before) << "no GDI handle table found";
    EXPECT_EQ(before, CountGdiObjects());
}

}  // namespace
