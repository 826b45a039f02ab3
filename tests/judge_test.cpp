// Judging an answer: its CheckResult (kind and position) and verdict lines, byte for byte;
// the evaluation's single-precision values, and its stop on what is not well-formed.

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

#include "checker/evaluate.h"
#include "checker/verdict.h"

namespace {

const Hand H1234 = {1, 2, 3, 4};
const std::string Right = "祝贺你 / 开始下一局...";
const std::string Wrong = "很遗憾！ / 你的答案不正确";
const std::string Invalid = "不是合法的表达式! / ";
const std::string NotWellFormed = "accepted, not well-formed";

// A CheckResult as a failure shows it: the kind's name and, for a bad character
// (or a position where none belongs), the position.
std::string CheckText(CheckResult result)
{
    const char* const kinds[] = {"accepted",    "BadCharacter",          "WrongNumberCount",
                                 "CardNotUsed", "UnbalancedParentheses", "BadLastCharacter"};
    const int kind = CheckKind(result), position = CheckPosition(result);
    return (kind < 6 ? kinds[kind] : "kind " + std::to_string(kind)) +
           (kind == BadCharacter || position != 0 ? " at " + std::to_string(position) : "");
}

// The two lines up to their first zero byte, as the dialog shows them.
std::string Shown(const char (&line)[VerdictLineBytes])
{
    return std::string(line, strnlen(line, sizeof line));
}

TEST(JudgeAnswer, GivesEachTextItsCheckResultAndVerdictLines)
{
    const struct {
        Hand hand;
        std::string text, check, verdict;
    } cases[] = {
        {H1234, "(1+2+3)*4", "accepted", Right}, {H1234, " 4*3*2*1", "accepted", Right},
        {H1234, "1+02+3+4", "accepted", Wrong}, {{99, 13, 20, 1}, "99+13+1+20", "accepted", Wrong},
        {{3, 3, 8, 8}, "8/(3-8/3)", "accepted", Wrong},  // 24.000006 in single precision
        {H1234, "((4*3))*2*1", "accepted", Right}, {H1234, "(1+02+3)*4", "accepted", Right},
        // Validation checks only counts and numbers; a text that is no expression is
        // wrong whatever its value, which is 24 for the first seven.
        {{3, 3, 8, 8}, "8*3 3 8", NotWellFormed, Wrong}, {H1234, "(4*3)(2*1)", NotWellFormed, Wrong},
        {{1, 3, 8, 12}, "1*12) (8*3", NotWellFormed, Wrong}, {H1234, "0 4*3*2*1", NotWellFormed, Wrong},
        {H1234, "4*3*2*1+00", NotWellFormed, Wrong}, {H1234, "4*(3)*2*1", NotWellFormed, Wrong},
        {H1234, "4*3*2*1+( )", NotWellFormed, Wrong}, {H1234, "1+ +2*3*4", NotWellFormed, Wrong},
        {H1234, "4*3*2*1+ ", NotWellFormed, Wrong}, {H1234, "1)+(2+3)*(4", NotWellFormed, Wrong},
        {H1234, "(1) 2*3*4", NotWellFormed, Wrong},  // its evaluation stops
        {H1234, "1+2+3+4+4", "WrongNumberCount", Invalid + "数字个数不符合要求!"},
        {{0, 1, 2, 3}, "0+1+2+3", "WrongNumberCount", Invalid + "数字个数不符合要求!"},  // a 0 is not recorded
        {H1234, "1*1*3*4", "CardNotUsed", Invalid + "指定的数字没有使用!"},
        {H1234, "4294967297*2*3*4", "CardNotUsed", Invalid + "指定的数字没有使用!"},  // 4294967297 is not 1
        {H1234, "(1+2)*(3+4", "UnbalancedParentheses", Invalid + "括号不匹配!"},
        {H1234, "1+2)", "UnbalancedParentheses", Invalid + "括号不匹配!"},
        {H1234, "1+2+3+4+", "BadLastCharacter", Invalid + "+ 不能作为最后一个字符"},
        {H1234, "(", "BadLastCharacter", Invalid + "( 不能作为最后一个字符"},
        {H1234, "1+a+", "BadLastCharacter", Invalid + "+ 不能作为最后一个字符"},  // before the scan
        {H1234, "-4*3*2*1", "BadCharacter at 0", Invalid + "- 不能作为第一个字符"},
        {H1234, "\t4*3*2*1", "BadCharacter at 0", Invalid + "\t 不能作为第一个字符"},
        {H1234, "", "BadCharacter at 0", Invalid},  // a "%c" of the terminating zero ends the line
        {H1234, "   ", "BadCharacter at 3", Invalid + "位置:3 原因:"},
        {H1234, "  )1+2", "BadCharacter at 2", Invalid + "位置:2 原因:) 不能跟在   后面"},
        {H1234, "4*3*2*a", "BadCharacter at 6", Invalid + "位置:6 原因:a 不能跟在 * 后面"},
        {H1234, "4//3+2+1", "BadCharacter at 2", Invalid + "位置:2 原因:/ 不能跟在 / 后面"},
        {H1234, "(1+2)3", "BadCharacter at 5", Invalid + "位置:5 原因:3 不能跟在 ) 后面"},
        {H1234, "2(3", "BadCharacter at 1", Invalid + "位置:1 原因:( 不能跟在 2 后面"},
        {H1234, "()1+2+3+4", "BadCharacter at 1", Invalid + "位置:1 原因:) 不能跟在 ( 后面"},
        {H1234, "( )1+2+3+4", "BadCharacter at 3", Invalid + "位置:3 原因:1 不能跟在 ) 后面"},
        {H1234, "1\t+2+3+4", "BadCharacter at 1", Invalid + "位置:1 原因:\t 不能跟在 1 后面"},
        // A character of several bytes is named whole; a byte that starts none, as it is.
        {H1234, "1+é", "BadCharacter at 2", Invalid + "位置:2 原因:é 不能跟在 + 后面"},
        {H1234, "4*😀", "BadCharacter at 2", Invalid + "位置:2 原因:😀 不能跟在 * 后面"},
        {H1234, "（1+2+3）*4", "BadCharacter at 0", Invalid + "（ 不能作为第一个字符"},
        {H1234, "1+\xE4\xB8", "BadCharacter at 2", Invalid + "位置:2 原因:\xE4 不能跟在 + 后面"},
        {H1234, "1111111111中", "BadCharacter at 10", Invalid + "位置:10 原因:中 不能跟在 1 后面"},  // the longest: 31 bytes
        {H1234, "1111111111111*a", "BadCharacter at 14", Invalid + "位置:14 原因:a 不能跟在 * 后面"},
        // Only the first 29 bytes are read, as from the answer field.
        {H1234, "1+2+3+4" + std::string(22, ' ') + "*2+4", "accepted", Wrong},
        {H1234, std::string(40, ' '), "BadCharacter at 29", Invalid + "位置:29 原因:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text <" + c.text + ">");
        const JudgedAnswer judged = JudgeAnswer(c.text.c_str(), c.hand);
        const bool notWellFormed = judged.checkResult == Accepted && !judged.wellFormed;
        EXPECT_EQ(c.check, CheckText(judged.checkResult) + (notWellFormed ? ", not well-formed" : ""));
        EXPECT_EQ(c.verdict, Shown(judged.verdict.headline) + " / " + Shown(judged.verdict.detail));
        EXPECT_EQ(c.verdict == Right ? Judgement::Right : c.verdict == Wrong ? Judgement::Wrong : Judgement::Invalid,
                  judged.judgement);
    }
}

// The evaluation of the text as validated: its value to the last digit of single
// precision, and whether it stopped.
std::string Evaluated(const std::string& text, const Hand& hand)
{
    NumberSequence numbers;
    OperatorSequence operators;
    if (ValidateAnswer(text.c_str(), numbers, operators, hand) != Accepted)
        return std::string("refused: ") + JudgeAnswer(text.c_str(), hand).verdict.detail;
    bool stopped = false;
    const float value = EvaluateAnswer(numbers, operators, &stopped);
    std::ostringstream evaluated;
    evaluated << (stopped ? "stopped at " : "") << std::setprecision(9) << value;
    return evaluated.str();
}

// Texts that need more than the sequences hold stop with NaN, within no tolerance of 24.
TEST(EvaluateAnswer, ComputesTheValueByTheUsualRulesOrStops)
{
    const Hand h3388 = {3, 3, 8, 8}, h1_2_12_12 = {1, 2, 12, 12};
    const struct {
        const char *text, *value;
        Hand hand = {1, 2, 3, 4};
    } cases[] = {
        {"(1+2+3)*4", "24"}, {"4*3*2*1", "24"}, {"((1*2)*3)*4", "24"}, {"1+2*3*4", "25"}, {"1-2*3*4", "-23"},
        {"1+(2+3)*4", "21"}, {"(1+2)*(3+4)", "21"}, {"((1+2))*(3+4)", "21"}, {"1*((2+3)+4)", "9"}, {"4-3-2-1", "-2"},
        {"4/2/1*3", "6"}, {"1/2-3-4", "-6.5"}, {"12+12+1/2", "24.5", h1_2_12_12}, {"12+12-1/2", "23.5", h1_2_12_12},
        {"8/(3-3)*8", "-100000", h3388},  // ends at the division, before "*8"
        // Each intermediate rounded to single precision: 24 exactly in rationals.
        {"8/(3-8/3)", "24.0000057", h3388}, {"(1+5/3)*9", "23.9999981", {1, 3, 5, 9}},
        {"8/(1-2/3)", "24.0000019", {1, 2, 3, 8}},
        {"1+2+3+4                      *2+4", "10"},  // validation reads the first 29 bytes only
        // Not well-formed, yet the steps run to their end.
        {"1 2+3*4", "7"}, {"(4*3)(2*1)", "24"},
        {"4 3 2 1", "stopped at nan"}, {"1 2 3 4", "stopped at nan"},  // a character past "#"
        {"4*(3)*2*1", "stopped at nan"}, {"((1)) 2 3 4", "stopped at nan"},  // a reduction with ")"
        {"(1) 2*3*4", "stopped at nan"}, {"1)+(2+3)*(4", "stopped at nan"}, {"4*3*2*1+ ", "stopped at nan"},
        {"4*3*2*1+0", "stopped at nan"}, {"(1)+(2)+(3)+(4)", "stopped at nan"},  // a fifth number
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, Evaluated(c.text, c.hand)) << "text <" << c.text << ">";
}

// Sequences no validation makes: still no read past either one.
TEST(EvaluateAnswer, StopsWithoutReadingPastHostileSequences)
{
    const struct {
        NumberSequence numbers;
        std::string operators;
    } cases[] = {
        {{}, ""}, {{1}, "+#"}, {{1, 2}, "+"}, {{1, 2}, "((("}, {{1, 2, 3, 4}, "#***#"},  // "#" first
        {{1, 2}, "+x#"},  // an unknown character ranks below "$"
        {{1, 2, 3}, "(#(+#"},  // the first "#" shifted: read on to the second, the steps would give 5
    };
    for (const auto& c : cases) {
        bool stopped = false;
        const float value = EvaluateAnswer(c.numbers, {c.operators.begin(), c.operators.end()}, &stopped);
        EXPECT_TRUE(stopped && std::isnan(value)) << "operators <" << c.operators << "> gave " << value;
    }
    EXPECT_EQ(3.0f, EvaluateAnswer({1, 2}, {'+', '#', '*', '*'})) << "nothing after \"#\" is read";
}

}  // namespace
