// The exact search beside the game's: what veltro-cli explains.

#include "solver/exact.h"

#include <cstdlib>
#include <numeric>

#include "solver/shapes.h"
#include "solver/solver.h"

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

std::string FractionText(Fraction value)
{
    if (!value.HasValue())
        return "-";
    const std::int64_t divisor = std::gcd(value.num, value.den);
    std::string text = std::to_string(value.num / divisor);
    if (value.den / divisor != 1)
        text += "/" + std::to_string(value.den / divisor);
    return text;
}

SearchComparison CompareSearches(const Hand& hand)
{
    SearchComparison comparison;
    for (std::int32_t value : hand)
        if (std::abs(value) > LargestExactValue)
            return comparison;
    shapes::Values<float> singleValues;
    shapes::Values<Fraction> exactValues;
    // Adds the line of the candidate's solution in one arithmetic, found as shape.
    auto addLine = [&](const shapes::Candidate& candidate, bool exactOnly, int shape) {
        comparison.lines.push_back({exactOnly, SolutionText(candidate.order, candidate.ops, shape),
                                    exactValues.ShapeValue(shape), singleValues.ShapeValue(shape)});
    };
    shapes::ForEachCandidate(hand, [&](const shapes::Candidate& candidate) {
        const int single = singleValues.FindShape();
        const int exact = exactValues.FindShape();
        if (single != 0)
            ++comparison.single;
        if (exact != 0)
            ++comparison.exact;
        if (single == exact)
            return;
        ++comparison.differ;
        if (single != 0)
            addLine(candidate, false, single);
        if (exact != 0)
            addLine(candidate, true, exact);
    }, singleValues, exactValues);
    return comparison;
}
