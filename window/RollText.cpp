#include "window/RollText.h"

#include <QStringList>
#include <QTime>
#include <span>

#include "engine/RollRecord.h"

namespace corvane {
namespace {

// How many dice of a pool the log shows before "... and N more".
constexpr std::size_t kDiceShownInLog = 20;
constexpr std::size_t kAllDice = static_cast<std::size_t>(-1);

QString Dice(std::span<const Int16> dice, std::size_t shown) {
    QStringList words;
    for (std::size_t i = 0; i < dice.size() && i < shown; ++i) {
        words << QString::number(dice[i].Value());
    }
    if (dice.size() > shown) {
        words << QStringLiteral("... and %1 more").arg(QString::number(dice.size() - shown));
    }
    return words.join(QLatin1Char(' '));
}

QString OperationName(RollType operation) {
    switch (operation) {
        case RollType::RerollFailures:
            return QStringLiteral("Reroll Failures");
        case RollType::RerollFromMarker:
            return QStringLiteral("Reroll from Marker Down");
        case RollType::NewRoll:
            break;
    }
    return QStringLiteral("Roll");
}

// "dice 7 to 10", or "die 10" when only the last was rolled again.
QString RerolledPositions(const RollRecord& record) {
    const int first = record.FirstRerolled.Value();
    const int last = record.After.DiceCount.Value();
    if (first == last) return QStringLiteral("die %1").arg(last);
    return QStringLiteral("dice %1 to %2").arg(first).arg(last);
}

// "Dice 7 to 10 were: 3 2 1 1.", for checking a reroll against the roll before.
QString ReplacedDice(const RollRecord& record) {
    const int first = record.FirstRerolled.Value();
    const int last = record.After.DiceCount.Value();
    const QString dice = Dice(record.Replaced, kDiceShownInLog);
    if (first == last) return QStringLiteral("Die %1 was: %2.").arg(QString::number(last), dice);
    return QStringLiteral("Dice %1 to %2 were: %3.")
        .arg(QString::number(first), QString::number(last), dice);
}

// "10 dice at target 5"
QString PoolAndTarget(const RollerState& state) {
    const int dice = state.DiceCount.Value();
    return (dice == 1 ? QStringLiteral("1 die") : QStringLiteral("%1 dice").arg(dice)) +
           QStringLiteral(" at target %1").arg(state.TargetNumber.Value());
}

// "5 successes (high roll 14, total roll 51)", with " (botch)" after the
// successes when it is one.
QString Tally(const RollerState& state) {
    const int successes = state.Successes.Value();
    QString tally = successes == 1 ? QStringLiteral("1 success")
                                   : QStringLiteral("%1 successes").arg(successes);
    if (state.IsBotch()) tally += QStringLiteral(" (botch)");
    return tally + QStringLiteral(" (high roll %1, total roll %2)")
                       .arg(state.HighRoll.Value())
                       .arg(state.TotalRoll.Value());
}

}  // namespace

QString CopiedLine(const RollRecord& record) {
    const RollerState& state = record.After;
    const QString line = PoolAndTarget(state) + QStringLiteral(": ") +
                         Dice(state.DiceResults.Dice(), kAllDice) + QStringLiteral(" = ") +
                         Tally(state);
    if (record.Operation == RollType::NewRoll) return line;
    return QStringLiteral("%1 (%2), ")
               .arg(OperationName(record.Operation), RerolledPositions(record)) +
           line;
}

QString LogLine(const RollRecord& record) {
    // What was done and how it came out first, where a narrow window still
    // shows them; the dice after.
    const RollerState& state = record.After;
    const auto seconds = static_cast<int>(record.SecondsSinceMidnight);
    QString line = QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss")) +
                   QStringLiteral("  ") + OperationName(record.Operation) + QStringLiteral(", ") +
                   PoolAndTarget(state) + QStringLiteral(": ") + Tally(state) +
                   QStringLiteral(". Dice: ") + Dice(state.DiceResults.Dice(), kDiceShownInLog) +
                   QLatin1Char('.');
    if (record.Operation != RollType::NewRoll) line += QLatin1Char(' ') + ReplacedDice(record);
    return line;
}

}  // namespace corvane
