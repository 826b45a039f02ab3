// The rules of a deal that need no window: its clock readings and sleeps, the deal
// clock's count, and the texts a card value field takes.

#include <gtest/gtest.h>

#include <string>

#include "deal/card_value_text.h"
#include "deal/dealing.h"

namespace {

// The system as the deals meet it: scripted clock readings, and a log of the calls.
std::string calls;

int ReadScripted()
{
    static const int readings[] = {0, 12, 999, 25, 13, 987, 1, 998};
    static std::size_t next = 0;
    calls += " read";
    return readings[next++ % 8];
}

void SleepLogged(int milliseconds)
{
    calls += " sleep " + std::to_string(milliseconds);
}

// The generator starts from 1 in every run, so the first two deals of this test's
// run sleep 13, 1, 6, 12 and then 3, 2, 12, 0, each sleep after its reading.
TEST(DealHand, ReadsTheClockThenSleepsTheNextDrawForEachCard)
{
    Hand first{}, second{};
    DealHand(first, {ReadScripted, SleepLogged});
    DealHand(second, {ReadScripted, SleepLogged});
    EXPECT_EQ(" read sleep 13 read sleep 1 read sleep 6 read sleep 12"
              " read sleep 3 read sleep 2 read sleep 12 read sleep 0", calls);
    EXPECT_EQ((Hand{1, 13, 12, 13}), first) << "the cards of the readings 0, 12, 999, 25";
    EXPECT_EQ((Hand{1, 13, 2, 11}), second) << "the cards of the readings 13, 987, 1, 998";
}

// From the program's start: the first tick only takes its reading; across the
// minute; a tick three seconds late; the same second again; one second behind.
TEST(DealClock, CountsTheSecondsBetweenTicksModuloAMinute)
{
    const int seconds[] = {58, 59, 0, 1, 4, 4, 3}, elapsed[] = {0, 1, 2, 3, 6, 6, 65};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(elapsed[i], AdvanceDealClock(seconds[i])) << "tick at second " << seconds[i];
    ResetDealClock();
    EXPECT_EQ(0, AdvanceDealClock(30)) << "the first tick after a reset";
    EXPECT_EQ(1, AdvanceDealClock(31)) << "the next tick";
}

// While typed, a field passes two digits only for 00..03 and 10..13, and any shorter text; only the first
// two count, as signed codes (bytes from 0x80 up are below "2" and "4"). On OK, its whole text is 0..13.
TEST(CardValueText, PassesTheTextsOfACardValue)
{
    for (int value = 0; value <= 99; ++value) {
        const std::string text = {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
        EXPECT_EQ(value <= 3 || (value >= 10 && value <= 13), IsCardValueText(text.c_str())) << "text " << text;
    }
    for (int c = 0; c < 256; ++c)
        EXPECT_TRUE(IsCardValueText(std::string(1, static_cast<char>(c)).c_str())) << "text of byte " << c;
    const struct {
        const char* text;
        bool typed, whole;  // passed while typed, and on OK
    } cases[] = {
        {"\xB2\xBB", true, false}, {"1\xFF", true, false}, {"!!", true, false}, {"135", true, false}, {"a1", false, false},
        {"1a", false, false}, {"145", false, false}, {"0", true, true}, {"7", true, true}, {"13", true, true},
        {"013", true, true}, {"00000012", true, true}, {"", true, false}, {"14", false, false}, {"100", true, false},
        {"-1", true, false}, {"1345", true, false}, {"  7", true, false}, {"7 ", false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::make_pair(c.typed, c.whole), std::make_pair(IsCardValueText(c.text), IsWholeCardValueText(c.text)))
            << "text <" << c.text << ">";
}

}  // namespace
