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

// The view, while it still is one: a view that owns its model (a
// QListWidget) empties it as it is destroyed, when it is a plain widget.
QAbstractItemView* Alive(QObject* view) { return qobject_cast<QAbstractItemView*>(view); }

}  // namespace

void KeepCurrentRowHeard(QAbstractItemView& view) {
    QObject* const object = &view;
    QObject::connect(qApp, &QApplication::focusChanged, object, [object](QWidget*, QWidget* now) {
        if (QAbstractItemView* list = Alive(object); list && now == list) SayCurrentRowSoon(*list);
    });
    QAbstractItemModel* rows = view.model();
    auto rowBefore = std::make_shared<int>(-1);
    QObject::connect(rows, &QAbstractItemModel::modelAboutToBeReset, object, [object, rowBefore] {
        if (QAbstractItemView* list = Alive(object)) *rowBefore = list->currentIndex().row();
    });
    QObject::connect(rows, &QAbstractItemModel::modelReset, object, [object, rows, rowBefore] {
        QAbstractItemView* list = Alive(object);
        if (!list || !list->hasFocus() || rows->rowCount() == 0) return;
        const int row = std::clamp(*rowBefore, 0, rows->rowCount() - 1);
        // The current row only: which rows are selected is the list's owner's
        // business.
        list->selectionModel()->setCurrentIndex(rows->index(row, 0), QItemSelectionModel::NoUpdate);
        SayCurrentRowSoon(*list);
    });
}

}  // namespace corvane
