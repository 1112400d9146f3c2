#include "engine/RollLuck.h"

#include "engine/Odds.h"

namespace corvane {

RollLuck LuckOfRoll(const RollRecord& record) {
    RollLuck luck;
    luck.Dice = record.Thrown.Count.Value();
    luck.Successes = record.Thrown.Successes.Value();
    const double dieChance = DieChance(record.After.TargetNumber);
    luck.ExpectedSuccesses = ExpectedSuccesses(luck.Dice, dieChance);
    luck.AtLeastAsWell = AtLeastChance(luck.Dice, luck.Successes, dieChance);
    luck.AtMostAsWell = AtMostChance(luck.Dice, luck.Successes, dieChance);
    return luck;
}

}  // namespace corvane
