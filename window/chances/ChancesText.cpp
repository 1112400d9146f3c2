#include "window/chances/ChancesText.h"

#include <QStringList>

#include "window/common/CountText.h"
#include "window/common/EngineText.h"
#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

using Kind = ChancesData::Kind;

}  // namespace

QString ChancesText::WindowTitle() { return tr("Chances"); }
QString ChancesText::ChartName() { return tr("Chance of each number of successes"); }
QString ChancesText::ChanceAxis() { return tr("Chance"); }
QString ChancesText::RolledMark() { return tr("Rolled"); }

QString ChancesText::CountAxis(const ChancesData& data) {
    if (!data.LeavesOff()) return tr("Successes");
    return tr("Successes %1 to %2 (the rest: under 0.1%)")
        .arg(data.FirstCount())
        .arg(data.LastCount());
}

QString ChancesText::Legend(const ChancesData::Series& series, const ChancesData& data) {
    switch (series.kind) {
        case Kind::NewRoll:
            return tr("New roll at target %1").arg(data.TypedTarget()->Value());
        case Kind::RerollFailures:
            if (series.rolledAfresh == 0) return tr("After Reroll Failures (none to reroll)");
            return tr("After Reroll Failures (%1)").arg(DiceCount(series.rolledAfresh));
        case Kind::RerollFromMarker:
            return tr("After Reroll from Marker Down (%1)").arg(DiceCount(series.rolledAfresh));
    }
    return {};
}

QString ChancesText::Expected(const ChancesData::Series& series) {
    return tr("%1 expected").arg(DecimalText(series.chances.Mean()));
}

QString ChancesText::Column(const ChancesData& data, int successes) {
    QString bar = SuccessCount(successes);
    if (successes == data.Rolled()) bar = tr("%1 (rolled)").arg(bar);
    QStringList chances;
    for (const ChancesData::Series& series : data.AllSeries()) {
        const QString chance = PercentText(series.chances.Exactly(successes));
        switch (series.kind) {
            case Kind::NewRoll:
                chances << chance;
                break;
            case Kind::RerollFailures:
                chances << tr("after Reroll Failures %1").arg(chance);
                break;
            case Kind::RerollFromMarker:
                chances << tr("after Reroll from Marker Down %1").arg(chance);
                break;
        }
    }
    return tr("%1: %2").arg(bar, chances.join(QStringLiteral("; ")));
}

QString ChancesText::Likeliest(const ChancesData::Series& series) {
    const int likeliest = series.chances.MostLikely();
    return tr("most likely %1 (%2), %3")
        .arg(SuccessCount(likeliest), PercentText(series.chances.Exactly(likeliest)),
             Expected(series));
}

QString ChancesText::Summary(const ChancesData& data) {
    QStringList lines;
    lines << tr("Rolled %1 with %2 at target %3.")
                 .arg(SuccessCount(data.Rolled()), DiceCount(data.Dice()))
                 .arg(data.RolledTarget().Value());
    if (const auto* roll = data.Find(Kind::NewRoll)) {
        lines << tr("A new roll at target %1: %2; at least %3: %4.")
                     .arg(data.TypedTarget()->Value())
                     .arg(Likeliest(*roll), SuccessCount(data.Rolled()),
                          PercentText(roll->chances.AtLeast(data.Rolled())));
    } else {
        lines << TargetRangeHint();
    }
    const auto* failures = data.Find(Kind::RerollFailures);
    lines << (failures->rolledAfresh == 0
                  ? tr("After Reroll Failures: no failures to reroll.")
                  : tr("After Reroll Failures: %1.").arg(Likeliest(*failures)));
    if (const auto* marker = data.Find(Kind::RerollFromMarker)) {
        lines << tr("After Reroll from Marker Down: %1.").arg(Likeliest(*marker));
    } else {
        lines << tr("Select a die in the list to see Reroll from Marker Down.");
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace corvane
