#include "window/common/ItemFocus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QTimer>

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
    // The list's owner puts the focus back on a row, if at all, as it
    // replaces the rows: say it once it has.
    QObject::connect(view.model(), &QAbstractItemModel::modelReset, object, [object] {
        if (QAbstractItemView* list = Alive(object)) SayCurrentRowSoon(*list);
    });
}

}  // namespace corvane
