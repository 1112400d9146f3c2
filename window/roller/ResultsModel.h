#pragma once

#include <QAbstractListModel>

#include "runtime/Int16.h"

namespace corvane {

struct RollerState;

// The pool as the results list shows it: one row per die, largest first, each
// row's text made when the view asks for it. A refill costs one reset instead
// of an object per die, which is most of what a big roll used to cost.
//
// Screen readers hear each row as the die and whether it succeeded
// ("14, success"); the first row also says it is the high roll and which of
// how many dice it is. The eye sees the number alone.
class ResultsModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ResultsModel(const RollerState& state, QObject* parent = nullptr);

    // Shows the pool as it is now. The old rows go, and with them the selected
    // row and the current one.
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The view lays out every row after a refresh; checking the row directly
    // saves the two virtual calls the base class makes for each one.
    QModelIndex index(int row, int column = 0,
                      const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QString SpokenRow(int row, Int16 die) const;

    const RollerState& state_;
    // The rows the view was told of at the last refresh, and the target
    // they were rolled against.
    int rows_ = 0;
    Int16 target_;
};

}  // namespace corvane
