#pragma once

#include <cstdint>

#include "engine/FairnessCheck.h"
#include "engine/RollRecord.h"
#include "runtime/Pcg32Random.h"

namespace corvane {

// How lucky the evening has been: every roll since the program started, each
// counted on the dice it threw, as its own luck is.
struct EveningLuck {
    std::int64_t Rolls = 0;
    std::int64_t DiceThrown = 0;
    std::int64_t Successes = 0;
    double ExpectedSuccesses = 0.0;
    // For fair dice: the chance of an evening of as many rolls at least this
    // lucky, and at most this lucky (the evening's percentile); the two add
    // up to 1. Each roll counts alike, with its luck given the rolls before
    // it (see NormalScore), so the chances are exact whatever the player
    // chose to roll or reroll after what. As one roll's successes go up,
    // AtLeastThisLucky never rises and AtMostThisLucky never falls.
    double AtLeastThisLucky = 1.0;
    double AtMostThisLucky = 1.0;
};

// Keeps the evening's tallies, one roll at a time, and costs the same for
// every roll however long the evening.
class EveningTally {
public:
    // Each roll's tie-break is drawn as it is added, from a generator of this
    // seed stirred by the roll's time, so the dice cannot lean on it and the
    // evening reads the same each time it is shown.
    explicit EveningTally(std::uint64_t seed = 0x5EED);

    void Add(const RollRecord& record);

    EveningLuck Luck() const;
    // For CheckFairness.
    const FaceCounts& Faces() const { return faces_; }

private:
    Pcg32Random tieBreaks_;
    // The sum of the rolls' normal scores: for fair dice, normal with the
    // rolls as its variance.
    double scores_ = 0.0;
    std::int64_t rolls_ = 0;
    std::int64_t dice_ = 0;
    std::int64_t successes_ = 0;
    double expected_ = 0.0;
    FaceCounts faces_;
};

}  // namespace corvane
