#include "engine/Odds.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace corvane {
namespace {

constexpr double kTiniest = std::numeric_limits<double>::denorm_min();
constexpr double kAlmostCertain = 1.0 - std::numeric_limits<double>::epsilon() / 2.0;
// A term this much smaller than the sum so far cannot change it any more.
constexpr double kNegligible = 1e-17;

// For chances that can go either way: keeps them off exactly 0 and 1 however
// far a double has to round them.
double Uncertain(double chance) { return std::clamp(chance, kTiniest, kAlmostCertain); }

// The number of successes among n dice, each succeeding with chance p (0 < p < 1).
//
// In a large pool the chance of one exact count is a product far too small
// for a double and its number of orderings far too large, so a tail is worked
// out as the log of its first term plus the log of a sum of the ratios of the
// later terms to it. Summed away from the middle, the terms soon shrink fast:
// even the largest pools need no more than a few hundred of them.
class SuccessCount {
public:
    SuccessCount(int n, double p)
        : n_(n),
          logP_(std::log(p)),
          logQ_(std::log1p(-p)),
          odds_(p / (1.0 - p)),
          logFactorial_(std::lgamma(n + 1.0)) {}

    // The log of the chance of exactly j successes.
    double LogExactly(int j) const {
        return logFactorial_ - std::lgamma(j + 1.0) - std::lgamma(n_ - j + 1.0) + j * logP_ +
               (n_ - j) * logQ_;
    }

    // The log of the chance of k or more successes.
    double LogAtLeast(int k) const {
        double sum = 1.0;
        double term = 1.0;
        for (int j = k; j < n_ && term > sum * kNegligible; ++j) {
            term *= (n_ - j) / (j + 1.0) * odds_;
            sum += term;
        }
        return LogExactly(k) + std::log(sum);
    }

    // The log of the chance of k or fewer successes.
    double LogAtMost(int k) const {
        double sum = 1.0;
        double term = 1.0;
        for (int j = k; j > 0 && term > sum * kNegligible; --j) {
            term *= j / (n_ - j + 1.0) / odds_;
            sum += term;
        }
        return LogExactly(k) + std::log(sum);
    }

private:
    int n_;
    double logP_;
    double logQ_;
    double odds_;
    double logFactorial_;
};

// Rerolling the dice from position `start` (counted from 1) to the end.
RerollOdds OddsOfRerollingFrom(const RollerState& state, int start) {
    RerollOdds odds;
    odds.SuccessesNow = state.Successes.Value();
    odds.ExpectedAfter = odds.SuccessesNow;
    const std::span<const Int16> pool = state.DiceResults.Dice();
    const int size = static_cast<int>(pool.size());
    if (start < 1 || start > size) return odds;

    const Int16 target = state.TargetNumber;
    const auto rerolledSuccesses = static_cast<int>(std::count_if(
        pool.begin() + (start - 1), pool.end(), [&](Int16 die) { return die >= target; }));
    const double dieChance = DieChance(target);
    odds.Rerolled = size - start + 1;
    odds.ExpectedAfter =
        odds.SuccessesNow - rerolledSuccesses + ExpectedSuccesses(odds.Rerolled, dieChance);
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
