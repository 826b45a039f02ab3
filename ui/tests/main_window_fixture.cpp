#include "ui/tests/main_window_fixture.h"

#include <commctrl.h>

void MainWindowTest::SetUp()
{
    window = CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    ASSERT_NE(nullptr, window);
    PumpPendingMessages();
}

void MainWindowTest::TearDown()
{
    if (IsWindow(window))
        DestroyWindow(window);
    // WM_DESTROY posted WM_QUIT; left in the queue it would end the next test's dialogs.
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

void MainWindowTest::TypeAnswer(const char* text)
{
    HWND answer = Item(IDC_ANSWER);
    SendMessageA(answer, EM_SETSEL, 0, -1);
    SendMessageA(answer, WM_CHAR, '\b', 1);
    TypeText(answer, text);
}

Verdict MainWindowTest::Submit()
{
    Verdict verdict;
    ModalScript script([&verdict](HWND dialog) {
        verdict.shown = true;
        verdict.headline = DialogItemText(dialog, IDC_VERDICT_HEAD);
        verdict.detail = DialogItemText(dialog, IDC_VERDICT_DETAIL);
        HWND bar = GetDlgItem(dialog, IDC_VERDICT_BAR);
        for (int tick = 0; tick < 200 && SendMessageA(bar, PBM_GETPOS, 0, 0) < 100; ++tick)
            SendMessageA(dialog, WM_TIMER, 2, 0);
    });
    Command(IDC_SUBMIT);
    return verdict;
}

std::vector<std::string> MainWindowTest::ListLines() const
{
    std::vector<std::string> lines;
    HWND list = Item(IDC_SOLUTION_LIST);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char line[80] = "";
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines.push_back(line);
    }
    return lines;
}
