// What holds for every hand: each solution text is judged right when typed;
// equal card values repeat each text once per arrangement; a hand holding 0 is
// never answered.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "checker/verdict.h"
#include "solver/solver.h"

namespace {

// Checks the hand's solution texts, up to the first broken one, and returns how many
// there are. Each repeats once per arrangement of equal values (the product of m! over
// the multiplicities m); typed, it is judged right, or, when the hand holds 0 (a 0 in
// a text is never recorded), refused for its number count.
std::size_t CheckSolutions(const Hand& hand)
{
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    const std::vector<std::string>& solutions = solver.solutions;
    std::map<std::int32_t, std::size_t> multiplicity;
    std::size_t arrangements = 1;
    for (std::int32_t value : hand)
        arrangements *= ++multiplicity[value];
    std::map<std::string, std::size_t> repeats;
    for (const std::string& text : solutions)
        ++repeats[text];
    for (const std::string& text : solutions) {
        const JudgedAnswer judged = JudgeAnswer(text.c_str(), hand);
        const bool judgedRight = multiplicity.count(0) != 0 ? judged.checkResult == WrongNumberCount
                                                            : judged.judgement == Judgement::Right;
        if (text.size() > 15 || repeats[text] != arrangements || !judgedRight) {
            ADD_FAILURE() << testing::PrintToString(hand) << ": <" << text << "> listed " << repeats[text] << " times for "
                          << arrangements << " arrangements, judged " << judged.verdict.detail << " at " << judged.value;
            break;
        }
    }
    return solutions.size();
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
    std::size_t texts = 0;
    std::uint32_t state = 2024;
    Hand hand{};
    for (int i = 0; i < 1600 && !HasFailure(); ++i) {  // 400 hands
        state = state * 1664525u + 1013904223u;
        hand[i % 4] = static_cast<std::int32_t>((state >> 16) % 100u);
        texts += i % 4 == 3 ? CheckSolutions(hand) : 0;
    }
    EXPECT_LT(0u, texts) << "custom hands with solutions";
}

}  // namespace
