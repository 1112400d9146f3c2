#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

#include "CaseName.h"
#include "EngineFakes.h"
#include "engine/PoolTotal.h"
#include "engine/RollDice.h"
#include "runtime/Pcg32Random.h"

namespace corvane {
namespace {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::FixedClock;
using testing_support::RollerRig;

// What stopped the roll, or nothing when it did not fail.
std::optional<RollFault> Fault(RollerRig& rig, RollType rollType) {
    try {
        rig.roller.Roll(rollType);
    } catch (const RollFailure& failure) {
        return failure.Fault();
    }
    return std::nullopt;
}

struct FaultCase {
    const char* name;
    std::string dice, target;
    std::vector<float> draws;
    RollFault fault;
};

class NewRollFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(NewRollFaults, SayWhatStoppedTheRoll) {
    const FaultCase& c = GetParam();
    RollerRig rig;
    rig.view.diceText = c.dice;
    rig.view.targetText = c.target;
    rig.random.Script(c.draws);
    EXPECT_EQ(Fault(rig, RollType::NewRoll), c.fault);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NewRollFaults,
    testing::Values(
        FaultCase{"DicePast32767", "32768", "4", {Face(1)}, RollFault::DiceField},
        FaultCase{"DiceBelowMinus32768", "-40000", "4", {Face(1)}, RollFault::DiceField},
        FaultCase{"DicePastADouble", "1e400", "4", {Face(1)}, RollFault::DiceField},
        FaultCase{"TargetPast32767", "3", "32767.5", {Face(1)}, RollFault::TargetField},
        FaultCase{"TargetBelowMinus32768", "3", "-32769", {Face(1)}, RollFault::TargetField},
        // 6554 fives pass 32767, though such a pool nearly always stays within it.
        FaultCase{"TotalThisTime", "6554", "4", {Face(5)}, RollFault::TotalThisTime},
        FaultCase{"OneDieThatKeepsExploding", "1", "4", {Face(6)}, RollFault::TotalThisTime},
        FaultCase{"PoolNearlyAlwaysPast", "9000", "4", {Face(5)}, RollFault::TotalTooLarge},
        FaultCase{"PoolOf32767Dice", "32767", "4", {Face(1)}, RollFault::TotalTooLarge}),
    testing_support::CaseName());

TEST(RollFailureTest, ARerollPastTheLimitCountsTheDiceItKeeps) {
    RollerRig rig;
    // 4286 sevens and 1000 ones at target 7: 31002 in all, 30002 of it kept
    // by Reroll Failures, which leaves 1000 fresh dice too little room.
    std::vector<float> draws;
    for (int i = 0; i < 4286; ++i) draws.insert(draws.end(), {Face(6), Face(1)});
    draws.insert(draws.end(), 1000, Face(1));
    ASSERT_EQ(rig.NewRoll("5286", "7", draws), RollOutcome::Completed);
    rig.random.cycle = true;
    rig.random.Script({Face(6), Face(1)});  // every fresh die a 7
    EXPECT_EQ(Fault(rig, RollType::RerollFailures), RollFault::RerollTooLarge);
    // From the top, nothing is kept: 5286 fresh dice mostly stay within the limit.
    rig.view.markedRow = Int16(0);
    rig.random.Script({Face(6), Face(1)});
    EXPECT_EQ(Fault(rig, RollType::RerollFromMarker), RollFault::TotalThisTime);
}

TEST(RollFailureTest, AListOutOfStepWithThePoolIsBlamedOnThePool) {
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    rig.view.rows.assign(2, 1);
    EXPECT_EQ(Fault(rig, RollType::RerollFailures), RollFault::PoolOutOfStep);
}

// The chance that `dice` dice add up to at most `room`, worked out exactly. A
// die is 6 for each six it rolled on, plus a last face of 1 to 5; the sixes of
// all the dice together are negative binomial, the last faces a sum of
// uniform faces, and the two are independent.
double ExactFitsChance(int dice, int room) {
    std::vector<double> faces{1.0};  // faces[t]: the chance the last faces add up to t
    for (int d = 0; d < dice; ++d) {
        std::vector<double> next(faces.size() + 5, 0.0);
        for (std::size_t t = 0; t < faces.size(); ++t) {
            for (std::size_t face = 1; face <= 5; ++face) next[t + face] += faces[t] / 5.0;
        }
        faces = std::move(next);
    }
    double chance = 0.0;
    for (int sixes = 0; 6 * sixes + dice <= room; ++sixes) {
        const double logSixes = std::lgamma(dice + sixes) - std::lgamma(sixes + 1) -
                                std::lgamma(dice) + sixes * std::log(1.0 / 6.0) +
                                dice * std::log(5.0 / 6.0);
        const auto reach = std::min(faces.size() - 1, static_cast<std::size_t>(room - 6 * sixes));
        const double fits = std::accumulate(faces.begin(), faces.begin() + reach + 1, 0.0);
        chance += std::exp(logSixes) * fits;
    }
    return chance;
}

struct ChanceCase {
    const char* name;
    int dice, room;
};

class FitsChances : public testing::TestWithParam<ChanceCase> {};

TEST_P(FitsChances, AreCloseToTheExactChance) {
    const ChanceCase& c = GetParam();
    EXPECT_NEAR(TotalFitsChance(c.dice, INT16_MAX - c.room), ExactFitsChance(c.dice, c.room), 0.02);
}

INSTANTIATE_TEST_SUITE_P(Pools, FitsChances,
                         testing::Values(ChanceCase{"FiftyDiceLow", 50, 190},
                                         ChanceCase{"FiftyDiceAtTheMean", 50, 210},
                                         ChanceCase{"FiftyDiceHigh", 50, 250},
                                         ChanceCase{"FourHundredDiceLow", 400, 1640},
                                         ChanceCase{"FourHundredDiceHigh", 400, 1720}),
                         testing_support::CaseName());

TEST(RollFailureTest, TotalsThatCannotFitOrCannotFail) {
    EXPECT_EQ(TotalFitsChance(10, INT16_MAX - 9), 0.0) << "every die adds at least 1";
    EXPECT_EQ(TotalFitsChance(0, INT16_MAX), 1.0);
    EXPECT_NEAR(TotalFitsChance(1, 0), 1.0, 1e-12);
}

// How many of `pools` new rolls of `dice` dice pass 32767, rolled as the roller rolls them.
int PoolsPastTheLimit(int dice, int pools) {
    Pcg32Random random(20);
    FixedClock clock;
    ResultArray pool;
    int past = 0;
    for (int i = 0; i < pools; ++i) {
        RollDice(Int16::From(dice), pool, random, clock);
        const auto faces = pool.Dice();
        const int total = std::accumulate(faces.begin(), faces.end(), 0,
                                          [](int sum, Int16 die) { return sum + die.Value(); });
        if (total > INT16_MAX) ++past;
    }
    return past;
}

TEST(RollFailureTest, TheSafePoolStaysWithinTheLimitAndOneMoreHundredMayNot) {
    EXPECT_EQ(SafePoolSize(), 7600);
    EXPECT_LE(PoolsPastTheLimit(7600, 300), 3);
    EXPECT_GE(PoolsPastTheLimit(7800, 300), 60);
}

}  // namespace
}  // namespace corvane
