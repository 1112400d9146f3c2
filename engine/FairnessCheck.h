#pragma once

#include <array>
#include <cstdint>

#include "engine/ThrownDice.h"

namespace corvane {

// The faces of every die thrown in an evening, as the fairness check reads
// them: a die's result gives its faces exactly, its sixes and the face it
// stopped on.
struct FaceCounts {
    std::int64_t Dice = 0;
    // How many dice stopped on each face from 1 to 5 (LastFaces[0] the ones).
    std::array<std::int64_t, 5> LastFaces{};
    std::int64_t Sixes = 0;

    void Add(const ThrownDice& thrown);
};

enum class FairnessFinding {
    NoDice,
    NothingUnusual,
    // Face says which count strayed, and which way.
    MoreThanExpected,
    FewerThanExpected,
};

// Whether the faces look like those of fair dice. For fair dice the face a die
// stops on is 1 to 5 alike, and each die's sixes are geometric with a chance of
// 1/6 of going on, the two independent; each of the six counts (ones to
// fives, sixes) then expects a fifth of the dice.
//
// The test is the largest of the six counts' standardised deviations (the
// middle faces' weighed at kMiddleFaceWeight), and its p-value the exact
// chance for fair dice of a deviation at least as large, worked out from the
// exact distribution of the counts (multinomial for the faces, negative
// binomial for the sixes), so it is right for an evening of any size. Only
// for long evenings of big pools (see FaceChances.h) is the faces' part told
// by an Edgeworth series, within 3e-4 of exact.
struct FairnessCheck {
    // An evening is unusual when its p-value falls below this: a fair evening
    // is called unusual at most one time in twenty.
    static constexpr double kUnusualBelow = 0.05;
    // Ones make botches and sixes explode, so a bias there matters most at the
    // table: the middle faces' deviations count at this weight, which leaves
    // the ones and the sixes more of the check's 5%.
    static constexpr double kMiddleFaceWeight = 0.8;

    FairnessFinding Finding = FairnessFinding::NoDice;
    // The count that strayed furthest as the test weighs them: 1 to 5 for the
    // face the dice stopped on, 6 for the sixes; 0 with no dice.
    int Face = 0;
    double PValue = 1.0;
    // Every face the dice showed: the dice and their sixes.
    std::int64_t Throws = 0;
    // What each of the six counts expects of fair dice: a fifth of the dice.
    double ExpectedEach = 0.0;
};

FairnessCheck CheckFairness(const FaceCounts& faces);

}  // namespace corvane
