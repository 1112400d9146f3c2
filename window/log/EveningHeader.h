#pragma once

#include <QWidget>

class QLabel;

namespace corvane {

class EveningTally;

// Over the roll log's entries: the evening's luck and whether the dice look
// fair, a line each, with the numbers behind them as their tooltips and, for
// screen readers, their descriptions.
class EveningHeader final : public QWidget {
    Q_OBJECT
public:
    explicit EveningHeader(QWidget* parent = nullptr);

    // Works the evening out afresh: cheap enough for each refresh of the log,
    // too dear for every roll.
    void Show(const EveningTally& evening);

    QLabel* Luck() const { return luck_; }
    QLabel* Fairness() const { return fairness_; }

private:
    QLabel* luck_;
    QLabel* fairness_;
};

}  // namespace corvane
