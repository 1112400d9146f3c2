#include <gtest/gtest.h>

#include <cmath>

#include "CaseName.h"
#include "EngineFakes.h"
#include "EveryFace.h"
#include "LuckSupport.h"
#include "RaisedError.h"
#include "engine/RollLuck.h"

namespace corvane {
namespace {

using testing_support::Face;
using testing_support::RecordOf;

void ExpectClose(double actual, double exact) { EXPECT_NEAR(actual, exact, 1e-12 * exact); }

struct TargetCase {
    const char* name;
    int target;
};

class RollLuckAgainstEveryFace : public testing::TestWithParam<TargetCase> {};

// Every count of successes a pool of 1 to 4 dice can roll, against the chances
// summed over every sequence of faces the pool can throw.
TEST_P(RollLuckAgainstEveryFace, MatchesSmallPools) {
    const int target = GetParam().target;
    for (int dice = 1; dice <= 4; ++dice) {
        const auto tally = testing_support::Enumerate(dice, target);
        for (int rolled = 0; rolled <= dice; ++rolled) {
            if (tally.successes[static_cast<std::size_t>(rolled)] == 0) continue;
            SCOPED_TRACE(testing::Message() << dice << " dice, " << rolled << " successes");
            double atLeast = 0.0;
            double atMost = 0.0;
            for (int k = 0; k <= dice; ++k) {
                (k >= rolled ? atLeast : atMost) += testing_support::ChanceOf(tally, k);
            }
            atMost += testing_support::ChanceOf(tally, rolled);
            const RollLuck luck = LuckOfRoll(RecordOf(dice, rolled, target));
            ExpectClose(luck.AtLeastAsWell, atLeast);
            ExpectClose(luck.AtMostAsWell, atMost);
            ExpectClose(luck.ExpectedSuccesses,
                        dice * testing_support::ChanceOf(testing_support::Enumerate(1, target), 1));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, RollLuckAgainstEveryFace,
                         testing::Values(TargetCase{"Negative", -3}, TargetCase{"One", 1},
                                         TargetCase{"Two", 2}, TargetCase{"Four", 4},
                                         TargetCase{"Six", 6}, TargetCase{"Seven", 7},
                                         TargetCase{"Twelve", 12}, TargetCase{"Thirteen", 13},
                                         TargetCase{"ThirtyOne", 31}),
                         testing_support::CaseName());

struct ThrowCase {
    const char* name;
    RollType operation;
    int markedRow;
    std::vector<float> draws;
    int dice;
    int successes;
    std::array<std::int16_t, 5> lastFaces;
    int sixes;
    double atLeast;  // at target 4 every die is an even chance
};

class ThrownDiceOfTheExamplePool : public testing::TestWithParam<ThrowCase> {};

// After the pool 9 5 4 3 1 at target 4 (its own throw is the first row): the
// record counts only the dice the roll threw, and the luck is theirs alone.
TEST_P(ThrownDiceOfTheExamplePool, AreTheDiceTheRollThrew) {
    const ThrowCase& c = GetParam();
    testing_support::RollerRig rig;
    ASSERT_EQ(rig.NewRoll("5", "4", testing_support::ExamplePoolDraws()), RollOutcome::Completed);
    if (c.operation != RollType::NewRoll) {
        rig.view.markedRow = Int16::From(c.markedRow);
        rig.random.Script(c.draws);
        ASSERT_EQ(rig.roller.Roll(c.operation), RollOutcome::Completed);
    }
    const RollRecord& record = *rig.roller.LastRecord();
    EXPECT_EQ(record.Thrown.Count.Value(), c.dice);
    EXPECT_EQ(record.Thrown.Successes.Value(), c.successes);
    for (std::size_t face = 0; face < 5; ++face) {
        EXPECT_EQ(record.Thrown.LastFaces[face].Value(), c.lastFaces[face]) << face + 1;
    }
    EXPECT_EQ(record.Thrown.Sixes.Value(), c.sixes);
    ExpectClose(LuckOfRoll(record).AtLeastAsWell, c.atLeast);
}

INSTANTIATE_TEST_SUITE_P(
    Rolls, ThrownDiceOfTheExamplePool,
    testing::Values(
        ThrowCase{"NewRoll", RollType::NewRoll, -1, {}, 5, 3, {1, 0, 2, 1, 1}, 1, 16.0 / 32},
        ThrowCase{"Failures",
                  RollType::RerollFailures,
                  -1,
                  {Face(4), Face(2)},
                  2,
                  1,
                  {0, 1, 0, 1, 0},
                  0,
                  3.0 / 4},
        ThrowCase{"FromTheTop",
                  RollType::RerollFromMarker,
                  0,
                  {Face(6), Face(6), Face(3), Face(1), Face(2), Face(5), Face(4)},
                  5,
                  3,
                  {1, 1, 1, 1, 1},
                  2,
                  16.0 / 32}),
    testing_support::CaseName());

TEST(RollLuckTest, ResultsNoDieCanShowAreRefused) {
    for (int result : {0, -1, 6, 12, -32768}) {
        const std::vector<Int16> dice{Int16(5), Int16::From(result)};
        EXPECT_EQ(testing_support::RaisedError([&] { CountThrown(dice, Int16(4)); }),
                  ErrorNumber::SubscriptOutOfRange)
            << result;
    }
}

struct EdgeCase {
    const char* name;
    int dice;
    int successes;
    int target;
};

class RollLuckAtTheEdges : public testing::TestWithParam<EdgeCase> {};

// Whatever happened was at least as good and at most as good as what had to.
TEST_P(RollLuckAtTheEdges, IsCertainBothWays) {
    const EdgeCase& c = GetParam();
    const RollLuck luck = LuckOfRoll(RecordOf(c.dice, c.successes, c.target));
    EXPECT_EQ(luck.AtLeastAsWell, 1.0);
    EXPECT_EQ(luck.AtMostAsWell, 1.0);
    EXPECT_TRUE(std::isfinite(luck.ExpectedSuccesses));
}

INSTANTIATE_TEST_SUITE_P(Rolls, RollLuckAtTheEdges,
                         testing::Values(EdgeCase{"NoDice", 0, 0, 4},
                                         EdgeCase{"EveryDieMeetsIt", 6, 6, -5},
                                         EdgeCase{"OneDieMeetsOne", 1, 1, 1},
                                         EdgeCase{"NoDieCanMeetIt", 32766, 0, 32767}),
                         testing_support::CaseName());

}  // namespace
}  // namespace corvane
