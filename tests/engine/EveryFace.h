#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

// Every face a pool of up to four dice can show, counted exactly: the
// reference the engine's chances are checked against.
namespace corvane::testing_support {

// One die's results, found by following its faces for up to five throws.
// Each leaf counts the five-throw sequences that lead to it, all equally
// likely, so the counts stay exact. Chains of five sixes end in one leaf at
// the least they can show (31), so every target up to 31 is told exactly.
struct Leaf {
    int value;
    std::uint64_t ways;
};

inline void FollowFaces(int sixes, std::vector<Leaf>& leaves) {
    const auto ways = static_cast<std::uint64_t>(std::pow(6, 4 - sixes));
    for (int face = 1; face <= 5; ++face) leaves.push_back({6 * sixes + face, ways});
    if (sixes == 4) {
        leaves.push_back({6 * sixes + 7, ways});
    } else {
        FollowFaces(sixes + 1, leaves);
    }
}

// Every combination of `dice` dice: the ways to each count of successes, and to a botch.
struct Tally {
    std::vector<std::uint64_t> successes;
    std::uint64_t botch = 0;
    double all = 1.0;
};

inline void Combine(const std::vector<Leaf>& leaves, int dice, int target, int successes, bool ones,
                    std::uint64_t ways, Tally& tally) {
    if (dice == 0) {
        tally.successes[static_cast<std::size_t>(successes)] += ways;
        if (ones) tally.botch += ways;
        return;
    }
    for (const Leaf& leaf : leaves) {
        Combine(leaves, dice - 1, target, successes + (leaf.value >= target ? 1 : 0),
                ones && leaf.value == 1, ways * leaf.ways, tally);
    }
}

inline double ChanceOf(const Tally& tally, int successes) {
    if (successes < 0 || successes >= static_cast<int>(tally.successes.size())) return 0.0;
    return static_cast<double>(tally.successes[static_cast<std::size_t>(successes)]) / tally.all;
}

inline Tally Enumerate(int dice, int target) {
    std::vector<Leaf> leaves;
    FollowFaces(0, leaves);
    Tally tally{std::vector<std::uint64_t>(static_cast<std::size_t>(dice) + 1), 0,
                std::pow(6.0, 5 * dice)};
    Combine(leaves, dice, target, 0, true, 1, tally);
    return tally;
}

}  // namespace corvane::testing_support
