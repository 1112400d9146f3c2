#include "window/roller/FirstClickSelects.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace corvane {

FirstClickSelects::FirstClickSelects(QLineEdit* field) : QObject(field), field_(field) {
    field_->installEventFilter(this);
    // Text set by the program (the fields rewritten after a roll) is not the player's.
    connect(field_, &QLineEdit::textChanged, this, [this] {
        if (!field_->isModified()) touched_ = false;
    });
}

bool FirstClickSelects::PlayerSelected() const { return touched_ && field_->hasSelectedText(); }

const FirstClickSelects* FirstClickSelects::Of(const QLineEdit* field) {
    return field->findChild<const FirstClickSelects*>(QString(), Qt::FindDirectChildrenOnly);
}

bool FirstClickSelects::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn:
            // A press gives the focus before the field sees the press itself;
            // the window selects the whole text as the focus arrives.
            focusingClick_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            touched_ = false;
            break;
        case QEvent::FocusOut:
            focusingClick_ = false;
            break;
        case QEvent::KeyPress: {
            // A modifier on its way to a shortcut, or Ctrl+C itself, changes nothing.
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool modifier = key->key() == Qt::Key_Control || key->key() == Qt::Key_Shift ||
                                  key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta;
            if (!modifier && !key->matches(QKeySequence::Copy)) touched_ = true;
            break;
        }
        case QEvent::MouseButtonPress:
            // The program's whole selection is kept by the first click too.
            if (!touched_ && field_->hasSelectedText() &&
                field_->selectedText() == field_->text()) {
                focusingClick_ = true;
            }
            touched_ = true;
            return focusingClick_;
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
