#include "window/chances/ChancesChart.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

#include "window/chances/ChancesAccessible.h"
#include "window/chances/ChancesGeometry.h"
#include "window/chances/ChancesLabels.h"
#include "window/chances/ChancesPainter.h"
#include "window/chances/ChancesText.h"
#include "window/common/Announcer.h"

namespace corvane {
namespace {

constexpr int kPageCounts = 10;

}  // namespace

ChancesChart::ChancesChart(Announcer& announcer, QWidget* parent)
    : QWidget(parent), announcer_(announcer) {
    QAccessible::installFactory(&ChancesChartAccessible::Create);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(ChancesText::ChartName());
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

QSize ChancesChart::minimumSizeHint() const {
    return QSize(240, ChancesGeometry::LeastHeight(fontMetrics()));
}

void ChancesChart::Show(ChancesData chances) {
    const bool newRolledCount = !data_ || data_->Rolled() != chances.Rolled();
    data_.emplace(std::move(chances));
    current_ = newRolledCount ? data_->Rolled() : data_->Axis().Nearest(current_);
    update();
    if (hasFocus()) AnnounceCurrent(QAccessible::NameChanged);
}

ChancesGeometry ChancesChart::Geometry() const {
    return ChancesGeometry(size(), fontMetrics(), *data_);
}

ChancesLabels ChancesChart::Labels() const {
    return ChancesLabels(Geometry(), fontMetrics(), *data_);
}

QString ChancesChart::ColumnText(int successes) const {
    return ChancesText::Column(*data_, successes);
}

QRect ChancesChart::ColumnRect(int successes) const {
    return Geometry().Column(successes).toAlignedRect();
}

std::optional<int> ChancesChart::CountAt(const QPoint& point) const {
    if (!data_) return std::nullopt;
    return Geometry().CountAt(point);
}

QSize ChancesChart::sizeHint() const { return QSize(560, 360); }

bool ChancesChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const std::optional<int> count = CountAt(help->pos())) {
        QToolTip::showText(help->globalPos(), ColumnText(*count), this, ColumnRect(*count));
    } else {
        QToolTip::hideText();
    }
    return true;
}

void ChancesChart::paintEvent(QPaintEvent*) {
    if (!data_) return;
    QPainter painter(this);
    const ChancesGeometry geometry = Geometry();
    const ChancesLabels labels(geometry, fontMetrics(), *data_);
    ChancesPainter(painter, geometry, labels, *data_, palette()).Paint(current_, hasFocus());
}

void ChancesChart::keyPressEvent(QKeyEvent* event) {
    if (!data_) return QWidget::keyPressEvent(event);
    // Along the columns, over any break in the axis.
    const CountAxis& axis = data_->Axis();
    int column = axis.IndexOf(current_);
    int step = 0;  // which way the key goes
    switch (event->key()) {
        case Qt::Key_Left:
            column -= 1;
            step = -1;
            break;
        case Qt::Key_Right:
            column += 1;
            step = 1;
            break;
        case Qt::Key_PageUp:
            column -= kPageCounts;
            step = -1;
            break;
        case Qt::Key_PageDown:
            column += kPageCounts;
            step = 1;
            break;
        case Qt::Key_Home:
            column = 0;
            step = -1;
            break;
        case Qt::Key_End:
            column = axis.Counts() - 1;
            step = 1;
            break;
        default:
            return QWidget::keyPressEvent(event);
    }
    const int end = step < 0 ? 0 : axis.Counts() - 1;
    if (axis.IndexOf(current_) == end) return SayEnd(step);
    MoveTo(axis.CountAt(column));
}

void ChancesChart::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (const std::optional<int> count = CountAt(event->position().toPoint())) MoveTo(*count);
}

void ChancesChart::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Qt tells screen readers that the chart has the focus after this, and
    // they present what they hear of last: tell them the column again then.
    QTimer::singleShot(0, this, [this] {
        if (data_ && hasFocus()) AnnounceCurrent(QAccessible::Focus);
    });
}

void ChancesChart::MoveTo(int successes) {
    const int count = data_->Axis().Nearest(successes);
    if (count == current_) return;
    current_ = count;
    update();
    if (hasFocus()) AnnounceCurrent(QAccessible::Focus);
}

void ChancesChart::SayEnd(int step) {
    announcer_.Announce(step < 0 ? ChancesText::FirstColumn() : ChancesText::LastColumn());
}

void ChancesChart::AnnounceCurrent(QAccessible::Event what) {
    QAccessibleEvent event(this, what);
    event.setChild(data_->Axis().IndexOf(current_));
    QAccessible::updateAccessibility(&event);
}

}  // namespace corvane
