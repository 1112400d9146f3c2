#include <gtest/gtest.h>

#include "RaisedError.h"
#include "runtime/ResultArray.h"

namespace corvane {
namespace {

void ExpectSubscriptOutOfRange(const std::function<void()>& action) {
    EXPECT_EQ(testing_support::RaisedError(action), ErrorNumber::SubscriptOutOfRange);
}

TEST(ResultArrayTest, RedimZeroesEveryPositionAndSetsTheBounds) {
    ResultArray array;
    array.Redim(Int16(3));
    array[Int16(2)] = Int16(7);
    array.Redim(Int16(4));
    EXPECT_EQ(array.UpperBound(), Int16(4));
    for (std::int16_t i = 0; i <= 4; ++i) EXPECT_EQ(array[Int16(i)], Int16()) << i;
    EXPECT_EQ(array.Dice().size(), 4U);
}

TEST(ResultArrayTest, ChecksEveryPositionAgainstTheBounds) {
    ResultArray array;
    array.Redim(Int16(5));
    EXPECT_NO_THROW(array[Int16(0)]);
    EXPECT_NO_THROW(array[Int16(5)]);
    ExpectSubscriptOutOfRange([&] { array[Int16(6)]; });
    ExpectSubscriptOutOfRange([&] { array[Int16(-1)]; });
    ExpectSubscriptOutOfRange([&] { array[Int16(-32768)]; });
}

TEST(ResultArrayTest, AStretchOfPositionsIsCheckedAsAWhole) {
    ResultArray array;
    array.Redim(Int16(5));
    EXPECT_EQ(array.Positions(Int16(1), Int16(5)).size(), 5U);
    EXPECT_TRUE(array.Positions(Int16(1), Int16(0)).empty());
    ExpectSubscriptOutOfRange([&] { array.Positions(Int16(1), Int16(6)); });
    ExpectSubscriptOutOfRange([&] { array.Positions(Int16(-1), Int16(5)); });
}

TEST(ResultArrayTest, AnArrayWithoutBoundsRaisesOnEveryRead) {
    ResultArray array;
    EXPECT_TRUE(array.Dice().empty());
    ExpectSubscriptOutOfRange([&] { array.UpperBound(); });
    ExpectSubscriptOutOfRange([&] { array[Int16(0)]; });
    ExpectSubscriptOutOfRange([&] { array.Redim(Int16(-1)); });
}

}  // namespace
}  // namespace corvane
