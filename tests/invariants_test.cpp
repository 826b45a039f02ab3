// What holds for every hand: the search recounted independently, each solution
// text read back by a precedence reader of its own into the bracketing and the
// single-precision value of the shape that found it, and the repeats that equal
// card values cause.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "checker/verdict.h"
#include "solver/solver.h"

namespace {

constexpr char Operators[4] = {'+', '-', '*', '/'};

// An expression fully bracketed, "((1+2)*3)", with its value in single precision,
// each operation rounded as it happens.
struct Term {
    std::string tree;
    float value;
};

// Division by zero as the search treats it; everything else IEEE single precision.
float Apply(float x, float y, char op)
{
    switch (op) {
    case '+':
        return x + y;
    case '-':
        return x - y;
    case '*':
        return x * y;
    default:
        return y == 0.0f ? -1000000.0f : x / y;
    }
}

Term Join(const Term& x, const Term& y, char op)
{
    return {"(" + x.tree + op + y.tree + ")", Apply(x.value, y.value, op)};
}

Term Leaf(std::int32_t value)
{
    return {std::to_string(value), static_cast<float>(value)};
}

// The five bracketings of a p b q c r d, in the order the search tries them.
Term Shape(int shape, const std::array<std::int32_t, 4>& order, const std::array<char, 3>& ops)
{
    const Term a = Leaf(order[0]), b = Leaf(order[1]), c = Leaf(order[2]), d = Leaf(order[3]);
    const char p = ops[0], q = ops[1], r = ops[2];
    switch (shape) {
    case 1:
        return Join(Join(Join(a, b, p), c, q), d, r);
    case 2:
        return Join(Join(a, b, p), Join(c, d, r), q);
    case 3:
        return Join(Join(a, Join(b, c, q), p), d, r);
    case 4:
        return Join(a, Join(Join(b, c, q), d, r), p);
    default:
        return Join(a, Join(b, Join(c, d, r), q), p);
    }
}

// The values of the five bracketings alone, without the trees: the search's
// arithmetic for one candidate.
std::array<float, 5> ShapeValues(const std::array<std::int32_t, 4>& order, const std::array<char, 3>& ops)
{
    const float a = static_cast<float>(order[0]), b = static_cast<float>(order[1]);
    const float c = static_cast<float>(order[2]), d = static_cast<float>(order[3]);
    const char p = ops[0], q = ops[1], r = ops[2];
    return {
        Apply(Apply(Apply(a, b, p), c, q), d, r),
        Apply(Apply(a, b, p), Apply(c, d, r), q),
        Apply(Apply(a, Apply(b, c, q), p), d, r),
        Apply(a, Apply(Apply(b, c, q), d, r), p),
        Apply(a, Apply(b, Apply(c, d, r), q), p),
    };
}

// Reads a solution text by the usual rules ("*" "/" before "+" "-", equal levels
// from the left), independently of the table that wrote it.
class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    // False when the text is not a complete expression of numbers, the four
    // operators and parentheses.
    bool Read(Term& term)
    {
        return Sum(term) && position_ == text_.size();
    }

private:
    bool Sum(Term& term)
    {
        if (!Product(term))
            return false;
        while (At('+') || At('-')) {
            const char op = text_[position_++];
            Term right;
            if (!Product(right))
                return false;
            term = Join(term, right, op);
        }
        return true;
    }

    bool Product(Term& term)
    {
        if (!Factor(term))
            return false;
        while (At('*') || At('/')) {
            const char op = text_[position_++];
            Term right;
            if (!Factor(right))
                return false;
            term = Join(term, right, op);
        }
        return true;
    }

    bool Factor(Term& term)
    {
        if (At('(')) {
            ++position_;
            if (!Sum(term) || !At(')'))
                return false;
            ++position_;
            return true;
        }
        std::int32_t value = 0;
        const std::size_t start = position_;
        while (position_ < text_.size() && text_[position_] >= '0' && text_[position_] <= '9' &&
               position_ - start < 3)
            value = value * 10 + (text_[position_++] - '0');
        if (position_ == start)
            return false;
        term = Leaf(value);
        return true;
    }

    bool At(char c) const { return position_ < text_.size() && text_[position_] == c; }

    const std::string& text_;
    std::size_t position_ = 0;
};

std::vector<std::string> Solve(const Hand& hand)
{
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    return solver.solutions;
}

// The solutions the search must find, in its order: index arrangements in
// lexicographic order, then operator triples with the first operator slowest.
std::vector<Term> ExpectedSolutions(const Hand& hand)
{
    std::vector<Term> expected;
    std::array<std::size_t, 4> index = {0, 1, 2, 3};
    do {
        const std::array<std::int32_t, 4> order = {hand[index[0]], hand[index[1]], hand[index[2]],
                                                   hand[index[3]]};
        for (char p : Operators)
            for (char q : Operators)
                for (char r : Operators) {
                    const std::array<float, 5> values = ShapeValues(order, {p, q, r});
                    const auto hit = std::find(values.begin(), values.end(), Target);
                    if (hit != values.end())
                        expected.push_back(Shape(static_cast<int>(hit - values.begin()) + 1, order, {p, q, r}));
                }
    } while (std::next_permutation(index.begin(), index.end()));
    return expected;
}

// Arrangements that give the same left-to-right values: the product of m! over
// the multiplicities m of the hand's values.
std::size_t EqualArrangements(const Hand& hand)
{
    std::map<std::int32_t, std::size_t> multiplicity;
    for (std::int32_t value : hand)
        ++multiplicity[value];
    std::size_t arrangements = 1;
    for (const auto& entry : multiplicity)
        for (std::size_t k = 2; k <= entry.second; ++k)
            arrangements *= k;
    return arrangements;
}

std::string Shown(const Hand& hand)
{
    return std::to_string(hand[0]) + " " + std::to_string(hand[1]) + " " + std::to_string(hand[2]) +
           " " + std::to_string(hand[3]);
}

// Every text: at most 15 characters, read back to the bracketing and the value
// of the shape that found it, in search order. False after the first failure.
bool SolutionsReadBack(const Hand& hand, const std::vector<std::string>& solutions)
{
    const std::vector<Term> expected = ExpectedSolutions(hand);
    EXPECT_EQ(expected.size(), solutions.size()) << "hand " << Shown(hand);
    if (expected.size() != solutions.size())
        return false;
    for (std::size_t i = 0; i < solutions.size(); ++i) {
        const std::string& text = solutions[i];
        Term read;
        const bool complete = Reader(text).Read(read);
        EXPECT_TRUE(complete) << "hand " << Shown(hand) << ": text <" << text << "> does not read";
        EXPECT_LE(text.size(), 15u) << "hand " << Shown(hand) << ": text <" << text << ">";
        EXPECT_EQ(expected[i].tree, read.tree) << "hand " << Shown(hand) << ": text <" << text << ">";
        EXPECT_EQ(Target, read.value) << "hand " << Shown(hand) << ": text <" << text << ">";
        if (!complete || text.size() > 15 || expected[i].tree != read.tree || read.value != Target)
            return false;
    }
    return true;
}

// Every distinct text stands exactly once per arrangement of equal values: the
// text fixes the values left to right and the operators, hence the candidate.
bool EqualValuesRepeat(const Hand& hand, const std::vector<std::string>& solutions)
{
    std::map<std::string, std::size_t> count;
    for (const std::string& text : solutions)
        ++count[text];
    const std::size_t arrangements = EqualArrangements(hand);
    for (const auto& entry : count) {
        EXPECT_EQ(arrangements, entry.second) << "hand " << Shown(hand) << ": text <" << entry.first << ">";
        if (entry.second != arrangements)
            return false;
    }
    return true;
}

template <typename Visit>
void ForEachHand(std::int32_t low, std::int32_t high, Visit visit)
{
    for (std::int32_t a = low; a <= high; ++a)
        for (std::int32_t b = a; b <= high; ++b)
            for (std::int32_t c = b; c <= high; ++c)
                for (std::int32_t d = c; d <= high; ++d)
                    visit(Hand{a, b, c, d});
}

// Hands beyond the deal, 0 to 99 in every slot, drawn by a fixed generator so
// that every run checks the same ones.
std::vector<Hand> CustomHands()
{
    std::vector<Hand> hands = {
        {99, 99, 99, 99}, {10, 10, 10, 12}, {24, 1, 1, 1}, {0, 0, 0, 0},
        {0, 4, 6, 13},    {96, 4, 1, 1},    {99, 0, 1, 24}, {50, 2, 98, 97},
    };
    std::uint32_t state = 2024;
    for (int i = 0; i < 400; ++i) {
        Hand hand;
        for (std::int32_t& value : hand) {
            state = state * 1664525u + 1013904223u;
            value = static_cast<std::int32_t>((state >> 16) % 100u);
        }
        hands.push_back(hand);
    }
    return hands;
}

TEST(Invariants, DealtHandsReadBackToTheirShapes)
{
    std::size_t hands = 0;
    std::size_t withoutSolution = 0;
    std::size_t texts = 0;
    ForEachHand(1, 13, [&](const Hand& hand) {
        if (::testing::Test::HasFailure())
            return;
        const std::vector<std::string> solutions = Solve(hand);
        SolutionsReadBack(hand, solutions);
        ++hands;
        withoutSolution += solutions.empty() ? 1 : 0;
        texts += solutions.size();
    });
    EXPECT_EQ(1820u, hands);
    EXPECT_EQ(459u, withoutSolution);
    EXPECT_LT(0u, texts);
}

TEST(Invariants, EqualValuesRepeatEachTextOncePerArrangement)
{
    ForEachHand(1, 13, [&](const Hand& hand) {
        if (!::testing::Test::HasFailure())
            EqualValuesRepeat(hand, Solve(hand));
    });
}

TEST(Invariants, CustomHandsReadBackToTheirShapes)
{
    for (const Hand& hand : CustomHands()) {
        const std::vector<std::string> solutions = Solve(hand);
        if (!SolutionsReadBack(hand, solutions) || !EqualValuesRepeat(hand, solutions))
            return;
    }
}

// Values above 13 are typed like any other, so every listed text is judged right.
TEST(Invariants, CustomHandsWithoutZeroAreAnsweredByTheirSolutions)
{
    std::size_t judged = 0;
    for (const Hand& hand : CustomHands()) {
        if (std::find(hand.begin(), hand.end(), 0) != hand.end())
            continue;
        for (const std::string& text : Solve(hand)) {
            const JudgedAnswer answer = JudgeAnswer(text.c_str(), hand);
            ASSERT_EQ(Judgement::Right, answer.judgement)
                << "hand " << Shown(hand) << ": text <" << text << "> check " << answer.checkResult
                << " value " << answer.value;
            ++judged;
        }
    }
    EXPECT_LT(0u, judged);
}

// A 0 in the text is never recorded as a number, so a hand holding 0 can never be
// answered right: the player sees solutions under "显示结果", yet every one of
// them, typed as shown, is refused for its number count, and the deal can only be
// given up.
TEST(Invariants, HandsWithZeroCannotBeAnswered)
{
    std::size_t hands = 0;
    std::size_t refused = 0;
    ForEachHand(0, 13, [&](const Hand& hand) {
        if (hand[0] != 0 || ::testing::Test::HasFailure())
            return;
        ++hands;
        const std::vector<std::string> solutions = Solve(hand);
        if (!SolutionsReadBack(hand, solutions))
            return;
        for (const std::string& text : solutions) {
            EXPECT_EQ(WrongNumberCount, JudgeAnswer(text.c_str(), hand).checkResult)
                << "hand " << Shown(hand) << ": text <" << text << ">";
            ++refused;
        }
    });
    EXPECT_EQ(560u, hands);
    EXPECT_LT(0u, refused);
}

}  // namespace
