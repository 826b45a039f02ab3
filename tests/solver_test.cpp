// The search, its order and its single-precision arithmetic.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "solver/solution_list.h"
#include "solver/solver.h"

namespace {

std::vector<std::string> Solve(const Hand& hand)
{
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    return solver.solutions;
}

std::size_t CountOf(const std::vector<std::string>& texts, const std::string& text)
{
    return static_cast<std::size_t>(std::count(texts.begin(), texts.end(), text));
}

bool Contains(const std::vector<std::string>& texts, const std::string& text)
{
    return CountOf(texts, text) > 0;
}

TEST(Solver, InitialStateIsEmpty)
{
    Solver solver;
    EXPECT_TRUE(solver.text.empty());
    EXPECT_TRUE(solver.solutions.empty());
    for (bool flag : solver.used)
        EXPECT_FALSE(flag);
}

TEST(Solver, SetHandCopiesIndexForIndex)
{
    Solver solver;
    solver.SetHand(Hand{13, 0, 99, 7});
    EXPECT_EQ(solver.values[0], 13);
    EXPECT_EQ(solver.values[1], 0);
    EXPECT_EQ(solver.values[2], 99);
    EXPECT_EQ(solver.values[3], 7);
    EXPECT_TRUE(solver.solutions.empty());
}

TEST(Solver, SearchLeavesUsedFalseAndTextEmpty)
{
    Solver solver;
    solver.SetHand(Hand{1, 2, 3, 4});
    solver.Search();
    EXPECT_TRUE(solver.text.empty());
    for (bool flag : solver.used)
        EXPECT_FALSE(flag);
}

TEST(Solver, Hand1234SearchOrder)
{
    const std::vector<std::string> solutions = Solve(Hand{1, 2, 3, 4});
    ASSERT_EQ(solutions.size(), 80u);
    const std::vector<std::string> firstSixteen = {
        "(1+2+3)*4", "1*2*3*4",   "1*2*4*3",   "(1+3+2)*4", "(1+3)*(2+4)", "1*3*2*4",
        "(1+3)*(4+2)", "1*3*4*2", "1*4*2*3",   "1*4*3*2",   "(2+1+3)*4",   "2*1*3*4",
        "2/1*3*4",   "2/(1/3)*4", "2/(1/3/4)", "2*1*4*3",
    };
    EXPECT_EQ(std::vector<std::string>(solutions.begin(), solutions.begin() + 16), firstSixteen);
    EXPECT_EQ(solutions.back(), "4*3*2/1");
    EXPECT_EQ(std::set<std::string>(solutions.begin(), solutions.end()).size(), 80u);
}

TEST(Solver, Hand6666)
{
    const std::vector<std::string> solutions = Solve(Hand{6, 6, 6, 6});
    ASSERT_EQ(solutions.size(), 72u);
    EXPECT_EQ(solutions[0], "6+6+6+6");
    EXPECT_EQ(solutions[1], "6*6-(6+6)");
    EXPECT_EQ(solutions[2], "6*6-6-6");
    EXPECT_EQ(CountOf(solutions, "6+6+6+6"), 24u);
    EXPECT_EQ(CountOf(solutions, "6*6-(6+6)"), 24u);
    EXPECT_EQ(CountOf(solutions, "6*6-6-6"), 24u);
    // Once per arrangement: the same three in every block of three.
    for (std::size_t i = 0; i < solutions.size(); ++i)
        EXPECT_EQ(solutions[i], solutions[i % 3]) << i;
}

TEST(Solver, Hand441010)
{
    EXPECT_EQ(Solve(Hand{4, 4, 10, 10}), std::vector<std::string>(4, "(10*10-4)/4"));
}

TEST(Solver, Hand121211)
{
    const std::vector<std::string> solutions = Solve(Hand{12, 12, 1, 1});
    ASSERT_EQ(solutions.size(), 180u);
    EXPECT_EQ(std::set<std::string>(solutions.begin(), solutions.end()).size(), 45u);
    const std::vector<std::string> firstArrangement = {
        "12+12+1-1",   "12+12-1+1",   "12+12-(1-1)", "(12+12)*1*1",
        "(12+12)*1/1", "(12+12)/1*1", "(12+12)/1/1",
    };
    EXPECT_EQ(std::vector<std::string>(solutions.begin(), solutions.begin() + 7), firstArrangement);
    EXPECT_EQ(std::vector<std::string>(solutions.begin() + 7, solutions.begin() + 14), firstArrangement);
    EXPECT_EQ(solutions[14], "12+1+12-1");
    EXPECT_TRUE(Contains(solutions, "12-(1-12-1)"));
}

TEST(Solver, Hand3388HasNoSolution)
{
    EXPECT_TRUE(Solve(Hand{3, 3, 8, 8}).empty());
}

TEST(Solver, Hand1456HasOneSolution)
{
    EXPECT_EQ(Solve(Hand{1, 4, 5, 6}), std::vector<std::string>{"6/(5/4-1)"});
}

TEST(Solver, EqualHandsWithoutSolution)
{
    EXPECT_TRUE(Solve(Hand{1, 1, 1, 1}).empty());
    EXPECT_TRUE(Solve(Hand{13, 13, 13, 13}).empty());
}

TEST(Solver, HandWithZero)
{
    const std::vector<std::string> solutions = Solve(Hand{0, 4, 6, 13});
    EXPECT_EQ(solutions.size(), 36u);
    EXPECT_TRUE(Contains(solutions, "(0*13+4)*6"));
    EXPECT_TRUE(Contains(solutions, "(0/13+4)*6"));
}

TEST(Solver, SecondSearchAppends)
{
    Solver solver;
    solver.SetHand(Hand{4, 4, 10, 10});
    solver.Search();
    solver.Search();
    EXPECT_EQ(solver.solutions, std::vector<std::string>(8, "(10*10-4)/4"));
}

TEST(Solver, AllHandsOneToThirteen)
{
    int hands = 0;
    int withoutSolution = 0;
    std::size_t longest = 0;
    for (int a = 1; a <= 13; ++a)
        for (int b = a; b <= 13; ++b)
            for (int c = b; c <= 13; ++c)
                for (int d = c; d <= 13; ++d) {
                    const std::vector<std::string> solutions = Solve(Hand{a, b, c, d});
                    ++hands;
                    if (solutions.empty())
                        ++withoutSolution;
                    for (const std::string& text : solutions)
                        longest = std::max(longest, text.size());
                }
    EXPECT_EQ(hands, 1820);
    EXPECT_EQ(withoutSolution, 459);
    EXPECT_EQ(longest, 15u);
}

TEST(Solver, CombineRoundsToSinglePrecision)
{
    EXPECT_EQ(Solver::Combine(8.0f, 3.0f, '/'), 8.0f / 3.0f);
    EXPECT_EQ(Solver::Combine(2.0f, 3.0f, '+'), 5.0f);
    EXPECT_EQ(Solver::Combine(2.0f, 3.0f, '-'), -1.0f);
    EXPECT_EQ(Solver::Combine(2.0f, 3.0f, '*'), 6.0f);
    EXPECT_EQ(Solver::Combine(5.0f, 0.0f, '/'), -1000000.0f);
    EXPECT_EQ(Solver::Combine(5.0f, -0.0f, '/'), -1000000.0f);
    EXPECT_EQ(Solver::Combine(0.0f, 0.0f, '/'), -1000000.0f);
}

// The single-precision misses: 8/(3-8/3) is 24 + 3 * 2^-19 and
// 4/(1-5/6) is 24 - 2^-19.
TEST(Solver, SinglePrecisionMisses)
{
    const float eightThirds = Solver::Combine(8.0f, 3.0f, '/');
    const float v = Solver::Combine(8.0f, Solver::Combine(3.0f, eightThirds, '-'), '/');
    EXPECT_EQ(v, 24.0f + std::ldexp(3.0f, -19));
    EXPECT_FALSE(HitsTarget(v));

    const float w = Solver::Combine(4.0f, Solver::Combine(1.0f, Solver::Combine(5.0f, 6.0f, '/'), '-'), '/');
    EXPECT_EQ(w, 24.0f - std::ldexp(1.0f, -19));
    EXPECT_FALSE(HitsTarget(w));

    EXPECT_TRUE(HitsTarget(24.0f));
    EXPECT_FALSE(HitsTarget(std::nextafter(24.0f, 25.0f)));
    EXPECT_FALSE(HitsTarget(std::nextafter(24.0f, 23.0f)));
}

TEST(Solver, FindShapeTakesTheFirstHittingShape)
{
    Solver solver;
    solver.order = {1, 2, 3, 4};
    solver.ops = {'+', '+', '+'};
    EXPECT_EQ(solver.FindShape(), 0);  // 10 in every shape
    solver.ops = {'+', '+', '*'};
    EXPECT_EQ(solver.FindShape(), 1);  // ((1+2)+3)*4
    solver.ops = {'+', '*', '+'};
    EXPECT_EQ(solver.FindShape(), 0);
    solver.order = {1, 3, 2, 4};
    solver.ops = {'+', '*', '+'};
    EXPECT_EQ(solver.FindShape(), 2);  // (1+3)*(2+4)
    solver.ops = {'/', '/', '/'};
    solver.order = {2, 1, 3, 4};
    EXPECT_EQ(solver.FindShape(), 4);  // 2/(1/3/4)
    solver.order = {8, 3, 8, 3};
    solver.ops = {'/', '-', '/'};
    EXPECT_EQ(solver.FindShape(), 0);  // 8/(3-8/3) misses in single precision
    solver.order = {6, 5, 4, 1};
    solver.ops = {'/', '/', '-'};
    EXPECT_EQ(solver.FindShape(), 4);  // 6/(5/4-1)
}

TEST(Solver, DivisionByZeroContinuesAndNeverHits)
{
    Solver solver;
    solver.order = {6, 0, 13, 4};
    solver.ops = {'/', '*', '+'};  // 6/(0*13) in shape 3 goes on with -1000000
    EXPECT_EQ(solver.FindShape(), 0);
}

TEST(SolutionList, LinesInSearchOrder)
{
    Solver solver;
    solver.SetHand(Hand{1, 2, 3, 4});
    solver.Search();
    EXPECT_EQ(SolutionListLines(solver), solver.solutions);
}

TEST(SolutionList, NoSolutionLine)
{
    EXPECT_STREQ(NoSolutionLine, "没有答案");
    for (const Hand& hand : {Hand{3, 3, 8, 8}, Hand{1, 1, 1, 1}}) {
        Solver solver;
        solver.SetHand(hand);
        solver.Search();
        EXPECT_EQ(SolutionListLines(solver), std::vector<std::string>{"没有答案"});
        EXPECT_TRUE(solver.solutions.empty());
    }
}

TEST(SolutionList, IdenticalLinesKept)
{
    Solver solver;
    solver.SetHand(Hand{6, 6, 6, 6});
    solver.Search();
    EXPECT_EQ(SolutionListLines(solver).size(), 72u);
}

}  // namespace
