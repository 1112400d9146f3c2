#include "engine/ThrownDice.h"

#include <cstdint>

namespace corvane {

ThrownDice CountThrown(std::span<const Int16> dice, Int16 target) {
    // Plain counters in the loop, checked once at the end: this runs on every
    // die of every roll.
    std::int64_t successes = 0;
    std::int64_t sixes = 0;
    std::array<std::int64_t, 5> lastFaces{};
    for (const Int16 die : dice) {
        const int result = die.Value();
        if (result < 1 || result % 6 == 0) RaiseSubscriptOutOfRange();
        sixes += result / 6;
        ++lastFaces[static_cast<std::size_t>(result % 6 - 1)];
        if (die >= target) ++successes;
    }
    ThrownDice thrown;
    thrown.Count = Int16::From(static_cast<long long>(dice.size()));
    thrown.Successes = Int16::From(successes);
    thrown.Sixes = Int16::From(sixes);
    for (std::size_t face = 0; face < lastFaces.size(); ++face) {
        thrown.LastFaces[face] = Int16::From(lastFaces[face]);
    }
    return thrown;
}

}  // namespace corvane
