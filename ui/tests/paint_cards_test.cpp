#include "ui/tests/main_window_fixture.h"

#include <algorithm>
#include <cstdio>

#include "ui/paint_cards.h"
#include "ui/program.h"

namespace {

const COLORREF Blank = RGB(255, 0, 255);

// The colour a value's face shows at (x, y); a value without a face shows the window's
// background, the button face.
std::uint32_t FacePixel(std::int32_t value, int x, int y)
{
    return HasCardFace(value) ? CardFacePixels(value)[static_cast<size_t>(y * CardFaceSize + x)]
                              : PixelOf(GetSysColor(COLOR_BTNFACE));
}

// The face pixels, first and last, that a pixel at offset d of a square's side
// overlaps once the face's 80 are stretched over the side: one alone at 96 DPI.
std::pair<int, int> FacePixelsUnder(int d, int side)
{
    return {d * CardFaceSize / side, ((d + 1) * CardFaceSize + side - 1) / side - 1};
}

class PaintCardsTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_OWNDC;  // so that what a paint leaves set in the window's DC stays to be seen
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = programInstance;
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        windowClass.lpszClassName = "VeltroPaintTest";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "VeltroPaintTest", "", WS_POPUP | WS_VISIBLE, 0, 0, clientSize, clientSize,
                                 nullptr, nullptr, programInstance, nullptr);
        ASSERT_NE(nullptr, window);
        UpdateWindow(window);
        HDC dc = GetDC(window);
        HBRUSH brush = CreateSolidBrush(Blank);
        const RECT all = {0, 0, clientSize, clientSize};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        ReleaseDC(window, dc);
    }
    void TearDown() override { DestroyWindow(window); }

    // The pixels of the client area unlike the hand's faces in their squares at the system's DPI on
    // blank, counted, the first described; a screen pixel over two face pixels may show either.
    std::pair<int, std::string> Mismatches(const Hand& hand) const
    {
        const Picture screen = CaptureClient(window);
        int mismatches = 0;
        std::string first;
        for (int y = 0; y < clientSize; ++y)
            for (int x = 0; x < clientSize; ++x) {
                std::vector<std::uint32_t> expected = {PixelOf(Blank)};
                for (std::size_t i = 0; i < 4; ++i) {
                    const RECT square = CardSquare(i, dpi);
                    if (x < square.left || x >= square.right || y < square.top || y >= square.bottom)
                        continue;
                    const int side = square.right - square.left;
                    const auto [left, right] = FacePixelsUnder(x - square.left, side);
                    const auto [top, bottom] = FacePixelsUnder(y - square.top, side);
                    expected.clear();
                    for (int faceY = top; faceY <= bottom; ++faceY)
                        for (int faceX = left; faceX <= right; ++faceX)
                            expected.push_back(FacePixel(hand[i], faceX, faceY));
                }
                if (std::find(expected.begin(), expected.end(), screen.At(x, y)) != expected.end())
                    continue;
                if (mismatches++ == 0) {
                    char described[96];
                    std::snprintf(described, sizeof described, "(%d, %d) shows %06x, where %06x was expected", x, y,
                                  screen.At(x, y), expected.front());
                    first = described;
                }
            }
        return {mismatches, first};
    }

    const int dpi = SystemDpi();
    const int clientSize = MulDiv(220, dpi, 96);
    HWND window = nullptr;
};

// Square i lies at the close or the distant offset across (i % 2) and down (i / 2), at the
// scales Windows offers up to 200 %.
TEST(CardSquare, IsTheFacesOwnSizeAt96AndScalesWithTheDpi)
{
    const struct {
        int dpi, close, distant, side;
    } cases[] = {{96, 13, 113, 80}, {120, 16, 141, 100}, {144, 20, 170, 120}, {192, 26, 226, 160}};
    for (const auto& c : cases)
        for (std::size_t i = 0; i < 4; ++i) {
            const int left = i % 2 ? c.distant : c.close, top = i / 2 ? c.distant : c.close;
            const RECT square = CardSquare(i, c.dpi), want = {left, top, left + c.side, top + c.side};
            EXPECT_TRUE(EqualRect(&square, &want)) << "square " << i << " at " << c.dpi << " DPI: " << Described(square)
                                                   << ", where " << Described(want) << " was expected";
        }
}

// Each hand is painted over the one before; a value without a face blanks its square (65537
// would be the ace's id cut to 16 bits). The window's DC keeps the stretch mode it had.
TEST_F(PaintCardsTest, ShowsEachFaceInItsSquareAndNothingElse)
{
    HDC dc = GetDC(window);
    SetStretchBltMode(dc, HALFTONE);
    const Hand hands[] = {{1, 5, 10, 13}, {2, 3, 4, 9}, {0, 65537, 7, 14}};
    for (const Hand& hand : hands) {
        PaintCards(window, hand);
        const auto [mismatches, first] = Mismatches(hand);
        EXPECT_EQ(0, mismatches) << "pixels unlike the faces of " << testing::PrintToString(hand) << " at " << dpi
                                 << " DPI; the first at " << first;
    }
    EXPECT_EQ(HALFTONE, GetStretchBltMode(dc)) << "the stretch mode the window's DC had before the paint";
    ReleaseDC(window, dc);
}

}  // namespace
