#pragma once

#include <vector>

namespace corvane {

// The counts of successes along the chances chart's axis: one stretch of
// them, or, where the series lie far apart, a stretch for each with a break
// between, so that no series is squeezed into a needle by the empty counts
// between them. Counts on the axis are also numbered from 0, left to right,
// the breaks left out: the columns the keyboard and screen readers step along.
class CountAxis {
public:
    struct Stretch {
        int first;
        int last;
        int Counts() const { return last - first + 1; }
    };

    // Every count from 0 to `last`.
    static CountAxis Whole(int last);
    // The counts of the given stretches, joined where they overlap or lie
    // close, and kept apart where the gap between two would be wider than
    // either of them.
    static CountAxis Around(std::vector<Stretch> stretches);

    const std::vector<Stretch>& Stretches() const { return stretches_; }
    int First() const { return stretches_.front().first; }
    int Last() const { return stretches_.back().last; }
    // How many counts the axis shows.
    int Counts() const;
    bool Breaks() const { return stretches_.size() > 1; }

    // The count on the axis nearest to `count`.
    int Nearest(int count) const;
    // The number of the nearest count on the axis.
    int IndexOf(int count) const;
    // The count of a number, which is kept within the axis.
    int CountAt(int index) const;

private:
    explicit CountAxis(std::vector<Stretch> stretches) : stretches_(std::move(stretches)) {}

    std::vector<Stretch> stretches_;
};

}  // namespace corvane
