// Which of the toolkit's display platforms the program runs on, chosen before the application
// object exists.
#pragma once

namespace platform {

/// Keeping the pointer in the window and the window in front need X11: in a Wayland session the
/// program runs through Xwayland, unless the user chose a platform.
void chooseDisplayPlatform();

}  // namespace platform
