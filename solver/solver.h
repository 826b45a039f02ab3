#pragma once
// The puzzle solver: an exhaustive, blind search over every arrangement of the
// four values, every operator triple and the five shapes of an expression of four
// operands (where its parentheses go), in IEEE 754 single precision as the game
// does, or in exact rational arithmetic (fraction.h) for veltro-cli; each solution
// turned into its display text.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/types.h"
#include "solver/fraction.h"

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

// The texts of a fresh Solver's Search for the hand, or of its SearchExact
// when exact (none for a value outside -99..99).
std::vector<std::string> SolveHand(const Hand& hand, bool exact = false);

// The display text of a solution: the values in their order, joined by the three
// operators, with the parentheses that the shape (1..5) needs, by a fixed table.
std::string SolutionText(const std::array<std::int32_t, 4>& order, const std::array<char, 3>& ops, int shape);

// The 1820 different hands of the game, values 1..13 with order ignored, each as
// a <= b <= c <= d, in ascending order.
std::vector<Hand> AllHands();

// One candidate on which the two searches disagree, as one line of each text
// that only one of them finds.
struct Disagreement {
    bool exactOnly;  // found by the exact search only; otherwise by single precision only
    std::string text;
    Fraction exact;  // the text's exact value
    float single;    // the text's single-precision value
};

// Both searches over one hand, candidate by candidate.
struct SearchComparison {
    std::size_t single = 0;  // solutions of the single-precision search
    std::size_t exact = 0;   // solutions of the exact search
    std::size_t differ = 0;  // candidates whose solution texts differ
    std::vector<Disagreement> lines;  // in search order; both kinds for a candidate with two texts
};

// Both searches over one hand, candidate by candidate; values as SearchExact
// takes them (-99..99).
SearchComparison CompareSearches(const Hand& hand);

// A solution's exact value as written: reduced, "p/q", or "p" when q is 1;
// "-" for no value.
std::string FractionText(Fraction value);
