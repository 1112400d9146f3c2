#pragma once

#include <QFontMetrics>
#include <QPolygonF>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

#include "window/chances/CountAxis.h"

namespace corvane {

class ChancesData;
class SuccessDistribution;

// Where each part of the chances chart goes in a widget of a given size: the
// legend on top, the bars in the plot, and under the axis the count labels,
// a row per series marking its expected successes, and the axis title. Where
// the axis breaks, each stretch of counts gets its share of the width. The
// painter draws from it, and the widget finds the bar under the mouse.
class ChancesGeometry {
public:
    ChancesGeometry(const QSize& size, const QFontMetrics& metrics, const ChancesData& data);

    // The least height at which a chart of every series still has a plot
    // tall enough to read, at the size of its texts.
    static int LeastHeight(const QFontMetrics& metrics);

    QSize Size() const { return size_; }
    int LineHeight() const { return line_; }
    int TickLength() const;
    QRect Plot() const { return plot_; }
    QRect LegendRow(int series) const;
    QRect ExpectedRow(int series) const;
    QRect CountLabels() const;
    QRect CountTitle() const;
    // Left of the chance labels, where the rotated axis title goes.
    QRect ChanceTitle() const;

    // The chance the top of the plot stands for, and the step between its
    // grid lines, which stand at least a line and a half apart.
    double TopChance() const { return topChance_; }
    double ChanceStep() const { return chanceStep_; }
    int ChanceDecimals() const;
    // Every how many counts the axis has a label.
    int CountStep() const { return countStep_; }

    // Whether each count gets bars side by side, wide enough to hatch; if not,
    // each series is drawn as the outline of its bars.
    bool DrawsBars() const;
    double CentreOf(double successes) const;
    double YOf(double chance) const;
    // The column of one count, all its series' bars together.
    QRectF Column(int successes) const;
    QRectF Bar(int series, int successes, double chance) const;
    // The tops of a series' bars as one outline, closed along the axis. Counts
    // that share a pixel make one step, as high as the likeliest of them, so a
    // long axis costs no more to draw than the plot is wide.
    QPolygonF Outline(const SuccessDistribution& chances) const;
    // The count whose column holds the point; none outside the stretches.
    std::optional<int> CountAt(const QPoint& point) const;
    // The middle of each gap where the axis breaks.
    std::vector<double> Breaks() const;

private:
    double StretchLeft(std::size_t stretch) const;
    // The stretch that holds the count, or the nearest one.
    std::size_t StretchOf(double successes) const;

    QSize size_;
    int line_;
    CountAxis axis_;
    int seriesCount_;
    QRect plot_;
    double slot_ = 1.0;
    double gap_;
    double topChance_ = 1.0;
    double chanceStep_ = 1.0;
    int countStep_ = 1;
};

}  // namespace corvane
