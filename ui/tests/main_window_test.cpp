#include "ui/tests/main_window_fixture.h"

#include <algorithm>

#include <uxtheme.h>

#include "checker/verdict.h"
#include "deal/dealing.h"
#include "ui/paint_cards.h"

static int CALLBACK CountFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM count)
{
    return ++*reinterpret_cast<int*>(count), 1;
}

// What the prefix's making gives Wine: Marlett, whose glyphs draw the caption buttons (else
// the close button is an "r"), and the visual style (else the controls draw in the classic look).
TEST(WinePrefix, HasMarlettAndWinesVisualStyle)
{
    LOGFONTA wanted = {0, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Marlett"};
    int faces = 0;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, CountFace, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_LT(0, faces) << "no font of the face Marlett is installed";
    EXPECT_TRUE(IsThemeActive()) << "no visual style is active";
}

// A character as a menu draws it: DrawTextW in the menu font, in a new DC's black on
// white, which Wine completes from a linked font where the face itself lacks the glyph.
static Picture DrawnInTheMenuFont(wchar_t character)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 64, 64);
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    SelectObject(memory, canvas);
    SelectObject(memory, font);
    PatBlt(memory, 0, 0, 64, 64, WHITENESS);
    RECT area = {0, 0, 64, 64};
    DrawTextW(memory, &character, 1, &area, DT_SINGLELINE | DT_NOPREFIX);
    Picture drawn = CopyPixels(memory, 0, 0, 64, 64);
    DeleteDC(memory);  // which lets go of the bitmap and the font, to be deleted then
    DeleteObject(font);
    DeleteObject(canvas);
    ReleaseDC(nullptr, screen);
    return drawn;
}

// The system menu's Help and About items read as the table writes them (GBK through the system's code page),
// their Chinese drawn as glyphs: Wine's menu font under code page 936, SimSun, is mapped to the CJK font.
TEST_F(MainWindowTest, SystemMenuDrawsTheChineseOfItsItems)
{
    std::wstring chinese;
    for (const auto& [item, table] : {std::make_pair(IDM_HELP, WIDE(TEXT_HELP_MENU_ITEM)),
                                      std::make_pair(IDM_ABOUT, WIDE(TEXT_ABOUT_MENU_ITEM))}) {
        wchar_t text[32] = L"";
        GetMenuStringW(GetSystemMenu(window, FALSE), static_cast<UINT>(item), text, 32, MF_BYCOMMAND);
        ASSERT_STREQ(table, text) << "system menu item " << item;
        for (const wchar_t* c = text; *c; ++c)
            if (*c > 0x7F)
                chinese += *c;
    }
    std::vector<Picture> drawn;
    for (wchar_t c : chinese)
        drawn.push_back(DrawnInTheMenuFont(c));
    const auto ink = [](const Picture& p) { return std::count(p.pixels.begin(), p.pixels.end(), 0xFFFFFFu) < p.width * p.height; };
    for (size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_TRUE(ink(drawn[i])) << "Chinese character " << i << " of the Help and About items is drawn as nothing";
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(drawn[j].pixels, drawn[i].pixels) << "Chinese characters " << j << " and " << i << " of the Help and About items are drawn alike: boxes";
    }
}

// A deal, the window's first or one of "发牌", shows four faces, an empty answer with the focus, an empty list,
// "显示结果" enabled, "提交" disabled until the answer holds text, the clock from 0; a repaint, the same faces.
TEST_F(MainWindowTest, DealShowsFourFacesAndStartsAfreshAsAtOpening)
{
    DealCustomHand({0, 0, 0, 0});  // no faces, which the window opened anew (a second start) must replace
    TearDown();
    SetUp();
    ExpectFreshDeal("opened", "");
    DealCustomHand({0, 0, 0, 0});
    TypeAnswer(" ");
    EXPECT_TRUE(Enabled(IDC_SUBMIT)) << "submit while the answer holds a space";
    Command(IDC_SHOW_RESULTS);
    dealClock = {5, 0};
    SetFocus(Item(IDC_DEAL));  // as the click on it does
    Command(IDC_DEAL);
    SendMessageA(window, WM_TIMER, IDT_CLOCK, 0);
    ExpectFreshDeal("dealt", "  0");
    const Hand dealt = Shown();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(dealt, Shown()) << "the hand a repaint shows";
    EXPECT_EQ(PixelOf(GetSysColor(COLOR_BTNFACE)), CaptureClient(window).At(3, 3)) << "the window's background";
}

// Each card is the millisecond clock's reading modulo 13, after sleeps of 0..13 ms: two deals in a
// row come out the same about once in 15,000, three hardly ever, a clock that never moved every time.
TEST_F(MainWindowTest, ThreeDealsInARowDoNotAllShowTheSameHand)
{
    std::vector<Hand> dealt;
    for (int deal = 0; deal < 3; ++deal) {
        Command(IDC_DEAL);
        dealt.push_back(Shown());
    }
    EXPECT_NE(3, std::count(dealt.begin(), dealt.end(), dealt[0]))
        << "three deals in a row all showed " << testing::PrintToString(dealt[0]);
}

// The verdict is the checker's on the first 29 characters. Wrong or invalid, the answer and the hand
// stay, a bad character selected; right, the next deal comes. Pasted: 10,000 keystrokes would be slow.
TEST_F(MainWindowTest, SubmitShowsTheVerdictOfTheFirst29CharactersAndDealsAgainWhenRight)
{
    const struct {
        Hand hand;
        std::string answer;
        int selected;  // the character selected, or -1: the selection is left alone
    } cases[] = {
        {{3, 3, 8, 8}, "8/(3-8/3)", -1},  // 24.0000057 in single precision
        {{3, 3, 8, 8}, "8/(3-3)*8", -1},
        {{3, 3, 8, 8}, "8*3 3 8", -1},  // 24, but no expression
        {{3, 3, 8, 8}, "8//3+3+8", 2},
        {{3, 3, 8, 8}, "*8+3", 0},
        {{3, 3, 8, 8}, "(8*3", -1},
        {{1, 2, 3, 4}, "1*2*3" + std::string(23, ' ') + "*4", -1},
        {{1, 2, 3, 4}, std::string(20, ' ') + "(1+2+3)*4" + std::string(10000, ' '), -1},  // right by its 29th
    };
    int rights = 0;
    for (const auto& c : cases) {
        DealCustomHand(c.hand);
        SetWindowTextA(Item(IDC_ANSWER), c.answer.c_str());
        const int end = static_cast<int>(c.answer.size());
        SendMessageA(Item(IDC_ANSWER), EM_SETSEL, static_cast<WPARAM>(end), end);
        Command(IDC_SHOW_RESULTS);
        const JudgedAnswer judged = JudgeAnswer(c.answer.c_str(), c.hand);
        const std::string expected = std::string(judged.verdict.headline) + " / " + judged.verdict.detail;
        const std::string answer = c.answer.substr(0, 30);  // for the messages
        EXPECT_EQ(BytesInHex(expected), BytesInHex(Submit())) << answer;
        if (judged.judgement == Judgement::Right) {
            EXPECT_EQ("", Text(IDC_ANSWER)) << answer << ": no new deal";
            EXPECT_EQ(0u, Lines().size()) << answer << ": no new deal";
            ++rights;
            continue;
        }
        EXPECT_EQ(c.answer, Text(IDC_ANSWER));
        EXPECT_EQ(c.hand, Shown()) << answer;
        EXPECT_EQ(c.selected < 0 ? std::make_pair(end, end) : std::make_pair(c.selected, c.selected + 1),
                  EditSelection(Item(IDC_ANSWER))) << answer;
    }
    EXPECT_EQ(1, rights) << "answers the checker judges right";
}

// Clicked, the button takes the focus before it is disabled: the focus goes on to the answer field.
TEST_F(MainWindowTest, ShowResultsListsEverySolutionSortedWithDuplicatesKept)
{
    const struct {
        Hand hand;
        size_t lines;
        size_t distinct;
        std::string oneOfThem;
    } cases[] = {
        {{12, 12, 1, 1}, 180, 45, "12-(1-12-1)"},
        {{3, 3, 8, 8}, 1, 1, TEXT_NO_SOLUTION},
    };
    for (const auto& c : cases) {
        DealCustomHand(c.hand);  // which enables the button again too
        HWND list = Item(IDC_SOLUTION_LIST), button = Item(IDC_SHOW_RESULTS);
        UpdateWindow(list);
        const Picture empty = CaptureClient(list);
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));  // which gives the button the focus
        SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(IDC_ANSWER, GetDlgCtrlID(GetFocus())) << "control that the player's next key goes to (0: none)";
        UpdateWindow(list);
        EXPECT_NE(empty.pixels, CaptureClient(list).pixels) << "the list not drawn once filled";
        std::vector<std::string> lines = Lines();
        ASSERT_EQ(c.lines, lines.size()) << c.oneOfThem;
        EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), c.oneOfThem)) << BytesInHex(c.oneOfThem);
        EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
            return lstrcmpiA(a.c_str(), b.c_str()) < 0;
        }));
        EXPECT_EQ(c.distinct, static_cast<size_t>(std::unique(lines.begin(), lines.end()) - lines.begin()))
            << "identical lines stand next to each other";
        EXPECT_FALSE(Enabled(IDC_SHOW_RESULTS));
    }
}

// About shows the program's icon, Help none; unanswered, a box stays through its loop's messages and a repaint.
TEST_F(MainWindowTest, HelpAndAboutOpenFromTheSystemMenuAndStayShownUntilOkOrEsc)
{
    for (WPARAM command : {IDM_HELP, IDM_ABOUT})
        for (int closeWith : {IDOK, IDCANCEL}) {
            bool icon = false, stayed = false, closed = false;
            EXPECT_TRUE(WhileModal([&] { SendMessageA(window, WM_SYSCOMMAND, command, 0); }, [&](HWND dialog) {
                for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                    icon = icon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
                PumpPendingMessages();
                RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
                stayed = IsWindowVisible(dialog) != FALSE;
                SendMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(closeWith), 0);
                closed = !IsWindowVisible(dialog);
            })) << "system menu command " << command;
            EXPECT_EQ(command == IDM_ABOUT, icon) << "system menu command " << command;
            EXPECT_TRUE(stayed) << "system menu command " << command << ": the box no longer shown before it was answered";
            EXPECT_TRUE(closed) << "system menu command " << command << ", closed with " << closeWith;
        }
}

// Without the clock's timer the deal clock could never count: no window (WinMain ends with 1).
TEST_F(MainWindowTest, IsNotMadeWhenItsClockCannotBeSet)
{
    TearDown();
    FailSetTimer(true);
    window = CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    FailSetTimer(false);
    EXPECT_EQ(nullptr, window) << "a main window whose clock's timer could not be set";
}
