// Mouse presses and double clicks on a surface, reported as the forms runtime reports them:
// button code 1 left, 2 right, 4 middle; shift state 1 Shift, 2 Ctrl, 4 Alt; x and y in twips.
//
// A real double click arrives as press, release, double-click, release. The second press is
// reported only as the double click (never as a second press), and only for the left button:
// a quick second press of another button is just another press. The surface gets the events
// before its own behaviour, which doesn't see presses at all (a list won't select on them).
#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace platform {

class Form;

using MouseDownHandler = std::function<void(int16_t button, int16_t shift, float x, float y)>;
using DblClickHandler = std::function<void()>;

/// Routes the mouse presses of `surface` to the handlers.
void routeMouse(Form& form, QWidget* surface, MouseDownHandler onMouseDown,
                DblClickHandler onDblClick);

}  // namespace platform
