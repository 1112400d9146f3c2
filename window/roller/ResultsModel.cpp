#include "window/roller/ResultsModel.h"

#include "engine/RollerState.h"

namespace corvane {

ResultsModel::ResultsModel(const RollerState& state, QObject* parent)
    : QAbstractListModel(parent), state_(state) {}

void ResultsModel::Refresh() {
    beginResetModel();
    rows_ = static_cast<int>(state_.DiceResults.Dice().size());
    target_ = state_.TargetNumber;
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
    const auto dice = state_.DiceResults.Dice();
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || row >= dice.size()) return {};
    if (role == Qt::AccessibleTextRole) return SpokenRow(index.row(), dice[row]);
    return QString::number(dice[row].Value());
}

QString ResultsModel::SpokenRow(int row, Int16 die) const {
    const QString number = QString::number(die.Value());
    //: How a screen reader reads a die in the results list; %1 is the die.
    const QString spoken =
        IsSuccess(die, target_) ? tr("%1, success").arg(number) : tr("%1, failure").arg(number);
    if (row > 0) return spoken;
    //: The first row of the results list, the highest die; %1 is "14, success", %2 the
    //: number of dice.
    return tr("%1, high roll, die 1 of %2").arg(spoken, QString::number(rows_));
}

}  // namespace corvane
