#include "solver/solver.h"

#include <cfloat>

#include "solver/shapes.h"

// Every intermediate result must be a single-precision value. On x86_64 (SSE) and
// on every target whose FLT_EVAL_METHOD is 0, float arithmetic is done in float;
// the core is compiled with -ffp-contract=off (GCC, Clang) so that no fused
// multiply-add skips a rounding. A target that evaluates float expressions in a
// wider format (x87) is refused here rather than silently computing otherwise.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "Veltro's solver needs float arithmetic evaluated in float (FLT_EVAL_METHOD == 0)"
#endif

void Solver::SetHand(const Hand& hand)
{
    values = hand;
}

namespace {

// Appends the text of each candidate that one of its shapes, in the Number arithmetic,
// makes a solution.
template <typename Number>
void AppendSolutions(const Hand& hand, std::vector<std::string>& solutions)
{
    shapes::Values<Number> values;
    shapes::ForEachCandidate(hand, [&](const shapes::Candidate& candidate) {
        if (const int shape = values.FindShape())
            solutions.push_back(SolutionText(candidate.order, candidate.ops, shape));
    }, values);
}

}  // namespace

void Solver::Search()
{
    // At most one solution per candidate: 24 arrangements x 64 operator triples.
    solutions.reserve(solutions.size() + 24 * 64);
    AppendSolutions<float>(values, solutions);
}

bool Solver::SearchExact()
{
    for (std::int32_t value : values)
        if (value < -LargestExactValue || value > LargestExactValue)
            return false;
    AppendSolutions<Fraction>(values, solutions);
    return true;
}

std::vector<Hand> AllHands()
{
    std::vector<Hand> hands;
    for (std::int32_t a = 1; a <= 13; ++a)
        for (std::int32_t b = a; b <= 13; ++b)
            for (std::int32_t c = b; c <= 13; ++c)
                for (std::int32_t d = c; d <= 13; ++d)
                    hands.push_back(Hand{a, b, c, d});
    return hands;
}

std::vector<std::string> SolveHand(const Hand& hand, bool exact)
{
    Solver solver;
    solver.SetHand(hand);
    if (exact)
        solver.SearchExact();
    else
        solver.Search();
    return std::move(solver.solutions);
}

float shapes::Combine(float x, float y, char op)
{
    switch (op) {
    case '+':
        return x + y;
    case '-':
        return x - y;
    case '*':
        return x * y;
    default:
        if (y == 0.0f)
            return DivisionByZeroResult;
        return x / y;
    }
}

Fraction shapes::Combine(Fraction x, Fraction y, char op)
{
    if (!x.HasValue() || !y.HasValue())
        return Fraction(0, 0);
    switch (op) {
    case '+':
        return Fraction(x.num * y.den + y.num * x.den, x.den * y.den);
    case '-':
        return Fraction(x.num * y.den - y.num * x.den, x.den * y.den);
    case '*':
        return Fraction(x.num * y.num, x.den * y.den);
    default:
        if (y.num == 0)
            return Fraction(0, 0);
        // The sign goes to the numerator: den stays positive.
        if (y.num < 0)
            return Fraction(-x.num * y.den, x.den * -y.num);
        return Fraction(x.num * y.den, x.den * y.num);
    }
}
