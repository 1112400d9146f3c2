#include "engine/Odds.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "engine/SuccessCount.h"

namespace corvane {
namespace {

using detail::SuccessCount;
using detail::Uncertain;

// Rerolling the dice from position `start` (counted from 1) to the end.
RerollOdds OddsOfRerollingFrom(const RollerState& state, int start) {
    RerollOdds odds;
    odds.SuccessesNow = state.Successes.Value();
    odds.KeptSuccesses = odds.SuccessesNow;
    odds.ExpectedAfter = odds.SuccessesNow;
    const std::span<const Int16> pool = state.DiceResults.Dice();
    const int size = static_cast<int>(pool.size());
    if (start < 1 || start > size) return odds;

    const Int16 target = state.TargetNumber;
    const auto rerolledSuccesses = static_cast<int>(std::count_if(
        pool.begin() + (start - 1), pool.end(), [&](Int16 die) { return IsSuccess(die, target); }));
    const double dieChance = DieChance(target);
    odds.Rerolled = size - start + 1;
    odds.KeptSuccesses = odds.SuccessesNow - rerolledSuccesses;
    odds.ExpectedAfter = odds.KeptSuccesses + ExpectedSuccesses(odds.Rerolled, dieChance);
    // A gain needs more fresh successes than the rerolled dice had.
    odds.GainChance = AtLeastChance(odds.Rerolled, rerolledSuccesses + 1, dieChance);
    return odds;
}

}  // namespace

double DieChance(Int16 target) {
    int t = target.Value();
    if (t <= 1) return 1.0;
    // No die stops on a multiple of 6, so reaching one is reaching the next number.
    if (t % 6 == 0) ++t;
    // Each whole six below the target takes a thrown 6, a chance of 1/6; the
    // throw after them must reach what is left, and a 6 there always does.
    const int sixes = (t - 1) / 6;
    const int faces = 7 - (t - 6 * sixes);
    return Uncertain(std::pow(6.0, -sixes) * (faces / 6.0));
}

double AtLeastChance(int dice, int successes, double dieChance) {
    if (successes <= 0) return 1.0;
    if (successes > dice || !(dieChance > 0.0)) return 0.0;
    if (dieChance >= 1.0) return 1.0;
    const SuccessCount count(dice, dieChance);
    // Sum whichever tail lies away from the middle, where nothing cancels.
    if (successes > dice * dieChance) return Uncertain(std::exp(count.LogAtLeast(successes)));
    return Uncertain(-std::expm1(count.LogAtMost(successes - 1)));
}

double AtMostChance(int dice, int successes, double dieChance) {
    if (successes < 0) return 0.0;
    if (successes >= dice || !(dieChance > 0.0)) return 1.0;
    if (dieChance >= 1.0) return 0.0;
    const SuccessCount count(dice, dieChance);
    if (successes < dice * dieChance) return Uncertain(std::exp(count.LogAtMost(successes)));
    return Uncertain(-std::expm1(count.LogAtLeast(successes + 1)));
}

double BotchChance(int dice) {
    if (dice <= 0) return 1.0;
    return Uncertain(std::pow(6.0, -dice));
}

double ExpectedSuccesses(int dice, double dieChance) { return std::max(dice, 0) * dieChance; }

RerollOdds RerollFailuresOdds(const RollerState& state) {
    // No failure point means there is nothing to reroll.
    return OddsOfRerollingFrom(state, state.FailurePoint.Value());
}

RerollOdds RerollFromMarkerOdds(const RollerState& state, Int16 markedRow) {
    return OddsOfRerollingFrom(state, markedRow.Value() + 1);
}

}  // namespace corvane
