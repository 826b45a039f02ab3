#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "checker/verdict.h"
#include "ui/program.h"
#include "ui/res/resource.h"
#include "ui/tests/control_text.h"
#include "ui/verdict_dialog.h"

namespace {

// What a run of the verdict dialog showed, recorded by the procedure that wraps it.
struct VerdictRun {
    bool pressEscape = false;
    std::string headline;
    std::string detail;
    LRESULT barMaximum = -1;
    std::vector<LRESULT> barPositions;  // after each tick
    int cancelCommands = 0;
};

VerdictRun* currentRun;
const UINT_PTR Watchdog = 99;  // ends a dialog that never ends by itself, so the run fails rather than hangs

// WM_APP, posted at initialisation, reads the dialog once its loop runs.
INT_PTR CALLBACK WatchedVerdictDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        PostMessageA(dialog, WM_APP, 0, 0);
        SetTimer(dialog, Watchdog, 20000, nullptr);
        break;
    case WM_APP:
        currentRun->headline = ControlText(GetDlgItem(dialog, IDC_VERDICT_HEAD));
        currentRun->detail = ControlText(GetDlgItem(dialog, IDC_VERDICT_DETAIL));
        currentRun->barMaximum = SendDlgItemMessageA(dialog, IDC_VERDICT_BAR, PBM_GETRANGE, FALSE, 0);
        if (currentRun->pressEscape)
            PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        return 1;
    case WM_COMMAND:
        currentRun->cancelCommands += LOWORD(wParam) == IDCANCEL ? 1 : 0;
        break;
    case WM_TIMER: {
        if (wParam == Watchdog) {
            EndDialog(dialog, -1);
            return 1;
        }
        const INT_PTR result = VerdictDialog(dialog, message, wParam, lParam);
        currentRun->barPositions.push_back(SendDlgItemMessageA(dialog, IDC_VERDICT_BAR, PBM_GETPOS, 0, 0));
        return result;
    }
    }
    return VerdictDialog(dialog, message, wParam, lParam);
}

INT_PTR ShowVerdict(VerdictRun& run, const VerdictText& verdict)
{
    currentRun = &run;
    return DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_VERDICT), nullptr, WatchedVerdictDialog,
                           reinterpret_cast<LPARAM>(&verdict));
}

TEST(VerdictDialog, ShowsTheHeadlineAndA39ByteDetailWhole)
{
    const char detail[] = "你的答案不正确你的答案不正确你的答案不!";
    static_assert(sizeof detail == 40, "39 bytes and the terminator");
    VerdictText verdict = {"很遗憾！", {}};
    std::memcpy(verdict.detail, detail, sizeof detail);
    VerdictRun run;
    ShowVerdict(run, verdict);
    EXPECT_EQ(BytesInHex("很遗憾！"), BytesInHex(run.headline));
    EXPECT_EQ(BytesInHex(detail), BytesInHex(run.detail));
}

// The fields lie next to each other: reading on past the first would show both.
TEST(VerdictDialog, CutsAnUnterminatedLineAt39Bytes)
{
    VerdictText verdict;
    std::memset(verdict.headline, 'H', sizeof verdict.headline);
    std::memset(verdict.detail, 'D', sizeof verdict.detail);
    VerdictRun run;
    ShowVerdict(run, verdict);
    EXPECT_EQ(std::string(39, 'H'), run.headline);
    EXPECT_EQ(std::string(39, 'D'), run.detail);
}

// Esc reaches the dialog as IDCANCEL, which does not end it.
TEST(VerdictDialog, EndsOnlyOnThe101stTickWithTheBarAt100)
{
    std::vector<LRESULT> positions;
    for (LRESULT position = 0; position <= 100; ++position)
        positions.push_back(position);
    for (bool pressEscape : {false, true}) {
        VerdictRun run;
        run.pressEscape = pressEscape;
        EXPECT_EQ(1, ShowVerdict(run, VerdictText{"祝贺你", "开始下一局..."})) << "Esc " << pressEscape;
        EXPECT_EQ(100, run.barMaximum) << "top of the bar's range";
        EXPECT_EQ(positions, run.barPositions) << "one position per tick; Esc " << pressEscape;
        EXPECT_EQ(pressEscape ? 1 : 0, run.cancelCommands);
    }
}

}  // namespace
