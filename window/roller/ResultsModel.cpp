#include "window/roller/ResultsModel.h"

#include "runtime/ResultArray.h"

namespace corvane {

ResultsModel::ResultsModel(const ResultArray& pool, QObject* parent)
    : QAbstractListModel(parent), pool_(pool) {}

void ResultsModel::Refresh() {
    beginResetModel();
    rows_ = static_cast<int>(pool_.Dice().size());
    endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    // A list has no children under its rows.
    return parent.isValid() ? 0 : rows_;
}

QModelIndex ResultsModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || column != 0 || row < 0 || row >= rows_) return {};
    return createIndex(row, column);
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const auto dice = pool_.Dice();
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || row >= dice.size()) return {};
    return QString::number(dice[row].Value());
}

}  // namespace corvane
