#include "platform/TextDisplay.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace platform {

namespace {

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

}  // namespace

TextDisplay::TextDisplay(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            if (auto* display = dynamic_cast<TextDisplay*>(object)) {
                return new AccessibleTextDisplay(display);
            }
            return nullptr;
        });
        return true;
    }();
    (void)factoryInstalled;
}

void TextDisplay::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void TextDisplay::announce() {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TextDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignRight | Qt::AlignVCenter, text_);
}

}  // namespace platform
