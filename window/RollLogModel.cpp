#include "window/RollLogModel.h"

#include <algorithm>

#include "window/RollText.h"

namespace corvane {

RollLogModel::RollLogModel(QObject* parent)
    : QAbstractListModel(parent), refresh_([this] { ShowPending(); }) {}

void RollLogModel::Add(std::shared_ptr<const RollRecord> record) {
    if (!record) return;
    // Rolls the log has no room for need not wait to be shown.
    if (pending_.size() == RollLog::kCapacity) pending_.erase(pending_.begin());
    pending_.push_back(std::move(record));
    refresh_.Request();
}

const RollRecord* RollLogModel::Newest() const {
    if (!pending_.empty()) return pending_.back().get();
    return log_.Size() == 0 ? nullptr : &log_.At(0);
}

void RollLogModel::ShowPending() {
    if (pending_.empty()) return;
    // More rolls than the log holds keep only the newest.
    const std::size_t incoming = std::min(pending_.size(), RollLog::kCapacity);
    const std::size_t keep = RollLog::kCapacity - incoming;
    if (log_.Size() > keep) {
        beginRemoveRows(QModelIndex(), static_cast<int>(keep), rowCount() - 1);
        while (log_.Size() > keep) log_.DropOldest();
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), 0, static_cast<int>(incoming) - 1);
    for (std::size_t i = pending_.size() - incoming; i < pending_.size(); ++i) {
        log_.Add(std::move(pending_[i]));
    }
    endInsertRows();
    pending_.clear();
}

QString RollLogModel::CopiedLines(const QModelIndexList& rows) const {
    QList<int> newestFirst;
    for (const QModelIndex& index : rows) {
        if (index.isValid() && index.row() < rowCount()) newestFirst << index.row();
    }
    // The log lists the newest first; shared, the rolls read in the order made.
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<>());
    QStringList lines;
    for (int row : newestFirst) lines << CopiedLine(log_.At(static_cast<std::size_t>(row)));
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
        case Qt::ToolTipRole:  // the whole line, where the window cuts it short
            return LogLine(record);
        case Qt::AccessibleTextRole:
            return CopiedLine(record);
        default:
            return {};
    }
}

}  // namespace corvane
