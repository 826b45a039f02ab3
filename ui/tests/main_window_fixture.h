#pragma once
// A real main window, created as WinMain creates it, for tests that drive it
// with the messages a player's actions send.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/main_window.h"
#include "ui/res/resource.h"
#include "ui/tests/modal_script.h"

struct Verdict {
    std::string headline;
    std::string detail;
    bool shown = false;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Item(int id) const { return GetDlgItem(window, id); }
    std::string ItemText(int id) const { return ControlText(Item(id)); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    void Command(int id) { SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0); }

    // Clears the answer field as a player would and types the text into it.
    void TypeAnswer(const char* text);

    // Presses "提交" and reads the verdict dialog that it opens; the dialog's
    // timer is then driven to its end at once.
    Verdict Submit();

    std::vector<std::string> ListLines() const;

    HWND window = nullptr;
};
