#include "window/log/RollText.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTime>
#include <span>

#include "engine/RollLuck.h"
#include "engine/RollRecord.h"
#include "window/common/CountText.h"
#include "window/common/LuckText.h"
#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::RollText)
};

// How many dice of a pool the log shows before "... and N more": a few
// hundred wrap to some lines in the window, thousands would fill it.
constexpr std::size_t kDiceShownInLog = 300;
constexpr std::size_t kAllDice = static_cast<std::size_t>(-1);

QString Dice(std::span<const Int16> dice, std::size_t shown) {
    if (dice.size() <= shown) return DiceText(dice);
    const auto more = static_cast<int>(dice.size() - shown);
    return DiceText(dice.first(shown)) + QLatin1Char(' ') +
           Words::tr("... and %n more", nullptr, more);
}

// "dice 7 to 10", or "die 10" when only the last was rolled again.
QString RerolledPositions(const RollRecord& record) {
    const QString first = QString::number(record.FirstRerolled.Value());
    const QString last = QString::number(record.After.DiceCount.Value());
    if (first == last) return Words::tr("die %1").arg(last);
    return Words::tr("dice %1 to %2").arg(first, last);
}

// "Dice 7 to 10 were: 3 2 1 1.", for checking a reroll against the roll before.
QString ReplacedDice(const RollRecord& record, std::size_t shown) {
    const QString first = QString::number(record.FirstRerolled.Value());
    const QString last = QString::number(record.After.DiceCount.Value());
    const QString dice = Dice(record.Replaced, shown);
    if (first == last) {
        return Words::tr("Die %1 was: %2.").arg(last, dice);
    }
    return Words::tr("Dice %1 to %2 were: %3.").arg(first, last, dice);
}

// "10 dice at target 5"
QString PoolAndTarget(const RollerState& state) {
    //: %1 is "10 dice", %2 the target number.
    return Words::tr("%1 at target %2")
        .arg(DiceCount(state.DiceCount.Value(), Digits::Grouped),
             GroupedCount(state.TargetNumber.Value()));
}

// "5 successes (high roll 14, total roll 51)", with " (botch)" after the
// successes when it is one. Grouped, as the evening over the log groups its
// counts.
QString Tally(const RollerState& state) {
    QString tally = SuccessCount(state.Successes.Value(), Digits::Grouped);
    if (state.IsBotch()) {
        tally = Words::tr("%1 (botch)").arg(tally);
    }
    return Words::tr("%1 (high roll %2, total roll %3)")
        .arg(tally, GroupedCount(state.HighRoll.Value()), GroupedCount(state.TotalRoll.Value()));
}

// "luck: top 8% (1 in 12)"; for a reroll, of the dice it rolled again alone.
QString Luck(const RollRecord& record) {
    const RollLuck luck = LuckOfRoll(record);
    const QString text = LuckText(luck.AtLeastAsWell, luck.AtMostAsWell);
    if (record.Operation == RollType::NewRoll) {
        //: %1 is "top 8% (1 in 12)" or "bottom 15%".
        return Words::tr("luck: %1").arg(text);
    }
    if (luck.Dice == 1) {
        //: %1 is "top 8% (1 in 12)" or "bottom 15%".
        return Words::tr("luck of the die rolled again: %1").arg(text);
    }
    //: %1 is "4 dice", %2 "top 8% (1 in 12)" or "bottom 15%".
    return Words::tr("luck of the %1 rolled again: %2")
        .arg(DiceCount(luck.Dice, Digits::Grouped), text);
}

// The parts of a log entry, each list of dice cut after `shown` of them.
QStringList EntryParts(const RollRecord& record, std::size_t shown) {
    const RollerState& state = record.After;
    // What was done and how it came out first, then the dice.
    QStringList parts;
    QString who;
    if (!record.Player.empty()) {
        //: At a shared table: the member who rolled, the table's round, and that this
        //: program checked the round itself.
        who = Words::tr("%1, round %2, checked: ")
                  .arg(QString::fromStdString(record.Player), GroupedCount(record.TableRound));
    }
    //: %1 is what was done, %2 "10 dice at target 5", %3 "5 successes (high roll 14, total
    //: roll 51)", %4 "luck: top 8% (1 in 12)".
    parts << TimeOfDay(record) + QStringLiteral("  ") + who +
                 Words::tr("%1, %2: %3; %4.")
                     .arg(OperationName(record.Operation), PoolAndTarget(state), Tally(state),
                          Luck(record));
    parts << Words::tr("Dice: %1.").arg(Dice(state.DiceResults.Dice(), shown));
    if (record.Operation != RollType::NewRoll) parts << ReplacedDice(record, shown);
    return parts;
}

// "5 successes. High roll 14, total 51." for the ear: no brackets, which
// screen readers read out or skip.
QString SpokenTally(const RollerState& state) {
    QString tally = SuccessCount(state.Successes.Value());
    if (state.IsBotch()) {
        tally = Words::tr("%1, botch").arg(tally);
    }
    //: Spoken after a roll. %1 is "5 successes", %2 the highest die, %3 the total.
    return Words::tr("%1. High roll %2, total %3.")
        .arg(tally, QString::number(state.HighRoll.Value()),
             QString::number(state.TotalRoll.Value()));
}

}  // namespace

QString TimeOfDay(const RollRecord& record) {
    const auto seconds = static_cast<int>(record.SecondsSinceMidnight);
    return QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
}

QString DiceText(std::span<const Int16> dice) {
    QStringList words;
    for (const Int16 die : dice) words << QString::number(die.Value());
    return words.join(QLatin1Char(' '));
}

QString OperationName(RollType operation) {
    switch (operation) {
        case RollType::RerollFailures:
            return Words::tr("Reroll Failures");
        case RollType::RerollFromMarker:
            return Words::tr("Reroll from Marker Down");
        case RollType::NewRoll:
            break;
    }
    //: What was done: a new roll, beside "Reroll Failures" and "Reroll from Marker Down".
    return Words::tr("Roll");
}

QString CopiedLine(const RollRecord& record) {
    const RollerState& state = record.After;
    //: %1 is "10 dice at target 5", %2 the dice, %3 "5 successes (high roll 14, total roll 51)".
    const QString line =
        Words::tr("%1: %2 = %3")
            .arg(PoolAndTarget(state), Dice(state.DiceResults.Dice(), kAllDice), Tally(state));
    if (record.Operation == RollType::NewRoll) return line;
    //: %1 is what was done, %2 "dice 7 to 10", %3 the roll after it.
    return Words::tr("%1 (%2), %3")
        .arg(OperationName(record.Operation), RerolledPositions(record), line);
}

QStringList LogEntry(const RollRecord& record) { return EntryParts(record, kDiceShownInLog); }

QString CopiedEntry(const RollRecord& record) {
    return EntryParts(record, kAllDice).join(QLatin1Char(' '));
}

QString SpokenOutcome(const RollRecord& record) {
    const QString tally = SpokenTally(record.After);
    if (record.Operation == RollType::NewRoll) return tally;
    const QString first = QString::number(record.FirstRerolled.Value());
    const QString last = QString::number(record.After.DiceCount.Value());
    if (first == last) {
        //: Spoken after a reroll of the last die alone; %2 is "5 successes. High roll 14,
        //: total 51."
        return Words::tr("Rerolled die %1: %2").arg(last, tally);
    }
    //: Spoken after a reroll; %3 is "5 successes. High roll 14, total 51."
    return Words::tr("Rerolled dice %1 to %2: %3").arg(first, last, tally);
}

}  // namespace corvane
