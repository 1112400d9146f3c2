#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace corvane {

class ChancesChart;

// What screen readers see of the chances chart: a chart whose items are its
// columns, one per count on the axis, counted from the first. The item the
// keyboard is on is the focused one.
class ChancesChartAccessible final : public QAccessibleWidget {
public:
    explicit ChancesChartAccessible(ChancesChart* chart);
    ~ChancesChartAccessible() override;

    // The factory Qt asks for the chart's interface.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ChancesChart* Chart() const;

    // Made as screen readers ask for them, and kept, so each has one lasting
    // id. A column reads the chart when asked, so it never goes stale.
    mutable QHash<int, QAccessible::Id> columns_;
};

}  // namespace corvane
