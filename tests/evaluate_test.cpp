// EvaluateAnswer: values, single precision included, and the texts that are
// not well-formed.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checker/evaluate.h"

namespace {

const Hand H1234 = {1, 2, 3, 4};

struct Evaluated {
    bool stopped;
    float value;
};

Evaluated Evaluate(const std::string& text, const Hand& hand)
{
    NumberSequence numbers;
    OperatorSequence operators;
    EXPECT_EQ(Accepted, ValidateAnswer(text.c_str(), numbers, operators, hand)) << "text <" << text << ">";
    Evaluated evaluated{true, 0.0f};
    evaluated.value = EvaluateAnswer(numbers, operators, &evaluated.stopped);
    return evaluated;
}

TEST(EvaluateAnswer, ComputesTheValueByTheUsualRules)
{
    const Hand h3388 = {3, 3, 8, 8};
    const Hand h121212 = {1, 2, 12, 12};
    const struct {
        Hand hand;
        const char* text;
        float value;
    } cases[] = {
        {H1234, "(1+2+3)*4", 24.0f},      {H1234, "4*3*2*1", 24.0f},      {H1234, "((1*2)*3)*4", 24.0f},
        {H1234, "1+2*3*4", 25.0f},        {H1234, "1-2*3*4", -23.0f},     {H1234, "1+(2+3)*4", 21.0f},
        {H1234, "(1+2)*(3+4)", 21.0f},    {H1234, "((1+2))*(3+4)", 21.0f}, {H1234, "1*((2+3)+4)", 9.0f},
        {H1234, "4-3-2-1", -2.0f},        {H1234, "4/2/1*3", 6.0f},       {H1234, "1/2-3-4", -6.5f},
        {h3388, "8+8+3+3", 22.0f},        {h121212, "12+12+1/2", 24.5f},  {h121212, "12+12-1/2", 23.5f},
        {h3388, "8/(3-3)*8", -100000.0f},  // ends at the division, before "*8"
        // Not well-formed, yet the steps run to their end.
        {H1234, "1 2+3*4", 7.0f},         {H1234, "(4*3)(2*1)", 24.0f},
    };
    for (const auto& c : cases) {
        const Evaluated e = Evaluate(c.text, c.hand);
        EXPECT_FALSE(e.stopped) << c.text;
        EXPECT_EQ(c.value, e.value) << c.text;
    }
}

// Exactly 24 in rational arithmetic, off 24 in single precision: 2^-19 is the
// distance between 24 and its single-precision neighbours.
TEST(EvaluateAnswer, RoundsEveryIntermediateToSinglePrecision)
{
    const float step = std::ldexp(1.0f, -19);
    const struct {
        Hand hand;
        const char* text;
        float value;
    } cases[] = {
        {{3, 3, 8, 8}, "8/(3-8/3)", 24.0f + 3 * step},  // 24.0000057
        {{1, 3, 5, 9}, "(1+5/3)*9", 24.0f - step},      // 23.999998
        {{1, 2, 3, 8}, "8/(1-2/3)", 24.0f + step},      // 24.000002
    };
    for (const auto& c : cases) {
        const Evaluated e = Evaluate(c.text, c.hand);
        EXPECT_EQ(c.value, e.value) << c.text;
        EXPECT_FALSE(HitsTarget(e.value)) << c.text;
    }
}

// Texts that validation accepts but that need more than the sequences hold: the
// evaluation stops with NaN, which is within no tolerance of 24.
TEST(EvaluateAnswer, StopsOnTextsThatAreNotWellFormed)
{
    const char* texts[] = {
        "4 3 2 1",      "1 2 3 4",      // a character past "#"
        "4*(3)*2*1",    "((1)) 2 3 4",  // a reduction with ")"
        "1)+(2+3)*(4",  "4*3*2*1+ ",     "4*3*2*1+0", "(1)+(2)+(3)+(4)",  // a fifth number
    };
    for (const char* text : texts) {
        const Evaluated e = Evaluate(text, H1234);
        EXPECT_TRUE(e.stopped) << text;
        EXPECT_TRUE(std::isnan(e.value)) << text;
    }
}

// Sequences that validation never produces: still no read past either one.
TEST(EvaluateAnswer, StopsWithoutReadingPastHostileSequences)
{
    const struct {
        NumberSequence numbers;
        OperatorSequence operators;
    } stopping[] = {
        {{}, {}}, {{1}, {'+', '#'}}, {{1, 2}, {}}, {{1, 2}, {'+'}}, {{1, 2}, {'(', '(', '('}},
        {{1, 2}, {'+', 'x', '#'}},  // an unknown character ranks below "$" and is reduced
        {{1, 2}, {'#', '+', '#'}},
    };
    for (const auto& c : stopping) {
        bool stopped = false;
        EXPECT_TRUE(std::isnan(EvaluateAnswer(c.numbers, c.operators, &stopped)));
        EXPECT_TRUE(stopped);
    }
    bool stopped = true;
    EXPECT_EQ(3.0f, EvaluateAnswer({1, 2}, {'+', '#', '*', '*'}, &stopped));  // nothing after "#" is read
    EXPECT_FALSE(stopped);
    EXPECT_EQ(24.0f, EvaluateAnswer({4, 3, 2, 1}, {'*', '*', '*', '#'}));
}

}  // namespace
