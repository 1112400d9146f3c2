#pragma once

#include <cstdint>
#include <vector>

namespace corvane {

// The successes of dice thrown in groups, the dice of a group sharing one
// chance of success: the sum of independent binomials that an evening of
// rolls makes, one group for each die chance the evening's targets gave.
//
// Exact while that is cheap: each group's chances are spread out from its
// likeliest count and cut where they fall below 1e-18 of it (all that is cut
// holds less than 1e-15), and the groups are convolved, the widest one last as
// a running sum. When that would take more than kExactWork multiplications
// (three groups of some 12,000 dice thrown each, at even chances, or a great
// many groups) and the successes vary enough for it to be close (a variance
// of at least kLeastApproximatedVariance), a saddlepoint approximation takes
// over: Lugannani and Rice's tail formula with Daniels' second continuity
// correction for counts. Measured against exact, it is within 2e-5 there.
class SumOfBinomials {
public:
    struct Group {
        double DieChance = 0.0;
        std::int64_t Dice = 0;
    };
    struct Tails {
        // The chance of at least, and of at most, the given successes.
        double AtLeast = 1.0;
        double AtMost = 1.0;
    };
    enum class Method { Exact, Saddlepoint };

    static constexpr double kExactWork = 1 << 20;
    static constexpr double kLeastApproximatedVariance = 100.0;

    // A group with no dice, or with a chance of 0 or less or not a number,
    // adds no successes; with a chance of 1 or more, every die of it succeeds.
    explicit SumOfBinomials(const std::vector<Group>& groups);

    Method Chosen() const {
        return exactWork_ <= kExactWork || variance_ < kLeastApproximatedVariance
                   ? Method::Exact
                   : Method::Saddlepoint;
    }
    // Both tails by the chosen method. Nothing possible is 0 and nothing
    // uncertain 1; a count below the least possible or above the most is
    // certain or impossible, exactly.
    Tails At(std::int64_t successes) const { return At(successes, Chosen()); }
    Tails At(std::int64_t successes, Method method) const;

private:
    Tails Exact(std::int64_t fresh) const;
    Tails Saddlepoint(std::int64_t fresh) const;

    // The groups that can go either way, and the dice that cannot fail.
    std::vector<Group> uncertain_;
    std::int64_t certain_ = 0;
    std::int64_t uncertainDice_ = 0;
    double exactWork_ = 0.0;
    double variance_ = 0.0;
};

}  // namespace corvane
