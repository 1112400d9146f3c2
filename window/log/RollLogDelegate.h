#pragma once

#include <QStyledItemDelegate>

namespace corvane {

// Draws each roll of the log whole: its parts one under the other, each
// wrapped to the list's width, so no entry is cut short at the side.
class RollLogDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where an entry's text goes inside its row.
    static QRect TextRect(const QRect& row);
    static constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
};

}  // namespace corvane
