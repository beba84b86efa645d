#include "shell/WindowPlacement.h"

#include <algorithm>

namespace {

/// The start of a span of `length` centred in [start, start + room), moved forward so that it
/// never begins before `start`.
int centredStart(int start, int room, int length) {
    return start + std::max(0, (room - length) / 2);
}

}  // namespace

QRect placeWindow(const QRect& available, const QMargins& frame, int width, int designHeight,
                  int shortestHeight) {
    const int roomForHeight = available.height() - frame.top() - frame.bottom();
    const int height = std::max(shortestHeight, std::min(designHeight, roomForHeight));
    const int outerWidth = width + frame.left() + frame.right();
    const int outerHeight = height + frame.top() + frame.bottom();
    const int left = centredStart(available.left(), available.width(), outerWidth);
    const int top = centredStart(available.top(), available.height(), outerHeight);
    return {left + frame.left(), top + frame.top(), width, height};
}
