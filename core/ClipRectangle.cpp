#include "core/ClipRectangle.h"

#include "core/Rounding.h"

QRect ClipRectangle(const WindowGeometryTwips& w, double twipsPerPixelX, double twipsPerPixelY) {
    const double border = roundHalfEven((w.outerWidth - w.clientWidth) / 2);
    const double left = roundHalfEven((w.left + border) / twipsPerPixelX);
    const double top =
        roundHalfEven((w.top + w.outerHeight - w.clientHeight - border) / twipsPerPixelY);
    const double right = roundHalfEven(w.clientWidth / twipsPerPixelX + left);
    const double bottom = roundHalfEven(w.clientHeight / twipsPerPixelY + top);
    // left, top, right, bottom: the right and bottom edges lie just outside, as screen
    // rectangles are given.
    return QRect(QPoint(int(left), int(top)), QPoint(int(right) - 1, int(bottom) - 1));
}
