// BuildSolutionText: the parenthesis table in every row and shape.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "solver/solver.h"

namespace {

// Rows by the levels of p q r (L for + -, H for * /), columns shapes 1..5.
const struct {
    const char* levels;
    const char* patterns[5];
} Table[] = {
    {"LLL", {"a p b q c r d", "a p b q (c r d)", "a p (b q c) r d", "a p (b q c r d)", "a p (b q (c r d))"}},
    {"LLH", {"(a p b q c) r d", "a p b q c r d", "(a p (b q c)) r d", "a p (b q c) r d", "a p (b q c r d)"}},
    {"LHL", {"(a p b) q c r d", "(a p b) q (c r d)", "a p b q c r d", "a p (b q c r d)", "a p (b q (c r d))"}},
    {"LHH", {"(a p b) q c r d", "(a p b) q (c r d)", "(a p b q c) r d", "a p b q c r d", "a p b q (c r d)"}},
    {"HLL", {"a p b q c r d", "a p b q (c r d)", "a p (b q c) r d", "a p (b q c r d)", "a p (b q (c r d))"}},
    {"HLH", {"(a p b q c) r d", "a p b q c r d", "a p (b q c) r d", "a p ((b q c) r d)", "a p (b q c r d)"}},
    {"HHL", {"a p b q c r d", "a p b q (c r d)", "a p (b q c) r d", "a p (b q c r d)", "a p (b q (c r d))"}},
    {"HHH", {"a p b q c r d", "a p b q (c r d)", "a p (b q c) r d", "a p (b q c r d)", "a p (b q (c r d))"}},
};

// The pattern with its letters replaced and its spaces dropped.
std::string Expand(const char* pattern, const std::string (&values)[4], const std::array<char, 3>& ops)
{
    std::string text;
    for (const char* c = pattern; *c != '\0'; ++c) {
        if (*c >= 'a' && *c <= 'd')
            text += values[*c - 'a'];
        else if (*c >= 'p' && *c <= 'r')
            text += ops[static_cast<std::size_t>(*c - 'p')];
        else if (*c != ' ')
            text += *c;
    }
    return text;
}

std::string Build(const std::array<std::int32_t, 4>& order, const std::array<char, 3>& ops, int shape)
{
    Solver solver;
    solver.order = order;
    solver.ops = ops;
    solver.shape = shape;
    solver.BuildSolutionText();
    return solver.text;
}

// Both operators of each level in each slot, so 8 operator triples per row.
TEST(SolutionText, FollowsTheParenthesisTableInEveryRowAndShape)
{
    const std::string written[4] = {"10", "2", "0", "99"};
    for (const auto& row : Table) {
        for (int variant = 0; variant < 8; ++variant) {
            std::array<char, 3> ops;
            for (std::size_t slot = 0; slot < 3; ++slot) {
                const bool second = (variant >> slot) & 1;
                ops[slot] = row.levels[slot] == 'H' ? (second ? '/' : '*') : (second ? '-' : '+');
            }
            for (int shape = 1; shape <= 5; ++shape)
                EXPECT_EQ(Expand(row.patterns[shape - 1], written, ops), Build({10, 2, 0, 99}, ops, shape))
                    << "levels " << row.levels << ", shape " << shape;
        }
    }
}

TEST(SolutionText, WritesValuesZeroToNinetyNineInDecimal)
{
    for (std::int32_t v = 0; v <= 99; ++v)
        EXPECT_EQ(std::to_string(v) + "+1+1+1", Build({v, 1, 1, 1}, {'+', '+', '+'}, 1));
}

TEST(SolutionText, ListsTheExampleTextsOfRealHands)
{
    const struct {
        Hand hand;
        const char* text;
        std::ptrdiff_t times;
    } cases[] = {
        {{1, 1, 2, 7}, "(1+2)*(1+7)", 2},    {{1, 1, 3, 8}, "(1-(1-3))*8", 2},    {{1, 1, 6, 8}, "6/((1+1)/8)", 2},
        {{1, 1, 2, 8}, "8/(1/(1+2))", 2},    {{1, 2, 3, 4}, "2/(1/3/4)", 1},      {{1, 2, 3, 4}, "2/(1/3)*4", 1},
        {{12, 12, 1, 1}, "12-(1-12-1)", 4},  {{12, 12, 1, 1}, "12+12-(1-1)", 4},  {{0, 4, 6, 13}, "(0/13+4)*6", 1},
        {{0, 4, 6, 13}, "(0*13+4)*6", 1}, {{10, 10, 10, 12}, "(10+10)/(10/12)", 6}, {{10, 10, 10, 12}, "12/(10/(10+10))", 6},
    };
    for (const auto& c : cases) {
        Solver solver;
        solver.SetHand(c.hand);
        solver.Search();
        EXPECT_EQ(c.times, std::count(solver.solutions.begin(), solver.solutions.end(), c.text)) << c.text;
    }
}

}  // namespace
