#pragma once

#include <span>

#include "runtime/Int16.h"

namespace corvane {

// A pool's total is a 16-bit number too: a roll whose dice add up past 32767
// cannot complete. A die averages 4.2, so pools near 7800 dice pass the limit
// about half the time, depending on how the dice fall.

// The chance that `freshDice` dice rolled now, beside kept dice that add up to
// `keptTotal`, stay within 32767 in all. By the normal approximation, which is
// close for the thousands of dice where the limit matters.
double TotalFitsChance(int freshDice, int keptTotal);

// Whether such a roll stays within 32767 often enough to be worth rolling:
// one that nearly never does is refused as too large, not as unlucky.
bool WorthRolling(int freshDice, int keptTotal);

// What the dice before position `start` (counted from 1) add up to: the dice
// a reroll from there keeps.
int KeptTotal(std::span<const Int16> pool, int start);

// The largest new roll, in whole hundreds of dice, whose total stays within
// 32767 at least 99 times in 100.
int SafePoolSize();

}  // namespace corvane
