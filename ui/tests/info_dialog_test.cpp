#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/info_dialog.h"
#include "ui/program.h"
#include "ui/tests/control_text.h"

namespace {

// What a run of the Help or About box showed, recorded by the procedure that wraps it.
struct InfoRun {
    bool closeByOk = true;
    bool shown = false;
    int ticks = 0;
    std::vector<std::string> texts;  // of the controls but the icon
    bool hasIcon = false;
};

InfoRun* currentRun;
const UINT_PTR ScriptTimer = 99;
const int MaxTicks = 500;  // five seconds: a box that never shows or never closes fails rather than hangs

BOOL CALLBACK CollectControl(HWND control, LPARAM)
{
    if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        currentRun->hasIcon = SendMessageA(control, STM_GETICON, 0, 0) != 0;
    else
        currentRun->texts.push_back(ControlText(control));
    return TRUE;
}

// The dialog manager shows the box only when its loop is idle: act once it is on screen.
INT_PTR CALLBACK WatchedInfoDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetTimer(dialog, ScriptTimer, 10, nullptr);
    if (message != WM_TIMER || wParam != ScriptTimer)
        return InfoDialog(dialog, message, wParam, lParam);
    if (++currentRun->ticks == MaxTicks) {
        EndDialog(dialog, -1);
    } else if (!currentRun->shown && IsWindowVisible(dialog)) {
        currentRun->shown = true;
        EnumChildWindows(dialog, CollectControl, 0);
        if (currentRun->closeByOk)
            PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        else
            PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    return 1;
}

// Opens the named box as the system menu does and closes it as a player would.
INT_PTR OpenInfo(const char* name, InfoRun& run)
{
    currentRun = &run;
    return DialogBoxParamA(programInstance, name, nullptr, WatchedInfoDialog, 0);
}

TEST(InfoDialog, ShowsTheTextsAndTheIconOfItsTemplate)
{
    const struct {
        const char* name;
        std::vector<std::string> texts;
        bool hasIcon;
    } cases[] = {
        {"help", {"确定", "一个简单的Veltro,相信不用什么说明便可上手,需要指出的是底部不断变化的数字代表本轮所用时间,单位是秒"}, false},
        {"about", {"确定", "Veltro", "如果你喜欢这个软件，请告诉我，veltro@example.org，谢谢支持！"}, true},
    };
    for (const auto& c : cases) {
        InfoRun run;
        EXPECT_EQ(1, OpenInfo(c.name, run)) << c.name;
        EXPECT_EQ(c.texts, run.texts) << c.name;
        EXPECT_EQ(c.hasIcon, run.hasIcon) << c.name << ": icon 136";
    }
}

TEST(InfoDialog, ClosesByOkAndByEscapeAnyNumberOfTimes)
{
    for (int round = 0; round < 3; ++round)
        for (const char* name : {"help", "about"})
            for (bool closeByOk : {true, false}) {
                InfoRun run;
                run.closeByOk = closeByOk;
                EXPECT_EQ(1, OpenInfo(name, run)) << name << (closeByOk ? " by OK" : " by Esc") << ", round " << round;
                EXPECT_TRUE(run.shown) << name << ", round " << round;
            }
}

}  // namespace
