#include "solver/solver.h"

#include <cfloat>

// Every intermediate result must be a single-precision value. On x86_64 (SSE) and
// on every target whose FLT_EVAL_METHOD is 0, float arithmetic is done in float;
// the core is compiled with -ffp-contract=off (GCC, Clang) so that no fused
// multiply-add skips a rounding. A target that evaluates float expressions in a
// wider format (x87) is refused here rather than silently computing otherwise.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "Veltro's solver needs float arithmetic evaluated in float (FLT_EVAL_METHOD == 0)"
#endif

namespace {

constexpr char OperatorCodes[4] = {'+', '-', '*', '/'};

}  // namespace

void Solver::SetHand(const Hand& hand)
{
    for (std::size_t i = 0; i < 4; ++i)
        values[i] = hand[i];
}

void Solver::Search()
{
    // At most one solution per candidate: 24 arrangements x 64 operator triples.
    solutions.reserve(solutions.size() + 24 * 64);
    ArrangeValues(0);
}

void Solver::ArrangeValues(int k)
{
    if (k == 4) {
        TryOperators();
        return;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        if (!used[i]) {
            order[static_cast<std::size_t>(k)] = values[i];
            used[i] = true;
            ArrangeValues(k + 1);
            used[i] = false;
        }
    }
}

void Solver::TryOperators()
{
    for (char p : OperatorCodes) {
        for (char q : OperatorCodes) {
            for (char r : OperatorCodes) {
                ops[0] = p;
                ops[1] = q;
                ops[2] = r;
                int found = FindShape();
                if (found != 0) {
                    shape = found;
                    BuildSolutionText();
                    solutions.push_back(text);
                    text.clear();
                }
            }
        }
    }
}

float Solver::Combine(float x, float y, char op)
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

int Solver::FindShape() const
{
    const float a = static_cast<float>(order[0]);
    const float b = static_cast<float>(order[1]);
    const float c = static_cast<float>(order[2]);
    const float d = static_cast<float>(order[3]);
    const char p = ops[0];
    const char q = ops[1];
    const char r = ops[2];

    // Each shape computes exactly the operations of its bracketing; a
    // sub-expression shared by two shapes is computed once (the operations are
    // pure, so the values are the same).
    const float ab = Combine(a, b, p);
    if (HitsTarget(Combine(Combine(ab, c, q), d, r)))  // ((a p b) q c) r d
        return 1;
    const float cd = Combine(c, d, r);
    if (HitsTarget(Combine(ab, cd, q)))  // (a p b) q (c r d)
        return 2;
    const float bc = Combine(b, c, q);
    if (HitsTarget(Combine(Combine(a, bc, p), d, r)))  // (a p (b q c)) r d
        return 3;
    if (HitsTarget(Combine(a, Combine(bc, d, r), p)))  // a p ((b q c) r d)
        return 4;
    if (HitsTarget(Combine(a, Combine(b, cd, q), p)))  // a p (b q (c r d))
        return 5;
    return 0;
}
