// libFuzzer target for judging an answer. The input's first four bytes are a hand
// (each byte modulo 100), the rest is the answer text, judged against that hand and,
// when its four numbers are not the hand's, against the hand they make, so that
// accepted texts are common. A broken property aborts the run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "checker/evaluate.h"
#include "checker/verdict.h"
#include "solver/solver.h"

namespace {

// libFuzzer keeps the input that broke a property in its crash file.
void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// A second evaluator, with its own test of well-formedness: the text parses as an
// expression (numbers and operators alternate, spaces apart, parentheses nest), no
// number is 0 and each pair of parentheses encloses an operator. Single precision,
// "*" "/" before "+" "-", equal levels from the left.
struct Reference {
    const std::string& text;
    std::size_t next = 0;
    bool wellFormed = true;  // until the parse shows otherwise
    bool divisionByZero = false;

    // The next character but spaces, '\0' at the end.
    char Peek()
    {
        while (next < text.size() && text[next] == ' ')
            ++next;
        return next < text.size() ? text[next] : '\0';
    }

    // Level 0 a sum, 1 a product, 2 a number or a parenthesised sum; false when
    // the text does not parse. `grouped` tells whether the value took an operator.
    bool Parse(int level, float& value, bool& grouped)
    {
        if (level == 2) {
            grouped = false;
            if (Peek() >= '0' && Peek() <= '9') {
                double number = 0;
                for (; next < text.size() && text[next] >= '0' && text[next] <= '9'; ++next)
                    number = std::min(number * 10 + (text[next] - '0'), 1e12);
                value = static_cast<float>(number);
                wellFormed = wellFormed && number != 0;
                return true;
            }
            if (Peek() != '(' || (++next, !Parse(0, value, grouped)) || Peek() != ')')
                return false;
            wellFormed = wellFormed && grouped;  // "(3)" parses, but is no expression
            ++next;
            return true;
        }
        if (!Parse(level + 1, value, grouped))
            return false;
        for (char op = Peek(); op != '\0' && std::strchr(level == 0 ? "+-" : "*/", op) != nullptr; op = Peek()) {
            float right = 0.0f;
            ++next;
            if (!Parse(level + 1, right, grouped))
                return false;
            grouped = true;
            divisionByZero = divisionByZero || (op == '/' && right == 0.0f);
            value = op == '+' ? value + right : op == '-' ? value - right : op == '*' ? value * right
                    : right == 0.0f ? 0.0f : value / right;
        }
        return true;
    }
};

// `text` as the answer field hands it over: no zero byte, of which validation
// reads at most the first 29 bytes.
void CheckCase(const Hand& hand, const std::string& text)
{
    NumberSequence numbers;
    OperatorSequence operators;
    const CheckResult result = ValidateAnswer(text.c_str(), numbers, operators, hand);
    const JudgedAnswer judged = JudgeAnswer(text.c_str(), hand);
    Require(judged.checkResult == result, "judging validates differently");
    // Judged again against the hand a player would have had to type the text for.
    if (result == CardNotUsed && std::all_of(numbers.begin(), numbers.end(), [](float n) { return n <= 99; }))
        CheckCase({static_cast<int>(numbers[0]), static_cast<int>(numbers[1]), static_cast<int>(numbers[2]),
                   static_cast<int>(numbers[3])}, text);
    if (result != Accepted)
        return;
    Require(std::count(operators.begin(), operators.end(), '#') == 1 && operators.back() == '#',
            "accepted without one end marker, last");
    const auto isCard = [](float number, std::int32_t card) { return static_cast<double>(number) == card; };
    Require(numbers.size() == 4 && std::is_permutation(numbers.begin(), numbers.end(), hand.begin(), isCard),
            "accepted numbers are not the hand's four cards");
    bool stopped = false;
    const float value = EvaluateAnswer(numbers, operators, &stopped);
    Require(stopped == std::isnan(value), "NaN is the stop's value and no other's");
    const std::string read = text.substr(0, MaxAnswerLength);
    Reference reference{read};
    float expected = 0.0f;
    bool grouped = false;
    const bool wellFormed = reference.Parse(0, expected, grouped) && reference.Peek() == '\0' && reference.wellFormed;
    expected = reference.divisionByZero ? AnswerDivisionByZeroResult : expected;
    Require(judged.wellFormed == wellFormed, "well-formedness differs from the reference");
    // Hands of 1..99: the solver tries every order, operator triple and shape.
    Require(judged.judgement != Judgement::Right || !SolveHand(hand).empty(), "judged right on a hand without a solution");
    Require((judged.judgement == Judgement::Right) == (wellFormed && HitsTarget(value)), "judged right off the target");
    if (wellFormed)
        Require(!stopped && std::memcmp(&expected, &value, sizeof value) == 0, "evaluation differs from the reference");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const Hand hand = {data[0] % 100, data[1] % 100, data[2] % 100, data[3] % 100};
    const std::string text = std::string(reinterpret_cast<const char*>(data) + 4, size - 4).c_str();
    CheckCase(hand, text);
    return 0;
}
