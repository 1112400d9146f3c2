#include "engine/SortIntArray.h"

#include <span>
#include <utility>

#include "runtime/NumberText.h"

namespace corvane {

SortOutcome SortIntArray(ResultArray& intArray, EventYield& yield) {
    const Int16 top = intArray.UpperBound();
    constexpr Int16 kOne{1};
    // Every pass reads only positions 1..top, so they are checked once here
    // rather than on each of the many thousand comparisons.
    const std::span<Int16> dice = intArray.Positions(kOne, top);
    Int16 gap = top;
    bool swapped = false;
    do {
        gap = FloorToInt16(gap.Value() / 1.3);
        if (gap < kOne) gap = kOne;
        swapped = false;
        const auto stride = static_cast<std::size_t>(gap.Value());
        for (std::size_t i = 0; i + stride < dice.size(); ++i) {
            Int16& near = dice[i];
            Int16& far = dice[i + stride];
            if (near < far) {
                std::swap(near, far);
                swapped = true;
            }
        }
        if (yield.YieldToEvents() == YieldOutcome::WindowClosing) return SortOutcome::Abandoned;
    } while (swapped || gap != kOne);
    return SortOutcome::Sorted;
}

}  // namespace corvane
