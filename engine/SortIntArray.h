#pragma once

#include "runtime/EventYield.h"
#include "runtime/ResultArray.h"

namespace corvane {

enum class SortOutcome { Sorted, Abandoned };

// Sorts positions 1..N largest first, in place (comb sort, shrink 1.3), and
// lets the window run its events once per pass. Abandoned when the window
// says it is closing; the array is then left part-sorted.
[[nodiscard]] SortOutcome SortIntArray(ResultArray& intArray, EventYield& yield);

}  // namespace corvane
