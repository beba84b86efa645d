// Where the window opens: centred in the screen's available area (the screen less panels and
// docks), and never with its title bar or menu bar outside it.
#pragma once

#include <QMargins>
#include <QRect>

/// The window's geometry (without the frame the window manager adds, whose sizes are `frame`)
/// in the area `available`. Its height is `designHeight`, or less where the area is lower, but
/// never less than `shortestHeight` (what the panels above the list need); a window that still
/// does not fit starts at the top of the area and runs off the bottom.
QRect placeWindow(const QRect& available, const QMargins& frame, int width, int designHeight,
                  int shortestHeight);
