// The part of the submit command that needs no window: JudgeAnswer and the verdict texts,
// byte for byte, and the proof that every text fits its 40-byte GBK field.

#include <gtest/gtest.h>

#include <iconv.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "checker/verdict.h"

namespace {

const Hand H1234 = {1, 2, 3, 4};
const Hand H3388 = {3, 3, 8, 8};

const char Invalid[] = "不是合法的表达式!";

// A verdict line up to its first zero byte (what the dialog shows).
std::string Shown(const char* line, std::size_t size)
{
    return std::string(line, strnlen(line, size));
}

std::string Headline(const JudgedAnswer& judged)
{
    return Shown(judged.verdict.headline, sizeof judged.verdict.headline);
}

std::string Detail(const JudgedAnswer& judged)
{
    return Shown(judged.verdict.detail, sizeof judged.verdict.detail);
}

struct TextCase {
    Hand hand;
    std::string text;
    CheckResult result;
    Judgement judgement;
    std::string headline;
    std::string detail;
};

TEST(JudgeAnswer, VerdictTexts)
{
    const TextCase cases[] = {
        {H1234, "(1+2+3)*4", 0, Judgement::Right, "祝贺你", "开始下一局..."},
        {H1234, "1+2*3*4", 0, Judgement::Wrong, "很遗憾！", "你的答案不正确"},
        {H3388, "8/(3-8/3)", 0, Judgement::Wrong, "很遗憾！", "你的答案不正确"},
        {H3388, "8/(3-3)*8", 0, Judgement::Wrong, "很遗憾！", "你的答案不正确"},
        {H1234, "1+2", 2, Judgement::Invalid, Invalid, "数字个数不符合要求!"},
        {H1234, "1*1*3*4", 3, Judgement::Invalid, Invalid, "指定的数字没有使用!"},
        {H1234, "(1+2)*(3+4", 4, Judgement::Invalid, Invalid, "括号不匹配!"},
        {H1234, "1+2+3+4+", 5, Judgement::Invalid, Invalid, "+ 不能作为最后一个字符"},
        {H1234, "(", 5, Judgement::Invalid, Invalid, "( 不能作为最后一个字符"},
        {H1234, "1+a+", 5, Judgement::Invalid, Invalid, "+ 不能作为最后一个字符"},
        {H3388, "8*3/", 5, Judgement::Invalid, Invalid, "/ 不能作为最后一个字符"},
        {H1234, "-4*3*2*1", 1, Judgement::Invalid, Invalid, "- 不能作为第一个字符"},
        {H1234, ")1", 1, Judgement::Invalid, Invalid, ") 不能作为第一个字符"},
        {H1234, "4*3*2*a", 1537, Judgement::Invalid, Invalid, "位置:6 原因:a 不能跟在 * 后面"},
        {H1234, "4.0*3*2*1", 257, Judgement::Invalid, Invalid, "位置:1 原因:. 不能跟在 4 后面"},
        {H1234, "1++2", 513, Judgement::Invalid, Invalid, "位置:2 原因:+ 不能跟在 + 后面"},
        {H3388, "8//3+3+8", 513, Judgement::Invalid, Invalid, "位置:2 原因:/ 不能跟在 / 后面"},
        {H1234, "  )1+2", 513, Judgement::Invalid, Invalid, "位置:2 原因:) 不能跟在   后面"},
        {H1234, "1111111111111*a", 3585, Judgement::Invalid, Invalid, "位置:14 原因:a 不能跟在 * 后面"},
        // The first character after leading spaces is reported at its position.
        {H1234, " -4*3*2*1", 257, Judgement::Invalid, Invalid, "位置:1 原因:- 不能跟在   后面"},
        // A "%c" of the terminating zero ends the line there.
        {H1234, "", 1, Judgement::Invalid, Invalid, ""},
        {H1234, "   ", 769, Judgement::Invalid, Invalid, "位置:3 原因:"},
        // Bytes of other characters are written as they are.
        {H1234, "1+\xE4\xB8\xAD", 513, Judgement::Invalid, Invalid, "位置:2 原因:\xE4 不能跟在 + 后面"},
        {H1234, "\xB2\xBB", 1, Judgement::Invalid, Invalid, "\xB2 不能作为第一个字符"},
        {H1234, "1+2+3+4\r", 1793, Judgement::Invalid, Invalid, "位置:7 原因:\r 不能跟在 4 后面"},
        // Not well-formed: judged as the steps give it.
        {H1234, "(4*3)(2*1)", 0, Judgement::Right, "祝贺你", "开始下一局..."},
        {H1234, "4 3 2 1", 0, Judgement::Wrong, "很遗憾！", "你的答案不正确"},
        {H1234, "4*3*2*1+ ", 0, Judgement::Wrong, "很遗憾！", "你的答案不正确"},
        // The mended accumulator: 4294967297 no longer reads as 1.
        {H1234, "4294967297*2*3*4", 3, Judgement::Invalid, Invalid, "指定的数字没有使用!"},
        {H1234, "0000000000004*3*2*1", 0, Judgement::Right, "祝贺你", "开始下一局..."},
    };
    for (const TextCase& c : cases) {
        const JudgedAnswer judged = JudgeAnswer(c.text.c_str(), c.hand);
        EXPECT_EQ(judged.checkResult, c.result) << c.text;
        EXPECT_EQ(judged.judgement, c.judgement) << c.text;
        EXPECT_EQ(Headline(judged), c.headline) << c.text;
        EXPECT_EQ(Detail(judged), c.detail) << c.text;
    }
}

TEST(JudgeAnswer, ValuesAndStop)
{
    JudgedAnswer judged = JudgeAnswer("8/(3-8/3)", H3388);
    EXPECT_EQ(judged.value, 24.0000057f);
    EXPECT_FALSE(judged.evaluationStopped);

    judged = JudgeAnswer("4*(3)*2*1", H1234);
    EXPECT_EQ(judged.checkResult, 0);
    EXPECT_TRUE(judged.evaluationStopped);
    EXPECT_TRUE(std::isnan(judged.value));
    EXPECT_EQ(judged.judgement, Judgement::Wrong);

    judged = JudgeAnswer("8/(3-3)*8", H3388);
    EXPECT_EQ(judged.value, -100000.0f);
    EXPECT_FALSE(judged.evaluationStopped);
}

TEST(JudgeAnswer, OnlyTheFirst29Bytes)
{
    // Cut after 29 bytes, "1+2+3+4" and spaces: accepted, value 10.
    const std::string text = "1+2+3+4" + std::string(22, ' ') + "*2+4";
    JudgedAnswer judged = JudgeAnswer(text.c_str(), H1234);
    EXPECT_EQ(judged.checkResult, 0);
    EXPECT_EQ(judged.value, 10.0f);
    EXPECT_EQ(judged.judgement, Judgement::Wrong);

    // 29 spaces: kind 1 at position 29, the terminating zero of the cut text.
    const std::string spaces(40, ' ');
    judged = JudgeAnswer(spaces.c_str(), H1234);
    EXPECT_EQ(judged.checkResult, MakeCheckResult(BadCharacter, 29));
    EXPECT_EQ(Detail(judged), "位置:29 原因:");

    const std::string huge(1 << 20, '7');
    judged = JudgeAnswer(huge.c_str(), H1234);
    EXPECT_EQ(judged.checkResult, WrongNumberCount);
}

TEST(JudgeAnswer, NullTextIsEmpty)
{
    const JudgedAnswer judged = JudgeAnswer(nullptr, H1234);
    EXPECT_EQ(judged.checkResult, 1);
    EXPECT_EQ(Detail(judged), "");
}

// GBK bytes of a UTF-8 text, converted by iconv.
std::string ToGbk(const std::string& utf8)
{
    iconv_t converter = iconv_open("GBK", "UTF-8");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::string input = utf8;
    std::vector<char> output(utf8.size() * 2 + 16);
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    EXPECT_NE(converted, static_cast<std::size_t>(-1)) << "not convertible: " << utf8;
    EXPECT_EQ(inLeft, 0u);
    return std::string(output.data(), output.size() - outLeft);
}

TEST(GbkFit, FixedTexts)
{
    EXPECT_EQ(ToGbk("祝贺你").size(), 6u);
    EXPECT_EQ(ToGbk(RightHeadline), "\xD7\xA3\xBA\xD8\xC4\xE3");  // 祝贺你 in code page 936
    EXPECT_STREQ(RightHeadline, "祝贺你");
    EXPECT_STREQ(RightDetail, "开始下一局...");
    EXPECT_STREQ(WrongHeadline, "很遗憾！");
    EXPECT_STREQ(WrongDetail, "你的答案不正确");
    EXPECT_STREQ(InvalidHeadline, "不是合法的表达式!");
}

// Every text the judgement can produce, generated through JudgeAnswer: the
// fixed texts, kind 5 for each of its five characters, kind 1 at position 0 and
// at every position 1..29 (29 being the terminating zero of a text of spaces).
// Each "%c" writes one byte whatever the character, so ASCII offenders give the
// longest lines, and a test below shows a non-ASCII byte takes the same room.
std::vector<JudgedAnswer> EveryKindOfVerdict()
{
    std::vector<JudgedAnswer> all;
    all.push_back(JudgeAnswer("(1+2+3)*4", H1234));
    all.push_back(JudgeAnswer("1+2+3+4", H1234));
    all.push_back(JudgeAnswer("1+2", H1234));
    all.push_back(JudgeAnswer("1+1+3+4", H1234));
    all.push_back(JudgeAnswer("(1+2+3+4", H1234));
    for (const char* last : {"1(", "1+", "1-", "1*", "1/"})
        all.push_back(JudgeAnswer(last, H1234));
    all.push_back(JudgeAnswer("a", H1234));
    for (int position = 1; position <= 28; ++position) {
        std::string text(static_cast<std::size_t>(position), '1');
        text += 'a';
        all.push_back(JudgeAnswer(text.c_str(), H1234));
    }
    all.push_back(JudgeAnswer(std::string(29, ' ').c_str(), H1234));
    return all;
}

TEST(GbkFit, EveryTextFitsIn39BytesOfGbk)
{
    std::size_t longestGbk = 0;
    std::string longestText;
    for (const JudgedAnswer& judged : EveryKindOfVerdict()) {
        for (const std::string& line : {Headline(judged), Detail(judged)}) {
            // The native line was not cut: there was room for its terminator.
            EXPECT_LT(line.size(), VerdictLineBytes) << line;
            const std::size_t gbk = ToGbk(line).size();
            EXPECT_LE(gbk, 39u) << line;
            if (gbk > longestGbk) {
                longestGbk = gbk;
                longestText = line;
            }
        }
    }
    // The longest: kind 1 at a two-digit position, 30 bytes of GBK.
    EXPECT_EQ(longestGbk, 30u) << longestText;
    EXPECT_EQ(longestText, "位置:10 原因:a 不能跟在 1 后面");
    // The solution list's one text line.
    EXPECT_LE(ToGbk("没有答案").size(), 79u);
}

TEST(GbkFit, EveryByteTakesOneByteInACharacterSlot)
{
    for (int byte = 1; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        std::string text = std::string(28, '1') + c;  // position 28 (if not allowed there)
        const JudgedAnswer judged = JudgeAnswer(text.c_str(), H1234);
        if (CheckKind(judged.checkResult) == BadCharacter) {
            EXPECT_EQ(CheckPosition(judged.checkResult), 28);
            const std::string expected = std::string("位置:28 原因:") + c + " 不能跟在 1 后面";
            EXPECT_EQ(Detail(judged), expected) << byte;
        }
        text = std::string(1, c) + "+2+3+4";
        const JudgedAnswer first = JudgeAnswer(text.c_str(), H1234);
        if (first.checkResult == BadCharacter && byte != ' ') {
            EXPECT_EQ(Detail(first), std::string(1, c) + " 不能作为第一个字符") << byte;
        }
    }
}

}  // namespace
