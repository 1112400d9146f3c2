#include "engine/EveningLuck.h"

#include <vector>

#include "engine/Odds.h"
#include "engine/SumOfBinomials.h"

namespace corvane {

void EveningTally::Add(const RollRecord& record) {
    const ThrownDice& thrown = record.Thrown;
    diceByChance_[DieChance(record.After.TargetNumber)] += thrown.Count.Value();
    faces_.Add(thrown);
    ++rolls_;
    dice_ += thrown.Count.Value();
    successes_ += thrown.Successes.Value();
}

EveningLuck EveningTally::Luck() const {
    EveningLuck luck;
    luck.Rolls = rolls_;
    luck.DiceThrown = dice_;
    luck.Successes = successes_;
    std::vector<SumOfBinomials::Group> groups;
    for (const auto& [chance, dice] : diceByChance_) {
        groups.push_back({chance, dice});
        luck.ExpectedSuccesses += static_cast<double>(dice) * chance;
    }
    const SumOfBinomials sum(groups);
    const SumOfBinomials::Method method = sum.Chosen();
    const SumOfBinomials::Tails tails = sum.At(successes_, method);
    luck.AtLeastThisLucky = tails.AtLeast;
    luck.AtMostThisLucky = tails.AtMost;
    luck.Exact = method == SumOfBinomials::Method::Exact;
    return luck;
}

}  // namespace corvane
