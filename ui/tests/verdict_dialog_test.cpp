#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/texts.h"
#include "ui/res/resource.h"
#include "driver/driver.h"
#include "ui/verdict_dialog.h"

namespace {

struct VerdictRun {
    INT_PTR result = 0;
    std::string lines;  // "headline / detail"
    std::vector<LRESULT> barAfterTicks;  // the bar's position after each tick, while the dialog shows
};

// Shows the verdict and gives it timer ticks, Esc's IDCANCEL among them, until it ends.
VerdictRun RunVerdict(const VerdictText& verdict)
{
    VerdictRun run;
    EXPECT_TRUE(WhileModal([&] { run.result = ShowVerdict(nullptr, verdict); }, [&run](HWND dialog) {
        run.lines = ItemText(dialog, IDC_VERDICT_HEAD) + " / " + ItemText(dialog, IDC_VERDICT_DETAIL);
        for (int tick = 0; tick < 200 && IsWindowVisible(dialog); ++tick) {
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            SendMessageA(dialog, WM_TIMER, IDT_VERDICT, 0);
            run.barAfterTicks.push_back(SendDlgItemMessageA(dialog, IDC_VERDICT_BAR, PBM_GETPOS, 0, 0));
        }
    })) << "no verdict dialog, or one that its ticks did not end";
    return run;
}

// Esc reaches the dialog as IDCANCEL, which does not end it. A line of 39 bytes shows
// whole; one left unterminated is cut there, though the fields lie next to each other
// and reading on past the first would show both.
TEST(VerdictDialog, ShowsItsLinesUpTo39BytesAndEndsWithOneOnThe101stTickWithTheBarAt100)
{
    constexpr char Longest[] = "你的答案不正确你的答案不正确你的答案不!";
    static_assert(sizeof Longest == 40, "39 bytes and the terminator");
    VerdictText whole = {TEXT_WRONG_HEADLINE, {}}, unterminated;
    std::memcpy(whole.detail, Longest, sizeof Longest);
    std::memset(&unterminated, 'D', sizeof unterminated);
    const VerdictRun shown[] = {RunVerdict(whole), RunVerdict(unterminated)};
    EXPECT_EQ(BytesInHex(TEXT_WRONG_HEADLINE " / " + std::string(Longest)), BytesInHex(shown[0].lines));
    EXPECT_EQ(std::string(39, 'D') + " / " + std::string(39, 'D'), shown[1].lines);
    std::vector<LRESULT> positions;
    for (LRESULT position = 0; position <= 100; ++position)
        positions.push_back(position);
    EXPECT_EQ(1, shown[0].result);
    EXPECT_EQ(positions, shown[0].barAfterTicks);
}

UINT_PTR WINAPI FailingSetTimer(HWND, UINT_PTR, UINT, TIMERPROC)
{
    return 0;
}

// Without its timer nothing would ever end the dialog: it waits, its bar full, for
// the player's Enter, Esc or Alt+F4, and ends as after its last tick.
TEST(VerdictDialog, WithoutItsTimerShowsTheBarFullAndEndsByThePlayersKey)
{
    const struct {
        const char* key;
        UINT message;
        WPARAM wParam;
    } keys[] = {{"Enter", WM_COMMAND, IDOK}, {"Esc", WM_COMMAND, IDCANCEL}, {"Alt+F4", WM_SYSCOMMAND, SC_CLOSE}};
    verdictSetTimer = FailingSetTimer;
    for (const auto& k : keys) {
        INT_PTR result = 0;
        LRESULT bar = -1;
        const bool ended = WhileModal([&] { result = ShowVerdict(nullptr, VerdictText{TEXT_RIGHT_HEADLINE, TEXT_RIGHT_DETAIL}); },
                                      [&](HWND dialog) {
                                          bar = SendDlgItemMessageA(dialog, IDC_VERDICT_BAR, PBM_GETPOS, 0, 0);
                                          SendMessageA(dialog, k.message, k.wParam, 0);
                                      });
        EXPECT_TRUE(ended) << k.key << " did not end the dialog";
        EXPECT_EQ(1, result) << k.key;
        EXPECT_EQ(100, bar) << k.key;
    }
    verdictSetTimer = SetTimer;
}

}  // namespace
