#pragma once
// Answer evaluation: operator-precedence evaluation with a value stack
// and an operator stack over the sequences that ValidateAnswer filled.

#include "checker/validate.h"

// The result of a division by zero in an answer (not the solver's -1000000).
constexpr float AnswerDivisionByZeroResult = -100000.0f;

// Evaluates the accepted answer with a value stack and an operator stack, by the
// priorities "(" 3, "*" "/" 2, "+" "-" 1, ")" 0, "#" -1 (the end) and "$" -2 (the
// bottom): equal priorities from left to right. Neither sequence is changed.
//
// Returns the single-precision value, or AnswerDivisionByZeroResult the moment
// "/" meets a zero right operand.
//
// A text that validation accepts but that is not well-formed may need what the
// sequences do not hold. The evaluation detects each such condition before it
// reads: a number beyond the last one (a fifth), a character beyond the end
// marker "#" (or beyond the end of a sequence that lacks it), a reduction with
// fewer than two values on the value stack, a reduction whose operator is not
// "+", "-", "*" or "/" (")", "$", "#"), and an operator stack that would run
// empty. It then stops at once, without reading past either sequence, sets
// *stopped to true (when `stopped` is given) and returns a quiet NaN: NaN lies
// within no tolerance of 24, so a stopped evaluation can never be judged right.
// On every other way out *stopped is set to false.
float EvaluateAnswer(const NumberSequence& numbers, const OperatorSequence& operators,
                     bool* stopped = nullptr);
