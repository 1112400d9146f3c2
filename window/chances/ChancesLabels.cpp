#include "window/chances/ChancesLabels.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "window/chances/ChancesData.h"
#include "window/chances/ChancesGeometry.h"
#include "window/chances/ChancesText.h"
#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

using Label = ChancesLabels::Label;

// The text in `room`, cut short to fit it, and the box it takes there.
Label Fitted(const QRect& room, const QString& text, int flags, const QFontMetrics& metrics) {
    const QString shown = metrics.elidedText(text, Qt::ElideRight, std::max(0, room.width()));
    const int width = metrics.horizontalAdvance(shown);
    int left = room.left();
    if (flags & Qt::AlignRight) left = room.right() + 1 - width;
    if (flags & Qt::AlignHCenter) left = room.left() + (room.width() - width) / 2;
    return {QRect(left, room.top(), width, room.height()), shown, flags};
}

// Lines through the plot stand this far either side of their middle.
constexpr int kLineReach = 2;

}  // namespace

ChancesLabels::ChancesLabels(const ChancesGeometry& geometry, const QFontMetrics& metrics,
                             const ChancesData& data) {
    const int line = geometry.LineHeight();
    const QRect plot = geometry.Plot();
    for (const ChancesData::Series& series : data.AllSeries()) {
        expectedLines_.push_back(
            static_cast<int>(std::lround(geometry.CentreOf(series.chances.Mean()))));
    }
    for (std::size_t s = 0; s < data.AllSeries().size(); ++s) {
        // After the swatch and the sample of the series' line.
        const QRect room = geometry.LegendRow(static_cast<int>(s)).adjusted(line * 5, 0, 0, 0);
        legend_.push_back(Fitted(room, ChancesText::Legend(data.AllSeries()[s]),
                                 Qt::AlignLeft | Qt::AlignVCenter, metrics));
    }
    const double step = geometry.ChanceStep();
    for (int i = 0; i * step <= geometry.TopChance() + 1e-12; ++i) {
        const int y = static_cast<int>(std::lround(geometry.YOf(i * step)));
        chanceTicks_.push_back(Fitted(QRect(0, y - line / 2, plot.left() - line / 2, line),
                                      PercentLabel(i * step * 100.0, geometry.ChanceDecimals()),
                                      Qt::AlignRight | Qt::AlignVCenter, metrics));
    }
    // Turned, the title's width runs up the axis.
    const QRect upright = geometry.ChanceTitle();
    const Label title = Fitted(QRect(0, 0, upright.height(), upright.width()),
                               ChancesText::ChanceAxis(), Qt::AlignCenter, metrics);
    chanceTitle_ = {QRect(upright.left(), upright.bottom() + 1 - title.box.right() - 1,
                          upright.width(), title.box.width()),
                    title.text, Qt::AlignCenter};
    countTitle_ = Fitted(geometry.CountTitle().adjusted(line / 2, 0, -line / 2, 0),
                         ChancesText::CountAxis(data), Qt::AlignCenter, metrics);
    PlaceCountTicks(geometry, metrics, data);
    PlaceExpected(geometry, metrics, data);
    PlaceRolled(geometry, metrics, data);
}

void ChancesLabels::PlaceCountTicks(const ChancesGeometry& geometry, const QFontMetrics& metrics,
                                    const ChancesData& data) {
    const QRect row = geometry.CountLabels().adjusted(0, geometry.TickLength(), 0, 0);
    const int step = geometry.CountStep();
    const int space = geometry.LineHeight() / 2;
    const int width = geometry.Size().width();
    int freeFrom = 0;  // the first x a label may take, left to right
    for (const CountAxis::Stretch& stretch : data.Axis().Stretches()) {
        std::vector<int> counts;
        for (int k = (stretch.first + step - 1) / step * step; k <= stretch.last; k += step) {
            counts.push_back(k);
        }
        // A stretch too short for a round count is labelled in its middle.
        if (counts.empty()) counts.push_back((stretch.first + stretch.last) / 2);
        for (const int k : counts) {
            const QString text = QString::number(k);
            const int textWidth = metrics.horizontalAdvance(text);
            const int x = static_cast<int>(std::lround(geometry.CentreOf(k)));
            const QRect box(x - textWidth / 2, row.top(), textWidth, row.height());
            const bool clearOfChances =
                std::none_of(chanceTicks_.begin(), chanceTicks_.end(),
                             [&](const Label& tick) { return tick.box.intersects(box); });
            if (box.left() < freeFrom || box.right() >= width || !clearOfChances) continue;
            countTicks_.push_back({box, text, Qt::AlignCenter});
            tickedCounts_.push_back(k);
            freeFrom = box.right() + 1 + space;
        }
    }
}

void ChancesLabels::PlaceExpected(const ChancesGeometry& geometry, const QFontMetrics& metrics,
                                  const ChancesData& data) {
    const int half = geometry.LineHeight() / 3;
    const int width = geometry.Size().width();
    for (std::size_t s = 0; s < data.AllSeries().size(); ++s) {
        const ChancesData::Series& series = data.AllSeries()[s];
        const QRect row = geometry.ExpectedRow(static_cast<int>(s));
        const int x = static_cast<int>(std::lround(geometry.CentreOf(series.chances.Mean())));
        // Beside the series' mark, on whichever side has room.
        const int right = x + half * 2;
        const int left = x - half * 2;
        Label label =
            Fitted(QRect(right, row.top(), width - right, row.height()),
                   ChancesText::Expected(series), Qt::AlignLeft | Qt::AlignVCenter, metrics);
        if (label.text != ChancesText::Expected(series) && left > width - right) {
            label = Fitted(QRect(0, row.top(), left, row.height()), ChancesText::Expected(series),
                           Qt::AlignRight | Qt::AlignVCenter, metrics);
        }
        expected_.push_back(label);
    }
}

void ChancesLabels::PlaceRolled(const ChancesGeometry& geometry, const QFontMetrics& metrics,
                                const ChancesData& data) {
    const int line = geometry.LineHeight();
    const QRect plot = geometry.Plot();
    const std::vector<int>& lines = expectedLines_;
    const QString text =
        metrics.elidedText(ChancesText::RolledLabel(data), Qt::ElideRight, plot.width());
    const int width = metrics.horizontalAdvance(text);
    const int mark = static_cast<int>(std::lround(geometry.CentreOf(data.Rolled())));
    const int wanted = mark - width / 2;
    const int leftmost = plot.left();
    const int rightmost = std::max(leftmost, plot.right() + 1 - width);
    const auto clearOfLines = [&](int left) {
        return std::none_of(lines.begin(), lines.end(), [&](int x) {
            return x + kLineReach >= left && x - kLineReach <= left + width - 1;
        });
    };
    // Always over its mark, and as near its middle as the lines let it be;
    // else over the plot, where the lines end.
    std::vector<int> tries{wanted};
    for (const int x : lines)
        tries.insert(tries.end(), {x + kLineReach + 1, x - kLineReach - width});
    const auto fits = [&](int at) {
        return at >= leftmost && at <= rightmost && at <= mark && at + width > mark &&
               clearOfLines(at);
    };
    std::vector<int> fitting;
    std::copy_if(tries.begin(), tries.end(), std::back_inserter(fitting), fits);
    int left = std::clamp(wanted, leftmost, rightmost);
    if (!fitting.empty()) {
        left = *std::min_element(fitting.begin(), fitting.end(), [&](int a, int b) {
            return std::abs(a - wanted) < std::abs(b - wanted);
        });
    }
    // Over every bar it spans, so that no series runs through its text.
    double highest = 0.0;
    for (const CountAxis::Stretch& stretch : data.Axis().Stretches()) {
        for (int k = stretch.first; k <= stretch.last; ++k) {
            const QRectF column = geometry.Column(k);
            if (column.right() < left || column.left() > left + width - 1) continue;
            for (const ChancesData::Series& series : data.AllSeries()) {
                highest = std::max(highest, series.chances.Exactly(k));
            }
        }
    }
    int top = static_cast<int>(std::floor(geometry.YOf(highest) - 2 - line / 2.0)) - line;
    if (fitting.empty()) top = std::min(top, plot.top() - 1 - line);
    rolled_ = {QRect(left, top, width, line), text, Qt::AlignCenter};
}

std::vector<Label> ChancesLabels::All() const {
    std::vector<Label> all = legend_;
    all.insert(all.end(), chanceTicks_.begin(), chanceTicks_.end());
    all.push_back(chanceTitle_);
    all.insert(all.end(), countTicks_.begin(), countTicks_.end());
    all.push_back(countTitle_);
    all.insert(all.end(), expected_.begin(), expected_.end());
    all.push_back(rolled_);
    return all;
}

}  // namespace corvane
