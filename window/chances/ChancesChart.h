#pragma once

#include <QAccessible>
#include <QWidget>
#include <optional>

#include "window/chances/ChancesData.h"

namespace corvane {

class Announcer;
class ChancesGeometry;
class ChancesLabels;

// The chances as a bar chart: a column for each count of successes on the
// axis, with a bar per series in it. It takes the focus; the arrow keys, Home,
// End, Page Up and Page Down move from column to column, over any break, a click picks one,
// and resting the mouse on one tells its chances. Screen readers see each
// column as an item of the chart and hear it as the keyboard reaches it, and
// hear that the keyboard is at an end when it tries to go past it.
class ChancesChart final : public QWidget {
    Q_OBJECT
public:
    ChancesChart(Announcer& announcer, QWidget* parent = nullptr);

    // Draws these chances. The column the keyboard is on starts on the rolled
    // count, goes back to it when the rolled count changes, and otherwise
    // stays where it was, as far as the axis still reaches.
    void Show(ChancesData chances);

    bool HasData() const { return data_.has_value(); }
    const ChancesData& Data() const { return *data_; }
    int CurrentCount() const { return current_; }
    // What a column tells, as its tooltip and its accessible text.
    QString ColumnText(int successes) const;
    QRect ColumnRect(int successes) const;
    std::optional<int> CountAt(const QPoint& point) const;
    // Where the chart's texts go at its size now.
    ChancesLabels Labels() const;

    QSize sizeHint() const override;
    // As tall as its texts and a readable plot need, at any font size.
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    ChancesGeometry Geometry() const;
    void MoveTo(int successes);
    // The keyboard asked for a column before the first (step < 0) or past the
    // last one.
    void SayEnd(int step);
    // Tells screen readers about the column the keyboard is on.
    void AnnounceCurrent(QAccessible::Event what);

    Announcer& announcer_;
    std::optional<ChancesData> data_;
    int current_ = 0;
};

}  // namespace corvane
