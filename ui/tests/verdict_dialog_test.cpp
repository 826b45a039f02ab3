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
    int ticks = 0;
    std::vector<LRESULT> barPositions;
    LRESULT barMaximum = -1;  // PBM_GETRANGE answers the top of the range
    int cancelCommands = 0;
};

VerdictRun* currentRun;

// Forwards everything to VerdictDialog and watches; WM_APP is posted at
// initialisation and acts like the player once the dialog's loop runs.
INT_PTR CALLBACK WatchedVerdictDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        PostMessageA(dialog, WM_APP, 0, 0);
        break;
    case WM_APP:
        currentRun->headline = ControlText(GetDlgItem(dialog, IDC_VERDICT_HEAD));
        currentRun->detail = ControlText(GetDlgItem(dialog, IDC_VERDICT_DETAIL));
        currentRun->barMaximum = SendDlgItemMessageA(dialog, IDC_VERDICT_BAR, PBM_GETRANGE, FALSE, 0);
        if (currentRun->pressEscape)
            PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        return 1;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            ++currentRun->cancelCommands;
        break;
    case WM_TIMER: {
        ++currentRun->ticks;
        const INT_PTR result = VerdictDialog(dialog, message, wParam, lParam);
        currentRun->barPositions.push_back(SendDlgItemMessageA(dialog, IDC_VERDICT_BAR, PBM_GETPOS, 0, 0));
        return result;
    }
    }
    return VerdictDialog(dialog, message, wParam, lParam);
}

VerdictText MakeVerdict(const char* headline, const char* detail)
{
    VerdictText verdict = {};
    lstrcpynA(verdict.headline, headline, sizeof verdict.headline);
    lstrcpynA(verdict.detail, detail, sizeof verdict.detail);
    return verdict;
}

INT_PTR ShowVerdict(VerdictRun& run, const VerdictText& verdict)
{
    currentRun = &run;
    return DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_VERDICT), nullptr, WatchedVerdictDialog,
                           reinterpret_cast<LPARAM>(&verdict));
}

TEST(VerdictDialog, ShowsTheHeadlineAndTheDetail)
{
    VerdictRun run;
    ShowVerdict(run, MakeVerdict("很遗憾！", "你的答案不正确"));
    EXPECT_EQ(BytesInHex("很遗憾！"), BytesInHex(run.headline));
    EXPECT_EQ(BytesInHex("你的答案不正确"), BytesInHex(run.detail));
}

TEST(VerdictDialog, ShowsA39ByteLineWhole)
{
    const char longest[] = "你的答案不正确你的答案不正确你的答案不!";
    static_assert(sizeof longest == 40, "39 bytes and the terminator");
    VerdictRun run;
    ShowVerdict(run, MakeVerdict(longest, longest));
    EXPECT_EQ(BytesInHex(longest), BytesInHex(run.headline));
    EXPECT_EQ(BytesInHex(longest), BytesInHex(run.detail));
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

TEST(VerdictDialog, EndsOnThe101stTickWithTheBarAt100)
{
    VerdictRun run;
    EXPECT_EQ(1, ShowVerdict(run, MakeVerdict("祝贺你", "开始下一局...")));
    EXPECT_EQ(100, run.barMaximum) << "top of the bar's range";
    EXPECT_EQ(101, run.ticks);
    std::vector<LRESULT> expected;
    for (int position = 0; position <= 100; ++position)
        expected.push_back(position);
    EXPECT_EQ(expected, run.barPositions);
}

TEST(VerdictDialog, IgnoresEscape)
{
    VerdictRun run;
    run.pressEscape = true;
    EXPECT_EQ(1, ShowVerdict(run, MakeVerdict("很遗憾！", "你的答案不正确")));
    EXPECT_EQ(1, run.cancelCommands) << "Esc should reach the dialog as IDCANCEL";
    EXPECT_EQ(101, run.ticks) << "the dialog should end only by its count";
    ASSERT_FALSE(run.barPositions.empty());
    EXPECT_EQ(100, run.barPositions.back());
}

}  // namespace
