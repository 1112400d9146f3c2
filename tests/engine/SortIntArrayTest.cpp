#include <gtest/gtest.h>

#include "CaseName.h"
#include "EngineFakes.h"
#include "engine/SortIntArray.h"

namespace corvane {
namespace {

using testing_support::ScriptedYield;

ResultArray MakeArray(const std::vector<std::int16_t>& dice) {
    ResultArray array;
    array.Redim(Int16::From(static_cast<long long>(dice.size())));
    for (std::size_t i = 0; i < dice.size(); ++i) {
        array[Int16::From(static_cast<long long>(i + 1))] = Int16(dice[i]);
    }
    return array;
}

std::vector<std::int16_t> Values(const ResultArray& array) {
    return testing_support::DiceValues(array.Dice());
}

struct SortCase {
    const char* name;
    std::vector<std::int16_t> input;
    std::vector<std::int16_t> expected;
    int yields;
};

class SortIntArrayCases : public testing::TestWithParam<SortCase> {};

TEST_P(SortIntArrayCases, OrdersLargestFirstWithOneYieldPerPass) {
    const SortCase& c = GetParam();
    ResultArray array = MakeArray(c.input);
    ScriptedYield yield;
    ASSERT_EQ(SortIntArray(array, yield), SortOutcome::Sorted);
    EXPECT_EQ(Values(array), c.expected);
    EXPECT_EQ(array[Int16(0)], Int16()) << "position 0 is never touched";
    EXPECT_EQ(yield.yields, c.yields);
}

INSTANTIATE_TEST_SUITE_P(
    Pools, SortIntArrayCases,
    testing::Values(SortCase{"Empty", {}, {}, 1}, SortCase{"OneDie", {5}, {5}, 1},
                    SortCase{"Ascending", {1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}, 4},
                    SortCase{"Duplicates", {4, 9, 4, 9}, {9, 9, 4, 4}, 3},
                    // Gaps 7, 5, 3, 2, 1: the first pass with gap 1 finds nothing to do.
                    SortCase{"TenAlreadySorted",
                             {10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
                             {10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
                             5},
                    SortCase{"Negatives", {-3, 7, -32768, 32767}, {32767, 7, -3, -32768}, 4}),
    testing_support::CaseName());

TEST(SortIntArrayTest, TheFirstPassAlreadyUsesTheShrunkenGap) {
    ResultArray array = MakeArray({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    std::vector<std::vector<std::int16_t>> afterEachPass;
    ScriptedYield yield;
    yield.duringYield = [&] {
        afterEachPass.push_back(Values(array));
        return YieldOutcome::Continue;
    };
    ASSERT_EQ(SortIntArray(array, yield), SortOutcome::Sorted);
    // Gap 7 compares positions 1-8, 2-9 and 3-10 and swaps all three.
    EXPECT_EQ(afterEachPass.front(), (std::vector<std::int16_t>{8, 9, 10, 4, 5, 6, 7, 1, 2, 3}));
}

TEST(SortIntArrayTest, StopsAtOnceWhenTheWindowCloses) {
    ResultArray array = MakeArray({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    ScriptedYield yield;
    yield.duringYield = [] { return YieldOutcome::WindowClosing; };
    EXPECT_EQ(SortIntArray(array, yield), SortOutcome::Abandoned);
    EXPECT_EQ(yield.yields, 1);
}

}  // namespace
}  // namespace corvane
