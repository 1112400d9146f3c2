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
        for (const CountAxis::Stretch& stretch : data.Axis().Stretches()) {
            for (int k = stretch.first; k <= stretch.last; ++k) {
                greatest = std::max(greatest, series.chances.Exactly(k));
            }
        }
    }
    return greatest;
}

// The share of a column its bars fill; the rest parts neighbouring counts.
constexpr double kColumnFill = 0.8;
// Narrower bars could not show their hatching or stand apart.
constexpr double kNarrowestBar = 4.0;
constexpr int kMostChanceGridLines = 4;
// A chart shows a new roll and the two rerolls at most.
constexpr int kMostSeries = 3;
// Below this the bars of a likely count could not stand apart from an unlikely one's.
constexpr int kLeastPlotHeight = 100;

// The heights above and below the plot: the legend and the rolled count's
// mark; the count labels, a row per series for its expected successes and
// the axis title.
int Tick(int line) { return line / 4; }
int RoomAbove(int line, int series) { return line / 2 + series * line + 2 * line; }
int RoomBelow(int line, int series) { return line + Tick(line) + series * line + line + line / 2; }

}  // namespace

ChancesGeometry::ChancesGeometry(const QSize& size, const QFontMetrics& metrics,
                                 const ChancesData& data)
    : size_(size),
      line_(metrics.height()),
      axis_(data.Axis()),
      seriesCount_(std::max(1, static_cast<int>(data.AllSeries().size()))),
      gap_(line_) {
    const int pad = line_ / 2;
    const int top = RoomAbove(line_, seriesCount_);
    const int belowAxis = RoomBelow(line_, seriesCount_);
    const int bottom = std::max(top + line_, size.height() - belowAxis);

    // Every chart has some count with a chance; the floor only keeps a broken
    // one from dividing by zero.
    const double greatest = std::max(GreatestChance(data), 1e-9);
    const int gridLines = std::clamp((bottom - top) * 2 / (3 * line_), 1, kMostChanceGridLines);
    chanceStep_ = RoundStep(greatest / gridLines);
    topChance_ = std::ceil(greatest / chanceStep_ - 1e-9) * chanceStep_;

    const QString widestChance = PercentLabel(topChance_ * 100.0, ChanceDecimals());
    const int countWidth = metrics.horizontalAdvance(QString::number(axis_.Last()));
    const int left = pad + line_ + pad + metrics.horizontalAdvance(widestChance) + pad;
    const int right = size.width() - 1 - pad - countWidth / 2;
    plot_ = QRect(QPoint(left, top), QPoint(std::max(left, right), bottom));
    const double breaks = gap_ * static_cast<double>(axis_.Stretches().size() - 1);
    slot_ = std::max(1.0, plot_.width() - breaks) / axis_.Counts();
    countStep_ = static_cast<int>(RoundStep(std::max(1.0, (countWidth + line_) / slot_)));
}

int ChancesGeometry::LeastHeight(const QFontMetrics& metrics) {
    const int line = metrics.height();
    return RoomAbove(line, kMostSeries) + kLeastPlotHeight + RoomBelow(line, kMostSeries);
}

int ChancesGeometry::TickLength() const { return Tick(line_); }

int ChancesGeometry::ChanceDecimals() const {
    return std::max(0, static_cast<int>(-std::floor(std::log10(chanceStep_ * 100.0))));
}

QRect ChancesGeometry::LegendRow(int series) const {
    // Across the whole chart, so long names in any language have room.
    const int pad = line_ / 2;
    return QRect(pad, pad + series * line_, size_.width() - 2 * pad, line_);
}

QRect ChancesGeometry::CountLabels() const {
    return QRect(plot_.left(), plot_.bottom() + 1, plot_.width(), TickLength() + line_);
}

QRect ChancesGeometry::ExpectedRow(int series) const {
    return QRect(0, CountLabels().bottom() + 1 + series * line_, size_.width(), line_);
}

QRect ChancesGeometry::CountTitle() const { return ExpectedRow(seriesCount_); }

QRect ChancesGeometry::ChanceTitle() const {
    return QRect(line_ / 2, plot_.top(), line_, plot_.height());
}

bool ChancesGeometry::DrawsBars() const {
    return slot_ * kColumnFill / seriesCount_ >= kNarrowestBar;
}

double ChancesGeometry::StretchLeft(std::size_t stretch) const {
    double left = plot_.left();
    for (std::size_t s = 0; s < stretch; ++s) left += axis_.Stretches()[s].Counts() * slot_ + gap_;
    return left;
}

std::size_t ChancesGeometry::StretchOf(double successes) const {
    const auto& stretches = axis_.Stretches();
    std::size_t nearest = 0;
    double distance = -1.0;
    for (std::size_t s = 0; s < stretches.size(); ++s) {
        const double inside =
            std::clamp(successes, stretches[s].first - 0.5, stretches[s].last + 0.5);
        if (distance < 0.0 || std::abs(inside - successes) < distance) {
            nearest = s;
            distance = std::abs(inside - successes);
        }
    }
    return nearest;
}

double ChancesGeometry::CentreOf(double successes) const {
    const std::size_t s = StretchOf(successes);
    const CountAxis::Stretch& stretch = axis_.Stretches()[s];
    const double inside = std::clamp(successes, stretch.first - 0.5, stretch.last + 0.5);
    return StretchLeft(s) + (inside - stretch.first + 0.5) * slot_;
}

double ChancesGeometry::YOf(double chance) const {
    return plot_.bottom() + 1 - chance / topChance_ * plot_.height();
}

QRectF ChancesGeometry::Column(int successes) const {
    return QRectF(CentreOf(successes) - slot_ / 2.0, plot_.top(), slot_, plot_.height());
}

QRectF ChancesGeometry::Bar(int series, int successes, double chance) const {
    const double fill = slot_ * kColumnFill;
    const double width = fill / seriesCount_;
    const double top = YOf(chance);
    return QRectF(CentreOf(successes) - fill / 2.0 + series * width, top, width,
                  plot_.bottom() + 1 - top);
}

std::optional<int> ChancesGeometry::CountAt(const QPoint& point) const {
    const auto& stretches = axis_.Stretches();
    for (std::size_t s = 0; s < stretches.size(); ++s) {
        const double column = std::floor((point.x() - StretchLeft(s)) / slot_);
        if (column >= 0.0 && column < stretches[s].Counts()) {
            return stretches[s].first + static_cast<int>(column);
        }
    }
    return std::nullopt;
}

std::vector<double> ChancesGeometry::Breaks() const {
    std::vector<double> breaks;
    for (std::size_t s = 1; s < axis_.Stretches().size(); ++s) {
        breaks.push_back(StretchLeft(s) - gap_ / 2.0);
    }
    return breaks;
}

QPolygonF ChancesGeometry::Outline(const SuccessDistribution& chances) const {
    const double bottom = plot_.bottom() + 1;
    QPolygonF steps;
    for (const CountAxis::Stretch& stretch : axis_.Stretches()) {
        steps << QPointF(Column(stretch.first).left(), bottom);
        double stepLeft = -1.0;
        for (int k = stretch.first; k <= stretch.last; ++k) {
            const QRectF column = Column(k);
            const double y = YOf(chances.Exactly(k));
            if (column.right() - stepLeft < 1.0) {
                const double highest = std::min(steps.last().y(), y);
                steps[steps.size() - 2].setY(highest);
                steps.last() = QPointF(column.right(), highest);
            } else {
                stepLeft = column.left();
                steps << QPointF(column.left(), y) << QPointF(column.right(), y);
            }
        }
        steps << QPointF(Column(stretch.last).right(), bottom);
    }
    return steps;
}

}  // namespace corvane
