#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "engine/RollLuck.h"
#include "engine/RollRecord.h"
#include "engine/SuccessDistribution.h"
#include "runtime/Int16.h"
#include "window/chances/CountAxis.h"

namespace corvane {

struct RollerState;

// What the Chances window draws, read from the dice window as it is now.
//
// The pool is the last roll's: its dice and the successes it rolled. A new
// roll is the dice and the target as typed, each read the way Roll reads it
// (the target's tooltip does the same), so typing either shows at once what
// rolling it would give. The rerolls keep the last roll's pool and target, as
// the reroll buttons do: they never read the fields. "Reroll from Marker
// Down" is drawn only while a row is selected.
class ChancesData {
public:
    struct Series {
        RollType kind;
        // The pool the series is for, and its target.
        int dice;
        Int16 target;
        // The dice rolled afresh: the whole pool for a new roll, none for a
        // reroll with nothing to reroll.
        int rolledAfresh;
        SuccessDistribution chances;
        // False where the dice would nearly always add up past the limit, so
        // that the roll is refused.
        bool rollable = true;
    };

    // Pools up to this size show every count from 0 to the pool; bigger ones
    // only the counts that hold all but a sliver of the chance.
    static constexpr int kWholeAxisUpTo = 30;

    // Never throws: a field that reads as no 16-bit number leaves out the new
    // roll. `luck` is the last roll's, when there is one.
    ChancesData(const RollerState& state, std::string_view diceText, std::string_view targetText,
                Int16 markedRow, std::optional<RollLuck> luck = std::nullopt);

    // In the order of RollType; the new roll may be missing, and the marker's.
    const std::vector<Series>& AllSeries() const { return series_; }
    const Series* Find(RollType kind) const;

    // The last roll's pool, what it rolled and at which target.
    int Dice() const { return dice_; }
    int Rolled() const { return rolled_; }
    Int16 RolledTarget() const { return rolledTarget_; }
    const std::optional<RollLuck>& Luck() const { return luck_; }
    // The fields as a new roll reads them; empty past the 16-bit limits.
    std::optional<Int16> TypedDice() const { return typedDice_; }
    std::optional<Int16> TypedTarget() const { return typedTarget_; }

    // The counts on the axis; they always include the rolled count.
    const CountAxis& Axis() const { return axis_; }
    int FirstCount() const { return axis_.First(); }
    int LastCount() const { return axis_.Last(); }
    int Counts() const { return axis_.Counts(); }
    // Some possible counts are left off the axis.
    bool LeavesOff() const;

private:
    CountAxis ChooseAxis() const;
    int MostDice() const;

    int dice_;
    int rolled_;
    Int16 rolledTarget_;
    std::optional<Int16> typedDice_;
    std::optional<Int16> typedTarget_;
    std::optional<RollLuck> luck_;
    std::vector<Series> series_;
    CountAxis axis_;
};

}  // namespace corvane
