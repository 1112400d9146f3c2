#include "window/log/EveningHeader.h"

#include <QLabel>
#include <QStringList>
#include <algorithm>

#include "engine/EveningLuck.h"
#include "engine/FairnessCheck.h"
#include "window/common/RefreshThrottle.h"
#include "window/log/EveningText.h"

namespace corvane {

EveningHeader::EveningHeader(const EveningTally& evening,
                             const std::map<std::string, EveningTally>& members, QWidget* parent)
    : QWidget(parent),
      evening_(evening),
      memberEvenings_(members),
      luck_(new QLabel(this)),
      fairness_(new QLabel(this)),
      members_(new QLabel(this)),
      refresh_(new RefreshThrottle([this] { Refresh(); }, this, kIntervalMs)) {
    // As tall as the lines need at the width given; a fixed height would hold
    // the layout to the unwrapped two.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    for (QLabel* line : {luck_, fairness_, members_}) {
        line->setTextFormat(Qt::PlainText);
        line->setWordWrap(true);
    }
}

QSize EveningHeader::sizeHint() const {
    int widest = 0;
    for (const QString& line : EveningText::LongEveningLines()) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(line));
    }
    return QSize(widest, Gap() + 2 * fontMetrics().height());
}

QSize EveningHeader::minimumSizeHint() const {
    return QSize(0, Gap() + 2 * fontMetrics().height());
}

bool EveningHeader::hasHeightForWidth() const { return true; }

int EveningHeader::heightForWidth(int width) const {
    const int members = members_->text().isEmpty() ? 0 : Gap() + TextHeight(*members_, width);
    return TextHeight(*luck_, width) + Gap() + TextHeight(*fairness_, width) + members;
}

// The lines apart by a quarter of one.
int EveningHeader::Gap() const { return fontMetrics().height() / 4; }

int EveningHeader::TextHeight(const QLabel& label, int width) const {
    const QRect wrapped = label.fontMetrics().boundingRect(QRect(0, 0, std::max(1, width), 0),
                                                           Qt::TextWordWrap, label.text());
    return std::max(label.fontMetrics().height(), wrapped.height());
}

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
    QStringList members;
    for (const auto& [name, tally] : memberEvenings_) {
        members << EveningText::Member(QString::fromStdString(name), tally.Luck(),
                                       CheckFairness(tally.Faces()));
    }
    SetLine(*members_, members.join(QLatin1Char('\n')), QString());
}

void EveningHeader::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Place();
}

void EveningHeader::SetLine(QLabel& label, const QString& text, const QString& details) {
    label.setAccessibleName(text);
    label.setToolTip(details);
    label.setAccessibleDescription(details);
    const int before = heightForWidth(width());
    label.setText(text);
    // The log lays itself out again only when the lines take more or fewer
    // rows: on a refresh that would cost more than working out the evening.
    if (heightForWidth(width()) != before) updateGeometry();
    Place();
}

// Each line wrapped to the width, the whole of it shown, the second under
// the first.
void EveningHeader::Place() {
    const int luck = TextHeight(*luck_, width());
    luck_->setGeometry(0, 0, width(), luck);
    const int fairness = TextHeight(*fairness_, width());
    fairness_->setGeometry(0, luck + Gap(), width(), fairness);
    members_->setGeometry(0, luck + fairness + 2 * Gap(), width(), TextHeight(*members_, width()));
    members_->setVisible(!members_->text().isEmpty());
}

}  // namespace corvane
