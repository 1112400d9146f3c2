#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/RollFailure.h"
#include "engine/RollRecord.h"
#include "engine/RollerState.h"
#include "runtime/Clock.h"
#include "runtime/EventYield.h"
#include "runtime/Int16.h"
#include "runtime/RandomSource.h"

namespace corvane {

// What the window's fields and list hold, as the roller and the chart read them.
class RollerInputs {
public:
    virtual ~RollerInputs() = default;
    virtual std::string DiceText() = 0;
    virtual std::string TargetText() = 0;
    // Rows in the results list.
    virtual Int16 RowCount() = 0;
    // The selected row, counted from 0; -1 when no row is selected.
    virtual Int16 MarkedRow() = 0;
};

// What the roller needs of the window besides its inputs.
class RollerView : public RollerInputs {
public:
    virtual void SetStatusMessage(std::string_view text) = 0;
    virtual void Beep() = 0;
    // Shows the state of the roller after a completed roll.
    virtual void ShowOutcome() = 0;
};

enum class RollOutcome {
    Completed,
    // A reroll with nothing to reroll: the user heard a beep and got a message.
    Refused,
    // Asked for while another roll was running: dropped, because the running
    // roll is about to rewrite the fields and the list this one would read.
    Ignored,
    // The window closed during the roll: nothing was shown or kept.
    Abandoned,
};

// Marks a text the user reads, without making the engine depend on Qt: it is
// the text itself here, and lupdate reads it as QT_TRANSLATE_NOOP.
#define CORVANE_TRANSLATE_NOOP(context, text) text

// The refusals reach the view in English; the window shows them in the user's
// language, looked up in kMessageContext. lupdate reads only literals, so each
// mark spells the context out again.
inline constexpr char kMessageContext[] = "corvane::Roller";
inline constexpr std::string_view kNoFailuresMessage =
    CORVANE_TRANSLATE_NOOP("corvane::Roller", "No failures to reroll.");
inline constexpr std::string_view kNoMarkerMessage =
    CORVANE_TRANSLATE_NOOP("corvane::Roller", "No marker specified.");

// The number a field's text stands for: its leading number, rounded to the
// nearest 16-bit integer (halves to even). Raises Overflow past the limits.
Int16 FieldNumber(std::string_view text);
// The same number, or nothing where it is past the 16-bit limits, for those
// that show what a typed text would do without rolling it.
std::optional<Int16> TryFieldNumber(std::string_view text);
// How many dice a new roll of the dice field's text rolls: its number, and at
// least one. Raises Overflow where the number is past the 16-bit limits.
Int16 DiceCountOf(std::string_view text);
// The same count, or nothing where the number is past the limits.
std::optional<Int16> TryDiceCountOf(std::string_view text);

// Performs the three roll operations on its state and shows each outcome.
//
// A roll that goes ahead is all-or-nothing: it works on a copy of the state and
// keeps it only when it completes, so a run-time error (an Overflow past 32767,
// say) leaves the pool, the counts and the view as they were, and reaches the
// caller as a RollFailure that says what stopped it. A refused reroll is the
// one exception: it still
// brings DiceCount in line with the list's row count, which it equals after
// any completed roll.
class Roller {
public:
    Roller(RollerView& view, RandomSource& random, Clock& clock, EventYield& yield);

    // A saved pool, rolled from its numbers rather than from the fields.
    struct Pool {
        Int16 dice;
        Int16 target;
    };

    // Rolls with the generator the roller was made with.
    RollOutcome Roll(RollType rollType) { return Roll(rollType, random_); }
    // Rolls with the dice of `random`, for this roll only.
    RollOutcome Roll(RollType rollType, RandomSource& random);
    // A new roll of `pool`, as if its numbers had been typed.
    RollOutcome RollPool(Pool pool, RandomSource& random);
    RollOutcome RollPool(Pool pool) { return RollPool(pool, random_); }

    const RollerState& State() const { return state_; }
    // What the last completed roll did; null before the first. Made as the
    // state is kept, so a roll that does not complete leaves no record. Shared,
    // so that a log can keep it without copying the pool again.
    const std::shared_ptr<const RollRecord>& LastRecord() const { return lastRecord_; }
    void SetLoadValues() { state_ = RollerState::LoadValues(); }
    // Starts from a pool rolled elsewhere, so that it can be rerolled here.
    void ResumeFrom(RollerState state) { state_ = std::move(state); }
    bool IsRolling() const { return rolling_; }

private:
    // The dice a roll draws afresh, and what the dice it keeps add up to.
    struct Draw {
        int fresh = 0;
        int keptTotal = 0;
    };

    // Rolls `pool` when given, else what the fields say.
    RollOutcome Run(RollType operation, const Pool* pool, RandomSource& random);
    RollOutcome Attempt(RollType operation, const Pool* pool, RandomSource& random, Draw& draw);
    RollOutcome Refuse(std::string_view message, Int16 rowCount);

    RollerView& view_;
    RandomSource& random_;
    Clock& clock_;
    EventYield& yield_;
    RollerState state_;
    std::shared_ptr<const RollRecord> lastRecord_;
    bool rolling_ = false;
};

}  // namespace corvane
