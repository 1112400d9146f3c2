#include <gtest/gtest.h>

#include <vector>

#include "engine/Odds.h"
#include "engine/SumOfBinomials.h"
#include "runtime/Pcg32Random.h"

namespace corvane {
namespace {

using Group = SumOfBinomials::Group;
using Method = SumOfBinomials::Method;

// Evenings of 1 to 4 targets from 2 to 13, 400 to 4400 dice at each: the
// approximation may be chosen for them once they are long. Where it may, it
// stays within 2e-5 of exact over the whole range.
TEST(SumOfBinomialsTest, SaddlepointStaysCloseToExact) {
    Pcg32Random random(77);
    for (int evening = 0; evening < 24; ++evening) {
        std::vector<Group> groups;
        std::int64_t dice = 0;
        for (int g = 0; g <= evening % 4; ++g) {
            const auto target = static_cast<std::int16_t>(2 + random.Next() * 12.0F);
            groups.push_back(
                {DieChance(Int16(target)), 400 + static_cast<int>(random.Next() * 4000)});
            dice += groups.back().Dice;
        }
        const SumOfBinomials sum(groups);
        for (std::int64_t total = 0; total <= dice; total += 1 + dice / 30) {
            const SumOfBinomials::Tails both[2] = {sum.At(total, Method::Exact),
                                                   sum.At(total, Method::Saddlepoint)};
            EXPECT_NEAR(both[1].AtLeast, both[0].AtLeast, 2e-5) << total;
            EXPECT_NEAR(both[1].AtMost, both[0].AtMost, 2e-5) << total;
        }
    }
    // Three groups of about 12,000 dice are where the exact sum gets too dear.
    const auto three = [](std::int64_t dice) {
        return SumOfBinomials({{0.5, dice}, {0.4, dice}, {0.6, dice}}).Chosen();
    };
    EXPECT_EQ(three(10000), Method::Exact);
    EXPECT_EQ(three(14000), Method::Saddlepoint);
}

}  // namespace
}  // namespace corvane
