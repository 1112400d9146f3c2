#include "engine/SumOfBinomials.h"

#include <algorithm>
#include <cmath>

#include "engine/CountWindow.h"
#include "engine/Saddlepoint.h"
#include "engine/SuccessCount.h"

namespace corvane {
namespace {

using detail::CountWindow;

// How many standard deviations a window reaches out on each side, for the
// estimate of the work only: the windows themselves end at the cut.
constexpr double kWindowReach = 9.5;

double Variance(const SumOfBinomials::Group& group) {
    return static_cast<double>(group.Dice) * group.DieChance * (1.0 - group.DieChance);
}

double WindowWidth(double variance, double dice) {
    return std::min(dice + 1.0, 2.0 * std::ceil(kWindowReach * std::sqrt(variance)) + 1.0);
}

CountWindow BinomialWindow(const SumOfBinomials::Group& group) {
    const auto n = static_cast<double>(group.Dice);
    const double p = group.DieChance;
    const double odds = p / (1.0 - p);
    const auto mode =
        std::clamp(static_cast<std::int64_t>((n + 1.0) * p), std::int64_t{0}, group.Dice);
    return detail::SpreadFromMode(
        mode, 0, group.Dice,
        [&](std::int64_t j) {
            return (n - static_cast<double>(j)) / (static_cast<double>(j) + 1.0) * odds;
        },
        [&](std::int64_t j) {
            return static_cast<double>(j) / (n - static_cast<double>(j) + 1.0) / odds;
        });
}

// The chance that the rest's count plus the last group's reaches `successes`
// (AtLeast) or stays at or below it (AtMost), with the last group's tails
// summed once.
SumOfBinomials::Tails CombineWithLast(const CountWindow& rest, const CountWindow& last,
                                      std::int64_t successes) {
    const std::size_t size = last.Chances.size();
    std::vector<double> atLeast(size + 1, 0.0);
    std::vector<double> atMost(size + 1, 0.0);
    for (std::size_t i = size; i-- > 0;) atLeast[i] = atLeast[i + 1] + last.Chances[i];
    for (std::size_t i = 0; i < size; ++i) atMost[i + 1] = atMost[i] + last.Chances[i];
    // Tails of the last group at a count j, however far outside its window.
    // Below and above it they are the window's own total, not 1, so that each
    // tail keeps its order to the last bit as j moves; so then do the sums.
    const auto upper = [&](std::int64_t j) {
        if (j > last.Last()) return 0.0;
        return atLeast[static_cast<std::size_t>(std::max(j, last.First) - last.First)];
    };
    const auto lower = [&](std::int64_t j) {
        if (j < last.First) return 0.0;
        return atMost[static_cast<std::size_t>(std::min(j, last.Last()) - last.First + 1)];
    };
    SumOfBinomials::Tails tails{0.0, 0.0};
    for (std::size_t i = 0; i < rest.Chances.size(); ++i) {
        const std::int64_t count = rest.First + static_cast<std::int64_t>(i);
        tails.AtLeast += rest.Chances[i] * upper(successes - count);
        tails.AtMost += rest.Chances[i] * lower(successes - count);
    }
    return tails;
}

}  // namespace

SumOfBinomials::SumOfBinomials(const std::vector<Group>& groups) {
    for (const Group& group : groups) {
        if (group.Dice <= 0 || !(group.DieChance > 0.0)) continue;
        if (group.DieChance >= 1.0) {
            certain_ += group.Dice;
        } else {
            uncertain_.push_back(group);
            uncertainDice_ += group.Dice;
        }
    }
    // The narrowest first, so that the running convolution stays narrow; the
    // widest comes last and costs only one pass.
    std::sort(uncertain_.begin(), uncertain_.end(), [](const Group& a, const Group& b) {
        return WindowWidth(Variance(a), static_cast<double>(a.Dice)) <
               WindowWidth(Variance(b), static_cast<double>(b.Dice));
    });
    // Each group is convolved into the running sum but the last, which is
    // summed against it once.
    double dice = 0.0;
    for (std::size_t g = 0; g < uncertain_.size(); ++g) {
        const double width =
            WindowWidth(Variance(uncertain_[g]), static_cast<double>(uncertain_[g].Dice));
        const double sumWidth = WindowWidth(variance_, dice);
        exactWork_ += g + 1 < uncertain_.size() ? width * sumWidth : width + sumWidth;
        variance_ += Variance(uncertain_[g]);
        dice += static_cast<double>(uncertain_[g].Dice);
    }
}

SumOfBinomials::Tails SumOfBinomials::At(std::int64_t successes, Method method) const {
    const std::int64_t fresh = successes - certain_;
    Tails tails{fresh <= 0 ? 1.0 : 0.0, fresh >= uncertainDice_ ? 1.0 : 0.0};
    const bool atLeastUncertain = fresh > 0 && fresh <= uncertainDice_;
    const bool atMostUncertain = fresh >= 0 && fresh < uncertainDice_;
    if (!atLeastUncertain && !atMostUncertain) return tails;
    const Tails computed = method == Method::Exact ? Exact(fresh) : Saddlepoint(fresh);
    if (atLeastUncertain) tails.AtLeast = detail::Uncertain(computed.AtLeast);
    if (atMostUncertain) tails.AtMost = detail::Uncertain(computed.AtMost);
    return tails;
}

SumOfBinomials::Tails SumOfBinomials::Exact(std::int64_t fresh) const {
    CountWindow rest{0, {1.0}};
    for (std::size_t g = 0; g + 1 < uncertain_.size(); ++g) {
        rest = Convolve(rest, BinomialWindow(uncertain_[g]));
        Trim(rest);
    }
    const CountWindow last =
        uncertain_.empty() ? CountWindow{0, {1.0}} : BinomialWindow(uncertain_.back());
    return CombineWithLast(rest, last, fresh);
}

SumOfBinomials::Tails SumOfBinomials::Saddlepoint(std::int64_t fresh) const {
    const auto above = detail::LugannaniRice(uncertain_, static_cast<double>(fresh) - 0.5);
    const auto below = detail::LugannaniRice(uncertain_, static_cast<double>(fresh) + 0.5);
    return Tails{above.Above, below.Below};
}

}  // namespace corvane
