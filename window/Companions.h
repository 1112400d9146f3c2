#pragma once

#include <QObject>
#include <memory>

class QPoint;
class QWidget;

namespace corvane {

class ChancesWindow;
class RollLogModel;
class RollLogWindow;
class RollerView;
struct RollerControls;
struct RollerState;
struct RollRecord;

// What sits beside the designed dice window: copying the last roll (Ctrl+C),
// the roll log (Ctrl+L), the chances chart (Ctrl+G) and the results list's
// context menu that offers all three.
class Companions final : public QObject {
    Q_OBJECT
public:
    // The chances chart reads the last roll from `state`, the target as typed
    // and the selected row from `view`.
    Companions(QWidget& window, const RollerControls& ui, const RollerState& state,
               RollerView& view);

    // A roll completed.
    void RollCompleted(std::shared_ptr<const RollRecord> record);
    // The odds changed: after a roll, or as the target or the selected row changed.
    void OddsChanged();
    // The dice window is closing; its companions go with it.
    void CloseAll();

    // Puts the last completed roll on the clipboard as one line.
    void CopyRoll();
    void ShowLog();
    void ShowChances();

    const RollLogModel& Log() const { return *log_; }
    // Null until the log is first opened.
    RollLogWindow* LogWindow() const { return logWindow_; }
    // Null until the chances are first opened.
    ChancesWindow* Chances() const { return chancesWindow_; }

protected:
    // Ctrl+C in a field with no text selected copies the roll, not nothing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectSignals();
    void ShowListMenu(const QPoint& at);

    QWidget& window_;
    const RollerControls& ui_;
    const RollerState& state_;
    RollerView& view_;
    RollLogModel* log_;
    RollLogWindow* logWindow_ = nullptr;
    ChancesWindow* chancesWindow_ = nullptr;
};

}  // namespace corvane
