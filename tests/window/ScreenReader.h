#pragma once

#include <QAccessible>
#include <QSignalSpy>
#include <QStringList>
#include <QWidget>

namespace corvane::testing_support {

// What the window's one announcer was given, in order.
inline QStringList Said(const QSignalSpy& spy) {
    QStringList said;
    for (const QList<QVariant>& signal : spy) said << signal.at(0).toString();
    return said;
}

// The window's part a screen reader finds with the given role.
inline QAccessibleInterface* PartWithRole(QWidget& window, QAccessible::Role role) {
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < top->childCount(); ++i) {
        if (top->child(i)->role() == role) return top->child(i);
    }
    return nullptr;
}

}  // namespace corvane::testing_support
