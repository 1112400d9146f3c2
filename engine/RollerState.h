#pragma once

#include "runtime/Int16.h"
#include "runtime/ResultArray.h"

namespace corvane {

// A die succeeds when it reaches the target.
constexpr bool IsSuccess(Int16 die, Int16 target) { return die >= target; }

// The pool and its tally after the last completed roll.
struct RollerState {
    Int16 DiceCount;
    Int16 TargetNumber;
    Int16 Successes;
    Int16 HighRoll;
    Int16 TotalRoll;
    // Largest first; positions 1..DiceCount.
    ResultArray DiceResults;
    // Position of the first die below the target; 0 when no die failed.
    Int16 FailurePoint;

    // Six dice at target 4, no pool yet: what the window starts from.
    static RollerState LoadValues() {
        RollerState state;
        state.DiceCount = Int16(6);
        state.TargetNumber = Int16(4);
        return state;
    }
    // Every die showed a single 1: only then can the total equal the count.
    bool IsBotch() const { return TotalRoll == DiceCount; }

    friend bool operator==(const RollerState&, const RollerState&) = default;
};

}  // namespace corvane
