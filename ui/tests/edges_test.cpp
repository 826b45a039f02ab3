#include "ui/tests/main_window_fixture.h"

#include <cstring>

namespace {

// Alt+Space's menu in a dialog: whether it opened, and whether its loop still
// waited for the player once the dialog had ended (the dialog manager hides it).
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

class EdgesTest : public MainWindowTest {};

// Each text is pasted into the first field, which it leaves (its first two
// characters pass), and confirmed with 2 3 4 typed in the others.
TEST_F(EdgesTest, CustomHandTakesOnlyAWholeCardValueFromAPastedField)
{
    const struct {
        const char* pasted;
        int taken;  // the value the Hand receives, -1 for none
    } cases[] = {{"100", -1}, {"-1", -1}, {"1345", -1}, {"  7", -1}, {"014", -1}, {"1a", -1},
                 {"12", 12},  {"013", 13}, {"0", 0}};
    for (const auto& c : cases) {
        DealCustomHand({5, 6, 7, 8});
        int focus = 0;
        std::pair<int, int> selection;
        ASSERT_TRUE(WithCustomHand([&](HWND dialog) {
            for (int i = 0; i < 4; ++i) {
                HWND field = GetDlgItem(dialog, IDC_CARD_FIELD_0 + i);
                SetFocus(field);
                i == 0 ? Paste(field, c.pasted) : TypeText(field, std::to_string(i + 1).c_str());
            }
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            focus = GetDlgCtrlID(GetFocus());
            selection = EditSelection(GetDlgItem(dialog, IDC_CARD_FIELD_0));
            if (IsWindowVisible(dialog))  // kept open: the player gives up
                SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        })) << c.pasted;
        const bool taken = c.taken >= 0;
        EXPECT_EQ((taken ? Hand{c.taken, 2, 3, 4} : Hand{5, 6, 7, 8}), Shown()) << "pasted <" << c.pasted << ">";
        if (!taken) {
            EXPECT_EQ(IDC_CARD_FIELD_0, focus) << "pasted <" << c.pasted << ">: the focus goes back to it";
            EXPECT_EQ(std::make_pair(0, static_cast<int>(std::strlen(c.pasted))), selection) << c.pasted;
        }
    }
}

// A click on "显示结果" gives the button the focus before it is disabled.
TEST_F(EdgesTest, ShowResultsLeavesTheFocusInTheAnswerField)
{
    HWND button = Item(IDC_SHOW_RESULTS);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_FALSE(Enabled(IDC_SHOW_RESULTS)) << "the click showed the results";
    EXPECT_EQ(IDC_ANSWER, GetDlgCtrlID(GetFocus())) << "control that the player's next key goes to (0: none)";
}

// Pasted full-width brackets from a Chinese input method.
TEST_F(EdgesTest, VerdictNamesATwoByteCharacterWhole)
{
    const struct {
        const char* answer;
        const char* detail;
    } cases[] = {{"（1+2+3）*4", "（ 不能作为第一个字符"}, {"4*（1+2+3）", "位置:2 原因:（ 不能跟在 * 后面"},
                 {"丂+1+2+3+4", "丂 不能作为第一个字符"}};  // a trail byte below 0x80
    for (const auto& c : cases) {
        TypeAnswer("");
        Paste(Item(IDC_ANSWER), c.answer);
        EXPECT_EQ(BytesInHex(c.detail), BytesInHex(Submit().detail)) << c.answer;
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
