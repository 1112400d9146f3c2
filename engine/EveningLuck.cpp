#include "engine/EveningLuck.h"

#include <cmath>
#include <numbers>

#include "engine/Odds.h"
#include "engine/RollLuck.h"
#include "engine/SuccessCount.h"

namespace corvane {
namespace {

// Keeps a tie-break off exactly 0 and 1: the middle of each of the draw's
// 2^24 steps.
constexpr double kHalfStep = 0x1p-25;

}  // namespace

EveningTally::EveningTally(std::uint64_t seed) : tieBreaks_(seed) {}

void EveningTally::Add(const RollRecord& record) {
    const ThrownDice& thrown = record.Thrown;
    tieBreaks_.Reseed(record.SecondsSinceMidnight);
    scores_ += NormalScore(record, tieBreaks_.Next() + kHalfStep);
    faces_.Add(thrown);
    ++rolls_;
    dice_ += thrown.Count.Value();
    successes_ += thrown.Successes.Value();
    expected_ += ExpectedSuccesses(thrown.Count.Value(), DieChance(record.After.TargetNumber));
}

EveningLuck EveningTally::Luck() const {
    EveningLuck luck;
    luck.Rolls = rolls_;
    luck.DiceThrown = dice_;
    luck.Successes = successes_;
    luck.ExpectedSuccesses = expected_;
    if (rolls_ == 0) return luck;
    const double z = scores_ / std::sqrt(static_cast<double>(rolls_));
    luck.AtLeastThisLucky = detail::Uncertain(0.5 * std::erfc(z / std::numbers::sqrt2));
    luck.AtMostThisLucky = detail::Uncertain(0.5 * std::erfc(-z / std::numbers::sqrt2));
    return luck;
}

}  // namespace corvane
