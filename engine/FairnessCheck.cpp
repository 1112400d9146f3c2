#include "engine/FairnessCheck.h"

#include <algorithm>
#include <cmath>

#include "engine/FaceChances.h"

namespace corvane {
namespace {

using detail::CountRange;

// A fair die stops on a given face with chance 1/5, and throws a mean of 1/5
// sixes with a variance of 6/25.
constexpr double kFaceVariance = 0.16;
constexpr double kSixesVariance = 0.24;
// Keeps the evening's own counts outside the open ranges that rounding would
// otherwise put them in: "at least as large" includes a tie.
constexpr double kTieMargin = 1e-9;

// The counts strictly within `reach` of `expected`.
CountRange Within(double expected, double reach) {
    return CountRange{static_cast<std::int64_t>(std::floor(expected - reach)) + 1,
                      static_cast<std::int64_t>(std::ceil(expected + reach)) - 1};
}

}  // namespace

void FaceCounts::Add(const ThrownDice& thrown) {
    Dice += thrown.Count.Value();
    for (std::size_t face = 0; face < LastFaces.size(); ++face) {
        LastFaces[face] += thrown.LastFaces[face].Value();
    }
    Sixes += thrown.Sixes.Value();
}

FairnessCheck CheckFairness(const FaceCounts& faces) {
    FairnessCheck check;
    check.Throws = faces.Dice + faces.Sixes;
    if (faces.Dice <= 0) return check;
    const auto dice = static_cast<double>(faces.Dice);
    check.ExpectedEach = dice / 5.0;
    const double faceSpread = std::sqrt(kFaceVariance * dice);
    const double sixesSpread = std::sqrt(kSixesVariance * dice);

    std::array<double, 6> spreads{};  // each count's spread over its weight
    std::array<double, 6> counts{};
    for (std::size_t face = 0; face < 5; ++face) {
        spreads[face] = faceSpread / (face == 0 ? 1.0 : FairnessCheck::kMiddleFaceWeight);
        counts[face] = static_cast<double>(faces.LastFaces[face]);
    }
    spreads[5] = sixesSpread;
    counts[5] = static_cast<double>(faces.Sixes);
    std::size_t furthest = 0;
    double deviation = 0.0;
    for (std::size_t face = 0; face < 6; ++face) {
        const double weighed = std::abs(counts[face] - check.ExpectedEach) / spreads[face];
        if (weighed > deviation) {
            deviation = weighed;
            furthest = face;
        }
    }

    const double reach = deviation * (1.0 - kTieMargin);
    std::array<CountRange, 5> ranges{};
    for (std::size_t face = 0; face < 5; ++face) {
        ranges[face] = Within(check.ExpectedEach, reach * spreads[face]);
    }
    const double allWithin =
        detail::ChanceFacesWithin(faces.Dice, ranges,
                                  detail::ChosenFacesMethod(faces.Dice, ranges)) *
        detail::ChanceSixesWithin(faces.Dice, Within(check.ExpectedEach, reach * spreads[5]));
    check.PValue = std::clamp(1.0 - allWithin, 0.0, 1.0);
    check.Face = static_cast<int>(furthest) + 1;
    if (check.PValue >= FairnessCheck::kUnusualBelow) {
        check.Finding = FairnessFinding::NothingUnusual;
    } else {
        check.Finding = counts[furthest] > check.ExpectedEach ? FairnessFinding::MoreThanExpected
                                                              : FairnessFinding::FewerThanExpected;
    }
    return check;
}

}  // namespace corvane
