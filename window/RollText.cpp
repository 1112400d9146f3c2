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

QString Outcome(const RollRecord& record, std::size_t shown) {
    const RollerState& state = record.After;
    const int dice = state.DiceCount.Value();
    const int successes = state.Successes.Value();
    QString line = (dice == 1 ? QStringLiteral("1 die") : QStringLiteral("%1 dice").arg(dice)) +
                   QStringLiteral(" at target %1: ").arg(state.TargetNumber.Value()) +
                   Dice(state.DiceResults.Dice(), shown) +
                   (successes == 1 ? QStringLiteral(" = 1 success")
                                   : QStringLiteral(" = %1 successes").arg(successes));
    if (state.IsBotch()) line += QStringLiteral(" (botch)");
    return line + QStringLiteral(" (high roll %1, total roll %2)")
                      .arg(state.HighRoll.Value())
                      .arg(state.TotalRoll.Value());
}

}  // namespace

QString CopiedLine(const RollRecord& record) {
    if (record.Operation == RollType::NewRoll) return Outcome(record, kAllDice);
    return QStringLiteral("%1 (%2), ")
               .arg(OperationName(record.Operation), RerolledPositions(record)) +
           Outcome(record, kAllDice);
}

QString LogLine(const RollRecord& record) {
    const auto seconds = static_cast<int>(record.SecondsSinceMidnight);
    QString line = QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss")) +
                   QStringLiteral("  ") + OperationName(record.Operation);
    if (record.Operation != RollType::NewRoll) {
        line += QStringLiteral(" (%1 were %2)")
                    .arg(RerolledPositions(record), Dice(record.Replaced, kDiceShownInLog));
    }
    return line + QStringLiteral(", ") + Outcome(record, kDiceShownInLog);
}

}  // namespace corvane
