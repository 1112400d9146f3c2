#pragma once

#include <QString>
#include <QStringList>
#include <span>

#include "engine/RollRecord.h"

namespace corvane {

// A completed roll in words, to copy and share:
//   "10 dice at target 5: 14 9 7 5 5 4 3 2 1 1 = 5 successes (high roll 14, total roll 51)"
// with " (botch)" after the successes when it is one; a reroll starts with what
// it did: "Reroll Failures (dice 7 to 10), 10 dice at target 5: ...".
QString CopiedLine(const RollRecord& record);

// The same roll as the roll log shows it, a line for each part: the time of
// day with what was done, how it came out and how lucky that was, then the
// dice, then for a reroll the dice it replaced, so it can be checked against
// the roll before. Long pools show their first dice and how many more there
// are.
QStringList LogEntry(const RollRecord& record);

// The whole log entry on one line, with every die: what copying from the log
// gives.
QString CopiedEntry(const RollRecord& record);

// The roll's time of day, "21:04:59".
QString TimeOfDay(const RollRecord& record);
// Every die, "14 9 7 5".
QString DiceText(std::span<const Int16> dice);

// "Roll", "Reroll Failures" or "Reroll from Marker Down".
QString OperationName(RollType operation);

// What screen readers say as the roll completes, the outcome first:
//   "5 successes. High roll 14, total 51."
// with ", botch" after the successes when it is one; a reroll starts with the
// dice it rolled again: "Rerolled dice 7 to 10: 5 successes. ...".
QString SpokenOutcome(const RollRecord& record);

}  // namespace corvane
