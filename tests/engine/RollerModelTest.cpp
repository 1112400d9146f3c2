// 100,000 random operations against the roller, each checked against a plain
// model of the rules written here from scratch: which dice are kept, which are
// new, the tally, the refusals, and that a roll that overflows changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <optional>
#include <random>

#include "EngineFakes.h"
#include "RaisedError.h"
#include "ReferenceNumberReader.h"

namespace corvane {
namespace {

using namespace testing_support;

// The draws, shared by the roller and the model so both see the same dice.
class DrawStream {
public:
    float At(std::size_t i) {
        while (draws_.size() <= i)
            draws_.push_back(static_cast<float>(generator_() >> 8) / 16777216.0F);
        return draws_[i];
    }
    // Makes the next draws sixes, enough for one die to pass 32767.
    void ForceSixes(std::size_t from, std::size_t count) {
        At(from + count);
        std::fill_n(draws_.begin() + static_cast<std::ptrdiff_t>(from), count, 0.95F);
    }

private:
    std::mt19937 generator_{42};
    std::vector<float> draws_;
};

class StreamRandom final : public RandomSource {
public:
    explicit StreamRandom(DrawStream& stream) : stream_(stream) {}
    void Reseed(float) override {}
    float Next() override { return stream_.At(cursor++); }
    std::size_t cursor = 0;

private:
    DrawStream& stream_;
};

struct Overflow {};

// The rules, as a player would explain them.
struct Model {
    std::vector<int> pool;  // largest first
    int diceCount = 6, target = 4;
    std::size_t cursor = 0;

    int Die(DrawStream& stream) {
        int total = 0, face = 0;
        do {
            face = static_cast<int>(std::floor(static_cast<double>(stream.At(cursor++)) * 6.0)) + 1;
            total += face;
            if (total > 32767) throw Overflow{};
        } while (face == 6);
        return total;
    }
    std::vector<int> Dice(int count, DrawStream& stream) {
        std::vector<int> dice;
        for (int i = 0; i < count; ++i) dice.push_back(Die(stream));
        if (count == 32767) throw Overflow{};  // the counter cannot step past the last die
        return dice;
    }
    static int Read(const std::string& text) {
        const auto value = ReferenceLeadingNumber(text);
        const auto rounded = value ? ReferenceRound(*value) : std::nullopt;
        if (!rounded) throw Overflow{};
        return *rounded;
    }
    void Settle(std::vector<int> next, int count, int newTarget) {
        std::sort(next.begin(), next.end(), std::greater<>());
        if (std::accumulate(next.begin(), next.end(), 0) > 32767) throw Overflow{};
        pool = std::move(next);
        diceCount = count;
        target = newTarget;
    }
    PoolTally Tally() const { return TallyOf(pool, target); }
};

struct Operation {
    RollType type;
    std::string diceText, targetText;
    int marker;
    bool hotDice;
};

Operation RandomOperation(std::mt19937& random, int poolSize) {
    static const std::vector<std::string> kOddDice = {"",      "abc",   "0",    "-4",   "2.5",
                                                      "3.5",   "12abc", " 7",   "+3e1", "32767",
                                                      "32768", "9000",  "1e999"};
    static const std::vector<std::string> kOddTargets = {
        "abc", "", "-3", "0", "6", "7", "12", "13", "40000", "-32769", "-32768.5", "4.5"};
    auto pick = [&](int below) {
        return static_cast<int>(random() % static_cast<unsigned>(below));
    };
    Operation op{RollType::NewRoll, "", "", -1, false};
    const int kind = pick(100);
    if (kind < 40) {
        op.diceText =
            pick(50) == 0 ? kOddDice[static_cast<std::size_t>(pick(13))] : std::to_string(pick(40));
        op.targetText = pick(8) == 0 ? kOddTargets[static_cast<std::size_t>(pick(12))]
                                     : std::to_string(pick(10) - 1);
    } else if (kind < 65) {
        op.type = RollType::RerollFailures;
    } else if (kind < 90) {
        op.type = RollType::RerollFromMarker;
        op.marker = pick(poolSize + 4) - 2;
    } else {
        op.diceText = std::to_string(pick(3) + 1);
        op.targetText = "4";
        op.hotDice = pick(20) == 0;
    }
    return op;
}

TEST(RollerModelTest, OneHundredThousandOperationsFollowTheRules) {
    DrawStream stream;
    StreamRandom random(stream);
    FixedClock clock;
    ScriptedYield yield;
    FakeView view;
    Roller roller(view, random, clock, yield);
    view.roller = &roller;
    roller.SetLoadValues();
    Model model;
    std::mt19937 operations(20261208);
    int completed = 0, refused = 0, overflowed = 0;

    for (int step = 0; step < 100'000; ++step) {
        const Operation op = RandomOperation(operations, static_cast<int>(model.pool.size()));
        SCOPED_TRACE(::testing::Message()
                     << "step " << step << " dice '" << op.diceText << "' target '" << op.targetText
                     << "' type " << static_cast<int>(op.type));
        if (op.hotDice) stream.ForceSixes(random.cursor, 5462);
        view.diceText = op.diceText;
        view.targetText = op.targetText;
        view.markedRow = Int16::From(op.marker);
        const int beeps = view.beeps;

        // What the model says should happen.
        std::optional<std::string_view> refusal;
        bool overflows = false;
        int firstRerolled = 0;  // and the dice it replaced, for a reroll
        std::vector<int> replaced;
        const Model before = model;
        try {
            const int n = static_cast<int>(model.pool.size());
            if (op.type == RollType::NewRoll) {
                const int dice = std::max(1, Model::Read(op.diceText));
                const int target = Model::Read(op.targetText);
                model.Settle(model.Dice(dice, stream), dice, target);
            } else {
                const int start = op.type == RollType::RerollFailures ? model.Tally().failurePoint
                                                                      : op.marker + 1;
                if (op.type == RollType::RerollFailures && start == 0) {
                    refusal = kNoFailuresMessage;
                } else if (start < 1 || start > n) {
                    refusal = kNoMarkerMessage;
                } else {
                    std::vector<int> next(model.pool.begin(), model.pool.begin() + (start - 1));
                    firstRerolled = start;
                    replaced.assign(model.pool.begin() + (start - 1), model.pool.end());
                    for (int die : model.Dice(n - start + 1, stream)) next.push_back(die);
                    model.Settle(next, n, model.target);
                }
            }
        } catch (const Overflow&) {
            overflows = true;
            const std::size_t drawn = model.cursor;
            model = before;
            model.cursor = drawn;
        }

        // What the roller does.
        const RollerState stateBefore = roller.State();
        const auto recordBefore = roller.LastRecord();
        std::optional<RollOutcome> outcome;
        const auto raised = RaisedError([&] { outcome = roller.Roll(op.type); });
        ASSERT_EQ(random.cursor, model.cursor) << "both drew the same dice";

        if (overflows) {
            ++overflowed;
            ASSERT_EQ(raised, ErrorNumber::Overflow);
            ASSERT_EQ(roller.State(), stateBefore);
            ASSERT_EQ(roller.LastRecord(), recordBefore);
        } else if (refusal) {
            ++refused;
            ASSERT_EQ(outcome, RollOutcome::Refused);
            ASSERT_EQ(view.status, *refusal);
            ASSERT_EQ(view.beeps, beeps + 1);
            ASSERT_EQ(Pool(roller.State()), Pool(stateBefore));
            ASSERT_EQ(roller.LastRecord(), recordBefore);
        } else {
            ++completed;
            ASSERT_EQ(outcome, RollOutcome::Completed);
            const RollerState& state = roller.State();
            const auto pool = Pool(state);
            ASSERT_TRUE(std::equal(pool.begin(), pool.end(), model.pool.begin(), model.pool.end()));
            ASSERT_EQ(state.DiceCount.Value(), model.diceCount);
            ASSERT_EQ(state.TargetNumber.Value(), model.target);
            const PoolTally tally = model.Tally();
            ASSERT_EQ(state.Successes.Value(), tally.successes);
            ASSERT_EQ(state.FailurePoint.Value(), tally.failurePoint);
            ASSERT_EQ(state.TotalRoll.Value(), tally.total);
            ASSERT_EQ(state.HighRoll.Value(), tally.high);
            // A botch is every die a single 1, as a player counts it.
            ASSERT_EQ(state.IsBotch(), std::all_of(model.pool.begin(), model.pool.end(),
                                                   [](int d) { return d == 1; }));
            const RollRecord& record = *roller.LastRecord();
            ASSERT_EQ(record.Operation, OperationOf(op.type));
            ASSERT_EQ(record.FirstRerolled.Value(), firstRerolled);
            std::vector<int> recordedReplaced;
            for (Int16 die : record.Replaced) recordedReplaced.push_back(die.Value());
            ASSERT_EQ(recordedReplaced, replaced);
            ASSERT_EQ(record.After, state);
        }
    }
    // Every kind of outcome was exercised many times.
    EXPECT_GT(completed, 50'000);
    EXPECT_GT(refused, 5'000);
    EXPECT_GT(overflowed, 100);
}

}  // namespace
}  // namespace corvane
