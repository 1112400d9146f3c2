#include "engine/Roller.h"

#include <algorithm>

#include "engine/PoolTotal.h"
#include "engine/RollDice.h"
#include "engine/SortIntArray.h"
#include "runtime/NumberText.h"
#include "runtime/RuntimeError.h"

namespace corvane {
namespace {

constexpr Int16 kOne{1};

// Marks the roller busy for the length of one roll, whichever way it ends.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

// Rolls the dice from `start` to the end of the pool afresh, and notes the
// ones they replace.
void RerollFrom(Int16 start, RollerState& next, RollRecord& record, RandomSource& random,
                Clock& clock) {
    const Int16 count = next.DiceCount - start + kOne;
    // Only a list out of step with the pool could get here; refuse to read past it.
    if (count < kOne) RaiseSubscriptOutOfRange();
    ResultArray scratch;
    RollDice(count, scratch, random, clock);
    record.Thrown = CountThrown(scratch.Dice(), next.TargetNumber);
    record.FirstRerolled = start;
    for (Int16 i = start; i <= next.DiceCount; ++i) {
        record.Replaced.push_back(next.DiceResults[i]);
        next.DiceResults[i] = scratch[i - start + kOne];
    }
}

void Tally(RollerState& next) {
    next.Successes = Int16();
    next.FailurePoint = Int16();
    next.TotalRoll = Int16();
    const Int16 top = next.DiceResults.UpperBound();
    for (Int16 i = kOne; i <= top; ++i) {
        const Int16 die = next.DiceResults[i];
        if (IsSuccess(die, next.TargetNumber)) {
            ++next.Successes;
        } else if (next.FailurePoint == Int16()) {
            next.FailurePoint = i;
        }
        next.TotalRoll += die;
    }
    next.HighRoll = next.DiceResults[kOne];
}

// Reads a field, blaming any run-time error on it.
template <class Read>
Int16 ReadField(RollFault field, Read read) {
    try {
        return read();
    } catch (const RuntimeError& error) {
        throw RollFailure(error.Number(), field);
    }
}

}  // namespace

Int16 FieldNumber(std::string_view text) { return RoundToInt16(LeadingNumber(text)); }

std::optional<Int16> TryFieldNumber(std::string_view text) {
    try {
        return FieldNumber(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

Int16 DiceCountOf(std::string_view text) { return std::max(kOne, FieldNumber(text)); }

std::optional<Int16> TryDiceCountOf(std::string_view text) {
    const std::optional<Int16> number = TryFieldNumber(text);
    if (!number) return std::nullopt;
    return std::max(kOne, *number);
}

Roller::Roller(RollerView& view, RandomSource& random, Clock& clock, EventYield& yield)
    : view_(view), random_(random), clock_(clock), yield_(yield) {}

RollOutcome Roller::Roll(RollType rollType, RandomSource& random) {
    return Run(OperationOf(rollType), nullptr, random);
}

RollOutcome Roller::RollPool(Pool pool, RandomSource& random) {
    return Run(RollType::NewRoll, &pool, random);
}

RollOutcome Roller::Run(RollType operation, const Pool* pool, RandomSource& random) {
    if (rolling_) return RollOutcome::Ignored;
    BusyScope busy(rolling_);
    Draw draw;
    try {
        return Attempt(operation, pool, random, draw);
    } catch (const RollFailure&) {
        throw;
    } catch (const RuntimeError& error) {
        // Past the fields, only the dice can pass the limit, or a list out of
        // step with the pool be read past.
        RollFault fault = RollFault::PoolOutOfStep;
        if (error.Number() == ErrorNumber::Overflow) {
            if (WorthRolling(draw.fresh, draw.keptTotal)) {
                fault = RollFault::TotalThisTime;
            } else {
                // A reroll is refused for its own dice, not for the pool's size.
                fault = operation == RollType::NewRoll ? RollFault::TotalTooLarge
                                                       : RollFault::RerollTooLarge;
            }
        }
        throw RollFailure(error.Number(), fault, draw.fresh);
    }
}

RollOutcome Roller::Attempt(RollType operation, const Pool* pool, RandomSource& random,
                            Draw& draw) {
    RollerState next = state_;
    RollRecord record;
    record.Operation = operation;
    if (operation == RollType::NewRoll) {
        if (pool) {
            next.DiceCount = pool->dice;
            next.TargetNumber = pool->target;
        } else {
            next.DiceCount =
                ReadField(RollFault::DiceField, [this] { return DiceCountOf(view_.DiceText()); });
            next.TargetNumber = ReadField(RollFault::TargetField,
                                          [this] { return FieldNumber(view_.TargetText()); });
        }
        draw.fresh = next.DiceCount.Value();
        RollDice(next.DiceCount, next.DiceResults, random, clock_);
        record.Thrown = CountThrown(next.DiceResults.Dice(), next.TargetNumber);
    } else {
        next.DiceCount = view_.RowCount();
        Int16 start = next.FailurePoint;
        if (operation == RollType::RerollFailures) {
            if (start == Int16()) return Refuse(kNoFailuresMessage, next.DiceCount);
        } else {
            start = view_.MarkedRow() + kOne;
            if (start < kOne || start > next.DiceCount) {
                return Refuse(kNoMarkerMessage, next.DiceCount);
            }
        }
        draw.fresh = next.DiceCount.Value() - start.Value() + 1;
        draw.keptTotal = KeptTotal(next.DiceResults.Dice(), start.Value());
        RerollFrom(start, next, record, random, clock_);
    }

    if (SortIntArray(next.DiceResults, yield_) == SortOutcome::Abandoned) {
        return RollOutcome::Abandoned;
    }
    Tally(next);
    record.SecondsSinceMidnight = clock_.SecondsSinceMidnight();
    record.After = next;
    state_ = std::move(next);
    lastRecord_ = std::make_shared<const RollRecord>(std::move(record));
    view_.ShowOutcome();
    return RollOutcome::Completed;
}

RollOutcome Roller::Refuse(std::string_view message, Int16 rowCount) {
    // The pool is untouched; only the count is brought in line with the list.
    state_.DiceCount = rowCount;
    view_.Beep();
    view_.SetStatusMessage(message);
    return RollOutcome::Refused;
}

}  // namespace corvane
