#pragma once

#include <QAbstractListModel>
#include <map>
#include <memory>
#include <string>

#include "engine/EveningLuck.h"
#include "engine/RollLog.h"
#include "window/common/RefreshThrottle.h"

namespace corvane {

// The roll log as a list: one row per completed roll, newest first. A row
// shows its log entry, a line for each part; its accessible text is the
// entry as it copies, on one line.
//
// New rolls reach the rows at most five times a second: a log window
// repaints long lines of text, and a player rolling fast should not wait for
// it. A roll after a quiet spell shows at once.
//
// It also keeps the evening's tallies: every roll since the program started,
// those the log has let go of too.
class RollLogModel final : public QAbstractListModel {
    Q_OBJECT
public:
    // A row's roll, numbered in the order the rows took them in: the same
    // number is never another roll's, so a view may keep what it measured.
    static constexpr int kSerialRole = Qt::UserRole + 1;

    explicit RollLogModel(QObject* parent = nullptr);

    // A roll completed: it counts for the evening at once and becomes the
    // first row, and past the log's capacity the oldest row goes.
    void Add(std::shared_ptr<const RollRecord> record);
    const EveningTally& Evening() const { return evening_; }
    // At a shared table, each member's evening, by name.
    using Members = std::map<std::string, EveningTally>;
    const Members& MembersEvenings() const { return members_; }
    // Shows the rolls still waiting, now.
    void CatchUp() { refresh_.RefreshNow(); }
    // The rolls of the given rows, oldest first, as they were made.
    QList<const RollRecord*> Records(const QModelIndexList& rows) const;
    // Every row, newest first.
    QModelIndexList AllRows() const;
    // The copied entries of the given rows, oldest first, one to a line.
    QString CopiedLines(const QModelIndexList& rows) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void ShowPending();

    RollLog log_;
    // Rolls not shown yet; past the log's capacity only the newest wait.
    RollLog pending_;
    // How many rolls have become rows, those dropped since too.
    qulonglong shown_ = 0;
    RefreshThrottle refresh_;
    EveningTally evening_;
    Members members_;
};

}  // namespace corvane
