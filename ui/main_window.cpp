#include "ui/main_window.h"

#include <commctrl.h>

#include "checker/validate.h"
#include "checker/verdict.h"
#include "common/texts.h"
#include "deal/dealing.h"
#include "solver/solver.h"
#include "ui/custom_hand_dialog.h"
#include "ui/info_dialog.h"
#include "ui/paint_cards.h"
#include "ui/program.h"
#include "ui/res/resource.h"
#include "ui/solution_list_box.h"
#include "ui/verdict_dialog.h"

// The program's one Hand: dealt, typed in the custom hand dialog, painted, judged.
static Hand currentHand;

static LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Dealing's two system calls: the millisecond field of the system time, and a sleep.
static int SystemMilliseconds()
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    return now.wMilliseconds;
}

static void SleepMilliseconds(int milliseconds)
{
    Sleep(static_cast<DWORD>(milliseconds));
}

static const DealingCalls systemClock = {SystemMilliseconds, SleepMilliseconds};

static void RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VELTRO));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = MAIN_WINDOW_CLASS;
    RegisterClassA(&windowClass);
}

static void AppendHelpAboutItems(HWND window)
{
    HMENU systemMenu = GetSystemMenu(window, FALSE);
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_HELP, TEXT_HELP_MENU_ITEM);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, TEXT_ABOUT_MENU_ITEM);
}

HWND CreateMainWindow(HINSTANCE instance, int showCommand)
{
    programInstance = instance;
    RegisterMainWindowClass(instance);
    HWND window = CreateDialogParamA(instance, MAIN_WINDOW_CLASS, nullptr, nullptr, 0);
    if (!window)
        return nullptr;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    AppendHelpAboutItems(window);
    return window;
}

// Empties the field as the player's backspace would, so that it reports the change
// and "提交" is disabled by the field's own notification.
static void ClearAnswerField(HWND window)
{
    HWND answer = GetDlgItem(window, IDC_ANSWER);
    SendMessageA(answer, EM_SETSEL, 0, -1);
    SendMessageA(answer, WM_CHAR, '\b', 0);
}

static void OnTimer(HWND window)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char count[16];
    wsprintfA(count, "%3d", AdvanceDealClock(now.wSecond));
    SendDlgItemMessageA(window, IDC_CLOCK, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(count));
}

// False when the clock's timer cannot be set: the deal clock would never count, so
// the window is not made and the program ends.
static bool OnCreate(HWND window)
{
    DealHand(currentHand, systemClock);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    return SetTimer(window, IDT_CLOCK, 1000, nullptr) != 0;
}

static void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    PaintCards(window, currentHand);
    EndPaint(window, &paint);
}

static void OnSubmit(HWND window)
{
    char answer[MaxAnswerLength + 1];
    GetDlgItemTextA(window, IDC_ANSWER, answer, sizeof answer);
    JudgedAnswer judged = JudgeAnswer(answer, currentHand);
    if (CheckKind(judged.checkResult) == BadCharacter) {
        int position = CheckPosition(judged.checkResult);
        SendDlgItemMessageA(window, IDC_ANSWER, EM_SETSEL, position, position + 1);
    }
    ShowVerdict(window, judged.verdict);
    if (judged.judgement == Judgement::Right)
        SendMessageA(window, WM_COMMAND, IDC_DEAL, 0);
}

// A deal of the hand's new cards, whether dealt or typed by the player: the clock
// from 0, the faces, an empty answer and list, "显示结果" enabled.
static void StartDeal(HWND window)
{
    ResetDealClock();
    PaintCards(window, currentHand);
    ClearAnswerField(window);
    SendDlgItemMessageA(window, IDC_SOLUTION_LIST, LB_RESETCONTENT, 0, 0);
    EnableWindow(GetDlgItem(window, IDC_SHOW_RESULTS), TRUE);
}

// The focus goes on to the answer field (WM_SETFOCUS); after the custom hand it comes
// back there as the dialog ends.
static void OnDeal(HWND window)
{
    DealHand(currentHand, systemClock);
    StartDeal(window);
    SetFocus(window);
}

static void OnCustomHand(HWND window)
{
    if (AskCustomHand(window, currentHand))
        StartDeal(window);
}

static void OnShowResults(HWND window)
{
    Solver solver;
    solver.SetHand(currentHand);
    solver.Search();
    HWND list = GetDlgItem(window, IDC_SOLUTION_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    FillSolutionList(solver.solutions, list);
    HWND button = GetDlgItem(window, IDC_SHOW_RESULTS);
    // A disabled button that keeps the focus swallows every key the player types.
    if (GetFocus() == button)
        SetFocus(GetDlgItem(window, IDC_ANSWER));
    EnableWindow(button, FALSE);
}

static void OnAnswerChanged(HWND window, HWND answer)
{
    EnableWindow(GetDlgItem(window, IDC_SUBMIT), GetWindowTextLengthA(answer) > 0);
}

static void OnCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDC_SUBMIT:
        OnSubmit(window);
        break;
    case IDC_CUSTOM_HAND:
        OnCustomHand(window);
        break;
    case IDC_SHOW_RESULTS:
        OnShowResults(window);
        break;
    case IDC_DEAL:
        OnDeal(window);
        break;
    case IDC_CLOSE:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    case IDC_ANSWER:
        OnAnswerChanged(window, reinterpret_cast<HWND>(lParam));
        break;
    }
}

static LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDM_HELP:
        ShowHelp(window);
        break;
    case IDM_ABOUT:
        ShowAbout(window);
        break;
    }
    return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

static LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window) ? 0 : -1;
    case WM_DESTROY:
        KillTimer(window, IDT_CLOCK);
        PostQuitMessage(0);
        return 0;
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(window, IDC_ANSWER));
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_COMMAND:
        OnCommand(window, wParam, lParam);
        return 0;
    case WM_SYSCOMMAND:
        return OnSysCommand(window, wParam, lParam);
    case WM_TIMER:
        OnTimer(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
