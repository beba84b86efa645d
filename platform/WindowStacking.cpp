#include "platform/WindowStacking.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

/// Asks the window manager to add or remove the "above" state of a mapped window.
void sendNetWmStateAbove(xcb_connection_t* connection, xcb_window_t window, bool above) {
    constexpr uint32_t kRemove = 0, kAdd = 1, kSourceApplication = 1;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = internAtom(connection, "_NET_WM_STATE");
    event.data.data32[0] = above ? kAdd : kRemove;
    event.data.data32[1] = internAtom(connection, "_NET_WM_STATE_ABOVE");
    event.data.data32[3] = kSourceApplication;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
}

}  // namespace

bool requestKeepAbove(QWidget& window, bool above) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return false;
    sendNetWmStateAbove(x11->connection(), xcb_window_t(window.winId()), above);
    return true;
}

}  // namespace platform
