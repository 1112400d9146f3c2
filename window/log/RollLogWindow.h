#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QListView;

namespace corvane {

class Announcer;
class Dialogs;
class EveningHeader;
class RollLogModel;
class StatusLine;

// "Roll Log": the rolls of this run, newest first, in a window of its own
// beside the dice window, under the evening's luck and fairness. Ctrl+C copies the selected rolls,
// oldest first, or the newest when none is selected; Ctrl+S saves every roll to a file, and
// Ctrl+Shift+S the selected ones; Esc or Ctrl+W closes it.
class RollLogWindow final : public QWidget {
    Q_OBJECT
public:
    RollLogWindow(RollLogModel& log, Dialogs& dialogs, Announcer& announcer, QWidget* parent);

    QListView* Entries() const { return entries_; }
    QSize sizeHint() const override;
    QLabel* Status() const { return status_; }
    EveningHeader* Evening() const { return evening_; }
    // What else a saved log takes with it, saved once the log is: it is
    // given the log's path and says what it did, in a sentence.
    using Companion = std::function<QString(const QString& logPath)>;
    void SaveWithLog(Companion companion) { companion_ = std::move(companion); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ConnectSignals();
    void CopySelected();
    void Save(bool selectedOnly);
    void Tell(const QString& text);

    RollLogModel& log_;
    Dialogs& dialogs_;
    Announcer& announcer_;
    EveningHeader* evening_;
    QListView* entries_;
    QLabel* status_;
    StatusLine* statusLine_;
    Companion companion_;
};

}  // namespace corvane
