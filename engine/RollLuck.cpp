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
    // At most s successes is at least n - s failures: the lower tail summed as
    // an upper one, so that a small chance keeps its precision.
    luck.AtMostAsWell = AtLeastChance(luck.Dice, luck.Dice - luck.Successes, 1.0 - dieChance);
    return luck;
}

}  // namespace corvane
