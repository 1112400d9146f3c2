#pragma once

#include <cstddef>
#include <vector>

#include "runtime/Int16.h"

namespace corvane {

struct RerollOdds;
struct RollerState;

// How likely each number of successes is: what a chart of the chances draws.
//
// The successes are a number of certain ones, from the dice a reroll keeps,
// plus those of some fresh dice, each succeeding with the same chance; a new
// roll keeps none. Counts run from 0 to Dice(), the dice in the pool.
//
// Chances are doubles in [0, 1] that add up to 1 within rounding. Measured
// against 60-digit arithmetic at 7000 and 32767 dice, targets 2, 3, 4 and 11,
// the chance of each count is within 2.1e-14 of itself in the range a chart
// shows and 2.1e-13 in the far tails (both at 32767 dice at target 2, 27527
// and 25000 successes), wherever it is at least the smallest normal double
// (about 2.2e-308). That is for the die chance the double holds: against the
// die's true 5/6 there they are within 8.0e-14 and 8.2e-13. A count less
// likely than that, or impossible, reads 0, since no chart can show it.
// AtLeast() is within 1.6e-10 of itself at 32767 dice, its log-factorials
// losing digits in the largest pools (worst found 1.57e-10, at target 11 and
// 2902 successes), and 5.2e-12 at 7000 (target 4, 3900 successes). Only the
// counts above that line are stored (a few thousand at most), so any pool up
// to 32767 dice costs little.
//
// Bad input is safe: a die chance of 0 or less, or not a number, means no die
// can succeed; 1 or more means every die does; either, like a reroll of nothing,
// gives the single certain bar. Any count may be asked about, however far
// outside 0..Dice().
class SuccessDistribution {
public:
    // Each tail that the shown range leaves off holds at most this chance.
    static constexpr double kTailLeftOff = 0.0005;

    // A new roll of `dice` dice, each succeeding with `dieChance` (DieChance of
    // the target). Fewer than 0 dice count as 0, more than 32767 as 32767.
    static SuccessDistribution OfNewRoll(int dice, double dieChance);
    // After "Reroll Failures" of the state's last roll: the successes stay and
    // the failures are fresh dice at the state's target. With no failures
    // nothing is rerolled: the single certain bar at the successes now.
    static SuccessDistribution AfterRerollFailures(const RollerState& state);
    // After "Reroll from Marker Down" with `markedRow` marked (counted from 0):
    // the dice above it stay, the marked die and every die below it are fresh.
    // A row outside the pool (-1 for no marker) rerolls nothing: the single
    // certain bar at the successes now.
    static SuccessDistribution AfterRerollFromMarker(const RollerState& state, Int16 markedRow);

    // The dice in the pool: the most successes the chart's axis runs to.
    int Dice() const { return dice_; }

    // The chance of exactly `successes` successes; 0 for an impossible count
    // and for one too unlikely for a double (see above).
    double Exactly(int successes) const;

    // The chance of `successes` or more successes: the figure the odds
    // tooltips give, so a possible count, however unlikely, is never 0 here.
    double AtLeast(int successes) const;

    // The expected number of successes. For a reroll it equals the
    // ExpectedAfter of RerollFailuresOdds / RerollFromMarkerOdds.
    double Mean() const { return mean_; }

    // The count with the greatest chance as Exactly() gives it; the lowest one
    // on a tie.
    int MostLikely() const { return mostLikely_; }

    // The range of counts a chart of a big pool shows, FirstShown()..LastShown()
    // inclusive: everything but at most 0.1% of the chance, at most 0.05% cut
    // from each end. Precisely, FirstShown() is the greatest count k whose
    // chance of fewer than k successes is at most kTailLeftOff, and LastShown()
    // the least count k whose chance of more than k successes is at most
    // kTailLeftOff, the tails summed from the chances Exactly() gives, outside
    // in. So removing one more bar from either end would leave off
    // more than 0.05% from that end. When neither end holds that little, the
    // range runs from the least possible count to the greatest. A chart of a
    // small pool may rather show 0..Dice().
    int FirstShown() const { return firstShown_; }
    int LastShown() const { return lastShown_; }

private:
    SuccessDistribution(int dice, int kept, int fresh, double dieChance);
    static SuccessDistribution AfterReroll(const RollerState& state, const RerollOdds& odds);

    // Fills in the chances of the fresh dice's successes (0 < chance < 1) and
    // gives the index of the one it worked out from, the likeliest or next to it.
    std::size_t SpreadFreshDice();
    void FindLandmarks(std::size_t peak);

    int dice_;
    int kept_;
    int fresh_;
    double dieChance_;
    double mean_;
    // chances_[i] is the chance of firstStored_ + i successes.
    int firstStored_;
    std::vector<double> chances_;
    int mostLikely_ = 0;
    int firstShown_ = 0;
    int lastShown_ = 0;
};

}  // namespace corvane
