#include "runtime/Pcg32Random.h"

#include <array>
#include <bit>
#include <random>

namespace corvane {
namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;  // any odd constant
constexpr std::uint32_t kFractionBits = 24;
constexpr std::uint32_t kFractionCount = 1U << kFractionBits;

// SplitMix64's finaliser: spreads every bit of a seed over the whole state.
std::uint64_t Mix(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// The first k of each sixth of [0, 2^24): ceil(m * 2^24 / 6).
constexpr std::uint32_t SixthStart(std::uint32_t m) { return (m * kFractionCount + 5) / 6; }

constexpr std::array<std::uint32_t, 6> SurplusValues() {
    std::array<std::uint32_t, 6> surplus{};
    constexpr std::uint32_t smallest = kFractionCount / 6;
    for (std::uint32_t m = 0; m < 6; ++m) {
        const std::uint32_t start = SixthStart(m);
        // A sixth without surplus gets a value no draw can equal.
        surplus[m] = SixthStart(m + 1) - start > smallest ? start : kFractionCount;
    }
    return surplus;
}

constexpr std::array<std::uint32_t, 6> kSurplus = SurplusValues();

}  // namespace

Pcg32Random::Pcg32Random(std::uint64_t seed) {
    NextBits();
    state_ += seed;
    NextBits();
}

Pcg32Random Pcg32Random::FromRandomDevice() {
    std::random_device device;
    const std::uint64_t seed = (std::uint64_t{device()} << 32) | device();
    return Pcg32Random(seed);
}

std::uint32_t Pcg32Random::NextBits() {
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<int>(old >> 59U);
    return std::rotr(xorShifted, rotation);
}

void Pcg32Random::Reseed(float seed) {
    state_ ^= Mix(std::bit_cast<std::uint32_t>(seed));
    NextBits();
}

float Pcg32Random::Next() {
    for (;;) {
        if (auto fraction = EvenSixthsFraction(NextBits() >> (32 - kFractionBits)))
            return *fraction;
    }
}

std::optional<float> EvenSixthsFraction(std::uint32_t k) {
    for (std::uint32_t surplus : kSurplus) {
        if (k == surplus) return std::nullopt;
    }
    return static_cast<float>(k) / static_cast<float>(kFractionCount);
}

}  // namespace corvane
