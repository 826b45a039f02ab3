#include "ui/tests/main_window_fixture.h"

#include <commctrl.h>

#include <cstring>
#include <numeric>

#include "ui/verdict_dialog.h"

namespace {

// Esc's IDCANCEL does not end it. A line of 39 bytes shows whole; one left unterminated is cut
// there, though reading on past the first of the adjacent fields would show both.
TEST(VerdictDialog, ShowsItsLinesUpTo39BytesAndEndsWithOneOnThe101stTickWithTheBarAt100)
{
    constexpr char Longest[] = "你的答案不正确你的答案不正确你的答案不!";
    static_assert(sizeof Longest == 40, "39 bytes and the terminator");
    VerdictText whole = {TEXT_WRONG_HEADLINE, {}}, unterminated;
    std::memcpy(whole.detail, Longest, sizeof Longest);
    std::memset(&unterminated, 'D', sizeof unterminated);
    const VerdictRun shown[] = {RunVerdict([&] { return ShowVerdict(nullptr, whole); }),
                                RunVerdict([&] { return ShowVerdict(nullptr, unterminated); })};
    ASSERT_TRUE(shown[0].shown && shown[1].shown) << "no verdict dialog, or one that its ticks did not end";
    EXPECT_EQ(BytesInHex(TEXT_WRONG_HEADLINE " / " + std::string(Longest)), BytesInHex(shown[0].lines));
    EXPECT_EQ(std::string(39, 'D') + " / " + std::string(39, 'D'), shown[1].lines);
    std::vector<LRESULT> positions(101);
    std::iota(positions.begin(), positions.end(), 0);
    EXPECT_EQ(1, shown[0].result);
    EXPECT_EQ(positions, shown[0].barAfterTicks);
}

// Without its timer nothing would end the dialog: it waits, bar full, for Enter, Esc or Alt+F4, as after its last tick.
TEST(VerdictDialog, WithoutItsTimerShowsTheBarFullAndEndsByThePlayersKey)
{
    const struct {
        const char* key;
        UINT message;
        WPARAM wParam;
    } keys[] = {{"Enter", WM_COMMAND, IDOK}, {"Esc", WM_COMMAND, IDCANCEL}, {"Alt+F4", WM_SYSCOMMAND, SC_CLOSE}};
    FailSetTimer(true);
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
    FailSetTimer(false);
}

}  // namespace
