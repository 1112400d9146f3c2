#pragma once

#include <QList>
#include <QWidget>

#include "window/pools/SavedPool.h"

class QLabel;
class QListWidget;

namespace corvane {

class Announcer;
class PoolKeeper;
class StatusLine;

// "Pools": the saved pools in the player's order, in a window beside the dice
// window. Enter or a double click rolls the selected pool; F2 renames it,
// Delete deletes it (Ctrl+Z brings it back while the window stays open), and
// Alt+Up and Alt+Down move it. Export and import are in its menu.
class PoolsWindow final : public QWidget {
    Q_OBJECT
public:
    PoolsWindow(PoolKeeper& keeper, Announcer& announcer, QWidget* parent);

    QSize sizeHint() const override;

    QListWidget* Entries() const { return entries_; }
    QLabel* Status() const { return status_; }

signals:
    // The player asked to roll this pool.
    void rollRequested(const SavedPool& pool);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SetupActions();
    void ConnectSignals();
    void ShowPools();
    // The selected pool's name; empty when none is selected.
    QString Selected() const;
    void RollSelected();
    void DeleteSelected();
    void UndoDelete();
    void MoveSelected(qsizetype by);

    struct Deleted {
        SavedPool pool;
        qsizetype at;
    };

    PoolKeeper& keeper_;
    QListWidget* entries_;
    QLabel* status_;
    StatusLine* statusLine_;
    QStringList shown_;       // the names of the rows, as they show now
    QList<Deleted> deleted_;  // newest last; forgotten when the window closes
};

}  // namespace corvane
