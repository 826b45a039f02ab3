// The solver and the checker agree: every solution text of every hand 1..13 is
// accepted against its hand and judged right, because each pattern of the text table,
// read with the usual rules, performs the shape's operations in the shape's
// order, so even the single-precision value is the same.

#include <gtest/gtest.h>

#include "checker/verdict.h"
#include "solver/solver.h"

namespace {

TEST(CrossCheck, EverySolutionTextIsJudgedRight)
{
    std::size_t judged = 0;
    for (int a = 1; a <= 13; ++a)
        for (int b = a; b <= 13; ++b)
            for (int c = b; c <= 13; ++c)
                for (int d = c; d <= 13; ++d) {
                    const Hand hand = {a, b, c, d};
                    Solver solver;
                    solver.SetHand(hand);
                    solver.Search();
                    for (const std::string& text : solver.solutions) {
                        const JudgedAnswer answer = JudgeAnswer(text.c_str(), hand);
                        ASSERT_EQ(answer.checkResult, 0) << text;
                        ASSERT_FALSE(answer.evaluationStopped) << text;
                        ASSERT_EQ(answer.judgement, Judgement::Right) << text << " = " << answer.value;
                        ++judged;
                    }
                }
    EXPECT_GT(judged, 10000u);
}

// Hands with 0 (the custom hand): the texts are right as values, but a 0 in a
// text is never recorded, so validation reports the number count.
TEST(CrossCheck, ZeroInAHandCannotBeTyped)
{
    const Hand hand = {0, 4, 6, 13};
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    ASSERT_FALSE(solver.solutions.empty());
    for (const std::string& text : solver.solutions)
        EXPECT_EQ(JudgeAnswer(text.c_str(), hand).checkResult, WrongNumberCount) << text;
}

}  // namespace
