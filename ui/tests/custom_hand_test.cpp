#include "ui/tests/main_window_fixture.h"

#include <cstring>

#include "deal/dealing.h"

namespace {

HWND Field(HWND dialog, int index)
{
    return GetDlgItem(dialog, IDC_CARD_FIELD_0 + index);
}

}  // namespace

using CustomHandTest = MainWindowTest;

TEST_F(CustomHandTest, ConfirmedHandIsWrittenAndTheDealRestarts)
{
    TypeAnswer("1+2");
    Command(IDC_SHOW_RESULTS);
    dealClock = {7, 0};
    ASSERT_TRUE(ConfirmCustomHand(window, {"1", "13", "10", "03"}));
    EXPECT_EQ((Hand{1, 13, 10, 3}), Shown());
    SendMessageA(window, WM_TIMER, IDT_CLOCK, 0);
    ExpectFreshDeal("custom hand confirmed", "  0");
}

// OK pressed in the empty field itself: the focus moves on from it, not back to it.
TEST_F(CustomHandTest, OkWithAnEmptyFieldMovesTheFocusOnAndStaysOpen)
{
    DealCustomHand({5, 6, 7, 8});
    int focused = -1;
    ASSERT_TRUE(WithCustomHand([&](HWND dialog) {
        SetFocus(Field(dialog, 0));
        TypeText(Field(dialog, 0), "4");
        SetFocus(Field(dialog, 1));
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        focused = IsWindowVisible(dialog) ? GetDlgCtrlID(GetFocus()) - IDC_CARD_FIELD_0 : -1;
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ(2, focused) << "the field with the focus after OK, counted from 0 (-1: the dialog ended)";
    EXPECT_EQ((Hand{5, 6, 7, 8}), Shown());
}

// A text typed key by key, or pasted, over the first field's selected text; leaving the
// field judges its first two characters, and OK, with 2 3 4 in the others, its whole text.
TEST_F(CustomHandTest, FieldTakesTwoDigitsIsLeftWithACardValueAndGivesTheHandOnlyAWholeOne)
{
    const struct {
        const char* text;
        bool pasted;
        const char* shown;
        bool keptOnLeaving;  // the focus comes back to it, its text selected
        int taken;           // the value the Hand receives; -1 for none: OK selects the field's text, Cancel leaves all as it was
    } cases[] = {
        {"a-1 .", false, "1", false, 1},  // non-digits dropped
        {"135", false, "13", false, 13},  // a third digit beeps and is dropped
        {"12\b\b9", false, "9", false, 9},
        {"14", false, "14", true, -1},
        {"0", false, "0", false, 0},
        {"100", true, "100", false, -1},
        {"  7", true, "  7", false, -1},
        {"014", true, "014", false, -1},
        {"1a", true, "1a", true, -1},
        {"013", true, "013", false, 13},
    };
    for (const auto& c : cases) {
        DealCustomHand({5, 6, 7, 8});
        TypeAnswer("5+6");
        std::string shown;
        bool kept = false;
        std::pair<int, int> leftWith, refusedWith;
        int focusAfterOk = 0;
        ASSERT_TRUE(WithCustomHand([&](HWND dialog) {
            HWND first = Field(dialog, 0);
            SetFocus(first);
            TypeText(first, "11");
            SendMessageA(first, EM_SETSEL, 0, -1);
            c.pasted ? Paste(first, c.text) : TypeText(first, c.text);
            shown = ControlText(first);
            SetFocus(Field(dialog, 1));
            kept = GetFocus() == first;
            leftWith = EditSelection(first);
            for (int i = 1; i < 4; ++i)
                TypeText(Field(dialog, i), std::to_string(i + 1).c_str());
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            focusAfterOk = GetDlgCtrlID(GetFocus());
            refusedWith = EditSelection(first);
            if (IsWindowVisible(dialog))  // kept open: the player gives up
                SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        })) << c.text;
        const std::string text = std::string(c.pasted ? "pasted <" : "typed <") + c.text + ">";
        const int length = static_cast<int>(std::strlen(c.shown));
        EXPECT_EQ(c.shown, shown) << text;
        EXPECT_EQ(c.keptOnLeaving, kept) << text << ": the focus kept on leaving";
        EXPECT_EQ(std::make_pair(c.keptOnLeaving ? 0 : length, length), leftWith) << text << ": the selection on leaving";
        EXPECT_EQ((c.taken >= 0 ? Hand{c.taken, 2, 3, 4} : Hand{5, 6, 7, 8}), Shown()) << text;
        if (c.taken < 0) {
            EXPECT_EQ(IDC_CARD_FIELD_0, focusAfterOk) << text << ": the focus after OK";
            EXPECT_EQ(std::make_pair(0, length), refusedWith) << text << ": the selection after OK";
            EXPECT_EQ("5+6", Text(IDC_ANSWER)) << text << ": the answer after Cancel";
        }
    }
}
