#pragma once
// A real main window, created as WinMain creates it, for tests that drive it
// with the messages a player's actions send.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/texts.h"
#include "ui/main_window.h"
#include "ui/res/resource.h"
#include "driver/driver.h"

// A rectangle as "(left, top)-(right, bottom)", for the tests' messages.
std::string Described(const RECT& r);

struct VerdictRun {  // what a verdict dialog showed and did, run until its timer's ticks end it
    bool shown = false;  // a dialog opened, and its ticks ended it
    INT_PTR result = 0;
    std::string lines;  // "headline / detail"
    std::vector<LRESULT> barAfterTicks;  // the bar's position after each tick, while the dialog shows
};

// Opens the verdict dialog by the call and gives it timer ticks, Esc's IDCANCEL before each, until it ends.
VerdictRun RunVerdict(const std::function<INT_PTR()>& open);

// While on, every SetTimer of the window code fails: under Wine a window's timer never does by itself.
void FailSetTimer(bool on);

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

    // Presses "提交" and reads the verdict it opens, "headline / detail", run to its end (or fails the test).
    std::string Submit();

    // Presses "自定义牌面" and runs the step in the open dialog; answers whether it ran.
    bool WithCustomHand(const std::function<void(HWND dialog)>& step);

    // Deals the hand as a player can: typed into the custom hand dialog.
    void DealCustomHand(const Hand& hand);

    // The hand the window shows: each square's value, 0 for no face.
    Hand Shown() const;

    // A fresh deal: four faces, an empty answer with the focus, an empty list, "显示结果" enabled, "提交"
    // disabled and the clock showing `clock`; `when` names it in the messages.
    void ExpectFreshDeal(const char* when, const char* clock);

    HWND window = nullptr;
};
