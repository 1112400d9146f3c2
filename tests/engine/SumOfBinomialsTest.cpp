#include <gtest/gtest.h>

#include <cmath>
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

double ChanceAt(int target) { return DieChance(Int16::From(target)); }

// Evenings wide enough for the approximation to be chosen when they are long:
// every target from 2 to 13, a few to a few thousand dice each.
std::vector<std::vector<Group>> WideEvenings() {
    Pcg32Random random(77);
    std::vector<std::vector<Group>> evenings;
    for (int evening = 0; evening < 24; ++evening) {
        std::vector<Group> groups;
        const int count = 1 + evening % 4;
        for (int g = 0; g < count; ++g) {
            const int target = 2 + static_cast<int>(random.Next() * 12.0F);
            const auto dice = static_cast<std::int64_t>(400 + random.Next() * 4000.0F);
            groups.push_back({ChanceAt(target), dice});
        }
        evenings.push_back(groups);
    }
    return evenings;
}

// Where it is allowed to be chosen, the approximation stays within 2e-5 of the
// exact chances over the whole range of totals, and both keep their order.
TEST(SumOfBinomialsTest, SaddlepointStaysCloseToExact) {
    for (const auto& groups : WideEvenings()) {
        const SumOfBinomials sum(groups);
        std::int64_t dice = 0;
        for (const Group& group : groups) dice += group.Dice;
        SumOfBinomials::Tails previous[2] = {{1.0, 0.0}, {1.0, 0.0}};
        for (std::int64_t total = 0; total <= dice; total += 1 + dice / 60) {
            const SumOfBinomials::Tails exact = sum.At(total, Method::Exact);
            const SumOfBinomials::Tails approximate = sum.At(total, Method::Saddlepoint);
            EXPECT_NEAR(approximate.AtLeast, exact.AtLeast, 2e-5) << total;
            EXPECT_NEAR(approximate.AtMost, exact.AtMost, 2e-5) << total;
            int method = 0;
            for (const auto& tails : {exact, approximate}) {
                EXPECT_LE(tails.AtLeast, previous[method].AtLeast) << total;
                EXPECT_GE(tails.AtMost, previous[method].AtMost) << total;
                previous[method++] = tails;
            }
        }
    }
}

struct SwitchCase {
    const char* name;
    std::vector<Group> groups;
    Method chosen;
};

class TheSwitch : public testing::TestWithParam<SwitchCase> {};

TEST_P(TheSwitch, HappensWhereTheHeaderSays) {
    EXPECT_EQ(SumOfBinomials(GetParam().groups).Chosen(), GetParam().chosen);
}

std::vector<Group> ManyTargets(std::int64_t dice) {
    std::vector<Group> groups;
    for (int target = 2; target < 400; ++target) groups.push_back({ChanceAt(target), dice});
    return groups;
}

INSTANTIATE_TEST_SUITE_P(
    Evenings, TheSwitch,
    testing::Values(
        SwitchCase{"TwoHugeGroups", {{0.5, 1 << 30}, {1.0 / 3, 1 << 30}}, Method::Exact},
        SwitchCase{"ThreeOf10000",
                   {{0.5, 10000}, {0.5 - 1e-9, 10000}, {0.5 + 1e-9, 10000}},
                   Method::Exact},
        SwitchCase{"ThreeOf14000",
                   {{0.5, 14000}, {0.5 - 1e-9, 14000}, {0.5 + 1e-9, 14000}},
                   Method::Saddlepoint},
        SwitchCase{"ManyTargetsFewDice", ManyTargets(2), Method::Exact},
        SwitchCase{"ManyTargetsMoreDice", ManyTargets(2000), Method::Saddlepoint}),
    testing_support::CaseName());

struct CalibrationCase {
    const char* name;
    int pool;
    int rolls;
    int evenings;
    bool exact;
};

class Calibration : public testing::TestWithParam<CalibrationCase> {};

// Fair dice, many evenings: where each evening falls among all evenings of the
// same rolls is uniform. A count has ties, so each is spread over its own
// chance at random (the randomised probability integral transform).
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
    EXPECT_LT(testing_support::UniformDistance(places),
              testing_support::UniformDistanceLimit(places.size()));
}

INSTANTIATE_TEST_SUITE_P(Pools, Calibration,
                         testing::Values(CalibrationCase{"SixDice", 6, 12, 2000, true},
                                         CalibrationCase{"ThreeHundredDice", 300, 10, 600, true},
                                         CalibrationCase{"ThreeHundredDiceLong", 300, 80, 400,
                                                         false}),
                         testing_support::CaseName());

}  // namespace
}  // namespace corvane
