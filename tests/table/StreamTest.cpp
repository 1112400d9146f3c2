// The dice of a seed, against a plain reading of the documented draw.
#include <gtest/gtest.h>
#include <sodium.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "table/RoundRoll.h"
#include "table/SeedStream.h"

namespace corvane::table {
namespace {

// SHA-256(seed || 64-bit big-endian block number); three bytes a draw, ten a
// block; a draw is dropped when it is the first value of a sixth of [0, 2^24)
// that holds one value more than the smallest sixths.
std::vector<int> PlainFaces(const Hash& seed, std::size_t count) {
    constexpr std::uint32_t kRange = 1U << 24;
    std::array<std::uint32_t, 6> sizes{}, starts{};
    for (std::uint32_t k = 0; k < kRange; k += 1) {
        const std::uint32_t face = static_cast<std::uint32_t>((std::uint64_t{k} * 6) >> 24);
        if (sizes[face]++ == 0) starts[face] = k;
    }
    const std::uint32_t smallest = *std::min_element(sizes.begin(), sizes.end());
    std::vector<int> faces;
    for (std::uint64_t block = 0; faces.size() < count; ++block) {
        std::array<std::uint8_t, 40> input{};
        std::copy(seed.begin(), seed.end(), input.begin());
        for (int i = 0; i < 8; ++i) input[39 - i] = static_cast<std::uint8_t>(block >> (8 * i));
        std::array<std::uint8_t, 32> out{};
        crypto_hash_sha256(out.data(), input.data(), input.size());
        for (int d = 0; d < 10 && faces.size() < count; ++d) {
            const std::uint32_t k = (out[3 * d] << 16U) | (out[3 * d + 1] << 8U) | out[3 * d + 2];
            const auto face = static_cast<std::uint32_t>((std::uint64_t{k} * 6) >> 24);
            if (sizes[face] > smallest && k == starts[face]) continue;
            faces.push_back(static_cast<int>(face) + 1);
        }
    }
    return faces;
}

Hash SeedNumber(std::uint32_t n) {
    return Sha256(Bytes{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8)});
}

TEST(SeedStreamTest, OneSeedsDiceAreThePlainDrawsOpenEnded) {
    const Hash seed = Sha256(Bytes{'d', 'i', 'c', 'e'});
    const std::vector<int> faces = PlainFaces(seed, 400);
    std::vector<int> expected;
    for (std::size_t i = 0; expected.size() < 300; ++i) {
        int die = faces[i];
        while (faces[i] == 6) die += faces[++i];
        expected.push_back(die);
    }
    std::sort(expected.begin(), expected.end(), std::greater<>());
    const RoundResult result = RollRound(RollKind::NewRoll, 300, 4, 0, nullptr, seed);
    std::vector<int> dice;
    for (Int16 die : result.state.DiceResults.Dice()) dice.push_back(die.Value());
    EXPECT_EQ(dice, expected);
}

// Over many seeds every face comes up about a sixth of the time: within five
// standard deviations of the binomial count.
TEST(SeedStreamTest, FacesAreEvenOverManySeeds) {
    constexpr int kSeeds = 2000;
    constexpr int kDraws = 300;
    std::array<int, 6> counts{};
    for (std::uint32_t n = 0; n < kSeeds; ++n) {
        SeedStream stream(SeedNumber(n));
        for (int d = 0; d < kDraws; ++d) {
            ++counts[static_cast<std::size_t>(stream.Next() * 6.0)];
        }
    }
    const double expected = kSeeds * kDraws / 6.0;
    const double spread = 5 * std::sqrt(expected * 5.0 / 6.0);
    for (int count : counts) EXPECT_NEAR(count, expected, spread);
}

}  // namespace
}  // namespace corvane::table
