#include "window/chances/ChancesPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include "window/chances/ChancesData.h"
#include "window/chances/ChancesGeometry.h"
#include "window/chances/ChancesLabels.h"
#include "window/chances/ChancesStyle.h"

namespace corvane {

namespace {

QColor Translucent(QColor colour) {
    colour.setAlpha(120);
    return colour;
}

}  // namespace

ChancesPainter::ChancesPainter(QPainter& painter, const ChancesGeometry& geometry,
                               const ChancesLabels& labels, const ChancesData& data,
                               const QPalette& palette)
    : painter_(painter), geometry_(geometry), labels_(labels), data_(data), palette_(palette) {}

void ChancesPainter::Paint(int current, bool focused) {
    PaintCurrent(current, focused);
    PaintChanceAxis();
    PaintBars();
    PaintCountAxis();
    PaintExpected();
    PaintRolledMark();
    PaintLegend();
}

void ChancesPainter::PaintCurrent(int current, bool focused) {
    const QRectF column = geometry_.Column(current);
    QColor band = palette_.color(QPalette::Highlight);
    band.setAlpha(focused ? 90 : 40);
    painter_.fillRect(column, band);
    if (!focused) return;
    painter_.setPen(QPen(palette_.color(QPalette::WindowText), 1, Qt::DotLine));
    painter_.drawRect(column.adjusted(0.5, 0.5, -0.5, -0.5));
}

void ChancesPainter::PaintChanceAxis() {
    const QRect plot = geometry_.Plot();
    const double step = geometry_.ChanceStep();
    painter_.setPen(palette_.color(QPalette::Mid));
    for (int i = 0; i * step <= geometry_.TopChance() + 1e-12; ++i) {
        const int y = qRound(geometry_.YOf(i * step));
        painter_.drawLine(plot.left(), y, plot.right(), y);
    }
    painter_.setPen(palette_.color(QPalette::WindowText));
    for (const ChancesLabels::Label& tick : labels_.ChanceTicks()) {
        painter_.drawText(tick.box, tick.flags, tick.text);
    }
    // The title reads upwards along the axis.
    const ChancesLabels::Label& title = labels_.ChanceTitle();
    painter_.save();
    painter_.translate(title.box.left(), title.box.bottom() + 1);
    painter_.rotate(-90.0);
    painter_.drawText(QRect(0, 0, title.box.height(), title.box.width()), title.flags, title.text);
    painter_.restore();
}

void ChancesPainter::PaintBars() {
    const auto& allSeries = data_.AllSeries();
    for (std::size_t s = 0; s < allSeries.size(); ++s) {
        const SeriesStyle style = StyleOf(allSeries[s].kind);
        const SuccessDistribution& chances = allSeries[s].chances;
        if (geometry_.DrawsBars()) {
            PaintBarsOf(static_cast<int>(s), chances, style);
        } else {
            // Too many counts for bars side by side: each series becomes the
            // outline of its bars, see-through where they overlap.
            QPainterPath area;
            area.addPolygon(geometry_.Outline(chances));
            Fill(area, {Translucent(style.fill), style.hatch, style.line},
                 QPen(style.fill, 2, style.line));
        }
        // The expected successes, as a line through the plot.
        const double x = labels_.ExpectedLines()[s];
        painter_.setPen(QPen(style.fill, 2, style.line));
        painter_.drawLine(QPointF(x, geometry_.Plot().top()),
                          QPointF(x, geometry_.Plot().bottom()));
    }
}

void ChancesPainter::PaintBarsOf(int series, const SuccessDistribution& chances,
                                 const SeriesStyle& style) {
    const QPen outline(palette_.color(QPalette::WindowText));
    for (const CountAxis::Stretch& stretch : data_.Axis().Stretches()) {
        for (int k = stretch.first; k <= stretch.last; ++k) {
            const double chance = chances.Exactly(k);
            if (chance <= 0.0) continue;
            QPainterPath bar;
            bar.addRect(geometry_.Bar(series, k, chance).adjusted(0.5, 0.5, -0.5, 0));
            Fill(bar, style, outline);
        }
    }
}

void ChancesPainter::Fill(const QPainterPath& shape, const SeriesStyle& style,
                          const QPen& outline) {
    painter_.fillPath(shape, style.fill);
    if (style.hatch != Qt::NoBrush) painter_.fillPath(shape, QBrush(Qt::black, style.hatch));
    painter_.strokePath(shape, outline);
}

void ChancesPainter::PaintCountAxis() {
    const QRect plot = geometry_.Plot();
    const int top = geometry_.CountLabels().top();
    painter_.setPen(palette_.color(QPalette::WindowText));
    painter_.drawLine(plot.left(), plot.bottom() + 1, plot.right(), plot.bottom() + 1);
    const auto& ticks = labels_.CountTicks();
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int x = qRound(geometry_.CentreOf(labels_.TickedCounts()[i]));
        painter_.drawLine(x, top, x, top + geometry_.TickLength());
        painter_.drawText(ticks[i].box, ticks[i].flags, ticks[i].text);
    }
    const ChancesLabels::Label& title = labels_.CountTitle();
    painter_.drawText(title.box, title.flags, title.text);
    PaintBreaks();
}

void ChancesPainter::PaintBreaks() {
    // Where counts are left out between two stretches: a gap in the axis,
    // marked by two slanted strokes.
    const QRect plot = geometry_.Plot();
    const double y = plot.bottom() + 1;
    const double reach = geometry_.LineHeight() / 4.0;
    for (const double x : geometry_.Breaks()) {
        painter_.fillRect(QRectF(x - reach, y - 1, 2 * reach, 3), palette_.color(QPalette::Base));
        for (const double side : {-reach / 2, reach / 2}) {
            painter_.drawLine(QPointF(x + side - reach / 2, y + reach),
                              QPointF(x + side + reach / 2, y - reach));
        }
    }
}

void ChancesPainter::PaintExpected() {
    const auto& allSeries = data_.AllSeries();
    const int half = geometry_.LineHeight() / 3;
    for (std::size_t s = 0; s < allSeries.size(); ++s) {
        const QRect row = geometry_.ExpectedRow(static_cast<int>(s));
        const double x = geometry_.CentreOf(allSeries[s].chances.Mean());
        // A triangle pointing up at the axis, in the series' colour.
        QPainterPath triangle;
        triangle.moveTo(x, row.top() + 1);
        triangle.lineTo(x - half, row.bottom());
        triangle.lineTo(x + half, row.bottom());
        triangle.closeSubpath();
        painter_.setPen(palette_.color(QPalette::WindowText));
        painter_.setBrush(StyleOf(allSeries[s].kind).fill);
        painter_.drawPath(triangle);
        const ChancesLabels::Label& label = labels_.Expected()[s];
        painter_.drawText(label.box, label.flags, label.text);
    }
}

void ChancesPainter::PaintRolledMark() {
    const int rolled = data_.Rolled();
    double greatest = 0.0;
    for (const ChancesData::Series& series : data_.AllSeries()) {
        greatest = std::max(greatest, series.chances.Exactly(rolled));
    }
    const double top = geometry_.YOf(greatest);
    const double x = geometry_.CentreOf(rolled);
    const double half = geometry_.LineHeight() / 3.0;
    QPainterPath triangle;
    triangle.moveTo(x, top - 2);
    triangle.lineTo(x - half, top - 2 - half * 1.5);
    triangle.lineTo(x + half, top - 2 - half * 1.5);
    triangle.closeSubpath();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(palette_.color(QPalette::WindowText));
    painter_.drawPath(triangle);
    // On the chart's background, so the bars behind do not blur it.
    const ChancesLabels::Label& label = labels_.Rolled();
    QColor behind = palette_.color(QPalette::Base);
    behind.setAlpha(200);
    painter_.fillRect(label.box, behind);
    painter_.setPen(palette_.color(QPalette::WindowText));
    painter_.drawText(label.box, label.flags, label.text);
}

void ChancesPainter::PaintLegend() {
    const auto& allSeries = data_.AllSeries();
    const int line = geometry_.LineHeight();
    for (std::size_t s = 0; s < allSeries.size(); ++s) {
        const QRect row = geometry_.LegendRow(static_cast<int>(s));
        const SeriesStyle style = StyleOf(allSeries[s].kind);
        QPainterPath swatch;
        swatch.addRect(
            QRectF(row.left() + 0.5, row.top() + line / 6 + 0.5, line * 2, line * 2 / 3));
        Fill(swatch, style, QPen(palette_.color(QPalette::WindowText)));
        // The line style of its expected successes and, in a crowded chart, its outline.
        const double y = row.center().y() + 0.5;
        painter_.setPen(QPen(style.fill, 2, style.line));
        painter_.drawLine(QPointF(row.left() + line * 2.5, y), QPointF(row.left() + line * 4.5, y));
        painter_.setPen(palette_.color(QPalette::WindowText));
        const ChancesLabels::Label& label = labels_.Legend()[s];
        painter_.drawText(label.box, label.flags, label.text);
    }
}

}  // namespace corvane
