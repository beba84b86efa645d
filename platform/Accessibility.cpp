#include "platform/Accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

#include "platform/TextDisplay.h"

namespace platform {

namespace {

const char* const kRoleProperty = "tamoruAccessibleRole";

class AccessibleTextDisplay : public QAccessibleWidget {
public:
    explicit AccessibleTextDisplay(TextDisplay* display)
        : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name || kind == QAccessible::Value) {
            return static_cast<const TextDisplay*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (auto* display = qobject_cast<TextDisplay*>(object)) {
        return new AccessibleTextDisplay(display);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget ? widget->property(kRoleProperty) : QVariant();
    if (role.isValid()) return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
}

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    installAccessibleInterfaces();
    widget->setProperty(kRoleProperty, int(role));
}

}  // namespace platform
