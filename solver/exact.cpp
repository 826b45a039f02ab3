// The exact search beside the game's: what veltro-cli explains.

#include <cstdlib>
#include <numeric>

#include "solver/bracketings.h"
#include "solver/solver.h"

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
    Solver solver;
    solver.SetHand(hand);
    bracketing::Values<float> singleValues;
    bracketing::Values<Fraction> exactValues;
    // Adds the line of the candidate's solution in one arithmetic, found as shape.
    auto addLine = [&](bool exactOnly, int shape) {
        solver.shape = shape;
        solver.BuildSolutionText();
        comparison.lines.push_back(
            {exactOnly, solver.text, exactValues.ShapeValue(shape), singleValues.ShapeValue(shape)});
        solver.text.clear();
    };
    solver.ForEachCandidate([&] {
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
            addLine(false, single);
        if (exact != 0)
            addLine(true, exact);
    }, singleValues, exactValues);
    return comparison;
}
