#include "checker/verdict.h"

#include <cstdio>
#include <cstring>

#include "checker/evaluate.h"
#include "common/arithmetic.h"
#include "common/texts.h"

#if defined(_WIN32)
static_assert(sizeof(VerdictText) == 80, "the verdict record is 2 x 40 bytes of GBK");
#endif

namespace {

// A character for "%c": a signed char widened to an int, as the window passes it.
int AsFormatChar(char c)
{
    return static_cast<int>(static_cast<signed char>(c));
}

bool InRange(char c, int low, int high)
{
    const int byte = static_cast<unsigned char>(c);
    return byte >= low && byte <= high;
}

// Bytes of the character that starts at text[at]: a lead byte counts alone when
// the bytes that should follow it are missing (the terminating zero trails nothing).
std::size_t CharacterBytes(const char* text, std::size_t at)
{
    const char lead = text[at];
    std::size_t bytes = 1;
    if (TextsAreGbk)
        bytes = InRange(lead, 0x81, 0xFE) ? 2 : 1;
    else if (InRange(lead, 0xC2, 0xF4))
        bytes = InRange(lead, 0xE0, 0xEF) ? 3 : InRange(lead, 0xF0, 0xF4) ? 4 : 2;
    for (std::size_t i = 1; i < bytes; ++i) {
        const char next = text[at + i];
        const bool trails = TextsAreGbk ? InRange(next, 0x40, 0x7E) || InRange(next, 0x80, 0xFE)
                                        : InRange(next, 0x80, 0xBF);
        if (!trails)
            return 1;
    }
    return bytes;
}

// The bytes that follow the first of the character at text[at], so that a message
// that names it by "%c%s" shows it whole, never the lead byte of a pair alone.
struct Trail {
    char bytes[4];
};

Trail TrailOf(const char* text, std::size_t at)
{
    Trail trail{};
    const std::size_t bytes = CharacterBytes(text, at);
    for (std::size_t i = 1; i < bytes; ++i)
        trail.bytes[i - 1] = text[at + i];
    return trail;
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
        SetLine(detail, TEXT_WRONG_NUMBER_COUNT);
    } else if (result == CardNotUsed) {
        SetLine(detail, TEXT_CARD_NOT_USED);
    } else if (result == UnbalancedParentheses) {
        SetLine(detail, TEXT_UNBALANCED_PARENTHESES);
    } else if (result == BadLastCharacter) {
        // The last character of the text read, before its terminating zero.
        const char last = length > 0 ? answer[length - 1] : '\0';
        std::snprintf(detail, sizeof detail, TEXT_BAD_LAST_CHARACTER_FORMAT, AsFormatChar(last));
    } else if (kind == BadCharacter && position == 0) {
        std::snprintf(detail, sizeof detail, TEXT_BAD_FIRST_CHARACTER_FORMAT, AsFormatChar(answer[0]),
                      TrailOf(answer, 0).bytes);
    } else if (kind == BadCharacter && static_cast<std::size_t>(position) <= length) {
        // Position length is the terminating zero (a text of spaces only).
        // Every character before the offender was accepted, so the one before it is a single byte.
        std::snprintf(detail, sizeof detail, TEXT_BAD_CHARACTER_FORMAT, position,
                      AsFormatChar(answer[position]), TrailOf(answer, static_cast<std::size_t>(position)).bytes,
                      AsFormatChar(answer[position - 1]));
    } else {
        detail[0] = '\0';
    }
}

// Whether the text (at most MaxAnswerLength bytes) is an expression (see
// JudgeAnswer). Any byte other than a digit, a space, a parenthesis or an
// operator makes it none.
bool IsWellFormed(const char* text, std::size_t length)
{
    // For each open "(", the operators read before it: the pair encloses one when
    // more have been read at its ")".
    std::size_t operatorsAtOpen[MaxAnswerLength];
    std::size_t depth = 0;
    std::size_t operators = 0;
    bool numberNext = true;  // a number or "(" must come next
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == ' ')
            continue;
        if (IsDigit(c)) {
            // The number runs to its last digit; it is 0 when all of them are.
            std::size_t end = i;
            bool zero = true;
            for (; end < length && IsDigit(text[end]); ++end)
                zero = zero && text[end] == '0';
            if (!numberNext || zero)
                return false;
            numberNext = false;
            i = end - 1;
        } else if (c == '(') {
            if (!numberNext)
                return false;
            operatorsAtOpen[depth++] = operators;
        } else if (c == ')') {
            if (numberNext || depth == 0 || operatorsAtOpen[--depth] == operators)
                return false;
        } else if (IsOperator(c)) {
            if (numberNext)
                return false;
            ++operators;
            numberNext = true;
        } else {
            return false;
        }
    }
    return !numberNext && depth == 0;
}

}  // namespace

JudgedAnswer JudgeAnswer(const char* text, const Hand& hand)
{
    // What GetWindowTextA(field, buffer, 30) reads: at most the first 29 bytes.
    char answer[MaxAnswerLength + 1];
    const char* read = text != nullptr ? text : "";
    const std::size_t length = AnswerLength(read);
    std::memcpy(answer, read, length);
    answer[length] = '\0';

    JudgedAnswer judged{};
    NumberSequence numbers;
    OperatorSequence operators;
    judged.checkResult = ValidateAnswer(answer, numbers, operators, hand);
    if (judged.checkResult != Accepted) {
        judged.value = 0.0f;
        judged.evaluationStopped = false;
        judged.wellFormed = false;
        judged.judgement = Judgement::Invalid;
        FormatInvalidDetail(judged.verdict.detail, judged.checkResult, answer, length);
        SetLine(judged.verdict.headline, TEXT_INVALID_HEADLINE);
        return judged;
    }

    bool stopped = false;
    judged.value = EvaluateAnswer(numbers, operators, &stopped);
    judged.evaluationStopped = stopped;
    judged.wellFormed = IsWellFormed(answer, length);
    if (judged.wellFormed && !stopped && HitsTarget(judged.value)) {
        judged.judgement = Judgement::Right;
        SetLine(judged.verdict.headline, TEXT_RIGHT_HEADLINE);
        SetLine(judged.verdict.detail, TEXT_RIGHT_DETAIL);
    } else {
        judged.judgement = Judgement::Wrong;
        SetLine(judged.verdict.headline, TEXT_WRONG_HEADLINE);
        SetLine(judged.verdict.detail, TEXT_WRONG_DETAIL);
    }
    return judged;
}
