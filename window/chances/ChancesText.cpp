#include "window/chances/ChancesText.h"

#include <QStringList>

#include "engine/Limits.h"
#include "window/common/CountText.h"
#include "window/common/EngineText.h"
#include "window/common/LuckText.h"
#include "window/common/NumberFormat.h"

namespace corvane {
namespace {}  // namespace

QString ChancesText::WindowTitle() { return tr("Chances"); }
QString ChancesText::ChartName() { return tr("Chance of each number of successes"); }
QString ChancesText::ChanceAxis() { return tr("Chance"); }
QString ChancesText::RolledMark() { return tr("Rolled"); }
QString ChancesText::FirstColumn() { return tr("First column."); }
QString ChancesText::LastColumn() { return tr("Last column."); }

QString ChancesText::RolledLabel(const ChancesData& data) {
    if (!data.Luck()) return RolledMark();
    //: The mark over the rolled count; %1 is its luck: "top 8% (1 in 12)".
    return tr("Rolled: %1").arg(LuckText(data.Luck()->AtLeastAsWell, data.Luck()->AtMostAsWell));
}

QString ChancesText::CountAxis(const ChancesData& data) {
    if (!data.LeavesOff()) return tr("Successes");
    // Spelt out: inside this class CountAxis names the function.
    const corvane::CountAxis& axis = data.Axis();
    if (!axis.Breaks()) {
        return tr("Successes %1 to %2 (the rest: under 0.1%)").arg(axis.First()).arg(axis.Last());
    }
    QStringList stretches;
    for (const corvane::CountAxis::Stretch& stretch : axis.Stretches()) {
        //: A stretch of the axis: "3362 to 3640".
        stretches << (stretch.first == stretch.last
                          ? QString::number(stretch.first)
                          : tr("%1 to %2").arg(stretch.first).arg(stretch.last));
    }
    //: %1 lists the stretches of the axis: "3362 to 3640, 5160 to 5355".
    return tr("Successes %1 (the rest: under 0.1%)").arg(stretches.join(QStringLiteral(", ")));
}

QString ChancesText::Pool(const ChancesData::Series& series) {
    //: %1 is how many dice are rolled again, %2 "5 dice", %3 the target number.
    return tr("%1 of %2 at target %3")
        .arg(series.rolledAfresh)
        .arg(DiceCount(series.dice))
        .arg(series.target.Value());
}

QString ChancesText::Legend(const ChancesData::Series& series) {
    if (series.rollable) return RollableLegend(series);
    //: A series whose dice would add up past the limit, said first so that a cut legend
    //: keeps it; %1 is its legend.
    return tr("Cannot roll: %1").arg(RollableLegend(series));
}

QString ChancesText::RollableLegend(const ChancesData::Series& series) {
    switch (series.kind) {
        case RollType::NewRoll:
            //: %1 is "20 dice", %2 the target number.
            return tr("New roll: %1 at target %2")
                .arg(DiceCount(series.dice))
                .arg(series.target.Value());
        case RollType::RerollFailures:
            if (series.rolledAfresh == 0) {
                return tr("After Reroll Failures: %1 at target %2, none to reroll")
                    .arg(DiceCount(series.dice))
                    .arg(series.target.Value());
            }
            return tr("After Reroll Failures: %1").arg(Pool(series));
        case RollType::RerollFromMarker:
            return tr("After Reroll from Marker Down: %1").arg(Pool(series));
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
            case RollType::NewRoll:
                chances << chance;
                break;
            case RollType::RerollFailures:
                chances << tr("after Reroll Failures %1").arg(chance);
                break;
            case RollType::RerollFromMarker:
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

void ChancesText::Unrollable(const ChancesData::Series& series, QStringList& lines) {
    if (series.rollable) return;
    lines << tr("Its dice would add up past %1 nearly every time, so it cannot be rolled.")
                 .arg(GroupedCount(kHighestTotal.Value()));
}

QString ChancesText::Summary(const ChancesData& data) {
    QStringList lines;
    lines << tr("Rolled %1 with %2 at target %3.")
                 .arg(SuccessCount(data.Rolled()), DiceCount(data.Dice()))
                 .arg(data.RolledTarget().Value());
    if (const std::optional<RollLuck>& luck = data.Luck()) {
        //: %1 is "top 8% (1 in 12)", %2 "7 successes", %3 "10 dice", %4 the successes fair
        //: dice expect of them. A reroll throws only the dice it rolls again.
        lines << tr("Luck of the roll: %1; %2 from %3 thrown, %4 expected.")
                     .arg(LuckText(luck->AtLeastAsWell, luck->AtMostAsWell),
                          SuccessCount(luck->Successes), DiceCount(luck->Dice),
                          DecimalText(luck->ExpectedSuccesses));
    }
    if (const auto* roll = data.Find(RollType::NewRoll)) {
        // The rolled count says something of a new roll of the same pool only.
        if (roll->dice == data.Dice() && roll->target == data.RolledTarget()) {
            //: %1 is "20 dice", %2 the target number, %3 the likeliest count and the expected
            //: successes, %4 "3 successes", %5 its chance.
            lines << tr("A new roll of %1 at target %2: %3; at least %4: %5.")
                         .arg(DiceCount(roll->dice))
                         .arg(roll->target.Value())
                         .arg(Likeliest(*roll), SuccessCount(data.Rolled()),
                              PercentText(roll->chances.AtLeast(data.Rolled())));
        } else {
            //: %1 is "20 dice", %2 the target number, %3 the likeliest count and the expected
            //: successes.
            lines << tr("A new roll of %1 at target %2: %3.")
                         .arg(DiceCount(roll->dice))
                         .arg(roll->target.Value())
                         .arg(Likeliest(*roll));
        }
        Unrollable(*roll, lines);
    }
    if (!data.TypedDice()) {
        lines << tr("Type from %1 to %2 dice to see a new roll's chances.")
                     .arg(GroupedCount(kLeastDice.Value()), GroupedCount(kMostDice.Value()));
    }
    if (!data.TypedTarget()) lines << TargetRangeHint();
    const auto* failures = data.Find(RollType::RerollFailures);
    lines
        << (failures->rolledAfresh == 0
                ? tr("After Reroll Failures: no failures to reroll.")
                : tr("After Reroll Failures (%1): %2.").arg(Pool(*failures), Likeliest(*failures)));
    Unrollable(*failures, lines);
    if (const auto* marker = data.Find(RollType::RerollFromMarker)) {
        lines
            << tr("After Reroll from Marker Down (%1): %2.").arg(Pool(*marker), Likeliest(*marker));
        Unrollable(*marker, lines);
    } else {
        lines << tr("Select a die in the list to see Reroll from Marker Down.");
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace corvane
