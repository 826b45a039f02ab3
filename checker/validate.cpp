#include "checker/validate.h"

#include <cstddef>

namespace {

// The pending number: 0 stands for "no number pending".
class PendingNumber {
public:
    void AddDigit(char digit)
    {
        const std::uint32_t d = static_cast<std::uint32_t>(digit - '0');
        constexpr std::uint32_t Max = 4294967295u;
        value_ = (value_ > (Max - d) / 10u) ? Max : value_ * 10u + d;
    }

    void End(NumberSequence& numbers)
    {
        if (value_ != 0) {
            numbers.push_back(static_cast<float>(value_));
            value_ = 0;
        }
    }

private:
    std::uint32_t value_ = 0;
};

CheckResult BadCharacterAt(std::size_t position)
{
    return MakeCheckResult(BadCharacter, static_cast<int>(position));
}

}  // namespace

CheckResult ValidateAnswer(const char* text, NumberSequence& numbers, OperatorSequence& operators,
                           const Hand& hand)
{
    const std::size_t len = AnswerLength(text);
    PendingNumber pending;
    int opened = 0;
    int closed = 0;

    // 1. Skip leading spaces.
    std::size_t i = 0;
    while (i < len && text[i] == ' ')
        ++i;

    // 2. First character (at len: the terminating zero, a fault).
    const char first = i < len ? text[i] : '\0';
    if (first == '(') {
        operators.push_back('(');
        ++opened;
    } else if (IsDigit(first)) {
        pending.AddDigit(first);
    } else {
        return BadCharacterAt(i);
    }
    ++i;

    // 3. Last character (len >= 1 here).
    const char last = text[len - 1];
    if (last == '(' || IsOperator(last))
        return BadLastCharacter;

    // 4. Scan, each character judged by the one before it.
    for (; i < len; ++i) {
        const char c = text[i];
        const char before = text[i - 1];
        const bool closesSomething = IsDigit(before) || before == ')' || before == ' ';
        if (c == ' ') {
            pending.End(numbers);
        } else if (c == '(') {
            if (IsDigit(before))
                return BadCharacterAt(i);
            operators.push_back('(');
            ++opened;
        } else if (c == ')') {
            if (!closesSomething)
                return BadCharacterAt(i);
            pending.End(numbers);
            operators.push_back(')');
            ++closed;
        } else if (IsOperator(c)) {
            if (!closesSomething)
                return BadCharacterAt(i);
            pending.End(numbers);
            operators.push_back(c);
        } else if (IsDigit(c)) {
            if (before == ')')
                return BadCharacterAt(i);
            pending.AddDigit(c);
        } else {
            return BadCharacterAt(i);
        }
    }

    // 5. End the pending number.
    pending.End(numbers);

    // 6. Parenthesis count.
    if (opened != closed)
        return UnbalancedParentheses;

    // 7. Number count.
    if (numbers.size() != 4)
        return WrongNumberCount;

    // 8. Each number takes the first unused slot of the hand that holds its value.
    bool used[4] = {false, false, false, false};
    for (float number : numbers) {
        bool matched = false;
        for (std::size_t slot = 0; slot < 4; ++slot) {
            // Exact comparison; in double, where both the float and the int32 are exact.
            if (!used[slot] && static_cast<double>(number) == static_cast<double>(hand[slot])) {
                used[slot] = true;
                matched = true;
                break;
            }
        }
        if (!matched)
            return CardNotUsed;
    }

    // 9. The end marker.
    operators.push_back('#');
    return Accepted;
}
