// IsCardValueText, the range test of the card value field, and IsWholeCardValueText,
// the test of a field's whole text on OK.

#include <gtest/gtest.h>

#include <string>

#include "deal/card_value_text.h"

namespace {

TEST(IsCardValueText, PassesTwoDigitsOnlyFor00To03And10To13)
{
    for (int value = 0; value <= 99; ++value) {
        const std::string text = {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
        EXPECT_EQ(value <= 3 || (value >= 10 && value <= 13), IsCardValueText(text.c_str())) << "text " << text;
    }
}

// Every text shorter than two passes (byte 0: the empty text); only the first two
// characters count, compared as signed codes (bytes from 0x80 up are below "2" and "4").
TEST(IsCardValueText, LooksAtTheFirstTwoCharactersAsSignedCodes)
{
    for (int c = 0; c < 256; ++c)
        EXPECT_TRUE(IsCardValueText(std::string(1, static_cast<char>(c)).c_str())) << "text of byte " << c;
    for (const char* passed : {"\xB2\xBB", "1\xFF", "!!", "135"})
        EXPECT_TRUE(IsCardValueText(passed)) << "text " << passed;
    for (const char* refused : {"a1", "1a", "145"})
        EXPECT_FALSE(IsCardValueText(refused)) << "text " << refused;
}

TEST(IsWholeCardValueText, PassesOnlyDigitsFor0To13)
{
    for (const char* passed : {"0", "7", "13", "013", "00000012"})
        EXPECT_TRUE(IsWholeCardValueText(passed)) << "text " << passed;
    for (const char* refused : {"", "14", "100", "-1", "1345", "  7", "7 ", "1a", "\xB2\xBB"})
        EXPECT_FALSE(IsWholeCardValueText(refused)) << "text " << refused;
}

}  // namespace
