#pragma once

#include "runtime/RuntimeError.h"

namespace corvane {

// What stopped a roll, so the window can say what to do about it.
enum class RollFault {
    // The dice field's number is past -32768..32767.
    DiceField,
    // The target field's number is past -32768..32767.
    TargetField,
    // The dice added up past 32767 this time; the same pool stays within the
    // limit often enough to roll it again.
    TotalThisTime,
    // The dice add up past 32767 nearly every time: the pool is too large.
    TotalTooLarge,
    // The dice a reroll would throw, beside the dice it keeps, would take the
    // total past 32767 nearly every time.
    RerollTooLarge,
    // The list and the pool disagreed.
    PoolOutOfStep,
};

// A run-time error that stopped a roll, with what stopped it.
class RollFailure final : public RuntimeError {
public:
    // `dice`: for a reroll too large, how many dice it would throw.
    RollFailure(ErrorNumber number, RollFault fault, int dice = 0) noexcept
        : RuntimeError(number), fault_(fault), dice_(dice) {}

    RollFault Fault() const noexcept { return fault_; }
    int Dice() const noexcept { return dice_; }

private:
    RollFault fault_;
    int dice_;
};

}  // namespace corvane
