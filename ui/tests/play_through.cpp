// veltro-play-through [PROGRAM] plays Veltro.exe (or PROGRAM) from outside, by the messages a player's
// clicks and keys send: its clock ticks, a verdict closes by its own timer, closing the window ends the
// process with 0. With a verb it checks a game a player started (scripts/package_test.sh, real X input):
// "ready" its clock ticks, "menu" its system menu opens, "help" its Help box opens and OK closes it,
// "close" its 关闭 is pressed.

#include <windows.h>

#include <cstdio>
#include <string>

#include "common/texts.h"
#include "driver/driver.h"
#include "ui/res/resource.h"

namespace {

int passed = 0;
int failed = 0;

void Check(bool condition, const char* what, const std::string& shown = "")
{
    condition ? ++passed : ++failed;
    std::printf("%s: %s%s%s\n", condition ? "ok" : "FAILED", what, shown.empty() ? "" : " -- shown: ", shown.c_str());
    std::fflush(stdout);
}

void Click(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// Submits the answer and returns the verdict dialog's two lines once it has closed by itself.
std::string Submit(HWND game, const char* answer)
{
    SetWindowTextA(GetDlgItem(game, IDC_ANSWER), "");
    TypeText(GetDlgItem(game, IDC_ANSWER), answer);
    Click(game, IDC_SUBMIT);
    HWND verdict = OpenDialogOf(game);
    if (!verdict)
        return "(no verdict dialog)";
    const std::string lines = ItemText(verdict, IDC_VERDICT_HEAD) + " / " + ItemText(verdict, IDC_VERDICT_DETAIL);
    return WaitFor([&] { return !IsWindow(verdict); }) ? lines : lines + " (did not close)";
}

HWND GameWindow()
{
    HWND game = nullptr;
    Check(WaitFor([&] { return (game = FindGameWindow()) != nullptr; }), "the game window opens");
    return game;
}

// A popup menu of the game's own thread: Wine's, not the window manager's.
void CheckSystemMenuOpens(HWND game)
{
    const DWORD gameThread = GetWindowThreadProcessId(game, nullptr);
    Check(WaitFor([&] {
        for (HWND menu = nullptr; (menu = FindWindowExA(nullptr, menu, "#32768", nullptr));)
            if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == gameThread)
                return true;
        return false;
    }), "the game's own system menu opens");
}

void CheckHelpOpensAndCloses(HWND game)
{
    HWND help = OpenDialogOf(game);
    wchar_t text[128] = L"";
    for (HWND child = help ? GetWindow(help, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) != IDOK)
            GetWindowTextW(child, text, 128);
    Check(std::wstring(text) == WIDE(TEXT_HELP), "the Help box opens with its text in Chinese");
    PostMessageA(help, WM_COMMAND, IDOK, 0);
    Check(help && WaitFor([&] { return !IsWindow(help); }), "OK closes it");
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "ready" || mode == "menu" || mode == "help" || mode == "close") {
        HWND game = GameWindow();
        if (game && mode == "ready")
            Check(WaitFor([&] { return ItemText(game, IDC_CLOCK).size() >= 3; }), "the deal clock ticks");
        if (game && mode == "menu")
            CheckSystemMenuOpens(game);
        if (game && mode == "help")
            CheckHelpOpensAndCloses(game);
        if (game && mode == "close")
            Click(game, IDC_CLOSE);
        return failed == 0 ? 0 : 1;
    }
    HANDLE process = StartProgram(argc > 1 ? mode : "Veltro.exe");
    if (!process) {
        std::printf("FAILED: cannot start %s\nplay-through: 0 passed, 1 failed\n", argc > 1 ? mode.c_str() : "Veltro.exe");
        return 1;
    }
    WaitForInputIdle(process, 20000);
    if (HWND game = GameWindow()) {
        Check(WaitFor([&] { return ItemText(game, IDC_CLOCK).size() >= 3; }), "the deal clock ticks");
        // Whatever the hand, one number is no answer.
        const std::string verdict = Submit(game, "1");
        Check(verdict.rfind(TEXT_INVALID_HEADLINE " / ", 0) == 0, "an invalid answer is judged so, in a verdict that closes by itself", verdict);
        Click(game, IDC_CLOSE);
    }
    const long status = WaitForProgramEnd(process, 20000);
    Check(status == 0, "closing the window ends the process with 0", std::to_string(status));
    std::printf("play-through: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
