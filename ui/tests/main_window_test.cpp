#include "ui/tests/main_window_fixture.h"

#include <algorithm>
#include <cstring>

#include "common/deal.h"

namespace {

// The texts as GBK bytes, spelled out so that a wrong execution character set shows.
const std::string Congratulations = "\xd7\xa3\xba\xd8\xc4\xe3";                             // 祝贺你
const std::string NextDeal = "\xbf\xaa\xca\xbc\xcf\xc2\xd2\xbb\xbe\xd6...";               // 开始下一局...
const std::string Regret = "\xba\xdc\xd2\xc5\xba\xb6\xa3\xa1";                              // 很遗憾！
const std::string NotCorrect = "\xc4\xe3\xb5\xc4\xb4\xf0\xb0\xb8\xb2\xbb\xd5\xfd\xc8\xb7";  // 你的答案不正确
const std::string NotAnExpression =
    "\xb2\xbb\xca\xc7\xba\xcf\xb7\xa8\xb5\xc4\xb1\xed\xb4\xef\xca\xbd!";  // 不是合法的表达式!
const std::string NoSolution = "\xc3\xbb\xd3\xd0\xb4\xf0\xb0\xb8";         // 没有答案


}  // namespace

TEST_F(MainWindowTest, OpensWithDealtHandEmptyAnswerAndSubmitDisabled)
{
    for (int value : currentHand) {
        EXPECT_LE(1, value);
        EXPECT_GE(13, value);
    }
    EXPECT_EQ("", ItemText(IDC_ANSWER));
    EXPECT_EQ("", ItemText(IDC_CLOCK));
    EXPECT_FALSE(Enabled(IDC_SUBMIT));
    EXPECT_TRUE(Enabled(IDC_SHOW_RESULTS));
    EXPECT_EQ(Item(IDC_ANSWER), GetFocus());
}

TEST_F(MainWindowTest, SubmitIsEnabledExactlyWhileTheAnswerHoldsText)
{
    TypeAnswer(" ");
    EXPECT_TRUE(Enabled(IDC_SUBMIT));
    SendMessageA(Item(IDC_ANSWER), WM_CHAR, '\b', 1);
    EXPECT_FALSE(Enabled(IDC_SUBMIT));
    TypeAnswer("1+2");
    EXPECT_TRUE(Enabled(IDC_SUBMIT));
}

// Each tick adds the seconds since the one before, modulo a minute, so a late
// tick and the minute's wrap both count right.
TEST_F(MainWindowTest, ClockShowsTheSecondsOfTheDealInAtLeastThreeCharacters)
{
    struct Tick {
        int second;
        const char* shown;
    };
    const Tick ticks[] = {{50, "  0"}, {59, "  9"}, {0, " 10"}, {1, " 11"}, {4, " 14"}};
    ResetDealClock();
    for (const Tick& tick : ticks) {
        TickDealClock(window, tick.second);
        EXPECT_EQ(tick.shown, ItemText(IDC_CLOCK)) << "after the tick at second " << tick.second;
    }
    dealClock.elapsed = 998;
    TickDealClock(window, 5);
    EXPECT_EQ("999", ItemText(IDC_CLOCK));
    TickDealClock(window, 6);
    EXPECT_EQ("1000", ItemText(IDC_CLOCK));
}

TEST_F(MainWindowTest, TimerMessageShowsTheDealClock)
{
    ResetDealClock();
    SendMessageA(window, WM_TIMER, 1, 0);
    EXPECT_EQ("  0", ItemText(IDC_CLOCK));
}

TEST_F(MainWindowTest, DealEmptiesAnswerAndListAndRestartsTheClock)
{
    TypeAnswer("1+2");
    Command(IDC_SHOW_RESULTS);
    ResetDealClock();
    TickDealClock(window, 0);
    TickDealClock(window, 5);
    ASSERT_EQ("  5", ItemText(IDC_CLOCK));

    Command(IDC_DEAL);

    EXPECT_EQ("", ItemText(IDC_ANSWER));
    EXPECT_FALSE(Enabled(IDC_SUBMIT));
    EXPECT_EQ(0, SendMessageA(Item(IDC_SOLUTION_LIST), LB_GETCOUNT, 0, 0));
    EXPECT_TRUE(Enabled(IDC_SHOW_RESULTS));
    EXPECT_EQ(Item(IDC_ANSWER), GetFocus());
    TickDealClock(window, 40);
    EXPECT_EQ("  0", ItemText(IDC_CLOCK));
}

struct SubmitCase {
    const char* answer;
    std::string headline;
    std::string detail;
    int selectionStart;  // -1: the selection is left alone
};

TEST_F(MainWindowTest, SubmitShowsTheVerdictAndSelectsABadCharacter)
{
    const SubmitCase cases[] = {
        {"8/(3-8/3)", Regret, NotCorrect, -1},  // 24.0000057 in single precision
        {"8+8+3+3", Regret, NotCorrect, -1},
        {"8/(3-3)*8", Regret, NotCorrect, -1},
        {"8//3+3+8", NotAnExpression, "位置:2 原因:/ 不能跟在 / 后面", 2},
        {"8(3", NotAnExpression, "位置:1 原因:( 不能跟在 8 后面", 1},
        {"*8+3", NotAnExpression, "* 不能作为第一个字符", 0},
        {"8*3+", NotAnExpression, "+ 不能作为最后一个字符", -1},
        {"(8*3", NotAnExpression, "括号不匹配!", -1},
        {"8*3", NotAnExpression, "数字个数不符合要求!", -1},
        {"8+3+1+1", NotAnExpression, "指定的数字没有使用!", -1},
    };
    for (const SubmitCase& c : cases) {
        currentHand = {3, 3, 8, 8};
        TypeAnswer(c.answer);
        SendMessageA(Item(IDC_ANSWER), EM_SETSEL, 20, 20);

        Verdict verdict = Submit();

        ASSERT_TRUE(verdict.shown) << c.answer;
        EXPECT_EQ(BytesInHex(c.headline), BytesInHex(verdict.headline)) << c.answer;
        EXPECT_EQ(BytesInHex(c.detail), BytesInHex(verdict.detail)) << c.answer;
        EXPECT_EQ(c.answer, ItemText(IDC_ANSWER));
        EXPECT_TRUE(Enabled(IDC_SUBMIT)) << c.answer;
        EXPECT_EQ((Hand{3, 3, 8, 8}), currentHand) << c.answer;
        int end = static_cast<int>(std::strlen(c.answer));
        auto expected = c.selectionStart < 0 ? std::make_pair(end, end)
                                             : std::make_pair(c.selectionStart, c.selectionStart + 1);
        EXPECT_EQ(expected, EditSelection(Item(IDC_ANSWER))) << c.answer;
    }
}

TEST_F(MainWindowTest, RightAnswerCongratulatesAndDealsAgain)
{
    currentHand = {1, 2, 3, 4};
    TypeAnswer("(1+2+3)*4");
    Command(IDC_SHOW_RESULTS);

    Verdict verdict = Submit();

    EXPECT_EQ(BytesInHex(Congratulations), BytesInHex(verdict.headline));
    EXPECT_EQ(BytesInHex(NextDeal), BytesInHex(verdict.detail));
    EXPECT_EQ("", ItemText(IDC_ANSWER));
    EXPECT_FALSE(Enabled(IDC_SUBMIT));
    EXPECT_TRUE(Enabled(IDC_SHOW_RESULTS));
    EXPECT_EQ(0, SendMessageA(Item(IDC_SOLUTION_LIST), LB_GETCOUNT, 0, 0));
    EXPECT_EQ(NoReading, dealClock.lastSecond);
}

TEST_F(MainWindowTest, AnswerIsJudgedByItsFirst29Characters)
{
    currentHand = {1, 2, 3, 4};
    // Twenty-two spaces fill the text to 29 characters; the fault lies beyond.
    TypeAnswer("1*2*3*4                      +a");
    EXPECT_EQ(BytesInHex(Congratulations), BytesInHex(Submit().headline));

    // Pasted rather than typed: 10,000 keystrokes would only slow the test.
    for (size_t length : {30, 100, 10000}) {
        currentHand = {1, 2, 3, 4};
        std::string longAnswer(length, '?');
        longAnswer.replace(0, 29, "(1+2+3)*4                    ");
        SetWindowTextA(Item(IDC_ANSWER), longAnswer.c_str());
        EXPECT_EQ(BytesInHex(Congratulations), BytesInHex(Submit().headline)) << length << " characters";
    }

    currentHand = {1, 2, 3, 4};
    TypeAnswer("1*2*3                       *4");
    Verdict verdict = Submit();
    EXPECT_EQ(BytesInHex(NotAnExpression), BytesInHex(verdict.headline));
    EXPECT_EQ("* 不能作为最后一个字符", verdict.detail);
}

TEST_F(MainWindowTest, EnterInTheAnswerFieldDoesNotSubmit)
{
    currentHand = {1, 2, 3, 4};
    TypeAnswer("(1+2+3)*4");
    HWND answer = Item(IDC_ANSWER);
    PostMessageA(answer, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(answer, WM_KEYUP, VK_RETURN, 0xC0000001);
    PumpPendingMessages();
    EXPECT_EQ(nullptr, FindOpenDialog());
    EXPECT_EQ("(1+2+3)*4", ItemText(IDC_ANSWER));
    EXPECT_EQ((Hand{1, 2, 3, 4}), currentHand);
}

struct ListCase {
    Hand hand;
    size_t lines;
    size_t distinct;
    std::string oneOfThem;
};

TEST_F(MainWindowTest, ShowResultsListsEverySolutionSortedWithDuplicatesKept)
{
    const ListCase cases[] = {
        {{1, 2, 3, 4}, 80, 80, "2/(1/3/4)"},
        {{6, 6, 6, 6}, 72, 3, "6*6-(6+6)"},
        {{12, 12, 1, 1}, 180, 45, "12-(1-12-1)"},
        {{4, 4, 10, 10}, 4, 1, "(10*10-4)/4"},
        {{3, 3, 8, 8}, 1, 1, NoSolution},
        {{1, 1, 1, 1}, 1, 1, NoSolution},
    };
    for (const ListCase& c : cases) {
        // A deal first: the button stays disabled after a show until the next deal.
        Command(IDC_DEAL);
        currentHand = c.hand;
        Command(IDC_SHOW_RESULTS);

        std::vector<std::string> lines = ListLines();
        ASSERT_EQ(c.lines, lines.size()) << c.oneOfThem;
        EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), c.oneOfThem)) << BytesInHex(c.oneOfThem);
        for (size_t i = 1; i < lines.size(); ++i)
            EXPECT_LE(lstrcmpiA(lines[i - 1].c_str(), lines[i].c_str()), 0) << lines[i - 1] << " before " << lines[i];
        std::vector<std::string> blocks = lines;
        blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
        EXPECT_EQ(c.distinct, blocks.size()) << "identical lines stand next to each other";
        EXPECT_FALSE(Enabled(IDC_SHOW_RESULTS));
    }
}

TEST_F(MainWindowTest, CloseEndsTheMessageLoopWithZero)
{
    Command(IDC_CLOSE);
    EXPECT_FALSE(IsWindow(window));
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, quit.wParam);
}
