// Another X client's attempt to grab the pointer, as a screenshot or drag tool makes it: prints
// the reply's status ("AlreadyGrabbed" while the stopwatch holds its grab) and exits.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

int main() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("no X display\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(
        connection,
        xcb_grab_pointer(connection, 0, root, XCB_EVENT_MASK_POINTER_MOTION, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
        nullptr);
    if (!reply) return 2;
    const char* names[] = {"Success", "AlreadyGrabbed", "InvalidTime", "NotViewable", "Frozen"};
    std::puts(reply->status < 5 ? names[reply->status] : "?");
    if (reply->status == XCB_GRAB_STATUS_SUCCESS) xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    std::free(reply);
    xcb_disconnect(connection);
    return 0;
}
