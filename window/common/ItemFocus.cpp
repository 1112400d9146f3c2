#include "window/common/ItemFocus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace corvane {
namespace {

// Tells screen readers that the view's current row has the focus, if the view
// has it.
void SayCurrentRow(QAbstractItemView& view) {
    const QModelIndex current = view.currentIndex();
    if (!QAccessible::isActive() || !view.hasFocus() || !current.isValid()) return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
    QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
    QAccessibleInterface* cell = table ? table->cellAt(current.row(), current.column()) : nullptr;
    if (!cell) return;
    QAccessibleEvent focus(&view, QAccessible::Focus);
    focus.setChild(list->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

// After the events of this moment, once Qt has told screen readers its own
// order of things.
void SayCurrentRowSoon(QAbstractItemView& view) {
    QTimer::singleShot(0, &view, [&view] { SayCurrentRow(view); });
}

}  // namespace

void KeepCurrentRowHeard(QAbstractItemView& view) {
    QObject::connect(qApp, &QApplication::focusChanged, &view, [&view](QWidget*, QWidget* now) {
        if (now == &view) SayCurrentRowSoon(view);
    });
    QAbstractItemModel* rows = view.model();
    auto rowBefore = std::make_shared<int>(-1);
    QObject::connect(rows, &QAbstractItemModel::modelAboutToBeReset, &view,
                     [&view, rowBefore] { *rowBefore = view.currentIndex().row(); });
    QObject::connect(rows, &QAbstractItemModel::modelReset, &view, [&view, rows, rowBefore] {
        if (!view.hasFocus() || rows->rowCount() == 0) return;
        const int row = std::clamp(*rowBefore, 0, rows->rowCount() - 1);
        // The current row only: which rows are selected is the list's owner's
        // business.
        view.selectionModel()->setCurrentIndex(rows->index(row, 0), QItemSelectionModel::NoUpdate);
        SayCurrentRowSoon(view);
    });
}

}  // namespace corvane
