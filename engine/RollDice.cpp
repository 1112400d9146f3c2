#include "engine/RollDice.h"

#include "runtime/NumberText.h"

namespace corvane {

void RollDice(Int16 diceToRoll, ResultArray& rollResults, RandomSource& random, Clock& clock) {
    random.Reseed(clock.SecondsSinceMidnight());
    rollResults.Redim(diceToRoll);
    constexpr Int16 kSix{6};
    for (Int16 i{1}; i <= diceToRoll; ++i) {
        Int16 face;
        do {
            // In double: rounding r * 6 + 1 to float would turn a few draws
            // just below a sixth into the next face up.
            face = FloorToInt16(static_cast<double>(random.Next()) * 6.0 + 1.0);
            rollResults[i] += face;
        } while (face == kSix);
    }
}

}  // namespace corvane
