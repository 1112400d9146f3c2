#pragma once

#include <functional>
#include <string>
#include <vector>

#include "PoolValues.h"
#include "engine/Roller.h"

namespace corvane::testing_support {

// Returns the scripted values in order, then keeps returning the last one,
// or starts over when `cycle` is set.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> script = {0.0F}) : script_(std::move(script)) {}
    void Script(std::vector<float> script) {
        script_ = std::move(script);
        next_ = 0;
    }
    void Reseed(float seed) override { reseeds.push_back(seed); }
    float Next() override {
        ++draws;
        const float value = script_[next_];
        if (next_ + 1 < script_.size()) {
            ++next_;
        } else if (cycle) {
            next_ = 0;
        }
        return value;
    }
    std::vector<float> reseeds;
    int draws = 0;
    bool cycle = false;

private:
    std::vector<float> script_;
    std::size_t next_ = 0;
};

class FixedClock final : public Clock {
public:
    float SecondsSinceMidnight() override { return 45296.25F; }
};

// Counts the yields and runs an optional action inside each, as the window's
// event processing would.
class ScriptedYield final : public EventYield {
public:
    YieldOutcome YieldToEvents() override {
        ++yields;
        if (duringYield) return duringYield();
        return YieldOutcome::Continue;
    }
    std::function<YieldOutcome()> duringYield;
    int yields = 0;
};

// Behaves like the window: the list is refilled from the pool with no row
// selected whenever an outcome is shown.
class FakeView final : public RollerView {
public:
    std::string DiceText() override {
        ++textReads;
        return diceText;
    }
    std::string TargetText() override { return targetText; }
    Int16 RowCount() override { return Int16::From(static_cast<long long>(rows.size())); }
    Int16 MarkedRow() override {
        ++markerReads;
        return markedRow;
    }
    void SetStatusMessage(std::string_view text) override { status = text; }
    void Beep() override { ++beeps; }
    void ShowOutcome() override {
        ++outcomesShown;
        rows = DiceValues(roller->State().DiceResults.Dice());
        diceText = std::to_string(roller->State().DiceCount.Value());
        targetText = std::to_string(roller->State().TargetNumber.Value());
        markedRow = Int16(-1);
    }

    const Roller* roller = nullptr;
    std::string diceText = "6";
    std::string targetText = "4";
    std::vector<std::int16_t> rows;
    Int16 markedRow{-1};
    std::string status;
    int beeps = 0;
    int outcomesShown = 0;
    int textReads = 0;
    int markerReads = 0;
};

// A roller wired to the fakes above.
struct RollerRig {
    RollerRig() { view.roller = &roller; }
    ScriptedRandom random;
    FixedClock clock;
    ScriptedYield yield;
    FakeView view;
    Roller roller{view, random, clock, yield};

    // A new roll of the given draws, one face per draw.
    RollOutcome NewRoll(const std::string& dice, const std::string& target,
                        std::vector<float> draws) {
        view.diceText = dice;
        view.targetText = target;
        random.Script(std::move(draws));
        return roller.Roll(RollType::NewRoll);
    }
};

// The draw that gives a face: 1..5 exactly, 6 for a six that explodes.
inline float Face(int face) { return (static_cast<float>(face) - 0.5F) / 6.0F; }

// Dice 3, 9 (6+3), 1, 5, 4 in draw order: sorted 9, 5, 4, 3, 1. At target 4
// that is 3 successes, failure point 4, total 22, high roll 9.
inline std::vector<float> ExamplePoolDraws() {
    return {Face(3), Face(6), Face(3), Face(1), Face(5), Face(4)};
}

inline std::vector<std::int16_t> Pool(const RollerState& state) {
    return DiceValues(state.DiceResults.Dice());
}

}  // namespace corvane::testing_support
