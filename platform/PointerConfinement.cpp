#include "platform/PointerConfinement.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

void sayOnceThatThereIsNoX11() {
    static bool said = false;
    if (said) return;
    said = true;
    std::fputs("TamoruWatch: no X display; the pointer is not kept in the window while running\n",
               stderr);
}

// Until the grab holds it is asked for often, so it follows a released button at once; once it
// holds, events alone say when it must be taken again.
constexpr int kRetryIntervalMs = 50;

constexpr uint16_t kGrabEvents = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                 XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_ENTER_WINDOW |
                                 XCB_EVENT_MASK_LEAVE_WINDOW;

xcb_grab_pointer_cookie_t requestGrab(xcb_connection_t* connection, xcb_window_t window,
                                      xcb_window_t confineTo) {
    return xcb_grab_pointer(connection, 1, window, kGrabEvents, XCB_GRAB_MODE_ASYNC,
                            XCB_GRAB_MODE_ASYNC, confineTo, XCB_NONE, XCB_CURRENT_TIME);
}

}  // namespace

PointerConfinement::PointerConfinement(QWidget* window, QWidget* clientArea)
    : window_(window), clientArea_(clientArea) {
    QObject::connect(&keeper_, &QTimer::timeout, [this] { holdGrab(); });
    QCoreApplication::instance()->installNativeEventFilter(this);
}

PointerConfinement::~PointerConfinement() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
    release();
}

bool PointerConfinement::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (holding_ && eventType == "xcb_generic_event_t" && mayBreakConfinement(message)) {
        retakeGrabWithoutWaiting();
    }
    return false;  // the toolkit handles every event as before
}

bool PointerConfinement::mayBreakConfinement(const void* xcbEvent) const {
    const auto* event = static_cast<const xcb_generic_event_t*>(xcbEvent);
    switch (event->response_type & 0x7f) {
        case XCB_MOTION_NOTIFY:
            // Inside the rectangle the pointer is over the confine window, which the event names
            // as the child of our window it passed through.
            return reinterpret_cast<const xcb_motion_notify_event_t*>(event)->child !=
                   confineWindow_;
        case XCB_ENTER_NOTIFY:
        case XCB_LEAVE_NOTIFY:
        case XCB_FOCUS_IN:
        case XCB_FOCUS_OUT:
        case XCB_MAP_NOTIFY:
        case XCB_UNMAP_NOTIFY:
            return true;
        default:
            return false;
    }
}

/// One request and no reply to wait for: cheap enough to send on every stray motion event. The
/// reply is discarded; were the grab refused, the next event tries again.
void PointerConfinement::retakeGrabWithoutWaiting() {
    xcb_connection_t* connection = x11Connection();
    if (!connection || window_->isMinimized() || QApplication::activePopupWidget()) {
        holdGrab();
        return;
    }
    const xcb_grab_pointer_cookie_t cookie =
        requestGrab(connection, xcb_window_t(window_->winId()), confineWindow_);
    xcb_discard_reply(connection, cookie.sequence);
    xcb_flush(connection);
}

void PointerConfinement::confineTo(const QRect& screenRect) {
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        sayOnceThatThereIsNoX11();
        rect_ = screenRect;
        return;
    }
    release();
    rect_ = screenRect;
    // Never beyond the client area, whatever the window manager's frames are.
    const QPoint origin = window_->mapToGlobal(QPoint(0, 0));
    const QRect local = screenRect.translated(-origin).intersected(clientArea_->geometry());
    confineWindow_ = xcb_generate_id(connection);
    xcb_create_window(connection, 0, confineWindow_, xcb_window_t(window_->winId()),
                      int16_t(local.x()), int16_t(local.y()), uint16_t(std::max(1, local.width())),
                      uint16_t(std::max(1, local.height())), 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(connection, confineWindow_);
    xcb_flush(connection);
    holdGrab();
}

void PointerConfinement::reassert() {
    if (confineWindow_) holdGrab();
}

void PointerConfinement::holdGrab() {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !confineWindow_) return;
    if (window_->isMinimized()) {  // nothing to confine to; reassert() follows the restore
        holding_ = false;
        keeper_.stop();
        return;
    }
    if (QApplication::activePopupWidget()) {  // a menu holds the pointer for now
        keeper_.start(kRetryIntervalMs);
        return;
    }
    const xcb_grab_pointer_cookie_t cookie =
        requestGrab(connection, xcb_window_t(window_->winId()), confineWindow_);
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(connection, cookie, nullptr);
    holding_ = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    free(reply);
    if (holding_) {
        keeper_.stop();
    } else {
        keeper_.start(kRetryIntervalMs);
    }
}

void PointerConfinement::release() {
    keeper_.stop();
    rect_.reset();
    holding_ = false;
    xcb_connection_t* connection = x11Connection();
    if (!connection || !confineWindow_) return;
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_destroy_window(connection, confineWindow_);
    xcb_flush(connection);
    confineWindow_ = 0;
}

}  // namespace platform
