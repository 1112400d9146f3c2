#include "window/log/LogFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "engine/EveningLuck.h"
#include "window/log/EveningText.h"
#include "window/log/LogTable.h"
#include "window/log/RollText.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::LogFile)
};

const QStringList kEndings = {QStringLiteral("txt"), QStringLiteral("csv"), QStringLiteral("md")};

}  // namespace

QStringList LogFileFilters() {
    return {Words::tr("Plain text (*.txt)"), Words::tr("CSV table (*.csv)"),
            Words::tr("Markdown table (*.md)")};
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
    // CSV holds the rolls alone, row for row; the others end with the
    // evening, apart from the rolls, as the log window shows it over them.
    if (format == LogFormat::Csv) return CsvBytes(RollTable(oldestFirst));
    const EveningLuck luck = evening.Luck();
    QStringList lines;
    // The evening is every roll since the program started: said, where the
    // file holds fewer, so its figures are not read as those of the rolls in it.
    const auto saved = static_cast<int>(oldestFirst.size());
    if (luck.Rolls > saved) {
        lines << Words::tr(
            "The evening, every roll since the program started, not only the %n above:", nullptr,
            saved);
    }
    lines << EveningText::Luck(luck) << EveningText::Fairness(CheckFairness(evening.Faces()));
    QString text;
    if (format == LogFormat::Markdown) {
        // A paragraph each, which Markdown would otherwise run together.
        text = QString::fromUtf8(MarkdownBytes(RollTable(oldestFirst))) + QLatin1Char('\n') +
               lines.join(QStringLiteral("\n\n"));
    } else {
        for (const RollRecord* record : oldestFirst) {
            text += CopiedEntry(*record) + QLatin1Char('\n');
        }
        text += QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    }
    return (text + QLatin1Char('\n')).toUtf8();
}

}  // namespace corvane
