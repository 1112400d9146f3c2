#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "engine/SuccessDistribution.h"
#include "runtime/Int16.h"

namespace corvane {

struct RollerState;

// What the Chances window draws, read from the dice window as it is now.
//
// The pool is the last roll's: its dice and the successes it rolled. A new
// roll is that many dice at the target as typed, read the way Roll reads it
// (the target's tooltip does the same), so typing a target shows at once what
// rolling again would give. The rerolls keep the last roll's target, as the
// reroll buttons do: they never read the fields. "Reroll from Marker Down" is
// drawn only while a row is selected.
class ChancesData {
public:
    enum class Kind { NewRoll, RerollFailures, RerollFromMarker };
    struct Series {
        Kind kind;
        // The dice rolled afresh: the whole pool for a new roll, none for a
        // reroll with nothing to reroll.
        int rolledAfresh;
        SuccessDistribution chances;
    };

    // Small pools show every count from 0 to the pool; bigger ones only the
    // counts that hold all but a sliver of the chance.
    static constexpr int kWholeAxisUpTo = 30;

    // Never throws: a target that reads as no 16-bit number leaves out the new roll.
    ChancesData(const RollerState& state, std::string_view targetText, Int16 markedRow);

    // In the order of Kind; the new roll may be missing, and the marker's.
    const std::vector<Series>& AllSeries() const { return series_; }
    const Series* Find(Kind kind) const;

    int Dice() const { return dice_; }
    int Rolled() const { return rolled_; }
    Int16 RolledTarget() const { return rolledTarget_; }
    // Empty when the typed target is past the 16-bit limits.
    std::optional<Int16> TypedTarget() const { return typedTarget_; }

    // The counts on the axis, FirstCount()..LastCount(); they always include
    // the rolled count.
    int FirstCount() const { return firstCount_; }
    int LastCount() const { return lastCount_; }
    int Counts() const { return lastCount_ - firstCount_ + 1; }
    // Some possible counts are left off the axis.
    bool LeavesOff() const { return firstCount_ > 0 || lastCount_ < dice_; }

private:
    void ChooseAxis();

    int dice_;
    int rolled_;
    Int16 rolledTarget_;
    std::optional<Int16> typedTarget_;
    std::vector<Series> series_;
    int firstCount_ = 0;
    int lastCount_ = 0;
};

}  // namespace corvane
