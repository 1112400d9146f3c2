#pragma once

#include <cstdint>
#include <optional>

#include "runtime/RandomSource.h"

namespace corvane {

// PCG32 (O'Neill's permuted congruential generator, XSH-RR output).
//
// Reseeding mixes the seed into the running state instead of replacing it:
// the dice reseed from the time of day before every batch, and two batches in
// the same clock tick must still come out different.
class Pcg32Random final : public RandomSource {
public:
    // A fixed starting state, for repeatable runs.
    explicit Pcg32Random(std::uint64_t seed);
    // Seeded from the system's true random device.
    static Pcg32Random FromRandomDevice();

    void Reseed(float seed) override;
    float Next() override;

private:
    std::uint32_t NextBits();

    std::uint64_t state_ = 0;
};

// The value k / 2^24 for a 24-bit draw k, or nothing when k must be drawn again.
//
// 2^24 is not a multiple of 6, so four of the six sixths of [0, 1) would hold
// one value more than the other two. Dropping the lowest value of each of those
// four leaves exactly 2796202 values in every sixth: with a face of
// floor(6r) + 1, every face then has exactly the same chance.
std::optional<float> EvenSixthsFraction(std::uint32_t k);

}  // namespace corvane
