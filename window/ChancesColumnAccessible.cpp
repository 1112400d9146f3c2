#include "window/ChancesColumnAccessible.h"

#include <QWidget>
#include <QWindow>

#include "window/ChancesChart.h"

namespace corvane {

ChancesColumnAccessible::ChancesColumnAccessible(ChancesChart* chart, int index)
    : chart_(chart), index_(index) {}

int ChancesColumnAccessible::Count() const { return chart_->Data().FirstCount() + index_; }

bool ChancesColumnAccessible::isValid() const {
    // The axis may have grown shorter since this column was made.
    return chart_ && chart_->HasData() && index_ < chart_->Data().Counts();
}

QWindow* ChancesColumnAccessible::window() const {
    return chart_ ? chart_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ChancesColumnAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(chart_.data());
}

QString ChancesColumnAccessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name || !isValid()) return {};
    return chart_->ColumnText(Count());
}

QRect ChancesColumnAccessible::rect() const {
    if (!isValid()) return {};
    const QRect column = chart_->ColumnRect(Count());
    return QRect(chart_->mapToGlobal(column.topLeft()), column.size());
}

QAccessible::State ChancesColumnAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.selectable = true;
    const bool current = chart_->CurrentCount() == Count();
    state.selected = current;
    state.focused = current && chart_->hasFocus();
    return state;
}

}  // namespace corvane
