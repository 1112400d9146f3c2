#include "window/log/EveningHeader.h"

#include <QLabel>
#include <algorithm>

#include "engine/EveningLuck.h"
#include "window/common/RefreshThrottle.h"
#include "window/log/EveningText.h"

namespace corvane {

EveningHeader::EveningHeader(const EveningTally& evening, QWidget* parent)
    : QWidget(parent),
      evening_(evening),
      luck_(new QLabel(this)),
      fairness_(new QLabel(this)),
      refresh_(new RefreshThrottle([this] { Refresh(); }, this, kIntervalMs)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    for (QLabel* line : {luck_, fairness_}) line->setTextFormat(Qt::PlainText);
}

QSize EveningHeader::sizeHint() const {
    int widest = 0;
    for (const QString& line : EveningText::LongEveningLines()) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(line));
    }
    // Two lines apart by a quarter of one.
    return QSize(widest, LineHeight() * 9 / 4);
}

QSize EveningHeader::minimumSizeHint() const { return QSize(0, sizeHint().height()); }

int EveningHeader::LineHeight() const { return fontMetrics().height(); }

void EveningHeader::Follow() {
    if (isVisible()) refresh_->Request();
}

void EveningHeader::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh_->RefreshNow();
}

void EveningHeader::Refresh() {
    const EveningLuck luck = evening_.Luck();
    SetLine(*luck_, EveningText::Luck(luck), EveningText::LuckDetails(luck));
    const FairnessCheck fairness = CheckFairness(evening_.Faces());
    SetLine(*fairness_, EveningText::Fairness(fairness),
            EveningText::FairnessDetails(fairness, evening_.Faces()));
}

void EveningHeader::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Each line a size of its own, fixed: a new text then repaints the line
    // alone, and the log does not lay itself out again, which on a refresh
    // would cost more than working out the evening.
    const int line = LineHeight();
    luck_->move(0, 0);
    fairness_->move(0, height() - line);
    for (QLabel* label : {luck_, fairness_}) {
        label->setFixedSize(width(), line);
        Fit(*label);
    }
}

void EveningHeader::SetLine(QLabel& label, const QString& text, const QString& details) {
    label.setAccessibleName(text);
    label.setToolTip(details);
    label.setAccessibleDescription(details);
    Fit(label);
}

void EveningHeader::Fit(QLabel& label) {
    label.setText(label.fontMetrics().elidedText(label.accessibleName(), Qt::ElideRight, width()));
}

}  // namespace corvane
