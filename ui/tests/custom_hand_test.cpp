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
    ASSERT_TRUE(ConfirmCustomHand({"1", "13", "0", "03"}));
    EXPECT_EQ((Hand{1, 13, 0, 3}), Shown()) << "0 shows no face";
    EXPECT_EQ("", Text(IDC_ANSWER));
    EXPECT_FALSE(Enabled(IDC_SUBMIT));
    EXPECT_EQ(0u, Lines().size());
    EXPECT_TRUE(Enabled(IDC_SHOW_RESULTS));
    EXPECT_EQ(0, dealClock.elapsed);
    EXPECT_EQ(Item(IDC_ANSWER), GetFocus());
}

TEST_F(CustomHandTest, CancelLeavesEverythingAsItWas)
{
    DealCustomHand({5, 6, 7, 8});
    TypeAnswer("5+6");
    ASSERT_TRUE(WithCustomHand([](HWND dialog) {
        TypeText(Field(dialog, 0), "1");
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ((Hand{5, 6, 7, 8}), Shown());
    EXPECT_EQ("5+6", Text(IDC_ANSWER));
}

// A refused field keeps the dialog open with its text selected (the edge tests paste them).
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

// Each step types into the text the step before left.
TEST_F(CustomHandTest, FieldTakesAtMostTwoDigitsByTyping)
{
    const struct {
        const char* typed;
        bool selectAllFirst;
        const char* shown;
    } steps[] = {
        {"a-1 .", false, "1"},  // non-digits dropped
        {"\b", false, ""},
        {"135a", false, "13"},  // a third digit beeps and is dropped
        {"7", true, "7"},       // a selection is replaced
    };
    std::vector<std::string> shown;
    ASSERT_TRUE(WithCustomHand([&](HWND dialog) {
        SetFocus(Field(dialog, 0));
        for (const auto& step : steps) {
            if (step.selectAllFirst)
                SendMessageA(Field(dialog, 0), EM_SETSEL, 0, -1);
            TypeText(Field(dialog, 0), step.typed);
            shown.push_back(ControlText(Field(dialog, 0)));
        }
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    ASSERT_EQ(std::size(steps), shown.size());
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(steps[i].shown, shown[i]) << "after typing <" << steps[i].typed << ">";
}

TEST_F(CustomHandTest, FocusComesBackToAFieldThatIsNoCardValue)
{
    const std::pair<const char*, bool> cases[] = {{"14", true}, {"05", true}, {"99", true},
                                                  {"0", false}, {"13", false}, {"", false}};
    for (const auto& [typed, kept] : cases) {
        const char* text = typed;  // a lambda cannot capture a structured binding
        HWND focus = nullptr, first = nullptr;
        std::pair<int, int> selection;
        ASSERT_TRUE(WithCustomHand([&](HWND dialog) {
            first = Field(dialog, 0);
            SetFocus(first);
            TypeText(first, text);
            SetFocus(Field(dialog, 1));
            focus = GetFocus();
            selection = EditSelection(first);
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }));
        EXPECT_EQ(kept, focus == first) << "left \"" << text << "\"";
        const int end = static_cast<int>(std::strlen(text));
        EXPECT_EQ(kept ? std::make_pair(0, 2) : std::make_pair(end, end), selection) << text;
    }
}
