// libFuzzer target for judging an answer: the input's first four bytes are a hand (each
// modulo 100), the rest the answer, judged against that hand and, when its numbers are
// not the hand's, against the hand they make. A broken property aborts the run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "checker/evaluate.h"
#include "checker/verdict.h"
#include "common/arithmetic.h"
#include "solver/solver.h"
#include "tests/expression_reader.h"

namespace {

// libFuzzer keeps the input that broke a property in its crash file.
void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The reference's single-precision arithmetic; a division by zero leaves NaN, which no
// step takes back.
float Number(double number)
{
    return static_cast<float>(number);
}

float Apply(float x, float y, char op)
{
    return op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : y == 0.0f ? NAN : x / y;
}

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
    ExpressionReader<float, Number, Apply> reference(read);
    float expected = 0.0f;
    const bool wellFormed = reference.Read(expected) && reference.wellFormed;
    expected = std::isnan(expected) ? AnswerDivisionByZeroResult : expected;
    Require(judged.wellFormed == wellFormed, "well-formedness differs from the reference");
    // Hands of 1..99: the solver tries every order, operator triple and shape.
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    Require(judged.judgement != Judgement::Right || !solver.solutions.empty(), "judged right on a hand without a solution");
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
