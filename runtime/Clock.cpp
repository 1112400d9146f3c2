#include "runtime/Clock.h"

#include <chrono>
#include <ctime>

namespace corvane {

float SystemClock::SecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t whole = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&whole, &local);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    const long seconds = local.tm_hour * 3600L + local.tm_min * 60L + local.tm_sec;
    return static_cast<float>(seconds) + static_cast<float>(millis) / 1000.0F;
}

}  // namespace corvane
