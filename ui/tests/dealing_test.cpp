#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "ui/dealing.h"

namespace {

// Each test starts the program's generator as at program start and puts it back after.
class DealingTest : public testing::Test {
protected:
    void SetUp() override { Dealing::randState = 1; }
    void TearDown() override { Dealing::randState = saved; }

    static std::vector<int> NextSleeps(int count)
    {
        std::vector<int> sleeps;
        for (int i = 0; i < count; ++i)
            sleeps.push_back(NextDealSleep());
        return sleeps;
    }

    const std::uint32_t saved = Dealing::randState;
};

TEST_F(DealingTest, SleepsFollowTheSameSequenceInEveryRun)
{
    EXPECT_EQ((std::vector<int>{13, 1, 6, 12, 3, 2, 12, 0, 12, 6, 7, 5}), NextSleeps(12));
}

// So the first deal sleeps 13, 1, 6, 12 and the second 3, 2, 12, 0.
TEST_F(DealingTest, TakesFourDrawsPerDeal)
{
    Hand hand{};
    DealHand(hand);
    DealHand(hand);
    EXPECT_EQ((std::vector<int>{12, 6, 7, 5}), NextSleeps(4));
}

TEST_F(DealingTest, LeavesTheCLibraryGeneratorAlone)
{
    std::srand(7);
    const int expected = std::rand();
    std::srand(7);
    Hand hand{};
    DealHand(hand);
    EXPECT_EQ(expected, std::rand());
}

TEST_F(DealingTest, DealsValuesFrom1To13)
{
    for (int deal = 0; deal < 5; ++deal) {
        Hand hand{};
        DealHand(hand);
        for (std::int32_t value : hand)
            EXPECT_TRUE(value >= 1 && value <= 13) << value;
    }
}

TEST(CardValueOfMilliseconds, IsTheReadingModulo13PlusOne)
{
    const std::pair<int, int> cases[] = {{0, 1}, {1, 2}, {12, 13}, {13, 1}, {25, 13}, {987, 13}, {998, 11}, {999, 12}};
    for (const auto& [milliseconds, value] : cases)
        EXPECT_EQ(value, CardValueOfMilliseconds(milliseconds)) << "reading " << milliseconds;
}

}  // namespace
