#include "window/chances/CountAxis.h"

#include <algorithm>
#include <cstdlib>

namespace corvane {

CountAxis CountAxis::Whole(int last) { return CountAxis({{0, std::max(0, last)}}); }

CountAxis CountAxis::Around(std::vector<Stretch> stretches) {
    if (stretches.empty()) return Whole(0);
    std::sort(stretches.begin(), stretches.end(),
              [](const Stretch& a, const Stretch& b) { return a.first < b.first; });
    std::vector<Stretch> joined{stretches.front()};
    for (auto next = stretches.begin() + 1; next != stretches.end(); ++next) {
        Stretch& last = joined.back();
        const int gap = next->first - last.last - 1;
        if (gap <= std::max(last.Counts(), next->Counts())) {
            last.last = std::max(last.last, next->last);
        } else {
            joined.push_back(*next);
        }
    }
    return CountAxis(std::move(joined));
}

int CountAxis::Counts() const {
    int counts = 0;
    for (const Stretch& stretch : stretches_) counts += stretch.Counts();
    return counts;
}

int CountAxis::Nearest(int count) const {
    int nearest = First();
    for (const Stretch& stretch : stretches_) {
        const int inside = std::clamp(count, stretch.first, stretch.last);
        if (std::abs(inside - count) < std::abs(nearest - count)) nearest = inside;
    }
    return nearest;
}

int CountAxis::IndexOf(int count) const {
    const int nearest = Nearest(count);
    int index = 0;
    for (const Stretch& stretch : stretches_) {
        if (nearest <= stretch.last) return index + nearest - stretch.first;
        index += stretch.Counts();
    }
    return index - 1;
}

int CountAxis::CountAt(int index) const {
    int remaining = std::clamp(index, 0, Counts() - 1);
    for (const Stretch& stretch : stretches_) {
        if (remaining < stretch.Counts()) return stretch.first + remaining;
        remaining -= stretch.Counts();
    }
    return Last();
}

}  // namespace corvane
