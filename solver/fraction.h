#pragma once
// The exact rational numbers of the exact search: the same operations as the
// game's single precision, without rounding.

#include <cstdint>
#include <limits>

#include "common/types.h"

// num/den, not reduced; den > 0, or den == 0 for no value (a division by zero
// on the way), which every later operation keeps.
struct Fraction {
    std::int64_t num = 0;
    std::int64_t den = 1;

    Fraction() = default;
    constexpr Fraction(std::int64_t n, std::int64_t d) : num(n), den(d) {}
    explicit constexpr Fraction(std::int32_t value) : num(value), den(1) {}

    constexpr bool HasValue() const { return den != 0; }
};

// Why 64 bits cannot overflow. Unreduced, a fraction made of k values of
// magnitude at most M (k = k1 + k2 for an operation on fractions of k1 and k2
// values) keeps |num| and den at most 2^(k-1) * M^k. For k = 1 it holds (M >= 1).
// Each product Combine forms (n1*d2, n2*d1, d1*d2, n1*n2, d1*|n2|) is then at
// most 2^(k1-1) M^k1 * 2^(k2-1) M^k2 = 2^(k-2) M^k, and a sum of two at most
// 2^(k-1) M^k. Four values of 0..99 stay within 8 * 99^4 (under 2^30), and the
// hit test's 24 * den within 24 times that.
constexpr std::int64_t LargestExactValue = 99;
constexpr std::int64_t ExactBound = 8 * LargestExactValue * LargestExactValue * LargestExactValue * LargestExactValue;
static_assert(ExactBound <= std::numeric_limits<std::int64_t>::max() / 24,
              "four values of 0..99 must fit a fraction of 64-bit integers");

// Exactly the Target: no tolerance is needed where nothing is rounded.
constexpr bool HitsTarget(Fraction value)
{
    return value.HasValue() && value.num == static_cast<std::int64_t>(Target) * value.den;
}
