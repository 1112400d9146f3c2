#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "EngineFakes.h"
#include "engine/RollDice.h"
#include "engine/RollRecord.h"
#include "runtime/Pcg32Random.h"

namespace corvane::testing_support {

// Dice that show a 1 on one throw in five and each other face on 4 in 25.
class OnesBiasedRandom final : public RandomSource {
public:
    explicit OnesBiasedRandom(std::uint64_t seed) : fair_(seed) {}
    void Reseed(float seed) override { fair_.Reseed(seed); }
    float Next() override {
        const float pick = fair_.Next();
        const float where = fair_.Next();
        return pick < 0.2F ? where / 6.0F : (1.0F + 5.0F * where) / 6.0F;
    }

private:
    Pcg32Random fair_;
};

// A roll at `target` that threw `dice` dice with `successes` among them.
inline RollRecord RecordOf(int dice, int successes, int target) {
    RollRecord record;
    record.After.TargetNumber = Int16::From(target);
    record.Thrown.Count = Int16::From(dice);
    record.Thrown.Successes = Int16::From(successes);
    return record;
}

// A new roll of `dice` dice at `target`, recorded as the roller records it.
inline RollRecord ThrowDice(int dice, int target, RandomSource& random) {
    FixedClock clock;
    RollRecord record = RecordOf(0, 0, target);
    RollDice(Int16::From(dice), record.After.DiceResults, random, clock);
    record.Thrown = CountThrown(record.After.DiceResults.Dice(), record.After.TargetNumber);
    return record;
}

// Whether a sample looks uniform on [0, 1]: its Kolmogorov-Smirnov distance
// is below what a uniform sample passes one time in a thousand.
inline bool LooksUniform(std::vector<double> sample) {
    std::sort(sample.begin(), sample.end());
    const auto n = static_cast<double>(sample.size());
    double distance = 0.0;
    for (std::size_t i = 0; i < sample.size(); ++i) {
        distance = std::max({distance, sample[i] - static_cast<double>(i) / n,
                             static_cast<double>(i + 1) / n - sample[i]});
    }
    return distance < 1.95 / std::sqrt(n);
}

}  // namespace corvane::testing_support
