#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "window/chances/ChancesData.h"

namespace corvane {

// The Chances window's words: what the chart shows, as the legend, the axis,
// the tooltips and screen readers say it.
class ChancesText {
    Q_DECLARE_TR_FUNCTIONS(corvane::ChancesText)
public:
    static QString WindowTitle();
    static QString ChartName();
    static QString ChanceAxis();
    static QString RolledMark();
    // The mark's label: "Rolled", with the roll's luck when the chart knows it.
    static QString RolledLabel(const ChancesData& data);
    // "Successes", or the counts shown, stretch by stretch where the axis
    // breaks, and that the rest hold under 0.1%.
    static QString CountAxis(const ChancesData& data);
    // The series with its pool and target: "New roll: 20 dice at target 5".
    static QString Legend(const ChancesData::Series& series);
    static QString Expected(const ChancesData::Series& series);
    // One column, its chance in each series: "4 successes: 23.4%; after Reroll
    // Failures 30.1%". The hover tooltip and the column's accessible text.
    static QString Column(const ChancesData& data, int successes);
    // Said when the keyboard tries to go past the first or the last column.
    static QString FirstColumn();
    static QString LastColumn();
    // The chart in sentences: the roll, the likeliest count and the expected
    // successes of each series, and the chance of at least the rolled count.
    static QString Summary(const ChancesData& data);

private:
    static QString RollableLegend(const ChancesData::Series& series);
    // Adds to the summary's `lines` that the series cannot roll, where it cannot.
    static void Unrollable(const ChancesData::Series& series, QStringList& lines);
    static QString Likeliest(const ChancesData::Series& series);
    // A reroll's pool: "2 of 5 dice at target 4".
    static QString Pool(const ChancesData::Series& series);
};

}  // namespace corvane
