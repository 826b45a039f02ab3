#include "bench/wine/startup_bench.h"

#include <windows.h>

#include <cstdio>

#include "bench/wine/harness.h"
#include "ui/paint_cards.h"
#include "ui/res/resource.h"
#include "driver/driver.h"

namespace {

// Whether all four squares of the window's client area, as the screen shows them, hold a face.
bool ShowsFaces(HWND game)
{
    const int dpi = SystemDpi();
    const int span = CardSquare(3, dpi).right;
    POINT origin = {0, 0};
    if (!ClientToScreen(game, &origin))
        return false;
    HDC screen = GetDC(nullptr);
    const Picture shown = CopyPixels(screen, origin.x, origin.y, span, span);
    ReleaseDC(nullptr, screen);
    for (std::int32_t value : ShownHand(shown, dpi))
        if (!HasCardFace(value))
            return false;
    return true;
}

struct Launch {
    double window = -1;  // seconds from CreateProcess to the window's existence
    double cards = -1;   // ... to the four faces on the screen
};

// Another process's screen can only be looked at, not waited for: it is polled every millisecond.
Launch LaunchOnce(const std::string& program)
{
    Launch launch;
    const double start = Now();
    HANDLE process = StartProgram(program);
    if (!process)
        return launch;
    HWND game = nullptr;
    while (Now() - start < 20 && launch.cards < 0) {
        if (!game && (game = FindGameWindow()) != nullptr)
            launch.window = Now() - start;
        if (game && IsWindowVisible(game) && ShowsFaces(game))
            launch.cards = Now() - start;
        else
            Sleep(1);
    }
    if (game)
        PostMessageA(game, WM_COMMAND, IDC_CLOSE, 0);
    WaitForProgramEnd(process, 10000);
    return launch;
}

}  // namespace

bool RunStartupBenchmarks(const std::string& program, int launches)
{
    Timings toWindow, toCards, firstToCards;
    for (int i = 0; i < launches; ++i) {
        Launch launch = LaunchOnce(program);
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
