// EvaluateAnswer: values by the usual rules in single precision, and the stop on
// what validation accepts but that is not well-formed.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checker/evaluate.h"
#include "checker/verdict.h"

namespace {

const Hand H1234 = {1, 2, 3, 4};

struct Evaluated {
    bool stopped;
    float value;
};

Evaluated Evaluate(const std::string& text, const Hand& hand = H1234)
{
    NumberSequence numbers;
    OperatorSequence operators;
    EXPECT_TRUE(ValidateAnswer(text.c_str(), numbers, operators, hand) == Accepted)
        << "text <" << text << "> refused: " << JudgeAnswer(text.c_str(), hand).verdict.detail;
    Evaluated evaluated{true, 0.0f};
    evaluated.value = EvaluateAnswer(numbers, operators, &evaluated.stopped);
    return evaluated;
}

TEST(EvaluateAnswer, ComputesTheValueByTheUsualRules)
{
    const Hand h3388 = {3, 3, 8, 8}, h1_2_12_12 = {1, 2, 12, 12};
    const struct {
        Hand hand;
        const char* text;
        float value;
    } cases[] = {
        {H1234, "(1+2+3)*4", 24.0f},   {H1234, "4*3*2*1", 24.0f},        {H1234, "((1*2)*3)*4", 24.0f},
        {H1234, "1+2*3*4", 25.0f},     {H1234, "1-2*3*4", -23.0f},       {H1234, "1+(2+3)*4", 21.0f},
        {H1234, "(1+2)*(3+4)", 21.0f}, {H1234, "((1+2))*(3+4)", 21.0f},  {H1234, "1*((2+3)+4)", 9.0f},
        {H1234, "4-3-2-1", -2.0f},     {H1234, "4/2/1*3", 6.0f},         {H1234, "1/2-3-4", -6.5f},
        {h1_2_12_12, "12+12+1/2", 24.5f}, {h1_2_12_12, "12+12-1/2", 23.5f},
        {h3388, "8/(3-3)*8", -100000.0f},  // ends at the division, before "*8"
        // Each intermediate rounded to single precision: 24 exactly in rationals.
        {h3388, "8/(3-8/3)", 24.0000057f}, {{1, 3, 5, 9}, "(1+5/3)*9", 23.999998f},
        {{1, 2, 3, 8}, "8/(1-2/3)", 24.000002f},
        // Not well-formed, yet the steps run to their end.
        {H1234, "1 2+3*4", 7.0f},      {H1234, "(4*3)(2*1)", 24.0f},
    };
    for (const auto& c : cases) {
        const Evaluated e = Evaluate(c.text, c.hand);
        EXPECT_FALSE(e.stopped) << "text <" << c.text << "> stopped";
        EXPECT_EQ(c.value, e.value) << "text <" << c.text << ">";
    }
}

// Texts that need more than the sequences hold stop with NaN, within no
// tolerance of 24, whatever value the steps had reached.
TEST(EvaluateAnswer, StopsOnTextsThatAreNotWellFormed)
{
    for (const char* text : {"4 3 2 1", "1 2 3 4",                             // a character past "#"
                             "4*(3)*2*1", "((1)) 2 3 4", "(1) 2*3*4",          // a reduction with ")"
                             "1)+(2+3)*(4", "4*3*2*1+ ", "4*3*2*1+0", "(1)+(2)+(3)+(4)"}) {  // a fifth number
        const Evaluated e = Evaluate(text);
        EXPECT_TRUE(e.stopped && std::isnan(e.value)) << "text <" << text << "> gave " << e.value
                                                       << (e.stopped ? ", stopped" : ", not stopped");
    }
}

// Sequences no validation makes: still no read past either one.
TEST(EvaluateAnswer, StopsWithoutReadingPastHostileSequences)
{
    const struct {
        NumberSequence numbers;
        std::string operators;
    } cases[] = {
        {{}, ""}, {{1}, "+#"}, {{1, 2}, ""}, {{1, 2}, "+"}, {{1, 2}, "((("},
        {{1, 2}, "#+#"}, {{1, 2, 3, 4}, "#***#"},  // "#" first
        {{1, 2}, "+x#"},                           // an unknown character ranks below "$"
    };
    for (const auto& c : cases) {
        bool stopped = false;
        const float value = EvaluateAnswer(c.numbers, OperatorSequence(c.operators.begin(), c.operators.end()), &stopped);
        EXPECT_TRUE(stopped && std::isnan(value)) << "operators <" << c.operators << "> gave " << value;
    }
    EXPECT_EQ(3.0f, EvaluateAnswer({1, 2}, {'+', '#', '*', '*'})) << "nothing after \"#\" is read";
}

}  // namespace
