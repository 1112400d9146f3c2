#include "window/log/LogTable.h"

#include <QCoreApplication>

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

QString Number(Int16 value) { return QString::number(value.Value()); }

// One column: its name, and its cell for a roll and that roll's luck.
struct Column {
    const char* name;
    QString (*cell)(const RollRecord&, const RollLuck&);
};

using R = const RollRecord&;
using L = const RollLuck&;

// The roll, then its luck: the dice thrown, their successes and those
// expected, the chances of at least and of at most as well, and the luck in
// words.
const Column kColumns[] = {
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Time"), [](R r, L) { return TimeOfDay(r); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Operation"),
     [](R r, L) { return OperationName(r.Operation); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Dice"),
     [](R r, L) { return Number(r.After.DiceCount); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Target"),
     [](R r, L) { return Number(r.After.TargetNumber); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Successes"),
     [](R r, L) { return Number(r.After.Successes); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Botch"),
     [](R r, L) { return r.After.IsBotch() ? Words::tr("yes") : Words::tr("no"); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "High roll"),
     [](R r, L) { return Number(r.After.HighRoll); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Total"),
     [](R r, L) { return Number(r.After.TotalRoll); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Results"),
     [](R r, L) { return DiceText(r.After.DiceResults.Dice()); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "First rerolled"),
     [](R r, L) { return r.Operation != RollType::NewRoll ? Number(r.FirstRerolled) : QString(); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Replaced"),
     [](R r, L) { return DiceText(r.Replaced); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Dice thrown"),
     [](R, L luck) { return QString::number(luck.Dice); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Their successes"),
     [](R, L luck) { return QString::number(luck.Successes); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Expected"),
     [](R, L luck) { return SignificantText(luck.ExpectedSuccesses); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Chance at least as well"),
     [](R, L luck) { return SignificantText(luck.AtLeastAsWell); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Chance at most as well"),
     [](R, L luck) { return SignificantText(luck.AtMostAsWell); }},
    {QT_TRANSLATE_NOOP("corvane::LogTable", "Luck"),
     [](R, L luck) { return LuckText(luck.AtLeastAsWell, luck.AtMostAsWell); }},
};

QStringList Row(const RollRecord& record) {
    const RollLuck luck = LuckOfRoll(record);
    QStringList cells;
    for (const Column& column : kColumns) cells << column.cell(record, luck);
    return cells;
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
    for (const Column& column : kColumns) table.header << Words::tr(column.name);
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
