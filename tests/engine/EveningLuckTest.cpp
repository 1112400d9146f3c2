#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CaseName.h"
#include "EveryFace.h"
#include "LuckSupport.h"
#include "engine/EveningLuck.h"

namespace corvane {
namespace {

using testing_support::RecordOf;

struct Roll {
    int dice;
    int target;
};

// The chance of every total of successes, one die at a time, with each die's
// chance from the enumeration of its faces.
std::vector<long double> EveryTotal(const std::vector<Roll>& rolls) {
    std::vector<long double> chances{1.0L};
    for (const Roll& roll : rolls) {
        const long double p =
            testing_support::ChanceOf(testing_support::Enumerate(1, roll.target), 1);
        for (int die = 0; die < roll.dice; ++die) {
            chances.push_back(0.0L);
            for (std::size_t k = chances.size() - 1; k > 0; --k) {
                chances[k] = chances[k] * (1.0L - p) + chances[k - 1] * p;
            }
            chances[0] *= 1.0L - p;
        }
    }
    return chances;
}

struct EveningCase {
    const char* name;
    std::vector<Roll> rolls;
};

class ShortEvenings : public testing::TestWithParam<EveningCase> {};

// Every total the evening can reach, put on its last roll, against the
// convolution of every die.
TEST_P(ShortEvenings, MatchTheConvolutionOfEveryDie) {
    const std::vector<Roll>& rolls = GetParam().rolls;
    const std::vector<long double> chances = EveryTotal(rolls);
    const int most = static_cast<int>(chances.size()) - 1;
    for (int total = 0; total <= most; ++total) {
        if (chances[static_cast<std::size_t>(total)] == 0.0L) continue;
        EveningTally tally;
        int left = total;
        for (const Roll& roll : rolls) {
            const int successes = std::min(left, roll.dice);
            tally.Add(RecordOf(roll.dice, successes, roll.target));
            left -= successes;
        }
        long double atLeast = 0.0L;
        for (int k = total; k <= most; ++k) atLeast += chances[static_cast<std::size_t>(k)];
        const long double atMost = 1.0L - atLeast + chances[static_cast<std::size_t>(total)];
        const EveningLuck luck = tally.Luck();
        EXPECT_TRUE(luck.Exact);
        EXPECT_NEAR(luck.AtLeastThisLucky, static_cast<double>(atLeast), 1e-12) << total;
        EXPECT_NEAR(luck.AtMostThisLucky, static_cast<double>(atMost), 1e-12) << total;
        EXPECT_EQ(luck.Successes, total);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Evenings, ShortEvenings,
    testing::Values(EveningCase{"OneDie", {{1, 4}}}, EveningCase{"OneRoll", {{6, 4}}},
                    EveningCase{"FourTargets", {{3, 2}, {5, 7}, {2, 13}, {4, 4}}},
                    EveningCase{"SixAndSevenShareAChance", {{4, 6}, {3, 7}, {2, 6}}},
                    EveningCase{"SomeDiceCannotFail", {{3, 1}, {2, 4}, {2, -7}}},
                    EveningCase{"ManyRolls", {{2, 3}, {1, 5}, {4, 8}, {3, 3}, {2, 20}, {6, 5}}}),
    testing_support::CaseName());

TEST(EveningLuckTest, CountsTheRollsTheDiceAndWhatTheyExpect) {
    EveningTally tally;
    tally.Add(RecordOf(10, 6, 4));
    tally.Add(RecordOf(3, 0, 13));
    tally.Add(RecordOf(6, 6, 1));
    const EveningLuck luck = tally.Luck();
    EXPECT_EQ(luck.Rolls, 3);
    EXPECT_EQ(luck.DiceThrown, 19);
    EXPECT_EQ(luck.Successes, 12);
    EXPECT_DOUBLE_EQ(luck.ExpectedSuccesses, 10 * 0.5 + 3 * (1.0 / 36) + 6);
}

struct EdgeCase {
    const char* name;
    std::vector<Roll> rolls;
    int successesEach;  // -1 for as many as the roll's dice
    double atLeast;
    double atMost;
};

class EveningsAtTheEdges : public testing::TestWithParam<EdgeCase> {};

TEST_P(EveningsAtTheEdges, GiveExactlyWhatMustBe) {
    const EdgeCase& c = GetParam();
    EveningTally tally;
    for (const Roll& roll : c.rolls) {
        tally.Add(
            RecordOf(roll.dice, c.successesEach < 0 ? roll.dice : c.successesEach, roll.target));
    }
    const EveningLuck luck = tally.Luck();
    EXPECT_EQ(luck.AtLeastThisLucky, c.atLeast);
    EXPECT_EQ(luck.AtMostThisLucky, c.atMost);
}

INSTANTIATE_TEST_SUITE_P(
    Evenings, EveningsAtTheEdges,
    testing::Values(EdgeCase{"NoRolls", {}, 0, 1.0, 1.0},
                    EdgeCase{"EveryDieMustSucceed", {{6, 1}, {3, -2}}, -1, 1.0, 1.0},
                    EdgeCase{"NothingFailedAtFour", {{1, 4}}, -1, 0.5, 1.0},
                    EdgeCase{"NothingSucceededAtFour", {{1, 4}}, 0, 1.0, 0.5},
                    EdgeCase{"NoDieCanMeetIt", {{32766, 32767}}, 0, 1.0, 1.0 - 0x1p-53}),
    testing_support::CaseName());

// The log's bound, at one target and at seven: quick, and nothing but chances.
TEST(EveningLuckTest, AThousandRollsOfTheLargestPoolStayChances) {
    for (const int targets : {1, 7}) {
        for (const double share : {0.0, 0.4, 0.5, 0.6, 1.0}) {
            EveningTally tally;
            for (int roll = 0; roll < 1000; ++roll) {
                const int target = 2 + roll % targets;
                const double p =
                    testing_support::ChanceOf(testing_support::Enumerate(1, target), 1);
                const int successes =
                    static_cast<int>(std::lround(32766 * std::min(1.0, 2 * share * p)));
                tally.Add(RecordOf(32766, successes, target));
            }
            const EveningLuck luck = tally.Luck();
            SCOPED_TRACE(testing::Message() << targets << " targets, share " << share);
            EXPECT_EQ(luck.Exact, targets == 1);
            for (double chance : {luck.AtLeastThisLucky, luck.AtMostThisLucky}) {
                EXPECT_TRUE(chance >= 0.0 && chance <= 1.0) << chance;
            }
            EXPECT_GE(luck.AtLeastThisLucky + luck.AtMostThisLucky, 1.0 - 1e-9);
        }
    }
}

}  // namespace
}  // namespace corvane
