#include <gtest/gtest.h>

#include "CaseName.h"
#include "RaisedError.h"
#include "engine/RollLog.h"

namespace corvane {
namespace {

// A log holding the rolls made at seconds first..last, the newest first.
RollLog LogOf(int first, int last) {
    RollLog log;
    for (int i = first; i <= last; ++i) {
        RollRecord record;
        record.SecondsSinceMidnight = static_cast<float>(i);
        log.Add(std::make_shared<const RollRecord>(record));
    }
    return log;
}

TEST(RollLogTest, KeepsTheNewestThousandNewestFirst) {
    RollLog log = LogOf(1, 1001);
    log.Add(nullptr);
    ASSERT_EQ(log.Size(), RollLog::kCapacity);
    EXPECT_TRUE(log.Full());
    EXPECT_EQ(log.At(0).SecondsSinceMidnight, 1001.0F);
    EXPECT_EQ(log.At(999).SecondsSinceMidnight, 2.0F);
    EXPECT_EQ(testing_support::RaisedError([&] { log.At(1000); }),
              ErrorNumber::SubscriptOutOfRange);
    log.DropOldest();
    EXPECT_EQ(log.At(998).SecondsSinceMidnight, 3.0F);
}

struct AbsorbCase {
    const char* name;
    int held;      // rolls already in the log
    int incoming;  // newer rolls waiting
    std::size_t dropped;
};

class Absorbing : public testing::TestWithParam<AbsorbCase> {};

// The log's bound holds however the rolls arrive: one at a time or gathered
// while a window was slow to show them.
TEST_P(Absorbing, DropsTheOldestPastTheBoundAndKeepsTheOrder) {
    const AbsorbCase& c = GetParam();
    RollLog log = LogOf(1, c.held);
    RollLog newer = LogOf(c.held + 1, c.held + c.incoming);
    EXPECT_EQ(log.DroppedByAdding(newer.Size()), c.dropped);
    const std::size_t expected = std::min<std::size_t>(c.held + newer.Size(), RollLog::kCapacity);
    log.Absorb(newer);
    EXPECT_EQ(newer.Size(), 0U);
    ASSERT_EQ(log.Size(), expected);
    if (expected == 0) return;
    // The seconds count the rolls, so the newest and the oldest kept tell the order.
    const int newest = c.held + c.incoming;
    EXPECT_EQ(log.At(0).SecondsSinceMidnight, static_cast<float>(newest));
    EXPECT_EQ(log.At(expected - 1).SecondsSinceMidnight,
              static_cast<float>(newest - static_cast<int>(expected) + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Absorbing,
    testing::Values(AbsorbCase{"EmptyIntoEmpty", 0, 0, 0}, AbsorbCase{"RoomForAll", 10, 990, 0},
                    AbsorbCase{"OneTooMany", 10, 991, 1}, AbsorbCase{"FullLogOneMore", 1000, 1, 1},
                    AbsorbCase{"MoreThanItHolds", 5, 1200, 5}, AbsorbCase{"NothingNew", 7, 0, 0}),
    testing_support::CaseName());

}  // namespace
}  // namespace corvane
