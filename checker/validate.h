#pragma once
// Answer validation: one left-to-right pass over the player's text with
// a character-follow table, then the parenthesis count, the number count and the
// numbers against the Hand. An accepted text is left split into its numbers and
// its operators for the evaluation.

#include <cstdint>
#include <vector>

#include "checker/characters.h"
#include "common/types.h"

// The numbers of the text in text order, as single-precision values.
using NumberSequence = std::vector<float>;
// The text's "(", ")", "+", "-", "*", "/" in text order, then "#" on success.
using OperatorSequence = std::vector<char>;

// CheckResult: 0 for accepted, otherwise position * 256 + kind.
using CheckResult = std::int32_t;

constexpr CheckResult Accepted = 0;
constexpr CheckResult BadCharacter = 1;           // position: index of the character
constexpr CheckResult WrongNumberCount = 2;       // position 0
constexpr CheckResult CardNotUsed = 3;            // position 0
constexpr CheckResult UnbalancedParentheses = 4;  // position 0
constexpr CheckResult BadLastCharacter = 5;       // position 0

constexpr int CheckKind(CheckResult result)
{
    return static_cast<int>(static_cast<std::uint32_t>(result) & 0xFFu);
}

constexpr int CheckPosition(CheckResult result)
{
    return static_cast<int>((static_cast<std::uint32_t>(result) >> 8) & 0xFFu);
}

constexpr CheckResult MakeCheckResult(int kind, int position)
{
    return static_cast<CheckResult>(position * 256 + kind);
}

// Validates the zero-terminated text against the hand. Only its first
// MaxAnswerLength bytes are looked at (the text as the window reads it), so every
// position fits in its byte. `numbers` and `operators` must be empty on entry; on
// result 0 they hold exactly four numbers equal to the hand's values in some
// order, and the operators with "#" last. On any other result they hold what was
// recorded before the fault and are not to be evaluated.
//
// The number accumulator is unsigned 32-bit and saturates at 4294967295 rather
// than wrap, which would read "4294967297" as 1: a number of ten or more digits is
// recorded and matches no card.
CheckResult ValidateAnswer(const char* text, NumberSequence& numbers, OperatorSequence& operators,
                           const Hand& hand);
