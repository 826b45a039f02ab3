#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "ui/dealing.h"

namespace {

// Each test starts the program's generator as at program start and puts it back after.
class DealingTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved = Dealing::randState;
        Dealing::randState = 1;
    }
    void TearDown() override { Dealing::randState = saved; }

    static std::vector<int> NextSleeps(int count)
    {
        std::vector<int> sleeps;
        for (int i = 0; i < count; ++i)
            sleeps.push_back(NextDealSleep());
        return sleeps;
    }

    std::uint32_t saved = 0;
};

TEST_F(DealingTest, SleepsFollowTheSameSequenceInEveryRun)
{
    EXPECT_EQ((std::vector<int>{13, 1, 6, 12, 3, 2, 12, 0, 12, 6, 7, 5}), NextSleeps(12));
}

TEST_F(DealingTest, FirstDealSleeps13_1_6_12AndTheSecondGoesOnWith3_2_12_0)
{
    Hand hand{};
    DealHand(hand);
    const std::uint32_t afterFirstDeal = Dealing::randState;
    EXPECT_EQ((std::vector<int>{3, 2, 12, 0}), NextSleeps(4));

    Dealing::randState = afterFirstDeal;
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
    for (int deal = 0; deal < 20; ++deal) {
        Hand hand{};
        DealHand(hand);
        for (std::int32_t value : hand) {
            EXPECT_LE(1, value);
            EXPECT_GE(13, value);
        }
    }
}

TEST(CardValueOfMilliseconds, MapsReadingsModulo13)
{
    const std::pair<int, int> cases[] = {
        {0, 1}, {1, 2}, {11, 12}, {12, 13}, {13, 1}, {25, 13}, {26, 1}, {987, 13}, {998, 11}, {999, 12},
    };
    for (const auto& [milliseconds, value] : cases)
        EXPECT_EQ(value, CardValueOfMilliseconds(milliseconds)) << "reading " << milliseconds;
}

TEST(CardValueOfMilliseconds, Gives13OneReadingFewerThanTheOthers)
{
    std::map<int, int> readings;
    for (int m = 0; m < 1000; ++m)
        ++readings[CardValueOfMilliseconds(m)];
    std::map<int, int> expected;
    for (int value = 1; value <= 12; ++value)
        expected[value] = 77;
    expected[13] = 76;
    EXPECT_EQ(expected, readings);
}

}  // namespace
