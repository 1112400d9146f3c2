#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CaseName.h"
#include "LuckSupport.h"
#include "engine/FaceChances.h"
#include "engine/FairnessCheck.h"

namespace corvane {
namespace {

constexpr double kThreshold = FairnessCheck::kUnusualBelow;

// The test's statistic, written out: the largest standardised deviation of
// the six counts, the middle faces weighed down.
double Deviation(const std::array<int, 5>& faces, int sixes, int dice) {
    const double expected = dice / 5.0;
    double largest = std::abs(sixes - expected) / std::sqrt(0.24 * dice);
    for (std::size_t face = 0; face < 5; ++face) {
        const double weight = face == 0 ? 1.0 : FairnessCheck::kMiddleFaceWeight;
        largest =
            std::max(largest, weight * std::abs(faces[face] - expected) / std::sqrt(0.16 * dice));
    }
    return largest;
}

// The p-value by brute force: every way `dice` dice can stop on the five
// faces (multinomial) and every number of sixes up to far past any chance
// that counts (negative binomial, term by term).
double BruteForcePValue(const std::array<int, 5>& observed, int observedSixes, int dice) {
    const double limit = Deviation(observed, observedSixes, dice) * (1.0 - 1e-9);
    std::vector<double> sixes;
    for (int s = 0; s <= 60 + 6 * dice; ++s) {
        sixes.push_back(std::exp(std::lgamma(s + dice) - std::lgamma(s + 1.0) - std::lgamma(dice) +
                                 s * std::log(1.0 / 6) + dice * std::log(5.0 / 6)));
    }
    double atLeast = 0.0;
    std::array<int, 5> faces{};
    const auto visit = [&](auto& self, std::size_t face, int left, double logWays) -> void {
        if (face == 4) {
            faces[4] = left;
            const double chance = std::exp(logWays - std::lgamma(left + 1.0) +
                                           std::lgamma(dice + 1.0) - dice * std::log(5.0));
            for (std::size_t s = 0; s < sixes.size(); ++s) {
                if (Deviation(faces, static_cast<int>(s), dice) >= limit)
                    atLeast += chance * sixes[s];
            }
            return;
        }
        for (int count = 0; count <= left; ++count) {
            faces[face] = count;
            self(self, face + 1, left - count, logWays - std::lgamma(count + 1.0));
        }
    };
    visit(visit, 0, dice, 0.0);
    return atLeast;
}

struct SmallCase {
    const char* name;
    std::array<int, 5> faces;
    int sixes;
};

class FairnessOfFewDice : public testing::TestWithParam<SmallCase> {};

TEST_P(FairnessOfFewDice, MatchesEveryWayTheDiceCanFall) {
    const SmallCase& c = GetParam();
    FaceCounts counts;
    for (std::size_t face = 0; face < 5; ++face) {
        counts.LastFaces[face] = c.faces[face];
        counts.Dice += c.faces[face];
    }
    counts.Sixes = c.sixes;
    const FairnessCheck check = CheckFairness(counts);
    const double exact = BruteForcePValue(c.faces, c.sixes, static_cast<int>(counts.Dice));
    EXPECT_NEAR(check.PValue, exact, 1e-12);
    EXPECT_EQ(check.Finding == FairnessFinding::NothingUnusual, exact >= kThreshold);
    EXPECT_EQ(check.Throws, counts.Dice + c.sixes);
}

INSTANTIATE_TEST_SUITE_P(Counts, FairnessOfFewDice,
                         testing::Values(SmallCase{"OneDieOnOne", {1, 0, 0, 0, 0}, 0},
                                         SmallCase{"OneDieOnFour", {0, 0, 0, 1, 0}, 3},
                                         SmallCase{"ThreeDice", {1, 0, 1, 0, 1}, 1},
                                         SmallCase{"SevenOnes", {7, 0, 0, 0, 0}, 0},
                                         SmallCase{"TenEven", {2, 2, 2, 2, 2}, 2},
                                         SmallCase{"TenManySixes", {2, 1, 3, 2, 2}, 9},
                                         SmallCase{"TenNoThrees", {3, 3, 0, 2, 2}, 1}),
                         testing_support::CaseName());

struct SimulationCase {
    const char* name;
    int rolls;
    int pool;
    bool biased;
    int evenings;
};

class FairnessOfSimulatedEvenings : public testing::TestWithParam<SimulationCase> {};

// Fair dice: p-values uniform (where the counts are fine-grained enough for a
// p-value to take almost any value) and no more false alarms than the
// threshold allows. Dice showing a 1 on one throw in five: flagged, as more
// ones than expected, in at least 95% of evenings.
TEST_P(FairnessOfSimulatedEvenings, FlagWhatTheyShould) {
    const SimulationCase& c = GetParam();
    Pcg32Random fair(11);
    testing_support::OnesBiasedRandom biased(12);
    RandomSource& random = c.biased ? static_cast<RandomSource&>(biased) : fair;
    std::vector<double> pValues;
    int flagged = 0;
    int moreOnes = 0;
    for (int evening = 0; evening < c.evenings; ++evening) {
        FaceCounts counts;
        for (int roll = 0; roll < c.rolls; ++roll) {
            counts.Add(testing_support::ThrowDice(c.pool, 4, random).Thrown);
        }
        const FairnessCheck check = CheckFairness(counts);
        pValues.push_back(check.PValue);
        flagged += check.Finding != FairnessFinding::NothingUnusual;
        moreOnes += check.Finding == FairnessFinding::MoreThanExpected && check.Face == 1;
    }
    const double share = static_cast<double>(flagged) / c.evenings;
    if (c.biased) {
        EXPECT_GE(share, 0.95);
        EXPECT_GE(moreOnes, flagged * 9 / 10);
        return;
    }
    // At most the threshold, but for a sampling error that a fair check
    // exceeds one time in a thousand.
    EXPECT_LE(share, kThreshold + 3.1 * std::sqrt(kThreshold * (1 - kThreshold) / c.evenings));
    if (c.rolls * c.pool >= 2000) {
        EXPECT_LT(testing_support::UniformDistance(pValues),
                  testing_support::UniformDistanceLimit(pValues.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Evenings, FairnessOfSimulatedEvenings,
                         testing::Values(SimulationCase{"FairShort", 10, 6, false, 1000},
                                         SimulationCase{"Fair", 200, 10, false, 1000},
                                         SimulationCase{"OnesBiased", 200, 10, true, 1000}),
                         testing_support::CaseName());

TEST(FairnessCheckTest, SaysWhichCountStrayedAndWhichWay) {
    FaceCounts none;
    EXPECT_EQ(CheckFairness(none).Finding, FairnessFinding::NoDice);
    EXPECT_EQ(CheckFairness(none).PValue, 1.0);
    FaceCounts noSixes;
    noSixes.Dice = 2000;
    noSixes.LastFaces = {400, 400, 400, 400, 400};
    const FairnessCheck check = CheckFairness(noSixes);
    EXPECT_EQ(check.Finding, FairnessFinding::FewerThanExpected);
    EXPECT_EQ(check.Face, 6);
    EXPECT_EQ(check.ExpectedEach, 400.0);
}

// Past the exact convolution's budget, Levin's Edgeworth series for the faces.
TEST(FairnessCheckTest, EdgeworthStaysCloseToExact) {
    for (const std::int64_t dice : {2000, 20000, 60000}) {
        for (const double reach : {0.5, 1.5, 2.5, 4.0}) {
            const double expected = static_cast<double>(dice) / 5.0;
            const double spread = std::sqrt(0.16 * static_cast<double>(dice));
            std::array<detail::CountRange, 5> ranges;
            for (std::size_t face = 0; face < 5; ++face) {
                const double half = reach * spread / (face == 0 ? 1.0 : 0.8);
                ranges[face] = {static_cast<std::int64_t>(std::floor(expected - half)) + 1,
                                static_cast<std::int64_t>(std::ceil(expected + half)) - 1};
            }
            EXPECT_NEAR(detail::ChanceFacesWithin(dice, ranges, detail::FacesMethod::Edgeworth),
                        detail::ChanceFacesWithin(dice, ranges, detail::FacesMethod::Exact), 3e-4)
                << dice << " dice, " << reach;
        }
    }
}

}  // namespace
}  // namespace corvane
