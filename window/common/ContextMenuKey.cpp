#include "window/common/ContextMenuKey.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QShortcut>
#include <QWidget>

namespace corvane {
namespace {

// What Qt sends for the Menu key: a keyboard context menu event to the
// focused widget, at its cursor (a list's current row).
void OpenContextMenu(QWidget& window) {
    QWidget* focused = window.focusWidget() ? window.focusWidget() : &window;
    const QPoint at = focused->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focused->mapToGlobal(at));
    QApplication::sendEvent(focused, &event);
}

}  // namespace

void AddContextMenuKey(QWidget& window) {
    // A shortcut and not an action, so that it is not listed among the
    // window's commands in the very menu it opens.
    auto* key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
    QObject::connect(key, &QShortcut::activated, &window, [&window] { OpenContextMenu(window); });
}

}  // namespace corvane
