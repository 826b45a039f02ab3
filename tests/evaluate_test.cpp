// EvaluateAnswer: values by the usual rules in single precision, and the stop on
// what validation accepts but that is not well-formed.

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

#include "checker/evaluate.h"
#include "checker/verdict.h"

namespace {

// The evaluation of the text as validated: its value to the last digit of single
// precision, and whether it stopped.
std::string Evaluated(const std::string& text, const Hand& hand = {1, 2, 3, 4})
{
    NumberSequence numbers;
    OperatorSequence operators;
    if (ValidateAnswer(text.c_str(), numbers, operators, hand) != Accepted)
        return std::string("refused: ") + JudgeAnswer(text.c_str(), hand).verdict.detail;
    bool stopped = false;
    const float value = EvaluateAnswer(numbers, operators, &stopped);
    std::ostringstream evaluated;
    evaluated << (stopped ? "stopped at " : "") << std::setprecision(9) << value;
    return evaluated.str();
}

TEST(EvaluateAnswer, ComputesTheValueByTheUsualRules)
{
    const Hand h3388 = {3, 3, 8, 8}, h1_2_12_12 = {1, 2, 12, 12};
    const struct {
        const char *text, *value;
        Hand hand = {1, 2, 3, 4};
    } cases[] = {
        {"(1+2+3)*4", "24"}, {"4*3*2*1", "24"}, {"((1*2)*3)*4", "24"}, {"1+2*3*4", "25"}, {"1-2*3*4", "-23"},
        {"1+(2+3)*4", "21"}, {"(1+2)*(3+4)", "21"}, {"((1+2))*(3+4)", "21"}, {"1*((2+3)+4)", "9"}, {"4-3-2-1", "-2"},
        {"4/2/1*3", "6"}, {"1/2-3-4", "-6.5"}, {"12+12+1/2", "24.5", h1_2_12_12}, {"12+12-1/2", "23.5", h1_2_12_12},
        {"8/(3-3)*8", "-100000", h3388},  // ends at the division, before "*8"
        // Each intermediate rounded to single precision: 24 exactly in rationals.
        {"8/(3-8/3)", "24.0000057", h3388}, {"(1+5/3)*9", "23.9999981", {1, 3, 5, 9}},
        {"8/(1-2/3)", "24.0000019", {1, 2, 3, 8}},
        // Not well-formed, yet the steps run to their end.
        {"1 2+3*4", "7"}, {"(4*3)(2*1)", "24"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, Evaluated(c.text, c.hand)) << "text <" << c.text << ">";
}

// Texts that need more than the sequences hold stop with NaN, within no
// tolerance of 24, whatever value the steps had reached.
TEST(EvaluateAnswer, StopsOnTextsThatAreNotWellFormed)
{
    for (const char* text : {"4 3 2 1", "1 2 3 4",                             // a character past "#"
                             "4*(3)*2*1", "((1)) 2 3 4", "(1) 2*3*4",          // a reduction with ")"
                             "1)+(2+3)*(4", "4*3*2*1+ ", "4*3*2*1+0", "(1)+(2)+(3)+(4)"})  // a fifth number
        EXPECT_EQ("stopped at nan", Evaluated(text)) << "text <" << text << ">";
}

// Sequences no validation makes: still no read past either one.
TEST(EvaluateAnswer, StopsWithoutReadingPastHostileSequences)
{
    const struct {
        NumberSequence numbers;
        std::string operators;
    } cases[] = {
        {{}, ""}, {{1}, "+#"}, {{1, 2}, "+"}, {{1, 2}, "((("}, {{1, 2, 3, 4}, "#***#"},  // "#" first
        {{1, 2}, "+x#"},  // an unknown character ranks below "$"
        {{1, 2, 3}, "(#(+#"},  // the first "#" shifted: read on to the second, the steps would give 5
    };
    for (const auto& c : cases) {
        bool stopped = false;
        const float value = EvaluateAnswer(c.numbers, {c.operators.begin(), c.operators.end()}, &stopped);
        EXPECT_TRUE(stopped && std::isnan(value)) << "operators <" << c.operators << "> gave " << value;
    }
    EXPECT_EQ(3.0f, EvaluateAnswer({1, 2}, {'+', '#', '*', '*'})) << "nothing after \"#\" is read";
}

}  // namespace
