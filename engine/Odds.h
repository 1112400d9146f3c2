#pragma once

#include "engine/RollerState.h"
#include "runtime/Int16.h"

namespace corvane {

// Exact chances for the pool, worked out before the dice are thrown.
//
// Every chance is a double in [0, 1]. Exactly 0 means impossible and exactly 1
// means certain; a chance that is possible but too small for a double comes out
// as the smallest positive double, and one that is short of certain by too
// little as the largest double below 1. So a player is never told "never" or
// "always" about something that can still go either way, and the chances keep
// their order however far out they go.

// The chance that one die reaches the target: 1 at a target of 1 or below.
// Sixes roll again and add, so a die is never a multiple of 6: reaching 6 is
// as likely as reaching 7, 12 as likely as 13, and so on.
double DieChance(Int16 target);

// The chance that at least `successes` of `dice` dice succeed, when each one
// succeeds with the chance `dieChance`. Stable for pools up to 32767 dice.
double AtLeastChance(int dice, int successes, double dieChance);
// The chance that at most `successes` of them succeed. Summed on its own, not
// as 1 less the other tail: near certain, that difference rounds to exactly 1.
double AtMostChance(int dice, int successes, double dieChance);

// The chance that every one of `dice` dice shows a single 1.
double BotchChance(int dice);

double ExpectedSuccesses(int dice, double dieChance);

// What a reroll offers: the kept dice stay, the rerolled ones are fresh dice.
struct RerollOdds {
    int Rerolled = 0;
    int SuccessesNow = 0;
    // The successes among the dice that stay: after the reroll the successes
    // are these plus those of the fresh dice.
    int KeptSuccesses = 0;
    double ExpectedAfter = 0.0;
    // The chance of ending with more successes than now.
    double GainChance = 0.0;
};

// Rerolling every die below the target of the last roll.
RerollOdds RerollFailuresOdds(const RollerState& state);
// Rerolling the die on the given row (counted from 0) and every die after it;
// a row outside the pool rerolls nothing.
RerollOdds RerollFromMarkerOdds(const RollerState& state, Int16 markedRow);

}  // namespace corvane
