#include <windows.h>

#include <gtest/gtest.h>

namespace {

int CALLBACK CountFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return 1;
}

// Windows draws the caption buttons and the scroll arrows with the glyphs of this
// face; where it is missing they come out as letters (the close button an "r").
TEST(WineFonts, MarlettIsInstalled)
{
    LOGFONTA wanted = {0, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Marlett"};
    int faces = 0;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, CountFace, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_LT(0, faces) << "no font of the face Marlett is installed";
}

}  // namespace
