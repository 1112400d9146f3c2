#include "window/common/StatusLine.h"

#include <QLabel>

#include "window/common/Announcer.h"

namespace corvane {

StatusLine::StatusLine(QLabel& label, Announcer& announcer)
    : QObject(label.window()), label_(label), announcer_(announcer) {}

void StatusLine::Tell(const QString& text) {
    label_.setText(text);
    announcer_.Announce(text);
}

StatusLine* StatusLine::Of(const QWidget* window) {
    // Only the window's own: the dice window is the parent of the windows beside it.
    return window ? window->findChild<StatusLine*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

}  // namespace corvane
