#pragma once

#include <cstdint>
#include <map>

#include "engine/FairnessCheck.h"
#include "engine/RollRecord.h"

namespace corvane {

// How lucky the evening has been: every roll since the program started, each
// counted on the dice it threw, as its own luck is.
struct EveningLuck {
    std::int64_t Rolls = 0;
    std::int64_t DiceThrown = 0;
    std::int64_t Successes = 0;
    double ExpectedSuccesses = 0.0;
    // For fair dice and exactly these rolls (each one's thrown dice at its own
    // target): the chance of an evening with at least as many successes in
    // all, and with at most as many. As one roll's successes go up,
    // AtLeastThisLucky never rises and AtMostThisLucky, the evening's
    // percentile, never falls.
    double AtLeastThisLucky = 1.0;
    double AtMostThisLucky = 1.0;
    // False when the two came from the approximation (see SumOfBinomials).
    bool Exact = true;
};

// Keeps the evening's tallies, one roll at a time. The rolls with the same
// die chance make one binomial, so what an update costs grows with the number
// of different chances, not with the rolls.
class EveningTally {
public:
    void Add(const RollRecord& record);

    // Worked out afresh from the tallies on each call: after a roll, once.
    EveningLuck Luck() const;
    // For CheckFairness.
    const FaceCounts& Faces() const { return faces_; }

private:
    // The dice thrown at each die chance.
    std::map<double, std::int64_t> diceByChance_;
    std::int64_t rolls_ = 0;
    std::int64_t dice_ = 0;
    std::int64_t successes_ = 0;
    FaceCounts faces_;
};

}  // namespace corvane
