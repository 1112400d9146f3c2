#pragma once

#include <QWidget>

class QListView;

namespace corvane {

class RollLogModel;

// "Roll Log": the rolls of this run, newest first, in a window of its own
// beside the dice window. Ctrl+C copies the selected rolls, oldest first, or
// the newest when none is selected; Esc or Ctrl+W closes it.
class RollLogWindow final : public QWidget {
    Q_OBJECT
public:
    RollLogWindow(RollLogModel& log, QWidget* parent);

    QListView* Entries() const { return entries_; }

private:
    void ConnectSignals();
    void CopySelected();

    RollLogModel& log_;
    QListView* entries_;
};

}  // namespace corvane
