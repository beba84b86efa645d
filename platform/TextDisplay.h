// A one-line, right-aligned text display that is cheap to change many times a second, for a
// running time readout. Each character is drawn once into a small cached image and the text is
// put together from those, so a change repaints only the characters from the first one that
// differs, with no text shaping per change. Assistive technology hears of a new text only when
// asked (a running readout would flood a screen reader), but asked for the display's name it
// always gives the current text.
#pragma once

#include <QHash>
#include <QImage>
#include <QWidget>

namespace platform {

class TextDisplay : public QWidget {
    Q_OBJECT

public:
    TextDisplay(const QString& text, QWidget* parent);

    QString text() const { return text_; }
    /// Repaints what differs; sends no accessibility event.
    void setText(const QString& text);
    /// Tells assistive technology that the text (the display's accessible name) has changed.
    void announce();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Glyph {
        QImage image;  // the character on a transparent ground, `margin` wider on each side
        int advance = 0;
    };

    const Glyph& glyph(QChar character) const;
    int textWidth(const QString& text) const;
    int margin() const;
    /// The part of the display that differs between the two texts.
    QRect changedArea(const QString& before, const QString& after) const;

    QString text_;
    mutable QHash<QChar, Glyph> glyphs_;
};

}  // namespace platform
