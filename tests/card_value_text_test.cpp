// IsCardValueText, the range test of the card value field.

#include <gtest/gtest.h>

#include <string>

#include "checker/card_value_text.h"

namespace {

TEST(IsCardValueText, OneOrNoCharacterPasses)
{
    EXPECT_TRUE(IsCardValueText(""));
    for (int c = 1; c < 256; ++c) {
        const char text[2] = {static_cast<char>(c), '\0'};
        EXPECT_TRUE(IsCardValueText(text)) << c;
    }
}

TEST(IsCardValueText, TwoDigitTexts)
{
    for (int value = 0; value <= 99; ++value) {
        const char text[3] = {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10),
                              '\0'};
        const bool accepted = (value <= 3) || (value >= 10 && value <= 13);
        EXPECT_EQ(IsCardValueText(text), accepted) << text;
    }
}

TEST(IsCardValueText, AcceptsExactlyTheCardValues)
{
    for (const char* refused : {"14", "05", "20", "99", "19", "04"})
        EXPECT_FALSE(IsCardValueText(refused)) << refused;
    for (const char* accepted : {"0", "03", "13", "", "7", "00", "10"})
        EXPECT_TRUE(IsCardValueText(accepted)) << accepted;
}

TEST(IsCardValueText, SignedCharacterCodes)
{
    // Compared as signed 8-bit codes: bytes from 0x80 up are below "2" and "4".
    EXPECT_TRUE(IsCardValueText("\xB2\xBB"));
    EXPECT_TRUE(IsCardValueText("1\xFF"));
    EXPECT_TRUE(IsCardValueText("!!"));
    EXPECT_FALSE(IsCardValueText("a1"));
    EXPECT_FALSE(IsCardValueText("1a"));
}

TEST(IsCardValueText, OnlyTheFirstTwoCharactersCount)
{
    // The field reads at most two characters (a 3-byte buffer).
    EXPECT_TRUE(IsCardValueText("135"));
    EXPECT_FALSE(IsCardValueText("145"));
    EXPECT_FALSE(IsCardValueText(std::string(1000, '9').c_str()));
}

}  // namespace
