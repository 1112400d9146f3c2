#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace corvane {

class EveningTally;
struct RollRecord;

// The roll log saved as a file: its copied entries as plain text, a CSV table or
// a Markdown table, all in UTF-8, each ending with the evening's luck and
// fairness.
enum class LogFormat { Text, Csv, Markdown };

// The save dialog's filters, in the order of LogFormat.
QStringList LogFileFilters();
// The format a name asks for by its ending (.txt, .csv, .md); a name without
// one of them takes the filter chosen and gets its ending.
LogFormat LogFormatFor(QString& path, const QString& filter);
QByteArray LogFileBytes(LogFormat format, const QList<const RollRecord*>& oldestFirst,
                        const EveningTally& evening);

}  // namespace corvane
