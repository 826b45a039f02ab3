// ValidateAnswer: every CheckResult kind and position, the sequences it leaves,
// and the mended accumulator.

#include <gtest/gtest.h>

#include <string>

#include "checker/validate.h"

namespace {

const Hand H1234 = {1, 2, 3, 4};
const Hand H3388 = {3, 3, 8, 8};

CheckResult Validate(const std::string& text, const Hand& hand, NumberSequence* numbers = nullptr,
                     std::string* operators = nullptr)
{
    NumberSequence n;
    OperatorSequence o;
    const CheckResult result = ValidateAnswer(text.c_str(), n, o, hand);
    if (numbers != nullptr)
        *numbers = n;
    if (operators != nullptr)
        *operators = std::string(o.begin(), o.end());
    return result;
}

// Kind 1 carries its position: 513 is kind 1 at position 2.
TEST(ValidateAnswer, ReportsTheFirstFaultWithItsKindAndPosition)
{
    const struct {
        Hand hand;
        std::string text;
        CheckResult expected;
    } cases[] = {
        {H1234, "(1+2+3)*4", 0}, {H1234, " 4*3*2*1", 0}, {H1234, "4*3*2*1 ", 0}, {H1234, "1+02+3+4", 0},
        {H1234, "1+2", 2}, {H1234, "5", 2}, {H1234, "13+11", 2},
        {H1234, "1*1*3*4", 3}, {H1234, "1*2*3*5", 3},
        {H1234, "(1+2)*(3+4", 4}, {H1234, "1+2)", 4}, {H1234, "(4*3*2)*1)", 4},
        {H1234, "1+2+3+4+", 5}, {H1234, "(", 5},
        {H1234, "1+a+", 5},  // the last character is looked at before the scan
        {H1234, "", 1}, {H1234, "-4*3*2*1", 1}, {H1234, ")1", 1},
        {H1234, "   ", 769},  // the terminating zero, at position 3
        {H1234, "  )1+2", 513}, {H1234, "4*3*2*a", 1537}, {H1234, "4.0*3*2*1", 257}, {H1234, "4*-3*2*1", 513},
        {H1234, "1++2", 513}, {H1234, "(1+2)3", 1281}, {H1234, "2(3", 257}, {H1234, "()1+2+3+4", 257},
        {H1234, "( )1+2+3+4", 769}, {H1234, "1\t+2+3+4", 257},
        {H1234, "1+\xE4\xB8\xAD", 513}, {H1234, "\xB2\xBB", 1}, {H1234, "1+2+3+4\r", 1793},
        // Accepted, though not well-formed: only counts and numbers are checked.
        {H1234, "4*3*2*1+0", 0}, {H1234, "4 3 2 1", 0}, {H1234, "1)+(2+3)*(4", 0}, {H1234, "1+2 (3*4)", 0},
        {H1234, "4*3*2*1+ ", 0}, {H1234, "4*(3)*2*1", 0}, {H1234, "(4*3)(2*1)", 0}, {H1234, "1+ +2*3*4", 0},
        // A 0 in the text is never recorded, so a hand holding 0 is never matched.
        {{0, 1, 2, 3}, "0+1+2+3", 2}, {{0, 1, 2, 3}, "1*2*3*3", 3},
        {{99, 13, 20, 1}, "99+13+1+20", 0},
        {H3388, "8/(3-8/3)", 0}, {H3388, "8//3+3+8", 513}, {H3388, "8(3", 257}, {H3388, "*8+3", 1},
        {H3388, "8*3+", 5}, {H3388, "(8*3", 4}, {H3388, "8*3", 2}, {H3388, "8*3*1*1", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Validate(c.text, c.hand)) << "text <" << c.text << ">";
}

TEST(ValidateAnswer, LeavesTheNumbersAndOperatorsInTextOrder)
{
    const struct {
        Hand hand;
        const char* text;
        CheckResult result;
        NumberSequence numbers;
        const char* operators;
    } cases[] = {
        {H1234, "(1+2+3)*4", 0, {1, 2, 3, 4}, "(++)*#"},
        {H1234, " 4*3*2*1", 0, {4, 3, 2, 1}, "***#"},
        {H1234, "1+02+3+4", 0, {1, 2, 3, 4}, "+++#"},
        {H1234, "4*3*2*1+0", 0, {4, 3, 2, 1}, "***+#"},
        {H3388, "8/(3-8/3)", 0, {8, 3, 8, 3}, "/(-/)#"},
        {H1234, "1*1*3*4", 3, {1, 1, 3, 4}, "***"},  // no end marker after a fault
    };
    for (const auto& c : cases) {
        NumberSequence numbers;
        std::string operators;
        EXPECT_EQ(c.result, Validate(c.text, c.hand, &numbers, &operators)) << c.text;
        EXPECT_EQ(c.numbers, numbers) << c.text;
        EXPECT_EQ(c.operators, operators) << c.text;
    }
}

// A 32-bit accumulator that wrapped would read "4294967297" as 1 and judge
// "4294967297*2*3*4" right; it saturates instead and matches no card.
TEST(ValidateAnswer, SaturatesNumbersOfTenOrMoreDigits)
{
    NumberSequence numbers;
    EXPECT_EQ(CardNotUsed, Validate("4294967297*2*3*4", H1234, &numbers));
    EXPECT_EQ((NumberSequence{4294967295.0f, 2, 3, 4}), numbers);
    // Wrapped to 0, 2^32 would not be recorded at all.
    EXPECT_EQ(WrongNumberCount, Validate("4294967296+1+2+3+4", H1234));
    EXPECT_EQ(CardNotUsed, Validate("99999999999999999999*2*3*4", H1234));
    EXPECT_EQ(CardNotUsed, Validate("1*2*3*4294967300", H1234));
    EXPECT_EQ(Accepted, Validate("0000000000004*3*2*1", H1234, &numbers));
    EXPECT_EQ((NumberSequence{4, 3, 2, 1}), numbers);
}

TEST(ValidateAnswer, ReadsOnlyTheFirst29Bytes)
{
    const std::string accepted = "1+2+3+4" + std::string(22, ' ');
    EXPECT_EQ(Accepted, Validate(accepted + "+", H1234));
    EXPECT_EQ(Accepted, Validate(accepted + "a", H1234));
    EXPECT_EQ(7425, Validate(std::string(29, ' ') + "1+2+3+4", H1234));  // position 29
    EXPECT_EQ(7169, Validate(std::string(28, '1') + "a", H1234));        // position 28
    EXPECT_EQ(BadLastCharacter, Validate(std::string(100000, '('), H1234));
}

}  // namespace
