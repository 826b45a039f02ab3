#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/info_dialog.h"
#include "ui/program.h"
#include "ui/tests/control_text.h"

namespace {

enum class Close { ByOk, ByEscape };

// What a run of the Help or About box showed, recorded by the procedure that wraps it.
struct InfoRun {
    Close close = Close::ByOk;
    INT_PTR result = 0;
    bool shown = false;
    std::vector<std::string> texts;
    bool hasIcon = false;
};

InfoRun* currentRun;
const UINT_PTR ScriptTimer = 99;
const int MaxWaits = 500;  // five seconds of 10 ms ticks, so that a box that never shows cannot hang the run
int waits;

BOOL CALLBACK CollectControl(HWND control, LPARAM lParam)
{
    auto run = reinterpret_cast<InfoRun*>(lParam);
    run->texts.push_back(ControlText(control));
    if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageA(control, STM_GETICON, 0, 0))
        run->hasIcon = true;
    return TRUE;
}

// Acts once the box is on screen: the dialog manager shows it only when its loop is idle.
void ReadAndClose(HWND dialog)
{
    if (!IsWindowVisible(dialog)) {
        if (++waits == MaxWaits)
            EndDialog(dialog, -1);
        return;
    }
    KillTimer(dialog, ScriptTimer);
    currentRun->shown = true;
    EnumChildWindows(dialog, CollectControl, reinterpret_cast<LPARAM>(currentRun));
    if (currentRun->close == Close::ByOk)
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    else
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

INT_PTR CALLBACK WatchedInfoDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        waits = 0;
        SetTimer(dialog, ScriptTimer, 10, nullptr);
    }
    if (message == WM_TIMER && wParam == ScriptTimer) {
        ReadAndClose(dialog);
        return 1;
    }
    return InfoDialog(dialog, message, wParam, lParam);
}

// Opens the named box as the system menu does and closes it as a player would.
InfoRun OpenInfo(const char* name, Close close)
{
    InfoRun run;
    run.close = close;
    currentRun = &run;
    run.result = DialogBoxParamA(programInstance, name, nullptr, WatchedInfoDialog, 0);
    return run;
}

TEST(InfoDialog, HelpShowsItsText)
{
    const InfoRun run = OpenInfo("help", Close::ByOk);
    ASSERT_TRUE(run.shown);
    ASSERT_EQ(2u, run.texts.size());
    EXPECT_EQ(BytesInHex("确定"), BytesInHex(run.texts[0]));
    EXPECT_EQ(BytesInHex("一个简单的Veltro,相信不用什么说明便可上手,需要指出的是底部不断变化的数字代表本轮所用时间,单位是秒"),
              BytesInHex(run.texts[1]));
}

TEST(InfoDialog, AboutShowsTheNameTheContactLineAndTheIcon)
{
    const InfoRun run = OpenInfo("about", Close::ByOk);
    ASSERT_TRUE(run.shown);
    ASSERT_EQ(4u, run.texts.size());
    EXPECT_EQ(BytesInHex("确定"), BytesInHex(run.texts[0]));
    EXPECT_EQ("Veltro", run.texts[1]);
    EXPECT_EQ(BytesInHex("如果你喜欢这个软件，请告诉我，veltro@example.org，谢谢支持！"), BytesInHex(run.texts[2]));
    EXPECT_TRUE(run.hasIcon) << "the About box shows icon 136";
}

TEST(InfoDialog, ClosesByOkAndByEscapeAnyNumberOfTimes)
{
    const char* const names[] = {"help", "about"};
    for (int round = 0; round < 3; ++round)
        for (const char* name : names)
            for (Close close : {Close::ByOk, Close::ByEscape}) {
                const InfoRun run = OpenInfo(name, close);
                EXPECT_TRUE(run.shown) << name << ", round " << round;
                EXPECT_EQ(1, run.result) << name << (close == Close::ByOk ? " by OK" : " by Esc") << ", round " << round;
            }
}

}  // namespace
