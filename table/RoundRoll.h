#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engine/RollFailure.h"
#include "engine/Roller.h"
#include "table/Crypto.h"
#include "table/Message.h"

namespace corvane::table {

// What the engine made of a round's request.
struct RoundResult {
    RollOutcome outcome = RollOutcome::Completed;
    // The pool and its tally; for a refused reroll, the earlier pool.
    RollerState state;
    // Set when a run-time error stopped the roll.
    std::optional<RollFault> fault;
    // The engine's refusal text for a refused reroll.
    std::string refusal;
    // What a completed roll did, as the roll log keeps it.
    std::shared_ptr<const RollRecord> record;
};

// Rolls a round through the engine's own roller, with the dice drawn from the
// round's seed. A reroll starts from `earlier`, the pool of the round it names.
RoundResult RollRound(RollKind roll, std::int16_t dice, std::int16_t target, std::int16_t marker,
                      const RollerState* earlier, const Hash& seed);

}  // namespace corvane::table
