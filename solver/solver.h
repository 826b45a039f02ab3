#pragma once
// The puzzle solver: an exhaustive, blind search over every
// arrangement of the four values, every operator triple and five bracketings, in
// IEEE 754 single precision, with each solution turned into its display text
// (solution_text.cpp).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/types.h"

// The result of a division by zero inside the search; it goes on through the
// remaining operations of the candidate.
constexpr float DivisionByZeroResult = -1000000.0f;

class Solver {
public:
    // Public, so that the text table can be tested shape by shape.
    std::array<std::int32_t, 4> values{};  // the Hand passed to SetHand, index 0..3
    std::array<std::int32_t, 4> order{};   // order[k]: the value at position k of the expression
    std::array<char, 3> ops{};             // ops[0] between positions 0 and 1, and so on
    std::array<bool, 4> used{};            // used[i]: values[i] is placed in the arrangement
    std::int32_t shape = 0;                // 1..5: the shape that made the candidate a solution
    std::string text;                      // the text being built; empty between solutions
    std::vector<std::string> solutions;    // the texts found, in search order

    Solver() = default;

    // Copies the four values of the hand into `values`; nothing else changes.
    void SetHand(const Hand& hand);

    // Runs the whole search (1536 candidates) over `values` and appends one text
    // per solution to `solutions`, in the order found. It does not empty
    // `solutions` first.
    void Search();

    // Places a value at position k and recurses; at k == 4 tries the operators.
    void ArrangeValues(int k);

    // Tries the 64 operator triples on the current `order`.
    void TryOperators();

    // The number (1..5) of the first shape whose value hits the Target, or 0.
    int FindShape() const;

    // x op y rounded to single precision; "/" by zero (either sign) gives
    // DivisionByZeroResult. Any operator other than "+", "-", "*" is taken as "/".
    static float Combine(float x, float y, char op);

    // Appends the display text of the current solution (order, ops, shape) to
    // `text`.
    void BuildSolutionText();
};
