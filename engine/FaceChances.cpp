#include "engine/FaceChances.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "engine/CountWindow.h"

namespace corvane::detail {
namespace {

constexpr std::int64_t kUnbounded = std::numeric_limits<std::int64_t>::max();

// The Poisson count of a fifth of the dice, each range keeping its part.
std::array<CountWindow, 5> RangedCounts(std::int64_t dice,
                                        const std::array<CountRange, 5>& ranges) {
    const double mean = static_cast<double>(dice) / 5.0;
    const CountWindow poisson = SpreadFromMode(
        static_cast<std::int64_t>(mean), 0, kUnbounded,
        [mean](std::int64_t j) { return mean / (static_cast<double>(j) + 1.0); },
        [mean](std::int64_t j) { return static_cast<double>(j) / mean; });
    std::array<CountWindow, 5> ranged;
    for (std::size_t face = 0; face < ranges.size(); ++face) {
        ranged[face] = poisson.Restricted(ranges[face].Low, ranges[face].High);
    }
    return ranged;
}

// The Poisson chance of its own mean, in logs: what a multinomial chance is
// divided by in Levin's representation.
double LogPoissonAtMean(std::int64_t dice) {
    if (dice == 0) return 0.0;
    const auto n = static_cast<double>(dice);
    return n * std::log(n) - n - std::lgamma(n + 1.0);
}

double SumOfChances(const CountWindow& window) {
    double sum = 0.0;
    for (double chance : window.Chances) sum += chance;
    return sum;
}

double ExactChance(std::int64_t dice, const std::array<CountWindow, 5>& ranged) {
    // Two pairs convolved, and only the sum `dice` of them and the last face
    // taken: some four times the square of a range's width.
    const CountWindow first = Convolve(ranged[0], ranged[1]);
    const CountWindow second = Convolve(ranged[2], ranged[3]);
    double atDice = 0.0;
    for (std::size_t i = 0; i < ranged[4].Chances.size(); ++i) {
        const std::int64_t rest = dice - (ranged[4].First + static_cast<std::int64_t>(i));
        // The first pair's count j leaves rest - j to the second pair.
        const std::int64_t from = std::max(first.First, rest - second.Last());
        const std::int64_t to = std::min(first.Last(), rest - second.First);
        double pairs = 0.0;
        for (std::int64_t j = from; j <= to; ++j) {
            pairs += first.Chances[static_cast<std::size_t>(j - first.First)] *
                     second.Chances[static_cast<std::size_t>(rest - j - second.First)];
        }
        atDice += ranged[4].Chances[i] * pairs;
    }
    return atDice;
}

// The chance of all five within their ranges and adding up to `dice`: that of
// all five within, times an Edgeworth series for the sum of the ranged counts.
double EdgeworthChance(std::int64_t dice, const std::array<CountWindow, 5>& ranged) {
    double within = 1.0;
    double mean = 0.0;
    double variance = 0.0;
    double third = 0.0;
    double fourth = 0.0;
    for (const CountWindow& window : ranged) {
        const double mass = SumOfChances(window);
        within *= mass;
        double m1 = 0.0;
        for (std::size_t i = 0; i < window.Chances.size(); ++i) {
            m1 += static_cast<double>(i) * window.Chances[i] / mass;
        }
        double m2 = 0.0, m3 = 0.0, m4 = 0.0;
        for (std::size_t i = 0; i < window.Chances.size(); ++i) {
            const double d = static_cast<double>(i) - m1;
            const double share = window.Chances[i] / mass;
            m2 += share * d * d;
            m3 += share * d * d * d;
            m4 += share * d * d * d * d;
        }
        mean += static_cast<double>(window.First) + m1;
        variance += m2;
        third += m3;
        fourth += m4 - 3.0 * m2 * m2;
    }
    // Ranges of one count each leave the sum no room to vary.
    if (!(variance > 0.0)) return static_cast<double>(dice) == mean ? within : 0.0;
    const double sd = std::sqrt(variance);
    const double z = (static_cast<double>(dice) - mean) / sd;
    const double skew = third / (sd * sd * sd);
    const double kurtosis = fourth / (variance * variance);
    const double z2 = z * z;
    const double series = 1.0 + skew / 6.0 * (z2 * z - 3.0 * z) +
                          kurtosis / 24.0 * (z2 * z2 - 6.0 * z2 + 3.0) +
                          skew * skew / 72.0 * (z2 * z2 * z2 - 15.0 * z2 * z2 + 45.0 * z2 - 15.0);
    const double density = std::exp(-z2 / 2.0) / (sd * std::sqrt(2.0 * std::numbers::pi));
    return within * std::max(0.0, density * series);
}

double Width(const CountRange& range) {
    return static_cast<double>(std::max<std::int64_t>(0, range.High - range.Low + 1));
}

}  // namespace

FacesMethod ChosenFacesMethod(std::int64_t dice, const std::array<CountRange, 5>& ranges) {
    // The ranges reach no further than the Poisson counts do.
    const double reach = 2.0 * 9.5 * std::sqrt(static_cast<double>(dice) / 5.0) + 1.0;
    std::array<double, 5> widths{};
    for (std::size_t face = 0; face < 5; ++face)
        widths[face] = std::min(reach, Width(ranges[face]));
    const double work = widths[0] * widths[1] + widths[2] * widths[3] +
                        widths[4] * std::min(widths[0] + widths[1], widths[2] + widths[3]);
    return work <= kExactFacesWork ? FacesMethod::Exact : FacesMethod::Edgeworth;
}

double ChanceFacesWithin(std::int64_t dice, const std::array<CountRange, 5>& ranges,
                         FacesMethod method) {
    const std::array<CountWindow, 5> ranged = RangedCounts(dice, ranges);
    for (const CountWindow& window : ranged) {
        if (window.Chances.empty()) return 0.0;
    }
    const double joint =
        method == FacesMethod::Exact ? ExactChance(dice, ranged) : EdgeworthChance(dice, ranged);
    return std::clamp(joint / std::exp(LogPoissonAtMean(dice)), 0.0, 1.0);
}

double ChanceSixesWithin(std::int64_t dice, CountRange range) {
    const auto n = static_cast<double>(dice);
    // The likeliest number of sixes is (dice - 1) / 5, rounded down.
    const std::int64_t mode = dice > 0 ? (dice - 1) / 5 : 0;
    const CountWindow sixes = SpreadFromMode(
        mode, 0, dice > 0 ? kUnbounded : 0,
        [n](std::int64_t s) {
            return (static_cast<double>(s) + n) / (static_cast<double>(s) + 1.0) / 6.0;
        },
        [n](std::int64_t s) {
            return static_cast<double>(s) / (static_cast<double>(s) - 1.0 + n) * 6.0;
        });
    return std::clamp(sixes.Within(range.Low, range.High), 0.0, 1.0);
}

}  // namespace corvane::detail
