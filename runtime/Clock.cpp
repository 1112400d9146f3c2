#include "runtime/Clock.h"

#include <chrono>
#include <ctime>

namespace corvane {
namespace {

// The one difference between the C libraries here: POSIX and Windows both
// offer a thread-safe localtime, under other names and argument orders.
std::tm LocalCalendarTime(std::time_t whole) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &whole);
#else
    localtime_r(&whole, &local);
#endif
    return local;
}

}  // namespace

float SystemClock::SecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t whole = system_clock::to_time_t(now);
    const std::tm local = LocalCalendarTime(whole);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    const long seconds = local.tm_hour * 3600L + local.tm_min * 60L + local.tm_sec;
    return static_cast<float>(seconds) + static_cast<float>(millis) / 1000.0F;
}

}  // namespace corvane
