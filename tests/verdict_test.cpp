// JudgeAnswer and the verdict texts, byte for byte, and the proof that every
// text fits its 40-byte GBK field.

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstring>
#include <string>
#include <vector>

#include "checker/verdict.h"

namespace {

const Hand H1234 = {1, 2, 3, 4};
const Hand H3388 = {3, 3, 8, 8};

// A verdict line up to its first zero byte, as the dialog shows it.
std::string Shown(const char (&line)[VerdictLineBytes])
{
    return std::string(line, strnlen(line, sizeof line));
}

std::string Verdict(const JudgedAnswer& judged)
{
    return Shown(judged.verdict.headline) + " / " + Shown(judged.verdict.detail);
}

const std::string Right = "祝贺你 / 开始下一局...";
const std::string Wrong = "很遗憾！ / 你的答案不正确";
const std::string Invalid = "不是合法的表达式! / ";

TEST(JudgeAnswer, WritesTheVerdictOfEachKindOfAnswer)
{
    const struct {
        Hand hand;
        const char* text;
        CheckResult result;
        Judgement judgement;
        std::string verdict;
    } cases[] = {
        {H1234, "(1+2+3)*4", 0, Judgement::Right, Right},
        {H1234, "1+2*3*4", 0, Judgement::Wrong, Wrong},
        {H3388, "8/(3-8/3)", 0, Judgement::Wrong, Wrong},
        {H3388, "8/(3-3)*8", 0, Judgement::Wrong, Wrong},
        {H1234, "(4*3)(2*1)", 0, Judgement::Right, Right},  // not well-formed, yet 24
        {H1234, "4 3 2 1", 0, Judgement::Wrong, Wrong},     // the evaluation stops
        {H1234, "1+2", 2, Judgement::Invalid, Invalid + "数字个数不符合要求!"},
        {H1234, "1*1*3*4", 3, Judgement::Invalid, Invalid + "指定的数字没有使用!"},
        {H1234, "(1+2)*(3+4", 4, Judgement::Invalid, Invalid + "括号不匹配!"},
        {H1234, "1+2+3+4+", 5, Judgement::Invalid, Invalid + "+ 不能作为最后一个字符"},
        {H1234, "(", 5, Judgement::Invalid, Invalid + "( 不能作为最后一个字符"},
        {H3388, "8*3/", 5, Judgement::Invalid, Invalid + "/ 不能作为最后一个字符"},
        {H1234, "-4*3*2*1", 1, Judgement::Invalid, Invalid + "- 不能作为第一个字符"},
        {H1234, "4*3*2*a", 1537, Judgement::Invalid, Invalid + "位置:6 原因:a 不能跟在 * 后面"},
        {H1234, "4.0*3*2*1", 257, Judgement::Invalid, Invalid + "位置:1 原因:. 不能跟在 4 后面"},
        {H3388, "8//3+3+8", 513, Judgement::Invalid, Invalid + "位置:2 原因:/ 不能跟在 / 后面"},
        {H1234, "  )1+2", 513, Judgement::Invalid, Invalid + "位置:2 原因:) 不能跟在   后面"},
        {H1234, " -4*3*2*1", 257, Judgement::Invalid, Invalid + "位置:1 原因:- 不能跟在   后面"},
        {H1234, "1111111111111*a", 3585, Judgement::Invalid, Invalid + "位置:14 原因:a 不能跟在 * 后面"},
        // A "%c" of the terminating zero ends the line there.
        {H1234, "", 1, Judgement::Invalid, Invalid},
        {H1234, "   ", 769, Judgement::Invalid, Invalid + "位置:3 原因:"},
        // A character of several bytes is named whole; a byte that starts none, as it is.
        {H1234, "1+é", 513, Judgement::Invalid, Invalid + "位置:2 原因:é 不能跟在 + 后面"},
        {H1234, "4*😀", 513, Judgement::Invalid, Invalid + "位置:2 原因:😀 不能跟在 * 后面"},
        {H1234, "（1+2+3）*4", 1, Judgement::Invalid, Invalid + "（ 不能作为第一个字符"},
        {H1234, "1+\xE4\xB8", 513, Judgement::Invalid, Invalid + "位置:2 原因:\xE4 不能跟在 + 后面"},
        {H1234, "\xB2\xBB", 1, Judgement::Invalid, Invalid + "\xB2 不能作为第一个字符"},
        {H1234, "1+2+3+4\r", 1793, Judgement::Invalid, Invalid + "位置:7 原因:\r 不能跟在 4 后面"},
    };
    for (const auto& c : cases) {
        const JudgedAnswer judged = JudgeAnswer(c.text, c.hand);
        EXPECT_EQ(c.result, judged.checkResult) << c.text;
        EXPECT_EQ(c.judgement, judged.judgement) << c.text;
        EXPECT_EQ(c.verdict, Verdict(judged)) << c.text;
    }
}

TEST(JudgeAnswer, JudgesOnlyTheFirst29Bytes)
{
    JudgedAnswer judged = JudgeAnswer(("1+2+3+4" + std::string(22, ' ') + "*2+4").c_str(), H1234);
    EXPECT_EQ(Accepted, judged.checkResult);
    EXPECT_EQ(10.0f, judged.value);
    // 29 spaces: the fault is the terminating zero of the cut text.
    judged = JudgeAnswer(std::string(40, ' ').c_str(), H1234);
    EXPECT_EQ(7425, judged.checkResult);
    EXPECT_EQ(Invalid + "位置:29 原因:", Verdict(judged));
    EXPECT_EQ(WrongNumberCount, JudgeAnswer(std::string(1 << 20, '7').c_str(), H1234).checkResult);
}

std::string ToGbk(const std::string& utf8)
{
    iconv_t converter = iconv_open("GBK", "UTF-8");
    std::string input = utf8;
    std::vector<char> output(utf8.size() * 2 + 16);
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size(), outLeft = output.size();
    const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    EXPECT_NE(static_cast<std::size_t>(-1), converted) << "not convertible: " << utf8;
    return std::string(output.data(), output.size() - outLeft);
}

// Every kind of verdict: the fixed texts, kind 5 for each of its characters, and
// kind 1 at every position 0..29 (29 being the terminating zero of 29 spaces),
// by a single byte and by a Chinese character, which is named whole and so
// gives the longest line.
TEST(VerdictText, EveryLineFitsIn39BytesOfGbk)
{
    std::vector<std::string> texts = {"(1+2+3)*4", "1+2+3+4", "1+2", "1+1+3+4", "(1+2+3+4", "1(", "1+",
                                      "1-",        "1*",      "1/",  "a",       std::string(29, ' ')};
    for (std::size_t position = 1; position <= 28; ++position)
        texts.push_back(std::string(position, '1') + "a");
    for (std::size_t position = 0; position + std::strlen("中") <= 29; ++position)
        texts.push_back(std::string(position, '1') + "中");
    std::size_t longest = 0;
    std::string longestLine;
    for (const std::string& text : texts) {
        const JudgedAnswer judged = JudgeAnswer(text.c_str(), H1234);
        for (const std::string& line : {Shown(judged.verdict.headline), Shown(judged.verdict.detail)}) {
            EXPECT_GT(VerdictLineBytes, line.size()) << "cut: " << line;
            EXPECT_GE(39u, ToGbk(line).size()) << line;
            if (ToGbk(line).size() > longest) {
                longest = ToGbk(line).size();
                longestLine = line;
            }
        }
    }
    EXPECT_EQ("位置:10 原因:中 不能跟在 1 后面", longestLine);
    EXPECT_EQ(31u, longest);
}

TEST(VerdictText, WritesAnyOffendingByteAsOneByte)
{
    for (int byte = 1; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (std::strchr(" ()+-*/0123456789", c) == nullptr) {
            const JudgedAnswer late = JudgeAnswer((std::string(28, '1') + c).c_str(), H1234);
            EXPECT_EQ(7169, late.checkResult) << byte;
            EXPECT_EQ(std::string("位置:28 原因:") + c + " 不能跟在 1 后面", Shown(late.verdict.detail)) << byte;
        }
        if (std::strchr(" (0123456789", c) == nullptr) {
            const JudgedAnswer first = JudgeAnswer((std::string(1, c) + "+2+3+4").c_str(), H1234);
            EXPECT_EQ(1, first.checkResult) << byte;
            EXPECT_EQ(std::string(1, c) + " 不能作为第一个字符", Shown(first.verdict.detail)) << byte;
        }
    }
}

}  // namespace
