// Keeping a window above all others through the window manager's standard state
// (_NET_WM_STATE_ABOVE), changed in place so the window neither flickers nor moves.
#pragma once

class QWidget;

namespace platform {

/// Asks the X window manager to add or remove the "above" state of a mapped window. Returns
/// false, asking nothing, where the window is not on an X display.
bool requestKeepAbove(QWidget& window, bool above);

}  // namespace platform
