#pragma once
// Judging a submitted answer and the two lines the verdict dialog shows for it
// (the part of the submit command that needs no window).

#include <cstddef>
#include <cstdint>

#include "checker/validate.h"
#include "common/texts.h"
#include "common/types.h"

// Bytes of one verdict line, terminating zero included. The program's texts are
// GBK in the Windows build, where every line fits in 39 bytes (a test proves it)
// and the record is 2 x 40 bytes. The native build (CLI, tests)
// keeps the same texts in UTF-8, where a Chinese character takes 3 bytes instead
// of 2; its lines get 60 bytes, since 39 bytes of GBK are at most 58 of UTF-8.
constexpr std::size_t VerdictLineBytes = TextsAreGbk ? 40 : 60;

// Two zero-terminated lines in the program's text encoding (GBK on Windows).
struct VerdictText {
    char headline[VerdictLineBytes];
    char detail[VerdictLineBytes];
};

enum class Judgement { Right, Wrong, Invalid };

struct JudgedAnswer {
    std::int32_t checkResult;  // 0 when the text was accepted
    float value;               // the evaluated value; meaningful for checkResult 0
    bool evaluationStopped;    // the evaluation had to stop (value is NaN)
    bool wellFormed;           // the accepted text is an expression; false for any other
    Judgement judgement;
    VerdictText verdict;
};

// Judges the first MaxAnswerLength bytes of text against the hand, as "提交"
// does: validation, evaluation of an accepted text, the tolerance test. Right
// exactly when the text is accepted, is well-formed, its evaluation did not have
// to stop, and the value hits the Target. Well-formed: without its spaces, numbers
// and operators alternate, beginning and ending with a number; no number is 0
// ("0", "00"); the parentheses nest; every pair of them encloses an operator; a
// space ends a number. Validation lets through texts that are not ("8*3 3 8",
// "(4*3)(2*1)", "4*(3)*2*1"): they are judged wrong whatever their value.
// The verdict holds the dialog's two lines, written with bounded formatting; a
// "%c" of the text's terminating zero ends its line there, as wsprintfA's would.
// A detail names a character of two or more bytes (GBK on Windows, UTF-8
// natively) whole, never by its lead byte alone.
JudgedAnswer JudgeAnswer(const char* text, const Hand& hand);
