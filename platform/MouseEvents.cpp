#include "platform/MouseEvents.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/Form.h"

namespace platform {

namespace {

int16_t buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int16_t shiftState(Qt::KeyboardModifiers modifiers) {
    return int16_t((modifiers & Qt::ShiftModifier ? 1 : 0) |
                   (modifiers & Qt::ControlModifier ? 2 : 0) |
                   (modifiers & Qt::AltModifier ? 4 : 0));
}

class MouseRouter : public QObject {
public:
    MouseRouter(Form& form, QWidget* surface, MouseDownHandler onMouseDown,
                DblClickHandler onDblClick)
        : QObject(surface),
          form_(form),
          onMouseDown_(std::move(onMouseDown)),
          onDblClick_(std::move(onDblClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) {
            return QObject::eventFilter(watched, event);
        }
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
            onDblClick_();
        } else {
            onMouseDown_(buttonCode(mouse->button()), shiftState(mouse->modifiers()),
                         float(mouse->position().x() * form_.twipsPerPixelX()),
                         float(mouse->position().y() * form_.twipsPerPixelY()));
        }
        return true;
    }

private:
    Form& form_;
    MouseDownHandler onMouseDown_;
    DblClickHandler onDblClick_;
};

}  // namespace

void routeMouse(Form& form, QWidget* surface, MouseDownHandler onMouseDown,
                DblClickHandler onDblClick) {
    surface->installEventFilter(
        new MouseRouter(form, surface, std::move(onMouseDown), std::move(onDblClick)));
}

}  // namespace platform
