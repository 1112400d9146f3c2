#pragma once

#include <QString>

#include "engine/RollRecord.h"

namespace corvane {

// A completed roll in words, to copy and share:
//   "10 dice at target 5: 14 9 7 5 5 4 3 2 1 1 = 5 successes (high roll 14, total roll 51)"
// with " (botch)" after the successes when it is one; a reroll starts with what
// it did: "Reroll Failures (dice 7 to 10), 10 dice at target 5: ...".
QString CopiedLine(const RollRecord& record);

// The same roll as the roll log lists it: the time of day, what was done, and
// for a reroll the dice it replaced, so it can be checked against the roll
// before. Long pools show their first dice and how many more there are.
QString LogLine(const RollRecord& record);

// "Roll", "Reroll Failures" or "Reroll from Marker Down".
QString OperationName(RollType operation);

}  // namespace corvane
