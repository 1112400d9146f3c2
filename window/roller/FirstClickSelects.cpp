#include "window/roller/FirstClickSelects.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace corvane {

FirstClickSelects::FirstClickSelects(QLineEdit* field) : QObject(field), field_(field) {
    field_->installEventFilter(this);
}

bool FirstClickSelects::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn:
            // A press gives the focus before the field sees the press itself;
            // the window selects the whole text as the focus arrives.
            focusingClick_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            break;
        case QEvent::FocusOut:
            focusingClick_ = false;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
            // Placing the cursor, or dragging a selection, would undo it.
            return focusingClick_;
        case QEvent::MouseButtonRelease: {
            const bool swallow = focusingClick_;
            focusingClick_ = false;
            return swallow;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
