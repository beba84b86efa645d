// The controls of the form: command button, label, list box and timer, each a thin wrapper that
// gives the handlers the properties they use (Caption, Visible, Top, ...) and nothing more.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <functional>

#include "platform/Control.h"

class QListView;
class QPushButton;

namespace platform {

class LinesModel;
class TextDisplay;

/// A push button drawn in its background colour.
class CommandButton : public Control {
public:
    CommandButton(Form& form, const QString& name, TwipsRect design, const QString& caption,
                  const QColor& background);
    QString caption() const;
    void setCaption(const QString& text);
    void onClick(std::function<void()> handler);

private:
    QPushButton* button_;
};

/// A one-line text display.
class Label : public Control {
public:
    Label(Form& form, const QString& name, TwipsRect design, const QString& caption,
          const QFont& font, const QColor& text, const QColor& background);
    QString caption() const;
    /// Setting the same text again costs nothing. Assistive technology hears of a new caption
    /// only through announce().
    void setCaption(const QString& text);
    void announce();

private:
    TextDisplay* display_;
};

/// A list of text lines in the order they were added, with a current line.
class ListBox : public Control {
public:
    ListBox(Form& form, const QString& name, TwipsRect design, const QFont& font);
    void clear();
    /// Appends the lines at the end, in order.
    void addItems(const QStringList& lines);
    int listCount() const;
    QString list(int index) const;
    /// The current line, -1 for none.
    int listIndex() const;
    /// Makes a line current and scrolls it into view.
    void setListIndex(int index);
    /// What a line's tooltip and accessible description say, asked for when they are shown, so
    /// they always describe the line as it is now.
    void setLineDescription(std::function<QString(int index)> describe);

protected:
    QWidget* mouseSurface() const override;

private:
    QListView* view_;
    LinesModel* model_;
};

/// The family list a control font asks for: the design face first, then Debian's Japanese
/// fonts whose full-width characters take exactly two half-width columns.
QFont japaneseFixedFont(double pointSize);

}  // namespace platform
