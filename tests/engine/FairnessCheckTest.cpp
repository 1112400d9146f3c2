#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CaseName.h"
#include "LuckSupport.h"
#include "engine/FaceChances.h"
#include "engine/FairnessCheck.h"

namespace corvane {
namespace {

// The statistic written out: the largest standardised deviation of the six
// counts from a fifth of the dice, the middle faces weighed down.
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

// The p-value by brute force: every way the dice can stop on the five faces
// (multinomial), with every number of sixes up to far past any that matters
// (negative binomial), term by term.
double BruteForcePValue(const std::array<int, 5>& observed, int observedSixes, int dice) {
    const double limit = Deviation(observed, observedSixes, dice) * (1.0 - 1e-9);
    double atLeast = 0.0;
    std::array<int, 5> faces{};
    const auto visit = [&](auto& self, std::size_t face, int left, double logWays) -> void {
        if (face == 4) {
            faces[4] = left;
            const double ways = logWays - std::lgamma(left + 1.0) + std::lgamma(dice + 1.0);
            for (int sixes = 0; sixes <= 60 + 6 * dice; ++sixes) {
                if (Deviation(faces, sixes, dice) < limit) continue;
                atLeast += std::exp(ways - dice * std::log(5.0) + std::lgamma(sixes + dice) -
                                    std::lgamma(sixes + 1.0) - std::lgamma(dice) +
                                    sixes * std::log(1.0 / 6) + dice * std::log(5.0 / 6));
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

struct FewDiceCase {
    const char* name;
    std::array<int, 5> faces;
    int sixes;
};

class FairnessOfFewDice : public testing::TestWithParam<FewDiceCase> {};

TEST_P(FairnessOfFewDice, MatchesEveryWayTheDiceCanFall) {
    const FewDiceCase& c = GetParam();
    FaceCounts counts;
    for (std::size_t face = 0; face < 5; ++face) {
        counts.LastFaces[face] = c.faces[face];
        counts.Dice += c.faces[face];
    }
    counts.Sixes = c.sixes;
    const FairnessCheck check = CheckFairness(counts);
    const double exact = BruteForcePValue(c.faces, c.sixes, static_cast<int>(counts.Dice));
    EXPECT_NEAR(check.PValue, exact, 1e-12);
    EXPECT_EQ(check.Finding == FairnessFinding::NothingUnusual,
              exact >= FairnessCheck::kUnusualBelow);
    EXPECT_EQ(check.Throws, counts.Dice + c.sixes);
}

INSTANTIATE_TEST_SUITE_P(Counts, FairnessOfFewDice,
                         testing::Values(FewDiceCase{"OneDieOnOne", {1, 0, 0, 0, 0}, 0},
                                         FewDiceCase{"OneDieOnFour", {0, 0, 0, 1, 0}, 3},
                                         FewDiceCase{"SevenOnes", {7, 0, 0, 0, 0}, 0},
                                         FewDiceCase{"TenEven", {2, 2, 2, 2, 2}, 2},
                                         FewDiceCase{"TenManySixes", {2, 1, 3, 2, 2}, 9},
                                         FewDiceCase{"TenNoThrees", {3, 3, 0, 2, 2}, 1}),
                         testing_support::CaseName());

// Fair dice: no more false alarms than the threshold allows (but for a
// sampling error passed one time in a thousand), and uniform p-values where
// the counts are fine enough for a p-value to take almost any value (a count
// of 2000 dice still moves it in steps of a few percent). Dice that show a 1
// on one throw in five: flagged, as more ones, in 95% of evenings of 2000.
TEST(FairnessCheckTest, FlagsWhatItShouldInSimulatedEvenings) {
    Pcg32Random fair(11);
    testing_support::OnesBiasedRandom biased(12);
    // The p-values of the evenings, and the share of them found to have more ones.
    const auto simulate = [](RandomSource& random, int evenings, int rolls, int pool) {
        std::vector<double> pValues;
        double moreOnes = 0.0;
        for (int evening = 0; evening < evenings; ++evening) {
            FaceCounts counts;
            for (int roll = 0; roll < rolls; ++roll) {
                counts.Add(testing_support::ThrowDice(pool, 4, random).Thrown);
            }
            const FairnessCheck check = CheckFairness(counts);
            pValues.push_back(check.PValue);
            if (check.Finding == FairnessFinding::MoreThanExpected && check.Face == 1) {
                moreOnes += 1.0 / evenings;
            }
        }
        return std::pair(pValues, moreOnes);
    };
    const double allowed = 0.05 + 3.1 * std::sqrt(0.05 * 0.95 / 1000);
    for (const auto& [rolls, pool] : {std::pair(10, 6), std::pair(200, 10)}) {
        const std::vector<double> pValues = simulate(fair, 1000, rolls, pool).first;
        const auto alarms = std::count_if(pValues.begin(), pValues.end(), [](double p) {
            return p < FairnessCheck::kUnusualBelow;
        });
        EXPECT_LE(static_cast<double>(alarms) / 1000.0, allowed) << rolls << " rolls of " << pool;
    }
    EXPECT_TRUE(testing_support::LooksUniform(simulate(fair, 400, 750, 20).first));
    EXPECT_GE(simulate(biased, 1000, 200, 10).second, 0.95);

    FaceCounts noSixes;
    noSixes.Dice = 2000;
    noSixes.LastFaces = {400, 400, 400, 400, 400};
    EXPECT_EQ(CheckFairness(noSixes).Finding, FairnessFinding::FewerThanExpected);
    EXPECT_EQ(CheckFairness(noSixes).Face, 6);
    EXPECT_EQ(CheckFairness(FaceCounts{}).Finding, FairnessFinding::NoDice);
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
