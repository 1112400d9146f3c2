#pragma once

#include <cstdint>
#include <span>

#include "runtime/RandomSource.h"
#include "table/Crypto.h"

namespace corvane::table {

// A round's seed: SHA-256 over a fixed label, the table, the round's number,
// the hash of its signed request and every participant's secret in member
// order. One honest secret makes it unknown to all until the last reveal.
Hash RoundSeed(const Hash& table, std::uint32_t round, std::span<const std::uint8_t> request,
               std::span<const Secret> secrets);

// The dice's randomness drawn from a seed: SHA-256 of the seed and a 64-bit
// block counter gives ten 24-bit draws a block (its first 30 bytes, three
// big-endian bytes each); the engine's rejection of uneven sixths makes each
// face exactly as likely as any other. Reseeding changes nothing: the seed
// alone decides the dice, so every member computes the same ones.
class SeedStream final : public RandomSource {
public:
    explicit SeedStream(const Hash& seed) : seed_(seed) {}

    void Reseed(float) override {}
    float Next() override;

private:
    void Refill();

    Hash seed_;
    std::uint64_t block_ = 0;
    Hash current_{};
    std::size_t used_ = kDrawsPerBlock;

    static constexpr std::size_t kDrawsPerBlock = 10;
};

}  // namespace corvane::table
