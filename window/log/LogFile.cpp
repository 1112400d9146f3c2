#include "window/log/LogFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "engine/EveningLuck.h"
#include "window/log/EveningText.h"
#include "window/log/LogTable.h"
#include "window/log/RollText.h"

namespace corvane {
namespace {

const QStringList kEndings = {QStringLiteral("txt"), QStringLiteral("csv"), QStringLiteral("md")};

}  // namespace

QStringList LogFileFilters() {
    return {QCoreApplication::translate("corvane::LogFile", "Plain text (*.txt)"),
            QCoreApplication::translate("corvane::LogFile", "CSV table (*.csv)"),
            QCoreApplication::translate("corvane::LogFile", "Markdown table (*.md)")};
}

LogFormat LogFormatFor(QString& path, const QString& filter) {
    const QString ending = QFileInfo(path).suffix().toLower();
    qsizetype format = kEndings.indexOf(ending == QLatin1String("markdown") ? kEndings[2] : ending);
    if (format < 0) {
        format = std::max<qsizetype>(0, LogFileFilters().indexOf(filter));
        path += QLatin1Char('.') + kEndings[format];
    }
    return static_cast<LogFormat>(format);
}

QByteArray LogFileBytes(LogFormat format, const QList<const RollRecord*>& oldestFirst,
                        const EveningTally& evening) {
    const EveningLuck luck = evening.Luck();
    const FairnessCheck fairness = CheckFairness(evening.Faces());
    switch (format) {
        case LogFormat::Csv:
            return CsvBytes(RollTable(oldestFirst, luck, fairness));
        case LogFormat::Markdown:
            return MarkdownBytes(RollTable(oldestFirst, luck, fairness));
        case LogFormat::Text:
            break;
    }
    QString text;
    for (const RollRecord* record : oldestFirst) text += CopiedEntry(*record) + QLatin1Char('\n');
    // Apart from the rolls, as the log window shows it over them.
    text += QLatin1Char('\n') + EveningText::Luck(luck) + QLatin1Char('\n') +
            EveningText::Fairness(fairness) + QLatin1Char('\n');
    return text.toUtf8();
}

}  // namespace corvane
