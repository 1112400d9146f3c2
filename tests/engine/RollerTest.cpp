#include <gtest/gtest.h>

#include "CaseName.h"
#include "EngineFakes.h"
#include "RaisedError.h"
#include "runtime/Pcg32Random.h"

namespace corvane {
namespace {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::Pool;
using testing_support::RaisedError;
using testing_support::RollerRig;

struct FieldCase {
    const char* name;
    std::string diceText;
    int dice;
};

class DiceFieldReadings : public testing::TestWithParam<FieldCase> {};

TEST_P(DiceFieldReadings, RollTheLeadingNumberRoundedAndAtLeastOne) {
    RollerRig rig;
    ASSERT_EQ(rig.NewRoll(GetParam().diceText, "4", {Face(2)}), RollOutcome::Completed);
    EXPECT_EQ(rig.roller.State().DiceCount.Value(), GetParam().dice);
    EXPECT_EQ(rig.view.rows.size(), static_cast<std::size_t>(GetParam().dice));
    EXPECT_EQ(rig.view.diceText, std::to_string(GetParam().dice))
        << "the field shows the count used";
}

INSTANTIATE_TEST_SUITE_P(Texts, DiceFieldReadings,
                         testing::Values(FieldCase{"Empty", "", 1}, FieldCase{"Letters", "abc", 1},
                                         FieldCase{"Zero", "0", 1}, FieldCase{"Negative", "-4", 1},
                                         FieldCase{"TwoAndHalf", "2.5", 2},
                                         FieldCase{"ThreeAndHalf", "3.5", 4},
                                         FieldCase{"TrailingLetters", "12abc", 12}),
                         testing_support::CaseName());

TEST(RollerTest, TalliesTheExamplePool) {
    RollerRig rig;
    ASSERT_EQ(rig.NewRoll("5", "4", ExamplePoolDraws()), RollOutcome::Completed);
    const RollerState& state = rig.roller.State();
    EXPECT_EQ(Pool(state), (std::vector<std::int16_t>{9, 5, 4, 3, 1}));
    EXPECT_EQ(state.Successes.Value(), 3);
    EXPECT_EQ(state.FailurePoint.Value(), 4);
    EXPECT_EQ(state.TotalRoll.Value(), 22);
    EXPECT_EQ(state.HighRoll.Value(), 9);
    EXPECT_FALSE(state.IsBotch());
    EXPECT_EQ(rig.view.outcomesShown, 1);
}

TEST(RollerTest, RerollFailuresReplacesOnlyTheDiceBelowTheTarget) {
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    rig.view.targetText = "1";  // rerolls use the stored target, not the field
    rig.random.Script({Face(6), Face(6), Face(1), Face(5)});
    ASSERT_EQ(rig.roller.Roll(RollType::RerollFailures), RollOutcome::Completed);
    EXPECT_EQ(rig.random.draws, 6 + 4);
    EXPECT_EQ(Pool(rig.roller.State()), (std::vector<std::int16_t>{13, 9, 5, 5, 4}));
    EXPECT_EQ(rig.roller.State().TargetNumber.Value(), 4);
    EXPECT_EQ(rig.roller.State().FailurePoint.Value(), 0);
    EXPECT_EQ(rig.view.targetText, "4");
}

TEST(RollerTest, TargetAboveEveryDieFailsThemAllAndRerollsTheWholePool) {
    RollerRig rig;
    rig.NewRoll("3", "20", {Face(5)});
    EXPECT_EQ(rig.roller.State().Successes.Value(), 0);
    EXPECT_EQ(rig.roller.State().FailurePoint.Value(), 1);
    rig.random.Script({Face(2)});
    ASSERT_EQ(rig.roller.Roll(RollType::RerollFailures), RollOutcome::Completed);
    EXPECT_EQ(Pool(rig.roller.State()), (std::vector<std::int16_t>{2, 2, 2}));
}

TEST(RollerTest, RerollFromTheFirstRowRerollsEveryDieAndKeepsTheTarget) {
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    rig.view.markedRow = Int16(0);
    rig.random.Script({Face(1)});
    ASSERT_EQ(rig.roller.Roll(RollType::RerollFromMarker), RollOutcome::Completed);
    EXPECT_EQ(Pool(rig.roller.State()), (std::vector<std::int16_t>{1, 1, 1, 1, 1}));
    EXPECT_TRUE(rig.roller.State().IsBotch());
    EXPECT_EQ(rig.roller.State().TargetNumber.Value(), 4);
}

TEST(RollerTest, RerollFromAMiddleRowKeepsTheDiceAboveIt) {
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    rig.view.markedRow = Int16(2);  // the 4
    rig.random.Script({Face(6), Face(5)});
    ASSERT_EQ(rig.roller.Roll(RollType::RerollFromMarker), RollOutcome::Completed);
    EXPECT_EQ(Pool(rig.roller.State()), (std::vector<std::int16_t>{11, 9, 5, 5, 5}));
}

struct RefusalCase {
    const char* name;
    std::string target;
    RollType rollType;
    int markedRow;
    std::string_view message;
};

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, BeepShowTheMessageAndChangeNothingElse) {
    const RefusalCase& c = GetParam();
    RollerRig rig;
    rig.NewRoll("5", c.target, ExamplePoolDraws());
    const RollerState before = rig.roller.State();
    const auto rowsBefore = rig.view.rows;
    rig.view.markedRow = Int16::From(c.markedRow);
    const int drawsBefore = rig.random.draws;

    EXPECT_EQ(rig.roller.Roll(c.rollType), RollOutcome::Refused);
    EXPECT_EQ(rig.view.beeps, 1);
    EXPECT_EQ(rig.view.status, c.message);
    EXPECT_EQ(rig.roller.State(), before);
    EXPECT_EQ(rig.view.rows, rowsBefore);
    EXPECT_EQ(rig.view.outcomesShown, 1);
    EXPECT_EQ(rig.random.draws, drawsBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusals,
    testing::Values(
        // "abc" reads as target 0: every die succeeds.
        RefusalCase{"TargetLettersLeaveNoFailures", "abc", RollType::RerollFailures, -1,
                    kNoFailuresMessage},
        RefusalCase{"NoRowSelected", "4", RollType::RerollFromMarker, -1, kNoMarkerMessage},
        RefusalCase{"MarkerPastTheLastRow", "4", RollType::RerollFromMarker, 5, kNoMarkerMessage}),
    testing_support::CaseName());

TEST(RollerTest, ACompletedRollClearsTheMarkerSoASecondMarkerRerollIsRefused) {
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    rig.view.markedRow = Int16(1);
    ASSERT_EQ(rig.roller.Roll(RollType::RerollFromMarker), RollOutcome::Completed);
    EXPECT_EQ(rig.roller.Roll(RollType::RerollFromMarker), RollOutcome::Refused);
    EXPECT_EQ(rig.view.status, kNoMarkerMessage);
}

struct BitsCase {
    const char* name;
    std::int16_t bits;
    bool readsText, readsMarker;
};

class RollTypeBits : public testing::TestWithParam<BitsCase> {};

TEST_P(RollTypeBits, SelectTheOperation) {
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    rig.view.textReads = rig.view.markerReads = 0;
    rig.view.markedRow = Int16(0);
    rig.roller.Roll(static_cast<RollType>(GetParam().bits));
    EXPECT_EQ(rig.view.textReads > 0, GetParam().readsText);
    EXPECT_EQ(rig.view.markerReads > 0, GetParam().readsMarker);
}

INSTANTIATE_TEST_SUITE_P(Values, RollTypeBits,
                         testing::Values(BitsCase{"Zero", 0, true, false},
                                         BitsCase{"One", 1, false, false},
                                         BitsCase{"Two", 2, false, true},
                                         BitsCase{"ThreeIsFailures", 3, false, false},
                                         BitsCase{"FourIsNew", 4, true, false},
                                         BitsCase{"MinusOneIsFailures", -1, false, false},
                                         BitsCase{"MinusTwoIsMarker", -2, false, true}),
                         testing_support::CaseName());

struct FailureCase {
    const char* name;
    std::string dice, target;
    std::vector<float> draws;
    ErrorNumber error;
};

class FailedRolls : public testing::TestWithParam<FailureCase> {};

TEST_P(FailedRolls, RaiseAndLeaveEverythingAsTheLastCompletedRollLeftIt) {
    const FailureCase& c = GetParam();
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    const RollerState before = rig.roller.State();
    EXPECT_EQ(RaisedError([&] { rig.NewRoll(c.dice, c.target, c.draws); }), c.error);
    EXPECT_EQ(rig.roller.State(), before);
    EXPECT_EQ(rig.view.outcomesShown, 1);
    EXPECT_FALSE(rig.roller.IsRolling());
    // The roller goes on working afterwards.
    EXPECT_EQ(rig.NewRoll("2", "4", {Face(4)}), RollOutcome::Completed);
}

INSTANTIATE_TEST_SUITE_P(
    Overflows, FailedRolls,
    testing::Values(
        FailureCase{"DiceTextPast32767", "32768", "4", {Face(1)}, ErrorNumber::Overflow},
        FailureCase{"DiceTextRoundsPast32767", "32767.5", "4", {Face(1)}, ErrorNumber::Overflow},
        FailureCase{"PoolOf32767Dice", "32767", "4", {Face(1)}, ErrorNumber::Overflow},
        FailureCase{"TargetBelowMinus32768", "3", "-32769", {Face(1)}, ErrorNumber::Overflow},
        FailureCase{"TotalPast32767", "6554", "4", {Face(5)}, ErrorNumber::Overflow},
        FailureCase{"DiePast32767", "1", "4", {Face(6)}, ErrorNumber::Overflow}),
    testing_support::CaseName());

TEST(RollerTest, LimitsJustInsideTheOverflowsStillRoll) {
    RollerRig rig;
    ASSERT_EQ(rig.NewRoll("6553", "-32768.5", {Face(5)}), RollOutcome::Completed);
    EXPECT_EQ(rig.roller.State().TotalRoll.Value(), 32765);
    EXPECT_EQ(rig.roller.State().TargetNumber.Value(), -32768);
}

TEST(RollerTest, AListOutOfStepWithThePoolIsNeverReadPast) {
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    const RollerState before = rig.roller.State();
    for (std::size_t rows : {7U, 2U}) {
        rig.view.rows.assign(rows, 1);
        EXPECT_EQ(RaisedError([&] { rig.roller.Roll(RollType::RerollFailures); }),
                  ErrorNumber::SubscriptOutOfRange)
            << rows << " rows";
        EXPECT_EQ(rig.roller.State(), before);
    }
}

TEST(RollerTest, ARollAskedForDuringTheSortIsIgnored) {
    RollerRig rig;
    std::vector<RollOutcome> nested;
    rig.yield.duringYield = [&] {
        nested.push_back(rig.roller.Roll(RollType::NewRoll));
        return YieldOutcome::Continue;
    };
    ASSERT_EQ(rig.NewRoll("5", "4", ExamplePoolDraws()), RollOutcome::Completed);
    ASSERT_FALSE(nested.empty());
    for (RollOutcome outcome : nested) EXPECT_EQ(outcome, RollOutcome::Ignored);
    EXPECT_EQ(rig.random.reseeds.size(), 1U) << "only the first roll drew dice";
    EXPECT_EQ(Pool(rig.roller.State()), (std::vector<std::int16_t>{9, 5, 4, 3, 1}));
}

TEST(RollerTest, ARollWhoseWindowClosesShowsAndKeepsNothing) {
    RollerRig rig;
    rig.NewRoll("5", "4", ExamplePoolDraws());
    const RollerState before = rig.roller.State();
    rig.yield.duringYield = [] { return YieldOutcome::WindowClosing; };
    EXPECT_EQ(rig.NewRoll("30", "4", {Face(3)}), RollOutcome::Abandoned);
    EXPECT_EQ(rig.roller.State(), before);
    EXPECT_EQ(rig.view.outcomesShown, 1);
    EXPECT_FALSE(rig.roller.IsRolling());
}

TEST(RollerTest, TwoRollsInTheSameClockTickDiffer) {
    RollerRig rig;
    Pcg32Random random(1);
    Roller roller(rig.view, random, rig.clock, rig.yield);
    rig.view.roller = &roller;
    rig.view.diceText = "40";
    roller.Roll(RollType::NewRoll);
    const auto first = Pool(roller.State());
    roller.Roll(RollType::NewRoll);
    EXPECT_NE(Pool(roller.State()), first);
}

}  // namespace
}  // namespace corvane
