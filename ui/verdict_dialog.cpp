#include "ui/verdict_dialog.h"

#include <commctrl.h>

#include "ui/program.h"
#include "ui/res/resource.h"

static const UINT VerdictTimerPeriod = 10;
// Timer ticks after which the dialog ends; the bar shows tick - 1, up to 100.
static const int VerdictTicks = 101;

// Program-wide: only one verdict is open at a time, the dialog being modal.
static int verdictTicks;
static HWND verdictBar;
// Without its timer the dialog would never end by itself: the player ends it then.
static bool verdictUntimed;

// Shows at most 39 bytes of each line, even if a caller left a field unterminated.
static void ShowLine(HWND dialog, int id, const char (&line)[40])
{
    char shown[sizeof line];
    lstrcpynA(shown, line, sizeof shown);
    SetDlgItemTextA(dialog, id, shown);
}

static void StartVerdict(HWND dialog, const VerdictText* verdict)
{
    verdictUntimed = SetTimer(dialog, IDT_VERDICT, VerdictTimerPeriod, nullptr) == 0;
    verdictTicks = 0;
    ShowLine(dialog, IDC_VERDICT_HEAD, verdict->headline);
    ShowLine(dialog, IDC_VERDICT_DETAIL, verdict->detail);
    verdictBar = GetDlgItem(dialog, IDC_VERDICT_BAR);
    SendMessageA(verdictBar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    // A full bar tells the player there is nothing left to wait for.
    SendMessageA(verdictBar, PBM_SETPOS, verdictUntimed ? 100 : 0, 0);
}

static void AdvanceBar(HWND dialog)
{
    ++verdictTicks;
    SendMessageA(verdictBar, PBM_SETPOS, static_cast<WPARAM>(verdictTicks - 1), 0);
    if (verdictTicks == VerdictTicks) {
        // A menu the player opened (Alt+Space) would otherwise keep the keyboard, and the deal waiting, after the end.
        EndMenu();
        EndDialog(dialog, 1);
        KillTimer(dialog, IDT_VERDICT);
    }
}

static INT_PTR CALLBACK VerdictDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        StartVerdict(dialog, reinterpret_cast<const VerdictText*>(lParam));
        return 1;
    case WM_TIMER:
        AdvanceBar(dialog);
        return 1;
    case WM_COMMAND:
        // Enter, Esc or Alt+F4; with the last tick's result, so a right answer still brings the next deal.
        if (verdictUntimed && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            EndDialog(dialog, 1);
            return 1;
        }
        return 0;
    }
    return 0;
}

INT_PTR ShowVerdict(HWND owner, const VerdictText& verdict)
{
    return DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_VERDICT), owner, VerdictDialog,
                           reinterpret_cast<LPARAM>(&verdict));
}
