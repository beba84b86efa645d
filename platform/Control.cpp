#include "platform/Control.h"

#include <QWidget>

#include "core/Rounding.h"
#include "core/RuntimeFailure.h"
#include "platform/Form.h"

namespace platform {

Control::Control(Form& form, QWidget* widget, const QString& name, TwipsRect design)
    : form_(form), widget_(widget), rect_(design) {
    widget_->setObjectName(name);
    applyGeometry();
}

void Control::setAccessibleName(const QString& text) {
    widget_->setAccessibleName(text);
}

void Control::onMouse(MouseDownHandler onMouseDown, DblClickHandler onDblClick) {
    routeMouse(form_, mouseSurface(), std::move(onMouseDown), std::move(onDblClick));
}

void Control::setTop(double twips) {
    rect_.top = twips;
    applyGeometry();
}

void Control::setWidth(double twips) {
    if (twips < 0) throw RuntimeFailure("invalid property value: negative width");
    rect_.width = twips;
    applyGeometry();
}

void Control::setHeight(double twips) {
    if (twips < 0) throw RuntimeFailure("invalid property value: negative height");
    rect_.height = twips;
    applyGeometry();
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
}

void Control::applyGeometry() {
    const double tx = form_.twipsPerPixelX();
    const double ty = form_.twipsPerPixelY();
    widget_->setGeometry(int(roundHalfEven(rect_.left / tx)), int(roundHalfEven(rect_.top / ty)),
                         int(roundHalfEven(rect_.width / tx)),
                         int(roundHalfEven(rect_.height / ty)));
}

}  // namespace platform
