// BuildSolutionText: the parenthesis table in every row and shape.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "solver/solver.h"

namespace {

// The table, rows by the levels of p q r, columns shapes 1..5.
struct TableRow {
    const char* levels;
    const char* patterns[5];
};

const TableRow Table[] = {
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
std::string Expand(const char* pattern, const std::string (&values)[4], const char (&ops)[3])
{
    std::string text;
    for (const char* c = pattern; *c != '\0'; ++c) {
        switch (*c) {
        case ' ':
            break;
        case 'a':
        case 'b':
        case 'c':
        case 'd':
            text += values[*c - 'a'];
            break;
        case 'p':
        case 'q':
        case 'r':
            text += ops[*c - 'p'];
            break;
        default:
            text += *c;
        }
    }
    return text;
}

std::string Build(const std::array<std::int32_t, 4>& order, const char (&ops)[3], int shape)
{
    Solver solver;
    solver.order = order;
    solver.ops = {ops[0], ops[1], ops[2]};
    solver.shape = shape;
    solver.BuildSolutionText();
    return solver.text;
}

// Every row x shape, with both operators of each level in each slot (8
// operator triples per row) and values of one and two digits.
TEST(SolutionText, ParenthesisTable)
{
    const std::array<std::int32_t, 4> order = {10, 2, 0, 99};
    const std::string written[4] = {"10", "2", "0", "99"};
    int checked = 0;
    for (const TableRow& row : Table) {
        for (int variant = 0; variant < 8; ++variant) {
            char ops[3];
            for (int slot = 0; slot < 3; ++slot) {
                const bool high = row.levels[slot] == 'H';
                const bool second = (variant >> slot) & 1;
                ops[slot] = high ? (second ? '/' : '*') : (second ? '-' : '+');
            }
            for (int shape = 1; shape <= 5; ++shape) {
                EXPECT_EQ(Build(order, ops, shape), Expand(row.patterns[shape - 1], written, ops))
                    << "levels " << row.levels << " shape " << shape << " ops " << ops[0] << ops[1]
                    << ops[2];
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 8 * 8 * 5);
}

TEST(SolutionText, AppendsToText)
{
    Solver solver;
    solver.text = "x";
    solver.order = {1, 2, 3, 4};
    solver.ops = {'+', '+', '+'};
    solver.shape = 1;
    solver.BuildSolutionText();
    EXPECT_EQ(solver.text, "x1+2+3+4");
}

TEST(SolutionText, ValuesZeroToNinetyNine)
{
    for (std::int32_t v = 0; v <= 99; ++v) {
        const std::string text = Build({v, 1, 1, 1}, {'+', '+', '+'}, 1);
        EXPECT_EQ(text, std::to_string(v) + "+1+1+1");
    }
}

TEST(SolutionText, LongestText)
{
    EXPECT_EQ(Build({10, 10, 10, 12}, {'+', '/', '/'}, 2), "(10+10)/(10/12)");
    EXPECT_EQ(Build({12, 10, 10, 10}, {'/', '/', '+'}, 5), "12/(10/(10+10))");
}

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

TEST(SolutionText, WritesTheKnownSolutionsOfRealHands)
{
    EXPECT_GT(CountOf(Solve(Hand{1, 1, 2, 7}), "(1+2)*(1+7)"), 0u);
    EXPECT_GT(CountOf(Solve(Hand{1, 1, 3, 8}), "(1-(1-3))*8"), 0u);
    EXPECT_GT(CountOf(Solve(Hand{1, 1, 6, 8}), "6/((1+1)/8)"), 0u);
    EXPECT_GT(CountOf(Solve(Hand{1, 1, 2, 8}), "8/(1/(1+2))"), 0u);
    const std::vector<std::string> s1234 = Solve(Hand{1, 2, 3, 4});
    EXPECT_EQ(CountOf(s1234, "2/(1/3/4)"), 1u);
    EXPECT_EQ(CountOf(s1234, "2/(1/3)*4"), 1u);
    const std::vector<std::string> s121211 = Solve(Hand{12, 12, 1, 1});
    EXPECT_GT(CountOf(s121211, "12-(1-12-1)"), 0u);
    EXPECT_GT(CountOf(s121211, "12+12-(1-1)"), 0u);
    const std::vector<std::string> s0 = Solve(Hand{0, 4, 6, 13});
    EXPECT_GT(CountOf(s0, "(0/13+4)*6"), 0u);
    const std::vector<std::string> s10 = Solve(Hand{10, 10, 10, 12});
    EXPECT_GT(CountOf(s10, "(10+10)/(10/12)"), 1u);
    EXPECT_GT(CountOf(s10, "12/(10/(10+10))"), 1u);
}

}  // namespace
