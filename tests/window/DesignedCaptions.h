#pragma once

#include <QStringList>

namespace corvane::testing_support {

// The dice window's captions as designed, in English, the one copy the tests
// hold: the three buttons, then the three prompts.
inline const QStringList kDesignedCaptions = {
    QStringLiteral("&Roll"),
    QStringLiteral("Reroll &Failures"),
    QStringLiteral("Reroll from\n&Marker Down"),
    QStringLiteral("Dice to Roll"),
    QStringLiteral("Target Number"),
    QStringLiteral("Successes"),
};

}  // namespace corvane::testing_support
