// The search in both arithmetics and its texts' parentheses; the exact search
// checked against an independent reading of every text it prints; what holds for
// every hand: each text judged right when typed, and repeated once per arrangement.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "checker/verdict.h"
#include "solver/exact.h"
#include "solver/solver.h"
#include "tests/expression_reader.h"

namespace {

using Texts = std::vector<std::string>;

// A fresh Solver's texts for a hand, in either arithmetic.
Texts Solutions(const Hand& hand, bool exact = false)
{
    Solver solver;
    solver.SetHand(hand);
    exact ? static_cast<void>(solver.SearchExact()) : solver.Search();
    return solver.solutions;
}

// Each hand's solutions begin with `first`, and number `count`. Equal values are not recognised: each
// arrangement finds its texts again (12 12 1 1's first seven twice, then 12+1+12-1); 8/(3-8/3) and 4/(1-5/6)
// miss in single precision; a division by zero goes on as -1000000, which a value of a million takes back.
TEST(Solver, FindsTheSolutionsOfEachHandInSearchOrder)
{
    const Texts twelves = {"12+12+1-1",   "12+12-1+1",   "12+12-(1-1)", "(12+12)*1*1", "(12+12)*1/1",
                           "(12+12)/1*1", "(12+12)/1/1", "12+12+1-1",   "12+12-1+1",   "12+12-(1-1)",
                           "(12+12)*1*1", "(12+12)*1/1", "(12+12)/1*1", "(12+12)/1/1", "12+1+12-1"};
    const struct {
        Hand hand;
        std::size_t count;
        Texts first;
    } cases[] = {
        {{1, 2, 3, 4}, 80, {"(1+2+3)*4", "1*2*3*4", "1*2*4*3", "(1+3+2)*4", "(1+3)*(2+4)", "1*3*2*4", "(1+3)*(4+2)",
                            "1*3*4*2", "1*4*2*3", "1*4*3*2", "(2+1+3)*4", "2*1*3*4", "2/1*3*4", "2/(1/3)*4",
                            "2/(1/3/4)", "2*1*4*3"}},
        {{12, 12, 1, 1}, 180, twelves}, {{3, 3, 8, 8}, 0, {}}, {{1, 4, 5, 6}, 1, {"6/(5/4-1)"}},
        {{13, 13, 13, 13}, 0, {}}, {{4, 4, 10, 10}, 4, Texts(4, "(10*10-4)/4")}, {{0, 4, 6, 13}, 36, {}},
        {{1000000, 24, 1, 0}, 133, {"1000000+24+1/0"}},
    };
    for (const auto& c : cases) {
        const Texts solutions = Solutions(c.hand);
        EXPECT_EQ(c.count, solutions.size()) << testing::PrintToString(c.hand);
        EXPECT_EQ(c.first, Texts(solutions.begin(), solutions.begin() + std::min(c.first.size(), solutions.size())))
            << testing::PrintToString(c.hand);
    }
    Solver solver;  // a second search appends a second set
    solver.SetHand({4, 4, 10, 10});
    solver.Search();
    solver.Search();
    EXPECT_EQ(Texts(8, "(10*10-4)/4"), solver.solutions);
}

// Rows by the levels of p q r (L for + -, H for * /), then shapes 1..5.
const char* const Table[][6] = {
    {"LLL", "a p b q c r d", "a p b q (c r d)", "a p (b q c) r d", "a p (b q c r d)", "a p (b q (c r d))"},
    {"LLH", "(a p b q c) r d", "a p b q c r d", "(a p (b q c)) r d", "a p (b q c) r d", "a p (b q c r d)"},
    {"LHL", "(a p b) q c r d", "(a p b) q (c r d)", "a p b q c r d", "a p (b q c r d)", "a p (b q (c r d))"},
    {"LHH", "(a p b) q c r d", "(a p b) q (c r d)", "(a p b q c) r d", "a p b q c r d", "a p b q (c r d)"},
    {"HLL", "a p b q c r d", "a p b q (c r d)", "a p (b q c) r d", "a p (b q c r d)", "a p (b q (c r d))"},
    {"HLH", "(a p b q c) r d", "a p b q c r d", "a p (b q c) r d", "a p ((b q c) r d)", "a p (b q c r d)"},
    {"HHL", "a p b q c r d", "a p b q (c r d)", "a p (b q c) r d", "a p (b q c r d)", "a p (b q (c r d))"},
    {"HHH", "a p b q c r d", "a p b q (c r d)", "a p (b q c) r d", "a p (b q c r d)", "a p (b q (c r d))"},
};

// Both operators of each level in each slot, so 8 operator triples per row; the
// values 10 2 0 99 stand for a b c d.
TEST(SolutionText, FollowsTheParenthesisTableInEveryRowAndShape)
{
    const std::string written[4] = {"10", "2", "0", "99"};
    std::array<char, 3> ops{};
    for (const auto& row : Table) {
        for (int variant = 0; variant < 8; ++variant) {
            for (std::size_t slot = 0; slot < 3; ++slot)
                ops[slot] = row[0][slot] == 'H' ? "*/"[(variant >> slot) & 1] : "+-"[(variant >> slot) & 1];
            for (int shape = 1; shape <= 5; ++shape) {
                std::string expected;
                for (const char* c = row[shape]; *c != '\0'; ++c)
                    expected += *c >= 'a' && *c <= 'd' ? written[*c - 'a']
                                : *c >= 'p'          ? std::string(1, ops[static_cast<std::size_t>(*c - 'p')])
                                                     : std::string(*c == ' ' ? 0 : 1, *c);
                EXPECT_EQ(expected, SolutionText({10, 2, 0, 99}, ops, shape)) << "levels " << row[0] << ", shape " << shape;
            }
        }
    }
}

// An exact value as a reduced fraction, denominator positive, or 0/0 after a division by zero.
using Exact = std::pair<long long, long long>;

Exact Apply(Exact x, Exact y, char op)
{
    const auto [n, d] = op == '+'   ? Exact{x.first * y.second + y.first * x.second, x.second * y.second}
                        : op == '-' ? Exact{x.first * y.second - y.first * x.second, x.second * y.second}
                        : op == '*' ? Exact{x.first * y.first, x.second * y.second}
                                    : Exact{x.first * y.second, x.second * y.first};
    if (x.second == 0 || y.second == 0 || d == 0)
        return {0, 0};
    const long long divisor = std::gcd(n, d) * (d < 0 ? -1 : 1);
    return {n / divisor, d / divisor};
}

Exact ExactNumber(double number)
{
    return {static_cast<long long>(number), 1};
}

// A text's exact value and its values in ascending order.
std::pair<Exact, std::vector<int>> ReadText(const std::string& text)
{
    ExpressionReader<Exact, ExactNumber, Apply> reader(text);
    Exact value{};
    EXPECT_TRUE(reader.Read(value)) << "<" << text << "> does not parse";
    std::vector<int> values(reader.numbers.begin(), reader.numbers.end());
    std::sort(values.begin(), values.end());
    return {value, values};
}

// Hands at the overflow bound too, where the sanitised build stops on an overflow,
// and one with a 0, where a division by zero must leave 1/0*1+24 without a value.
TEST(ExactSearch, FindsTextsOfTheHandThatReadAsExactly24AndReportsEveryDisagreement)
{
    std::vector<Hand> hands = AllHands();
    hands.insert(hands.end(), {Hand{-99, 1, 24, 99}, Hand{-98, -96, 97, 99}, Hand{0, 1, 1, 24}});
    for (Hand hand : hands) {
        Texts single = Solutions(hand), exact = Solutions(hand, true);
        const SearchComparison comparison = CompareSearches(hand);
        EXPECT_EQ(std::make_pair(single.size(), exact.size()), std::make_pair(comparison.single, comparison.exact));
        std::sort(hand.begin(), hand.end());
        for (const std::string& text : exact)
            EXPECT_EQ(std::make_pair(Exact(24, 1), std::vector<int>(hand.begin(), hand.end())), ReadText(text)) << text;
        for (const Disagreement& line : comparison.lines) {
            // The line's value, reduced by a product with 1, is the text's.
            EXPECT_EQ(ReadText(line.text).first, Apply({line.exact.num, line.exact.den}, {1, 1}, '*')) << line.text;
            EXPECT_TRUE(line.exactOnly || line.single == 24.0f) << line.text << " single-only at " << line.single;
            // With what only the other search finds, each search finds what the other does.
            (line.exactOnly ? single : exact).push_back(line.text);
        }
        std::sort(single.begin(), single.end());
        std::sort(exact.begin(), exact.end());
        EXPECT_EQ(single, exact) << testing::PrintToString(hand);
    }
    EXPECT_FALSE(Solutions({-99, 1, 24, 99}, true).empty()) << "a bound hand with solutions";
    Solver solver;
    solver.SetHand({1, 1, 100, 1});
    EXPECT_FALSE(solver.SearchExact()) << "a value beyond the bound";
    EXPECT_EQ(Texts{}, solver.solutions);
}

TEST(ExactSearch, WritesAValueReducedAsPOverQ)
{
    for (const auto& [value, text] : {std::pair<Fraction, const char*>{{48, 2}, "24"}, {{-2, 4}, "-1/2"}, {{0, 7}, "0"},
                                      {{5, 0}, "-"}, {{76832, 3201}, "76832/3201"}})
        EXPECT_EQ(text, FractionText(value)) << value.num << "/" << value.den;
}

// Checks the hand's solution texts, up to the first broken one, and returns how many there are.
// Each repeats once per arrangement of equal values (the product of m! over the multiplicities m);
// typed, it is judged right, or, when the hand holds 0 (never recorded), refused for its count.
std::size_t CheckSolutions(const Hand& hand)
{
    const Texts solutions = Solutions(hand);
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

// Every dealt hand (1..13) and every hand with a 0 that a player can type (whose listed solutions are
// each refused typed); then custom hands up to 99, drawn by a fixed generator.
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
