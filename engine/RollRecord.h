#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/RollerState.h"
#include "engine/ThrownDice.h"
#include "runtime/Int16.h"

namespace corvane {

// Asked for by bits: bit 0 rerolls the failures, else
// bit 1 rerolls from the marker, else it is a new roll.
enum class RollType : std::int16_t { NewRoll = 0, RerollFailures = 1, RerollFromMarker = 2 };

// Which of the three operations the bits select.
constexpr RollType OperationOf(RollType bits) {
    const auto value = static_cast<std::int16_t>(bits);
    if (value & 1) return RollType::RerollFailures;
    if (value & 2) return RollType::RerollFromMarker;
    return RollType::NewRoll;
}

// What a completed roll did: enough to show it in a log, to copy it as a line,
// to check a reroll against the roll before it, and to judge its luck.
struct RollRecord {
    // One of the three operations, whatever bits asked for it.
    RollType Operation = RollType::NewRoll;
    // When it completed, by the clock the dice reseed from.
    float SecondsSinceMidnight = 0.0F;
    // The first position rolled again, counted from 1; 0 for a new roll.
    Int16 FirstRerolled;
    // The dice a reroll replaced, as they stood from FirstRerolled to the end
    // of the pool before it.
    std::vector<Int16> Replaced;
    // The pool and its tally as the roll left them.
    RollerState After;
    // The dice this roll threw, counted against After.TargetNumber: the whole
    // pool for a new roll, the dice from FirstRerolled on for a reroll.
    ThrownDice Thrown;
    // At a shared table, who rolled it and the table's round; empty and 0
    // for a roll of this program alone.
    std::string Player;
    std::uint32_t TableRound = 0;

    friend bool operator==(const RollRecord&, const RollRecord&) = default;
};

}  // namespace corvane
