#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "runtime/Pcg32Random.h"

namespace corvane {
namespace {

TEST(EvenSixthsFractionTest, EveryFaceHasExactlyTheSameNumberOfValues) {
    std::array<std::uint32_t, 6> perFace{};
    std::uint32_t dropped = 0;
    for (std::uint32_t k = 0; k < (1U << 24); ++k) {
        const auto fraction = EvenSixthsFraction(k);
        if (!fraction) {
            ++dropped;
            continue;
        }
        ASSERT_EQ(static_cast<double>(*fraction) * (1 << 24), static_cast<double>(k));
        ++perFace[static_cast<std::size_t>(static_cast<double>(*fraction) * 6.0)];
    }
    EXPECT_EQ(dropped, 4U);
    for (std::uint32_t count : perFace) EXPECT_EQ(count, 2796202U);
}

std::vector<float> Draw(Pcg32Random& random, int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) values.push_back(random.Next());
    return values;
}

TEST(Pcg32RandomTest, ASeedRepeatsItsSequenceWithinZeroToOne) {
    Pcg32Random first(42);
    Pcg32Random second(42);
    const auto values = Draw(first, 1000);
    EXPECT_EQ(values, Draw(second, 1000));
    for (float value : values) {
        EXPECT_GE(value, 0.0F);
        EXPECT_LT(value, 1.0F);
    }
}

TEST(Pcg32RandomTest, ReseedingWithTheSameTimeTwiceStillGivesNewValues) {
    Pcg32Random random(7);
    random.Reseed(3600.5F);
    const auto firstBatch = Draw(random, 20);
    random.Reseed(3600.5F);
    EXPECT_NE(firstBatch, Draw(random, 20));
}

}  // namespace
}  // namespace corvane
