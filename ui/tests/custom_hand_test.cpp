#include "ui/tests/main_window_fixture.h"

#include "common/deal.h"

namespace {

HWND Field(HWND dialog, int index)
{
    return GetDlgItem(dialog, IDC_CARD_FIELD_0 + index);
}

// Moves the focus to the field as a click or Tab would.
void Enter(HWND field)
{
    SetFocus(field);
}

void TypeFields(HWND dialog, const char* const texts[4])
{
    for (int i = 0; i < 4; ++i) {
        Enter(Field(dialog, i));
        TypeText(Field(dialog, i), texts[i]);
    }
}

}  // namespace

class CustomHandTest : public MainWindowTest {
protected:
    // Presses "自定义牌面" and runs the step while the dialog is open.
    bool OpenCustomHand(ModalScript::Step step)
    {
        ModalScript script(std::move(step));
        Command(IDC_CUSTOM_HAND);
        return script.Ran();
    }
};

TEST_F(CustomHandTest, ConfirmedHandIsWrittenAndTheDealRestarts)
{
    TypeAnswer("1+2");
    Command(IDC_SHOW_RESULTS);
    TickDealClock(window, 0);
    TickDealClock(window, 7);
    bool ran = OpenCustomHand([](HWND dialog) {
        const char* texts[4] = {"1", "13", "7", "10"};
        TypeFields(dialog, texts);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(ran);
    EXPECT_EQ((Hand{1, 13, 7, 10}), currentHand);
    EXPECT_EQ("", ItemText(IDC_ANSWER));
    EXPECT_FALSE(Enabled(IDC_SUBMIT));
    EXPECT_EQ(0, SendMessageA(Item(IDC_SOLUTION_LIST), LB_GETCOUNT, 0, 0));
    EXPECT_TRUE(Enabled(IDC_SHOW_RESULTS));
    EXPECT_EQ(0, dealClock.elapsed);
    EXPECT_EQ(Item(IDC_ANSWER), GetFocus());
}

TEST_F(CustomHandTest, ZeroIsAdmitted)
{
    ASSERT_TRUE(OpenCustomHand([](HWND dialog) {
        const char* texts[4] = {"0", "03", "12", "9"};
        TypeFields(dialog, texts);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    }));
    EXPECT_EQ((Hand{0, 3, 12, 9}), currentHand);
}

TEST_F(CustomHandTest, CancelLeavesEverythingAsItWas)
{
    currentHand = {5, 6, 7, 8};
    TypeAnswer("5+6");
    ASSERT_TRUE(OpenCustomHand([](HWND dialog) {
        const char* texts[4] = {"1", "2", "3", "4"};
        TypeFields(dialog, texts);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ((Hand{5, 6, 7, 8}), currentHand);
    EXPECT_EQ("5+6", ItemText(IDC_ANSWER));
}

TEST_F(CustomHandTest, OkWithAnEmptyFieldMovesTheFocusOnAndStaysOpen)
{
    currentHand = {5, 6, 7, 8};
    bool stayedOpen = false;
    HWND focusAfterOk = nullptr, expectedFocus = nullptr;
    ASSERT_TRUE(OpenCustomHand([&](HWND dialog) {
        Enter(Field(dialog, 0));
        TypeText(Field(dialog, 0), "4");
        expectedFocus = Field(dialog, 1);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        stayedOpen = IsWindowVisible(dialog) != FALSE;
        focusAfterOk = GetFocus();
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(expectedFocus, focusAfterOk);
    EXPECT_EQ((Hand{5, 6, 7, 8}), currentHand);
}

// The field that still has the focus has not been range-checked when OK comes.
TEST_F(CustomHandTest, OkWithAnOutOfRangeFieldKeepsTheDialogOpenOnThatField)
{
    currentHand = {5, 6, 7, 8};
    HWND offending = nullptr, focusAfterOk = nullptr;
    std::pair<int, int> selection;
    ASSERT_TRUE(OpenCustomHand([&](HWND dialog) {
        const char* texts[4] = {"1", "2", "3", "45"};
        TypeFields(dialog, texts);
        offending = Field(dialog, 3);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        focusAfterOk = GetFocus();
        selection = EditSelection(offending);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ(offending, focusAfterOk);
    EXPECT_EQ(std::make_pair(0, 2), selection);
    EXPECT_EQ((Hand{5, 6, 7, 8}), currentHand);
}

// Each step types into the text the step before left.
TEST_F(CustomHandTest, FieldTakesAtMostTwoDigitsByTyping)
{
    struct Typing {
        const char* typed;
        bool selectAllFirst;
        const char* shown;
    };
    const Typing steps[] = {
        {"a-1 .", false, "1"},  // non-digits dropped
        {"\b", false, ""},
        {"13", false, "13"},
        {"5", false, "13"},  // a third digit beeps and is dropped
        {"a", false, "13"},
        {"7", true, "7"},  // a selection is replaced
    };
    std::vector<std::string> shown;
    ASSERT_TRUE(OpenCustomHand([&](HWND dialog) {
        HWND field = Field(dialog, 0);
        Enter(field);
        for (const Typing& step : steps) {
            if (step.selectAllFirst)
                SendMessageA(field, EM_SETSEL, 0, -1);
            TypeText(field, step.typed);
            shown.push_back(ControlText(field));
        }
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    ASSERT_EQ(std::size(steps), shown.size());
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(steps[i].shown, shown[i]) << "after typing <" << steps[i].typed << ">";
}

TEST_F(CustomHandTest, FocusComesBackToAFieldThatIsNoCardValue)
{
    struct Leave {
        const char* text;
        bool kept;
    };
    const Leave cases[] = {{"14", true}, {"05", true}, {"20", true}, {"99", true},
                           {"0", false}, {"03", false}, {"13", false}, {"", false}};
    for (const Leave& c : cases) {
        HWND first = nullptr, focus = nullptr;
        std::pair<int, int> selection;
        ASSERT_TRUE(OpenCustomHand([&](HWND dialog) {
            first = Field(dialog, 0);
            Enter(first);
            TypeText(first, c.text);
            Enter(Field(dialog, 1));
            focus = GetFocus();
            selection = EditSelection(first);
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }));
        if (c.kept) {
            EXPECT_EQ(first, focus) << c.text;
            EXPECT_EQ(std::make_pair(0, 2), selection) << c.text;
        } else {
            EXPECT_NE(first, focus) << c.text;
        }
    }
}

TEST_F(CustomHandTest, PastedTextIsJudgedByItsFirstTwoCharacters)
{
    HWND first = nullptr, focus = nullptr;
    ASSERT_TRUE(OpenCustomHand([&](HWND dialog) {
        first = Field(dialog, 0);
        Enter(first);
        SetWindowTextA(first, "123");
        Enter(Field(dialog, 1));
        focus = GetFocus();
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_NE(first, focus) << "\"12\" stands for a card value";
}

class SystemMenuTest : public MainWindowTest {};

TEST_F(SystemMenuTest, HelpAndAboutOpenFromTheSystemMenuAndClose)
{
    struct Entry {
        WPARAM command;
        int closeWith;
    };
    const Entry entries[] = {{IDM_HELP, IDOK}, {IDM_ABOUT, IDCANCEL}, {IDM_HELP, IDCANCEL}, {IDM_ABOUT, IDOK}};
    for (const Entry& entry : entries) {
        bool closed = false;
        ModalScript script([&](HWND dialog) {
            SendMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(entry.closeWith), 0);
            closed = true;
        });
        SendMessageA(window, WM_SYSCOMMAND, entry.command, 0);
        EXPECT_TRUE(script.Ran()) << entry.command;
        EXPECT_TRUE(closed);
        EXPECT_EQ(nullptr, FindOpenDialog());
    }
}

TEST_F(SystemMenuTest, SystemMenuHoldsHelpAndAbout)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 3);
    char text[64] = "";
    GetMenuStringA(menu, IDM_HELP, text, sizeof text, MF_BYCOMMAND);
    EXPECT_EQ(BytesInHex("\xb0\xef\xd6\xfa(&H)..."), BytesInHex(text));
    GetMenuStringA(menu, IDM_ABOUT, text, sizeof text, MF_BYCOMMAND);
    EXPECT_EQ(BytesInHex("\xb9\xd8\xd3\xda(&A)..."), BytesInHex(text));
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUT), GetMenuItemID(menu, count - 1));
    EXPECT_EQ(static_cast<UINT>(IDM_HELP), GetMenuItemID(menu, count - 2));
}
