// EvaluateAnswer, ComparePriority, ApplyOperator: values, single precision
// included, and the texts that are not well-formed.

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
    const CheckResult result = ValidateAnswer(text.c_str(), numbers, operators, hand);
    EXPECT_EQ(result, 0) << "text <" << text << "> is not accepted";
    const NumberSequence numbersBefore = numbers;
    const OperatorSequence operatorsBefore = operators;
    Evaluated evaluated{true, 0.0f};
    evaluated.value = EvaluateAnswer(numbers, operators, &evaluated.stopped);
    EXPECT_EQ(numbers, numbersBefore);
    EXPECT_EQ(operators, operatorsBefore);
    return evaluated;
}

struct ValueCase {
    Hand hand;
    const char* text;
    float value;
};

TEST(EvaluateAnswer, ComputesTheValueOfWellFormedTexts)
{
    const Hand h3388 = {3, 3, 8, 8};
    const Hand h121212 = {1, 2, 12, 12};
    const ValueCase cases[] = {
        {H1234, "(1+2+3)*4", 24.0f},
        {H1234, "4*3*2*1", 24.0f},
        {H1234, "((1*2)*3)*4", 24.0f},
        {H1234, "1+2*3*4", 25.0f},
        {H1234, "1-2*3*4", -23.0f},
        {H1234, "1+(2+3)*4", 21.0f},
        {H1234, "(1+2)*(3+4)", 21.0f},
        {H1234, "((1+2))*(3+4)", 21.0f},
        {H1234, "1*((2+3)+4)", 9.0f},
        {H1234, "4-3-2-1", -2.0f},
        {H1234, "4/2/1*3", 6.0f},
        {H1234, "1/2-3-4", -6.5f},
        {h3388, "8+8+3+3", 22.0f},
        {h3388, "8/(3-3)*8", -100000.0f},
        {h121212, "12+12+1/2", 24.5f},
        {h121212, "12+12-1/2", 23.5f},
        // Not well-formed, yet the steps run to their end.
        {H1234, "1 2+3*4", 7.0f},
        {H1234, "(4*3)(2*1)", 24.0f},
        {H1234, "0000000000004*3*2*1", 24.0f},
    };
    for (const ValueCase& c : cases) {
        const Evaluated e = Evaluate(c.text, c.hand);
        EXPECT_FALSE(e.stopped) << c.text;
        EXPECT_EQ(e.value, c.value) << c.text;
    }
}

// Exactly 24 in rational arithmetic, off 24 in single precision: 2^-19 is the
// distance between 24 and its single-precision neighbours.
TEST(EvaluateAnswer, SinglePrecisionValues)
{
    const float step = std::ldexp(1.0f, -19);

    const Evaluated a = Evaluate("8/(3-8/3)", Hand{3, 3, 8, 8});
    EXPECT_EQ(a.value, 24.0f + 3.0f * step);  // 24.0000057
    EXPECT_EQ(a.value, 24.0000057f);
    EXPECT_FALSE(HitsTarget(a.value));

    const Evaluated b = Evaluate("(1+5/3)*9", Hand{1, 3, 5, 9});
    EXPECT_EQ(b.value, 24.0f - step);  // 23.999998
    EXPECT_FALSE(HitsTarget(b.value));

    const Evaluated c = Evaluate("8/(1-2/3)", Hand{1, 2, 3, 8});
    EXPECT_EQ(c.value, 24.0f + step);  // 24.000002
    EXPECT_FALSE(HitsTarget(c.value));

    // The intermediates, step by step.
    EXPECT_EQ(ApplyOperator(8.0f, 3.0f, '/'), 2.6666667f);
    EXPECT_EQ(ApplyOperator(3.0f, 2.6666667f, '-'), 0.33333325f);
    EXPECT_EQ(ApplyOperator(5.0f, 3.0f, '/'), 1.6666666f);
    EXPECT_EQ(ApplyOperator(1.0f, 1.6666666f, '+'), 2.6666665f);
}

TEST(EvaluateAnswer, DivisionByZeroEndsAtOnce)
{
    // The division comes before anything else is reduced that could stop.
    const Evaluated e = Evaluate("8/(3-3)*8", Hand{3, 3, 8, 8});
    EXPECT_FALSE(e.stopped);
    EXPECT_EQ(e.value, AnswerDivisionByZeroResult);
}

// Texts that validation accepts but that need more than the sequences hold: the
// evaluation stops, returns NaN and is never within the tolerance.
TEST(EvaluateAnswer, MalformedTextsStop)
{
    const char* texts[] = {
        "4 3 2 1",          // a character past "#"
        "4*(3)*2*1",        // a reduction with ")"
        "1)+(2+3)*(4",      // a fifth number
        "(1+2+3+4)( )",     // a fifth number
        "1+ +2*3*4",        // a fifth number
        "4*3*2*1+ ",        // a fifth number
        "4*3*2*1+0",        // a fifth number (0 is not recorded)
        "1 2 (3)*4",        // a reduction with ")"
        "(1)+(2)+(3)+(4)",  // a fifth number
        "1 2 3 4",          // a character past "#"
        "((1)) 2 3 4",      // a reduction with ")"
    };
    for (const char* text : texts) {
        const Evaluated e = Evaluate(text, H1234);
        EXPECT_TRUE(e.stopped) << text;
        EXPECT_TRUE(std::isnan(e.value)) << text;
        EXPECT_FALSE(HitsTarget(e.value)) << text;
    }
}

TEST(EvaluateAnswer, StoppedIsOptional)
{
    EXPECT_EQ(EvaluateAnswer(NumberSequence{4, 3, 2, 1}, OperatorSequence{'*', '*', '*', '#'}), 24.0f);
    EXPECT_TRUE(std::isnan(EvaluateAnswer(NumberSequence{4, 3, 2, 1}, OperatorSequence{'#'})));
}

// Sequences that validation never produces: still no read past either one.
TEST(EvaluateAnswer, HostileSequences)
{
    bool stopped = false;
    EXPECT_TRUE(std::isnan(EvaluateAnswer({}, {}, &stopped)));
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(std::isnan(EvaluateAnswer({1}, {'+', '#'}, &stopped)));
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(std::isnan(EvaluateAnswer({1, 2}, {}, &stopped)));
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(std::isnan(EvaluateAnswer({1, 2}, {'+'}, &stopped)));  // no "#"
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(std::isnan(EvaluateAnswer({1, 2}, {'(', '(', '('}, &stopped)));
    EXPECT_TRUE(stopped);
    // An unknown character ranks below "$": "+" is reduced, then "$" would be.
    EXPECT_TRUE(std::isnan(EvaluateAnswer({1, 2}, {'+', 'x', '#'}, &stopped)));
    EXPECT_TRUE(stopped);
    // Nothing after the first "#" is read.
    EXPECT_EQ(EvaluateAnswer({1, 2}, {'+', '#', '*', '*'}, &stopped), 3.0f);
    EXPECT_FALSE(stopped);
    EXPECT_TRUE(std::isnan(EvaluateAnswer({1, 2}, {'#', '+', '#'}, &stopped)));
    EXPECT_TRUE(stopped);
}

TEST(ComparePriority, Table)
{
    EXPECT_EQ(ComparePriority('(', '$'), 5);
    EXPECT_EQ(ComparePriority('*', '+'), 1);
    EXPECT_EQ(ComparePriority('/', '*'), 0);
    EXPECT_EQ(ComparePriority('-', '+'), 0);
    EXPECT_EQ(ComparePriority('+', '*'), -1);
    EXPECT_EQ(ComparePriority(')', '+'), -1);
    EXPECT_EQ(ComparePriority('#', '$'), 1);
    EXPECT_EQ(ComparePriority('#', '*'), -3);
    EXPECT_EQ(ComparePriority('$', '('), -5);
    EXPECT_LT(ComparePriority('x', '$'), 0);
}

TEST(ApplyOperator, FourOperators)
{
    EXPECT_EQ(ApplyOperator(6.0f, 4.0f, '+'), 10.0f);
    EXPECT_EQ(ApplyOperator(6.0f, 4.0f, '-'), 2.0f);
    EXPECT_EQ(ApplyOperator(6.0f, 4.0f, '*'), 24.0f);
    EXPECT_EQ(ApplyOperator(6.0f, 4.0f, '/'), 1.5f);
    EXPECT_TRUE(std::isnan(ApplyOperator(6.0f, 4.0f, ')')));
}

}  // namespace
