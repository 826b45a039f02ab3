// The search, its order and its single-precision arithmetic.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "solver/solution_list.h"
#include "solver/solver.h"

namespace {

using Texts = std::vector<std::string>;

Texts Solve(const Hand& hand)
{
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    return solver.solutions;
}

TEST(Solver, ListsTheSolutionsOf1234InSearchOrder)
{
    const Texts solutions = Solve(Hand{1, 2, 3, 4});
    ASSERT_EQ(80u, solutions.size());
    const Texts firstSixteen = {
        "(1+2+3)*4", "1*2*3*4",     "1*2*4*3", "(1+3+2)*4", "(1+3)*(2+4)", "1*3*2*4",   "(1+3)*(4+2)", "1*3*4*2",
        "1*4*2*3",   "1*4*3*2",     "(2+1+3)*4", "2*1*3*4", "2/1*3*4",     "2/(1/3)*4", "2/(1/3/4)",   "2*1*4*3",
    };
    EXPECT_EQ(firstSixteen, Texts(solutions.begin(), solutions.begin() + 16));
    EXPECT_EQ("4*3*2/1", solutions.back());
    EXPECT_EQ(80u, std::set<std::string>(solutions.begin(), solutions.end()).size());
}

// Equal values are not recognised: each arrangement of them finds its texts again.
TEST(Solver, RepeatsTheTextsOfEqualValuesOncePerArrangement)
{
    const Texts sixes = Solve(Hand{6, 6, 6, 6});
    ASSERT_EQ(72u, sixes.size());
    for (std::size_t i = 0; i < sixes.size(); ++i)
        EXPECT_EQ((Texts{"6+6+6+6", "6*6-(6+6)", "6*6-6-6"}[i % 3]), sixes[i]) << "solution " << i;

    EXPECT_EQ(Texts(4, "(10*10-4)/4"), Solve(Hand{4, 4, 10, 10}));

    const Texts twelves = Solve(Hand{12, 12, 1, 1});
    ASSERT_EQ(180u, twelves.size());
    EXPECT_EQ(45u, std::set<std::string>(twelves.begin(), twelves.end()).size());
    const Texts firstArrangement = {"12+12+1-1",   "12+12-1+1",   "12+12-(1-1)", "(12+12)*1*1",
                                    "(12+12)*1/1", "(12+12)/1*1", "(12+12)/1/1"};
    EXPECT_EQ(firstArrangement, Texts(twelves.begin(), twelves.begin() + 7));
    EXPECT_EQ(firstArrangement, Texts(twelves.begin() + 7, twelves.begin() + 14));
    EXPECT_EQ("12+1+12-1", twelves[14]);
}

TEST(Solver, FindsTheCountsOfTheExampleHands)
{
    const std::pair<Hand, std::size_t> cases[] = {
        {{3, 3, 8, 8}, 0},  // 8/(3-8/3) misses in single precision
        {{1, 1, 1, 1}, 0}, {{13, 13, 13, 13}, 0}, {{1, 4, 5, 6}, 1}, {{0, 4, 6, 13}, 36}};
    for (const auto& [hand, count] : cases)
        EXPECT_EQ(count, Solve(hand).size()) << hand[0] << " " << hand[1] << " " << hand[2] << " " << hand[3];
    EXPECT_EQ(Texts{"6/(5/4-1)"}, Solve(Hand{1, 4, 5, 6}));
}

TEST(Solver, SecondSearchAppendsASecondSet)
{
    Solver solver;
    solver.SetHand(Hand{4, 4, 10, 10});
    solver.Search();
    solver.Search();
    EXPECT_EQ(Texts(8, "(10*10-4)/4"), solver.solutions);
}

TEST(Solver, CombineDividesByZeroOfEitherSignAsMinusAMillion)
{
    EXPECT_EQ(-1000000.0f, Solver::Combine(5.0f, 0.0f, '/'));
    EXPECT_EQ(-1000000.0f, Solver::Combine(5.0f, -0.0f, '/'));
    EXPECT_EQ(-1000000.0f, Solver::Combine(0.0f, 0.0f, '/'));
}

// 8/(3-8/3) and 4/(1-5/6) are 24 in rational arithmetic; 2^-19 is the step of
// single precision at 24, and the tolerance admits no step.
TEST(Solver, MissesWhatIsOff24OnlyInSinglePrecision)
{
    const float eightThirds = Solver::Combine(8.0f, 3.0f, '/');
    const float v = Solver::Combine(8.0f, Solver::Combine(3.0f, eightThirds, '-'), '/');
    EXPECT_EQ(24.0f + std::ldexp(3.0f, -19), v);
    const float fiveSixths = Solver::Combine(5.0f, 6.0f, '/');
    const float w = Solver::Combine(4.0f, Solver::Combine(1.0f, fiveSixths, '-'), '/');
    EXPECT_EQ(24.0f - std::ldexp(1.0f, -19), w);
    for (float miss : {v, w, std::nextafter(24.0f, 25.0f), std::nextafter(24.0f, 23.0f)})
        EXPECT_FALSE(HitsTarget(miss)) << miss;
    EXPECT_TRUE(HitsTarget(24.0f));
}

TEST(Solver, FindShapeGivesTheFirstHittingShape)
{
    const struct {
        std::array<std::int32_t, 4> order;
        std::array<char, 3> ops;
        int shape;
    } cases[] = {
        {{1, 2, 3, 4}, {'+', '+', '+'}, 0},   // 10 in every shape
        {{1, 2, 3, 4}, {'+', '+', '*'}, 1},   // ((1+2)+3)*4
        {{1, 3, 2, 4}, {'+', '*', '+'}, 2},   // (1+3)*(2+4)
        {{1, 1, 3, 8}, {'-', '-', '*'}, 3},   // (1-(1-3))*8
        {{2, 1, 3, 4}, {'/', '/', '/'}, 4},   // 2/((1/3)/4)
        {{6, 5, 4, 1}, {'/', '/', '-'}, 4},   // 6/((5/4)-1)
        {{8, 1, 1, 2}, {'/', '/', '+'}, 5},   // 8/(1/(1+2))
        {{8, 3, 8, 3}, {'/', '-', '/'}, 0},   // 8/(3-8/3) misses in single precision
        {{6, 0, 13, 4}, {'/', '*', '+'}, 0},  // 6/(0*13) goes on with -1000000
    };
    for (const auto& c : cases) {
        Solver solver;
        solver.order = c.order;
        solver.ops = c.ops;
        EXPECT_EQ(c.shape, solver.FindShape()) << c.order[0] << c.ops[0] << c.order[1] << c.ops[1] << c.order[2]
                                               << c.ops[2] << c.order[3];
    }
}

TEST(SolutionList, ShowsOneLineWhenThereIsNoSolution)
{
    Solver solver;
    solver.SetHand(Hand{3, 3, 8, 8});
    solver.Search();
    EXPECT_EQ(Texts{"没有答案"}, SolutionListLines(solver));
}

}  // namespace
