#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ui/res/resource.h"
#include "driver/driver.h"
#include "ui/verdict_dialog.h"

namespace {

struct VerdictRun {
    INT_PTR result = 0;
    std::string headline;
    std::string detail;
    std::vector<LRESULT> barAfterTicks;  // the bar's position after each tick, while the dialog shows
};

// Shows the verdict and gives it timer ticks, Esc's IDCANCEL among them, until it ends.
VerdictRun RunVerdict(const VerdictText& verdict)
{
    VerdictRun run;
    EXPECT_TRUE(WhileModal([&] { run.result = ShowVerdict(nullptr, verdict); }, [&run](HWND dialog) {
        run.headline = ItemText(dialog, IDC_VERDICT_HEAD);
        run.detail = ItemText(dialog, IDC_VERDICT_DETAIL);
        for (int tick = 0; tick < 200 && IsWindowVisible(dialog); ++tick) {
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            SendMessageA(dialog, WM_TIMER, IDT_VERDICT, 0);
            run.barAfterTicks.push_back(SendDlgItemMessageA(dialog, IDC_VERDICT_BAR, PBM_GETPOS, 0, 0));
        }
    })) << "no verdict dialog, or one that its ticks did not end";
    return run;
}

// A line of 39 bytes shows whole; one left unterminated is cut there, though the
// fields lie next to each other and reading on past the first would show both.
TEST(VerdictDialog, ShowsEachLineUpTo39Bytes)
{
    constexpr char Longest[] = "你的答案不正确你的答案不正确你的答案不!";
    static_assert(sizeof Longest == 40, "39 bytes and the terminator");
    VerdictText whole = {"很遗憾！", {}}, unterminated;
    std::memcpy(whole.detail, Longest, sizeof Longest);
    std::memset(&unterminated, 'D', sizeof unterminated);
    const VerdictRun shown[] = {RunVerdict(whole), RunVerdict(unterminated)};
    EXPECT_EQ(BytesInHex("很遗憾！"), BytesInHex(shown[0].headline));
    EXPECT_EQ(BytesInHex(Longest), BytesInHex(shown[0].detail));
    EXPECT_EQ(std::string(39, 'D') + " / " + std::string(39, 'D'), shown[1].headline + " / " + shown[1].detail);
}

// Esc reaches the dialog as IDCANCEL, which does not end it.
TEST(VerdictDialog, EndsWithOneOnThe101stTickWithTheBarAt100)
{
    std::vector<LRESULT> positions;
    for (LRESULT position = 0; position <= 100; ++position)
        positions.push_back(position);
    VerdictRun run = RunVerdict(VerdictText{"祝贺你", "开始下一局..."});
    EXPECT_EQ(1, run.result);
    EXPECT_EQ(positions, run.barAfterTicks);
}

}  // namespace
