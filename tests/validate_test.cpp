// ValidateAnswer, every CheckResult kind and position of the
// examples, the sequences it leaves, and the mended accumulator.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/validate.h"

namespace {

const Hand H1234 = {1, 2, 3, 4};
const Hand H3388 = {3, 3, 8, 8};
const Hand H0123 = {0, 1, 2, 3};

struct Case {
    Hand hand;
    std::string text;
    CheckResult expected;
};

CheckResult Validate(const std::string& text, const Hand& hand, NumberSequence* numbersOut = nullptr,
                     OperatorSequence* operatorsOut = nullptr)
{
    NumberSequence numbers;
    OperatorSequence operators;
    const CheckResult result = ValidateAnswer(text.c_str(), numbers, operators, hand);
    if (numbersOut != nullptr)
        *numbersOut = numbers;
    if (operatorsOut != nullptr)
        *operatorsOut = operators;
    return result;
}

TEST(CheckResult, Helpers)
{
    EXPECT_EQ(BadCharacter, 1);
    EXPECT_EQ(WrongNumberCount, 2);
    EXPECT_EQ(CardNotUsed, 3);
    EXPECT_EQ(UnbalancedParentheses, 4);
    EXPECT_EQ(BadLastCharacter, 5);
    EXPECT_EQ(MakeCheckResult(BadCharacter, 6), 1537);
    EXPECT_EQ(CheckKind(1537), BadCharacter);
    EXPECT_EQ(CheckPosition(1537), 6);
    EXPECT_EQ(CheckKind(4), UnbalancedParentheses);
    EXPECT_EQ(CheckPosition(4), 0);
}

TEST(ValidateAnswer, ReportsTheFirstFaultOfEachExample)
{
    const std::string tab = "1\t+2+3+4";
    const Case cases[] = {
        {H1234, "(1+2+3)*4", 0},
        {H1234, " 4*3*2*1", 0},
        {H1234, "4*3*2*1 ", 0},
        {H1234, "1+02+3+4", 0},
        {H1234, "1+2", WrongNumberCount},
        {H1234, "5", WrongNumberCount},
        {H1234, "13+11", WrongNumberCount},
        {H1234, "1*1*3*4", CardNotUsed},
        {H1234, "1*2*3*5", CardNotUsed},
        {H1234, "(1+2)*(3+4", UnbalancedParentheses},
        {H1234, "1+2)", UnbalancedParentheses},
        {H1234, "(4*3*2)*1)", UnbalancedParentheses},
        {H1234, "1+2+3+4+", BadLastCharacter},
        {H1234, "(", BadLastCharacter},
        {H1234, "1+a+", BadLastCharacter},
        {H1234, "", MakeCheckResult(BadCharacter, 0)},
        {H1234, "-4*3*2*1", MakeCheckResult(BadCharacter, 0)},
        {H1234, ")1", MakeCheckResult(BadCharacter, 0)},
        {H1234, "   ", 769},
        {H1234, "  )1+2", 513},
        {H1234, "4*3*2*a", 1537},
        {H1234, "4.0*3*2*1", 257},
        {H1234, "4*-3*2*1", MakeCheckResult(BadCharacter, 2)},
        {H1234, "1++2", MakeCheckResult(BadCharacter, 2)},
        {H1234, "(1+2)3", MakeCheckResult(BadCharacter, 5)},
        {H1234, "2(3", MakeCheckResult(BadCharacter, 1)},
        {H1234, "()1+2+3+4", MakeCheckResult(BadCharacter, 1)},
        {H1234, "( )1+2+3+4", MakeCheckResult(BadCharacter, 3)},
        {H1234, tab, MakeCheckResult(BadCharacter, 1)},
        {H1234, "4*3*2*1+0", 0},
        {H1234, "4 3 2 1", 0},
        {H1234, "1)+(2+3)*(4", 0},
        {H1234, "1+2 (3*4)", 0},
        {H1234, "4*3*2*1+ ", 0},
        {H1234, "4*(3)*2*1", 0},
        {H1234, "(4*3)(2*1)", 0},
        {H1234, "1 2+3*4", 0},
        {H1234, "1+ +2*3*4", 0},
        {H0123, "0+1+2+3", WrongNumberCount},
        {H0123, "1*2*3*3", CardNotUsed},
        {H3388, "8/(3-8/3)", 0},
        {H3388, "8//3+3+8", MakeCheckResult(BadCharacter, 2)},
        {H3388, "8(3", MakeCheckResult(BadCharacter, 1)},
        {H3388, "*8+3", MakeCheckResult(BadCharacter, 0)},
        {H3388, "8*3+", BadLastCharacter},
        {H3388, "(8*3", UnbalancedParentheses},
        {H3388, "8*3", WrongNumberCount},
        {H3388, "8*3*1*1", CardNotUsed},
        // Hand values above 13 are matched when typed.
        {Hand{99, 13, 0, 1}, "99+13+1", WrongNumberCount},
        {Hand{99, 13, 20, 1}, "99+13+1+20", 0},
        // Bytes of a GBK or UTF-8 character are faults where they stand.
        {H1234, "1+\xE4\xB8\xAD", MakeCheckResult(BadCharacter, 2)},
        {H1234, "\xB2\xBB", MakeCheckResult(BadCharacter, 0)},
        {H1234, "1+2+3+4\r", MakeCheckResult(BadCharacter, 7)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Validate(c.text, c.hand), c.expected) << "text <" << c.text << ">";
}

TEST(ValidateAnswer, SequencesOfAnAcceptedText)
{
    NumberSequence numbers;
    OperatorSequence operators;
    ASSERT_EQ(Validate("(1+2+3)*4", H1234, &numbers, &operators), 0);
    EXPECT_EQ(numbers, (NumberSequence{1, 2, 3, 4}));
    EXPECT_EQ(std::string(operators.begin(), operators.end()), "(++)*#");

    ASSERT_EQ(Validate(" 4*3*2*1", H1234, &numbers, &operators), 0);
    EXPECT_EQ(numbers, (NumberSequence{4, 3, 2, 1}));
    EXPECT_EQ(std::string(operators.begin(), operators.end()), "***#");

    ASSERT_EQ(Validate("1+02+3+4", H1234, &numbers, &operators), 0);
    EXPECT_EQ(numbers, (NumberSequence{1, 2, 3, 4}));

    ASSERT_EQ(Validate("8/(3-8/3)", H3388, &numbers, &operators), 0);
    EXPECT_EQ(numbers, (NumberSequence{8, 3, 8, 3}));
    EXPECT_EQ(std::string(operators.begin(), operators.end()), "/(-/)#");

    ASSERT_EQ(Validate("4*3*2*1+0", H1234, &numbers, &operators), 0);
    EXPECT_EQ(numbers, (NumberSequence{4, 3, 2, 1}));
    EXPECT_EQ(std::string(operators.begin(), operators.end()), "***+#");
}

TEST(ValidateAnswer, NoEndMarkerAfterAFault)
{
    NumberSequence numbers;
    OperatorSequence operators;
    EXPECT_EQ(Validate("1*1*3*4", H1234, &numbers, &operators), CardNotUsed);
    EXPECT_EQ(std::string(operators.begin(), operators.end()), "***");
    EXPECT_EQ(numbers.size(), 4u);
}

// The mended fault: the old 32-bit accumulator wrapped modulo 2^32, which made
// "4294967297" read as 1; it now saturates and matches no card.
TEST(ValidateAnswer, AccumulatorSaturates)
{
    NumberSequence numbers;
    EXPECT_EQ(Validate("4294967297*2*3*4", H1234, &numbers), CardNotUsed);
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers[0], 4294967295.0f);

    // 2^32 wrapped to 0 would not even be recorded; saturated, it is a fifth number.
    EXPECT_EQ(Validate("4294967296+1+2+3+4", H1234), WrongNumberCount);
    EXPECT_EQ(Validate("4294967295*2*3*4", H1234), CardNotUsed);
    EXPECT_EQ(Validate("99999999999999999999*2*3*4", H1234), CardNotUsed);
    EXPECT_EQ(Validate("1*2*3*4294967300", H1234), CardNotUsed);
    // Leading zeros stay harmless.
    EXPECT_EQ(Validate("0000000000004*3*2*1", H1234, &numbers), 0);
    EXPECT_EQ(numbers, (NumberSequence{4, 3, 2, 1}));
}

// The text is read as the window reads it: the first 29 bytes.
TEST(ValidateAnswer, OnlyTheFirst29Bytes)
{
    const std::string accepted = "1+2+3+4" + std::string(22, ' ');
    ASSERT_EQ(accepted.size(), 29u);
    EXPECT_EQ(Validate(accepted + "+", H1234), 0);
    EXPECT_EQ(Validate(accepted + "a", H1234), 0);
    EXPECT_EQ(Validate(std::string(29, ' ') + "1+2+3+4", H1234), MakeCheckResult(BadCharacter, 29));
    const std::string late = std::string(28, '1') + "a";
    EXPECT_EQ(Validate(late, H1234), MakeCheckResult(BadCharacter, 28));
    EXPECT_EQ(Validate(std::string(100000, '('), H1234), BadLastCharacter);
}

}  // namespace
