#pragma once

#include <QObject>
#include <memory>

class QWidget;

namespace corvane {

class ChancesSource;
class ChancesWindow;
class RollLogModel;
class RollLogWindow;
struct RollerState;
struct RollRecord;

// The windows beside the dice window and what they show: the roll log, which
// gathers every completed roll from the start whether its window is open or
// not, and the chances chart. Each is made when first shown and closes with
// the dice window.
class SideWindows final : public QObject {
    Q_OBJECT
public:
    // The chart reads the last roll from `state`, the fields and the selected
    // row from `source`.
    SideWindows(QWidget& diceWindow, const RollerState& state, ChancesSource& source);

    // A roll completed.
    void RollCompleted(std::shared_ptr<const RollRecord> record);
    // The odds changed: after a roll, or as a field or the selected row changed.
    void OddsChanged();
    void CloseAll();

    void ShowLog();
    void ShowChances();

    const RollLogModel& Log() const { return *log_; }
    // Null until first shown.
    RollLogWindow* LogWindow() const { return logWindow_; }
    ChancesWindow* Chances() const { return chancesWindow_; }

signals:
    // A side window was just made; the commands join it here.
    void created(QWidget* window);

private:
    QWidget& diceWindow_;
    const RollerState& state_;
    ChancesSource& source_;
    RollLogModel* log_;
    RollLogWindow* logWindow_ = nullptr;
    ChancesWindow* chancesWindow_ = nullptr;
};

}  // namespace corvane
