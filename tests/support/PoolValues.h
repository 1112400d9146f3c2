#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <span>
#include <vector>

#include "runtime/Int16.h"

namespace corvane::testing_support {

// The dice as plain numbers, in their order.
inline std::vector<std::int16_t> DiceValues(std::span<const Int16> dice) {
    std::vector<std::int16_t> values;
    values.reserve(dice.size());
    for (Int16 die : dice) values.push_back(die.Value());
    return values;
}

// What a pool sorted largest first tallies to at a target, worked out here
// on its own, to check the roller's tally against.
struct PoolTally {
    int successes = 0;
    int failurePoint = 0;  // the first failure, counted from 1; 0 for none
    int total = 0;
    int high = 0;
    bool botch = false;
};

template <class Dice>
PoolTally TallyOf(const Dice& pool, int target) {
    PoolTally tally;
    tally.successes = static_cast<int>(
        std::count_if(pool.begin(), pool.end(), [&](int die) { return die >= target; }));
    tally.failurePoint = tally.successes == static_cast<int>(pool.size()) ? 0 : tally.successes + 1;
    tally.total = std::accumulate(pool.begin(), pool.end(), 0);
    tally.high = pool.empty() ? 0 : *pool.begin();
    tally.botch = !pool.empty() && tally.total == static_cast<int>(pool.size());
    return tally;
}

}  // namespace corvane::testing_support
