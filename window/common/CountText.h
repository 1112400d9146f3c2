#pragma once

#include <QString>

namespace corvane {

// Plain as the designed window writes its numbers ("7000"), or grouped as
// the language groups long ones ("7,000"), where they stand beside such.
enum class Digits { Plain, Grouped };

// Counts in words, written one way by every line, legend and tooltip that
// names them: "1 success", "4 successes"; "1 die", "7 dice".
QString SuccessCount(int count, Digits digits = Digits::Plain);
// As the subject or object of a sentence. After "with", some languages
// decline the noun ("mit 5 Würfeln"): there the success tooltip has words of
// its own for the dice, and the chart's summary is translated without "with".
QString DiceCount(int count, Digits digits = Digits::Plain);

}  // namespace corvane
