// Keeping the pointer inside the window while the stopwatch runs.
#include "core/ClipRectangle.h"
#include "shell/frmStopwatch.h"

void frmStopwatch::confineCursorToClientArea() {
    clipCursor(std::nullopt);
    clipCursor(ClipRectangle(
        {outerLeft(), outerTop(), outerWidth(), outerHeight(), clientWidth(), clientHeight()},
        twipsPerPixelX(), twipsPerPixelY()));
}
