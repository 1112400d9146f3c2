#pragma once

#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace corvane {

class ChancesChart;

// What screen readers see of the chances chart: a chart whose items are its
// columns, one per count on the axis, numbered along it. The item the
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

// One column of the chances chart, as screen readers see it: its text is the
// column's tooltip ("4 successes: 23.4%"), and it has the focus while the
// keyboard is on it.
class ChancesColumnAccessible final : public QAccessibleInterface {
public:
    ChancesColumnAccessible(ChancesChart* chart, int index);

    int Index() const { return index_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    int Count() const;

    QPointer<ChancesChart> chart_;
    int index_;
};

}  // namespace corvane
