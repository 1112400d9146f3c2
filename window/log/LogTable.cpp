#include "window/log/LogTable.h"

#include <QCoreApplication>
#include <QTime>
#include <span>

#include "engine/EveningLuck.h"
#include "engine/RollLuck.h"
#include "engine/RollRecord.h"
#include "window/common/LuckText.h"
#include "window/common/NumberFormat.h"
#include "window/log/EveningText.h"
#include "window/log/RollText.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::LogTable)
};

QString Dice(std::span<const Int16> dice) {
    QStringList words;
    for (const Int16 die : dice) words << QString::number(die.Value());
    return words.join(QLatin1Char(' '));
}

// The luck's columns: the dice thrown, their successes and those expected,
// the chances of at least and of at most as well, and the luck in words.
QStringList LuckCells(std::int64_t dice, std::int64_t successes, double expected, double atLeast,
                      double atMost) {
    return {QString::number(dice),    QString::number(successes), SignificantText(expected),
            SignificantText(atLeast), SignificantText(atMost),    LuckText(atLeast, atMost)};
}

QStringList Row(const RollRecord& record) {
    const RollerState& state = record.After;
    const auto seconds = static_cast<int>(record.SecondsSinceMidnight);
    const bool reroll = record.Operation != RollType::NewRoll;
    const RollLuck luck = LuckOfRoll(record);
    return QStringList{QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss")),
                       OperationName(record.Operation),
                       QString::number(state.DiceCount.Value()),
                       QString::number(state.TargetNumber.Value()),
                       QString::number(state.Successes.Value()),
                       state.IsBotch() ? Words::tr("yes") : Words::tr("no"),
                       QString::number(state.HighRoll.Value()),
                       QString::number(state.TotalRoll.Value()),
                       Dice(state.DiceResults.Dice()),
                       reroll ? QString::number(record.FirstRerolled.Value()) : QString(),
                       Dice(record.Replaced)} +
           LuckCells(luck.Dice, luck.Successes, luck.ExpectedSuccesses, luck.AtLeastAsWell,
                     luck.AtMostAsWell);
}

QStringList EveningRow(const EveningLuck& evening, const FairnessCheck& fairness) {
    // The fairness finding stands where a roll has its dice.
    return QStringList{QString(),
                       EveningText::TableRow(evening),
                       QString(),
                       QString(),
                       QString(),
                       QString(),
                       QString(),
                       QString(),
                       EveningText::Fairness(fairness),
                       QString(),
                       QString()} +
           LuckCells(evening.DiceThrown, evening.Successes, evening.ExpectedSuccesses,
                     evening.AtLeastThisLucky, evening.AtMostThisLucky);
}

QString CsvField(QString field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'))) {
        return field;
    }
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString MarkdownRow(const QStringList& cells) {
    QStringList escaped;
    for (QString cell : cells) {
        cell.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        cell.replace(QLatin1Char('|'), QStringLiteral("\\|"));
        cell.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        escaped << cell;
    }
    return QStringLiteral("| ") + escaped.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
}

}  // namespace

LogTable RollTable(const QList<const RollRecord*>& oldestFirst, const EveningLuck& evening,
                   const FairnessCheck& fairness) {
    LogTable table;
    table.header = {Words::tr("Time"),
                    Words::tr("Operation"),
                    Words::tr("Dice"),
                    Words::tr("Target"),
                    Words::tr("Successes"),
                    Words::tr("Botch"),
                    Words::tr("High roll"),
                    Words::tr("Total"),
                    Words::tr("Results"),
                    Words::tr("First rerolled"),
                    Words::tr("Replaced"),
                    Words::tr("Dice thrown"),
                    Words::tr("Their successes"),
                    Words::tr("Expected"),
                    Words::tr("Chance at least as well"),
                    Words::tr("Chance at most as well"),
                    Words::tr("Luck")};
    for (const RollRecord* record : oldestFirst) table.rows << Row(*record);
    table.rows << EveningRow(evening, fairness);
    return table;
}

QByteArray CsvBytes(const LogTable& table) {
    QString text;
    for (const QStringList& row : QList<QStringList>{table.header} + table.rows) {
        QStringList fields;
        for (const QString& field : row) fields << CsvField(field);
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QByteArray MarkdownBytes(const LogTable& table) {
    QString text = MarkdownRow(table.header);
    QStringList rule;
    for (qsizetype i = 0; i < table.header.size(); ++i) rule << QStringLiteral("---");
    text += MarkdownRow(rule);
    for (const QStringList& row : table.rows) text += MarkdownRow(row);
    return text.toUtf8();
}

}  // namespace corvane
