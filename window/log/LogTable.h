#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace corvane {

struct RollRecord;

// Rolls as a table, one row per roll under a row of column names: time,
// operation, dice, target, successes, botch, high roll, total, the dice, the
// first die rerolled and the dice it replaced, then the roll's luck: the dice
// it threw, their successes and the successes expected of them, the chances of
// doing at least and at most as well, and the luck in words. Made from the
// records themselves, not from the lines the log window shows. Its numbers
// have a point for their decimals in every language, so that a spreadsheet
// reads them alike everywhere; the words are in the program's language.
struct LogTable {
    QStringList header;
    QList<QStringList> rows;
};

LogTable RollTable(const QList<const RollRecord*>& oldestFirst);

// As CSV (RFC 4180): commas between fields, CRLF after each row, and a field
// that holds a comma, a quote or a line break in quotes, its quotes doubled.
QByteArray CsvBytes(const LogTable& table);
// As a Markdown table, with any "|" in a cell escaped.
QByteArray MarkdownBytes(const LogTable& table);

}  // namespace corvane
