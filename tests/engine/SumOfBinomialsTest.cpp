#include <gtest/gtest.h>

#include <vector>

#include "CaseName.h"
#include "LuckSupport.h"
#include "engine/EveningLuck.h"
#include "engine/Odds.h"
#include "engine/SumOfBinomials.h"

namespace corvane {
namespace {

using Group = SumOfBinomials::Group;
using Method = SumOfBinomials::Method;

// Evenings of 1 to 4 targets from 2 to 13, 400 to 4400 dice at each: the
// approximation may be chosen for them once they are long. Where it may, it
// stays within 2e-5 of exact over the whole range, and both keep their order.
TEST(SumOfBinomialsTest, SaddlepointStaysCloseToExact) {
    Pcg32Random random(77);
    for (int evening = 0; evening < 24; ++evening) {
        std::vector<Group> groups;
        std::int64_t dice = 0;
        for (int g = 0; g <= evening % 4; ++g) {
            const auto target = static_cast<std::int16_t>(2 + random.Next() * 12.0F);
            groups.push_back(
                {DieChance(Int16(target)), 400 + static_cast<int>(random.Next() * 4000)});
            dice += groups.back().Dice;
        }
        const SumOfBinomials sum(groups);
        SumOfBinomials::Tails previous[2] = {{1.0, 0.0}, {1.0, 0.0}};
        for (std::int64_t total = 0; total <= dice; total += 1 + dice / 60) {
            const SumOfBinomials::Tails both[2] = {sum.At(total, Method::Exact),
                                                   sum.At(total, Method::Saddlepoint)};
            EXPECT_NEAR(both[1].AtLeast, both[0].AtLeast, 2e-5) << total;
            EXPECT_NEAR(both[1].AtMost, both[0].AtMost, 2e-5) << total;
            for (int method = 0; method < 2; ++method) {
                EXPECT_LE(both[method].AtLeast, previous[method].AtLeast) << total;
                EXPECT_GE(both[method].AtMost, previous[method].AtMost) << total;
                previous[method] = both[method];
            }
        }
    }
    // Three groups of about 12,000 dice are where the exact sum gets too dear.
    const auto three = [](std::int64_t dice) {
        return SumOfBinomials({{0.5, dice}, {0.4, dice}, {0.6, dice}}).Chosen();
    };
    EXPECT_EQ(three(10000), Method::Exact);
    EXPECT_EQ(three(14000), Method::Saddlepoint);
}

struct CalibrationCase {
    const char* name;
    int pool;
    int rolls;
    int evenings;
    bool exact;
};

class Calibration : public testing::TestWithParam<CalibrationCase> {};

// With fair dice, where each evening falls among all evenings of the same
// rolls is uniform. A count has ties, so each is spread over its own chance at
// random (the randomised probability integral transform).
TEST_P(Calibration, PutsFairEveningsEvenlyAcrossTheRange) {
    const CalibrationCase& c = GetParam();
    Pcg32Random dice(2026);
    Pcg32Random spread(7);
    std::vector<double> places;
    for (int evening = 0; evening < c.evenings; ++evening) {
        EveningTally tally;
        for (int roll = 0; roll < c.rolls; ++roll) {
            tally.Add(testing_support::ThrowDice(c.pool, 2 + (evening + roll) % 5, dice));
        }
        const EveningLuck luck = tally.Luck();
        ASSERT_EQ(luck.Exact, c.exact);
        const double thisOne = luck.AtMostThisLucky + luck.AtLeastThisLucky - 1.0;
        places.push_back(1.0 - luck.AtMostThisLucky + spread.Next() * thisOne);
    }
    EXPECT_TRUE(testing_support::LooksUniform(places));
}

INSTANTIATE_TEST_SUITE_P(Pools, Calibration,
                         testing::Values(CalibrationCase{"SixDice", 6, 12, 2000, true},
                                         CalibrationCase{"ThreeHundredDice", 300, 10, 600, true},
                                         CalibrationCase{"ThreeHundredDiceLong", 300, 80, 400,
                                                         false}),
                         testing_support::CaseName());

}  // namespace
}  // namespace corvane
