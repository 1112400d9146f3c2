#include "window/chances/ChancesPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include "window/chances/ChancesData.h"
#include "window/chances/ChancesGeometry.h"
#include "window/chances/ChancesStyle.h"
#include "window/chances/ChancesText.h"
#include "window/common/NumberFormat.h"

namespace corvane {

namespace {

QColor Translucent(QColor colour) {
    colour.setAlpha(120);
    return colour;
}

}  // namespace

ChancesPainter::ChancesPainter(QPainter& painter, const ChancesGeometry& geometry,
                               const ChancesData& data, const QPalette& palette)
    : painter_(painter), geometry_(geometry), data_(data), palette_(palette) {}

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
    const int line = geometry_.LineHeight();
    for (double chance = 0.0; chance <= geometry_.TopChance() + 1e-12;
         chance += geometry_.ChanceStep()) {
        const int y = qRound(geometry_.YOf(chance));
        painter_.setPen(palette_.color(QPalette::Mid));
        painter_.drawLine(plot.left(), y, plot.right(), y);
        painter_.setPen(palette_.color(QPalette::WindowText));
        const QString label = PercentLabel(chance * 100.0, geometry_.ChanceDecimals());
        painter_.drawText(QRect(0, y - line / 2, plot.left() - line / 2, line),
                          Qt::AlignRight | Qt::AlignVCenter, label);
    }
    // The title reads upwards along the axis.
    const QRect title = geometry_.ChanceTitle();
    painter_.save();
    painter_.translate(title.left(), title.bottom());
    painter_.rotate(-90.0);
    painter_.drawText(QRect(0, 0, title.height(), title.width()), Qt::AlignCenter,
                      ChancesText::ChanceAxis());
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
            area.addPolygon(geometry_.Outline(data_, chances));
            Fill(area, {Translucent(style.fill), style.hatch, style.line},
                 QPen(style.fill, 2, style.line));
        }
        // The expected successes, as a line through the plot.
        const double x = geometry_.CentreOf(chances.Mean());
        painter_.setPen(QPen(style.fill, 2, style.line));
        painter_.drawLine(QPointF(x, geometry_.Plot().top()),
                          QPointF(x, geometry_.Plot().bottom()));
    }
}

void ChancesPainter::PaintBarsOf(int series, const SuccessDistribution& chances,
                                 const SeriesStyle& style) {
    const QPen outline(palette_.color(QPalette::WindowText));
    for (int k = data_.FirstCount(); k <= data_.LastCount(); ++k) {
        const double chance = chances.Exactly(k);
        if (chance <= 0.0) continue;
        QPainterPath bar;
        bar.addRect(geometry_.Bar(series, k, chance).adjusted(0.5, 0.5, -0.5, 0));
        Fill(bar, style, outline);
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
    const QRect labels = geometry_.CountLabels();
    const int step = geometry_.CountStep();
    painter_.setPen(palette_.color(QPalette::WindowText));
    painter_.drawLine(plot.left(), plot.bottom() + 1, plot.right(), plot.bottom() + 1);
    for (int k = data_.FirstCount(); k <= data_.LastCount(); ++k) {
        if (k % step != 0) continue;
        const int x = qRound(geometry_.CentreOf(k));
        painter_.drawLine(x, labels.top(), x, labels.top() + geometry_.TickLength());
        const int half = labels.height() * 4;
        painter_.drawText(QRect(x - half, labels.top(), 2 * half, labels.height()),
                          Qt::AlignHCenter | Qt::AlignBottom, QString::number(k));
    }
    painter_.drawText(geometry_.CountTitle(), Qt::AlignCenter, ChancesText::CountAxis(data_));
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
        const QString text = ChancesText::Expected(allSeries[s]);
        const int width = painter_.fontMetrics().horizontalAdvance(text);
        // Beside the triangle, on whichever side has room.
        const bool onTheRight = x + half * 2 + width <= row.right();
        const QRect box(onTheRight ? qRound(x) + half * 2 : qRound(x) - half * 2 - width, row.top(),
                        width, row.height());
        painter_.drawText(box, Qt::AlignVCenter, text);
    }
}

void ChancesPainter::PaintRolledMark() {
    const int rolled = data_.Rolled();
    double greatest = 0.0;
    for (const ChancesData::Series& series : data_.AllSeries()) {
        greatest = std::max(greatest, series.chances.Exactly(rolled));
    }
    const double top = geometry_.YOf(greatest);
    const int line = geometry_.LineHeight();
    const double x = geometry_.CentreOf(rolled);
    const double half = line / 3.0;
    QPainterPath triangle;
    triangle.moveTo(x, top - 2);
    triangle.lineTo(x - half, top - 2 - half * 1.5);
    triangle.lineTo(x + half, top - 2 - half * 1.5);
    triangle.closeSubpath();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(palette_.color(QPalette::WindowText));
    painter_.drawPath(triangle);
    painter_.setPen(palette_.color(QPalette::WindowText));
    const QString text = ChancesText::RolledMark();
    const int width = painter_.fontMetrics().horizontalAdvance(text);
    const double left =
        std::clamp(x - width / 2.0, 0.0, static_cast<double>(painter_.device()->width() - width));
    painter_.drawText(QRectF(left, top - 2 - half * 1.5 - line, width, line), Qt::AlignCenter,
                      text);
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
        const QRect text = row.adjusted(line * 5, 0, 0, 0);
        painter_.drawText(
            text, Qt::AlignVCenter,
            painter_.fontMetrics().elidedText(ChancesText::Legend(allSeries[s], data_),
                                              Qt::ElideRight, text.width()));
    }
}

}  // namespace corvane
