#include "window/common/Announcer.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>

#include "window/common/AccessibleRoles.h"

namespace corvane {
namespace {

void Speak(QWidget* voice, const QString& text) {
    // Screen readers speak a notification as it shows (Orca ignores a
    // label's changed text); the voice stays shown, so telling them it
    // showed again is enough.
    voice->setAccessibleName(text);
    QAccessibleEvent shown(voice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace

Announcer::Announcer(QWidget* window) {
    if (!window) return;
    // Empty, unpainted and out of the way of the mouse and the keyboard: the
    // window looks and works as it did.
    voice_ = new QWidget(window);
    voice_->setGeometry(0, 0, 0, 0);
    voice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    voice_->setFocusPolicy(Qt::NoFocus);
    ExposeAsNotification(*voice_);
}

void Announcer::Announce(const QString& text) {
    emit announced(text);
    if (!voice_) return;
    // After the events of this moment, so that what they tell screen readers
    // (the focus coming back to a list's row, say) comes first and does not
    // cut the message short.
    QTimer::singleShot(0, voice_, [voice = voice_, text] { Speak(voice, text); });
}

}  // namespace corvane
