#pragma once

#include <QWidget>

class QLabel;

namespace corvane {

class Announcer;
class ChancesChart;
class RefreshThrottle;
class Roller;
class RollerInputs;

// "Chances": the chart of how likely each number of successes is, in a window
// of its own beside the dice window, following it: it redraws after every
// completed roll and as either field or the selected row changes. The summary
// over the chart is also the window's accessible description. Esc or Ctrl+W
// closes it.
//
// Redraws come at most five times a second (RefreshThrottle), so fast rolling
// is not held up by painting; a change after a quiet spell shows at once.
class ChancesWindow final : public QWidget {
    Q_OBJECT
public:
    // Reads the pool and the last roll from `roller`, the fields and the
    // selected row from `inputs`; says what it has to through `announcer`.
    ChancesWindow(const Roller& roller, RollerInputs& inputs, Announcer& announcer,
                  QWidget* parent);

    // Something the chart shows has changed.
    void Follow();

    ChancesChart* Chart() const { return chart_; }
    QLabel* Summary() const { return summary_; }
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ConnectSignals();
    void Refresh();

    const Roller& roller_;
    RollerInputs& inputs_;
    QLabel* summary_;
    QWidget* summaryArea_ = nullptr;
    ChancesChart* chart_;
    RefreshThrottle* refresh_;
};

}  // namespace corvane
