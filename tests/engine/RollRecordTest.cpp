#include <gtest/gtest.h>

#include "CaseName.h"
#include "EngineFakes.h"
#include "RaisedError.h"
#include "engine/RollRecord.h"

namespace corvane {
namespace {

using testing_support::DiceValues;
using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::RollerRig;

struct RecordCase {
    const char* name;
    std::int16_t bits;
    int markedRow;
    RollType operation;
    int firstRerolled;
    std::vector<std::int16_t> replaced;
};

class Records : public testing::TestWithParam<RecordCase> {};

// After the example pool 9 5 4 3 1 at target 4.
TEST_P(Records, SayWhatTheRollDidAndWhatItReplaced) {
    const RecordCase& c = GetParam();
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    rig.view.markedRow = Int16::From(c.markedRow);
    rig.random.Script({Face(2)});
    ASSERT_EQ(rig.roller.Roll(static_cast<RollType>(c.bits)), RollOutcome::Completed);
    const auto& record = rig.roller.LastRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Operation, c.operation);
    EXPECT_EQ(record->FirstRerolled.Value(), c.firstRerolled);
    EXPECT_EQ(DiceValues(record->Replaced), c.replaced);
    EXPECT_EQ(record->After, rig.roller.State());
    EXPECT_EQ(record->SecondsSinceMidnight, 45296.25F);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, Records,
    testing::Values(RecordCase{"NewRoll", 0, -1, RollType::NewRoll, 0, {}},
                    RecordCase{"Failures", 1, -1, RollType::RerollFailures, 4, {3, 1}},
                    RecordCase{"FromTheFour", 2, 2, RollType::RerollFromMarker, 3, {4, 3, 1}},
                    RecordCase{"FromTheTop", 2, 0, RollType::RerollFromMarker, 1, {9, 5, 4, 3, 1}},
                    RecordCase{"ThreeIsFailures", 3, 0, RollType::RerollFailures, 4, {3, 1}},
                    RecordCase{"FourIsNew", 4, 0, RollType::NewRoll, 0, {}}),
    testing_support::CaseName());

struct NoRecordCase {
    const char* name;
    std::function<void(RollerRig&)> attempt;
};

class RollsThatDoNotComplete : public testing::TestWithParam<NoRecordCase> {};

TEST_P(RollsThatDoNotComplete, KeepTheRecordOfTheLastCompletedRoll) {
    RollerRig rig;
    rig.NewRoll("5", "abc", ExamplePoolDraws());
    const auto before = rig.roller.LastRecord();
    GetParam().attempt(rig);
    EXPECT_EQ(rig.roller.LastRecord(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Attempts, RollsThatDoNotComplete,
    testing::Values(
        NoRecordCase{"RefusedFailures",
                     [](RollerRig& rig) { rig.roller.Roll(RollType::RerollFailures); }},
        NoRecordCase{"RefusedMarker",
                     [](RollerRig& rig) { rig.roller.Roll(RollType::RerollFromMarker); }},
        NoRecordCase{"Overflow",
                     [](RollerRig& rig) {
                         testing_support::RaisedError([&] { rig.NewRoll("1", "4", {Face(6)}); });
                     }},
        NoRecordCase{"WindowClosed",
                     [](RollerRig& rig) {
                         rig.yield.duringYield = [] { return YieldOutcome::WindowClosing; };
                         rig.NewRoll("30", "4", {Face(3)});
                     }}),
    testing_support::CaseName());

}  // namespace
}  // namespace corvane
