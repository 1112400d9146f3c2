#include "engine/ThrownDice.h"

#include <algorithm>
#include <cstdint>

#include "engine/RollerState.h"

namespace corvane {

ThrownDice CountThrown(std::span<const Int16> dice, Int16 target) {
    // This runs on every die of every roll, so the loop has no branch: plain
    // counters, each die counted by its remainder by 6 (0 is no die's), and
    // the checks made once at the end.
    std::int64_t successes = 0;
    std::int64_t sixes = 0;
    int lowest = 1;
    std::array<std::int64_t, 6> byRemainder{};
    for (const Int16 die : dice) {
        const int result = die.Value();
        lowest = std::min(lowest, result);
        const auto positive = static_cast<unsigned>(result) & 0x7FFFU;
        sixes += positive / 6;
        ++byRemainder[positive % 6];
        successes += IsSuccess(die, target) ? 1 : 0;
    }
    if (lowest < 1 || byRemainder[0] > 0) RaiseSubscriptOutOfRange();
    ThrownDice thrown;
    thrown.Count = Int16::From(static_cast<long long>(dice.size()));
    thrown.Successes = Int16::From(successes);
    thrown.Sixes = Int16::From(sixes);
    for (std::size_t face = 0; face < thrown.LastFaces.size(); ++face) {
        thrown.LastFaces[face] = Int16::From(byRemainder[face + 1]);
    }
    return thrown;
}

}  // namespace corvane
