#pragma once

#include "runtime/Int16.h"

namespace corvane {

// The numbers a player may type, and the one a pool's dice must add up within.
// Every 16-bit rule behind them lives in Int16; these are what the texts, the
// saved pools and the chart name.
inline constexpr Int16 kLeastDice{1};
// One below the 16-bit limit: the roller's position counter must step past
// the last die, so a pool of 32767 dice can never roll.
inline constexpr Int16 kMostDice{32766};
inline constexpr Int16 kLowestTarget{-32768};
inline constexpr Int16 kHighestTarget{32767};
inline constexpr Int16 kHighestTotal{32767};

// Whether a pool of `dice` can be rolled at all.
constexpr bool RollableDiceCount(Int16 dice) { return dice >= kLeastDice && dice <= kMostDice; }

}  // namespace corvane
