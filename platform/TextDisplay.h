// A one-line text display that is cheap to change many times a second: it paints its text
// itself (no layout or size-hint work per change) and tells assistive technology about a new
// text only when asked, so a running readout doesn't flood a screen reader. Asked for its
// name, it always gives the current text.
#pragma once

#include <QWidget>

namespace platform {

class TextDisplay : public QWidget {
public:
    TextDisplay(const QString& text, QWidget* parent);

    QString text() const { return text_; }
    /// Repaints when the text differs; sends no accessibility event.
    void setText(const QString& text);
    /// Tells assistive technology that the text (the display's accessible name) has changed.
    void announce();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace platform
