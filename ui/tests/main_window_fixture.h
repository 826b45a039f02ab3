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

    // Presses "提交" and reads the verdict dialog it opens, "headline / detail", whose bar
    // is then run to its end; a failure of the test when there is none or it does not end.
    std::string Submit();

    // Presses "自定义牌面" and runs the step in the open dialog; answers whether it ran.
    bool WithCustomHand(const std::function<void(HWND dialog)>& step);

    // Types the four texts into the custom hand's fields, each entered as a click would, and presses OK.
    bool ConfirmCustomHand(const std::vector<std::string>& texts) { return ::ConfirmCustomHand(window, texts); }

    // Deals the hand as a player can: typed into the custom hand dialog.
    void DealCustomHand(const Hand& hand);

    // The hand the window shows: each square's value, 0 for no face.
    Hand Shown() const;

    HWND window = nullptr;
};
