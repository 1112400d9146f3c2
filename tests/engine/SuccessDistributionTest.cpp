#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "CaseName.h"
#include "EngineFakes.h"
#include "EveryFace.h"
#include "engine/Odds.h"
#include "engine/SuccessDistribution.h"

namespace corvane {
namespace {

using testing_support::ChanceOf;
using testing_support::Enumerate;
using testing_support::Tally;

// Every count against the exact tally of the fresh dice, shifted by the kept successes.
void ExpectMatches(const SuccessDistribution& chances, const Tally& fresh, int kept) {
    for (int k = -1; k <= chances.Dice() + 1; ++k) {
        const double exact = ChanceOf(fresh, k - kept);
        EXPECT_NEAR(chances.Exactly(k), exact, 1e-12 * exact) << k;
    }
    // Tied counts are equally right.
    const auto likeliest = std::max_element(fresh.successes.begin(), fresh.successes.end());
    EXPECT_EQ(ChanceOf(fresh, chances.MostLikely() - kept),
              ChanceOf(fresh, static_cast<int>(likeliest - fresh.successes.begin())));
}

// The chances add up to 1 around the given mean, and the shown range leaves off
// no more than its share at each end, measured by the tooltips' own tail chances.
void ExpectWhole(const SuccessDistribution& chances, double mean) {
    double total = 0.0;
    double sum = 0.0;
    for (int k = 0; k <= chances.Dice(); ++k) {
        total += chances.Exactly(k);
        sum += k * chances.Exactly(k);
    }
    EXPECT_NEAR(total, 1.0, 1e-12);
    EXPECT_NEAR(sum, mean, 1e-12 * mean);
    constexpr double kLeftOff = SuccessDistribution::kTailLeftOff;
    EXPECT_LE(1.0 - chances.AtLeast(chances.FirstShown()), kLeftOff);
    EXPECT_GT(1.0 - chances.AtLeast(chances.FirstShown() + 1), kLeftOff);
    EXPECT_LE(chances.AtLeast(chances.LastShown() + 1), kLeftOff);
    EXPECT_GT(chances.AtLeast(chances.LastShown()), kLeftOff);
}

struct PoolCase {
    const char* name;
    int dice;
    int target;
};

class NewRolls : public testing::TestWithParam<PoolCase> {};

TEST_P(NewRolls, MatchEveryFaceOfSmallPools) {
    const int target = GetParam().target;
    for (int dice = 1; dice <= 4; ++dice) {
        SCOPED_TRACE(dice);
        ExpectMatches(SuccessDistribution::OfNewRoll(dice, DieChance(Int16::From(target))),
                      Enumerate(dice, target), 0);
    }
}

TEST_P(NewRolls, StayWholeAndExactInLargePools) {
    const int n = GetParam().dice;
    const double p = DieChance(Int16::From(GetParam().target));
    const auto chances = SuccessDistribution::OfNewRoll(n, p);
    ExpectWhole(chances, n * p);
    // The end counts have a closed form of their own: every die fails, or every
    // one succeeds. Counts too unlikely for a full-precision double read 0.
    const auto expectEnd = [&](int k, long double exact) {
        const double stored =
            exact < std::numeric_limits<double>::min() ? 0.0 : static_cast<double>(exact);
        EXPECT_NEAR(chances.Exactly(k), stored, 1e-12 * stored) << k;
    };
    const long double dieChance = p;
    expectEnd(0, std::exp(n * std::log1p(-dieChance)));
    expectEnd(n, std::pow(dieChance, n));
}

// Five makes two counts equally likely for two dice; thirteen and thirty-one
// make the top counts too unlikely to show.
INSTANTIATE_TEST_SUITE_P(Pools, NewRolls,
                         testing::Values(PoolCase{"LargestAtZero", 32767, 0},
                                         PoolCase{"LargestAtTwo", 32767, 2},
                                         PoolCase{"LargestAtFour", 32767, 4},
                                         PoolCase{"LargestAtFive", 32767, 5},
                                         PoolCase{"LargestAtThirteen", 32767, 13},
                                         PoolCase{"LargestAtThirtyOne", 32767, 31},
                                         PoolCase{"SevenThousandAtSeven", 7000, 7},
                                         PoolCase{"ThreeHundredNinetyAtTwo", 390, 2},
                                         PoolCase{"ThreeHundredNinetyAtSeven", 390, 7}),
                         testing_support::CaseName());

struct RerollCase {
    const char* name;
    const char* target;
    int markedRow;  // -2 rerolls the failures
    int kept;
    int rerolled;
};

class RerollsOfTheExamplePool : public testing::TestWithParam<RerollCase> {};

// The pool 9, 5, 4, 3, 1: three successes at target 4, no failure at 0.
TEST_P(RerollsOfTheExamplePool, KeepTheDiceAboveAndExpectWhatTheTooltipsDo) {
    const RerollCase& c = GetParam();
    testing_support::RollerRig rig;
    ASSERT_EQ(rig.NewRoll("5", c.target, testing_support::ExamplePoolDraws()),
              RollOutcome::Completed);
    const RollerState& state = rig.roller.State();
    const Int16 row = Int16::From(c.markedRow);
    const bool failures = c.markedRow == -2;
    const auto chances = failures ? SuccessDistribution::AfterRerollFailures(state)
                                  : SuccessDistribution::AfterRerollFromMarker(state, row);
    const RerollOdds odds = failures ? RerollFailuresOdds(state) : RerollFromMarkerOdds(state, row);
    EXPECT_EQ(chances.Dice(), 5);
    ExpectMatches(chances, Enumerate(c.rerolled, 4), c.kept);
    ExpectWhole(chances, odds.ExpectedAfter);
    EXPECT_DOUBLE_EQ(chances.Mean(), odds.ExpectedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RerollsOfTheExamplePool,
    testing::Values(RerollCase{"Failures", "4", -2, 3, 2}, RerollCase{"SecondRow", "4", 1, 1, 4},
                    RerollCase{"ThirdRow", "4", 2, 2, 3}, RerollCase{"LastRow", "4", 4, 3, 1},
                    RerollCase{"NoFailures", "0", -2, 5, 0}, RerollCase{"NoMarker", "4", -1, 3, 0},
                    RerollCase{"PastThePool", "4", 5, 3, 0},
                    RerollCase{"FarPastThePool", "4", 9000, 3, 0}),
    testing_support::CaseName());

struct BadInputCase {
    const char* name;
    int dice;
    double dieChance;
    int bar;
};

class BadInput : public testing::TestWithParam<BadInputCase> {};

TEST_P(BadInput, GivesTheSingleCertainBar) {
    const BadInputCase& c = GetParam();
    const auto chances = SuccessDistribution::OfNewRoll(c.dice, c.dieChance);
    EXPECT_EQ(chances.Dice(), std::clamp(c.dice, 0, 32767));
    for (int k : {INT_MIN, -1, c.bar - 1, c.bar, c.bar + 1, INT_MAX}) {
        EXPECT_EQ(chances.Exactly(k), k == c.bar ? 1.0 : 0.0) << k;
        EXPECT_EQ(chances.AtLeast(k), k <= c.bar ? 1.0 : 0.0) << k;
    }
    EXPECT_EQ(chances.Mean(), c.bar);
    for (int landmark : {chances.MostLikely(), chances.FirstShown(), chances.LastShown()}) {
        EXPECT_EQ(landmark, c.bar);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BadInput,
    testing::Values(BadInputCase{"NoChance", 6, 0.0, 0}, BadInputCase{"NegativeChance", 6, -0.5, 0},
                    BadInputCase{"NotANumber", 6, std::numeric_limits<double>::quiet_NaN(), 0},
                    BadInputCase{"Certain", 6, 1.0, 6}, BadInputCase{"AboveCertain", 6, 2.0, 6},
                    BadInputCase{"NoDice", 0, 0.5, 0}, BadInputCase{"NegativeDice", -5, 0.5, 0},
                    BadInputCase{"OneDieNeverSucceeds", 1, 0.0, 0},
                    BadInputCase{"BeyondTheLargest", INT_MAX, 1.0, 32767}),
    testing_support::CaseName());

}  // namespace
}  // namespace corvane
