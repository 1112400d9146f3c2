#include "window/log/RollLogModel.h"

#include <algorithm>

#include "window/log/RollText.h"

namespace corvane {

RollLogModel::RollLogModel(QObject* parent)
    : QAbstractListModel(parent), refresh_([this] { ShowPending(); }) {}

void RollLogModel::Add(std::shared_ptr<const RollRecord> record) {
    if (!record) return;
    evening_.Add(*record);
    if (!record->Player.empty()) members_[record->Player].Add(*record);
    pending_.Add(std::move(record));
    refresh_.Request();
}

void RollLogModel::ShowPending() {
    const std::size_t incoming = pending_.Size();
    if (incoming == 0) return;
    // The rows the log will drop go first, so the view never shows a row
    // whose roll is gone.
    if (const std::size_t dropped = log_.DroppedByAdding(incoming); dropped > 0) {
        beginRemoveRows(QModelIndex(), rowCount() - static_cast<int>(dropped), rowCount() - 1);
        for (std::size_t i = 0; i < dropped; ++i) log_.DropOldest();
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), 0, static_cast<int>(incoming) - 1);
    log_.Absorb(pending_);
    shown_ += incoming;
    endInsertRows();
}

QList<const RollRecord*> RollLogModel::Records(const QModelIndexList& rows) const {
    QList<int> newestFirst;
    for (const QModelIndex& index : rows) {
        if (index.isValid() && index.row() < rowCount()) newestFirst << index.row();
    }
    // The log lists the newest first; shared, the rolls read in the order made.
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<>());
    QList<const RollRecord*> records;
    for (int row : newestFirst) records << &log_.At(static_cast<std::size_t>(row));
    return records;
}

QModelIndexList RollLogModel::AllRows() const {
    QModelIndexList rows;
    for (int row = 0; row < rowCount(); ++row) rows << index(row);
    return rows;
}

QString RollLogModel::CopiedLines(const QModelIndexList& rows) const {
    QStringList lines;
    for (const RollRecord* record : Records(rows)) lines << CopiedEntry(*record);
    return lines.join(QLatin1Char('\n'));
}

int RollLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(log_.Size());
}

QVariant RollLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const RollRecord& record = log_.At(static_cast<std::size_t>(index.row()));
    switch (role) {
        case Qt::DisplayRole:
            return LogEntry(record).join(QLatin1Char('\n'));
        case Qt::AccessibleTextRole:
            return CopiedEntry(record);
        case kSerialRole:
            return shown_ - 1 - static_cast<qulonglong>(index.row());
        default:
            return {};
    }
}

}  // namespace corvane
