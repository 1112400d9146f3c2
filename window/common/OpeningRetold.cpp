#include "window/common/OpeningRetold.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "window/common/Announcer.h"

namespace corvane {

OpeningRetold::OpeningRetold(Announcer& announcer) : announcer_(announcer) {
    QAccessible::installActivationObserver(this);
}

OpeningRetold::~OpeningRetold() { QAccessible::removeActivationObserver(this); }

void OpeningRetold::accessibilityActiveChanged(bool active) {
    // Qt may say so more than once as it connects; only the first counts.
    const bool connecting = active && !connected_;
    connected_ = active;
    if (!connecting) return;
    // Qt tells its observers before the connection is ready to carry
    // anything: tell the screen reader once that is done.
    QTimer::singleShot(0, &announcer_, [announcer = QPointer<Announcer>(&announcer_)] {
        QWidget* window = QApplication::activeWindow();
        QWidget* focused = QApplication::focusWidget();
        if (!announcer || !window || !focused) return;
        announcer->Announce(window->windowTitle());
        // After the title: Orca lets the first focus in a window it has just
        // learnt of follow what it is saying instead of cutting it short.
        QTimer::singleShot(0, focused, [focused] {
            QAccessibleEvent focus(focused, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        });
    });
}

}  // namespace corvane
