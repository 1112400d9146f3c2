#pragma once

#include <array>
#include <cstdint>

// Internal to the engine: the exact chances behind the fairness check.
namespace corvane::detail {

// The counts from Low to High, both included.
struct CountRange {
    std::int64_t Low = 0;
    std::int64_t High = 0;
};

enum class FacesMethod { Exact, Edgeworth };

// Fair dice end on each face from 1 to 5 alike: the chance that `dice` of them
// put on every face a count within that face's range.
//
// The counts are five Poisson counts given their sum (Levin's
// representation), so the chance is that of all five Poisson counts within
// their ranges and adding up to `dice`. Exact: the ranges convolved, some
// 4 m^2 dice multiplications for ranges m standard deviations wide. Past
// kExactFacesWork (2 standard deviations in about 65,000 dice), the chance of
// the sum is told by an Edgeworth series of the ranged counts instead, as
// Levin does: within 3e-4 of exact from 2,000 to 200,000 dice.
inline constexpr double kExactFacesWork = 1 << 20;
FacesMethod ChosenFacesMethod(std::int64_t dice, const std::array<CountRange, 5>& ranges);
double ChanceFacesWithin(std::int64_t dice, const std::array<CountRange, 5>& ranges,
                         FacesMethod method);

// The chance that the sixes thrown by `dice` fair dice number within `range`:
// each die's sixes are geometric with a chance of 1/6 of going on, so their
// sum is negative binomial. Exact, however many dice.
double ChanceSixesWithin(std::int64_t dice, CountRange range);

}  // namespace corvane::detail
