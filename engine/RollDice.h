#pragma once

#include "runtime/Clock.h"
#include "runtime/Int16.h"
#include "runtime/RandomSource.h"
#include "runtime/ResultArray.h"

namespace corvane {

// Rolls `diceToRoll` open-ended six-sided dice into `rollResults`, discarding
// whatever it held. A six is rolled again and added, as often as sixes come.
// Raises Overflow when a die passes 32767, or for a count of 32767 (the
// position counter cannot step past the last die).
void RollDice(Int16 diceToRoll, ResultArray& rollResults, RandomSource& random, Clock& clock);

}  // namespace corvane
