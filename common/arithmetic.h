#pragma once
// Single-precision arithmetic as the game computes: the four operations that the
// solver and the evaluation of an answer both apply, and the hit test of a result.

#include <cfloat>
#include <cmath>

#include "common/types.h"

// Every intermediate result must be a single-precision value. On x86_64 (SSE) and
// on every target whose FLT_EVAL_METHOD is 0, float arithmetic is done in float;
// the solver and the checker are compiled with -ffp-contract=off (GCC, Clang) so
// that no fused multiply-add skips a rounding. A target that evaluates float
// expressions in a wider format (x87) is refused here rather than silently
// computing otherwise.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "Veltro needs float arithmetic evaluated in float (FLT_EVAL_METHOD == 0)"
#endif

// left op right for "+", "-" and "*", rounded to single precision; any other
// operator is taken as "/", whose zero divisor each caller handles first.
inline float ApplyOperator(float left, float right, char op)
{
    switch (op) {
    case '+':
        return left + right;
    case '-':
        return left - right;
    case '*':
        return left * right;
    default:
        return left / right;
    }
}

// Single-precision neighbours of 24 lie 2^-19 away, so this holds only for 24.0f.
inline bool HitsTarget(float value)
{
    return std::fabs(static_cast<double>(value) - static_cast<double>(Target)) < Tolerance;
}
