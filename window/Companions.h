#pragma once

#include <QObject>
#include <memory>

class QPoint;
class QWidget;

namespace corvane {

class RollLogModel;
class RollLogWindow;
struct RollerControls;
struct RollRecord;

// What sits beside the designed dice window: copying the last roll (Ctrl+C),
// the roll log (Ctrl+L) and the results list's context menu that offers both.
class Companions final : public QObject {
    Q_OBJECT
public:
    Companions(QWidget& window, const RollerControls& ui);

    // A roll completed.
    void RollCompleted(std::shared_ptr<const RollRecord> record);
    // The dice window is closing; its companions go with it.
    void CloseAll();

    // Puts the last completed roll on the clipboard as one line.
    void CopyRoll();
    void ShowLog();

    const RollLogModel& Log() const { return *log_; }
    // Null until the log is first opened.
    RollLogWindow* LogWindow() const { return logWindow_; }

protected:
    // Ctrl+C in a field with no text selected copies the roll, not nothing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectSignals();
    void ShowListMenu(const QPoint& at);

    QWidget& window_;
    const RollerControls& ui_;
    RollLogModel* log_;
    RollLogWindow* logWindow_ = nullptr;
};

}  // namespace corvane
