#pragma once

#include <array>
#include <span>

#include "runtime/Int16.h"

namespace corvane {

// What the dice of one roll showed: all that the roll's luck and the check of
// the dice's fairness need, counted once as the roll completes. A new roll
// throws its whole pool; a reroll only the dice it rolls again.
struct ThrownDice {
    Int16 Count;
    // The thrown dice that reached the roll's target.
    Int16 Successes;
    // How many dice ended on each face from 1 to 5 (LastFaces[0] the ones). A
    // six always rolls on, so the face a die stops on is its result less its
    // sixes.
    std::array<Int16, 5> LastFaces{};
    // Every six the dice threw, all together.
    Int16 Sixes;

    friend bool operator==(const ThrownDice&, const ThrownDice&) = default;
};

// Counts the results of open-ended dice against `target`. Raises Subscript out
// of range for a result no die can show (below 1, or a multiple of 6).
ThrownDice CountThrown(std::span<const Int16> dice, Int16 target);

}  // namespace corvane
