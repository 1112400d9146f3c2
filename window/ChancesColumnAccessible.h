#pragma once

#include <QAccessibleInterface>
#include <QPointer>

namespace corvane {

class ChancesChart;

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
