#include "engine/PoolTotal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

namespace corvane {
namespace {

constexpr int kLimit = INT16_MAX;
// One die: a face of 1 to 5 after any number of sixes. The sixes are
// geometric with mean 1/5 and variance 6/25, the last face uniform on 1..5
// with mean 3 and variance 2.
constexpr double kDieMean = 6.0 * (1.0 / 5.0) + 3.0;
constexpr double kDieVariance = 36.0 * (6.0 / 25.0) + 2.0;
constexpr double kSafeChance = 0.99;
// A pool that stays within the limit this often is worth rolling again.
constexpr double kRollsAgainChance = 0.01;

}  // namespace

double TotalFitsChance(int freshDice, int keptTotal) {
    const double room = kLimit - keptTotal;
    // Every die adds at least 1.
    if (freshDice > room) return 0.0;
    if (freshDice <= 0) return 1.0;
    const double spread = std::sqrt(kDieVariance * freshDice);
    // Half a pip for the step from whole totals to the smooth curve.
    const double z = (room + 0.5 - kDieMean * freshDice) / spread;
    return 0.5 * std::erfc(-z / std::sqrt(2.0));
}

bool WorthRolling(int freshDice, int keptTotal) {
    return TotalFitsChance(freshDice, keptTotal) >= kRollsAgainChance;
}

int KeptTotal(std::span<const Int16> pool, int start) {
    const auto kept =
        pool.first(std::min(pool.size(), static_cast<std::size_t>(std::max(start - 1, 0))));
    return std::accumulate(kept.begin(), kept.end(), 0,
                           [](int sum, Int16 die) { return sum + die.Value(); });
}

int SafePoolSize() {
    int dice = 100;
    while (TotalFitsChance(dice + 100, 0) >= kSafeChance) dice += 100;
    return dice;
}

}  // namespace corvane
