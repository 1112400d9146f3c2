#include "window/log/EveningHeader.h"

#include <QLabel>
#include <QVBoxLayout>

#include "engine/EveningLuck.h"
#include "window/log/EveningText.h"

namespace corvane {
namespace {

void SetLine(QLabel& label, const QString& text, const QString& details) {
    label.setText(text);
    label.setToolTip(details);
    label.setAccessibleDescription(details);
}

}  // namespace

EveningHeader::EveningHeader(QWidget* parent)
    : QWidget(parent), luck_(new QLabel(this)), fairness_(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QLabel* line : {luck_, fairness_}) {
        line->setTextFormat(Qt::PlainText);
        // A long evening's numbers may need a second line.
        line->setWordWrap(true);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(line);
    }
}

void EveningHeader::Show(const EveningTally& evening) {
    const EveningLuck luck = evening.Luck();
    SetLine(*luck_, EveningText::Luck(luck), EveningText::LuckDetails(luck));
    const FairnessCheck fairness = CheckFairness(evening.Faces());
    SetLine(*fairness_, EveningText::Fairness(fairness),
            EveningText::FairnessDetails(fairness, evening.Faces()));
}

}  // namespace corvane
