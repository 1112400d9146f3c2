#pragma once

namespace corvane {

// The time of day, which the dice mix into their generator before each batch.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float SecondsSinceMidnight() = 0;
};

// Local time of day, to the millisecond.
class SystemClock final : public Clock {
public:
    float SecondsSinceMidnight() override;
};

}  // namespace corvane
