#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "runtime/Int16.h"

namespace corvane {

// A pool of dice as a one-based array with bounds 0..N. Position 0 is never
// used and stays 0. Every access is checked, so a position outside the bounds
// raises "Subscript out of range" instead of touching other memory.
class ResultArray {
public:
    // A new array has no bounds yet: reading its bounds or any position raises.
    ResultArray() = default;

    // Discards the contents and makes the bounds 0..upper, every element 0.
    void Redim(Int16 upper);
    Int16 UpperBound() const {
        if (elements_.empty()) RaiseSubscriptOutOfRange();
        return Int16(static_cast<std::int16_t>(elements_.size() - 1));
    }

    Int16& operator[](Int16 position) { return elements_[Checked(position)]; }
    const Int16& operator[](Int16 position) const { return elements_[Checked(position)]; }

    // Positions 1..N, in order; empty when there are no bounds yet.
    std::span<const Int16> Dice() const noexcept;
    // Positions first..last, checked once as a whole, for loops that walk a
    // stretch of the pool many times.
    std::span<Int16> Positions(Int16 first, Int16 last);

    friend bool operator==(const ResultArray&, const ResultArray&) = default;

private:
    std::size_t Checked(Int16 position) const {
        // A negative position turns into 32768 or more, past any array's end,
        // so one comparison covers both ends.
        const auto index = static_cast<std::size_t>(static_cast<std::uint16_t>(position.Value()));
        if (index >= elements_.size()) RaiseSubscriptOutOfRange();
        return index;
    }

    std::vector<Int16> elements_;
};

}  // namespace corvane
