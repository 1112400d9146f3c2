#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "CaseName.h"
#include "EngineFakes.h"
#include "RaisedError.h"
#include "engine/RollDice.h"
#include "runtime/Pcg32Random.h"

namespace corvane {
namespace {

using testing_support::Face;
using testing_support::FixedClock;
using testing_support::RaisedError;
using testing_support::ScriptedRandom;

struct ChainCase {
    const char* name;
    int dice;
    std::vector<float> draws;
    std::vector<std::int16_t> expected;
};

class RollDiceChains : public testing::TestWithParam<ChainCase> {};

TEST_P(RollDiceChains, AddsEveryFaceOfADieUntilANonSix) {
    const ChainCase& c = GetParam();
    ScriptedRandom random(c.draws);
    FixedClock clock;
    ResultArray results;
    RollDice(Int16::From(c.dice), results, random, clock);

    EXPECT_EQ(results.UpperBound().Value(), c.dice);
    EXPECT_EQ(results[Int16(0)], Int16()) << "position 0 stays unused";
    EXPECT_EQ(testing_support::DiceValues(results.Dice()), c.expected);
    EXPECT_EQ(random.reseeds, std::vector<float>{45296.25F}) << "one reseed per batch";
}

INSTANTIATE_TEST_SUITE_P(
    Draws, RollDiceChains,
    testing::Values(ChainCase{"SixThenTwo", 1, {0.999F, 0.2F}, {8}},
                    ChainCase{"ZeroIsOne", 1, {0.0F}, {1}},
                    ChainCase{"SixThenThree", 1, {Face(6), Face(3)}, {9}},
                    ChainCase{"ThreeSixesThenFour", 1, {Face(6), Face(6), Face(6), Face(4)}, {22}},
                    ChainCase{"NextDieStartsWithNextDraw", 2, {Face(6), Face(4), Face(1)}, {10, 1}},
                    // In float arithmetic r * 6 + 1 would round up to 2.0 here.
                    ChainCase{"JustBelowASixthIsOne", 1, {std::nextafter(1.0F / 6.0F, 0.0F)}, {1}},
                    ChainCase{"NoDice", 0, {0.5F}, {}}),
    testing_support::CaseName());

TEST(RollDiceTest, ADiePast32767Overflows) {
    ScriptedRandom random({0.999F});  // sixes for ever
    FixedClock clock;
    ResultArray results;
    EXPECT_EQ(RaisedError([&] { RollDice(Int16(1), results, random, clock); }),
              ErrorNumber::Overflow);
    EXPECT_EQ(random.draws, 5462) << "5461 sixes make 32766; the next six passes the limit";
}

TEST(RollDiceTest, APoolOf32767DiceOverflowsAfterTheLastDie) {
    ScriptedRandom random({0.0F});
    FixedClock clock;
    ResultArray results;
    EXPECT_EQ(RaisedError([&] { RollDice(Int16(32767), results, random, clock); }),
              ErrorNumber::Overflow);
    EXPECT_EQ(random.draws, 32767);
}

TEST(RollDiceTest, NoDieIsAMultipleOfSixAndTheFacesAreUniform) {
    Pcg32Random random(20261208);
    FixedClock clock;
    ResultArray results;
    constexpr int kDice = 30000;
    constexpr int kBatches = 20;
    // The first face decides the category: 1..5 as they are, a six as "7 or more".
    std::array<double, 6> observed{};
    for (int batch = 0; batch < kBatches; ++batch) {
        RollDice(Int16(kDice), results, random, clock);
        for (Int16 die : results.Dice()) {
            ASSERT_NE(die.Value() % 6, 0) << die.Value();
            observed[static_cast<std::size_t>(std::min(die.Value(), std::int16_t{6}) - 1)] += 1;
        }
    }
    const double expected = kDice * kBatches / 6.0;
    double chiSquare = 0;
    for (double count : observed) chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, 20.52) << "5 degrees of freedom, p = 0.001";
}

}  // namespace
}  // namespace corvane
