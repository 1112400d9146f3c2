#include "window/log/LogTable.h"

#include <QCoreApplication>
#include <QTime>
#include <span>

#include "engine/RollLuck.h"
#include "engine/RollRecord.h"
#include "window/common/LuckText.h"
#include "window/common/NumberFormat.h"
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

QStringList Row(const RollRecord& record) {
    const RollerState& state = record.After;
    const auto seconds = static_cast<int>(record.SecondsSinceMidnight);
    const bool reroll = record.Operation != RollType::NewRoll;
    const RollLuck luck = LuckOfRoll(record);
    // Then the luck: the dice thrown, their successes and those expected, the
    // chances of at least and of at most as well, and the luck in words.
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
                       Dice(record.Replaced),
                       QString::number(luck.Dice),
                       QString::number(luck.Successes),
                       SignificantText(luck.ExpectedSuccesses),
                       SignificantText(luck.AtLeastAsWell),
                       SignificantText(luck.AtMostAsWell),
                       LuckText(luck.AtLeastAsWell, luck.AtMostAsWell)};
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

LogTable RollTable(const QList<const RollRecord*>& oldestFirst) {
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
