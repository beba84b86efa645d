// Which of the toolkit's display platforms the program runs on, chosen before the application
// object exists.
#pragma once

#include <QByteArray>

class QWidget;

namespace platform {

/// The QT_QPA_PLATFORM to run with, given the one the user set (maybe empty, maybe a list
/// separated by ";") and whether an X display can be opened. Keeping the pointer in the window
/// and the window in front need X11: with an X display at hand (Xwayland in a Wayland session)
/// the program takes it, also when the user's setting names wayland first. Platforms without
/// windows (offscreen, minimal) and any other choice are kept.
QByteArray displayPlatformFor(const QByteArray& requested, bool xDisplayReachable);

/// Applies that choice to the environment.
void chooseDisplayPlatform();

/// On a native Wayland platform, says once, in a box beside the window, what the program can't
/// do there: keep the pointer in the window, keep the window in front. The box belongs to the
/// window, so closing the window (終了, a signal, logging out) ends the program with the box open.
void tellWhatThisPlatformLacks(QWidget* window);

}  // namespace platform
