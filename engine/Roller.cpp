#include "engine/Roller.h"

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
        if (die >= next.TargetNumber) {
            ++next.Successes;
        } else if (next.FailurePoint == Int16()) {
            next.FailurePoint = i;
        }
        next.TotalRoll += die;
    }
    next.HighRoll = next.DiceResults[kOne];
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

Roller::Roller(RollerView& view, RandomSource& random, Clock& clock, EventYield& yield)
    : view_(view), random_(random), clock_(clock), yield_(yield) {}

RollOutcome Roller::Roll(RollType rollType) {
    if (rolling_) return RollOutcome::Ignored;
    BusyScope busy(rolling_);

    RollerState next = state_;
    RollRecord record;
    record.Operation = OperationOf(rollType);
    if (record.Operation == RollType::RerollFailures) {
        next.DiceCount = view_.RowCount();
        if (next.FailurePoint == Int16()) return Refuse(kNoFailuresMessage, next.DiceCount);
        RerollFrom(next.FailurePoint, next, record, random_, clock_);
    } else if (record.Operation == RollType::RerollFromMarker) {
        next.DiceCount = view_.RowCount();
        const Int16 start = view_.MarkedRow() + kOne;
        if (start < kOne || start > next.DiceCount) return Refuse(kNoMarkerMessage, next.DiceCount);
        RerollFrom(start, next, record, random_, clock_);
    } else {
        next.DiceCount = FieldNumber(view_.DiceText());
        if (next.DiceCount < kOne) next.DiceCount = kOne;
        next.TargetNumber = FieldNumber(view_.TargetText());
        RollDice(next.DiceCount, next.DiceResults, random_, clock_);
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
