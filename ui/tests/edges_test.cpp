#include "ui/tests/main_window_fixture.h"

namespace {

// Alt+Space's menu in a dialog: whether it opened, and whether its loop still waited once the dialog had ended.
struct MenuWatch {
    WNDPROC dialogProc = nullptr;
    bool opened = false;
    bool heldAfterEnd = false;
};
MenuWatch menuWatch;

LRESULT CALLBACK WatchMenu(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    menuWatch.opened |= message == WM_ENTERMENULOOP;
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && !IsWindowVisible(dialog)) {
        menuWatch.heldAfterEnd = true;
        EndMenu();  // so that a failing run still ends
    }
    return CallWindowProcA(menuWatch.dialogProc, dialog, message, wParam, lParam);
}

}  // namespace

using EdgesTest = MainWindowTest;

// What the field gives the game beyond ASCII, as pasted from a Chinese input method
// or anywhere: code page 936, a "?" for each UTF-16 unit it lacks (an emoji is two),
// and the first byte of a pair alone where the 29th byte cuts it, which the verdict
// shows as a "?" that takes the space after it. A character of two bytes is named whole.
TEST_F(EdgesTest, AnswerIsReadInCodePage936AndVerdictNamesATwoByteCharacterWhole)
{
    const struct {
        const wchar_t* answer;
        const char* detail;
    } cases[] = {{L"（1+2+3）*4", "（ 不能作为第一个字符"}, {L"4*（1+2+3）", "位置:2 原因:（ 不能跟在 * 后面"},
                 {L"丂+1+2+3+4", "丂 不能作为第一个字符"},  // a trail byte below 0x80
                 {L"1+\U0001F600", "位置:2 原因:? 不能跟在 + 后面"}, {L"1*2*3*4 é", "位置:8 原因:é 不能跟在   后面"},
                 {L"1*2*3*4\u20ac", "位置:7 原因:\x80 不能跟在 4 后面"}, {L"1*2*3*4\u00a0", "位置:7 原因:? 不能跟在 4 后面"},
                 {L"1*2*3*4                     中文", "位置:28 原因:?不能跟在   后面"}};  // the lead byte and its space
    for (const auto& c : cases) {
        TypeAnswer("");
        Paste(Item(IDC_ANSWER), c.answer);
        EXPECT_EQ(BytesInHex(TEXT_INVALID_HEADLINE " / " + std::string(c.detail)), BytesInHex(Submit())) << c.detail;
    }
}

// The verdict's timer runs on inside the menu's own loop and ends the dialog there.
TEST_F(EdgesTest, VerdictEndedUnderItsOpenMenuStillLeadsToTheNextDeal)
{
    const struct {
        const char* keys;
        WPARAM down, up;
        LPARAM altHeld;  // the context bit of a key message
    } cases[] = {{"Alt+Space", VK_SPACE, 0, 1 << 29}, {"F10", VK_F10, VK_F10, 0}, {"Alt", VK_MENU, VK_MENU, 1 << 29}};
    for (const auto& c : cases) {
        DealCustomHand({1, 2, 3, 4});
        TypeAnswer("(1+2+3)*4");
        menuWatch = MenuWatch{};
        ASSERT_TRUE(WhileModal([this] { Command(IDC_SUBMIT); }, [&c](HWND dialog) {
            menuWatch.dialogProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchMenu)));
            PostMessageA(dialog, WM_SYSKEYDOWN, c.down, c.altHeld);
            if (c.up)
                PostMessageA(dialog, WM_SYSKEYUP, c.up, c.altHeld | static_cast<LPARAM>(3u << 30));
        })) << c.keys;
        ASSERT_TRUE(menuWatch.opened) << c.keys << " opened no menu";
        EXPECT_FALSE(menuWatch.heldAfterEnd) << "the menu opened by " << c.keys << " held the keyboard after the verdict";
        EXPECT_EQ("", Text(IDC_ANSWER)) << c.keys << ": the next deal clears the answer";
    }
}
