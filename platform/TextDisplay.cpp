#include "platform/TextDisplay.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "platform/Accessibility.h"

namespace platform {

TextDisplay::TextDisplay(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    installAccessibleInterfaces();
}

void TextDisplay::setText(const QString& text) {
    if (text == text_) return;
    const QRect changed = changedArea(text_, text);
    text_ = text;
    update(changed);
}

void TextDisplay::announce() {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

int TextDisplay::margin() const {
    return fontMetrics().height() / 4 + 1;  // room for a glyph reaching past its advance
}

const TextDisplay::Glyph& TextDisplay::glyph(QChar character) const {
    auto found = glyphs_.constFind(character);
    if (found != glyphs_.constEnd()) return *found;
    Glyph made;
    made.advance = fontMetrics().horizontalAdvance(character);
    const qreal ratio = devicePixelRatioF();
    const QSize size(made.advance + 2 * margin(), height());
    made.image = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
    made.image.setDevicePixelRatio(ratio);
    made.image.fill(Qt::transparent);
    QPainter painter(&made.image);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(margin(), 0, made.advance, height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QString(character));
    return *glyphs_.insert(character, made);
}

int TextDisplay::textWidth(const QString& text) const {
    int width = 0;
    for (QChar character : text) width += glyph(character).advance;
    return width;
}

QRect TextDisplay::changedArea(const QString& before, const QString& after) const {
    // A running time keeps its width and changes in its last digits: with the text right-aligned
    // only the area from the first differing character to the right edge needs repainting.
    const int width = textWidth(after);
    if (before.size() != after.size() || textWidth(before) != width) return rect();
    qsizetype same = 0;
    while (before[same] == after[same]) ++same;
    const int left = this->width() - width + textWidth(after.left(same)) - margin();
    return QRect(left, 0, this->width() - left, height());
}

void TextDisplay::paintEvent(QPaintEvent* event) {
    const bool movedToOtherScreen =
        !glyphs_.isEmpty() && glyphs_.begin()->image.devicePixelRatio() != devicePixelRatioF();
    if (movedToOtherScreen) glyphs_.clear();
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    int x = width();
    for (auto character = text_.crbegin(); character != text_.crend(); ++character) {
        const Glyph& shape = glyph(*character);
        x -= shape.advance;
        if (x + shape.advance + margin() < event->rect().left()) break;
        painter.drawImage(QPoint(x - margin(), 0), shape.image);
    }
}

void TextDisplay::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    const auto type = event->type();
    if (type == QEvent::FontChange || type == QEvent::PaletteChange) glyphs_.clear();
}

void TextDisplay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    glyphs_.clear();  // the glyph images are as tall as the display
}

}  // namespace platform
