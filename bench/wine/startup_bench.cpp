#include "bench/wine/startup_bench.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench/wine/harness.h"
#include "ui/paint_cards.h"
#include "ui/res/resource.h"
#include "tools/driver/driver.h"

namespace {

const int FaceCount = IDB_CARD_LAST - IDB_CARD_FIRST + 1;
const int Pixels = CardFaceSize * CardFaceSize;
using Square = std::vector<std::uint32_t>;  // 0x00RRGGBB, row 0 at the top

BITMAPINFO SquareFormat(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The thirteen faces as the screen shows them, from the same resources Veltro.exe carries.
std::array<Square, FaceCount> LoadFaces()
{
    std::array<Square, FaceCount> faces;
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < FaceCount; ++i) {
        HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_CARD_FIRST + i));
        BITMAPINFO info = SquareFormat(CardFaceSize, CardFaceSize);
        faces[static_cast<size_t>(i)].resize(Pixels);
        GetDIBits(screen, bitmap, 0, CardFaceSize, faces[static_cast<size_t>(i)].data(), &info, DIB_RGB_COLORS);
        for (std::uint32_t& pixel : faces[static_cast<size_t>(i)])
            pixel &= 0xFFFFFF;
        DeleteObject(bitmap);
    }
    ReleaseDC(nullptr, screen);
    return faces;
}

// Whether all four squares of the window's client area, as the screen shows them, hold a face.
bool ShowsFaces(HWND game, const std::array<Square, FaceCount>& faces)
{
    const int span = CardFacePositions[3].x + CardFaceSize;
    POINT origin = {0, 0};
    if (!ClientToScreen(game, &origin))
        return false;
    HDC screen = GetDC(nullptr);
    const Picture shown = CopyPixels(screen, origin.x, origin.y, span, span);
    ReleaseDC(nullptr, screen);
    bool all = true;
    for (const POINT& at : CardFacePositions) {
        bool any = false;
        for (const Square& face : faces) {
            bool same = true;
            for (int y = 0; y < CardFaceSize && same; ++y)
                for (int x = 0; x < CardFaceSize && same; ++x)
                    same = shown.At(at.x + x, at.y + y) == face[static_cast<size_t>(y * CardFaceSize + x)];
            any = any || same;
        }
        all = all && any;
    }
    return all;
}

struct Launch {
    double window = -1;  // seconds from CreateProcess to the window's existence
    double cards = -1;   // ... to the four faces on the screen
};

// Another process's screen can only be looked at, not waited for: it is polled every millisecond.
Launch LaunchOnce(const std::string& program, const std::array<Square, FaceCount>& faces)
{
    Launch launch;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    const double start = Now();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return launch;
    HWND game = nullptr;
    while (Now() - start < 20 && launch.cards < 0) {
        if (!game && (game = FindWindowA("vlx", "Veltro")) != nullptr)
            launch.window = Now() - start;
        if (game && IsWindowVisible(game) && ShowsFaces(game, faces))
            launch.cards = Now() - start;
        else
            Sleep(1);
    }
    if (game)
        PostMessageA(game, WM_COMMAND, IDC_CLOSE, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return launch;
}

}  // namespace

bool RunStartupBenchmarks(const std::string& program, int launches)
{
    const std::array<Square, FaceCount> faces = LoadFaces();
    Timings toWindow, toCards, firstToCards;
    for (int i = 0; i < launches; ++i) {
        Launch launch = LaunchOnce(program, faces);
        if (launch.cards < 0) {
            std::printf("FAILED: launch %d of %s never showed its cards\n", i + 1, program.c_str());
            return false;
        }
        if (i == 0)
            firstToCards.wall.push_back(launch.cards);
        toWindow.wall.push_back(launch.window);
        toCards.wall.push_back(launch.cards);
    }
    PrintRow("Veltro.exe start-up to its window", toWindow);
    PrintRow("Veltro.exe start-up to its first painted cards", toCards);
    PrintRow("  of which the first launch of this run", firstToCards);
    return true;
}
