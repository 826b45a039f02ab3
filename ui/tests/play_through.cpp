// Plays Veltro.exe from outside, as a second process: it starts the game, sends
// its controls the messages a player's clicks and keys send, reads back what the
// window shows and checks that closing it ends the process with 0.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "ui/res/resource.h"

namespace {

int passed = 0;
int failed = 0;

void Check(bool condition, const char* what, const std::string& actual = "")
{
    if (condition) {
        ++passed;
        std::printf("ok: %s\n", what);
    } else {
        ++failed;
        std::printf("FAILED: %s%s%s\n", what, actual.empty() ? "" : " -- actual: ", actual.c_str());
    }
    std::fflush(stdout);
}

// Another process's state can only be looked at, not waited for: poll it, briefly.
bool WaitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 500; ++i) {
        if (condition())
            return true;
        Sleep(20);
    }
    return false;
}

std::string Text(HWND window)
{
    char text[128] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

struct OwnedDialog {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<OwnedDialog*>(lParam);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && GetWindow(window, GW_OWNER) == search->owner &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND OpenDialogOf(HWND owner)
{
    OwnedDialog search = {owner, nullptr};
    EnumWindows(FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(HWND owner)
{
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = OpenDialogOf(owner)) != nullptr; });
    return dialog;
}

void Type(HWND control, const char* text)
{
    for (const char* c = text; *c; ++c)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void Click(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void ConfirmCustomHand(HWND game, const char* const values[4])
{
    Click(game, IDC_CUSTOM_HAND);
    HWND dialog = WaitForDialog(game);
    Check(dialog != nullptr, "custom hand dialog opens");
    if (!dialog)
        return;
    for (int i = 0; i < 4; ++i)
        Type(GetDlgItem(dialog, IDC_CARD_FIELD_0 + i), values[i]);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Check(WaitFor([&] { return !IsWindow(dialog); }), "custom hand dialog closes on OK");
}

// Submits the answer and returns the verdict dialog's two lines.
std::string Submit(HWND game, const char* answer)
{
    HWND field = GetDlgItem(game, IDC_ANSWER);
    SendMessageA(field, EM_SETSEL, 0, -1);
    SendMessageA(field, WM_CHAR, '\b', 1);
    Type(field, answer);
    Click(game, IDC_SUBMIT);
    HWND verdict = WaitForDialog(game);
    if (!verdict)
        return "(no verdict dialog)";
    std::string lines = Text(GetDlgItem(verdict, IDC_VERDICT_HEAD)) + " / " + Text(GetDlgItem(verdict, IDC_VERDICT_DETAIL));
    Check(WaitFor([&] { return !IsWindow(verdict); }), "verdict dialog closes by itself");
    return lines;
}

int ListCount(HWND game)
{
    return static_cast<int>(SendDlgItemMessageA(game, IDC_SOLUTION_LIST, LB_GETCOUNT, 0, 0));
}

}  // namespace

int main(int argc, char** argv)
{
    const char* program = argc > 1 ? argv[1] : "Veltro.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    char commandLine[MAX_PATH];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"", program);
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("FAILED: cannot start %s\n", program);
        return 1;
    }
    WaitForInputIdle(process.hProcess, 20000);
    HWND game = nullptr;
    Check(WaitFor([&] { return (game = FindWindowA("vlx", "Veltro")) != nullptr; }), "the game window opens");

    if (game) {
        Check(!IsWindowEnabled(GetDlgItem(game, IDC_SUBMIT)), "submit starts disabled");
        Check(WaitFor([&] { return Text(GetDlgItem(game, IDC_CLOCK)).size() >= 3; }), "the deal clock ticks");

        const char* const values[4] = {"1", "2", "3", "4"};
        ConfirmCustomHand(game, values);

        std::string verdict = Submit(game, "1+2+3+4");
        Check(verdict == "\xba\xdc\xd2\xc5\xba\xb6\xa3\xa1 / \xc4\xe3\xb5\xc4\xb4\xf0\xb0\xb8\xb2\xbb\xd5\xfd\xc8\xb7",
              "a wrong answer is judged wrong", verdict);
        Check(Text(GetDlgItem(game, IDC_ANSWER)) == "1+2+3+4", "a wrong answer stays in the field");

        verdict = Submit(game, "1+2+3+a");
        Check(verdict.find("\xb2\xbb\xca\xc7\xba\xcf\xb7\xa8") == 0, "an invalid answer names its fault", verdict);

        Click(game, IDC_SHOW_RESULTS);
        Check(WaitFor([&] { return ListCount(game) == 80; }), "show results lists the 80 solutions of 1 2 3 4",
              std::to_string(ListCount(game)));
        Check(!IsWindowEnabled(GetDlgItem(game, IDC_SHOW_RESULTS)), "show results is disabled afterwards");

        verdict = Submit(game, "(1+2+3)*4");
        Check(verdict == "\xd7\xa3\xba\xd8\xc4\xe3 / \xbf\xaa\xca\xbc\xcf\xc2\xd2\xbb\xbe\xd6...",
              "a right answer is congratulated", verdict);
        Check(WaitFor([&] { return Text(GetDlgItem(game, IDC_ANSWER)).empty() && ListCount(game) == 0; }),
              "a right answer is followed by a new deal");

        Click(game, IDC_CLOSE);
    }

    DWORD exitCode = 1;
    bool ended = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    Check(ended && exitCode == 0, "closing the window ends the process with 0", std::to_string(exitCode));
    if (!ended)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    std::printf("play-through: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
