#include <gtest/gtest.h>

#include <cmath>

#include "CaseName.h"
#include "EveryFace.h"
#include "LuckSupport.h"
#include "RaisedError.h"
#include "engine/RollLuck.h"

namespace corvane {
namespace {

using testing_support::ChanceOf;
using testing_support::Face;

void ExpectClose(double actual, double exact) {
    EXPECT_NEAR(actual, exact, 1e-12 * exact + 1e-300);
}

struct TargetCase {
    const char* name;
    int target;
};

class RollLuckAgainstEveryFace : public testing::TestWithParam<TargetCase> {};

// Every count of successes that 0 to 4 dice can roll, against the chances
// summed over every sequence of faces they can throw. Every die meets a
// target of 1; none meets 126 or 32767 in the five throws followed, nor
// nearly any in a double, yet a roll that could have gone better is uncertain.
TEST_P(RollLuckAgainstEveryFace, MatchesSmallPools) {
    const int target = GetParam().target;
    for (int dice = 0; dice <= 4; ++dice) {
        const auto tally = testing_support::Enumerate(dice, target);
        for (int rolled = 0; rolled <= dice; ++rolled) {
            if (ChanceOf(tally, rolled) == 0.0) continue;
            SCOPED_TRACE(testing::Message() << dice << " dice, " << rolled << " successes");
            double atLeast = 0.0;
            double atMost = 0.0;
            for (int k = 0; k <= dice; ++k) {
                if (k >= rolled) atLeast += ChanceOf(tally, k);
                if (k <= rolled) atMost += ChanceOf(tally, k);
            }
            const RollRecord record = testing_support::RecordOf(dice, rolled, target);
            const RollLuck luck = LuckOfRoll(record);
            ExpectClose(luck.AtLeastAsWell, atLeast);
            ExpectClose(luck.AtMostAsWell, atMost);
            // Every tie broken high, the normal score stands for at most as well.
            ExpectClose(0.5 * std::erfc(-NormalScore(record, 1.0) * std::sqrt(0.5)), atMost);
            EXPECT_TRUE(rolled == dice || luck.AtMostAsWell < 1.0);
            EXPECT_NEAR(luck.ExpectedSuccesses,
                        dice * ChanceOf(testing_support::Enumerate(1, target), 1), 1e-12 * dice);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, RollLuckAgainstEveryFace,
                         testing::Values(TargetCase{"Negative", -3}, TargetCase{"One", 1},
                                         TargetCase{"Two", 2}, TargetCase{"Four", 4},
                                         TargetCase{"Six", 6}, TargetCase{"Seven", 7},
                                         TargetCase{"Thirteen", 13}, TargetCase{"ThirtyOne", 31},
                                         TargetCase{"HundredTwentySix", 126},
                                         TargetCase{"NoDieMeetsIt", 32767}),
                         testing_support::CaseName());

// After the pool 9 5 4 3 1 at target 4, whose own throw is the first row, the
// record counts only the dice a roll threw: Reroll Failures throws 10 (6+4)
// and 2. At target 4 each die is an even chance.
TEST(RollLuckTest, CountsOnlyTheDiceTheRollThrew) {
    testing_support::RollerRig rig;
    ASSERT_EQ(rig.NewRoll("5", "4", testing_support::ExamplePoolDraws()), RollOutcome::Completed);
    const ThrownDice newRoll = rig.roller.LastRecord()->Thrown;
    rig.random.Script({Face(6), Face(4), Face(2)});
    ASSERT_EQ(rig.roller.Roll(RollType::RerollFailures), RollOutcome::Completed);
    const RollRecord& reroll = *rig.roller.LastRecord();
    // The count, the successes, the faces stopped on from 1 to 5, the sixes.
    const auto summary = [](const ThrownDice& thrown) {
        std::vector<int> values{thrown.Count.Value(), thrown.Successes.Value()};
        for (Int16 count : thrown.LastFaces) values.push_back(count.Value());
        values.push_back(thrown.Sixes.Value());
        return values;
    };
    EXPECT_EQ(summary(newRoll), (std::vector<int>{5, 3, 1, 0, 2, 1, 1, 1}));
    EXPECT_EQ(summary(reroll.Thrown), (std::vector<int>{2, 1, 0, 1, 0, 1, 0, 1}));
    ExpectClose(LuckOfRoll(reroll).AtLeastAsWell, 3.0 / 4);
    ExpectClose(LuckOfRoll(reroll).AtMostAsWell, 3.0 / 4);
    for (int impossible : {0, -1, 6, 12, -32768}) {
        const std::vector<Int16> dice{Int16(5), Int16::From(impossible)};
        EXPECT_EQ(testing_support::RaisedError([&] { CountThrown(dice, Int16(4)); }),
                  ErrorNumber::SubscriptOutOfRange)
            << impossible;
    }
}

}  // namespace
}  // namespace corvane
