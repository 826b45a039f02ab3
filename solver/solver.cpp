#include "solver/solver.h"

#include "solver/shapes.h"

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

float shapes::Combine(float x, float y, char op)
{
    if (op == '/' && y == 0.0f)
        return DivisionByZeroResult;
    return ApplyOperator(x, y, op);
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
