#pragma once
// A real main window, created as WinMain creates it, for tests that drive it
// with the messages a player's actions send.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/main_window.h"
#include "ui/res/resource.h"
#include "tools/driver/driver.h"

// The program's texts as GBK bytes, spelled out so that a wrong execution character set shows.
namespace Gbk {
const std::string Congratulations = "\xd7\xa3\xba\xd8\xc4\xe3";                             // 祝贺你
const std::string NextDeal = "\xbf\xaa\xca\xbc\xcf\xc2\xd2\xbb\xbe\xd6...";               // 开始下一局...
const std::string Regret = "\xba\xdc\xd2\xc5\xba\xb6\xa3\xa1";                              // 很遗憾！
const std::string NotCorrect = "\xc4\xe3\xb5\xc4\xb4\xf0\xb0\xb8\xb2\xbb\xd5\xfd\xc8\xb7";  // 你的答案不正确
const std::string NotAnExpression = "\xb2\xbb\xca\xc7\xba\xcf\xb7\xa8\xb5\xc4\xb1\xed\xb4\xef\xca\xbd!";  // 不是合法的表达式!
const std::string NoSolution = "\xc3\xbb\xd3\xd0\xb4\xf0\xb0\xb8";                          // 没有答案
}  // namespace Gbk

struct Verdict {
    std::string headline;  // empty when no verdict showed
    std::string detail;
};

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Item(int id) const { return GetDlgItem(window, id); }
    std::string Text(int id) const { return ItemText(window, id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    void Command(int id) { SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0); }
    std::vector<std::string> Lines() const { return ListLines(Item(IDC_SOLUTION_LIST)); }

    // Clears the answer field as a player would and types the text into it.
    void TypeAnswer(const char* text);

    // Presses "提交" and reads the verdict dialog it opens, whose bar is then run to
    // its end; a failure of the test when there is none or it does not end.
    Verdict Submit();

    // Presses "自定义牌面" and runs the step in the open dialog; answers whether it ran.
    bool WithCustomHand(const std::function<void(HWND dialog)>& step);

    // Types the four texts into the custom hand's fields, each entered as a click would, and presses OK.
    bool ConfirmCustomHand(const std::vector<std::string>& texts);

    HWND window = nullptr;
};
