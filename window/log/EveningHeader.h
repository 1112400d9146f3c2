#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <string>

class QLabel;

namespace corvane {

class EveningTally;
class RefreshThrottle;

// Over the roll log's entries: the evening's luck and whether the dice look
// fair, a line each, with the numbers behind them as their tooltips and, for
// screen readers, their descriptions. A line too long for the window wraps,
// as the entries under it do, and the header grows to show it whole.
//
// Working the evening out costs more than a roll's row, and the evening moves
// slowly: while rolls come fast, the lines follow once a second. A roll after
// a quiet spell shows at once, and a hidden header catches up when shown.
class EveningHeader final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 1000;

    // `members`, at a shared table, gives each member's evening a line of its
    // own under the whole table's.
    EveningHeader(const EveningTally& evening, const std::map<std::string, EveningTally>& members,
                  QWidget* parent = nullptr);

    // The evening has new rolls.
    void Follow();

    QLabel* Luck() const { return luck_; }
    QLabel* Fairness() const { return fairness_; }
    QLabel* Members() const { return members_; }

    // Wide enough for a long evening's lines unwrapped; narrower, they wrap.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Refresh();
    void SetLine(QLabel& label, const QString& text, const QString& details);
    void Place();
    int Gap() const;
    int TextHeight(const QLabel& label, int width) const;

    const EveningTally& evening_;
    const std::map<std::string, EveningTally>& memberEvenings_;
    QLabel* luck_;
    QLabel* fairness_;
    QLabel* members_;
    RefreshThrottle* refresh_;
};

}  // namespace corvane
