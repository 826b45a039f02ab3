#pragma once
// Judging a submitted answer and the two lines the verdict dialog shows for it.

#include <cstdint>

#include "common/types.h"

// Two zero-terminated lines in the program's text encoding (GBK on Windows).
struct VerdictText {
    char headline[40];
    char detail[40];
};

enum class Judgement { Right, Wrong, Invalid };

struct JudgedAnswer {
    std::int32_t checkResult;  // 0 when the text was accepted
    float value;               // the evaluated value; meaningful for checkResult 0
    bool evaluationStopped;    // the accepted text was not well-formed
    Judgement judgement;
    VerdictText verdict;
};

// The longest answer the window reads: GetWindowTextA into a 30-byte buffer.
constexpr int MaxAnswerLength = 29;

// Judges the first MaxAnswerLength bytes of text against the hand, as "提交" does.
JudgedAnswer JudgeAnswer(const char* text, const Hand& hand);
