// What holds for every hand: each solution text, read back by the usual rules,
// is 24 in single precision and is judged right when typed; equal card values
// repeat each text once per arrangement; a hand holding 0 is never answered.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "checker/evaluate.h"
#include "checker/verdict.h"
#include "solver/solver.h"

namespace {

// The value of a solution text as typed, 0s included (which validation never
// records), read by the checker's evaluation.
float ReadBack(const std::string& text)
{
    NumberSequence numbers;
    OperatorSequence operators;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            operators.push_back(text[i]);
        else if (i == 0 || text[i - 1] < '0' || text[i - 1] > '9')
            numbers.push_back(static_cast<float>(std::stoi(text.substr(i))));
    }
    operators.push_back('#');
    return EvaluateAnswer(numbers, operators);
}

// Checks the hand's solution texts, up to the first broken one, and returns how
// many there are. A text fixes the values left to right and the operators, hence
// its candidate: it repeats once per arrangement of equal values (the product of
// m! over the multiplicities m). Typed, it is judged right, or, when the hand
// holds 0 (a 0 in a text is never recorded), refused for its number count.
std::size_t CheckSolutions(const Hand& hand)
{
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    std::map<std::int32_t, std::size_t> multiplicity;
    std::size_t arrangements = 1;
    for (std::int32_t value : hand)
        arrangements *= ++multiplicity[value];
    std::map<std::string, std::size_t> repeats;
    for (const std::string& text : solver.solutions)
        ++repeats[text];
    for (const std::string& text : solver.solutions) {
        const JudgedAnswer judged = JudgeAnswer(text.c_str(), hand);
        const bool judgedRight = multiplicity.count(0) != 0 ? judged.checkResult == WrongNumberCount
                                                            : judged.judgement == Judgement::Right;
        if (text.size() > 15 || ReadBack(text) != Target || repeats[text] != arrangements || !judgedRight) {
            ADD_FAILURE() << "hand " << hand[0] << " " << hand[1] << " " << hand[2] << " " << hand[3] << ": <"
                          << text << "> reads back as " << ReadBack(text) << ", listed " << repeats[text]
                          << " times for " << arrangements << " arrangements, judged: "
                          << judged.verdict.headline << " / " << judged.verdict.detail;
            break;
        }
    }
    return solver.solutions.size();
}

// Every dealt hand (1..13) and every hand with a 0 that a player can type: its
// solutions are listed under "显示结果", yet each one typed is refused. Then
// custom hands up to 99, drawn by a fixed generator.
TEST(Invariants, HoldForEveryDealtHandAndASampleOfCustomHands)
{
    std::size_t dealtWithoutSolution = 0;
    for (std::int32_t a = 0; a <= 13 && !HasFailure(); ++a)
        for (std::int32_t b = a; b <= 13; ++b)
            for (std::int32_t c = b; c <= 13; ++c)
                for (std::int32_t d = c; d <= 13; ++d)
                    dealtWithoutSolution += CheckSolutions(Hand{a, b, c, d}) == 0 && a > 0 ? 1 : 0;
    EXPECT_EQ(459u, dealtWithoutSolution);
    std::vector<Hand> hands = {{99, 99, 99, 99}, {24, 1, 1, 1}, {96, 4, 1, 1}, {99, 0, 1, 24}, {50, 2, 98, 97}};
    std::uint32_t state = 2024;
    for (int i = 0; i < 400; ++i) {
        Hand& hand = hands.emplace_back();
        for (std::int32_t& value : hand) {
            state = state * 1664525u + 1013904223u;
            value = static_cast<std::int32_t>((state >> 16) % 100u);
        }
    }
    std::size_t texts = 0;
    for (std::size_t i = 0; i < hands.size() && !HasFailure(); ++i)
        texts += CheckSolutions(hands[i]);
    EXPECT_LT(0u, texts) << "custom hands with solutions";
}

}  // namespace
