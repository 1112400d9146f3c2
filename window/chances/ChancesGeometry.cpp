#include "window/chances/ChancesGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "window/chances/ChancesData.h"
#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

// The first of 1, 2 and 5 times a power of ten that is at least `least`.
double RoundStep(double least) {
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (const double factor : std::array{1.0, 2.0, 5.0}) {
        if (factor * power >= least) return factor * power;
    }
    return 10.0 * power;
}

double GreatestChance(const ChancesData& data) {
    double greatest = 0.0;
    for (const ChancesData::Series& series : data.AllSeries()) {
        for (int k = data.FirstCount(); k <= data.LastCount(); ++k) {
            greatest = std::max(greatest, series.chances.Exactly(k));
        }
    }
    return greatest;
}

// The share of a column its bars fill; the rest parts neighbouring counts.
constexpr double kColumnFill = 0.8;
// Narrower bars could not show their hatching or stand apart.
constexpr double kNarrowestBar = 4.0;
constexpr int kChanceGridLines = 4;

}  // namespace

ChancesGeometry::ChancesGeometry(const QSize& size, const QFontMetrics& metrics,
                                 const ChancesData& data)
    : line_(metrics.height()),
      firstCount_(data.FirstCount()),
      counts_(data.Counts()),
      seriesCount_(std::max(1, static_cast<int>(data.AllSeries().size()))) {
    // Every chart has some count with a chance; the floor only keeps a broken
    // one from dividing by zero.
    const double greatest = std::max(GreatestChance(data), 1e-9);
    chanceStep_ = RoundStep(greatest / kChanceGridLines);
    topChance_ = std::ceil(greatest / chanceStep_ - 1e-9) * chanceStep_;

    const int pad = line_ / 2;
    const QString widestChance = PercentLabel(topChance_ * 100.0, ChanceDecimals());
    const int countWidth = metrics.horizontalAdvance(QString::number(data.LastCount()));
    const int left = pad + line_ + pad + metrics.horizontalAdvance(widestChance) + pad;
    // Room for the legend, then for the mark over the rolled count's bars.
    const int top = pad + seriesCount_ * line_ + 2 * line_;
    const int belowAxis = line_ + TickLength() + seriesCount_ * line_ + line_ + pad;
    const int right = size.width() - 1 - pad - countWidth / 2;
    plot_ = QRect(QPoint(left, top),
                  QPoint(std::max(left, right), std::max(top + line_, size.height() - belowAxis)));
    slot_ = static_cast<double>(std::max(1, plot_.width())) / counts_;
    countStep_ = static_cast<int>(RoundStep(std::max(1.0, (countWidth + line_) / slot_)));
}

int ChancesGeometry::ChanceDecimals() const {
    return std::max(0, static_cast<int>(-std::floor(std::log10(chanceStep_ * 100.0))));
}

QRect ChancesGeometry::LegendRow(int series) const {
    return QRect(plot_.left(), line_ / 2 + series * line_, plot_.width(), line_);
}

QRect ChancesGeometry::CountLabels() const {
    return QRect(plot_.left(), plot_.bottom() + 1, plot_.width(), TickLength() + line_);
}

QRect ChancesGeometry::ExpectedRow(int series) const {
    return QRect(plot_.left(), CountLabels().bottom() + 1 + series * line_, plot_.width(), line_);
}

QRect ChancesGeometry::CountTitle() const { return ExpectedRow(seriesCount_); }

bool ChancesGeometry::DrawsBars() const {
    return slot_ * kColumnFill / seriesCount_ >= kNarrowestBar;
}

QRect ChancesGeometry::ChanceTitle() const {
    return QRect(line_ / 2, plot_.top(), line_, plot_.height());
}

double ChancesGeometry::CentreOf(double successes) const {
    return plot_.left() + (successes - firstCount_ + 0.5) * slot_;
}

double ChancesGeometry::YOf(double chance) const {
    return plot_.bottom() + 1 - chance / topChance_ * plot_.height();
}

QRectF ChancesGeometry::Column(int successes) const {
    return QRectF(plot_.left() + (successes - firstCount_) * slot_, plot_.top(), slot_,
                  plot_.height());
}

QRectF ChancesGeometry::Bar(int series, int successes, double chance) const {
    const double fill = slot_ * kColumnFill;
    const double width = fill / seriesCount_;
    const double top = YOf(chance);
    return QRectF(CentreOf(successes) - fill / 2.0 + series * width, top, width,
                  plot_.bottom() + 1 - top);
}

std::optional<int> ChancesGeometry::CountAt(const QPoint& point) const {
    const double column = std::floor((point.x() - plot_.left()) / slot_);
    if (column < 0.0 || column >= counts_) return std::nullopt;
    return firstCount_ + static_cast<int>(column);
}

QPolygonF ChancesGeometry::Outline(const ChancesData& data,
                                   const SuccessDistribution& chances) const {
    const double bottom = plot_.bottom() + 1;
    QPolygonF steps{QPointF(plot_.left(), bottom)};
    double stepLeft = -1.0;
    for (int k = data.FirstCount(); k <= data.LastCount(); ++k) {
        const QRectF column = Column(k);
        const double y = YOf(chances.Exactly(k));
        if (column.right() - stepLeft < 1.0) {
            const double top = std::min(steps.last().y(), y);
            steps[steps.size() - 2].setY(top);
            steps.last() = QPointF(column.right(), top);
        } else {
            stepLeft = column.left();
            steps << QPointF(column.left(), y) << QPointF(column.right(), y);
        }
    }
    steps << QPointF(plot_.right() + 1, bottom);
    return steps;
}

}  // namespace corvane
