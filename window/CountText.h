#pragma once

#include <QString>

namespace corvane {

// Counts in words, written one way by every line, legend and tooltip that
// names them: "1 success", "4 successes"; "1 die", "7 dice".
QString SuccessCount(int count);
// As the subject or object of a sentence; a language that declines the noun
// after "with" gives that sentence its own words (see OddsText).
QString DiceCount(int count);

}  // namespace corvane
