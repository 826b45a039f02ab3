#include "checker/verdict.h"

#include <cstdio>

#include "checker/evaluate.h"

#if defined(_WIN32)
static_assert(sizeof(VerdictText) == 80, "the verdict record is 2 x 40 bytes of GBK");
#endif

const char RightHeadline[] = "祝贺你";
const char RightDetail[] = "开始下一局...";
const char WrongHeadline[] = "很遗憾！";
const char WrongDetail[] = "你的答案不正确";
const char InvalidHeadline[] = "不是合法的表达式!";

namespace {

// A character for "%c": a signed char widened to an int, as the window passes it.
int AsFormatChar(char c)
{
    return static_cast<int>(static_cast<signed char>(c));
}

template <std::size_t N>
void SetLine(char (&line)[N], const char* text)
{
    std::snprintf(line, N, "%s", text);
}

// The detail line for a CheckResult other than 0, tested in the window's order.
void FormatInvalidDetail(char (&detail)[VerdictLineBytes], CheckResult result, const char* answer,
                         std::size_t length)
{
    const int kind = CheckKind(result);
    const int position = CheckPosition(result);
    if (result == WrongNumberCount) {
        SetLine(detail, "数字个数不符合要求!");
    } else if (result == CardNotUsed) {
        SetLine(detail, "指定的数字没有使用!");
    } else if (result == UnbalancedParentheses) {
        SetLine(detail, "括号不匹配!");
    } else if (result == BadLastCharacter) {
        // The last character of the text read, before its terminating zero.
        const char last = length > 0 ? answer[length - 1] : '\0';
        std::snprintf(detail, sizeof detail, "%c 不能作为最后一个字符", AsFormatChar(last));
    } else if (kind == BadCharacter && position == 0) {
        std::snprintf(detail, sizeof detail, "%c 不能作为第一个字符", AsFormatChar(answer[0]));
    } else if (kind == BadCharacter && static_cast<std::size_t>(position) <= length) {
        // Position length is the terminating zero (a text of spaces only).
        std::snprintf(detail, sizeof detail, "位置:%d 原因:%c 不能跟在 %c 后面", position,
                      AsFormatChar(answer[position]), AsFormatChar(answer[position - 1]));
    } else {
        detail[0] = '\0';
    }
}

}  // namespace

JudgedAnswer JudgeAnswer(const char* text, const Hand& hand)
{
    // What GetWindowTextA(field, buffer, 30) reads: at most the first 29 bytes.
    char answer[MaxAnswerLength + 1];
    std::size_t length = 0;
    if (text != nullptr) {
        while (length < static_cast<std::size_t>(MaxAnswerLength) && text[length] != '\0') {
            answer[length] = text[length];
            ++length;
        }
    }
    answer[length] = '\0';

    JudgedAnswer judged{};
    NumberSequence numbers;
    OperatorSequence operators;
    judged.checkResult = ValidateAnswer(answer, numbers, operators, hand);
    if (judged.checkResult != Accepted) {
        judged.value = 0.0f;
        judged.evaluationStopped = false;
        judged.judgement = Judgement::Invalid;
        FormatInvalidDetail(judged.verdict.detail, judged.checkResult, answer, length);
        SetLine(judged.verdict.headline, InvalidHeadline);
        return judged;
    }

    bool stopped = false;
    judged.value = EvaluateAnswer(numbers, operators, &stopped);
    judged.evaluationStopped = stopped;
    if (!stopped && HitsTarget(judged.value)) {
        judged.judgement = Judgement::Right;
        SetLine(judged.verdict.headline, RightHeadline);
        SetLine(judged.verdict.detail, RightDetail);
    } else {
        judged.judgement = Judgement::Wrong;
        SetLine(judged.verdict.headline, WrongHeadline);
        SetLine(judged.verdict.detail, WrongDetail);
    }
    return judged;
}
