#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "CaseName.h"
#include "EveryFace.h"
#include "LuckSupport.h"
#include "engine/EveningLuck.h"

namespace corvane {
namespace {

struct Roll {
    int dice;
    int target;
};

long double DieChanceOf(int target) {
    return testing_support::ChanceOf(testing_support::Enumerate(1, target), 1);
}

struct EveningCase {
    const char* name;
    std::vector<Roll> rolls;
};

class ShortEvenings : public testing::TestWithParam<EveningCase> {};

// Every total the evening can reach, against the chances of every total
// convolved one die at a time, each die's chance from the enumeration of its
// faces. The successes go to the first rolls first. One roll's evening falls
// where the roll does, its tie with rolls just as good broken somewhere.
TEST_P(ShortEvenings, MatchTheConvolutionOfEveryDie) {
    const std::vector<Roll>& rolls = GetParam().rolls;
    std::vector<long double> chances{1.0L};
    long double expected = 0.0L;
    for (const Roll& roll : rolls) {
        const long double p = DieChanceOf(roll.target);
        expected += roll.dice * p;
        for (int die = 0; die < roll.dice; ++die) {
            chances.push_back(0.0L);
            for (std::size_t k = chances.size() - 1; k > 0; --k) {
                chances[k] = chances[k] * (1.0L - p) + chances[k - 1] * p;
            }
            chances[0] *= 1.0L - p;
        }
    }
    for (std::size_t total = 0; total < chances.size(); ++total) {
        if (chances[total] == 0.0L) continue;
        EveningTally tally;
        int left = static_cast<int>(total);
        for (const Roll& roll : rolls) {
            tally.Add(testing_support::RecordOf(roll.dice, std::min(left, roll.dice), roll.target));
            left -= std::min(left, roll.dice);
        }
        long double atLeast = 0.0L;
        for (std::size_t k = total; k < chances.size(); ++k) atLeast += chances[k];
        const EveningLuck luck = tally.Luck();
        const auto fewer = static_cast<double>(1.0L - atLeast);
        EXPECT_TRUE(rolls.size() != 1 || (luck.AtMostThisLucky > fewer - 1e-12 &&
                                          luck.AtMostThisLucky < fewer + chances[total] + 1e-12))
            << total;
        EXPECT_NEAR(luck.AtLeastThisLucky + luck.AtMostThisLucky, rolls.empty() ? 2.0 : 1.0, 1e-15);
        EXPECT_EQ(luck.Successes, static_cast<std::int64_t>(total));
        EXPECT_NEAR(luck.ExpectedSuccesses, static_cast<double>(expected), 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Evenings, ShortEvenings,
    testing::Values(EveningCase{"NoRolls", {}}, EveningCase{"OneDie", {{1, 4}}},
                    EveningCase{"OneRoll", {{6, 4}}}, EveningCase{"OneLongerRoll", {{40, 9}}},
                    EveningCase{"FourTargets", {{3, 2}, {5, 7}, {2, 13}, {4, 4}}},
                    EveningCase{"SixAndSevenShareAChance", {{4, 6}, {3, 7}, {2, 6}}},
                    EveningCase{"SomeDiceCannotFail", {{3, 1}, {2, 4}, {2, -7}}},
                    EveningCase{"NoDieCanMeetIt", {{3, 32767}, {2, 5}}},
                    EveningCase{"ManyRolls", {{2, 3}, {1, 5}, {4, 8}, {3, 3}, {2, 20}, {6, 5}}}),
    testing_support::CaseName());

// The log's bound, at one target and at seven, from no successes to all:
// quick, and nothing but chances.
TEST(EveningLuckTest, AThousandRollsOfTheLargestPoolStayChances) {
    for (const int targets : {1, 7}) {
        for (const double share : {0.0, 0.4, 0.5, 0.6, 1.0}) {
            EveningTally tally;
            for (int roll = 0; roll < 1000; ++roll) {
                const int target = 2 + roll % targets;
                const double p = 2 * share * static_cast<double>(DieChanceOf(target));
                tally.Add(testing_support::RecordOf(
                    32766, static_cast<int>(32766 * std::min(1.0, p)), target));
            }
            const EveningLuck luck = tally.Luck();
            EXPECT_TRUE(luck.AtLeastThisLucky >= 0.0 && luck.AtMostThisLucky <= 1.0);
            EXPECT_GE(luck.AtLeastThisLucky + luck.AtMostThisLucky, 1.0 - 1e-9) << share;
        }
    }
}

struct CalibrationCase {
    const char* name;
    int pool;
    // The new rolls take turns at this many targets from 2 on.
    int targets;
    int rolls;
    int evenings;
    bool rerollFailuresUntilNone;
};

class Calibration : public testing::TestWithParam<CalibrationCase> {};

// With fair dice, where an evening of so many rolls falls among all of them is
// uniform, played through the roller, also when what the player throws next
// depends on the dice; its mean is 1/2 within four standard errors. (No figure
// can be fair to an evening the dice end, as when no failures are left.)
TEST_P(Calibration, PutsFairEveningsEvenlyAcrossTheRange) {
    const CalibrationCase& c = GetParam();
    testing_support::RollerRig rig;
    Pcg32Random dice(2026);
    Roller roller(rig.view, dice, rig.clock, rig.yield);
    rig.view.roller = &roller;
    std::vector<double> places;
    for (int evening = 0; evening < c.evenings; ++evening) {
        EveningTally tally(static_cast<std::uint64_t>(evening));
        for (int roll = 0; roll < c.rolls; ++roll) {
            const bool reroll =
                roll > 0 && c.rerollFailuresUntilNone && roller.State().FailurePoint != Int16();
            rig.view.diceText = std::to_string(c.pool);
            rig.view.targetText = std::to_string(2 + (evening + roll) % c.targets);
            ASSERT_EQ(roller.Roll(reroll ? RollType::RerollFailures : RollType::NewRoll),
                      RollOutcome::Completed);
            tally.Add(*roller.LastRecord());
        }
        places.push_back(tally.Luck().AtMostThisLucky);
    }
    const double mean = std::accumulate(places.begin(), places.end(), 0.0) / c.evenings;
    EXPECT_NEAR(mean, 0.5, 4.0 / std::sqrt(12.0 * c.evenings));
    EXPECT_TRUE(testing_support::LooksUniform(places));
}

INSTANTIATE_TEST_SUITE_P(
    Pools, Calibration,
    testing::Values(CalibrationCase{"SixDice", 6, 5, 12, 2000, false},
                    CalibrationCase{"ThreeHundredDice", 300, 5, 10, 300, false},
                    CalibrationCase{"ThenRerollFailures", 6, 1, 2, 20000, true},
                    CalibrationCase{"RerollFailuresUntilNone", 6, 5, 5, 10000, true}),
    testing_support::CaseName());

}  // namespace
}  // namespace corvane
