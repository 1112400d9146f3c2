#include "window/chances/ChancesData.h"

#include <algorithm>

#include "engine/Limits.h"
#include "engine/Odds.h"
#include "engine/PoolTotal.h"
#include "engine/Roller.h"

namespace corvane {
namespace {

// The dice a new roll of the text would roll, where such a pool can roll.
std::optional<Int16> RollableDice(std::string_view diceText) {
    const std::optional<Int16> dice = TryDiceCountOf(diceText);
    if (dice && RollableDiceCount(*dice)) return dice;
    return std::nullopt;
}

}  // namespace

ChancesData::ChancesData(const RollerState& state, std::string_view diceText,
                         std::string_view targetText, Int16 markedRow, std::optional<RollLuck> luck)
    : dice_(state.DiceCount.Value()),
      rolled_(state.Successes.Value()),
      rolledTarget_(state.TargetNumber),
      typedDice_(RollableDice(diceText)),
      typedTarget_(TryFieldNumber(targetText)),
      luck_(luck),
      axis_(CountAxis::Whole(0)) {
    if (typedDice_ && typedTarget_) {
        const int dice = typedDice_->Value();
        series_.push_back({RollType::NewRoll, dice, *typedTarget_, dice,
                           SuccessDistribution::OfNewRoll(dice, DieChance(*typedTarget_)),
                           WorthRolling(dice, 0)});
    }
    const auto pool = state.DiceResults.Dice();
    const int failures = RerollFailuresOdds(state).Rerolled;
    series_.push_back({RollType::RerollFailures, dice_, rolledTarget_, failures,
                       SuccessDistribution::AfterRerollFailures(state),
                       WorthRolling(failures, KeptTotal(pool, dice_ - failures + 1))});
    const int markerRerolls = RerollFromMarkerOdds(state, markedRow).Rerolled;
    if (markerRerolls > 0) {
        series_.push_back(
            {RollType::RerollFromMarker, dice_, rolledTarget_, markerRerolls,
             SuccessDistribution::AfterRerollFromMarker(state, markedRow),
             WorthRolling(markerRerolls, KeptTotal(pool, dice_ - markerRerolls + 1))});
    }
    axis_ = ChooseAxis();
}

int ChancesData::MostDice() const {
    int most = dice_;
    for (const Series& series : series_) most = std::max(most, series.dice);
    return most;
}

CountAxis ChancesData::ChooseAxis() const {
    if (MostDice() <= kWholeAxisUpTo) return CountAxis::Whole(MostDice());
    std::vector<CountAxis::Stretch> likely{{rolled_, rolled_}};
    for (const Series& series : series_) {
        likely.push_back({series.chances.FirstShown(), series.chances.LastShown()});
    }
    return CountAxis::Around(std::move(likely));
}

bool ChancesData::LeavesOff() const {
    return axis_.Breaks() || axis_.First() > 0 || axis_.Last() < MostDice();
}

const ChancesData::Series* ChancesData::Find(RollType kind) const {
    const auto found = std::find_if(series_.begin(), series_.end(),
                                    [kind](const Series& series) { return series.kind == kind; });
    return found == series_.end() ? nullptr : &*found;
}

}  // namespace corvane
