#pragma once
// The puzzle solver: an exhaustive, blind search over every arrangement of the
// four values, every operator triple and the five shapes of an expression of four
// operands (where its parentheses go), in IEEE 754 single precision as the game
// does, or in exact rational arithmetic for veltro-cli; each solution turned into
// its display text. A caller makes a Solver, gives it the hand, runs a search and
// reads `solutions`.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/types.h"

class Solver {
public:
    // Copies the four values of the hand into the solver; nothing else changes.
    void SetHand(const Hand& hand);

    // Runs the whole search (1536 candidates) in single precision and appends one
    // text per solution to `solutions`, in the order found. It does not empty
    // `solutions` first.
    void Search();

    // The same search in exact arithmetic: a candidate's solution is its first
    // shape whose exact value is 24. Returns false, finding nothing, when a value
    // lies outside -99..99, where 64-bit fractions could overflow.
    bool SearchExact();

    std::vector<std::string> solutions;  // the texts found, in search order

private:
    Hand values{};  // the hand passed to SetHand
};

// The display text of a solution: the values in their order, joined by the three
// operators, with the parentheses that the shape (1..5) needs, by a fixed table.
std::string SolutionText(const std::array<std::int32_t, 4>& order, const std::array<char, 3>& ops, int shape);
