#pragma once

#include <compare>
#include <cstdint>

#include "runtime/RuntimeError.h"

namespace corvane {

// A signed 16-bit integer whose arithmetic raises Overflow instead of wrapping.
// Every count, die and total in the program is one of these, so the limits a
// player meets (32767) are the same everywhere.
class Int16 {
public:
    constexpr Int16() noexcept = default;
    constexpr explicit Int16(std::int16_t value) noexcept : value_(value) {}

    // Narrows a wider integer, raising Overflow outside -32768..32767.
    static constexpr Int16 From(long long value) {
        if (value < INT16_MIN || value > INT16_MAX) RaiseOverflow();
        return Int16(static_cast<std::int16_t>(value));
    }

    constexpr std::int16_t Value() const noexcept { return value_; }

    friend constexpr Int16 operator+(Int16 a, Int16 b) {
        std::int16_t sum;
        if (__builtin_add_overflow(a.value_, b.value_, &sum)) RaiseOverflow();
        return Int16(sum);
    }
    friend constexpr Int16 operator-(Int16 a, Int16 b) {
        std::int16_t difference;
        if (__builtin_sub_overflow(a.value_, b.value_, &difference)) RaiseOverflow();
        return Int16(difference);
    }

    constexpr Int16& operator+=(Int16 other) { return *this = *this + other; }
    constexpr Int16& operator++() { return *this += Int16(1); }

    friend constexpr bool operator==(Int16, Int16) noexcept = default;
    friend constexpr auto operator<=>(Int16, Int16) noexcept = default;

private:
    std::int16_t value_ = 0;
};

}  // namespace corvane
