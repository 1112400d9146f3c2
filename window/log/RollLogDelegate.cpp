#include "window/log/RollLogDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

#include "engine/RollLog.h"
#include "window/log/RollLogModel.h"

namespace corvane {
namespace {

// Between an entry's text and the edges of its row.
constexpr int kMargin = 3;

}  // namespace

QRect RollLogDelegate::TextRect(const QRect& row) {
    return row.adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

void RollLogDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    // The style draws the row's background, selection and focus; the text is
    // drawn here, wrapped the way sizeHint measured it.
    item.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
    const QPalette::ColorGroup group =
        item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const QPalette::ColorRole role =
        item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setPen(item.palette.color(group, role));
    painter->setFont(item.font);
    painter->drawText(TextRect(item.rect), kTextFlags, text);
    painter->restore();
}

QSize RollLogDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    // As wide as the list shows, and as tall as the wrapped text needs.
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const int width = view ? view->viewport()->width() : option.rect.width();
    if (width != measuredWidth_ || option.font != measuredFont_) {
        heights_.clear();
        measuredWidth_ = width;
        measuredFont_ = option.font;
    }
    const QVariant serial = index.data(RollLogModel::kSerialRole);
    if (serial.isValid()) {
        if (const auto kept = heights_.constFind(serial.toULongLong()); kept != heights_.cend()) {
            return QSize(width, *kept);
        }
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QRect text = TextRect(QRect(0, 0, width, 0));
    const QRect needed = item.fontMetrics.boundingRect(QRect(0, 0, std::max(1, text.width()), 0),
                                                       kTextFlags, item.text);
    const int height = needed.height() + 2 * kMargin;
    // Past a few times the rows the log holds, the kept heights are mostly of
    // rows long gone.
    if (static_cast<std::size_t>(heights_.size()) > 4 * RollLog::kCapacity) heights_.clear();
    if (serial.isValid()) heights_.insert(serial.toULongLong(), height);
    return QSize(width, height);
}

}  // namespace corvane
