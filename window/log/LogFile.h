#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace corvane {

class EveningTally;
struct RollRecord;

// The roll log saved as a file: its copied entries as plain text, a CSV table or
// a Markdown table, all in UTF-8. The text and the Markdown end with the
// evening's luck and fairness as lines after the rolls; the CSV holds the
// rolls alone.
enum class LogFormat { Text, Csv, Markdown };

// The save dialog's filters, in the order of LogFormat.
QStringList LogFileFilters();
// The format a name asks for by its ending (.txt, .csv, .md); a name without
// one of them takes the filter chosen and gets its ending.
LogFormat LogFormatFor(QString& path, const QString& filter);
QByteArray LogFileBytes(LogFormat format, const QList<const RollRecord*>& oldestFirst,
                        const EveningTally& evening);

}  // namespace corvane
