// Checks from outside the game what a player meets under a desktop's window manager:
// scripts/package_test.sh clicks the window's icon with real X input, runs "menu",
// presses H, then runs "help".
//
//   veltro-system-menu-check menu   the game's own system menu opens
//   veltro-system-menu-check help   the Help box opens over the game; OK closes it

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ui/res/resource.h"
#include "ui/tests/driver/driver.h"

namespace {

bool Report(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    return ok;
}

// A popup menu of the game's own thread: Wine's, not the window manager's.
bool GameMenuOpens(HWND game)
{
    const DWORD gameThread = GetWindowThreadProcessId(game, nullptr);
    return WaitFor([&] {
        for (HWND menu = nullptr; (menu = FindWindowExA(nullptr, menu, "#32768", nullptr));)
            if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == gameThread)
                return true;
        return false;
    });
}

std::wstring StaticTextOf(HWND dialog)
{
    wchar_t text[128] = L"";
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = "";
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0)
            GetWindowTextW(child, text, 128);
    }
    return text;
}

bool HelpBoxOpensAndCloses(HWND game)
{
    HWND help = OpenDialogOf(game);
    if (!Report(help != nullptr, "the Help box opens"))
        return false;
    const bool read = Report(StaticTextOf(help).rfind(L"一个简单的Veltro,", 0) == 0, "it shows the help text in Chinese");
    PostMessageA(help, WM_COMMAND, IDOK, 0);
    return Report(WaitFor([&] { return !IsWindow(help); }), "OK closes it") && read;
}

}  // namespace

int main(int argc, char** argv)
{
    HWND game = nullptr;
    if (!Report(WaitFor([&] { return (game = FindWindowA(MAIN_WINDOW_CLASS, "Veltro")) != nullptr; }), "the game window is open"))
        return 1;
    if (argc == 2 && std::strcmp(argv[1], "menu") == 0)
        return Report(GameMenuOpens(game), "the game's system menu opens") ? 0 : 1;
    if (argc == 2 && std::strcmp(argv[1], "help") == 0)
        return HelpBoxOpensAndCloses(game) ? 0 : 1;
    std::fprintf(stderr, "usage: veltro-system-menu-check menu|help\n");
    return 2;
}
