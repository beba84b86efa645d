// Confines the pointer to a rectangle of the window with an active pointer grab whose
// confine-to window is an input-only child of that size. The server then confines every kind
// of motion, and the child moves with the window. The grab is re-taken while wanted: it is
// refused while a button is still held from the press that started it, the toolkit's popup
// menus take it over, and minimising drops it.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QRect>
#include <QTimer>
#include <cstdint>
#include <optional>

class QWidget;

namespace platform {

class PointerConfinement : public QAbstractNativeEventFilter {
public:
    /// `clientArea` is the child of `window` that the rectangle is kept within.
    PointerConfinement(QWidget* window, QWidget* clientArea);
    ~PointerConfinement() override;
    PointerConfinement(const PointerConfinement&) = delete;
    PointerConfinement& operator=(const PointerConfinement&) = delete;

    /// Keeps the pointer in `screenRect` (screen pixels) until release().
    void confineTo(const QRect& screenRect);
    void release();
    /// Takes the grab again now, if confining (the window was just shown again, say).
    void reassert();
    /// The rectangle asked for, while confining.
    std::optional<QRect> rect() const { return rect_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override;

private:
    void holdGrab();
    void retakeGrabWithoutWaiting();
    bool mayBreakConfinement(const void* xcbEvent) const;

    QWidget* window_;
    QWidget* clientArea_;
    std::optional<QRect> rect_;
    uint32_t confineWindow_ = 0;
    bool holding_ = false;
    QTimer keeper_;
};

}  // namespace platform
