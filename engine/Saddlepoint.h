#pragma once

#include <vector>

#include "engine/SumOfBinomials.h"

// Internal to the engine: the approximation the evening's luck turns to when
// an exact sum would cost too much.
namespace corvane::detail {

struct SplitChances {
    double Above = 0.0;
    double Below = 0.0;
};

// For the sum of the groups' successes (every chance strictly between 0 and 1)
// and a point x halfway between two counts: the chance of the counts above x
// and of those below it, which add up to 1. This is Lugannani and Rice's
// formula at Daniels' second continuity correction, so a count's tail is
// told at the half-count next to it. Outside 0..all the dice, one side is
// certain.
SplitChances LugannaniRice(const std::vector<SumOfBinomials::Group>& groups, double x);

}  // namespace corvane::detail
