#include "window/common/AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace corvane {
namespace {

// The dynamic property that holds the role a widget plays.
constexpr char kRoleProperty[] = "corvaneAccessibleRole";

// The status line speaks as what it shows; a plain widget interface would
// give only its accessible name.
class StatusLineAccessible final : public QAccessibleWidget {
public:
    explicit StatusLineAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(type);
    }
};

QAccessibleInterface* Create(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    switch (const auto played = static_cast<QAccessible::Role>(role.toInt())) {
        case QAccessible::StatusBar:
            return new StatusLineAccessible(static_cast<QLabel*>(widget));
        default:
            return new QAccessibleWidget(widget, played);
    }
}

void Expose(QWidget& widget, QAccessible::Role role) {
    // Installed here, once the application exists (Qt ignores a second
    // install): Qt asks the factory installed last first, and installs its
    // own for every widget with the application.
    QAccessible::installFactory(&Create);
    widget.setProperty(kRoleProperty, static_cast<int>(role));
    // Drop the interface Qt may have made before the role was set, so that
    // the next question makes it with the role.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget)) {
        if (made->role() != role)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

}  // namespace

void ExposeAsWindow(QWidget& window) { Expose(window, QAccessible::Window); }
void ExposeAsStatusLine(QLabel& label) { Expose(label, QAccessible::StatusBar); }
void ExposeAsNotification(QWidget& widget) { Expose(widget, QAccessible::Notification); }

}  // namespace corvane
