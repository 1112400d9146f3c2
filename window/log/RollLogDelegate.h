#pragma once

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>

namespace corvane {

// Draws each roll of the log whole: its parts one under the other, each
// wrapped to the list's width, so no entry is cut short at the side.
//
// The list measures every row again each time rows come in; wrapping a
// thousand entries would cost a tenth of a second a roll. So each entry's
// height is measured once for the list's width and font, and kept.
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

private:
    // Heights by the model's serial number, for this width and font.
    mutable QHash<qulonglong, int> heights_;
    mutable int measuredWidth_ = -1;
    mutable QFont measuredFont_;
};

}  // namespace corvane
