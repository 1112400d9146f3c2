#include <gtest/gtest.h>

#include <ctime>

#include "runtime/Clock.h"

namespace corvane {
namespace {

// The local hour by the C library's own localtime, the reference.
int LocalHourNow() {
    const std::time_t now = std::time(nullptr);
    return std::localtime(&now)->tm_hour;
}

TEST(SystemClockTest, GivesTheLocalTimeOfDay) {
    const int hourBefore = LocalHourNow();
    const float seconds = SystemClock().SecondsSinceMidnight();
    const int hourAfter = LocalHourNow();
    ASSERT_GE(seconds, 0.0F);
    ASSERT_LT(seconds, 86400.0F);
    const int hour = static_cast<int>(seconds) / 3600;
    EXPECT_TRUE(hour == hourBefore || hour == hourAfter) << seconds << " s after midnight";
}

}  // namespace
}  // namespace corvane
