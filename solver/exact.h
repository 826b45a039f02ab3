#pragma once
// The exact search beside the game's, as veltro-cli studies them: the hands of the
// game, where the two arithmetics part, and an exact value as written.

#include <cstddef>
#include <string>
#include <vector>

#include "common/types.h"
#include "solver/fraction.h"

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
