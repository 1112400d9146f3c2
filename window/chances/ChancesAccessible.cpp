#include "window/chances/ChancesAccessible.h"

#include <QWidget>
#include <QWindow>

#include "window/chances/ChancesChart.h"

namespace corvane {

ChancesChartAccessible::ChancesChartAccessible(ChancesChart* chart)
    : QAccessibleWidget(chart, QAccessible::Chart) {}

ChancesChartAccessible::~ChancesChartAccessible() {
    for (const QAccessible::Id id : std::as_const(columns_))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* ChancesChartAccessible::Create(const QString& className, QObject* object) {
    if (className != QLatin1String(ChancesChart::staticMetaObject.className())) return nullptr;
    return new ChancesChartAccessible(static_cast<ChancesChart*>(object));
}

ChancesChart* ChancesChartAccessible::Chart() const { return static_cast<ChancesChart*>(widget()); }

int ChancesChartAccessible::childCount() const {
    return Chart()->HasData() ? Chart()->Data().Counts() : 0;
}

QAccessibleInterface* ChancesChartAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    auto known = columns_.constFind(index);
    if (known == columns_.constEnd()) {
        const QAccessible::Id id =
            QAccessible::registerAccessibleInterface(new ChancesColumnAccessible(Chart(), index));
        known = columns_.insert(index, id);
    }
    return QAccessible::accessibleInterface(*known);
}

int ChancesChartAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* column = dynamic_cast<const ChancesColumnAccessible*>(child);
    if (!column || !column->isValid() || column->parent() != this) return -1;
    return column->Index();
}

QAccessibleInterface* ChancesChartAccessible::childAt(int x, int y) const {
    const std::optional<int> count = Chart()->CountAt(Chart()->mapFromGlobal(QPoint(x, y)));
    return count ? child(Chart()->Data().Axis().IndexOf(*count)) : nullptr;
}

QAccessibleInterface* ChancesChartAccessible::focusChild() const {
    if (!Chart()->hasFocus() || !Chart()->HasData()) return nullptr;
    return child(Chart()->Data().Axis().IndexOf(Chart()->CurrentCount()));
}

ChancesColumnAccessible::ChancesColumnAccessible(ChancesChart* chart, int index)
    : chart_(chart), index_(index) {}

int ChancesColumnAccessible::Count() const { return chart_->Data().Axis().CountAt(index_); }

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
