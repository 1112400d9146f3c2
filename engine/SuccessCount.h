#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

// Internal to the engine: the odds functions, the success distribution and
// the luck share this one binomial, so it is not part of the engine's
// interface.
namespace corvane::detail {

// For chances that can go either way: keeps them off exactly 0 and 1 however
// far a double has to round them, so nothing possible reads "never" and
// nothing uncertain "always".
inline double Uncertain(double chance) {
    return std::clamp(chance, std::numeric_limits<double>::denorm_min(),
                      1.0 - std::numeric_limits<double>::epsilon() / 2.0);
}

// A term this much smaller than the sum so far cannot change it any more.
inline constexpr double kNegligible = 1e-17;

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

    // The chance of j + 1 successes over the chance of j (0 <= j < n).
    double RatioUp(int j) const { return (n_ - j) / (j + 1.0) * odds_; }
    // The chance of j - 1 successes over the chance of j (0 < j <= n).
    double RatioDown(int j) const { return j / (n_ - j + 1.0) / odds_; }

    // The log of the chance of k or more successes.
    double LogAtLeast(int k) const {
        double sum = 1.0;
        double term = 1.0;
        for (int j = k; j < n_ && term > sum * kNegligible; ++j) {
            term *= RatioUp(j);
            sum += term;
        }
        return LogExactly(k) + std::log(sum);
    }

    // The log of the chance of k or fewer successes.
    double LogAtMost(int k) const {
        double sum = 1.0;
        double term = 1.0;
        for (int j = k; j > 0 && term > sum * kNegligible; --j) {
            term *= RatioDown(j);
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

}  // namespace corvane::detail
