// The exact search beside the game's: what veltro-cli explains.

#include <cstdlib>
#include <numeric>

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
    // Adds the line of the candidate's solution in one arithmetic, found as shape.
    auto addLine = [&solver, &comparison](bool exactOnly, int shape) {
        solver.shape = shape;
        solver.BuildSolutionText();
        comparison.lines.push_back(
            {exactOnly, solver.text, solver.ShapeValue<Fraction>(shape), solver.ShapeValue<float>(shape)});
        solver.text.clear();
    };
    solver.ForEachCandidate([&] {
        const int single = solver.FindShape<float>();
        const int exact = solver.FindShape<Fraction>();
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
    });
    return comparison;
}
