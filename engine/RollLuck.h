#pragma once

#include "engine/RollRecord.h"

namespace corvane {

// How lucky a completed roll was, counted on the dice it threw: for a new roll
// the whole pool at its target, for a reroll only the dice it rolled again,
// against the chance of one die at the target the roll kept. Fair dice are
// assumed; chances follow the engine's rule that nothing possible reads 0 and
// nothing uncertain reads 1.
struct RollLuck {
    int Dice = 0;
    int Successes = 0;
    double ExpectedSuccesses = 0.0;
    // The chance that the same dice do at least as well as they did: small
    // after a lucky roll ("top 8%").
    double AtLeastAsWell = 1.0;
    // The chance that they do at most as well: small after an unlucky one
    // ("bottom 15%"). The two add up to 1 plus the chance of exactly this roll.
    double AtMostAsWell = 1.0;
};

RollLuck LuckOfRoll(const RollRecord& record);

// The roll's luck as a standard normal score: its percentile among all rolls
// of the same dice, the chance of exactly this roll spread by `tieBreak` (in
// 0..1) as P(fewer) + tieBreak P(exactly), turned into the normal deviate of
// that chance. For fair dice and a tie-break drawn uniformly and apart from
// the dice, the score is standard normal and independent of every roll before
// it, whatever those rolls made the player throw next: each roll's chances
// are exact given what came before.
double NormalScore(const RollRecord& record, double tieBreak);

}  // namespace corvane
