// The screen rectangle the pointer is kept in while the stopwatch runs: the client area below
// the menu bar, derived from the window's outer geometry and its client size.
#pragma once

#include <QRect>

struct WindowGeometryTwips {
    double left, top, outerWidth, outerHeight, clientWidth, clientHeight;
};

/// In whole screen pixels, each rounded half to even. Assumes the bottom frame is as wide as
/// the side frames, so the rectangle starts right below the menu bar.
QRect ClipRectangle(const WindowGeometryTwips& window, double twipsPerPixelX,
                    double twipsPerPixelY);
