// What holds for every hand: each solution text, read back by the usual rules,
// is 24 in single precision and is judged right when typed; equal card values
// repeat each text once per arrangement; a hand holding 0 is never answered.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "checker/evaluate.h"
#include "checker/verdict.h"
#include "solver/solver.h"

namespace {

// The value of a solution text as typed, 0s included (which the checker's
// validation never records), read by the checker's evaluation.
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

std::vector<std::string> Solve(const Hand& hand)
{
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    return solver.solutions;
}

// Arrangements that put the same values left to right: the product of m! over the
// multiplicities m of the hand's values.
std::size_t EqualArrangements(const Hand& hand)
{
    std::map<std::int32_t, std::size_t> multiplicity;
    std::size_t arrangements = 1;
    for (std::int32_t value : hand)
        arrangements *= ++multiplicity[value];
    return arrangements;
}

// The shape that found a text hit 24, and the tolerance admits no other single-
// precision value, so the text must read back to 24 exactly. A text fixes the
// values left to right and the operators, hence its candidate: it repeats exactly
// once per arrangement of equal values. Typed into the checker, it is right, or,
// when the hand holds 0 (a 0 in a text is never recorded), refused for its count.
testing::AssertionResult HoldsForEveryText(const Hand& hand, const std::vector<std::string>& solutions)
{
    const bool holdsZero = std::find(hand.begin(), hand.end(), 0) != hand.end();
    std::map<std::string, std::size_t> repeats;
    for (const std::string& text : solutions)
        ++repeats[text];
    for (const std::string& text : solutions) {
        const float value = ReadBack(text);
        const JudgedAnswer judged = JudgeAnswer(text.c_str(), hand);
        if (text.size() > 15 || value != Target || repeats[text] != EqualArrangements(hand) ||
            (holdsZero ? judged.checkResult != WrongNumberCount : judged.judgement != Judgement::Right))
            return testing::AssertionFailure() << "hand " << hand[0] << " " << hand[1] << " " << hand[2] << " "
                                               << hand[3] << ": <" << text << "> reads as " << value
                                               << ", listed " << repeats[text] << " times, judged "
                                               << judged.checkResult << " with value " << judged.value;
    }
    return testing::AssertionSuccess();
}

TEST(Invariants, HoldForEveryDealtHand)
{
    std::size_t hands = 0, withoutSolution = 0, longest = 0;
    for (std::int32_t a = 1; a <= 13; ++a)
        for (std::int32_t b = a; b <= 13; ++b)
            for (std::int32_t c = b; c <= 13; ++c)
                for (std::int32_t d = c; d <= 13; ++d) {
                    const std::vector<std::string> solutions = Solve(Hand{a, b, c, d});
                    ASSERT_TRUE(HoldsForEveryText(Hand{a, b, c, d}, solutions));
                    ++hands;
                    withoutSolution += solutions.empty() ? 1 : 0;
                    for (const std::string& text : solutions)
                        longest = std::max(longest, text.size());
                }
    EXPECT_EQ(1820u, hands);
    EXPECT_EQ(459u, withoutSolution);
    EXPECT_EQ(15u, longest);
}

// A player who puts a 0 in the custom hand sees its solutions under "显示结果",
// yet every one of them, typed as shown, is refused for its number count: the
// deal can only be given up.
TEST(Invariants, HoldForHandsWithZero)
{
    std::size_t texts = 0;
    for (std::int32_t b = 0; b <= 13; ++b)
        for (std::int32_t c = b; c <= 13; ++c)
            for (std::int32_t d = c; d <= 13; ++d) {
                const std::vector<std::string> solutions = Solve(Hand{0, b, c, d});
                ASSERT_TRUE(HoldsForEveryText(Hand{0, b, c, d}, solutions));
                texts += solutions.size();
            }
    EXPECT_LT(0u, texts);
}

// Custom hands reach 99 in every slot; a fixed generator draws the same ones in every run.
TEST(Invariants, HoldForASampleOfCustomHands)
{
    std::vector<Hand> hands = {{99, 99, 99, 99}, {24, 1, 1, 1}, {96, 4, 1, 1}, {99, 0, 1, 24}, {50, 2, 98, 97}};
    std::uint32_t state = 2024;
    for (int i = 0; i < 400; ++i) {
        Hand hand;
        for (std::int32_t& value : hand) {
            state = state * 1664525u + 1013904223u;
            value = static_cast<std::int32_t>((state >> 16) % 100u);
        }
        hands.push_back(hand);
    }
    std::size_t texts = 0;
    for (const Hand& hand : hands) {
        const std::vector<std::string> solutions = Solve(hand);
        ASSERT_TRUE(HoldsForEveryText(hand, solutions));
        texts += solutions.size();
    }
    EXPECT_LT(0u, texts);
}

}  // namespace
