#include "window/chances/ChancesData.h"

#include <algorithm>

#include "engine/Odds.h"
#include "engine/Roller.h"

namespace corvane {

ChancesData::ChancesData(const RollerState& state, std::string_view targetText, Int16 markedRow)
    : dice_(state.DiceCount.Value()),
      rolled_(state.Successes.Value()),
      rolledTarget_(state.TargetNumber),
      typedTarget_(TryFieldNumber(targetText)) {
    if (typedTarget_) {
        series_.push_back({Kind::NewRoll, dice_,
                           SuccessDistribution::OfNewRoll(dice_, DieChance(*typedTarget_))});
    }
    series_.push_back({Kind::RerollFailures, RerollFailuresOdds(state).Rerolled,
                       SuccessDistribution::AfterRerollFailures(state)});
    const int markerRerolls = RerollFromMarkerOdds(state, markedRow).Rerolled;
    if (markerRerolls > 0) {
        series_.push_back({Kind::RerollFromMarker, markerRerolls,
                           SuccessDistribution::AfterRerollFromMarker(state, markedRow)});
    }
    ChooseAxis();
}

void ChancesData::ChooseAxis() {
    if (dice_ <= kWholeAxisUpTo) {
        firstCount_ = 0;
        lastCount_ = dice_;
        return;
    }
    firstCount_ = rolled_;
    lastCount_ = rolled_;
    for (const Series& series : series_) {
        firstCount_ = std::min(firstCount_, series.chances.FirstShown());
        lastCount_ = std::max(lastCount_, series.chances.LastShown());
    }
}

const ChancesData::Series* ChancesData::Find(Kind kind) const {
    const auto found = std::find_if(series_.begin(), series_.end(),
                                    [kind](const Series& series) { return series.kind == kind; });
    return found == series_.end() ? nullptr : &*found;
}

}  // namespace corvane
