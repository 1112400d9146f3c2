#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "LuckSupport.h"
#include "engine/FaceChances.h"
#include "engine/FairnessCheck.h"

namespace corvane {
namespace {

// The statistic written out: the largest standardised deviation of the six
// counts from a fifth of the dice, the middle faces weighed down.
double Deviation(const std::array<int, 5>& faces, int sixes, int dice) {
    double largest = std::abs(sixes - dice / 5.0) / std::sqrt(0.24 * dice);
    for (std::size_t face = 0; face < 5; ++face) {
        const double weight = face == 0 ? 1.0 : FairnessCheck::kMiddleFaceWeight;
        largest =
            std::max(largest, weight * std::abs(faces[face] - dice / 5.0) / std::sqrt(0.16 * dice));
    }
    return largest;
}

// The p-value by brute force: every sequence of faces the dice can stop on,
// each with every number of sixes up to far past any that matters (negative
// binomial, term by term).
double BruteForcePValue(const std::array<int, 5>& observed, int observedSixes, int dice) {
    const double limit = Deviation(observed, observedSixes, dice) * (1.0 - 1e-9);
    const int sequences = static_cast<int>(std::pow(5, dice));
    double atLeast = 0.0;
    for (int sequence = 0; sequence < sequences; ++sequence) {
        std::array<int, 5> faces{};
        for (int die = 0, rest = sequence; die < dice; ++die, rest /= 5) ++faces[rest % 5];
        for (int sixes = 0; sixes <= 40 + 3 * dice; ++sixes) {
            if (Deviation(faces, sixes, dice) < limit) continue;
            atLeast +=
                std::exp(std::lgamma(sixes + dice) - std::lgamma(sixes + 1.0) - std::lgamma(dice) +
                         sixes * std::log(1.0 / 6) + dice * std::log(5.0 / 6)) /
                sequences;
        }
    }
    return atLeast;
}

// Few dice, their p-values against brute force: one die on 1 or on 4 with
// three sixes, five ones, five even faces, six dice with many sixes or no 3.
TEST(FairnessCheckTest, MatchesEveryWayFewDiceCanFall) {
    const std::pair<std::array<int, 5>, int> cases[] = {{{1, 0, 0, 0, 0}, 0}, {{0, 0, 0, 1, 0}, 3},
                                                        {{5, 0, 0, 0, 0}, 0}, {{1, 1, 1, 1, 1}, 1},
                                                        {{2, 1, 0, 2, 1}, 7}, {{2, 2, 0, 1, 1}, 1}};
    for (const auto& [faces, sixes] : cases) {
        FaceCounts counts;
        for (std::size_t face = 0; face < 5; ++face) counts.LastFaces[face] = faces[face];
        counts.Dice = faces[0] + faces[1] + faces[2] + faces[3] + faces[4];
        counts.Sixes = sixes;
        const FairnessCheck check = CheckFairness(counts);
        const double exact = BruteForcePValue(faces, sixes, static_cast<int>(counts.Dice));
        EXPECT_NEAR(check.PValue, exact, 1e-11) << counts.Dice << " dice, " << sixes << " sixes";
        EXPECT_EQ(check.Finding == FairnessFinding::NothingUnusual, exact >= 0.05);
        EXPECT_EQ(check.Throws, counts.Dice + sixes);
    }
}

// Fair dice: no more false alarms than the threshold allows (but for a
// sampling error passed one time in a thousand), and uniform p-values where
// the counts are fine enough for a p-value to take almost any value (a count
// of 2000 dice still moves it in steps of a few percent; 10,000 do not). Dice that show a 1
// on one throw in five: flagged, as more ones, in 95% of evenings of 2000.
TEST(FairnessCheckTest, FlagsWhatItShouldInSimulatedEvenings) {
    Pcg32Random fair(11);
    testing_support::OnesBiasedRandom biased(12);
    // The evenings' p-values, and the shares of them found unusual and found
    // to have more ones.
    const auto simulate = [](RandomSource& random, int evenings, int rolls, int pool) {
        std::vector<double> pValues;
        double unusual = 0.0;
        double moreOnes = 0.0;
        for (int evening = 0; evening < evenings; ++evening) {
            FaceCounts counts;
            for (int roll = 0; roll < rolls; ++roll) {
                counts.Add(testing_support::ThrowDice(pool, 4, random).Thrown);
            }
            const FairnessCheck check = CheckFairness(counts);
            pValues.push_back(check.PValue);
            unusual += check.Finding != FairnessFinding::NothingUnusual;
            moreOnes += check.Finding == FairnessFinding::MoreThanExpected && check.Face == 1;
        }
        return std::tuple(pValues, unusual / evenings, moreOnes / evenings);
    };
    const auto allowed = [](int evenings) {
        return 0.05 + 3.1 * std::sqrt(0.05 * 0.95 / evenings);
    };
    EXPECT_LE(std::get<1>(simulate(fair, 1000, 10, 6)), allowed(1000));
    EXPECT_LE(std::get<1>(simulate(fair, 500, 200, 10)), allowed(500));
    EXPECT_TRUE(testing_support::LooksUniform(std::get<0>(simulate(fair, 200, 500, 20))));
    EXPECT_GE(std::get<2>(simulate(biased, 600, 200, 10)), 0.95);
    FaceCounts noSixes;
    noSixes.Dice = 2000;
    noSixes.LastFaces = {400, 400, 400, 400, 400};
    EXPECT_EQ(CheckFairness(noSixes).Finding, FairnessFinding::FewerThanExpected);
    EXPECT_EQ(CheckFairness(noSixes).Face, 6);
    EXPECT_EQ(CheckFairness(FaceCounts{}).Finding, FairnessFinding::NoDice);
}

// Past the exact convolution's budget, Levin's Edgeworth series tells the
// faces' part: within 3e-4 of exact, ranges of 0.5 to 4 deviations.
TEST(FairnessCheckTest, EdgeworthStaysCloseToExact) {
    for (const std::int64_t dice : {2000, 20000, 60000}) {
        const auto expected = static_cast<double>(dice) / 5.0;
        for (const double reach : {0.5, 1.5, 2.5, 4.0}) {
            std::array<detail::CountRange, 5> ranges;
            for (std::size_t face = 0; face < 5; ++face) {
                const double half = reach * std::sqrt(0.16 * expected * 5) / (face ? 0.8 : 1.0);
                ranges[face] = {static_cast<std::int64_t>(expected - half) + 1,
                                static_cast<std::int64_t>(expected + half)};
            }
            EXPECT_NEAR(detail::ChanceFacesWithin(dice, ranges, detail::FacesMethod::Edgeworth),
                        detail::ChanceFacesWithin(dice, ranges, detail::FacesMethod::Exact), 3e-4)
                << dice << " dice, " << reach;
        }
    }
}

}  // namespace
}  // namespace corvane
