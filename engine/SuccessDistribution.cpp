#include "engine/SuccessDistribution.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

#include "engine/CountWindow.h"
#include "engine/Odds.h"
#include "engine/SuccessCount.h"

namespace corvane {
namespace {

// Below this a double loses precision, so a chance that small is not stored.
constexpr double kSmallestStored = std::numeric_limits<double>::min();

// How many of the chances from `begin` on, taken in order, add up to no more
// than `limit`.
template <class Iterator>
int CountWithin(Iterator begin, Iterator end, double limit) {
    int count = 0;
    double sum = 0.0;
    for (Iterator chance = begin; chance != end; ++chance, ++count) {
        sum += *chance;
        if (sum > limit) break;
    }
    return count;
}

}  // namespace

SuccessDistribution SuccessDistribution::OfNewRoll(int dice, double dieChance) {
    const int pool = std::clamp(dice, 0, static_cast<int>(INT16_MAX));
    return SuccessDistribution(pool, 0, pool, dieChance);
}

SuccessDistribution SuccessDistribution::AfterRerollFailures(const RollerState& state) {
    return AfterReroll(state, RerollFailuresOdds(state));
}

SuccessDistribution SuccessDistribution::AfterRerollFromMarker(const RollerState& state,
                                                               Int16 markedRow) {
    return AfterReroll(state, RerollFromMarkerOdds(state, markedRow));
}

SuccessDistribution SuccessDistribution::AfterReroll(const RollerState& state,
                                                     const RerollOdds& odds) {
    const auto pool = static_cast<int>(state.DiceResults.Dice().size());
    return SuccessDistribution(pool, odds.KeptSuccesses, odds.Rerolled,
                               DieChance(state.TargetNumber));
}

SuccessDistribution::SuccessDistribution(int dice, int kept, int fresh, double dieChance)
    : dice_(dice),
      kept_(kept),
      fresh_(fresh),
      // Not a number counts as no chance at all.
      dieChance_(dieChance > 0.0 ? std::min(dieChance, 1.0) : 0.0),
      mean_(kept_ + ExpectedSuccesses(fresh_, dieChance_)),
      firstStored_(kept_) {
    std::size_t peak = 0;
    if (fresh_ > 0 && dieChance_ > 0.0 && dieChance_ < 1.0) {
        peak = SpreadFreshDice();
    } else {
        // Nothing can go either way: every fresh die fails, or every one succeeds.
        if (dieChance_ == 1.0) firstStored_ += fresh_;
        chances_.assign(1, 1.0);
    }
    FindLandmarks(peak);
}

// A chance of one exact count is worked out relative to the most likely one,
// from the ratios of neighbouring counts: these stay near 1 where it matters,
// so a pool of any size keeps its precision. Scaling the sum of them to 1 then
// gives each chance without the rounding of a huge log-factorial.
std::size_t SuccessDistribution::SpreadFreshDice() {
    const detail::SuccessCount count(fresh_, dieChance_);
    const int peak = std::clamp(static_cast<int>((fresh_ + 1) * dieChance_), 0, fresh_);
    // The chances fall away from the peak on both sides, so a walk outwards
    // can stop at the first one too small to keep.
    const double smallestRelative = kSmallestStored / std::exp(count.LogExactly(peak));
    detail::CountWindow window = detail::SpreadFromMode(
        peak, 0, fresh_, [&](std::int64_t j) { return count.RatioUp(static_cast<int>(j)); },
        [&](std::int64_t j) { return count.RatioDown(static_cast<int>(j)); }, smallestRelative);
    chances_ = std::move(window.Chances);
    firstStored_ += static_cast<int>(window.First);
    return static_cast<std::size_t>(peak - window.First);
}

void SuccessDistribution::FindLandmarks(std::size_t peak) {
    // Rounding can put the peak one count off the greatest chance, never more.
    // The neighbours are clamped as indices: an iterator may not even be formed
    // past the end, and the peak is often the last bar.
    const std::size_t first = peak > 0 ? peak - 1 : 0;
    const std::size_t last = std::min(peak + 2, chances_.size());
    const auto likeliest = std::max_element(chances_.begin() + static_cast<std::ptrdiff_t>(first),
                                            chances_.begin() + static_cast<std::ptrdiff_t>(last));
    mostLikely_ = firstStored_ + static_cast<int>(std::distance(chances_.begin(), likeliest));
    firstShown_ = firstStored_ + CountWithin(chances_.begin(), chances_.end(), kTailLeftOff);
    lastShown_ = firstStored_ + static_cast<int>(chances_.size()) - 1 -
                 CountWithin(chances_.rbegin(), chances_.rend(), kTailLeftOff);
}

double SuccessDistribution::Exactly(int successes) const {
    const int lastStored = firstStored_ + static_cast<int>(chances_.size()) - 1;
    if (successes < firstStored_ || successes > lastStored) return 0.0;
    return chances_[static_cast<std::size_t>(successes - firstStored_)];
}

double SuccessDistribution::AtLeast(int successes) const {
    if (successes <= kept_) return 1.0;
    if (successes > kept_ + fresh_) return 0.0;
    return AtLeastChance(fresh_, successes - kept_, dieChance_);
}

}  // namespace corvane
