// A control on the form's client area, placed in twips. The twips values are kept exactly as
// set (4450 stays 4450 although it is 296 2/3 pixels); the widget gets them rounded to pixels.
#pragma once

#include <QString>

#include "platform/MouseEvents.h"

class QWidget;

namespace platform {

class Form;

struct TwipsRect {
    double left, top, width, height;
};

class Control {
public:
    Control(Form& form, QWidget* widget, const QString& name, TwipsRect design);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    double left() const { return rect_.left; }
    double top() const { return rect_.top; }
    double width() const { return rect_.width; }
    double height() const { return rect_.height; }
    void setTop(double twips);
    void setWidth(double twips);
    /// A negative height is refused with a run-time failure, as the toolkit would.
    void setHeight(double twips);

    /// Whether the control is meant to be shown (also while its window is not on screen yet).
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    QWidget* widget() const { return widget_; }
    /// Presses and double clicks on the control, taken before its own behaviour.
    void onMouse(MouseDownHandler onMouseDown, DblClickHandler onDblClick);
    /// What assistive technology calls the control, where its caption doesn't say it.
    void setAccessibleName(const QString& text);

protected:
    /// The widget that receives the control's mouse presses.
    virtual QWidget* mouseSurface() const { return widget_; }

    Form& form_;

private:
    void applyGeometry();

    QWidget* widget_;
    TwipsRect rect_;
    bool visible_ = true;
};

}  // namespace platform
